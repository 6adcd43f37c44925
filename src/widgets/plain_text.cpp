#include "plain_text.h"

#include "model/reminder.h"

namespace {

constexpr qsizetype toolTipLimit = 2000;

} // namespace

QString PlainText::withLineSeparators(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    const QString flat = oneLineText(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (flat[i] != text[i])
            text[i] = QChar::LineSeparator;
    }
    return text;
}

QString PlainText::head(const QString& text, qsizetype count)
{
    if (text.size() > count && count > 0 && text[count - 1].isHighSurrogate())
        --count;
    return text.left(count);
}

QString PlainText::toolTip(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QString();
    QString shown = withLineSeparators(head(text, toolTipLimit));
    shown.replace(QChar::LineSeparator, u'\n');
    if (text.size() > toolTipLimit)
        shown += ellipsis;
    // Rich text that only escapes the text: tooltips would otherwise render
    // markup, and plain tooltips never wrap a long message.
    return QStringLiteral("<p style='white-space:pre-wrap'>") + shown.toHtmlEscaped() +
           QStringLiteral("</p>");
}
