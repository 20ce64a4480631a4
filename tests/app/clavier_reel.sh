#!/usr/bin/env bash
# A tuner at the real keyboard: types the reference engine into the real
# window with real key events, with the keys the window must ignore or keep,
# computes with Alt+C and reads the results as a screen reader does.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
demarrer_accessibilite "$@"
programme=$1
demarrer_affichage
command -v xclip >/dev/null || { echo "IGNORÉ : xclip manque ('make test' l'installe)"; exit 77; }

"$programme" &
attendre '[ -n "$(fenetre Corvane)" ]'
xdotool windowactivate --sync "$(fenetre Corvane)"
attendre '[[ "$(lire 2>/dev/null)" == *12,94* ]]'

touches() { xdotool key --delay 60 "$@"; }
taper() { xdotool type --delay 60 "$1"; }

# Something to paste: Ctrl+V must paste none of it.
printf 999 | xclip -selection clipboard
taper "19a-98"                # the letter and the minus vanish
touches ctrl+v Tab
taper "7100"
touches Left Left BackSpace Home Delete # "7100" → "700" → "00"
taper "70"
touches Tab Tab               # txtLambda, "0,88"
touches End BackSpace BackSpace BackSpace BackSpace
taper "1.2"                   # the point becomes a comma
sleep 0.3
arbre=$(lire)
grep -qP '^\s+label\t17,64$' <<<"$arbre" || echec "rapport A/F de 1,2 : $arbre"
touches BackSpace BackSpace BackSpace
taper "0.88"
touches Tab Tab Tab Tab Tab   # txtNbCyl … txtNbInj
taper "4"
touches Return                # no calculation, nothing inserted
sleep 0.3
arbre=$(lire)
grep -qP '^\s+label\t194$' <<<"$arbre" && echec "Entrée a lancé le calcul"
touches alt+c
sleep 0.5
arbre=$(lire)

for attendu in $'text\tParamétres\t1998' $'text\tParamétres\t7000' $'text\tParamétres\t0,88' \
    $'label\t12,94' $'label\t194' $'label\t46' $'label\t228'; do
    grep -qP "^\\s+\\Q$attendu\\E\$" <<<"$arbre" || echec "« ${attendu//$'\t'/ } » introuvable dans :
$arbre"
done
[ "$(grep -cP '^\s+text\tParamétres\t4$' <<<"$arbre")" = 2 ] || echec "txtNbInj ne lit pas 4 : $arbre"
echo "clavier réel : correct"
