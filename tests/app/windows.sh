#!/usr/bin/env bash
# The Windows distribution under wine, in a wine prefix of the test's own: the
# program's file carries its version record and icons; unpacked from the zip
# alone, corvane.exe shows its window at the designed client size and
# "&Imprimer" makes one job of one page holding the window on a private CUPS
# queue; the installer installs the program, its Start-menu entry and its
# uninstaller, which removes them all. Keeps a screenshot in $ARTEFACTS.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
wine=$1
zip=$2
installateur=$3
demarrer_affichage
demarrer_cups
exiger unzip gs convert x86_64-w64-mingw32-windres
export WINEPREFIX=$PRIVE/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='

unzip -q "$zip" -d "$PRIVE"
dossier=$PRIVE/$(basename "$zip" .zip)
ressources=$(x86_64-w64-mingw32-windres -i "$dossier/corvane.exe" -O rc)
for attendu in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'BLOCK "040C04B0"' \
    'VALUE "ProductName", "Corvane"' 'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"'; do
    grep -qF "$attendu" <<<"$ressources" || echec "ressources de corvane.exe sans $attendu"
done
exiger wrestool icotool
icones=$(wrestool -x -t 14 "$dossier/corvane.exe" >"$PRIVE/icone.ico" && icotool -l "$PRIVE/icone.ico")
for cote in 16 32; do
    grep -q -- "--width=$cote --height=$cote" <<<"$icones" || echec "pas d'icône ${cote}x$cote : $icones"
done

lancer "$wine" "$dossier/corvane.exe"
eval "$(xdotool getwindowgeometry --shell "$id")"
[ "$WIDTH" = 551 ] || echec "largeur $WIDTH au lieu de 551"
barre=$((HEIGHT - 224))
((barre >= 15 && barre <= 40)) || echec "hauteur $HEIGHT : pas 224 sous une barre de menus"
mkdir -p "${ARTEFACTS:-.}"
import -window "$id" -frame "${ARTEFACTS:-.}/fenetre-windows.png"
import -window "$id" "$PRIVE/client.png"

xdotool windowactivate --sync "$id"
menu "$pid" i
attendre '[ "$(ls "$SORTIE" | wc -l)" = 1 ]'
travail=$(ls "$SORTIE"/travail-*)
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r96 -sOutputFile="$PRIVE/page-%d.png" "$travail"
[ "$(ls "$PRIVE"/page-*.png | wc -l)" = 1 ] || echec "le travail n'a pas une page"
cp "$PRIVE/page-1.png" "${ARTEFACTS:-.}/page-imprimee-windows.png"
boite=$(convert "$PRIVE/page-1.png" -fuzz 3% -trim -format '%w %h %X %Y' info:)
read -r pl ph px py <<<"$boite"
((pl >= WIDTH && pl <= WIDTH + 20 && ph >= HEIGHT && ph <= HEIGHT + 50)) ||
    echec "image imprimée de ${pl}x${ph} pour une fenêtre de ${WIDTH}x${HEIGHT} et son cadre"
# Below the title bar, the window as it is on screen: the menu that ran the
# command is gone from it.
convert "$PRIVE/page-1.png" -crop "${WIDTH}x${HEIGHT}+$((${px#+} + (pl - WIDTH) / 2))+$((${py#+} + ph - HEIGHT))" \
    +repage -colorspace Gray -blur 0x1 "$PRIVE/imprime.png"
convert "$PRIVE/client.png" -colorspace Gray -blur 0x1 "$PRIVE/client-flou.png"
correlation=$(compare -metric NCC "$PRIVE/imprime.png" "$PRIVE/client-flou.png" null: 2>&1 || true)
awk -v c="$correlation" 'BEGIN { exit !(c >= 0.9) }' || echec "l'image imprimée n'est pas la fenêtre (corrélation $correlation)"

menu "$pid" q
statut=0
wait "$pid" || statut=$?
[ "$statut" = 0 ] || echec "« Quitter » : statut $statut"

# The installer, silent, then its uninstaller.
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane'
installe="$WINEPREFIX/drive_c/Program Files/Corvane"
raccourci="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvane.lnk"
"$wine" "$installateur" /S
"$(dirname "$wine")/wineserver" -w
for fichier in corvane.exe qt.conf platforms/qwindows.dll translations/qtbase_fr.qm desinstaller.exe; do
    [ -f "$installe/$fichier" ] || echec "$fichier n'est pas installé"
done
[ -f "$raccourci" ] || echec "pas d'entrée dans le menu Démarrer"
"$wine" reg query "$cle" /v UninstallString | grep -q 'desinstaller.exe' || echec "désinstallation non inscrite"
"$wine" "$installe/desinstaller.exe" /S
attendre '[ ! -e "$installe" ] && [ ! -e "$raccourci" ]'
! "$wine" reg query "$cle" >/dev/null 2>&1 || echec "la désinstallation reste inscrite"
"$(dirname "$wine")/wineserver" -k
echo "windows : correct (corrélation $correlation)"
