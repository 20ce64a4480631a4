#include "demarrage.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void PreparerApplication(QApplication& application)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto* traductionQt = new QTranslator(&application);
    if (traductionQt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductionQt);

    // The form's labels are sized for text narrower than the first sans
    // family fontconfig offers: a narrow sans keeps every caption whole where
    // Verdana is missing, and an Arial-metric sans stands for MS Sans Serif.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("Liberation Sans Narrow"),
                                                           QStringLiteral("Nimbus Sans Narrow")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
}
