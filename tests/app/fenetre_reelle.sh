#!/usr/bin/env bash
# The real program's main window under a window manager: its size, that it
# cannot be resized or maximized, and that "&Quitter" and the close box end it
# with status 0. Keeps a screenshot in $ARTEFACTS.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
programme=$1
demarrer_affichage

taille() {
    xwininfo -id "$id" | awk '/Width:/ { l = $2 } /Height:/ { h = $2 } END { print l "x" h }'
}

lancer "$programme"
mesure=$(taille)
largeur=${mesure%x*}
hauteur=${mesure#*x}
[ "$largeur" = 551 ] || echec "largeur $largeur au lieu de 551"
barre=$((hauteur - 224))
((barre >= 15 && barre <= 40)) || echec "hauteur $hauteur : pas 224 sous une barre de menus"

indications=$(xprop -id "$id" WM_NORMAL_HINTS)
grep -q "minimum size: $largeur by $hauteur" <<<"$indications" || echec "taille minimale : $indications"
grep -q "maximum size: $largeur by $hauteur" <<<"$indications" || echec "taille maximale : $indications"
actions=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)
[[ $actions != *RESIZE* && $actions != *MAXIMIZE* ]] || echec "le gestionnaire de fenêtres permet : $actions"

xdotool windowsize "$id" 800 600
wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
sleep 0.5
[ "$(taille)" = "$mesure" ] || echec "la fenêtre a changé de taille : $(taille)"

mkdir -p "${ARTEFACTS:-.}"
import -window "$id" -frame "${ARTEFACTS:-.}/fenetre-principale.png"

# "&Quitter" with real keys: Alt+F opens "&Fichier", Q its "&Quitter".
xdotool windowactivate --sync "$id"
menu "$pid" q
statut=0
wait "$pid" || statut=$?
[ "$statut" = 0 ] || echec "« Quitter » : statut $statut"

# The close box: the window manager asks the window to close.
lancer "$programme"
wmctrl -i -c "$id"
statut=0
wait "$pid" || statut=$?
[ "$statut" = 0 ] || echec "case de fermeture : statut $statut"
echo "fenêtre réelle : correcte"
