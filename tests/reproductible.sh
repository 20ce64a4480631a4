#!/usr/bin/env bash
# The same bytes from every build of a commit: the Debian package, the source
# archive and the Windows program (corvane.exe, the zip, the installer) are
# built here, then again from a clone in another folder, later, under umask
# 002, another time zone and another locale; each pair must be identical,
# and each build's SHA256SUMS must list its artefacts. On a difference,
# diffoscope shows where it lies.
#
#   tests/reproductible.sh VERSION    (make check-reproducible gives it)
set -euo pipefail
version=$1
cd "$(dirname "$0")/.."
travail=$PWD/build/reproductible

echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

git diff --quiet HEAD -- || echec "des changements ne sont pas enregistrés : deux constructions de HEAD les ignoreraient"
rm -rf "$travail"
mkdir -p "$travail"
git clone -q --no-hardlinks "$PWD" "$travail/corvane"

construire() {
    make package distribution-windows
}
construire
(
    cd "$travail/corvane"
    umask 002
    export TZ=XYZ-13 LC_ALL=C.UTF-8
    construire
)

differences=0
for artefact in release/corvane_"$version"_*.deb release/corvane-"$version".tar.gz \
    windows/corvane-"$version"-win64/corvane.exe windows/corvane-"$version"-win64.zip \
    windows/corvane-"$version"-setup.exe; do
    premier=$(ls build/$artefact) second=$(ls "$travail"/corvane/build/$artefact)
    if cmp -s "$premier" "$second"; then
        echo "identique : $artefact"
    else
        echo "DIFFÉRENT : $artefact" >&2
        timeout 600 diffoscope --max-report-size 200000 "$premier" "$second" >&2 || true
        differences=$((differences + 1))
    fi
done
for dossier in build/release build/windows "$travail"/corvane/build/release "$travail"/corvane/build/windows; do
    (cd "$dossier" && sha256sum --quiet -c SHA256SUMS) || echec "$dossier/SHA256SUMS ne correspond pas"
done
grep -q "corvane_${version}_.*\.deb" build/release/SHA256SUMS && grep -q "corvane-$version.tar.gz" build/release/SHA256SUMS &&
    grep -q "corvane-$version-win64.zip" build/windows/SHA256SUMS && grep -q "corvane-$version-setup.exe" build/windows/SHA256SUMS ||
    echec "SHA256SUMS ne liste pas chaque artefact"
((differences == 0)) || echec "$differences artefacts diffèrent d'une construction à l'autre"
rm -rf "$travail"
echo "reproductible : les deux constructions sont identiques"
