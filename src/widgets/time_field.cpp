#include "time_field.h"

#include <QEvent>
#include <QLineEdit>

TimeField::TimeField(QWidget* parent) : QTimeEdit(parent)
{
    lineEdit()->installEventFilter(this);
}

bool TimeField::eventFilter(QObject* watched, QEvent* event)
{
    // On release the cursor stands where the click put it; a drag that
    // selected text itself is left alone.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        !lineEdit()->hasSelectedText())
        setSelectedSection(currentSection());
    return QTimeEdit::eventFilter(watched, event);
}
