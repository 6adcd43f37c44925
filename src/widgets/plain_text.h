#pragma once

#include <QString>

// How reminder texts are prepared for display so they show exactly as
// written, whatever they contain.
class PlainText {
public:
    static constexpr QChar ellipsis{0x2026};

    // Every kind of line or paragraph break as one line separator; "\r\n" is one break.
    static QString withLineSeparators(QString text);
    // The first characters of the text, never half of a surrogate pair.
    static QString head(const QString& text, qsizetype count);
    // A tooltip showing the text as written: never read as markup, breaks kept.
    static QString toolTip(const QString& text);
};
