#pragma once

class FrmAbout;
class FrmCalcul;

// Connects every event of the two windows to its handler. Events not listed
// here keep Qt's default behaviour.
void Cabler(FrmCalcul& frmCalcul);
void Cabler(FrmAbout& frmAbout);
