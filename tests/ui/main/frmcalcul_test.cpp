// The main window as designed: its controls, their order, the focus and the menu.
#include "collection.h"
#include "fenetres.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <memory>

namespace {

// Every control of the window: kind, container, place and size in pixels at
// 96 dpi, design-time text and group Tag.
struct ControleConcu {
    const char* nom;
    const char* genre;
    const char* conteneur;
    QRect geometrie;
    const char16_t* texte;
    const char* tag;
};

const ControleConcu Controles[] = {
    {"picDest", "QLabel", "centralwidget", {0, 250, 37, 29}, u"", ""},
    {"frmParam", "QGroupBox", "centralwidget", {0, 2, 279, 221}, u"Paramétres", ""},
    {"frmResult", "QGroupBox", "centralwidget", {280, 2, 271, 73}, u"Résultats", ""},
    {"frmEval2", "QGroupBox", "centralwidget", {280, 76, 271, 105}, u"Paramétres", ""},
    {"frmResult2", "QGroupBox", "centralwidget", {280, 182, 271, 41}, u"Résultats", ""},
    {"Label1", "QLabel", "frmParam", {8, 16, 93, 15}, u"Cylindrée Moteur", ""},
    {"txtCyl", "QLineEdit", "frmParam", {106, 14, 49, 19}, u"", "VE"},
    {"Label20", "QLabel", "frmParam", {160, 16, 39, 15}, u"cm3", ""},
    {"Label2", "QLabel", "frmParam", {8, 36, 93, 15}, u"Régime Maxi", ""},
    {"txtRegMax", "QLineEdit", "frmParam", {106, 34, 49, 19}, u"", "VE"},
    {"Label19", "QLabel", "frmParam", {160, 36, 39, 15}, u"tr/mn", ""},
    {"Label3", "QLabel", "frmParam", {8, 56, 93, 15}, u"Remplissage", ""},
    {"txtRemplissage", "QLineEdit", "frmParam", {106, 54, 49, 19}, u"90", "VE"},
    {"Label18", "QLabel", "frmParam", {160, 56, 39, 15}, u"%", ""},
    {"Label8", "QLabel", "frmParam", {8, 76, 93, 15}, u"Lambda", ""},
    {"txtLambda", "QLineEdit", "frmParam", {106, 74, 49, 19}, u"0,88", "VE"},
    {"Label9", "QLabel", "frmParam", {8, 96, 93, 15}, u"Nb Cylindres", ""},
    {"txtNbCyl", "QLineEdit", "frmParam", {106, 94, 49, 19}, u"4", "VE"},
    {"Label10", "QLabel", "frmParam", {8, 116, 93, 15}, u"Densité Essence", ""},
    {"txtDensiteEss", "QLineEdit", "frmParam", {106, 114, 49, 19}, u"0,77", "VE"},
    {"Label11", "QLabel", "frmParam", {160, 116, 39, 15}, u"g/cm3", ""},
    {"Label21", "QLabel", "frmParam", {8, 136, 93, 15}, u"Pression Atm", ""},
    {"txtPatm", "QLineEdit", "frmParam", {106, 134, 49, 19}, u"1015", "VE"},
    {"Label22", "QLabel", "frmParam", {160, 136, 39, 15}, u"mbar", ""},
    {"Label23", "QLabel", "frmParam", {8, 156, 93, 15}, u"Température", ""},
    {"txtTemp", "QLineEdit", "frmParam", {106, 154, 49, 19}, u"15", "VE"},
    {"Label24", "QLabel", "frmParam", {160, 156, 39, 15}, u"°C", ""},
    {"Label7", "QLabel", "frmParam", {8, 176, 93, 15}, u"Nb Injecteurs", ""},
    {"txtNbInj", "QLineEdit", "frmParam", {106, 174, 49, 19}, u"", "VE"},
    {"Label6", "QLabel", "frmParam", {8, 196, 93, 15}, u"Cycle injecteur max", ""},
    {"txtCycle", "QLineEdit", "frmParam", {106, 194, 49, 19}, u"85", "VE"},
    {"Label15", "QLabel", "frmParam", {160, 196, 39, 15}, u"%", ""},
    {"lblAF", "QLabel", "frmParam", {160, 76, 33, 15}, u"12,94", ""},
    {"Label12", "QLabel", "frmParam", {198, 76, 21, 15}, u"A/F", ""},
    {"cmdDebit", "QPushButton", "frmParam", {216, 192, 57, 23}, u"&Calculer", ""},
    {"Label14", "QLabel", "frmResult", {10, 16, 103, 15}, u"Volume essence", ""},
    {"lblVeCyl", "QLabel", "frmResult", {114, 16, 29, 15}, u"", ""},
    {"Label13", "QLabel", "frmResult", {144, 16, 125, 15}, u"cm3/min par cylindre", ""},
    {"Label26", "QLabel", "frmResult", {10, 34, 103, 15}, u"Volume essence", ""},
    {"lblVeMoteur", "QLabel", "frmResult", {114, 34, 29, 15}, u"", ""},
    {"Label25", "QLabel", "frmResult", {144, 34, 123, 15}, u"Litre/Heure", ""},
    {"Label5", "QLabel", "frmResult", {10, 52, 103, 15}, u"Débit injecteur", ""},
    {"lblDebInj", "QLabel", "frmResult", {114, 52, 29, 15}, u"", ""},
    {"Label16", "QLabel", "frmResult", {144, 52, 109, 15}, u"cm3/min", ""},
    {"Label4", "QLabel", "frmEval2", {8, 16, 103, 15}, u"Débit Injecteur ori.", ""},
    {"txtDebOri", "QLineEdit", "frmEval2", {114, 14, 49, 19}, u"", "D2"},
    {"Label28", "QLabel", "frmEval2", {168, 16, 43, 15}, u"cm3/min", ""},
    {"Label17", "QLabel", "frmEval2", {8, 36, 103, 15}, u"Pression origine", ""},
    {"txtPori", "QLineEdit", "frmEval2", {114, 34, 49, 19}, u"3", "D2"},
    {"Label27", "QLabel", "frmEval2", {168, 36, 39, 15}, u"bar", ""},
    {"Label29", "QLabel", "frmEval2", {8, 56, 103, 15}, u"Pression désirée", ""},
    {"txtPdes", "QLineEdit", "frmEval2", {114, 54, 49, 19}, u"", "D2"},
    {"Label30", "QLabel", "frmEval2", {168, 56, 39, 15}, u"bar", ""},
    {"cmdEvaluer", "QPushButton", "frmEval2", {208, 76, 57, 23}, u"C&alculer", ""},
    {"Label31", "QLabel", "frmResult2", {8, 16, 85, 15}, u"Débit injecteur", ""},
    {"lblDebRes", "QLabel", "frmResult2", {98, 16, 25, 15}, u"", ""},
    {"Label32", "QLabel", "frmResult2", {124, 16, 85, 15}, u"cm3/min", ""},
};

const QStringList Collection{
    "picDest",       "frmResult2", "Label31",        "Label32",     "lblDebRes", "frmEval2",  "txtDebOri",
    "txtPori",       "txtPdes",    "cmdEvaluer",     "Label4",      "Label17",   "Label27",   "Label28",
    "Label29",       "Label30",    "frmResult",      "Label5",      "Label16",   "Label13",   "Label14",
    "Label25",       "Label26",    "lblVeCyl",       "lblVeMoteur", "lblDebInj", "frmParam",  "cmdDebit",
    "txtCyl",        "txtRegMax",  "txtRemplissage", "txtCycle",    "txtNbInj",  "txtLambda", "txtNbCyl",
    "txtDensiteEss", "txtPatm",    "txtTemp",        "Label1",      "Label2",    "Label3",    "Label6",
    "Label7",        "Label8",     "Label9",         "Label15",     "Label18",   "Label19",   "Label20",
    "Label10",       "Label11",    "Label21",        "Label22",     "Label23",   "Label24",   "lblAF",
    "Label12",       "mnuFichier", "mnuImprimer",    "mnuQuitter",  "mnuhelp",
};

const QStringList OrdreTabulation{
    "txtCyl",        "txtRegMax", "txtRemplissage", "txtLambda", "txtNbCyl",
    "txtDensiteEss", "txtPatm",   "txtTemp",        "txtNbInj",  "txtCycle",
    "cmdDebit",      "txtDebOri", "txtPori",        "txtPdes",   "cmdEvaluer",
};

QString TexteDe(const QObject* controle)
{
    if (auto* champ = qobject_cast<const QLineEdit*>(controle))
        return champ->text();
    if (auto* etiquette = qobject_cast<const QLabel*>(controle))
        return etiquette->text();
    if (auto* bouton = qobject_cast<const QPushButton*>(controle))
        return bouton->text();
    if (auto* cadre = qobject_cast<const QGroupBox*>(controle))
        return cadre->title();
    return {};
}

QStringList Noms(const QList<QObject*>& objets)
{
    QStringList noms;
    for (const QObject* objet : objets)
        noms << objet->objectName();
    return noms;
}

} // namespace

