#include "conflict_copies.h"

#include "atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

bool ConflictCopies::isCopyOf(const QString& fileName, const QString& original)
{
    const QFileInfo info(original);
    const QString base = QRegularExpression::escape(info.completeBaseName());
    const QString suffix = QRegularExpression::escape(u'.' + info.suffix());
    // What the tools put between the name and its ending.
    static const QStringList marks = {
        QStringLiteral(R"(\.sync-conflict-\d{8}-\d{6}-[A-Z0-9]{7})"),
        QStringLiteral(R"( \(conflicted copy \d{4}-\d{2}-\d{2} \d{6}\))"),
        QStringLiteral(R"(_conflict-\d{8}-\d{6})"),
        QStringLiteral(R"( \([^()/]+'s conflicted copy \d{4}-\d{2}-\d{2}(?: \(\d+\))?\))"),
        QStringLiteral(R"( \(SFConflict [^()/]+ \d{4}-\d{2}-\d{2}-\d{2}-\d{2}-\d{2}\))"),
    };
    return std::any_of(marks.cbegin(), marks.cend(), [&](const QString& mark) {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(base + mark + suffix));
        return pattern.match(fileName).hasMatch();
    });
}

QStringList ConflictCopies::find(const QString& path)
{
    // Behind a symbolic link into a synced folder the tool's copies lie beside
    // the link's target, under its name.
    QStringList originals{path};
    if (const QString target = AtomicFile::replacedFile(path); target != path)
        originals << target;
    QStringList copies;
    for (const QString& original : std::as_const(originals)) {
        const QFileInfo info(original);
        // Regular files only: a link or a pipe named like a copy is not read.
        QFileInfoList candidates = info.absoluteDir().entryInfoList(
            {info.completeBaseName() + u'*'}, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
            QDir::Time | QDir::Reversed);
        for (const QFileInfo& candidate : std::as_const(candidates)) {
            if (isCopyOf(candidate.fileName(), original) &&
                !copies.contains(candidate.absoluteFilePath()))
                copies << candidate.absoluteFilePath();
        }
    }
    return copies;
}
