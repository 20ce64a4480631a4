#!/usr/bin/env bash
# The Windows distribution under wine, in a wine prefix of the test's own: the
# zip, the installer and the unpacked folder are lean, and carry the
# licences and the record of Qt's source; the program's file carries its
# version record and icons; unpacked from the zip alone, corvane.exe shows
# its window at the designed client size, and at 100, 125, 150 and 200 %
# "&Imprimer" makes one job of one page holding the window at its size on
# paper, on a private CUPS queue; the installer installs the program, its
# Start-menu entry and its uninstaller, listed with its publisher and size,
# which removes them all: for the user alone by default, for every user on
# request, over an earlier version, and not at all while Corvane runs.
# Keeps a screenshot in $ARTEFACTS.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
wine=$1
zip=$2
installateur=$3
attributions=$4
qt=$5
demarrer_affichage
demarrer_cups
exiger unzip gs convert x86_64-w64-mingw32-windres
export WINEPREFIX=$PRIVE/wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='

unzip -q "$zip" -d "$PRIVE"
dossier=$PRIVE/$(basename "$zip" .zip)
octets() { du -sb "$1" | cut -f1; }
(($(octets "$zip") <= 12000000)) || echec "zip de $(octets "$zip") octets"
(($(octets "$installateur") <= 10000000)) || echec "installateur de $(octets "$installateur") octets"
(($(octets "$dossier") <= 30000000)) || echec "$(octets "$dossier") octets une fois décompressé"
for licence in corvane Apache-2.0 qt-source qt-LGPL-3 GPL-3 gcc-runtime mingw-w64; do
    [ -s "$dossier/licences/$licence.txt" ] || echec "licence $licence.txt absente"
done
# A notice for each piece of others' code that this Qt's records say went
# into its DLLs (FreeType among them: it is built from Qt's copy).
composants=$("$attributions" liste "$qt/attributions" "$qt/compiles.txt") || echec "liste des composants de Qt illisible"
grep -qx freetype <<<"$composants" || echec "FreeType manque à la liste des composants : $composants"
for composant in $composants; do
    [ -s "$dossier/licences/qt/$composant.txt" ] || echec "pas de notice pour $composant dans licences/qt"
done
grep -q 'RUNTIME LIBRARY EXCEPTION' "$dossier/licences/gcc-runtime.txt" || echec "exception de GCC absente"
for attendu in 'paquet source Debian qt6-base 6.8.' 'Debian GNU/Linux 13' 'cve-2025-3512' 'cve-2025-5455' \
    'cve-2025-5992' 'qt.sh'; do
    grep -qF "$attendu" "$dossier/licences/qt-source.txt" || echec "qt-source.txt ne dit pas $attendu"
done
# That source lies beside the zip, each file as its .dsc lists it.
(
    cd "$(dirname "$zip")"
    dsc=$(ls qt6-base_*.dsc) || echec "pas de .dsc de Qt à côté du zip"
    grep -qF "${dsc%.dsc}" "$dossier/licences/qt-source.txt" || echec "qt-source.txt ne nomme pas $dsc"
    awk '/^Checksums-Sha256:/ { l = 1; next } /^[^ ]/ { l = 0 } l && NF == 3 { print $1 "  " $3 }' "$dsc" >"$PRIVE/sommes"
    [ -s "$PRIVE/sommes" ] && sha256sum --quiet -c "$PRIVE/sommes" || echec "source de Qt incomplète à côté du zip"
)
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

# The system in dark mode, which the window does not follow: the design's
# colours stand on a light face.
"$wine" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null

