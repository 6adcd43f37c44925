#include "time_field.h"

#include <QEvent>
#include <QKeyEvent>
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

void TimeField::keyPressEvent(QKeyEvent* event)
{
    // The spin box would type into the section the cursor is in and keep the
    // others: over a whole selection, the typed text is the new time.
    QLineEdit* field = lineEdit();
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && field->hasSelectedText() &&
        field->selectedText() == field->text())
        setSelectedSection(sectionAt(0));
    QTimeEdit::keyPressEvent(event);
}
