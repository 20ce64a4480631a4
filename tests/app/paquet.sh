#!/usr/bin/env bash
# The Debian package, unpacked into a fresh root (never into this machine):
# its desktop entry and AppStream file validate, and the installed program
# shows its window and ends cleanly by its close box.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
dossier=$1
demarrer_affichage
exiger dpkg-deb desktop-file-validate appstreamcli

paquet=$(ls "$dossier"/corvane_1.0.0_*.deb)
racine=$PRIVE/racine
dpkg-deb -x "$paquet" "$racine"
desktop-file-validate "$racine/usr/share/applications/corvane.desktop"
appstreamcli validate --no-net --pedantic "$racine/usr/share/metainfo/org.example.corvane.metainfo.xml"
for cote in 16 32; do
    [ -f "$racine/usr/share/icons/hicolor/${cote}x$cote/apps/corvane.png" ] || echec "icône $cote absente"
done
dpkg-deb -f "$paquet" Depends | grep -q libqt6widgets6 || echec "dépendances non calculées"

lancer "$racine/usr/bin/corvane"
wmctrl -i -c "$id"
statut=0
wait "$pid" || statut=$?
[ "$statut" = 0 ] || echec "le programme installé finit avec le statut $statut"
echo "paquet : correct"