# At each display density, set as Windows sets it: the page holds the
# framed window at its size, one pixel at 100 % a 96th of an inch.
for dpi in 96 120 144 192; do
    "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    # wine reads the density when its server starts, as Windows at log-on.
    "$(dirname "$wine")/wineserver" -k || true
    "$(dirname "$wine")/wineserver" -w || true
    lancer "$wine" "$dossier/corvane.exe"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    ((WIDTH * 96 >= (551 * dpi) - 96 && WIDTH * 96 <= (551 * dpi) + 96)) ||
        echec "à $dpi ppp : largeur $WIDTH au lieu de 551 à l'échelle"
    if [ "$dpi" = 96 ]; then
        barre=$((HEIGHT - 224))
        ((barre >= 15 && barre <= 40)) || echec "hauteur $HEIGHT : pas 224 sous une barre de menus"
        mkdir -p "${ARTEFACTS:-.}"
        import -window "$id" -frame "${ARTEFACTS:-.}/fenetre-windows.png"
        import -window "$id" "$PRIVE/client.png"
        clarte=$(convert "$PRIVE/client.png" -colorspace Gray -format '%[fx:mean]' info:)
        rouges=$(convert "$PRIVE/client.png" -fuzz 25% -fill black +opaque red -fill white -opaque red \
            -format '%[fx:round(mean * w * h)]' info:)
        awk -v c="$clarte" -v r="$rouges" \
            'BEGIN { exit !(c ~ /^[0-9.]+$/ && r ~ /^[0-9]+$/ && c >= 0.7 && r >= 100) }' ||
            echec "en mode sombre, fenêtre de clarté $clarte avec $rouges points rouges"
    fi

    avant=$(ls "$SORTIE" | wc -l)
    xdotool windowactivate --sync "$id"
    menu "$pid" i
    attendre '[ "$(ls "$SORTIE" | wc -l)" = $((avant + 1)) ]'
    travail=$(ls -t "$SORTIE"/travail-* | head -n 1)
    rm -f "$PRIVE"/page-*.png
    gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r96 -sOutputFile="$PRIVE/page-%d.png" "$travail"
    [ "$(ls "$PRIVE"/page-*.png | wc -l)" = 1 ] || echec "à $dpi ppp, le travail n'a pas une page"
    cp "$PRIVE/page-1.png" "${ARTEFACTS:-.}/page-imprimee-windows-$dpi.png"
    boite=$(convert "$PRIVE/page-1.png" -fuzz 3% -trim -format '%w %h %X %Y' info:)
    read -r pl ph px py <<<"$boite"
    if [ "$dpi" = 96 ]; then
        ((pl >= WIDTH && pl <= WIDTH + 20 && ph >= HEIGHT && ph <= HEIGHT + 50)) ||
            echec "image imprimée de ${pl}x${ph} pour une fenêtre de ${WIDTH}x${HEIGHT} et son cadre"
        pl96=$pl
        ph96=$ph
        # Below the title bar, the window as it is on screen: the menu that ran the
        # command is gone from it.
        convert "$PRIVE/page-1.png" -crop "${WIDTH}x${HEIGHT}+$((${px#+} + (pl - WIDTH) / 2))+$((${py#+} + ph - HEIGHT))" \
            +repage -colorspace Gray -blur 0x1 "$PRIVE/imprime.png"
        convert "$PRIVE/client.png" -colorspace Gray -blur 0x1 "$PRIVE/client-flou.png"
        correlation=$(compare -metric NCC "$PRIVE/imprime.png" "$PRIVE/client-flou.png" null: 2>&1 || true)
        awk -v c="$correlation" 'BEGIN { exit !(c ~ /^[0-9.]+$/ && c >= 0.9) }' ||
            echec "l'image imprimée n'est pas la fenêtre (corrélation $correlation)"
    else
        # The same size on paper as at 100 %, to the rounding of the scaled frame.
        ((pl >= pl96 - 2 && pl <= pl96 + 2 && ph >= ph96 - 2 && ph <= ph96 + 2)) ||
            echec "à $dpi ppp, image imprimée de ${pl}x${ph} au lieu de ${pl96}x${ph96}"
    fi

    menu "$pid" q
    statut=0
    wait "$pid" || statut=$?
    [ "$statut" = 0 ] || echec "« Quitter » à $dpi ppp : statut $statut"
done
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null

# The installer asks for no administrator and is sharp at every density.
manifeste=$(wrestool -x --raw -t 24 "$installateur")
grep -q 'level="highestAvailable"' <<<"$manifeste" || echec "l'installateur demande d'autres droits que les siens"
grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$manifeste" || echec "l'installateur n'est pas adapté à la densité"

