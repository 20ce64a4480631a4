# Sourced by the scripts that work in minimal Debian roots: the fresh-machine
# check and the Windows build on a release other than Debian 13. Each
# release's pristine root is bootstrapped once and kept as a tarball in
# $cache; what runs in a root is ended, and what is mounted in it unmounted,
# by demonter.

# miroir [security]: the Debian mirror this machine's apt already uses, for
# either release; with "security", its security mirror.
miroir() {
    local motif='(bookworm|trixie)( |$)'
    [ "${1:-}" = security ] && motif='(bookworm|trixie)-security( |$)'
    # Either file may be missing: a machine with deb822 sources only has no sources.list.
    local fichier
    for fichier in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
        if [ -f "$fichier" ]; then cat "$fichier"; fi
    done | awk -v motif="$motif" '
        /^URIs:/ { uri = $2 } /^Suites:/ && uri && !m { for (i = 2; i <= NF; i++) if ($i " " ~ "^" motif) m = uri }
        /^deb / && ($3 " ") ~ "^" motif && !m { m = $2 } END { if (m) print m }'
}

# base RELEASE: prints the pristine root's tarball, bootstrapped the first
# time; debootstrap's output goes to $journal.
base() {
    local tarball=$cache/$1-minbase.tar
    if [ ! -s "$tarball" ]; then
        local depot partiel=$cache/$1-minbase.partiel
        depot=$(miroir)
        [ -n "$depot" ] || { echo "aucun miroir Debian dans la configuration d'apt" >&2; return 1; }
        printf '%s  debootstrap --variant=minbase %s depuis %s\n' "$(date +%T)" "$1" "$depot" >&2
        rm -rf --one-file-system "$partiel"
        debootstrap --variant=minbase "$1" "$partiel" "$depot" >>"$journal" 2>&1 ||
            { tail -n 40 "$journal" >&2; echo "debootstrap $1 a échoué" >&2; return 1; }
        tar -C "$partiel" -cf "$tarball.partiel" . && mv "$tarball.partiel" "$tarball"
        rm -rf --one-file-system "$partiel"
    fi
    echo "$tarball"
}

# monter ROOT: what a program run in ROOT expects of a machine.
monter() {
    cp /etc/resolv.conf "$1/etc/resolv.conf"
    mount -t proc proc "$1/proc"
    mount --bind /dev "$1/dev"
    # Private, so that what is mounted below it never shows in the machine's own /dev.
    mount --make-private "$1/dev"
    mount -t tmpfs -o mode=1777 shm "$1/dev/shm"
}

# demonter ROOT: ends every process running in ROOT and unmounts all below
# it, deepest first, whatever fails on the way.
demonter() {
    local racine pid point
    racine=$(realpath "$1")
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$racine" ] && kill -9 "${pid#/proc/}" 2>/dev/null || true
    done
    for point in $(findmnt -rn -o TARGET | grep "^$racine/" | sort -r); do
        umount -l "$point" || true
    done
}
