#include "fenetres.h"

#include "cablage.h"
#include "demarrage.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The offscreen platform warns that it cannot tell the window its fixed size:
// a fact of that platform, not a fault of the window.
QtMessageHandler messagesSuivants = nullptr;

void FiltrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    messagesSuivants(type, contexte, message);
}

} // namespace

FenetreCablee::FenetreCablee()
{
    // Once, and after Qt Test has installed its own message handler, which the filter hands on to.
    static const bool prete = [] {
        messagesSuivants = qInstallMessageHandler(FiltrerMessages);
        PreparerApplication(*qApp);
        return true;
    }();
    Q_UNUSED(prete);
    Cabler(fenetre_);
    fenetre_.show();
    fenetre_.activateWindow();
    if (!QTest::qWaitForWindowActive(&fenetre_))
        qFatal("the main window did not become active");
}

void FenetreCablee::remplir(const QMap<QString, QString>& textes)
{
    for (auto texte = textes.begin(); texte != textes.end(); ++texte)
        champ(texte.key())->setText(texte.value());
}

namespace {

QTimer* Guetter(std::function<void(QWidget* modale)> action)
{
    auto* attente = new QTimer;
    attente->setInterval(10);
    QObject::connect(attente, &QTimer::timeout, [attente, action = std::move(action)] {
        // Open and active: only then has it the focus a user would type into.
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale || !modale->isVisible() || !modale->isActiveWindow())
            return;
        attente->stop();
        attente->deleteLater();
        action(modale);
        // A failed check returns early: close the window for it, or the test would hang.
        if (modale->isVisible())
            modale->close();
    });
    attente->start();
    return attente;
}

} // namespace

void QuandModaleOuverte(std::function<void(QWidget* modale)> action)
{
    Guetter(std::move(action));
}

std::optional<Message> MessagePendant(const std::function<void()>& commande)
{
    std::optional<Message> vu;
    QPointer<QTimer> attente = Guetter([&vu](QWidget* modale) {
        auto* boite = qobject_cast<QMessageBox*>(modale);
        if (!boite)
            return;
        vu = Message{boite->windowTitle(), boite->text(), boite->icon(), boite->standardButtons()};
        boite->button(QMessageBox::Ok)->click();
    });
    commande();
    delete attente; // no message came: stop watching
    return vu;
}
