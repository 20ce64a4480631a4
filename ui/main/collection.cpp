#include "collection.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// Qt's own helper objects carry no name or a "qt_" one; the design names every control.
bool EstControle(const QObject* objet)
{
    const QString nom = objet->objectName();
    return !nom.isEmpty() && !nom.startsWith(QLatin1String("qt_"));
}

void AjouterWidgets(QWidget* parent, QList<QObject*>& controles)
{
    for (QObject* enfant : parent->children()) {
        if (!enfant->isWidgetType() || !EstControle(enfant))
            continue;
        controles.append(enfant);
        AjouterWidgets(static_cast<QWidget*>(enfant), controles);
    }
}

void AjouterMenus(const QList<QAction*>& actions, QList<QObject*>& controles)
{
    for (QAction* action : actions) {
        if (QMenu* menu = action->menu()) {
            controles.append(menu);
            AjouterMenus(menu->actions(), controles);
        } else if (EstControle(action)) {
            controles.append(action);
        }
    }
}

} // namespace

QList<QObject*> ControlesDe(QWidget* fenetre)
{
    QList<QObject*> controles;
    auto* principale = qobject_cast<QMainWindow*>(fenetre);
    AjouterWidgets(principale ? principale->centralWidget() : fenetre, controles);
    if (principale && principale->menuBar())
        AjouterMenus(principale->menuBar()->actions(), controles);
    return controles;
}

bool EstChampTexte(const QObject* controle)
{
    return qobject_cast<const QLineEdit*>(controle) != nullptr;
}

QString Tag(const QObject* controle)
{
    return controle->property("Tag").toString();
}
