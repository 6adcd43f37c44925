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
    QString out = QStringLiteral("%1 pendrel [--demo] [--snapshot FOLDER] [--snapshot-after "
                                 "SECONDS] [--autostart]\n"
                                 "       pendrel --login-status | --help | --version\n")
                      .arg(translated(QT_TRANSLATE_NOOP("CommandLine", "Usage:")));
    out += translated(QT_TRANSLATE_NOOP("CommandLine",
                                        "Rings your recurring reminders from the system tray.")) +
           QStringLiteral("\n\n");
    // The explanations wrap in a column of their own, in any language.
    constexpr qsizetype column = 28;
    constexpr qsizetype width = 80;
    for (const Option& option : options) {
        QString line = QStringLiteral("  ") + QString::fromLatin1(option.syntax);
        const QStringList words = translated(option.help).split(u' ', Qt::SkipEmptyParts);
        bool fresh = true;
        for (const QString& word : words) {
            if (!fresh && line.size() + 1 + word.size() > width) {
                out += line + u'\n';
                line.clear();
                fresh = true;
            }
            if (fresh)
                line = line.leftJustified(column - 1) + u' ' + word;
            else
                line += u' ' + word;
            fresh = false;
        }
        out += line + u'\n';
    }
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
