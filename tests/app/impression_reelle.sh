#!/usr/bin/env bash
# "&Imprimer" in the real program, with real keys, on a private CUPS queue:
# each print is one job of one page whose top-left corner holds the window as
# it is on screen, title bar and border included, at its screen size. Then,
# under a Wayland compositor, as an XWayland client and as a native one, the
# command run through the accessibility bus prints the window as it draws
# itself, not a black box.
set -euo pipefail
source "$(dirname "$0")/harnais_reel.sh"
demarrer_accessibilite "$@"
programme=$1
demarrer_affichage
demarrer_cups
exiger pdfinfo pdftoppm compare convert

# The window on screen, frame included: where the window manager put it;
# false while the window manager has not yet said how wide its frame is.
mesurer_cadre() {
    local cadre bords
    cadre=$(xwininfo -id "$id" -frame | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width/ { l = $NF } /Height/ { h = $NF } END { print x, y, l, h }')
    read -r fx fy fl fh <<<"$cadre"
    bords=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    [[ "$bords" =~ ^[0-9]+\ [0-9]+\ [0-9]+\ [0-9]+$ ]] || return 1
    read -r gauche droite haut bas <<<"$bords"
    largeur=$((fl + gauche + droite))
    hauteur=$((fh + haut + bas))
}

# titre_dessine: whether the title bar on screen shows more than one flat
# colour. In a session's first minutes, a compositing window manager may
# draw a new window's frame seconds after the window (mutter waits for its
# first shaders to be compiled): the print is only compared with a frame
# that is there.
titre_dessine() {
    mesurer_cadre || return 1
    ((haut > 0)) || return 0
    awk -v e="$(import -window root -crop "${largeur}x${haut}+$((fx - gauche))+$((fy - haut))" \
        -colorspace Gray -format '%[fx:standard_deviation]' info: 2>/dev/null)" 'BEGIN { exit !(e > 0.02) }'
}

lancer "$programme"
attendre titre_dessine
xdotool windowactivate --sync "$id"
xdotool type --delay 60 1998

menu "$pid" i
attendre '[ "$(ls "$SORTIE" | wc -l)" = 1 ]'
menu "$pid" i
attendre '[ "$(ls "$SORTIE" | wc -l)" = 2 ]'
attendre '[ "$(lpstat -W completed -o corvane | wc -l)" = 2 ]'

mesurer_cadre || echec "le gestionnaire de fenêtres ne dit pas la taille du cadre"
mkdir -p "${ARTEFACTS:-.}"
for travail in "$SORTIE"/travail-*; do
    [ "$(pdfinfo "$travail" | awk '/^Pages:/ { print $2 }')" = 1 ] || echec "$travail n'a pas une page"
done
premier=$(ls "$SORTIE"/travail-* | head -n 1)
pdftoppm -r 96 -png -singlefile "$premier" "$PRIVE/page"
cp "$PRIVE/page.png" "${ARTEFACTS:-.}/page-imprimee.png"

# The printed picture: what is not white on the page, from its top-left.
boite=$(convert "$PRIVE/page.png" -fuzz 3% -trim -format '%w %h %X %Y' info:)
read -r pl ph px py <<<"$boite"
((pl >= largeur - 2 && pl <= largeur + 2 && ph >= hauteur - 2 && ph <= hauteur + 2)) ||
    echec "image imprimée de ${pl}x${ph} pour une fenêtre de ${largeur}x${hauteur}"
((px <= 60 && py <= 60)) || echec "l'image n'est pas au coin de la page : +$px+$py"

# The same picture as on screen: in grey, since the printer may print in grey,
# and slightly blurred, since the page was resampled on its way through the
# printer's resolution. A shift of a few pixels already brings the correlation
# far below the threshold.
convert "$PRIVE/page.png" -crop "${largeur}x${hauteur}+${px#+}+${py#+}" +repage -colorspace Gray "$PRIVE/imprime.png"
cp "$PRIVE/imprime.png" "${ARTEFACTS:-.}/fenetre-imprimee.png"
convert "$PRIVE/imprime.png" -blur 0x1 "$PRIVE/imprime-flou.png"
bande=120x20+$gauche+$haut
convert "$PRIVE/imprime.png" -crop "$bande" +repage "$PRIVE/barre-imprimee.png"

# comme_a_l_ecran: whether the print matches a screenshot of the window taken
# now, the whole window and, to the pixel, the menu bar: its "Fichier" plain,
# as the screen shows it once the menu has closed, not highlighted as it was
# while it was open. The frame is taken from the screen, the rest from the
# window's own pixels in the X server: in a session's first minutes, mutter
# may leave a window's last repaint off the screen for minutes (until its
# shaders are compiled), and a compositing window manager may lag; the
# screenshot is taken again until it matches or ten seconds have passed.
comme_a_l_ecran() {
    import -window root -crop "${largeur}x${hauteur}+$((fx - gauche))+$((fy - haut))" "$PRIVE/cadre-ecran.png"
    import -window "$id" "$PRIVE/client-ecran.png"
    convert "$PRIVE/cadre-ecran.png" +repage "$PRIVE/client-ecran.png" -geometry "+$gauche+$haut" -composite \
        "$PRIVE/ecran.png"
    convert "$PRIVE/ecran.png" +repage -colorspace Gray -blur 0x1 "$PRIVE/ecran-flou.png"
    correlation=$(compare -metric NCC "$PRIVE/imprime-flou.png" "$PRIVE/ecran-flou.png" null: 2>&1 || true)
    convert "$PRIVE/ecran.png" +repage -crop "$bande" +repage -colorspace Gray "$PRIVE/barre-ecran.png"
    # compare exits 1 when the pictures differ at all; an error leaves no figure.
    ecart=$( (compare -metric RMSE "$PRIVE/barre-imprimee.png" "$PRIVE/barre-ecran.png" null: 2>&1 || true) |
        sed -n 's/.*(\(.*\))$/\1/p')
    awk -v c="$correlation" -v e="$ecart" 'BEGIN { exit !(c ~ /^[0-9.]+$/ && c >= 0.9 && e != "" && e <= 0.05) }'
}
essayer comme_a_l_ecran || {
    cp "$PRIVE/ecran.png" "${ARTEFACTS:-.}/fenetre-ecran.png"
    echec "l'image imprimée n'est pas la fenêtre à l'écran (corrélation $correlation, barre de menus à ${ecart:-inconnu})"
}

# Wayland: the screen gives no pixels, and the window draws itself, menu bar
# and client area, 551 pixels wide over 224 and a menu bar, inside a title
# bar and a border that the style draws, not in the shadow XWayland adds, as
# dark on the right as on the left; at its size on paper whatever the
# output's scale.
kill "$pid"
wait "$pid" || true
if [ "${CORVANE_COMPOSITEUR:-weston}" = aucun ]; then
    echo "impression réelle : correcte (corrélation $correlation, barre de menus à $ecart)"
    exit 0
fi
demarrer_wayland
for plateforme in xcb wayland; do
    avant=$(ls "$SORTIE" | wc -l)
    DISPLAY=$AFFICHAGE_XWAYLAND QT_QPA_PLATFORM=$plateforme "$programme" &
    pid=$!
    attendre '[[ "$(lire 2>/dev/null)" == *12,94* ]]'
    /usr/bin/python3 "$(dirname "$0")/lire_fenetre.py" --action Imprimer corvane
    attendre '[ "$(lpstat -W completed -o corvane | wc -l)" = $((avant + 1)) ]'
    kill "$pid"
    wait "$pid" || true
    pdftoppm -r 96 -png -singlefile "$SORTIE/travail-$((avant + 1))" "$PRIVE/page-$plateforme"
    cp "$PRIVE/page-$plateforme.png" "${ARTEFACTS:-.}/page-imprimee-wayland-$plateforme.png"
    mesure=$(convert "$PRIVE/page-$plateforme.png" -fuzz 3% -trim +repage -colorspace Gray \
        -format '%w %h %[fx:mean]' info:)
    read -r pl ph clarte <<<"$mesure"
    ((pl >= 551 && pl <= 551 + 60 && ph >= 257 && ph <= 224 + 100)) ||
        echec "$plateforme sous Wayland : image imprimée de ${pl}x${ph}"
    awk -v c="$clarte" 'BEGIN { exit !(c >= 0.6) }' || echec "$plateforme sous Wayland : image sombre ($clarte)"
    # The frame drawn with the style's borders (mutter gives its XWayland
    # clients none on the sides) is as dark on the right as on the left.
    [ "$plateforme" = wayland ] || continue
    bords=$(convert "$PRIVE/page-$plateforme.png" -fuzz 3% -trim +repage -colorspace Gray \
        \( +clone -crop 1x+0+0 -format '%[fx:round(255 * mean)] ' -write info: +delete \) \
        -gravity east -crop 1x+0+0 -format '%[fx:round(255 * mean)]' info:)
    read -r bg bd <<<"$bords"
    ((bg - bd <= 8 && bd - bg <= 8)) || echec "$plateforme sous Wayland : bord gauche $bg, bord droit $bd"
done
echo "impression réelle : correcte (corrélation $correlation, barre de menus à $ecart ;" \
    "${CORVANE_COMPOSITEUR:-weston} avec Wayland et XWayland)"
