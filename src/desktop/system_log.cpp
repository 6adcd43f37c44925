#include "system_log.h"

#include <cstdio>
#include <syslog.h>

void SystemLog::write(const QString& line)
{
    const QByteArray text = line.toUtf8();
    // The text is data, never a format.
    syslog(LOG_USER | LOG_WARNING, "%s", text.constData());
    std::fprintf(stderr, "%s\n", text.constData());
    std::fflush(stderr);
}

SystemLog& SystemLog::standard()
{
    static SystemLog log;
    return log;
}
