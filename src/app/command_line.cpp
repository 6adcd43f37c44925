#include "command_line.h"

#include "desktop/login_item.h"

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
    return QStringLiteral(
        "Usage: pendrel [--demo] [--snapshot FOLDER] [--snapshot-after SECONDS] [--autostart]\n"
        "       pendrel --login-status | --help | --version\n"
        "Rings your recurring reminders from the system tray.\n"
        "\n"
        "  --login-status            print whether Pendrel starts at login, and exit\n"
        "  --demo                    open the manager window and, a second later, a silent\n"
        "                            demonstration pop-up\n"
        "  --snapshot FOLDER         after a delay, save pictures of the open windows into\n"
        "                            FOLDER, then quit\n"
        "  --snapshot-after SECONDS  the delay for --snapshot (default 3)\n"
        "  --autostart               started at login: open no window, even where no tray\n"
        "                            shows Pendrel's icon or Pendrel already runs\n"
        "  --help                    print this help and exit\n"
        "  --version                 print the version and exit\n"
        "\n"
        "Other arguments are ignored. See pendrel(1).\n");
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
