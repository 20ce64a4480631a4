#include "titres_de_cadre.h"

#include <QApplication>
#include <QGroupBox>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

namespace {

constexpr char CouleurTitre[] = "couleurTitre";

// The application's style, with the caption of the frames it is given in their colour.
class StyleTitreEnCouleur : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option, QPainter* peintre,
                            const QWidget* cadre) const override
    {
        const auto* groupe = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        const QColor couleur = cadre ? cadre->property(CouleurTitre).value<QColor>() : QColor();
        if (controle != CC_GroupBox || !groupe || !couleur.isValid()) {
            QProxyStyle::drawComplexControl(controle, option, peintre, cadre);
            return;
        }
        // Styles take the caption's colour from the option's text colour (Windows),
        // its window text (Fusion) or its text (the common style); the frame
        // itself is drawn in none of them.
        QStyleOptionGroupBox enCouleur(*groupe);
        enCouleur.textColor = couleur;
        enCouleur.palette.setColor(QPalette::WindowText, couleur);
        enCouleur.palette.setColor(QPalette::Text, couleur);
        QProxyStyle::drawComplexControl(controle, &enCouleur, peintre, cadre);
    }
};

} // namespace

void ColorerTitresDeCadre(QWidget& fenetre)
{
    auto* style = new StyleTitreEnCouleur(QApplication::style()->name());
    style->setParent(&fenetre);
    // A widget's own style is not passed on to its children.
    for (QGroupBox* cadre : fenetre.findChildren<QGroupBox*>())
        if (cadre->property(CouleurTitre).isValid())
            cadre->setStyle(style);
}
