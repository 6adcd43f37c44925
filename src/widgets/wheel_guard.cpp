#include "wheel_guard.h"

#include <QCoreApplication>
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
    auto* field = static_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || field->hasFocus())
        return false;
    // Handed up the way an unwanted wheel event goes, to the scroll area
    // around the form; done here because Qt stops synthesized ones early.
    for (QWidget* parent = field->parentWidget(); parent; parent = parent->parentWidget()) {
        event->accept();
        if (QCoreApplication::sendEvent(parent, event) && event->isAccepted())
            break;
        if (parent->isWindow())
            break;
    }
    return true;
}
