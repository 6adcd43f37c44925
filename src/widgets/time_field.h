#pragma once

#include <QTimeEdit>

// A time of day as people type one: a click selects the hour or the minute
// under the pointer, so digits typed then replace it (2348, 23:48, 9:05)
// instead of being refused as an insertion into "08".
class TimeField : public QTimeEdit {
    Q_OBJECT

public:
    explicit TimeField(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
