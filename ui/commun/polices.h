#pragma once

class QWidget;

// The designed windows' fonts are 8.25 pt, a size Qt Designer's files cannot
// hold: they keep whole points and give 8. Gives every control of the
// window whose font is 8 pt the designed 8.25 pt; other sizes stay.
void PolicesDeConception(QWidget& fenetre);
