// Typing in the main window: the keystroke filter, the character codes the
// window's handlers see, and the live air/fuel ratio.
#include "apercu_clavier.h"
#include "caracteres.h"
#include "fenetres.h"
#include "filtre_clavier.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <memory>

class TestClavier : public TestFenetre {
    Q_OBJECT

    // Types into a field from empty; each key is pressed, then released.
    QLineEdit* taperDans(const QString& nom, const QString& frappe)
    {
        QLineEdit* champ = f->champ(nom);
        champ->clear();
        champ->setFocus();
        QTest::keyClicks(champ, frappe);
        return champ;
    }

private slots:
    void filtre_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("sortie");
        QTest::newRow("0") << 48 << 48;
        QTest::newRow("9") << 57 << 57;
        QTest::newRow("virgule") << 44 << 44;
        QTest::newRow("retour arriere") << 8 << 8;
        QTest::newRow("point devient virgule") << 46 << 44;
        const std::pair<const char*, int> ecartes[] = {
            {"entree", 13},  {"echap", 27},       {"espace", 32}, {"moins", 45},  {"plus", 43},
            {"barre", 47},   {"deux-points", 58}, {"A", 65},      {"e", 101},     {"E", 69},
            {"ctrl+c", 3},   {"ctrl+v", 22},      {"ctrl+x", 24}, {"ctrl+z", 26}, {"ctrl+retour", 127},
            {"accent", 233}, {"negatif", -23},    {"nul", 0},
        };
        for (const auto& [nom, code] : ecartes)
            QTest::newRow(nom) << code << 0;
    }

    void filtre()
    {
        QFETCH(int, code);
        QFETCH(int, sortie);
        std::int16_t KeyAscii = static_cast<std::int16_t>(code);
        FiltreClavier(KeyAscii);
        QCOMPARE(int(KeyAscii), sortie);
    }

    void codeCaractere_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("code");
        const Qt::KeyboardModifiers aucun, ctrl(Qt::ControlModifier);
        QTest::newRow("chiffre") << int(Qt::Key_7) << aucun << "7" << 55;
        QTest::newRow("point") << int(Qt::Key_Period) << aucun << "." << 46;
        QTest::newRow("retour arriere") << int(Qt::Key_Backspace) << aucun << "\b" << 8;
        QTest::newRow("ctrl+retour arriere") << int(Qt::Key_Backspace) << ctrl << "\x7f" << 127;
        QTest::newRow("entree") << int(Qt::Key_Return) << aucun << "\r" << 13;
        QTest::newRow("pave entree") << int(Qt::Key_Enter) << aucun << "\r" << 13;
        QTest::newRow("echap") << int(Qt::Key_Escape) << aucun << "\x1b" << 27;
        QTest::newRow("ctrl+v sans texte") << int(Qt::Key_V) << ctrl << "" << 22;
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << ctrl << "\x01" << 1;
        QTest::newRow("lettre accentuee")
            << int(Qt::Key_Eacute) << aucun << "é" << int(Caractere::Inconnu);
        QTest::newRow("chiffre arabe") << 0 << aucun << "\u0663" << int(Caractere::Inconnu);
        QTest::newRow("tab") << int(Qt::Key_Tab) << aucun << "\t" << -1;
        QTest::newRow("maj+tab") << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << ""
                                 << -1;
        QTest::newRow("suppr") << int(Qt::Key_Delete) << aucun << "\x7f" << -1;
        QTest::newRow("fleche") << int(Qt::Key_Left) << aucun << "" << -1;
        QTest::newRow("maj seule") << int(Qt::Key_Shift) << aucun << "" << -1;
    }

    void codeCaractere()
    {
        QFETCH(int, touche);
        QFETCH(Qt::KeyboardModifiers, modificateurs);
        QFETCH(QString, texte);
        QFETCH(int, code);
        const QKeyEvent evenement(QEvent::KeyPress, touche, modificateurs, texte);
        QCOMPARE(ApercuClavier::CodeCaractere(evenement), code);
    }

    void rapportEnDirect_data()
    {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("rapport");
        QTest::newRow("1") << "1"
                           << "1"
                           << "14,70";
        QTest::newRow("0,88") << "0,88"
                              << "0,88"
                              << "12,94";
        QTest::newRow("0,9") << "0,9"
                             << "0,9"
                             << "13,23";
        QTest::newRow("1,2") << "1,2"
                             << "1,2"
                             << "17,64";
        QTest::newRow("2") << "2"
                           << "2"
                           << "29,40";
        QTest::newRow("10") << "10"
                            << "10"
                            << "147,00";
        QTest::newRow("0") << "0"
                           << "0"
                           << "0,00";
        QTest::newRow("point devient virgule") << "0."
                                               << "0,"
                                               << "0,00";
        QTest::newRow("deux virgules") << "0,8,8"
                                       << "0,8,8"
                                       << "11,76";
        QTest::newRow("virgule puis point") << "0,8.8"
                                            << "0,8,8"
                                            << "11,76";
        QTest::newRow("lettres ecartees") << "1aE"
                                          << "1"
                                          << "14,70";
        QTest::newRow("signes et blancs ecartes") << "-1 +"
                                                  << "1"
                                                  << "14,70";
        QTest::newRow("lambda de cent chiffres")
            << "1" + QString(99, '0') << "1" + QString(99, '0') << "147" + QString(98, '0') + ",00";
    }

    void rapportEnDirect()
    {
        QFETCH(QString, frappe);
        QFETCH(QString, texte);
        QFETCH(QString, rapport);
        QCOMPARE(taperDans("txtLambda", frappe)->text(), texte);
        QCOMPARE(f->etiquette("lblAF")->text(), rapport);
        QLabel* af = f->etiquette("lblAF");
        QVERIFY(af->width() >= af->fontMetrics().horizontalAdvance(rapport));
    }

    void retourArriereGardeLeDernierRapport()
    {
        QLineEdit* lambda = taperDans("txtLambda", "0");
        QTest::keyClick(lambda, Qt::Key_Backspace);
        QCOMPARE(lambda->text(), "");
        QCOMPARE(f->etiquette("lblAF")->text(), "0,00");
    }

    void toucheEcarteeRecalculeLeTexteInchange()
    {
        QLineEdit* lambda = taperDans("txtLambda", "2");
        lambda->setText("1"); // a paste: no key released, no refresh
        QCOMPARE(f->etiquette("lblAF")->text(), "29,40");
        QTest::keyClick(lambda, Qt::Key_X);
        QCOMPARE(lambda->text(), "1");
        QCOMPARE(f->etiquette("lblAF")->text(), "14,70");
    }

    void touchesDEditionGardeesCaracteresEcartes_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<Qt::KeyboardModifiers>("modificateurs");
        QTest::addColumn<QString>("texte"); // of "1234" with the cursor after "12"
        const Qt::KeyboardModifiers aucun, ctrl(Qt::ControlModifier);
        QTest::newRow("suppr") << int(Qt::Key_Delete) << aucun << "124";
        QTest::newRow("retour arriere") << int(Qt::Key_Backspace) << aucun << "134";
        QTest::newRow("fin puis 5") << int(Qt::Key_End) << aucun << "12345";
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << ctrl << "1234";
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << ctrl << "1234";
        QTest::newRow("ctrl+z") << int(Qt::Key_Z) << ctrl << "1234";
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << ctrl << "1234";
        QTest::newRow("ctrl+retour arriere") << int(Qt::Key_Backspace) << ctrl << "1234";
        QTest::newRow("entree") << int(Qt::Key_Return) << aucun << "1234";
        QTest::newRow("echap") << int(Qt::Key_Escape) << aucun << "1234";
        QTest::newRow("espace") << int(Qt::Key_Space) << aucun << "1234";
    }

    void touchesDEditionGardeesCaracteresEcartes()
    {
        QFETCH(int, touche);
        QFETCH(Qt::KeyboardModifiers, modificateurs);
        QFETCH(QString, texte);
        QApplication::clipboard()->setText("999");
        f->remplir({{"txtCyl", "1998"}, {"txtRegMax", "7000"}, {"txtNbInj", "4"}});
        QLineEdit* champ = taperDans("txtDebOri", "1234");
        champ->setCursorPosition(2);
        QTest::keyClick(champ, Qt::Key(touche), modificateurs);
        if (touche == Qt::Key_End)
            QTest::keyClick(champ, Qt::Key_5);
        QCOMPARE(champ->text(), texte);
        // Enter is no command: nothing was calculated.
        QCOMPARE(f->etiquette("lblDebRes")->text(), "");
        QCOMPARE(f->etiquette("lblVeCyl")->text(), "");
    }

    void espaceAppuieLeBoutonEntreeNon()
    {
        f->remplir({{"txtCyl", "1998"}, {"txtRegMax", "7000"}, {"txtNbInj", "4"}});
        QPushButton* bouton = f->bouton("cmdDebit");
        bouton->setFocus();
        QTest::keyClick(bouton, Qt::Key_Return);
        QCOMPARE(f->etiquette("lblVeCyl")->text(), "");
        QTest::keyClick(bouton, Qt::Key_Space);
        QCOMPARE(f->etiquette("lblVeCyl")->text(), "194");
    }

    void touchesDAcces()
    {
        // The real keys are pressed in the real-window test; here, the access keys exist.
        QCOMPARE(f->bouton("cmdDebit")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
        QCOMPARE(f->bouton("cmdEvaluer")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));
    }

    void rapportNonRafraichiApresEcritureDuDefaut()
    {
        f->remplir({{"txtCyl", "1998"}, {"txtRegMax", "7000"}, {"txtNbInj", "4"}});
        taperDans("txtLambda", "0");
        QCOMPARE(f->etiquette("lblAF")->text(), "0,00");
        f->bouton("cmdDebit")->click();
        QCOMPARE(f->champ("txtLambda")->text(), "0,88");
        QCOMPARE(f->etiquette("lblAF")->text(), "0,00");
    }

    void rapportHorsDUnDoubleInchange_data()
    {
        QTest::addColumn<QString>("colle");
        QTest::newRow("trop grand pour un double") << "1" + QString(400, '0');
        QTest::newRow("produit trop grand") << "13" + QString(306, '0');
        QTest::newRow("exposant colle") << "1E400";
        QTest::newRow("megaoctet") << QString(1 << 20, '5');
    }

    void rapportHorsDUnDoubleInchange()
    {
        QFETCH(QString, colle);
        QLineEdit* lambda = taperDans("txtLambda", "1");
        lambda->setText(colle);
        QTest::keyClick(lambda, Qt::Key_Shift); // a key released in the field
        QCOMPARE(f->etiquette("lblAF")->text(), "14,70");
    }
};

QTEST_MAIN(TestClavier)
#include "clavier_test.moc"
