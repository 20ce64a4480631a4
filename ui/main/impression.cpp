#include "impression.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

std::unique_ptr<QPrinter> ImprimanteParDefaut()
{
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(defaut, QPrinter::HighResolution);
}

std::optional<QString> ImprimerImage(QPrinter& imprimante, const QPixmap& image)
{
    const QString nom = imprimante.printerName();
    const QString refus =
        nom.isEmpty()
            ? QStringLiteral("Impression impossible - l'imprimante a refusé le travail")
            : QStringLiteral("Impression impossible - l'imprimante « %1 » a refusé le travail").arg(nom);
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return refus;
    // One screen pixel at 100 % is 1/96 inch, whatever the printer's
    // resolution and the display's scale: the picture's size is its size in
    // device-independent pixels.
    constexpr double PointsEcran = 96.0;
    const double echelle = imprimante.resolution() / PointsEcran;
    const QSizeF taille = QSizeF(image.size()) / image.devicePixelRatio() * echelle;
    // Its pixels go to the printer as plain pixels into that size. Windows's
    // print engine draws a pixmap of a ratio above 1 at its smaller logical
    // size into a tile that it then stretches to the whole target, which
    // printed the window at 1/scale of its size.
    QPixmap pixels = image;
    pixels.setDevicePixelRatio(1);
    peintre.drawPixmap(QRectF(QPointF(0, 0), taille), pixels, QRectF(pixels.rect()));
    if (!peintre.end() || imprimante.printerState() == QPrinter::Error ||
        imprimante.printerState() == QPrinter::Aborted)
        return refus;
    return std::nullopt;
}
