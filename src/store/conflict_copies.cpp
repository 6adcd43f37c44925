#include "conflict_copies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

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
    const QFileInfo info(path);
    QFileInfoList candidates = info.absoluteDir().entryInfoList(
        {info.completeBaseName() + u'*'}, QDir::Files | QDir::System | QDir::Hidden, QDir::Time);
    std::reverse(candidates.begin(), candidates.end());
    QStringList copies;
    for (const QFileInfo& candidate : std::as_const(candidates)) {
        if (isCopyOf(candidate.fileName(), path))
            copies << candidate.absoluteFilePath();
    }
    return copies;
}
