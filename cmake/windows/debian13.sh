#!/usr/bin/env bash
# `make windows` on a release other than Debian 13: the same command run in a
# Debian 13 root, so that Qt for Windows is built against Debian 13's Qt host
# tools, with its compiler, and tested under its wine, whatever the machine
# runs. The root is bootstrapped once and kept in the cache with what it
# installs, brought up to date each time (a security update of Qt builds
# anew); the clone is seen in it at its own path, the cache at the root's
# own. Whatever the outcome, nothing stays mounted or running in it.
#
#   cmake/windows/debian13.sh [COMMAND]   runs COMMAND there, `make windows` by default
set -euo pipefail
cd "$(dirname "$0")/../.."
source cmake/debian/racines.sh

[ "$(id -u)" = 0 ] || { echo "debian13.sh : à lancer en root (chroot et montages)" >&2; exit 1; }
cache=${CORVANE_CACHE:-/var/cache/corvane}
racine=$cache/trixie-windows
journal=$cache/trixie-windows.journal
clone=$PWD
mkdir -p "$cache"

if [ ! -f "$racine/.prete" ]; then
    demonter "$racine" 2>/dev/null || true
    rm -rf --one-file-system "$racine"
    mkdir -p "$racine"
    tar -C "$racine" -xf "$(base trixie)"
    depot=$(miroir)
    securite=$(miroir security)
    {
        echo "deb $depot trixie main"
        echo "deb $depot trixie-updates main"
        if [ -n "$securite" ]; then echo "deb $securite trixie-security main"; fi
    } >"$racine/etc/apt/sources.list"
    touch "$racine/.prete"
fi

trap 'demonter "$racine"' EXIT
monter "$racine"
mkdir -p "$racine$clone" "$racine/var/cache/corvane"
mount --bind "$clone" "$racine$clone"
mount --bind "$cache" "$racine/var/cache/corvane"
chroot "$racine" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 CI="${CI:-}" ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH"} \
    ${TZ:+TZ="$TZ"} ${LC_ALL:+LC_ALL="$LC_ALL"} \
    DEBIAN_FRONTEND=noninteractive /bin/bash -c "
    set -e
    # A run stopped while apt worked leaves dpkg half-way.
    dpkg --configure -a
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends make >/dev/null
    apt-get upgrade -y -qq >/dev/null
    cd '$clone' && ${*:-make windows}"
