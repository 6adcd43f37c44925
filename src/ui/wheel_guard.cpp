#include "wheel_guard.h"

#include <QEvent>
#include <QWidget>

void WheelGuard::protect(QWidget* field)
{
    // A click or Tab gives focus; the wheel alone does not.
    field->setFocusPolicy(Qt::StrongFocus);
    field->installEventFilter(new WheelGuard(field));
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
        return false;
    // Unaccepted, the event travels on to the parents, the scroll area among them.
    event->ignore();
    return true;
}
