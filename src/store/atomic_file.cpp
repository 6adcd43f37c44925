#include "atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool syncFolder(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

bool AtomicFile::write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // Unbuffered, so a short write (full disk, file size limit) shows in the
    // count: QSaveFile's buffered flush lets it pass and commits a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // QSaveFile also ignores a failed sync; some file systems report a full
    // disk only there.
    if (file.write(bytes) != bytes.size() || ::fsync(file.handle()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    // The data is on disk and renamed; a failed folder sync is not worth
    // reporting as a lost save.
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}
