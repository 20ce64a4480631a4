#include "cadre.h"

#include <QMargins>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>
#include <QWidget>

#include <algorithm>

// Margins that are mostly invisible shadow (weston gives its XWayland
// clients over thirty pixels on every side) would print a wide blank band
// round the window.
bool CadreVraisemblable(const QMargins& marges)
{
    const int bordure = std::max({marges.left(), marges.right(), marges.bottom()});
    const int barre = marges.top() - marges.left();
    return barre > 0 && 2 * bordure <= barre;
}

namespace {

// The frame's thickness on each side: the platform's, if it tells a
// plausible one, else the style's title bar over a border of the style's width.
QMargins Marges(const QWidget& fenetre, const QStyleOptionTitleBar& titre)
{
    const QRect cadre = fenetre.frameGeometry();
    const QRect client = fenetre.geometry();
    const QMargins plateforme(client.left() - cadre.left(), client.top() - cadre.top(),
                              cadre.right() - client.right(), cadre.bottom() - client.bottom());
    if (CadreVraisemblable(plateforme))
        return plateforme;
    QStyle* style = fenetre.style();
    const int bord = std::max(1, style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &fenetre));
    const int barre = style->pixelMetric(QStyle::PM_TitleBarHeight, &titre, &fenetre);
    return {bord, bord + barre, bord, bord};
}

} // namespace

QPixmap FenetreEncadree(QWidget& fenetre)
{
    const QPixmap rendu = fenetre.grab();
    const qreal ratio = rendu.devicePixelRatio();
    const QSize client = rendu.deviceIndependentSize().toSize();

    QStyleOptionTitleBar titre;
    titre.initFrom(&fenetre);
    titre.text = fenetre.windowTitle();
    titre.icon = fenetre.windowIcon();
    titre.titleBarFlags = fenetre.windowFlags();
    titre.titleBarState = Qt::WindowActive;
    titre.state |= QStyle::State_Active;
    titre.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu | QStyle::SC_TitleBarCloseButton;
    titre.activeSubControls = QStyle::SC_None;
    const QMargins marges = Marges(fenetre, titre);
    const QRect tout(QPoint(0, 0), client.grownBy(marges));

    const QColor fond = fenetre.palette().color(QPalette::Window);
    // The border at one pixel a unit, then enlarged to the ratio: drawn
    // straight at a ratio above 1, a style's unit-wide lines may miss the
    // last pixels of the right and bottom edges (Fusion on Qt 6.8 does), and
    // the frame would print lighter on those sides than on the others.
    QPixmap bord(tout.size());
    bord.fill(fond);
    {
        QPainter peintreBord(&bord);
        QStyleOptionFrame bordure;
        bordure.initFrom(&fenetre);
        bordure.rect = tout;
        bordure.lineWidth = marges.left();
        bordure.state |= QStyle::State_Active;
        fenetre.style()->drawPrimitive(QStyle::PE_FrameWindow, &bordure, &peintreBord, &fenetre);
    }

    QPixmap image(tout.size() * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(fond);
    QPainter peintre(&image);
    peintre.drawPixmap(tout, bord);
    peintre.drawPixmap(QPoint(marges.left(), marges.top()), rendu);

    titre.rect = QRect(marges.left(), marges.left(), client.width(), marges.top() - marges.left());
    fenetre.style()->drawComplexControl(QStyle::CC_TitleBar, &titre, &peintre, &fenetre);
    return image;
}
