#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system's own words for why a call failed, as the user's other
// programs give them ("No space left on device", "Read-only file system").
QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

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

// Six letters of mixed case, at least one capital after the first, which
// is how start-up tells an interrupted save from a copy such as ".backup".
QByteArray temporarySuffix()
{
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    QByteArray suffix(6, 'a');
    auto* random = QRandomGenerator::global();
    for (char& c : suffix)
        c = letters[random->bounded(52)];
    const qsizetype capital = 1 + random->bounded(5);
    suffix[capital] = letters[random->bounded(26)];
    suffix[(capital + 1 + random->bounded(5)) % 6] = letters[26 + random->bounded(26)];
    return suffix;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

QString AtomicFile::replacedFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

bool AtomicFile::makeFolder(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    QDir().mkpath(info.absolutePath());
    return ::mkdir(QFile::encodeName(info.absoluteFilePath()).constData(), 0700) == 0 ||
           QFileInfo(path).isDir();
}

bool AtomicFile::write(const QString& path, const QByteArray& bytes, QString* error)
{
    const auto fail = [&] {
        if (error)
            *error = systemReason();
        return false;
    };
    const QString target = replacedFile(path);
    const QByteArray native = QFile::encodeName(target);
    // A file the user may not write stays as it is, though its folder would
    // let it be replaced.
    struct stat existing {};
    const bool replacing = ::stat(native.constData(), &existing) == 0;
    if (replacing && ::access(native.constData(), W_OK) != 0)
        return fail();

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = native + '.' + temporarySuffix();
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return fail();
    }
    if (fd < 0)
        return fail();
    // One sync of the data, whose failure is reported (some file systems tell
    // of a full disk only there), and one of the folder after the rename: a
    // save costs two syncs, not three, on a slow disk.
    const bool written = (!replacing || ::fchmod(fd, existing.st_mode & 07777) == 0) &&
                         writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), native.constData()) != 0) {
        const int why = written ? errno : writeErrno;
        ::unlink(temporary.constData());
        errno = why;
        return fail();
    }
    // The data is on disk and renamed; a failed folder sync is not worth
    // reporting as a lost save.
    syncFolder(QFileInfo(target).absolutePath());
    return true;
}
