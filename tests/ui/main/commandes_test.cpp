// The two "Calculer" commands: the parameter check, the defaults written
// back, the results, the arithmetic faults, and bad pasted input.
#include "fenetres.h"

#include <QPushButton>
#include <QTest>

#include <memory>

using Textes = QMap<QString, QString>;

namespace {

// The reference engine: the design's texts plus the three that start empty.
const Textes Reference{{"txtCyl", "1998"}, {"txtRegMax", "7000"}, {"txtNbInj", "4"}};
const Textes ResultatsReference{{"lblVeCyl", "194"}, {"lblVeMoteur", "46"}, {"lblDebInj", "228"}};

Textes Avec(Textes textes, const Textes& changements)
{
    textes.insert(changements);
    return textes;
}

const QString Vide = "Zones obligatoire - Veuillez saisir le paramétre manquant";
const QString NonNumerique = "Zone numérique - Veuillez modifier ces paramétre";

} // namespace

class TestCommandes : public TestFenetre {
    Q_OBJECT

    void executer(const QString& commande)
    {
        (commande == "debit" ? f->bouton("cmdDebit") : f->bouton("cmdEvaluer"))->click();
    }

    Textes lire(const Textes& noms)
    {
        Textes lus;
        for (const QString& nom : noms.keys())
            lus[nom] = nom.startsWith("txt") ? f->champ(nom)->text() : f->etiquette(nom)->text();
        return lus;
    }

    // Every field's and label's text but those named.
    Textes tousLesTextesSauf(const Textes& noms = {})
    {
        Textes tous;
        for (QLineEdit* champ : f->fenetre().findChildren<QLineEdit*>())
            tous[champ->objectName()] = champ->text();
        for (QLabel* etiquette : f->fenetre().findChildren<QLabel*>())
            tous[etiquette->objectName()] = etiquette->text();
        for (const QString& nom : noms.keys())
            tous.remove(nom);
        return tous;
    }

private slots:
    void calcul_data()
    {
        QTest::addColumn<Textes>("saisie");
        QTest::addColumn<QString>("commande");
        QTest::addColumn<Textes>("attendu"); // result labels and rewritten fields

        QTest::newRow("reference") << Reference << "debit" << ResultatsReference;
        QTest::newRow("injecteurs et cycle nuls")
            << Avec(Reference, {{"txtNbInj", "0"}, {"txtCycle", "0"}}) << "debit"
            << Avec(ResultatsReference, {{"txtNbInj", "4"}, {"txtCycle", "85"}});
        QTest::newRow("lambda 0,0 vaut zero") << Avec(Reference, {{"txtLambda", "0,0"}}) << "debit"
                                              << Avec(ResultatsReference, {{"txtLambda", "0,88"}});
        QTest::newRow("cinq zeros") << Avec(Reference, {{"txtLambda", "0"},
                                                        {"txtNbCyl", ",0"},
                                                        {"txtDensiteEss", "-0"},
                                                        {"txtCycle", "0,"},
                                                        {"txtNbInj", "000"}})
                                    << "debit"
                                    << Avec(ResultatsReference, {{"txtLambda", "0,88"},
                                                                 {"txtNbCyl", "4"},
                                                                 {"txtDensiteEss", "0,77"},
                                                                 {"txtCycle", "85"},
                                                                 {"txtNbInj", "4"}});
        QTest::newRow("un texte non nul reste tel quel")
            << Avec(Reference, {{"txtLambda", "0,880"}, {"txtNbInj", "+4"}}) << "debit"
            << Avec(ResultatsReference, {{"txtLambda", "0,880"}, {"txtNbInj", "+4"}});
        QTest::newRow("pression nulle sans defaut")
            << Avec(Reference, {{"txtPatm", "0"}}) << "debit"
            << Textes{{"lblVeCyl", "0"}, {"lblVeMoteur", "0"}, {"lblDebInj", "0"}, {"txtPatm", "0"}};
        QTest::newRow("sous zero Celsius colle")
            << Avec(Reference, {{"txtTemp", "-20"}}) << "debit"
            << Textes{{"lblVeCyl", "220"}, {"lblVeMoteur", "53"}, {"lblDebInj", "259"}};
        QTest::newRow("trois a quatre bars")
            << Textes{{"txtDebOri", "440"}, {"txtPdes", "4"}} << "evaluer" << Textes{{"lblDebRes", "508"}};
        QTest::newRow("pression desiree nulle") << Textes{{"txtDebOri", "440"}, {"txtPdes", "0"}} << "evaluer"
                                                << Textes{{"lblDebRes", "440"}, {"txtPdes", "3"}};
        QTest::newRow("deux pressions nulles")
            << Textes{{"txtDebOri", "440"}, {"txtPori", "0"}, {"txtPdes", "0,0"}} << "evaluer"
            << Textes{{"lblDebRes", "440"}, {"txtPori", "3"}, {"txtPdes", "3"}};
        // The re-rating checks its own group only: txtCyl is still empty.
        QTest::newRow("evaluer ignore VE")
            << Textes{{"txtDebOri", "550"}, {"txtPdes", "3,5"}} << "evaluer" << Textes{{"lblDebRes", "594"}};
    }

