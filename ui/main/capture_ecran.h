#pragma once

class QLabel;
class QRect;

// Puts a snapshot of the active window in the picture holder, as the system
// draws it: title bar, menu bar and border included. The print command passes
// mode 1, the active window; no caller asks for anything else. Where the
// screen does not give the window's pixels (Wayland, XWayland, the offscreen
// platform), the window's own rendering of itself stands in, inside a frame
// drawn by the style.
void CaptureEcran(int mode, QLabel& cible);

// Of a window's rectangle on screen, the part the system shows: the visible
// frame's bounds where the system reports them and they lie within it
// (Windows 10 and 11 keep an invisible resize band round the frame), else the
// whole rectangle. Both in the screen's pixels.
QRect PartieVisible(const QRect& fenetre, const QRect& bornesVisibles);
