#!/usr/bin/python3
"""Prints what a screen reader finds in a running program's windows, through
the accessibility bus: one line per object, its role, its name, its
description and, for a text field, its text, in the tree's order, indented
by depth.

Usage: lire_fenetre.py PROGRAM_NAME
"""
import sys

import pyatspi


def parcourir(objet, profondeur):
    ligne = f"{'  ' * profondeur}{objet.getRoleName()}\t{objet.name}\t{objet.description}"
    if objet.getRole() == pyatspi.ROLE_TEXT:
        ligne += "\t" + objet.queryText().getText(0, -1)
    print(ligne)
    for enfant in objet:
        if enfant is not None:
            parcourir(enfant, profondeur + 1)


def main():
    bureau = pyatspi.Registry.getDesktop(0)
    for application in bureau:
        if application is not None and application.name == sys.argv[1]:
            parcourir(application, 0)
            return 0
    print(f"{sys.argv[1]} : absent du bus d'accessibilité", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
