#include "desktop_entry.h"

#include <QFile>

namespace {

// The escapes of a desktop entry's string values: \s \n \t \r \\.
QString unescapeValue(const QString& raw)
{
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const QChar next = raw[++i];
        if (next == u's')
            out += u' ';
        else if (next == u'n')
            out += u'\n';
        else if (next == u't')
            out += u'\t';
        else if (next == u'r')
            out += u'\r';
        else
            out += next;
    }
    return out;
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    DesktopEntry entry;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine(64 * 1024)).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inMainGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!entry.m_values.contains(key))
            entry.m_values.insert(key, unescapeValue(line.mid(equals + 1).trimmed()));
    }
    if (!sawMainGroup)
        return std::nullopt;
    return entry;
}

QString DesktopEntry::program() const
{
    const QString exec = value(QStringLiteral("Exec")).trimmed();
    QString program;
    if (exec.startsWith(u'"')) {
        // Inside quotes, \" \` \$ and \\ stand for the character itself.
        qsizetype i = 1;
        for (; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size())
                ++i;
            program += exec[i];
        }
        if (i >= exec.size())
            return {};
    } else {
        program = exec.section(u' ', 0, 0);
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QString DesktopEntry::execLine(const QString& program)
{
    // Always quoted; within quotes " ` $ \ take a backslash, and a literal %
    // is written %%. The file's own string escaping then doubles backslashes.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(QStringLiteral("%"), QStringLiteral("%%"));
    quoted.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}
