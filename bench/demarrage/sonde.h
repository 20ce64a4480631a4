#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Says "peint" on standard output once the window has painted itself for the
// first time, then ends the program: the start-up benchmark's finish line.
class SondePeinture : public QObject {
public:
    explicit SondePeinture(QWidget& fenetre) { fenetre.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Paint && !vue_) {
            vue_ = true;
            // After the paint has reached the screen.
            QTimer::singleShot(0, [] {
                std::puts("peint");
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool vue_ = false;
};
