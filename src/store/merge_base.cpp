#include "merge_base.h"

#include "atomic_file.h"
#include "reminder_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int writeDelayMsecs = 1000;

} // namespace

MergeBase::MergeBase(const QString& statePath, QObject* parent) : QObject(parent), m_path(statePath)
{
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    m_delay.setSingleShot(true);
    m_delay.setInterval(writeDelayMsecs);
    connect(&m_delay, &QTimer::timeout, this, &MergeBase::startWrite);
}

MergeBase::~MergeBase()
{
    flush(5000);
}

QString MergeBase::standardPath(const QString& remindersPath)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    // One history per reminders file: a test or a second data folder keeps its own.
    const QByteArray name =
        QCryptographicHash::hash(QFileInfo(remindersPath).absoluteFilePath().toUtf8(),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return state + QStringLiteral("/Pendrel/history-") + QString::fromLatin1(name) +
           QStringLiteral(".json");
}

void MergeBase::load()
{
    QFile file(m_path);
    if (file.size() > ReminderFile::maxBytes * 2 || !file.open(QIODevice::ReadOnly))
        return;
    if (auto history = ListHistory::decode(file.readAll()))
        m_history = std::move(*history);
}

void MergeBase::record(const QList<Reminder>& list, bool own, bool evidence)
{
    m_history.record(list, own, evidence);
    m_delay.start();
}

void MergeBase::flush(int msecs)
{
    if (m_delay.isActive()) {
        m_delay.stop();
        startWrite();
    }
    m_writer.waitForDone(msecs);
}

void MergeBase::startWrite()
{
    m_writer.start([path = m_path, history = m_history] {
        AtomicFile::makeFolder(QFileInfo(path).absolutePath());
        // Lost at worst: the next merge then knows less of the past.
        AtomicFile::write(path, history.encode());
    });
}
