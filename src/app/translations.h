#pragma once

#include <QLocale>

// Puts Pendrel's own texts and Qt's standard ones (the text fields' menus,
// dialog buttons) into the user's language.
class Translations {
public:
    // Installs the translators for the locale into the running application.
    // A language without translations keeps the English texts.
    static void install(const QLocale& locale = QLocale());
};
