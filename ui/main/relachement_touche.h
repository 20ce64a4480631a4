#pragma once

#include <QObject>

class QWidget;

// Reports each key released in one control.
class RelachementTouche : public QObject {
    Q_OBJECT

public:
    explicit RelachementTouche(QWidget& controle);

signals:
    // Shift holds 1 for Shift, 2 for Ctrl and 4 for Alt, added up.
    void KeyUp(int KeyCode, int Shift);

protected:
    bool eventFilter(QObject* controle, QEvent* evenement) override;
};
