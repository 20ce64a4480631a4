#!/usr/bin/env bash
# Builds Qt's qtbase for Windows x86-64 with mingw-w64, from the Debian source
# package of the Qt installed here (its host tools must be of the same
# version), as Debian patches it, once per machine: the result is kept
# outside any clone, in a folder named after the source package's version
# (Debian revision included, so that a security update builds anew) and a
# digest of the recipe, and a later run that finds it complete only prints
# its path. That folder's source-debian.txt says which source and patches
# made it, and its source/ holds that source as fetched (.dsc and tarballs),
# to be published beside the program. Its compiles.txt lists every file of
# the source that went into the build, and attributions/ holds the source's
# third-party attribution records with the licences they name: together
# they tell whose code is inside the DLLs.
#
#   cmake/windows/qt.sh        prints the folder of the installed Qt
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
. /etc/os-release

# Only what the program and its tests use. The dfsg tarball has no wintab
# headers, hence no tablet events; offscreen is kept for the window tests,
# and direct2d too, which in Qt 6.8 also gates the DirectWrite font
# database. Optimised for size, which keeps the download small, and built in
# unity batches, which halves the build's time on a small machine.
options=(-xplatform win32-g++ -release -shared -optimize-size -unity-build -nomake tests -nomake examples
    -no-opengl -no-dbus -no-feature-vulkan -no-feature-tabletevent -no-feature-sql
    -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-printpreviewwidget -no-feature-printdialog
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -no-icu)
cache=${CORVANE_CACHE:-/var/cache/corvane}
travail=$cache/qt-$version-mingw64-travail
# The working folder never reaches the DLLs (their assertion texts name
# files from the source's root), wherever the cache is.
drapeaux="-ffile-prefix-map=$travail/="
empreinte=$( (printf '%s\n' "${options[@]}" -ffile-prefix-map SOURCE_DATE_EPOCH compiles.txt
    x86_64-w64-mingw32-g++-posix -dumpfullversion) |
    sha256sum | cut -c1-12)
prefixe=$cache/qt-$version-mingw64-$empreinte
if [ -f "$prefixe/.complet" ]; then
    echo "$prefixe"
    exit 0
fi

rm -rf "$travail"
mkdir -p "$travail/apt/lists/partial" "$travail/apt/cache" "$travail/apt/sources.list.d"
cd "$travail"

# The machine's own apt sources, as source entries, in a private
# configuration: the machine's own sources and lists stay untouched.
for fichier in /etc/apt/sources.list.d/*.sources; do
    if [ -f "$fichier" ]; then sed 's/^Types:.*/Types: deb-src/' "$fichier"; echo; fi
done >apt/sources.list.d/machine.sources
for fichier in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    if [ -f "$fichier" ]; then sed -n 's/^deb[[:space:]]/deb-src /p' "$fichier"; fi
done >apt/sources.list.d/machine.list
aptprive=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$travail/apt/sources.list.d"
    -o "Dir::State::Lists=$travail/apt/lists" -o "Dir::Cache=$travail/apt/cache")
apt-get "${aptprive[@]}" update -qq >&2
mkdir telecharge
(cd telecharge && apt-get "${aptprive[@]}" source --download-only -qq "qt6-base=$version" >&2)
# Unpacked with Debian's whole series applied, so that its security fixes
# are in the Qt we ship. None is left out: the patches that are not fixes
# change only what this build never uses (other processors' detection,
# Debian's own cross and zstd builds, the online documentation), and apply
# and build for Windows as they are. dpkg-source warns that it cannot check
# the .dsc's own signature, which needs Debian's developers' keyring: apt has
# already checked every file against the archive's signed index.
dpkg-source -x telecharge/qt6-base_*.dsc source >&2
# Dated by the source's last Debian change rather than by the clock, so that
# two builds give the same DLLs.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l source/debian/changelog -S Timestamp)
export SOURCE_DATE_EPOCH

mkdir construction
cd construction
../source/configure -prefix "$prefixe" "${options[@]}" \
    -qt-host-path /usr -- \
    -DCMAKE_TOOLCHAIN_FILE="$ici/mingw64.cmake" \
    -DCMAKE_C_FLAGS="$drapeaux" -DCMAKE_CXX_FLAGS="$drapeaux" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
cp -r ../telecharge "$prefixe/source"
# Every file of the source that went into the DLLs the program ships, named
# from the source's root: each step's inputs (sources, and data such as
# Unicode's tables and the MIME database, which become code or resources),
# and what each of their compilations included, by ninja's record of the
# compiler's dependencies.
livrees=(bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll
    plugins/platforms/qwindows.dll plugins/styles/qmodernwindowsstyle.dll)
entrees=$(ninja -t inputs "${livrees[@]}" | tr -d "'")
{ echo "$entrees"; ninja -t deps $(grep '\.obj$' <<<"$entrees"); } | awk -v absolu="$travail/source/" '{
    if (index($1, absolu) == 1) print substr($1, length(absolu) + 1)
    else if (index($1, "../source/") == 1) print substr($1, 11) }' | sort -u >"$prefixe/compiles.txt"
[ -s "$prefixe/compiles.txt" ] || { echo "qt.sh : ninja ne dit pas quels fichiers ont été compilés" >&2; exit 1; }
"$ici/attributions.py" copier ../source "$prefixe/attributions"
{
    echo "Qt pour Windows construit depuis le paquet source Debian qt6-base $version"
    echo "($PRETTY_NAME ; « apt-get source qt6-base=$version » le télécharge,"
    echo "et il est publié avec Corvane : $(cd ../telecharge && echo *)),"
    echo "par cmake/windows/qt.sh de Corvane, avec ces options de configuration :"
    echo "  ${options[*]}"
    echo "Correctifs de Debian appliqués (debian/patches/series) :"
    grep -v -e '^#' -e '^[[:space:]]*$' ../source/debian/patches/series | sed 's/^/  /'
} >"$prefixe/source-debian.txt"
touch "$prefixe/.complet"
cd /
rm -rf "$travail"
echo "$prefixe"