    void calcul()
    {
        QFETCH(Textes, saisie);
        QFETCH(QString, commande);
        QFETCH(Textes, attendu);
        f->remplir(saisie);
        f->champ("txtTemp")->setFocus();
        const Textes autres = tousLesTextesSauf(attendu);

        QVERIFY(!MessagePendant([&] { executer(commande); }));
        QCOMPARE(lire(attendu), attendu);
        // Nothing else changes: not the focus, not the ratio, not the other command's labels.
        QCOMPARE(f->fenetre().focusWidget(), f->champ("txtTemp"));
        QCOMPARE(tousLesTextesSauf(attendu), autres);
    }

    void controle_data()
    {
        QTest::addColumn<Textes>("saisie");
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("fautif");

        QTest::newRow("demarrage VE") << Textes{} << "debit" << Vide << "txtCyl";
        QTest::newRow("regime vide") << Textes{{"txtCyl", "1998"}} << "debit" << Vide << "txtRegMax";
        QTest::newRow("cycle avant lambda")
            << Avec(Reference, {{"txtLambda", ""}, {"txtCycle", ""}}) << "debit" << Vide << "txtCycle";
        QTest::newRow("injecteurs avant pression")
            << Textes{{"txtCyl", "1998"}, {"txtRegMax", "7000"}, {"txtPatm", ""}} << "debit" << Vide
            << "txtNbInj";
        QTest::newRow("lettre") << Avec(Reference, {{"txtRemplissage", "9O"}}) << "debit" << NonNumerique
                                << "txtRemplissage";
        QTest::newRow("non numerique avant vide")
            << Textes{{"txtCyl", "abc"}} << "debit" << NonNumerique << "txtCyl";
        QTest::newRow("blancs") << Avec(Reference, {{"txtTemp", "   "}}) << "debit" << NonNumerique
                                << "txtTemp";
        QTest::newRow("demarrage D2") << Textes{} << "evaluer" << Vide << "txtDebOri";
        QTest::newRow("deux virgules D2")
            << Textes{{"txtDebOri", "440"}, {"txtPdes", "4,5,6"}} << "evaluer" << NonNumerique << "txtPdes";

        // Whatever a paste brings, the check catches it.
        const QString megaoctet(1 << 20, '9');
        const std::pair<const char*, QString> colles[] = {
            {"un megaoctet de chiffres", megaoctet},
            {"caracteres de controle", QStringLiteral("1\x01\x02")},
            {"chiffres arabes", QStringLiteral("\u0663\u0664")},
            {"chiffres pleine largeur", QStringLiteral("\uFF15")},
            {"blancs autour", " 5 "},
            {"exposant", "1E3"},
            {"point decimal", "1.5"},
            {"moins seul", "-"},
            {"virgule seule", ","},
            {"nul interieur", QString("5") + QChar(0) + "5"},
        };
        for (const auto& [nom, texte] : colles)
            QTest::newRow(nom) << Avec(Reference, {{"txtCyl", texte}}) << "debit" << NonNumerique << "txtCyl";
    }

    void controle()
    {
        QFETCH(Textes, saisie);
        QFETCH(QString, commande);
        QFETCH(QString, message);
        QFETCH(QString, fautif);
        f->remplir(saisie);
        f->champ("txtTemp")->setFocus();
        const Textes avant = tousLesTextesSauf();

        const auto vu = MessagePendant([&] { executer(commande); });
        QVERIFY(vu);
        QCOMPARE(vu->titre, "Attention");
        QCOMPARE(vu->texte, message);
        QCOMPARE(vu->icone, QMessageBox::NoIcon);
        QCOMPARE(vu->boutons, QMessageBox::Ok);
        QCOMPARE(f->fenetre().focusWidget(), f->champ(fautif));
        QCOMPARE(tousLesTextesSauf(), avant);
    }

    void unControleEchoueLaisseLesResultats()
    {
        f->remplir(Reference);
        executer("debit");
        f->champ("txtRegMax")->clear();
        QVERIFY(MessagePendant([&] { executer("debit"); }));
        QCOMPARE(lire(ResultatsReference), ResultatsReference);
    }

