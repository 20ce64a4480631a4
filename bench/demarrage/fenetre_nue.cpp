// The floors: a bare Qt Widgets program with one fixed-size window of the
// same size and flags, up to the first paint. Empty, or, with --texte, with
// what any window of this design has: Qt's own texts in French, a menu bar,
// and a label in each of its two fonts at 8.25 pt.
#include "sonde.h"

#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QTranslator>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow fenetre(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    fenetre.setFixedSize(551, 245);
    QTranslator traductionQt;
    if (argc > 1 && std::strcmp(argv[1], "--texte") == 0) {
        if (traductionQt.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&traductionQt);
        fenetre.menuBar()->addMenu(QStringLiteral("&Fichier"));
        auto* textes = new QWidget(&fenetre);
        int haut = 8;
        for (const char* famille : {"Verdana", "MS Sans Serif"}) {
            auto* etiquette = new QLabel(QStringLiteral("Paramétres"), textes);
            QFont police(QString::fromLatin1(famille));
            police.setPointSizeF(8.25);
            etiquette->setFont(police);
            etiquette->move(8, haut);
            haut += 20;
        }
        fenetre.setCentralWidget(textes);
    }
    SondePeinture sonde(fenetre);
    fenetre.show();
    return QApplication::exec();
}
