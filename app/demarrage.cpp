#include "demarrage.h"

#include "polices.h"

#include <QApplication>
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

    InstallerPolicesDeConception();
}
