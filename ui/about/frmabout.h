#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

// The About window: the program's name, version, purpose and disclaimer.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* proprietaire);
    ~FrmAbout() override;

    // Sets the version line; runs when the window loads, before it shows.
    void Form_Load();
    // Unloads the window.
    void cmdOK_Click();

signals:
    // Raised when the window loads, before it appears.
    void Load();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    std::unique_ptr<Ui::frmAbout> ui_;
    bool charge_ = false;
};