class TestFrmCalcul : public TestFenetre {
    Q_OBJECT

    QWidget* controle(const QString& nom) { return f->fenetre().findChild<QWidget*>(nom); }

private slots:
    void controle_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QString>("conteneur");
        QTest::addColumn<QRect>("geometrie");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("tag");
        for (const ControleConcu& c : Controles)
            QTest::newRow(c.nom) << c.genre << c.conteneur << c.geometrie << QString::fromUtf16(c.texte)
                                 << c.tag;
    }

    void controle()
    {
        QFETCH(QString, genre);
        QFETCH(QString, conteneur);
        QFETCH(QRect, geometrie);
        QFETCH(QString, texte);
        QFETCH(QString, tag);
        QWidget* c = controle(QTest::currentDataTag());
        QVERIFY(c);
        QCOMPARE(c->metaObject()->className(), genre);
        QCOMPARE(c->parentWidget()->objectName(), conteneur);
        QCOMPARE(c->geometry(), geometrie);
        QCOMPARE(TexteDe(c), texte);
        QCOMPARE(Tag(c), tag);
        QCOMPARE(EstChampTexte(c), genre == "QLineEdit");
    }

    void collectionDansLOrdreDeCreation() { QCOMPARE(Noms(ControlesDe(&f->fenetre())), Collection); }

    void ordreDuControle_data()
    {
        QTest::addColumn<QStringList>("champs");
        QTest::newRow("VE") << QStringList{"txtCyl",    "txtRegMax", "txtRemplissage", "txtCycle", "txtNbInj",
                                           "txtLambda", "txtNbCyl",  "txtDensiteEss",  "txtPatm",  "txtTemp"};
        QTest::newRow("D2") << QStringList{"txtDebOri", "txtPori", "txtPdes"};
    }

    void ordreDuControle()
    {
        QFETCH(QStringList, champs);
        QStringList groupe;
        for (QObject* c : ControlesDe(&f->fenetre()))
            if (EstChampTexte(c) && Tag(c) == QLatin1String(QTest::currentDataTag()))
                groupe << c->objectName();
        QCOMPARE(groupe, champs);
    }

    void tabulation_data()
    {
        QTest::addColumn<Qt::Key>("touche");
        QTest::addColumn<QStringList>("cycle");
        QStringList arriere(OrdreTabulation.rbegin(), OrdreTabulation.rend());
        arriere.prepend(arriere.takeLast()); // from txtCyl, back to cmdEvaluer
        QTest::newRow("Tab") << Qt::Key_Tab << OrdreTabulation + QStringList{"txtCyl"};
        QTest::newRow("Maj+Tab") << Qt::Key_Backtab << arriere + QStringList{"txtCyl"};
    }

    void tabulation()
    {
        QFETCH(Qt::Key, touche);
        QFETCH(QStringList, cycle);
        QStringList parcours{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), touche);
            parcours << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(parcours, cycle);
    }

    void fenetreFixeSansAgrandissement()
    {
        QCOMPARE(f->fenetre().windowTitle(), "Corvane");
        QCOMPARE(f->fenetre().centralWidget()->size(), QSize(551, 224));
        QCOMPARE(f->fenetre().minimumSize(), f->fenetre().maximumSize());
        QCOMPARE(f->fenetre().size(), f->fenetre().minimumSize());
        const Qt::WindowFlags drapeaux = f->fenetre().windowFlags();
        QVERIFY(!drapeaux.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!drapeaux.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(drapeaux.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(drapeaux.testFlag(Qt::WindowSystemMenuHint));
        QCOMPARE(f->fenetre().windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    }

    void demarrage()
    {
        QCOMPARE(QApplication::focusWidget(), controle("txtCyl"));
        QWidget* picDest = controle("picDest");
        QVERIFY(!picDest->isVisible());
        QCOMPARE(picDest->focusPolicy(), Qt::NoFocus);
        QVERIFY(!f->fenetre().centralWidget()->rect().intersects(picDest->geometry()));
    }

    void apparence()
    {
        // The design's colours stand on a light face, whatever scheme the system has.
        const QPalette palette = f->fenetre().palette();
        for (const auto fond : {QPalette::Window, QPalette::Button, QPalette::Base})
            QVERIFY2(palette.color(fond).lightness() > 200, qPrintable(palette.color(fond).name()));
        for (const auto texte : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            QVERIFY2(palette.color(texte).lightness() < 80, qPrintable(palette.color(texte).name()));
#ifdef Q_OS_WIN
        QCOMPARE(QApplication::style()->name(), "windowsvista");
#endif
    }

    void couleur_data()
    {
        QTest::addColumn<QColor>("couleur");
        const QColor rouge(255, 0, 0);
        for (const char* nom : {"lblVeCyl", "lblVeMoteur", "lblDebInj", "lblDebRes"})
            QTest::newRow(nom) << rouge;
        QTest::newRow("lblAF") << QColor(0, 128, 0);
    }

    void couleur()
    {
        QFETCH(QColor, couleur);
        QWidget* c = controle(QTest::currentDataTag());
        QCOMPARE(c->palette().color(QPalette::WindowText), couleur);
    }

    void titreDeCadreRouge_data()
    {
        QTest::addColumn<int>("rien");
        for (const char* nom : {"frmParam", "frmResult", "frmEval2", "frmResult2"})
            QTest::newRow(nom) << 0;
    }

    void titreDeCadreRouge()
    {
        // The caption is drawn in red, and only the caption: nothing in the frame is red at start.
        const QImage image = controle(QTest::currentDataTag())->grab().toImage();
        auto rougesEntre = [&image](int haut, int bas) {
            int rouges = 0;
            for (int y = haut; y < bas; ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    rouges += c.red() > 200 && c.green() < 90 && c.blue() < 90;
                }
            return rouges;
        };
        QVERIFY(rougesEntre(0, 14) > 10);
        QCOMPARE(rougesEntre(16, image.height()), 0);
    }

    void police_data()
    {
        QTest::addColumn<QString>("famille");
        // The faces drawn where the system lacks the family as an outline
        // face: the system's outline twin if it has one, else the program's own.
        QTest::addColumn<QStringList>("remplacantes");
        for (const char* nom : {"frmParam", "cmdDebit", "picDest"})
            QTest::newRow(nom) << "MS Sans Serif" << QStringList{"Microsoft Sans Serif", "Corvane Grotesque"};
        for (const char* nom : {"frmResult", "txtCyl", "Label1", "lblAF", "cmdEvaluer", "lblDebRes", "mnuFichier",
                                "menu contextuel"})
            QTest::newRow(nom) << "Verdana" << QStringList{"Corvane Sans"};
    }

    void police()
    {
        QFETCH(QString, famille);
        QFETCH(QStringList, remplacantes);
        // A field's context menu is a window of its own, made and polished when it opens.
        const std::unique_ptr<QMenu> menu(f->champ("txtCyl")->createStandardContextMenu());
        menu->ensurePolished();
        const QString nom = QTest::currentDataTag();
        const QFont police = (nom == "menu contextuel" ? menu.get() : controle(nom))->font();
        QCOMPARE(police.family(), famille);
        QCOMPARE(police.pointSizeF(), 8.25);
        QVERIFY(!police.bold());
        // Never a bitmap face, which comes in a few pixel sizes only.
        const QString dessinee = QFontInfo(police).family();
        QVERIFY2(QFontDatabase::isSmoothlyScalable(dessinee), qPrintable(dessinee));
        const QStringList systeme = QFontDatabase::families();
        const auto vectorielle = [&](const QString& candidate) {
            return systeme.contains(candidate, Qt::CaseInsensitive) && QFontDatabase::isSmoothlyScalable(candidate);
        };
        QString attendue = famille;
        for (const QString& remplacante : remplacantes)
            if (!vectorielle(attendue))
                attendue = remplacante;
        QCOMPARE(dessinee.toLower(), attendue.toLower());
    }

    void aucunTexteCoupe()
    {
        // With the fonts actually used, whichever the system had.
        for (QLabel* etiquette : f->fenetre().findChildren<QLabel*>()) {
            const int largeur = etiquette->fontMetrics().horizontalAdvance(etiquette->text());
            QVERIFY2(largeur <= etiquette->contentsRect().width(),
                     qPrintable(etiquette->objectName() + " : " + QFontInfo(etiquette->font()).family()));
        }
        for (QPushButton* bouton : f->fenetre().findChildren<QPushButton*>()) {
            const int largeur = bouton->fontMetrics().horizontalAdvance(QString(bouton->text()).remove('&')) +
                                2 * bouton->style()->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(largeur <= bouton->width(), qPrintable(bouton->objectName()));
        }
    }

    void menuContextuelEnFrancais()
    {
        const std::unique_ptr<QMenu> menu(f->champ("txtCyl")->createStandardContextMenu());
        QStringList textes;
        for (const QAction* action : menu->actions())
            textes << action->text();
        QVERIFY2(textes.join(' ').remove('&').contains("Copier"), qPrintable(textes.join(' ')));
    }

    void menus()
    {
        const QList<QAction*> barre = f->fenetre().menuBar()->actions();
        QCOMPARE(barre.size(), 2);
        QCOMPARE(barre[0]->text(), "&Fichier");
        QCOMPARE(barre[0]->menu()->objectName(), "mnuFichier");
        QCOMPARE(barre[1]->objectName(), "mnuhelp");
        QCOMPARE(barre[1]->text(), "&?");
        QVERIFY(!barre[1]->menu());
        const QList<QAction*> fichier = barre[0]->menu()->actions();
        QCOMPARE(Noms({fichier.begin(), fichier.end()}), (QStringList{"mnuImprimer", "mnuQuitter"}));
        QCOMPARE(fichier[0]->text(), "&Imprimer");
        QCOMPARE(fichier[1]->text(), "&Quitter");
        for (const QAction* action : f->fenetre().findChildren<QAction*>())
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
    }
};

QTEST_MAIN(TestFrmCalcul)
#include "frmcalcul_test.moc"
