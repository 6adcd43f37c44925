// Feeds arbitrary bytes to the reminders-file decoder and to the Store's load.
// Whatever decodes must encode and decode back to the same list.
#include "model/reminder_json.h"
#include "store/store.h"
#include "store/user_defaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct Scratch {
    QTemporaryDir dir;
    UserDefaults defaults{dir.filePath(QStringLiteral("Pendrel.conf"))};
    QString file() const { return dir.filePath(QStringLiteral("reminders.json")); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Scratch scratch;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    if (const auto list = ReminderJson::decodeList(bytes)) {
        const QByteArray encoded = ReminderJson::encodeList(*list);
        const auto again = ReminderJson::decodeList(encoded);
        if (!again || *again != *list || ReminderJson::encodeList(*again) != encoded)
            std::abort();
    }

    QFile file(scratch.file());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
    file.close();
    Store store(scratch.dir.path(), scratch.defaults);
    if (store.reminders().isEmpty() && !ReminderJson::decodeList(bytes))
        std::abort(); // an unusable file always gives the seed reminder
    return 0;
}
