#!/usr/bin/env bash
# Builds Qt's qtbase for Windows x86-64 with mingw-w64, from Debian's own
# source package as Debian patches it, once per machine: the result is kept
# outside any clone, in a folder named after the source package's version
# (Debian revision included, so that a security update builds anew) and a
# digest of the options, and a later run that finds it complete only prints
# its path. That folder's source-debian.txt says which source and patches
# made it.
#
#   cmake/windows/qt.sh        prints the folder of the installed Qt
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Only what the program and its tests use. The dfsg tarball has no wintab
# headers, hence no tablet events; offscreen is kept for the window tests.
options=(-xplatform win32-g++ -release -shared -nomake tests -nomake examples
    -no-opengl -no-dbus -no-feature-vulkan -no-feature-tabletevent -no-feature-sql
    -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-printpreviewwidget -no-feature-printdialog
    -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -no-icu)
empreinte=$( (printf '%s\n' "${options[@]}"; x86_64-w64-mingw32-g++-posix -dumpfullversion) | sha256sum | cut -c1-12)
cache=${CORVANE_CACHE:-/var/cache/corvane}
prefixe=$cache/qt-$version-mingw64-$empreinte
if [ -f "$prefixe/.complet" ]; then
    echo "$prefixe"
    exit 0
fi

travail=$cache/qt-$version-mingw64-travail
rm -rf "$travail"
mkdir -p "$travail/apt/lists/partial" "$travail/apt/cache" "$travail/apt/sources.list.d"
cd "$travail"

# A deb-src entry for the mirror the machine's apt already names, in a
# private configuration: the machine's own sources and lists stay untouched.
miroir=$(for fichier in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
    if [ -f "$fichier" ]; then cat "$fichier"; fi
done | awk '/^URIs:/ { uri = $2 } /^Suites:.*bookworm( |$)/ && uri && !m { m = uri }
    /^deb / && $3 == "bookworm" && !m { m = $2 } END { if (m) print m }')
[ -n "$miroir" ] || { echo "qt.sh : aucun miroir de bookworm dans la configuration d'apt" >&2; exit 1; }
cat > apt/sources.list.d/source.sources <<SOURCES
Types: deb-src
URIs: $miroir
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
aptprive=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$travail/apt/sources.list.d"
    -o "Dir::State::Lists=$travail/apt/lists" -o "Dir::Cache=$travail/apt/cache")
apt-get "${aptprive[@]}" update -qq >&2
apt-get "${aptprive[@]}" source --download-only -qq "qt6-base=$version" >&2
# Unpacked with Debian's whole series applied, so that its security fixes
# are in the Qt we ship. None is left out: the patches that are not fixes
# change only what this build never uses (other processors' detection,
# Debian's own cross and zstd builds, the online documentation), and apply
# and build for Windows as they are. dpkg-source warns that it cannot check
# the .dsc's own signature, which needs Debian's developers' keyring: apt has
# already checked every file against the archive's signed index.
dpkg-source -x qt6-base_*.dsc source >&2

mkdir construction
cd construction
../source/configure -prefix "$prefixe" "${options[@]}" \
    -qt-host-path /usr -- \
    -DCMAKE_TOOLCHAIN_FILE="$ici/mingw64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
{
    echo "Qt pour Windows construit depuis le paquet source Debian qt6-base $version"
    echo "(Debian 12 « bookworm » ; « apt-get source qt6-base=$version » le télécharge),"
    echo "par cmake/windows/qt.sh de Corvane, avec ces options de configuration :"
    echo "  ${options[*]}"
    echo "Correctifs de Debian appliqués (debian/patches/series) :"
    grep -v -e '^#' -e '^[[:space:]]*$' ../source/debian/patches/series | sed 's/^/  /'
} >"$prefixe/source-debian.txt"
touch "$prefixe/.complet"
cd /
rm -rf "$travail"
echo "$prefixe"
