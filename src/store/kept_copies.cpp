#include "kept_copies.h"

#include "atomic_file.h"
#include "model/reminder_json.h"
#include "reminder_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

// Saves write to the file's name plus six random letters, then rename. A
// word there, like "backup", "Backup" or "BACKUP", is more likely the user's
// own copy.
bool isSaveTemporary(QStringView suffix)
{
    const auto upper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    const auto lower = [](QChar c) { return c >= u'a' && c <= u'z'; };
    if (suffix.size() != 6 ||
        !std::all_of(suffix.begin(), suffix.end(), [&](QChar c) { return upper(c) || lower(c); }))
        return false;
    return !std::all_of(suffix.begin(), suffix.end(), upper) &&
           !std::all_of(suffix.begin() + 1, suffix.end(), lower);
}

constexpr auto privateFile = QFile::ReadOwner | QFile::WriteOwner;

} // namespace

QString KeptCopies::target(const QString& path, const QString& kind, const QDateTime& localNow)
{
    const QString base = path + u'.' + kind + u'-' + localNow.toString(u"yyyyMMdd-HHmmss");
    QString target = base;
    for (int n = 1; QFileInfo::exists(target); ++n)
        target = base + u'-' + QString::number(n);
    return target;
}

bool KeptCopies::keepAside(const QString& path, const QString& target, QString* error)
{
    // Copying needs read access (and time, for a huge file); the file can
    // still be moved aside.
    QFile file(path);
    const bool copied = QFileInfo(path).size() <= ReminderFile::maxBytes && file.copy(target);
    if (copied || QFile::rename(path, target)) {
        QFile::setPermissions(target, privateFile);
        return true;
    }
    if (!QFileInfo::exists(path))
        return true;
    *error = file.errorString();
    return false;
}

QString KeptCopies::write(const QString& path, const QString& kind, const QDateTime& localNow,
                          const QByteArray& bytes)
{
    const QFileInfo info(path);
    const auto copies = info.absoluteDir().entryInfoList(
        {info.fileName() + u'.' + kind + QStringLiteral("-*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& copy : copies) {
        QFile existing(copy.absoluteFilePath());
        if (copy.size() == bytes.size() && !copy.isSymLink() &&
            existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
            return copy.absoluteFilePath();
    }
    // Written whole under a name of its own, then linked to a free name: a
    // copy kept a moment earlier under the same name is never replaced.
    const QString whole = target(path, kind, localNow) + QStringLiteral(".new");
    if (!AtomicFile::write(whole, bytes))
        return {};
    QString to;
    for (int attempt = 0; attempt < 100 && to.isEmpty(); ++attempt) {
        const QString candidate = target(path, kind, localNow);
        if (::link(QFile::encodeName(whole).constData(),
                   QFile::encodeName(candidate).constData()) == 0)
            to = candidate;
        else if (errno != EEXIST)
            break;
    }
    QFile::remove(whole);
    return to;
}

QString KeptCopies::keepOthers(const QString& path, const QDateTime& localNow,
                               const QList<ReminderMerge::Clash>& clashes)
{
    if (clashes.isEmpty())
        return {};
    QList<Reminder> others;
    for (const ReminderMerge::Clash& clash : clashes)
        others.append(clash.other);
    return write(path, ReminderFile::conflictKind, localNow, ReminderJson::encodeList(others));
}

void KeptCopies::removeLeftovers(const QString& path)
{
    // Saves write beside the file they replace: behind a symbolic link, beside its target.
    const QString target = AtomicFile::replacedFile(path);
    const QStringList files = target == path ? QStringList{path} : QStringList{path, target};
    for (const QString& file : files) {
        const QFileInfo info(file);
        // An interrupted save is never older than the file it was to replace;
        // a copy the user made by hand mostly is.
        const QDateTime current = info.exists() ? info.lastModified() : QDateTime();
        const QString prefix = info.fileName() + u'.';
        const auto candidates = info.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo& candidate : candidates) {
            const QString name = candidate.fileName();
            if (!name.startsWith(prefix) ||
                !isSaveTemporary(QStringView(name).sliced(prefix.size())))
                continue;
            const bool older = current.isValid() && candidate.lastModified() < current;
            if (!candidate.isSymLink() && !older)
                QFile::remove(candidate.absoluteFilePath());
        }
    }
}
