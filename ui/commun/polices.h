#pragma once

class QWidget;

// Where the system lacks a family the windows are designed in (Verdana, MS
// Sans Serif), the windows are drawn in faces the program carries, not in
// whatever the system would offer instead: captions are sized to the letter,
// and another distribution, release or font package must not cut one. Call
// once, before the first window is built.
void InstallerPolicesDeRemplacement();

// The designed windows' fonts are 8.25 pt, a size Qt Designer's files cannot
// hold: they keep whole points and give 8. Gives every control of the
// window whose font is 8 pt the designed 8.25 pt; other sizes stay.
void AppliquerTailleDeConception(QWidget& fenetre);
