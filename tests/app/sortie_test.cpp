// "&Quitter" and the close box end the program at once, with status 0.
#include "fenetres.h"

#include <QTest>
#include <QTimer>

class TestSortie : public QObject {
    Q_OBJECT

private slots:
    void sortie_data()
    {
        QTest::addColumn<bool>("parLeMenu");
        QTest::newRow("Quitter") << true;
        QTest::newRow("case de fermeture") << false;
    }

    void sortie()
    {
        QFETCH(bool, parLeMenu);
        FenetreCablee f;
        // "&Quitter" ends at once: what is still queued does not run.
        bool apres = false;
        QTimer::singleShot(0, &f.fenetre(), [&] {
            if (parLeMenu)
                f.action("mnuQuitter")->trigger();
            else
                f.fenetre().close();
            // Tied to the window: a timer left queued when "&Quitter" ends
            // the loop must not fire in the next row, after this frame is gone.
            QTimer::singleShot(0, &f.fenetre(), [&] { apres = true; });
        });
        QCOMPARE(QApplication::exec(), 0);
        if (parLeMenu)
            QVERIFY(!apres);
    }
};

QTEST_MAIN(TestSortie)
#include "sortie_test.moc"
