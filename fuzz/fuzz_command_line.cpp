// Feeds arbitrary argument vectors (NUL-separated) to the option parser.
#include "app/command_line.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList arguments{QStringLiteral("pendrel")};
    for (const QByteArray& part : bytes.split('\0'))
        arguments << QString::fromLocal8Bit(part);
    const CommandLine line(arguments);
    (void)line.loginStatus();
    (void)line.demo();
    const auto folder = line.snapshotFolder();
    if (folder && !arguments.contains(QStringLiteral("--snapshot")))
        std::abort();
    const double delay = line.snapshotDelay();
    if (!line.valueOf(QStringLiteral("--snapshot-after")) && delay != 3.0)
        std::abort();
    for (const QString& argument : arguments)
        (void)CommandLine::parseSeconds(argument);
    return 0;
}
