# Sourced by the tests that drive the real program in real windows: a private
# X display with a window manager, both stopped when the test ends. Nothing of
# the machine's own display or settings is used.

echec() {
    echo "ÉCHEC : $*" >&2
    # What the test's own servers said, to tell a fault of theirs from the program's.
    local journal
    for journal in "${PRIVE:-/nonexistent}"/*.log; do
        [ -s "$journal" ] && { echo "--- $(basename "$journal")" >&2; tail -n 15 "$journal" >&2; }
    done
    exit 1
}

# exiger OUTIL...: skips the test (status 77) when a tool it needs is missing.
exiger() {
    local outil
    for outil in "$@"; do
        command -v "$outil" >/dev/null || { echo "IGNORÉ : $outil manque ('make test' l'installe)"; exit 77; }
    done
}

# essayer CONDITION: polls the shell condition for up to ten seconds of the
# clock, however long the condition itself takes to check; false if it never
# holds.
essayer() {
    local fin=$((SECONDS + 10))
    until eval "$1"; do
        ((SECONDS < fin)) || return 1
        sleep 0.1
    done
}

# attendre CONDITION: the same, and the test fails if it never holds.
attendre() {
    essayer "$1" || echec "attente de : $1"
}

# fenetre TITRE: the id of the visible window with that exact title that the
# window manager manages, if any: Debian 13's mutter draws each frame in a
# window of its own helper's that bears the client's title.
fenetre() {
    local clients candidat
    clients=$(xprop -root _NET_CLIENT_LIST 2>/dev/null) || return 0
    for candidat in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        if grep -qw "$(printf '0x%x' "$candidat")" <<<"$clients"; then
            echo "$candidat"
            return 0
        fi
    done
}

# lancer COMMANDE...: starts the program in the background and waits for its
# window; sets pid to the process and id to the window.
lancer() {
    "$@" &
    pid=$!
    attendre '[ -n "$(fenetre Corvane)" ]'
    id=$(fenetre Corvane)
}

# menu PID LETTRE: opens "&Fichier" with Alt+F in the program PID, waits for
# its list to show, then types the item's access key.
menu() {
    local avant
    avant=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l)
    xdotool key alt+f
    attendre "[ \$(xdotool search --onlyvisible --pid $1 2>/dev/null | wc -l) -gt $avant ]"
    xdotool key "$2"
}

arreter_tout() {
    local pid
    for pid in $(jobs -p); do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$PRIVE"
}

demarrer_affichage() {
    exiger Xvfb "${CORVANE_GESTIONNAIRE:-openbox}" xdotool xwininfo xprop wmctrl import dbus-daemon
    PRIVE=$(mktemp -d)
    trap arreter_tout EXIT
    export XDG_RUNTIME_DIR=$PRIVE HOME=$PRIVE
    # A session bus, as every desktop session has: without one, Qt keeps
    # what it set up to reach it until the end, which LeakSanitizer reports.
    # The test's own, unless it already runs on one (demarrer_accessibilite).
    if [ -z "${CORVANE_BUS_PRIVE:-}" ]; then
        dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$PRIVE/bus" 2>>"$PRIVE/dbus.log" &
        attendre '[ -s "$PRIVE/bus" ]'
        DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$PRIVE/bus")
        export DBUS_SESSION_BUS_ADDRESS CORVANE_BUS_PRIVE=1
    fi
    # A window manager that never came up was seen once in a fresh root:
    # the display is then started again, once, and the logs kept.
    lancer_affichage || lancer_affichage ||
        echec "pas d'affichage avec gestionnaire de fenêtres : ${DISPLAY:-}"
}

lancer_affichage() {
    if [ -n "${xvfb:-}" ]; then
        kill "$xvfb" ${gestionnaire:+"$gestionnaire"} 2>/dev/null || true
        wait "$xvfb" ${gestionnaire:+"$gestionnaire"} 2>/dev/null || true
    fi
    rm -f "$PRIVE/affichage"
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$PRIVE/affichage" 2>>"$PRIVE/xvfb.log" &
    xvfb=$!
    essayer '[ -s "$PRIVE/affichage" ]' || return 1
    export DISPLAY=":$(cat "$PRIVE/affichage")"
    # CORVANE_GESTIONNAIRE: the desktop's own window manager, compositing or
    # not: openbox (the default), GNOME's mutter or Xfce's xfwm4.
    case ${CORVANE_GESTIONNAIRE:-openbox} in
    openbox) openbox --sm-disable ;;
    mutter) mutter --x11 --replace --sm-disable ;;
    xfwm4) xfwm4 --replace --sm-client-disable ;;
    *) echec "gestionnaire de fenêtres inconnu : $CORVANE_GESTIONNAIRE" ;;
    esac >>"$PRIVE/${CORVANE_GESTIONNAIRE:-openbox}.log" 2>&1 &
    gestionnaire=$!
    essayer 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
}

# Call first, with the test's arguments: runs the rest of the test on a private
# D-Bus session that carries the accessibility bus, through which the test
# reads the windows as a screen reader does (lire_fenetre.py).
demarrer_accessibilite() {
    if [ -z "${CORVANE_BUS_PRIVE:-}" ]; then
        exiger dbus-run-session
        export CORVANE_BUS_PRIVE=1
        exec dbus-run-session -- "$0" "$@"
    fi
    [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "IGNORÉ : at-spi2-core manque"; exit 77; }
    # Not on any display: the test's own has yet to start, and a display
    # inherited from the desktop running the tests is not the test's.
    env -u DISPLAY /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# lire: the accessible tree of the program under test.
lire() {
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/lire_fenetre.py" corvane
}

# demarrer_cups: a private CUPS server, with its own configuration, socket and
# spool in the test's folder, and one default queue, "corvane", whose jobs land
# as files in $SORTIE. Programs started after it print there through
# CUPS_SERVER; the machine's own CUPS is never used.
demarrer_cups() {
    exiger cupsd lpadmin lpstat
    local racine=$PRIVE/cups
    SORTIE=$racine/sortie
    mkdir -p "$racine"/{spool,tmp,cache,state,log,bin/backend} "$SORTIE"
    local dossier
    for dossier in /usr/lib/cups/*; do
        [ "$(basename "$dossier")" = backend ] || ln -s "$dossier" "$racine/bin/"
    done
    install -m 700 "$(dirname "${BASH_SOURCE[0]}")/corvane-fichier" "$racine/bin/backend/"
    cat >"$racine/cups-files.conf" <<FIN
ServerRoot $racine
ServerBin $racine/bin
RequestRoot $racine/spool
TempDir $racine/tmp
CacheDir $racine/cache
StateDir $racine/state
ErrorLog $racine/log/error_log
AccessLog $racine/log/access_log
PageLog $racine/log/page_log
FIN
    cat >"$racine/cupsd.conf" <<FIN
Listen $racine/cups.sock
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
FIN
    cupsd -f -c "$racine/cupsd.conf" -s "$racine/cups-files.conf" &
    export CUPS_SERVER=$racine/cups.sock
    attendre 'lpstat -r 2>/dev/null | grep -q "is running"'
    lpadmin -p corvane -E -v "corvane-fichier:$SORTIE" -m raw 2>/dev/null
    lpadmin -d corvane
}

# demarrer_wayland: a headless Wayland compositor with XWayland, private to
# the test: $CORVANE_COMPOSITEUR, weston (the default, its output at scale 2,
# a laptop at 200 %) or GNOME's mutter. WAYLAND_DISPLAY names it for native
# clients; AFFICHAGE_XWAYLAND is the X display of its XWayland, XAUTHORITY
# the key to it. No key event of the test reaches it.
demarrer_wayland() {
    exiger Xwayland "${CORVANE_COMPOSITEUR:-weston}"
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
        { echo "IGNORÉ : qt6-wayland manque ('make test' l'installe)"; exit 77; }
    mkdir -p -m 1777 /tmp/.X11-unix # where XWayland's socket goes
    export WAYLAND_DISPLAY=corvane-wayland
    local journal=$PRIVE/${CORVANE_COMPOSITEUR:-weston}.log
    case ${CORVANE_COMPOSITEUR:-weston} in
    weston)
        weston --backend=headless-backend.so --scale=2 --xwayland --socket="$WAYLAND_DISPLAY" --idle-time=0 \
            >"$journal" 2>&1 &
        attendre 'grep -q "xserver listening on display" "$PRIVE/weston.log"'
        AFFICHAGE_XWAYLAND=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$journal")
        ;;
    mutter)
        mutter --headless --wayland --virtual-monitor 1024x768 --wayland-display "$WAYLAND_DISPLAY" \
            --sm-disable >"$journal" 2>&1 &
        attendre 'grep -q "Using public X11 display" "$PRIVE/mutter.log"'
        AFFICHAGE_XWAYLAND=$(sed -n 's/.*Using public X11 display \(:[0-9]*\),.*/\1/p' "$journal")
        XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
        export XAUTHORITY
        ;;
    *) echec "compositeur inconnu : $CORVANE_COMPOSITEUR" ;;
    esac
}
