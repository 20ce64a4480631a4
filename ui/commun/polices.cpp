#include "polices.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace {

// Whether the system really has the family as an outline face. fontconfig's
// aliases would answer for Verdana too, with whatever sans it picks; and a
// bitmap family (Windows' own MS Sans Serif, wine's) only comes in a few
// pixel sizes, none of them the design's.
bool FaceVectorielle(const QString& famille)
{
    return QFontDatabase::families().contains(famille, Qt::CaseInsensitive) &&
           QFontDatabase::isSmoothlyScalable(famille);
}

} // namespace

void InstallerPolicesDeRemplacement()
{
    struct Face {
        const char* famille;  // the designed family it stands for
        const char* jumelle;  // the system's outline twin of that family, if it has one
        const char* fichier;  // the program's own face
    };
    static constexpr Face faces[] = {
        {"Verdana", nullptr, ":/polices/CorvaneSans.ttf"},
        {"Verdana", nullptr, ":/polices/CorvaneSans-Bold.ttf"},
        // Every Windows since 2000 has Microsoft Sans Serif, drawn to MS Sans
        // Serif's metrics.
        {"MS Sans Serif", "Microsoft Sans Serif", ":/polices/CorvaneGrotesque.ttf"},
    };
    for (const Face& face : faces) {
        const QString famille = QString::fromLatin1(face.famille);
        if (FaceVectorielle(famille))
            continue;
        const QString jumelle = QString::fromLatin1(face.jumelle);
        if (face.jumelle && FaceVectorielle(jumelle)) {
            QFont::insertSubstitution(famille, jumelle);
            continue;
        }
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face.fichier));
        // A face that cannot be loaded leaves the system's font in its place:
        // a caption may then be cut, but the program still computes.
        if (id < 0) {
            qWarning("%s cannot be loaded: the system's font stands in for %s", face.fichier, face.famille);
            continue;
        }
        QFont::insertSubstitution(famille, QFontDatabase::applicationFontFamilies(id).value(0));
    }
}

void AppliquerTailleDeConception(QWidget& fenetre)
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
        // A bitmap face of the designed family, where the system has one,
        // gives way to the outline face that stands in for it.
        police.setStyleStrategy(QFont::ForceOutline);
        controle->setFont(police);
    }
}
