#pragma once

class QLabel;

// Puts a snapshot of the active window in the picture holder, as the system
// draws it: title bar, menu bar and border included. The print command passes
// mode 1, the active window; no caller asks for anything else. Where the
// screen does not give the window's pixels (Wayland, XWayland, the offscreen
// platform), the window's own rendering of itself stands in, inside a frame
// drawn by the style.
void CaptureEcran(int mode, QLabel& cible);
