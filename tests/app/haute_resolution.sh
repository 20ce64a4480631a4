#!/usr/bin/env bash
# The real window at 100 % and 200 % scale: the client area scales by the
# factor, and every control stays inside its frame. Keeps both screenshots
# in $ARTEFACTS.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
demarrer_accessibilite "$@"
programme=$1
demarrer_affichage

declare -A largeur hauteur
for facteur in 1 2; do
    lancer env QT_SCALE_FACTOR="$facteur" "$programme"
    attendre '[[ "$(lire 2>/dev/null)" == *12,94* ]]'
    eval "$(xdotool getwindowgeometry --shell "$id")"
    largeur[$facteur]=$WIDTH
    hauteur[$facteur]=$HEIGHT
    mkdir -p "${ARTEFACTS:-.}"
    import -window "$id" -frame "${ARTEFACTS:-.}/fenetre-${facteur}00.png"
    depasse=$(/usr/bin/python3 "$(dirname "$0")/lire_fenetre.py" --hors-cadre corvane)
    [ -z "$depasse" ] || echec "à ${facteur}00 % : $depasse"
    kill "$pid"
    wait "$pid" || true
done
[ "${largeur[2]}" = $((2 * largeur[1])) ] || echec "largeur ${largeur[2]} à 200 % pour ${largeur[1]} à 100 %"
[ "${hauteur[2]}" = $((2 * hauteur[1])) ] || echec "hauteur ${hauteur[2]} à 200 % pour ${hauteur[1]} à 100 %"
echo "haute résolution : correcte"
