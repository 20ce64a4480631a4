#pragma once

#include "ui_frmAbout.h"

#include <QDialog>

// The About window: the program's name, version, purpose and disclaimer.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* proprietaire);

    // The controls, for the event wiring.
    const Ui::frmAbout& ui() const { return ui_; }

    // Sets the version line; runs each time the window loads, before it shows.
    void Form_Load();
    // Unloads the window.
    void cmdOK_Click();

signals:
    // Raised each time the window loads, before it appears.
    void Load();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Ui::frmAbout ui_;
    bool charge_ = false;
};
