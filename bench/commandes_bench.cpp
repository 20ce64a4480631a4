// One whole injector sizing from the window, check to labels, beside the
// bare computation it runs: what the window adds must stay well under a
// millisecond.
#include "controle.h"
#include "debit.h"
#include "frmcalcul.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class BenchCommandes : public QObject {
    Q_OBJECT

private slots:
    void cmdDebit_Click()
    {
        FrmCalcul fenetre;
        fenetre.show();
        Controle<QLineEdit>(fenetre, "txtCyl")->setText("1998");
        Controle<QLineEdit>(fenetre, "txtRegMax")->setText("7000");
        Controle<QLineEdit>(fenetre, "txtNbInj")->setText("4");
        QBENCHMARK {
            fenetre.cmdDebit_Click();
        }
        QCOMPARE(Controle<QLabel>(fenetre, "lblDebInj")->text(), "228");
    }

    void CalculDebit()
    {
        const corvane::ParametresMoteur p{1998, 7000, 90, 85, 4, 0.88, 4, 0.77, 1015, 15};
        double debInj = 0;
        QBENCHMARK {
            debInj = corvane::CalculDebit(p).valeur().DebInj;
        }
        QCOMPARE(debInj, 227.65252795333018);
    }
};

QTEST_MAIN(BenchCommandes)
#include "commandes_bench.moc"
