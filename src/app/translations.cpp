#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void Translations::install(const QLocale& locale)
{
    // Owned by the application, so they live exactly as long as it does.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    auto* own = new QTranslator(QCoreApplication::instance());
    if (own->load(locale, QStringLiteral("pendrel"), QStringLiteral("_"),
                  QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(own);
}
