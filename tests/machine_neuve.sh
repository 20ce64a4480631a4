#!/usr/bin/env bash
# The README's promise on a machine that has nothing: in a freshly
# bootstrapped minimal Debian 12 root, `make test` installs what it needs and
# passes, `make run` shows the window and ends with status 0 when it is
# closed, and `make package` builds a package that lintian accepts; then, in a
# second fresh root, that package installed with apt starts the same way.
#
# The pristine root is bootstrapped once and kept as a tarball in
# $CORVANE_CACHE; each run unpacks it afresh. The windows show on an Xvfb of
# this machine, reached from the roots through its abstract socket. Whatever
# the outcome, nothing stays mounted or running.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/app/harnais_reel.sh

[ "$(id -u)" = 0 ] || echec "à lancer en root (chroot et montages)"
cache=${CORVANE_CACHE:-/var/cache/corvane}
base=$cache/bookworm-minbase.tar
travail=$PWD/build/machine-neuve
journal=$travail/journal.txt
racines=()
PRIVE=

# The mirror this machine's apt already uses for bookworm.
miroir() {
    # Either file may be missing: a machine with deb822 sources only has no sources.list.
    local fichier
    for fichier in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
        if [ -f "$fichier" ]; then cat "$fichier"; fi
    done | awk '
        /^URIs:/ { uri = $2 } /^Suites:.*bookworm( |$)/ && uri && !m { m = uri }
        /^deb / && $3 == "bookworm" && !m { m = $2 } END { if (m) print m }'
}

etape() {
    printf '%s  %s\n' "$(date +%T)" "$*"
}

demonter() {
    local racine=$1 pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$racine" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    local point
    for point in dev/shm dev proc; do
        mountpoint -q "$racine/$point" && umount -l "$racine/$point"
    done
    # --one-file-system: never anything of the machine itself, should a mount remain.
    rm -rf --one-file-system "$racine"
}

nettoyer() {
    local racine
    for racine in "${racines[@]}"; do demonter "$racine"; done
    arreter_tout 2>/dev/null || true
}
trap nettoyer EXIT

# nouvelle_racine NAME: a fresh copy of the pristine root, ready to chroot
# into, in $racine.
nouvelle_racine() {
    racine=$travail/$1
    racines+=("$racine")
    mkdir -p "$racine"
    tar -C "$racine" -xf "$base"
    cp /etc/resolv.conf "$racine/etc/resolv.conf"
    mount -t proc proc "$racine/proc"
    mount --bind /dev "$racine/dev"
    # Private, so that what is mounted below it never shows in the machine's own /dev.
    mount --make-private "$racine/dev"
    mount -t tmpfs -o mode=1777 shm "$racine/dev/shm"
}

# dans ROOT COMMAND: runs the shell command as root in ROOT, with a clean
# environment (and this machine's display, once there is one); its output
# goes to the log, whose end is shown if it fails.
dans() {
    local racine=$1
    shift
    chroot "$racine" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 CI="${CI:-}" ${DISPLAY:+DISPLAY="$DISPLAY"} DEBIAN_FRONTEND=noninteractive \
        /bin/bash -c "$*" >>"$journal" 2>&1 || {
        tail -n 80 "$journal" >&2
        echec "« $* » a échoué (journal complet : $journal)"
    }
}

# montrer_et_fermer ROOT COMMAND: starts the program by COMMAND in ROOT, waits
# for its window on this machine's display, closes it by its close box and
# expects status 0.
montrer_et_fermer() {
    local racine=$1 commande=$2
    lancer dans "$racine" "$commande"
    wmctrl -i -c "$id"
    wait "$pid" || echec "« $commande » ne finit pas avec le statut 0"
}

debut=$SECONDS
rm -rf --one-file-system "$travail"
mkdir -p "$travail" "$cache"
if [ ! -s "$base" ]; then
    depot=$(miroir)
    [ -n "$depot" ] || echec "aucun miroir bookworm dans la configuration d'apt"
    etape "debootstrap --variant=minbase bookworm depuis $depot"
    debootstrap --variant=minbase bookworm "$travail/base" "$depot" >>"$journal" 2>&1 ||
        { tail -n 40 "$journal" >&2; echec "debootstrap a échoué"; }
    tar -C "$travail/base" -cf "$base.partiel" . && mv "$base.partiel" "$base"
    rm -rf --one-file-system "$travail/base"
fi

nouvelle_racine source
source=$racine
git archive HEAD | tar -x -C "$source/root" --one-top-level=corvane
# The README's commands start from a machine with make; nothing else is there.
etape "apt-get install make"
dans "$source" "apt-get update -qq && apt-get install -y -qq make"
etape "make test"
dans "$source" "cd /root/corvane && make test"
etape "make package"
dans "$source" "cd /root/corvane && make package"

# The windows need a display only from here on: the tests in the root
# started their own.
demarrer_affichage
trap nettoyer EXIT
etape "make run, fermé par sa case de fermeture"
montrer_et_fermer "$source" "cd /root/corvane && make run"

paquet=$(ls "$source"/root/corvane/build/release/corvane_*.deb)
nouvelle_racine installe
installe=$racine
cp "$paquet" "$installe/tmp/"
etape "apt-get install ./$(basename "$paquet") dans une autre racine neuve"
dans "$installe" "apt-get update -qq && apt-get install -y -qq /tmp/$(basename "$paquet")"
etape "corvane installé, fermé par sa case de fermeture"
montrer_et_fermer "$installe" corvane

etape "machine neuve : correcte en $((SECONDS - debut)) s"
