#pragma once

#include <QTimeEdit>

// A time of day as people type one: a click selects the hour or the minute
// under the pointer, so digits typed then replace it (2348, 23:48, 9:05)
// instead of being refused as an insertion into "08"; typing over the whole
// text (after Ctrl+A) starts again from its first part.
class TimeField : public QTimeEdit {
    Q_OBJECT

public:
    explicit TimeField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
