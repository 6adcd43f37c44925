#pragma once

#include <QString>

// One plain line to the system log (journald collects syslog) and the same
// line on standard error. The only log output Pendrel has.
class SystemLog {
public:
    virtual ~SystemLog() = default;
    virtual void write(const QString& line);

    static SystemLog& standard();
};
