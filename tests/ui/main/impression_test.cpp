// "&Imprimer" through the printer seam: a PDF file stands for the printer.
#include "cadre.h"
#include "capture_ecran.h"
#include "fenetres.h"

#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

FrmCalcul::FabriqueImprimante VersPdf(const QString& fichier)
{
    return [fichier] {
        auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
        imprimante->setOutputFormat(QPrinter::PdfFormat);
        imprimante->setOutputFileName(fichier);
        return imprimante;
    };
}

QString Executer(const QString& programme, const QStringList& arguments)
{
    QProcess processus;
    processus.start(programme, arguments);
    processus.waitForFinished();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

} // namespace

class TestImpression : public TestFenetre {
    Q_OBJECT
    QTemporaryDir dossier;

private slots:
    void unePageAvecLaFenetreAuCoin()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm manque ('make test' l'installe)");
        const QString pdf = dossier.filePath("page.pdf");
        f->fenetre().utiliserImprimante(VersPdf(pdf));
        QApplication::clipboard()->setText("avant");

        QVERIFY(!MessagePendant([&] { f->action("mnuImprimer")->trigger(); }));

        QVERIFY(Executer("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(QApplication::clipboard()->text(), "avant");
        QLabel* picDest = f->etiquette("picDest");
        QVERIFY(!picDest->isVisible());
        const QPixmap photo = picDest->pixmap();
        const QSize instantane = photo.deviceIndependentSize().toSize();
        // Offscreen, no screen gives the frame: the style draws a border round the window and a title bar.
        const QSize fenetre = f->fenetre().size();
        QVERIFY(instantane.width() > fenetre.width() && instantane.width() < fenetre.width() + 20);
        QVERIFY(instantane.height() > fenetre.height() + 10 && instantane.height() < fenetre.height() + 60);
        // In the picture's own pixels, at whatever scale the test runs.
        const qreal ratio = photo.devicePixelRatio();
        const QImage cadre = photo.toImage();
        const int bord = qRound((instantane.width() - fenetre.width()) / 2 * ratio);
        const QRect client(QPoint(bord, cadre.height() - bord - qRound(fenetre.height() * ratio)), fenetre * ratio);
        // The border's outer line runs unbroken down both sides and along the
        // bottom: no pixel of it is left in the window's background colour.
        const QRgb fondFenetre = f->fenetre().palette().color(QPalette::Window).rgb();
        QList<QPoint> contour;
        for (int y = client.top(); y < cadre.height(); ++y)
            contour << QPoint(0, y) << QPoint(cadre.width() - 1, y);
        for (int x = 0; x < cadre.width(); ++x)
            contour << QPoint(x, cadre.height() - 1);
        for (const QPoint& p : contour)
            QVERIFY2(cadre.pixel(p) != fondFenetre, qPrintable(QString("pixel %1,%2 non peint").arg(p.x()).arg(p.y())));
        // The border is as dark on the right as on the left.
        auto grisMoyen = [&](int x) {
            int somme = 0;
            for (int y = client.top(); y <= client.bottom(); ++y)
                somme += qGray(cadre.pixel(x, y));
            return somme / client.height();
        };
        QVERIFY2(qAbs(grisMoyen(0) - grisMoyen(cadre.width() - 1)) <= 8,
                 qPrintable(QString("%1 à gauche, %2 à droite").arg(grisMoyen(0)).arg(grisMoyen(cadre.width() - 1))));
        // Above the client area, between the borders, the title bar is drawn.
        int titre = 0;
        for (int y = bord; y < client.top(); ++y)
            for (int x = bord; x < client.right() - bord; ++x)
                titre += cadre.pixel(x, y) != fondFenetre;
        QVERIFY2(titre > 100, qPrintable(QString("barre de titre de %1 points").arg(titre)));

        // At 96 dpi the page shows the picture pixel for pixel, from the printable area's corner.
        Executer("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dossier.filePath("page")});
        const QImage page(dossier.filePath("page.png"));
        QVERIFY(!page.isNull());
        QRect dessin;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y).lightness() < 250)
                    dessin |= QRect(x, y, 1, 1);
        const QPoint origine = QPrinter().pageLayout().paintRectPixels(96).topLeft();
        QVERIFY2((dessin.topLeft() - origine).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(dessin.x()).arg(dessin.y())));
        QVERIFY(qAbs(dessin.width() - instantane.width()) <= 2);
        QVERIFY(qAbs(dessin.height() - instantane.height()) <= 2);
    }

