#include "cablage.h"
#include "frmcalcul.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    // Qt's own texts (a field's context menu, standard buttons) in French.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    FrmCalcul frmCalcul;
    Cabler(frmCalcul);
    frmCalcul.show();
    return QApplication::exec();
}
