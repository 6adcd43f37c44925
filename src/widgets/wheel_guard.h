#pragma once

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing a value field the pointer only passes
// over: without focus the wheel goes on to scroll the form around it.
class WheelGuard : public QObject {
    Q_OBJECT

public:
    static void protect(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