    void partieVisible_data()
    {
        QTest::addColumn<QRect>("fenetre");
        QTest::addColumn<QRect>("bornes");
        QTest::addColumn<QRect>("attendue");
        // Windows 10 and 11: 7 px of invisible resize band left, right and
        // below, none above (96 dpi), then twice that at 200 %.
        const QRect fenetre(100, 80, 579, 305);
        QTest::newRow("bandes invisibles") << fenetre << fenetre.adjusted(7, 0, -7, -7) << fenetre.adjusted(7, 0, -7, -7);
        QTest::newRow("bandes invisibles à 200 %") << QRect(200, 160, 1158, 610) << QRect(214, 160, 1130, 596)
                                                   << QRect(214, 160, 1130, 596);
        // wine, and a frame with no invisible band: the same rectangle.
        QTest::newRow("sans bande") << fenetre << fenetre << fenetre;
        // Bounds not reported, or not plausibly this window's: the whole rectangle.
        QTest::newRow("non données") << fenetre << QRect() << fenetre;
        QTest::newRow("débordantes") << fenetre << fenetre.adjusted(-8, -8, 8, 8) << fenetre;
        QTest::newRow("ailleurs") << fenetre << QRect(0, 0, 579, 305) << fenetre;
    }

    void partieVisible()
    {
        QFETCH(QRect, fenetre);
        QFETCH(QRect, bornes);
        QFETCH(QRect, attendue);
        QCOMPARE(PartieVisible(fenetre, bornes), attendue);
    }

    void cadreVraisemblable_data()
    {
        QTest::addColumn<QMargins>("marges");
        QTest::addColumn<bool>("cadre");
        QTest::newRow("openbox") << QMargins(1, 21, 1, 5) << true;
        QTest::newRow("Windows à 96 dpi") << QMargins(8, 31, 8, 8) << true;
        QTest::newRow("titre sans bords") << QMargins(0, 24, 0, 0) << true;
        QTest::newRow("ombre de weston") << QMargins(32, 64, 32, 32) << false;
        QTest::newRow("bas plus large que la moitié du titre") << QMargins(1, 21, 1, 11) << false;
        QTest::newRow("aucune") << QMargins() << false;
        QTest::newRow("bords sans titre") << QMargins(4, 4, 4, 4) << false;
    }

    void cadreVraisemblable()
    {
        QFETCH(QMargins, marges);
        QFETCH(bool, cadre);
        QCOMPARE(CadreVraisemblable(marges), cadre);
    }

    void echecs_data()
    {
        QTest::addColumn<FrmCalcul::FabriqueImprimante>("imprimante");
        QTest::addColumn<QString>("message");
        QTest::newRow("aucune imprimante") << FrmCalcul::FabriqueImprimante([] { return nullptr; })
                                           << "Impression impossible - aucune imprimante n'est installée";
        QTest::newRow("refus") << VersPdf("/dossier/absent/page.pdf")
                               << "Impression impossible - l'imprimante a refusé le travail";
    }

    void echecs()
    {
        QFETCH(FrmCalcul::FabriqueImprimante, imprimante);
        QFETCH(QString, message);
        f->fenetre().utiliserImprimante(imprimante);
        if (message.contains("refusé"))
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        const auto vu = MessagePendant([&] { f->action("mnuImprimer")->trigger(); });
        QVERIFY(vu);
        QCOMPARE(vu->titre, "Attention");
        QCOMPARE(vu->texte, message);
        QCOMPARE(vu->icone, QMessageBox::NoIcon);
        // The program goes on.
        f->remplir({{"txtDebOri", "440"}, {"txtPdes", "4"}});
        f->bouton("cmdEvaluer")->click();
        QCOMPARE(f->etiquette("lblDebRes")->text(), "508");
    }
};

QTEST_MAIN(TestImpression)
#include "impression_test.moc"
