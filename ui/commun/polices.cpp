#include "polices.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

void InstallerPolicesDeConception()
{
    struct Face {
        const char* famille; // the designed family it stands for
        const char* fichier;
    };
    static constexpr Face faces[] = {
        {"Verdana", ":/polices/CorvaneSans.ttf"},
        {"Verdana", ":/polices/CorvaneSans-Bold.ttf"},
        {"MS Sans Serif", ":/polices/CorvaneGrotesque.ttf"},
    };
    // The families the system really has: fontconfig's aliases would answer
    // for Verdana too, with whatever sans it picks.
    const QStringList presentes = QFontDatabase::families();
    for (const Face& face : faces) {
        const QString famille = QString::fromLatin1(face.famille);
        if (presentes.contains(famille, Qt::CaseInsensitive))
            continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face.fichier));
        if (id < 0)
            qFatal("%s cannot be loaded", face.fichier);
        QFont::insertSubstitution(famille, QFontDatabase::applicationFontFamilies(id).value(0));
    }
}

void PolicesDeConception(QWidget& fenetre)
{
    constexpr int TailleDuFormulaire = 8;
    constexpr qreal TailleConcue = 8.25;
    QList<QWidget*> controles = fenetre.findChildren<QWidget*>();
    controles.prepend(&fenetre);
    for (QWidget* controle : controles) {
        QFont police = controle->font();
        // Inherited fonts too: a control with a style sheet keeps the font it
        // had when the sheet was applied, whatever its parent gets later.
        if (police.pointSizeF() != TailleDuFormulaire)
            continue;
        police.setPointSizeF(TailleConcue);
        controle->setFont(police);
    }
}
