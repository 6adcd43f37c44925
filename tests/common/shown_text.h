#pragma once

#include <QString>
#include <QTextDocument>

// The text a tooltip shows: Qt reads one that looks like markup as such.
inline QString shownToolTip(const QString& toolTip)
{
    QTextDocument document;
    if (Qt::mightBeRichText(toolTip))
        document.setHtml(toolTip);
    else
        document.setPlainText(toolTip);
    return document.toPlainText();
}
