#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Pendrel's options. An option is present only when an argument equals it
// exactly; a value is the argument right after the option's first
// occurrence, taken verbatim. Anything else on the command line is ignored.
// --help and --version answer before anything else, as every command-line
// program on Linux does.
class CommandLine {
public:
    static constexpr double defaultSnapshotDelay = 3.0;

    explicit CommandLine(QStringList arguments);
    // The process's own argument vector, before Qt removes its options.
    static CommandLine fromArgv(int argc, char** argv);

    bool has(const QString& option) const;
    std::optional<QString> valueOf(const QString& option) const;

    bool loginStatus() const { return has(QStringLiteral("--login-status")); }
    bool help() const { return has(QStringLiteral("--help")); }
    bool version() const { return has(QStringLiteral("--version")); }
    // What --help and --version print.
    static QString usage();
    static QString versionText();
    // Started by the desktop at login, not by the user.
    bool autostart() const;
    bool demo() const { return has(QStringLiteral("--demo")); }
    std::optional<QString> snapshotFolder() const;
    // Seconds before the snapshot: 3 unless --snapshot-after gives a number.
    double snapshotDelay() const;

    // A number as the C library's strtod reads it in the "C" locale: the
    // whole text, not empty, not starting with white space.
    static std::optional<double> parseSeconds(const QString& text);

private:
    QStringList m_arguments;
};
