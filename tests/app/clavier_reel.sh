#!/usr/bin/env bash
# A tuner at the real keyboard: types the reference engine into the real
# window with real key events, with the keys the window must ignore or keep,
# computes with Alt+C and reads the window as a screen reader does: each
# field by its row label and unit, each result with its row label and unit.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
demarrer_accessibilite "$@"
programme=$1
demarrer_affichage
exiger xclip setxkbmap

lancer "$programme"
xdotool windowactivate --sync "$id"
attendre '[[ "$(lire 2>/dev/null)" == *12,94* ]]'

# present ROLE NAME DESCRIPTION [TEXT]: a screen reader finds that object.
present() {
    local attendue="$1"$'\t'"$2"$'\t'"$3"
    [ $# -ge 4 ] && attendue+=$'\t'"$4"
    grep -qxF -- "$attendue" <<<"$(sed 's/^ *//' <<<"$arbre")" || echec "« $* » introuvable dans :
$arbre"
}
touches() { xdotool key --delay 60 "$@"; }
taper() { xdotool type --delay 60 "$1"; }

arbre=$(lire)
while IFS='|' read -r nom unite texte; do
    present text "$nom" "$unite" "$texte"
done <<'FIN'
Cylindrée Moteur|cm3|
Régime Maxi|tr/mn|
Remplissage|%|90
Lambda||0,88
Nb Cylindres||4
Densité Essence|g/cm3|0,77
Pression Atm|mbar|1015
Température|°C|15
Nb Injecteurs||
Cycle injecteur max|%|85
Débit Injecteur ori.|cm3/min|
Pression origine|bar|3
Pression désirée|bar|
FIN
present label 12,94 "Lambda, A/F"

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
attendre '[[ "$(lire 2>/dev/null)" == *17,64* ]]'
arbre=$(lire)
present text Lambda "" "1,2"
present label 17,64 "Lambda, A/F"
touches BackSpace BackSpace BackSpace
taper "0.88"
touches Tab Tab Tab Tab Tab   # txtNbCyl … txtNbInj
taper "4"
touches Return                # no calculation, nothing inserted
sleep 0.3
arbre=$(lire)
present label Résultats "Volume essence, cm3/min par cylindre"
touches alt+c
attendre 'lire 2>/dev/null | grep -cP "^\s+label\t228\t" >/dev/null'
arbre=$(lire)
present text "Cylindrée Moteur" cm3 1998
present text "Régime Maxi" tr/mn 7000
present text Lambda "" "0,88"
present text "Nb Injecteurs" "" 4
present label 12,94 "Lambda, A/F"
present label 194 "Volume essence, cm3/min par cylindre"
present label 46 "Volume essence, Litre/Heure"
present label 228 "Débit injecteur, cm3/min"

# A French keyboard: dead ^ and ¨ composed with a letter, and the key é, type
# nothing in a sizing field, nor in the lambda field, whose ratio stays.
setxkbmap fr
francais() { touches End 1 dead_circumflex e dead_diaeresis u eacute 2; }
francais                      # in txtNbInj, "4"
touches shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
francais                      # in txtLambda, "0,88"
attendre '[[ "$(lire 2>/dev/null)" == *0,8812* ]]'
arbre=$(lire)
present text "Nb Injecteurs" "" 412
present text Lambda "" "0,8812"
present label 12,95 "Lambda, A/F"
echo "clavier réel : correct"
