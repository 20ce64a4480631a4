#include "capture_ecran.h"

#include "cadre.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <dwmapi.h>
#endif

namespace {

// Platforms whose screen a program may read: the frame drawn by the window
// manager comes with the window.
bool EcranLisible()
{
    const QString plateforme = QGuiApplication::platformName();
    return plateforme == QLatin1String("xcb") || plateforme == QLatin1String("windows") ||
           plateforme == QLatin1String("cocoa");
}

// What a screen that could not give its pixels hands back: nothing, or one
// colour throughout, as the root window of XWayland does (all black). A
// window with its texts and borders is never of one colour.
bool SansPixels(const QPixmap& capture)
{
    if (capture.isNull())
        return true;
    const QImage image = capture.toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb premier = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(ligne, ligne + image.width(), [premier](QRgb p) { return p != premier; }))
            return false;
    }
    return true;
}

#ifdef Q_OS_WIN
QRect Rectangle(const RECT& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}
#endif

// The bands of the window's frame on screen that the system does not draw,
// in the window's own units: the screen would show through them whatever
// lies behind the window.
QMargins BordsInvisibles(QWidget& fenetre)
{
#ifdef Q_OS_WIN
    const auto hwnd = reinterpret_cast<HWND>(fenetre.winId());
    RECT rectangle;
    RECT bornes;
    if (!GetWindowRect(hwnd, &rectangle) ||
        FAILED(DwmGetWindowAttribute(hwnd, DWMWA_EXTENDED_FRAME_BOUNDS, &bornes, sizeof bornes)))
        return {};
    const QRect tout = Rectangle(rectangle);
    const QRect visible = PartieVisible(tout, Rectangle(bornes));
    const qreal ratio = fenetre.devicePixelRatioF();
    return QMargins(qRound((visible.left() - tout.left()) / ratio), qRound((visible.top() - tout.top()) / ratio),
                    qRound((tout.right() - visible.right()) / ratio),
                    qRound((tout.bottom() - visible.bottom()) / ratio));
#else
    Q_UNUSED(fenetre);
    return {};
#endif
}

} // namespace

QRect PartieVisible(const QRect& fenetre, const QRect& bornesVisibles)
{
    return !bornesVisibles.isEmpty() && fenetre.contains(bornesVisibles) ? bornesVisibles : fenetre;
}

void CaptureEcran(int, QLabel& cible)
{
    QWidget* fenetre = QApplication::activeWindow();
    if (!fenetre)
        fenetre = cible.window();
    // The menu that ran the command has just closed: let the system take its
    // list off the screen (under wine, for one, that happens only when the
    // program next reads its messages). No input is handled meanwhile, so no
    // other command starts inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    QPixmap image;
    QScreen* ecran = fenetre->screen();
    if (EcranLisible() && ecran) {
        const QRect zone = fenetre->frameGeometry().marginsRemoved(BordsInvisibles(*fenetre));
        const QPoint coin = zone.topLeft() - ecran->geometry().topLeft();
        image = ecran->grabWindow(0, coin.x(), coin.y(), zone.width(), zone.height());
        // Only the frame is the screen's: the menu bar and client area are
        // the window's own rendering, as it is now. A compositing window
        // manager shows a repainted window a frame or more later, and the
        // screen would still have the menu's title highlighted.
        if (!SansPixels(image)) {
            QPainter peintre(&image);
            peintre.drawPixmap(fenetre->geometry().topLeft() - zone.topLeft(), fenetre->grab());
        }
    }
    // Where the screen keeps its pixels (Wayland, XWayland, offscreen), the
    // window draws itself, and the style draws its frame.
    if (SansPixels(image))
        image = FenetreEncadree(*fenetre);
    cible.setPixmap(image);
}