    void anomalie_data()
    {
        QTest::addColumn<Textes>("valide");
        QTest::addColumn<Textes>("fautif");
        QTest::addColumn<QString>("commande");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Textes>("ecrit"); // labels emptied, defaults written back

        QTest::newRow("zero absolu") << Avec(Reference, {{"txtTemp", "15"}})
                                     << Textes{{"txtTemp", "-273,16"}, {"txtNbInj", "0"}} << "debit"
                                     << "Calcul impossible - les paramétres donnent une division par zéro"
                                     << Textes{{"lblVeCyl", ""},
                                               {"lblVeMoteur", ""},
                                               {"lblDebInj", ""},
                                               {"txtNbInj", "4"}};
        QTest::newRow("trop grand") << Reference
                                    << Textes{{"txtCyl", "1" + QString(200, '0')},
                                              {"txtRegMax", "1" + QString(200, '0')}}
                                    << "debit"
                                    << "Calcul impossible - les paramétres donnent un résultat trop grand"
                                    << Textes{{"lblVeCyl", ""}, {"lblVeMoteur", ""}, {"lblDebInj", ""}};
        QTest::newRow("rapport negatif")
            << Textes{{"txtDebOri", "440"}, {"txtPdes", "4"}} << Textes{{"txtPdes", "-4"}, {"txtPori", "0"}}
            << "evaluer"
            << "Calcul impossible - les paramétres donnent une opération sans résultat (zéro divisé par "
               "zéro, ou racine d'un nombre négatif)"
            << Textes{{"lblDebRes", ""}, {"txtPori", "3"}};
    }

    void anomalie()
    {
        QFETCH(Textes, valide);
        QFETCH(Textes, fautif);
        QFETCH(QString, commande);
        QFETCH(QString, message);
        QFETCH(Textes, ecrit);
        f->remplir(valide);
        executer(commande);
        const Textes resultats = tousLesTextesSauf();

        f->remplir(fautif);
        const auto vu = MessagePendant([&] { executer(commande); });
        QVERIFY(vu);
        QCOMPARE(vu->titre, "Attention");
        QCOMPARE(vu->texte, message);
        QCOMPARE(vu->icone, QMessageBox::NoIcon);
        QCOMPARE(lire(ecrit), ecrit);

        // The program goes on: the next calculation works as before.
        f->remplir(valide);
        QVERIFY(!MessagePendant([&] { executer(commande); }));
        QCOMPARE(tousLesTextesSauf(), resultats);
    }

    void resultatJamaisCoupe_data()
    {
        QTest::addColumn<QString>("debit");
        QTest::addColumn<QString>("affiche");
        // Whether the number is wider than its label, and so pushes the unit right.
        QTest::addColumn<bool>("pousse");
        QTest::newRow("trois chiffres") << "440"
                                        << "440" << false;
        QTest::newRow("quatre chiffres") << "1250"
                                         << "1250" << false;
        QTest::newRow("sept chiffres") << "1250000"
                                       << "1250000" << true;
        // So wide that the unit, pushed, meets the frame's edge and narrows.
        QTest::newRow("dix-huit chiffres") << "125000000000000000"
                                           << "125000000000000000" << true;
    }

    void resultatJamaisCoupe()
    {
        QFETCH(QString, debit);
        QFETCH(QString, affiche);
        QFETCH(bool, pousse);
        QLabel* resultat = f->etiquette("lblDebRes");
        QLabel* unite = f->etiquette("Label32");
        const QRect conceptionResultat = resultat->geometry();
        const QRect conceptionUnite = unite->geometry();

        f->remplir({{"txtDebOri", debit}, {"txtPdes", "3"}});
        executer("evaluer");
        QCOMPARE(resultat->text(), affiche);
        const int largeurTexte = resultat->fontMetrics().horizontalAdvance(affiche);
        const int attendue = std::max(conceptionResultat.width(), largeurTexte);
        QCOMPARE(attendue > conceptionResultat.width(), pousse);
        QCOMPARE(resultat->geometry(),
                 conceptionResultat.adjusted(0, 0, attendue - conceptionResultat.width(), 0));
        QCOMPARE(unite->x() - conceptionUnite.x(), attendue - conceptionResultat.width());
        QVERIFY(unite->geometry().right() <= unite->parentWidget()->contentsRect().right());

        // A smaller result brings the design geometry back.
        f->remplir({{"txtDebOri", "1"}});
        executer("evaluer");
        QCOMPARE(resultat->geometry(), conceptionResultat);
        QCOMPARE(unite->geometry(), conceptionUnite);
    }
};

QTEST_MAIN(TestCommandes)
#include "commandes_test.moc"
