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

// The system's own words for why a call failed, as the user's other
// programs give them ("No space left on device", "Read-only file system").
QString systemReason(const QString& fallback)
{
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : fallback;
}

bool AtomicFile::write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    errno = 0;
    // Unbuffered, so a short write (full disk, file size limit) shows in the
    // count: QSaveFile's buffered flush lets it pass and commits a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(systemReason(file.errorString()));
    // QSaveFile also ignores a failed sync; some file systems report a full
    // disk only there.
    if (file.write(bytes) != bytes.size() || ::fsync(file.handle()) != 0) {
        const QString why = systemReason(file.errorString());
        file.cancelWriting();
        return fail(why);
    }
    errno = 0;
    if (!file.commit())
        return fail(systemReason(file.errorString()));
    // The data is on disk and renamed; a failed folder sync is not worth
    // reporting as a lost save. Behind a symbolic link the file replaced is
    // the link's target, so that is the folder whose entry must last.
    const QFileInfo replaced(path);
    const QString target = replaced.canonicalFilePath();
    syncFolder(QFileInfo(target.isEmpty() ? path : target).absolutePath());
    return true;
}
