// The About window, opened from the main window's "&?" as the program does.
#include "fenetres.h"
#include "frmabout.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QPushButton* OK(FrmAbout& a)
{
    return Controle<QPushButton>(a, "cmdOK");
}

QLineEdit* Text1(FrmAbout& a)
{
    return Controle<QLineEdit>(a, "Text1");
}

QLabel* Etiquette(FrmAbout& a, const QString& nom)
{
    return Controle<QLabel>(a, nom);
}

} // namespace

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
        f->action("mnuhelp")->trigger();
        QVERIFY(vue);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private slots:
    void versionAChaqueOuverture()
    {
        for (int fois = 0; fois < 2; ++fois) {
            ouvrir([&](FrmAbout& about) {
                QCOMPARE(Etiquette(about, "lblVersion")->text(), "Version 1.0.0");
                QCOMPARE(about.parentWidget(), &f->fenetre());
                QCOMPARE(about.windowModality(), Qt::ApplicationModal);
                QCOMPARE(QApplication::focusWidget(), OK(about));
                OK(about)->click();
            });
        }
        // Each closing unloaded its window.
        QCOMPARE(f->fenetre().findChildren<FrmAbout*>().size(), 0);
    }

    void fermeture_data()
    {
        QTest::addColumn<std::function<void(FrmAbout&)>>("fermer");
        QTest::newRow("OK") << std::function<void(FrmAbout&)>([](FrmAbout& a) { OK(a)->click(); });
        QTest::newRow("Entree") << std::function<void(FrmAbout&)>(
            [](FrmAbout& a) { QTest::keyClick(OK(a), Qt::Key_Return); });
        QTest::newRow("Echap") << std::function<void(FrmAbout&)>(
            [](FrmAbout& a) { QTest::keyClick(OK(a), Qt::Key_Escape); });
        QTest::newRow("Echap depuis Text1") << std::function<void(FrmAbout&)>([](FrmAbout& a) {
            QTest::keyClick(OK(a), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Text1(a));
            QTest::keyClick(Text1(a), Qt::Key_Escape);
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
            curseur = Text1(a)->cursorPosition();
            a.move(400, 300); // dragged away
            QTest::keyClick(OK(a), Qt::Key_Tab);
            QTest::keyClick(Text1(a), Qt::Key_Home);
            QTest::keyClick(Text1(a), Qt::Key_Escape);
        });
        ouvrir([&](FrmAbout& a) {
            QCOMPARE(QApplication::focusWidget(), OK(a));
            QCOMPARE(a.geometry(), QRect(156, 129, 382, 263));
            QCOMPARE(Text1(a)->cursorPosition(), curseur);
            OK(a)->click();
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
            QCOMPARE(Etiquette(a, "lblTitle")->text(), "Corvane");
            QCOMPARE(Etiquette(a, "lblTitle")->font().pointSize(), 12);
            QCOMPARE(Etiquette(a, "lblDescription")->font().pointSizeF(), 8.25);
            QCOMPARE(OK(a)->font().pointSizeF(), 8.25);
            QVERIFY(Etiquette(a, "lblTitle")->font().bold());
            QCOMPARE(Etiquette(a, "lblTitle")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(Text1(a)->palette().color(QPalette::Text), QColor(0, 0, 255));
            QCOMPARE(Etiquette(a, "Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QVERIFY(Text1(a)->isReadOnly());
            QVERIFY(OK(a)->isDefault());
            QVERIFY(Etiquette(a, "lblDescription")->text().startsWith("Ce freeware vous permettra d'estimer"));
            QCOMPARE(Etiquette(a, "lblDisclaimer")->text(), "L'auteur ne saurait être responsable des dégats subis par la "
                                               "mise en application de ces calculs.");
            QTest::keyClick(OK(a), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Text1(a));
            QTest::keyClick(Text1(a), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), OK(a));

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
