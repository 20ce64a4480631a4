#pragma once

class QLabel;

// Puts a snapshot in the picture holder: with a nonzero mode, of the active
// window as the system draws it, title bar, menu bar and border included;
// with mode 0, of the whole screen. Where the program may not read the
// screen (Wayland, the offscreen platform), the window's own rendering of
// itself stands in: its client area and menu bar.
void CaptureEcran(int mode, QLabel& cible);