# installer_et_verifier INSTALLER OPTION... : installs silently and checks
# what is installed where $installe, $raccourci and $cle say.
installer_et_verifier() {
    "$wine" "$@" /S || echec "$* : statut $?"
    "$(dirname "$wine")/wineserver" -w
    for fichier in corvane.exe qt.conf platforms/qwindows.dll styles/qmodernwindowsstyle.dll \
        translations/qtbase_fr.qm licences/corvane.txt licences/qt/freetype.txt desinstaller.exe; do
        [ -f "$installe/$fichier" ] || echec "$fichier n'est pas installé dans $installe"
    done
    [ -f "$raccourci" ] || echec "pas d'entrée dans le menu Démarrer : $raccourci"
    "$wine" reg query "$cle" /v UninstallString | grep -q 'desinstaller.exe' || echec "désinstallation non inscrite"
    "$wine" reg query "$cle" /v Publisher | grep -q 'Corvane' || echec "pas d'éditeur dans la liste des programmes"
    taille=$("$wine" reg query "$cle" /v EstimatedSize | awk '/EstimatedSize/ { print $NF }' | tr -d '\r')
    ((taille > 10000 && taille < 30000)) || echec "taille inscrite : $taille Kio"
}

# desinstaller: the uninstaller removes what was installed, and its entry.
desinstaller() {
    "$wine" "$installe/desinstaller.exe" /S
    attendre '[ ! -e "$installe" ] && [ ! -e "$raccourci" ]'
    ! "$wine" reg query "$cle" >/dev/null 2>&1 || echec "la désinstallation reste inscrite"
}

# For the user alone by default: the user's Programs folder, Start menu and registry.
local=$("$wine" cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
installe=$("$wine" winepath -u "$local")/Programs/Corvane
raccourci=$("$wine" winepath -u "$("$wine" cmd /c 'echo %APPDATA%' | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs/Corvane.lnk
cle='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane'
installer_et_verifier "$installateur"
! "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane' >/dev/null 2>&1 ||
    echec "l'installation pour soi est inscrite pour tous"
# While Corvane runs, neither the installer nor the uninstaller changes
# anything. The uninstaller runs in place, which NSIS asks by an unquoted
# _?=: hence the user's folder, whose path has no spaces.
empreinte() { (cd "$installe" && find . -type f -exec sha256sum {} + | sort); }
avant=$(empreinte)
lancer "$wine" "$installe/corvane.exe"
statut=0
"$wine" "$installateur" /S || statut=$?
[ "$statut" = 2 ] || echec "l'installateur, Corvane ouvert : statut $statut"
statut=0
"$wine" "$installe/desinstaller.exe" /S "_?=$local\\Programs\\Corvane" || statut=$?
[ "$statut" = 2 ] || echec "la désinstallation, Corvane ouvert : statut $statut"
[ "$(empreinte)" = "$avant" ] || echec "Corvane ouvert, ses fichiers ont changé"
"$wine" reg query "$cle" >/dev/null 2>&1 || echec "Corvane ouvert, son inscription a disparu"
menu "$pid" q
wait "$pid" || echec "« Quitter » : statut $?"
desinstaller

# For every user, on request.
installe="$WINEPREFIX/drive_c/Program Files/Corvane"
raccourci="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvane.lnk"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane'
installer_et_verifier "$installateur" /AllUsers

# Over an earlier version whose list had one more file: that file goes.
nsi=$(dirname "$zip")/installateur.nsi
sed -e "s|^OutFile .*|OutFile \"$PRIVE/ancien.exe\"|" \
    -e "s|^  WriteUninstaller .*|  File \"/oname=ancien.dll\" \"$nsi\"\n&|" \
    -e "s|^  Delete \"\$INSTDIR\\\\desinstaller.exe\"|  Delete \"\$INSTDIR\\\\ancien.dll\"\n&|" "$nsi" >"$PRIVE/ancien.nsi"
makensis -V1 -INPUTCHARSET UTF8 -NOCD "$PRIVE/ancien.nsi" >/dev/null || echec "l'ancienne version ne se construit pas"
desinstaller
installer_et_verifier "$PRIVE/ancien.exe" /AllUsers
[ -f "$installe/ancien.dll" ] || echec "l'ancienne version n'a pas installé son fichier de plus"
installer_et_verifier "$installateur"
[ ! -e "$installe/ancien.dll" ] || echec "la mise à jour laisse un fichier de l'ancienne version"

"$(dirname "$wine")/wineserver" -k
echo "windows : correct (corrélation $correlation, ${pl96}x$ph96 imprimé à toutes les échelles)"
