#pragma once

#include "desktop/system_log.h"

#include <QStringList>

// A system log that keeps its lines for the test to read.
class RecordingLog : public SystemLog {
public:
    void write(const QString& line) override { lines << line; }
    QStringList lines;
};
