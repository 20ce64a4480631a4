#!/usr/bin/env bash
# The README's promise on machines that have nothing: in freshly bootstrapped
# minimal Debian 12 and Debian 13 roots, every package a make target names
# exists; `make run` builds and shows the window, which ends with status 0
# when it is closed; the window tests pass with make run's packages alone,
# then with DejaVu, the font any desktop has; and `make test` passes. On
# Debian 12, `make package` builds a package that lintian accepts; that
# package, installed with apt into fresh Debian 12 and 13 roots, starts the
# same way.
#
# Each run unpacks the releases' pristine roots afresh. The windows show on an Xvfb of
# this machine, reached from the roots through its abstract socket. Whatever
# the outcome, nothing stays mounted or running.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/app/harnais_reel.sh
source cmake/debian/racines.sh

[ "$(id -u)" = 0 ] || echec "à lancer en root (chroot et montages)"
cache=${CORVANE_CACHE:-/var/cache/corvane}
travail=$PWD/build/machine-neuve
journal=$travail/journal.txt
racines=()
PRIVE=

etape() {
    printf '%s  %s\n' "$(date +%T)" "$*"
}

# retirer ROOT: its processes ended, unmounted and removed; --one-file-system:
# never anything of the machine itself, should a mount remain.
retirer() {
    demonter "$1"
    rm -rf --one-file-system "$1"
}

# Never stopped by a failure: every root is removed, whatever became of the others.
nettoyer() {
    set +e
    local racine
    for racine in "${racines[@]}"; do retirer "$racine"; done
    arreter_tout 2>/dev/null || true
}
trap nettoyer EXIT

# nouvelle_racine NAME RELEASE: a fresh copy of the release's pristine root,
# ready to chroot into, in $racine.
nouvelle_racine() {
    local tarball
    tarball=$(base "$2") || echec "pas de racine $2"
    racine=$travail/$1
    racines+=("$racine")
    mkdir -p "$racine"
    tar -C "$racine" -xf "$tarball"
    monter "$racine"
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
# for its window on this machine's display (a first `make run` installs and
# builds before it shows one: up to half an hour), closes it by its close box
# and expects it to end within a minute, with status 0.
montrer_et_fermer() {
    local racine=$1 commande=$2 limite
    dans "$racine" "$commande" &
    pid=$!
    limite=$((SECONDS + 1800))
    until [ -n "$(fenetre Corvane)" ]; do
        kill -0 "$pid" 2>/dev/null || echec "« $commande » finit sans montrer de fenêtre"
        [ "$SECONDS" -lt "$limite" ] || echec "« $commande » ne montre pas de fenêtre en 30 min"
        sleep 1
    done
    id=$(fenetre Corvane)
    wmctrl -i -c "$id"
    limite=$((SECONDS + 60))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$limite" ] || echec "« $commande » ne finit pas dans la minute après sa fermeture"
        sleep 1
    done
    wait "$pid" || echec "« $commande » ne finit pas avec le statut 0"
}

debut=$SECONDS
rm -rf --one-file-system "$travail"
mkdir -p "$travail" "$cache"
demarrer_affichage
trap nettoyer EXIT

for version in bookworm trixie; do
    nouvelle_racine "source-$version" "$version"
    source=$racine
    # A clone, as a user has: the source archive is made from its history.
    git clone -q --no-hardlinks "$PWD" "$source/root/corvane"
    # The README's commands start from a machine with make; nothing else is there.
    etape "$version : apt-get install make"
    dans "$source" "apt-get update -qq && apt-get install -y -qq make"
    etape "$version : chaque paquet nommé par une cible existe"
    dans "$source" 'cd /root/corvane && paquets=$(make -s paquets) && [ -n "$paquets" ] || exit 1
        for p in $paquets; do
        apt-cache show --no-all-versions "$p" >/dev/null 2>&1 || { echo "paquet absent : $p"; exit 1; }; done'
    etape "$version : make run, fermé par sa case de fermeture"
    montrer_et_fermer "$source" "cd /root/corvane && make run"
    etape "$version : les fenêtres, avec les seuls paquets de make run, puis avec DejaVu"
    dans "$source" "cd /root/corvane && ctest --preset dev -L fenetres --output-on-failure"
    dans "$source" "apt-get install -y -qq fonts-dejavu-core && cd /root/corvane &&
        ctest --preset dev -L fenetres --output-on-failure"
    etape "$version : make test"
    dans "$source" "cd /root/corvane && make test"
    if [ "$version" = bookworm ]; then
        etape "$version : make package"
        dans "$source" "cd /root/corvane && make package"
        paquet=$(ls "$source"/root/corvane/build/release/corvane_*.deb)
        cp "$paquet" "$travail/"
        paquet=$travail/$(basename "$paquet")
    fi
    retirer "$source"
done

# The package built on the older release, on both.
for version in bookworm trixie; do
    nouvelle_racine "installe-$version" "$version"
    cp "$paquet" "$racine/tmp/"
    etape "$version : apt-get install ./$(basename "$paquet") dans une racine neuve"
    dans "$racine" "apt-get update -qq && apt-get install -y -qq /tmp/$(basename "$paquet")"
    etape "$version : corvane installé, fermé par sa case de fermeture"
    montrer_et_fermer "$racine" corvane
    retirer "$racine"
done

etape "machines neuves : correctes en $((SECONDS - debut)) s"
