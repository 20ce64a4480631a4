#pragma once

class QMargins;
class QPixmap;
class QWidget;

// Whether the platform's frame margins are a frame: a title bar over thin
// borders, none more than half as wide as the title bar is high.
bool CadreVraisemblable(const QMargins& marges);

// The window's own rendering of itself (menu bar and client area) inside a
// frame drawn by the current style: a title bar with the window's icon, title
// and close box, and a border. Where the platform tells the frame's size on
// screen, the drawn frame takes it; otherwise it takes the style's sizes.
// For the screens a program may not read, which give no frame.
QPixmap FenetreEncadree(QWidget& fenetre);
