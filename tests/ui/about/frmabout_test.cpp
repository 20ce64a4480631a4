// The About window, opened from the main window's "&?" as the program does.
#include "fenetres.h"
#include "frmabout.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestFrmAbout : public TestFenetre {
    Q_OBJECT

    // Opens the About window and runs `pendant` on it while it is open; it
    // must close the window.
    void ouvrir(const std::function<void(FrmAbout&)>& pendant)
    {
        bool vue = false;
        QuandModaleOuverte([&](QWidget* modale) {
            vue = true;
            auto* about = qobject_cast<FrmAbout*>(modale);
            QVERIFY(about);
            pendant(*about);
        });
        (*f)->ui().mnuhelp->trigger();
        QVERIFY(vue);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private slots:
    void versionAChaqueOuverture()
    {
        for (int fois = 0; fois < 2; ++fois) {
            ouvrir([&](FrmAbout& about) {
                QCOMPARE(about.ui().lblVersion->text(), "Version 1.0.0");
                QCOMPARE(about.parentWidget(), &**f);
                QCOMPARE(about.windowModality(), Qt::ApplicationModal);
                QCOMPARE(QApplication::focusWidget(), about.ui().cmdOK);
                about.ui().cmdOK->click();
            });
        }
        // Each closing unloaded its window.
        QCOMPARE((*f)->findChildren<FrmAbout*>().size(), 0);
    }

    void fermeture_data()
    {
        QTest::addColumn<std::function<void(FrmAbout&)>>("fermer");
        QTest::newRow("OK") << std::function<void(FrmAbout&)>([](FrmAbout& a) { a.ui().cmdOK->click(); });
        QTest::newRow("Entree") << std::function<void(FrmAbout&)>(
            [](FrmAbout& a) { QTest::keyClick(a.ui().cmdOK, Qt::Key_Return); });
        QTest::newRow("Echap") << std::function<void(FrmAbout&)>(
            [](FrmAbout& a) { QTest::keyClick(a.ui().cmdOK, Qt::Key_Escape); });
        QTest::newRow("Echap depuis Text1") << std::function<void(FrmAbout&)>([](FrmAbout& a) {
            QTest::keyClick(a.ui().cmdOK, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), a.ui().Text1);
            QTest::keyClick(a.ui().Text1, Qt::Key_Escape);
        });
        QTest::newRow("case de fermeture") << std::function<void(FrmAbout&)>([](FrmAbout& a) { a.close(); });
    }

    void fermeture()
    {
        QFETCH(std::function<void(FrmAbout&)>, fermer);
        QPointer<FrmAbout> ouverte;
        ouvrir([&](FrmAbout& about) {
            ouverte = &about;
            fermer(about);
        });
        QVERIFY(!ouverte); // unloaded
    }

    void chaqueOuvertureCommenceCommeLaConception()
    {
        int curseur = -1;
        ouvrir([&](FrmAbout& a) {
            curseur = a.ui().Text1->cursorPosition();
            a.move(400, 300); // dragged away
            QTest::keyClick(a.ui().cmdOK, Qt::Key_Tab);
            QTest::keyClick(a.ui().Text1, Qt::Key_Home);
            QTest::keyClick(a.ui().Text1, Qt::Key_Escape);
        });
        ouvrir([&](FrmAbout& a) {
            QCOMPARE(QApplication::focusWidget(), a.ui().cmdOK);
            QCOMPARE(a.geometry(), QRect(156, 129, 382, 263));
            QCOMPARE(a.ui().Text1->cursorPosition(), curseur);
            a.ui().cmdOK->click();
        });
    }

    void conception()
    {
        ouvrir([](FrmAbout& a) {
            QCOMPARE(a.windowTitle(), "À propos");
            QCOMPARE(a.geometry(), QRect(156, 129, 382, 263));
            QCOMPARE(a.minimumSize(), a.maximumSize());
            QVERIFY(!a.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!a.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            const Ui::frmAbout& ui = a.ui();
            QCOMPARE(ui.lblTitle->text(), "Corvane");
            QCOMPARE(ui.lblTitle->font().pointSize(), 12);
            QCOMPARE(ui.lblDescription->font().pointSizeF(), 8.25);
            QCOMPARE(ui.cmdOK->font().pointSizeF(), 8.25);
            QVERIFY(ui.lblTitle->font().bold());
            QCOMPARE(ui.lblTitle->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(ui.Text1->palette().color(QPalette::Text), QColor(0, 0, 255));
            QCOMPARE(ui.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QVERIFY(ui.Text1->isReadOnly());
            QVERIFY(ui.cmdOK->isDefault());
            QVERIFY(ui.lblDescription->text().startsWith("Ce freeware vous permettra d'estimer"));
            QCOMPARE(ui.lblDisclaimer->text(), "L'auteur ne saurait être responsable des dégats subis par la "
                                               "mise en application de ces calculs.");
            QTest::keyClick(ui.cmdOK, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ui.Text1);
            QTest::keyClick(ui.Text1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ui.cmdOK);

            // The injector, 93 × 73, unscaled at the top-left corner behind the controls.
            const QImage image = a.grab().toImage();
            const QImage injecteur(":/images/injecteur.png");
            QCOMPARE(injecteur.size(), QSize(93, 73));
            QCOMPARE(image.pixelColor(0, 0), injecteur.pixelColor(0, 0));
            QCOMPARE(image.pixelColor(40, 30), injecteur.pixelColor(40, 30));
            QVERIFY(image.pixelColor(94, 74) != injecteur.pixelColor(0, 0));
            a.close();
        });
    }
};

QTEST_MAIN(TestFrmAbout)
#include "frmabout_test.moc"
