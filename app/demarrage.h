#pragma once

class QApplication;

// What the program sets up before its first window: Qt's own texts (a
// field's context menu, standard buttons) in French, and deliberate
// fallbacks for the design's fonts where the system lacks them; on Windows,
// the classic style and light colours whatever the system's scheme, and
// the mutex by which the installer knows the program runs.
void PreparerApplication(QApplication& application);
