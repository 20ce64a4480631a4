#!/usr/bin/python3
"""Reads a running program's windows through the accessibility bus, as a
screen reader does.

lire_fenetre.py PROGRAM: one line per object, its role, its name, its
description and, for a text field, its text, in the tree's order, indented
by depth.
lire_fenetre.py --hors-cadre PROGRAM: the objects that stick out of the
frame (panel) that holds them, on screen; nothing when every one is inside.
lire_fenetre.py --action NAME PROGRAM: runs the first action of the menu item
called NAME, as a screen reader's user does, where no key reaches the program.
"""
import sys

import pyatspi


def parcourir(objet, profondeur, visiter):
    visiter(objet, profondeur)
    for enfant in objet:
        if enfant is not None:
            parcourir(enfant, profondeur + 1, visiter)


def ecrire(objet, profondeur):
    ligne = f"{'  ' * profondeur}{objet.getRoleName()}\t{objet.name}\t{objet.description}"
    if objet.getRole() == pyatspi.ROLE_TEXT:
        ligne += "\t" + objet.queryText().getText(0, -1)
    print(ligne)


def etendue(objet):
    e = objet.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.x + e.width, e.y + e.height


def hors_cadre(objet, _profondeur):
    if objet.getRole() != pyatspi.ROLE_PANEL:
        return
    gauche, haut, droite, bas = etendue(objet)
    for enfant in objet:
        g, h, d, b = etendue(enfant)
        if g < gauche or h < haut or d > droite or b > bas:
            print(f"{enfant.name} ({g},{h})-({d},{b}) hors de {objet.name} ({gauche},{haut})-({droite},{bas})")


def agir(nom):
    def visiter(objet, _profondeur):
        if objet.getRole() == pyatspi.ROLE_MENU_ITEM and objet.name == nom:
            objet.queryAction().doAction(0)
            raise StopIteration
    return visiter


def main():
    if sys.argv[1] == "--action":
        visiter = agir(sys.argv[2])
    else:
        visiter = hors_cadre if sys.argv[1] == "--hors-cadre" else ecrire
    bureau = pyatspi.Registry.getDesktop(0)
    for application in bureau:
        if application is not None and application.name == sys.argv[-1]:
            try:
                parcourir(application, 0, visiter)
            except StopIteration:
                return 0
            return 1 if sys.argv[1] == "--action" else 0
    print(f"{sys.argv[-1]} : absent du bus d'accessibilité", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
