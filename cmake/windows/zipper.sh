#!/bin/sh
# zipper.sh FOLDER ZIP: zips FOLDER (from its parent) into ZIP, in bytes that
# depend on the files' contents alone: names in a fixed order, every date the
# last commit's ($SOURCE_DATE_EPOCH) in UTC, modes made plain, and no owner.
set -eu
dossier=$1
zip=$(realpath "$2")
rm -f "$zip"
cd "$(dirname "$dossier")"
dossier=$(basename "$dossier")
chmod -R u=rwX,go=rX "$dossier"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    find "$dossier" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
find "$dossier" | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$zip"
