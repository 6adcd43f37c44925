#include "command_line.h"

#include "desktop/login_item.h"

#include <QCoreApplication>

#include <cstdlib>
#include <locale.h>

CommandLine::CommandLine(QStringList arguments) : m_arguments(std::move(arguments)) {}

CommandLine CommandLine::fromArgv(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return CommandLine(arguments);
}

bool CommandLine::has(const QString& option) const
{
    return m_arguments.contains(option);
}

std::optional<QString> CommandLine::valueOf(const QString& option) const
{
    const qsizetype at = m_arguments.indexOf(option);
    if (at < 0 || at + 1 >= m_arguments.size())
        return std::nullopt;
    return m_arguments.at(at + 1);
}

bool CommandLine::autostart() const
{
    return has(LoginItem::autostartOption());
}

namespace {

// Terminals give East Asian characters two columns.
bool wide(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
           (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
           (u >= 0xFFE0 && u <= 0xFFE6);
}

qsizetype columns(QStringView text)
{
    qsizetype n = 0;
    for (QChar c : text)
        n += wide(c) ? 2 : 1;
    return n;
}

// The text in lines of at most `width` columns after `indent` ones: broken
// at spaces, and between characters of scripts written without them.
QString wrapped(const QString& text, qsizetype indent, qsizetype width)
{
    QStringList pieces; // each starts with the space it needs, if any
    QString piece;
    for (QChar c : text) {
        if (c == u' ') {
            if (!piece.isEmpty())
                pieces << piece;
            piece = c;
        } else if (wide(c)) {
            if (!piece.trimmed().isEmpty())
                pieces << piece;
            pieces << (piece == u" " ? QString(u' ') + c : QString(c));
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.trimmed().isEmpty())
        pieces << piece;
    QString out;
    qsizetype used = 0;
    for (QString p : pieces) {
        if (used > 0 && used + columns(p) > width - indent) {
            out += u'\n' + QString(indent, u' ');
            p = p.trimmed();
            used = 0;
        } else if (used == 0) {
            p = p.trimmed();
        }
        out += p;
        used += columns(p);
    }
    return out;
}

} // namespace

QString CommandLine::usage()
{
    struct Option {
        const char* syntax;
        const char* help;
    };
    static constexpr Option options[] = {
        {"--login-status",
         QT_TRANSLATE_NOOP("CommandLine", "print whether Pendrel starts at login, and exit")},
        {"--demo", QT_TRANSLATE_NOOP("CommandLine", "open the manager window and, a second later, "
                                                    "a silent demonstration pop-up")},
        {"--snapshot FOLDER",
         QT_TRANSLATE_NOOP(
             "CommandLine",
             "after a delay, save pictures of the open windows into FOLDER, then quit")},
        {"--snapshot-after SECONDS",
         QT_TRANSLATE_NOOP("CommandLine", "the delay for --snapshot (default 3)")},
        {"--autostart",
         QT_TRANSLATE_NOOP("CommandLine", "started at login: open no window, even where no tray "
                                          "shows Pendrel's icon or Pendrel already runs")},
        {"--help", QT_TRANSLATE_NOOP("CommandLine", "print this help and exit")},
        {"--version", QT_TRANSLATE_NOOP("CommandLine", "print the version and exit")},
    };
    const auto translated = [](const char* text) {
        return QCoreApplication::translate("CommandLine", text);
    };
    const QString usageWord = translated(QT_TRANSLATE_NOOP("CommandLine", "Usage:"));
    const QString under(columns(usageWord), u' ');
    QString out = usageWord + QStringLiteral(" pendrel [--demo] [--snapshot FOLDER]\n") + under +
                  QStringLiteral("         [--snapshot-after SECONDS] [--autostart]\n") + under +
                  QStringLiteral(" pendrel --login-status | --help | --version\n");
    out += translated(QT_TRANSLATE_NOOP("CommandLine",
                                        "Rings your recurring reminders from the system tray.")) +
           QStringLiteral("\n\n");
    // The explanations wrap in a column of their own, in any language.
    constexpr qsizetype column = 28;
    constexpr qsizetype width = 80;
    for (const Option& option : options)
        out += (QStringLiteral("  ") + QString::fromLatin1(option.syntax)).leftJustified(column) +
               wrapped(translated(option.help), column, width) + u'\n';
    out += u'\n' +
           translated(
               QT_TRANSLATE_NOOP("CommandLine", "Other arguments are ignored. See pendrel(1).")) +
           u'\n';
    return out;
}

QString CommandLine::versionText()
{
    return QStringLiteral("pendrel " PENDREL_VERSION "\n");
}

std::optional<QString> CommandLine::snapshotFolder() const
{
    return valueOf(QStringLiteral("--snapshot"));
}

double CommandLine::snapshotDelay() const
{
    const auto text = valueOf(QStringLiteral("--snapshot-after"));
    if (!text)
        return defaultSnapshotDelay;
    return parseSeconds(*text).value_or(defaultSnapshotDelay);
}

std::optional<double> CommandLine::parseSeconds(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (bytes.isEmpty() || bytes.contains('\0'))
        return std::nullopt;
    const char first = bytes.front();
    if (first == ' ' || first == '\t' || first == '\n' || first == '\v' || first == '\f' ||
        first == '\r')
        return std::nullopt;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char* end = nullptr;
    const double value = strtod_l(bytes.constData(), &end, cLocale);
    if (end != bytes.constData() + bytes.size())
        return std::nullopt;
    return value;
}
