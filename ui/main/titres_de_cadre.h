#pragma once

class QWidget;

// Draws the caption of each frame (QGroupBox) of the window that has a
// "couleurTitre" property in that colour, and only the caption: a frame's
// palette would pass the colour on to every control inside it, and a style
// sheet costs the window a tenth of its start-up to polish.
void ColorerTitresDeCadre(QWidget& fenetre);
