# make run          installs what is missing, builds and starts Corvane
# make test         installs what is missing, builds and runs every test,
#                   then the whole suite again under AddressSanitizer and UBSan
# make bench        benchmarks, optimised build
# make fuzz         the core's libFuzzer target for FUZZ_SECONDS (60 by default)
# make test-cross   the core's suite built for i386, armhf, arm64 and s390x, run under qemu-user
# make package      the Debian package, checked by lintian, and the source archive, in build/release
# make check-fresh  the README's commands on freshly bootstrapped Debian 12 and 13, and the package
# make windows      the Windows zip and installer in build/windows, cross-built and tested under wine
#                   (on Debian 13, whose Qt host tools its Qt for Windows is built against;
#                   elsewhere in a Debian 13 root that it bootstraps once)
# make distribution-windows  the same zip and installer, untested
# make check-reproducible    the package, the source archive and the Windows program built again
#                   elsewhere, later, under another umask, time zone and locale: the same bytes
# make clean        removes every build
# make paquets      lists every package a target names (the fresh check looks each up)

# Debian packages, one list per kind of work, each name the same on Debian 12
# and 13. Each target installs the lists it uses, and only those, so that any
# target works first on a fresh machine whatever ran before.
PACKAGES_BUILD := cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
PACKAGES_BENCH := xvfb python3 openbox wmctrl dbus-daemon
# clang's runtime for its default version, whichever the release has.
PACKAGES_FUZZ  := clang libclang-rt-dev
# The real-window tests: a private X server, window managers (openbox, and
# GNOME's and Xfce's, which composite), keys and the French layout, the
# clipboard, screenshots, the accessibility bus to read the windows, and
# headless Wayland compositors (weston, and mutter again) with XWayland.
PACKAGES_REEL  := xvfb openbox mutter xfwm4 xdotool x11-utils x11-xkb-utils wmctrl xclip imagemagick \
                  dbus-daemon at-spi2-core python3-pyatspi weston xwayland qt6-wayland
# The printing tests: a private CUPS server, and PDF pages turned into pictures.
PACKAGES_IMPRESSION := cups-daemon cups-client poppler-utils
# The package: its dependencies computed, its desktop entry, AppStream file and Debian rules checked.
PACKAGES_PAQUET := dpkg-dev desktop-file-utils appstream lintian git
# Two builds compared, and their differences shown.
PACKAGES_REPRO := git diffoscope-minimal
# The core for other processors: cross compilers, GoogleTest's sources, qemu-user.
PACKAGES_CROSS := cmake ninja-build googletest qemu-user \
                  g++-i686-linux-gnu g++-arm-linux-gnueabihf g++-aarch64-linux-gnu g++-s390x-linux-gnu
PACKAGES_NEUVE := debootstrap
# Windows, on Debian 13: mingw-w64 with posix threads (Qt 6 needs them), Qt's host tools to
# build Qt for Windows once from Debian's source package, wine to run the
# tests (with fonts for Qt's offscreen platform there), NSIS for the
# installer, zip for the portable folder, python3 for Qt's attribution records, and what reads
# the program's resources and its printed pages.
PACKAGES_WINDOWS := g++-mingw-w64-x86-64-posix qt6-base-dev-tools dpkg-dev googletest xz-utils wine64 fonts-wine xauth \
                    fonts-liberation python3 \
                    nsis zip unzip icoutils ghostscript
CROSS := i386 armhf arm64 s390x

# Every artefact is dated by the last commit, whenever and wherever it is
# built: the compilers, linkers, strip, CPack and makensis read this.
ifeq ($(origin SOURCE_DATE_EPOCH),undefined)
SOURCE_DATE_EPOCH := $(shell git log -1 --format=%ct 2>/dev/null)
endif
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

FUZZ_SECONDS ?= 60
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Where Qt for Windows is kept once built, outside any clone.
CORVANE_CACHE ?= $(if $(SUDO),$(HOME)/.cache/corvane,/var/cache/corvane)

# The version, from the one place it is written.
VERSION := $(shell grep -m 1 -o 'Corvane VERSION [0-9.]*' CMakeLists.txt | cut -d ' ' -f 3)

.PHONY: run test bench fuzz test-cross package check-fresh windows distribution-windows check-reproducible \
        clean paquets

# Installs the packages of $(1) that dpkg does not know as installed; nothing when all are.
define installer
	@manquants=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; \
	done); \
	if [ -n "$$manquants" ]; then \
	    echo "Installation de :" $$manquants; \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$manquants; \
	fi
endef

# Configures a preset whenever its folder holds no build system (never made,
# or left half-made by a configure that failed), then builds it.
define construire
	@[ -f build/$(1)/build.ninja ] || cmake --preset $(1)
	cmake --build --preset $(1)
endef

run:
	$(call installer,$(PACKAGES_BUILD))
	$(call construire,dev)
	build/dev/app/corvane

test:
	$(call installer,$(PACKAGES_BUILD) $(PACKAGES_REEL) $(PACKAGES_IMPRESSION) $(PACKAGES_PAQUET))
	$(call construire,dev)
	ctest --preset dev
	$(call construire,sanitize)
	ctest --preset sanitize

bench:
	$(call installer,$(PACKAGES_BUILD) $(PACKAGES_BENCH))
	$(call construire,release)
	build/release/bench/corvane_core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.warning=false" build/release/bench/corvane_commandes_bench
	xvfb-run -a dbus-run-session -- python3 bench/demarrage/demarrage.py build/release/bench/corvane_demarrage_bench \
	    build/release/bench/corvane_demarrage_plancher

fuzz:
	$(call installer,$(PACKAGES_BUILD) $(PACKAGES_FUZZ))
	$(call construire,fuzz)
	mkdir -p build/fuzz/corpus
	build/fuzz/tests/core/corvane_core_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -artifact_prefix=build/fuzz/ build/fuzz/corpus tests/core/corpus

test-cross: $(addprefix cross-,$(CROSS))

cross-%:
	$(call installer,$(PACKAGES_CROSS))
	$(call construire,cross-$*)
	ctest --preset cross-$*

package:
	$(call installer,$(PACKAGES_BUILD) $(PACKAGES_PAQUET))
	$(call construire,release)
	# CPack gives the package's own members the modes the umask gives its files.
	cd build/release && rm -f corvane_*.deb && umask 022 && cpack
	# The committed tree, as git stores it: the same bytes wherever it is made.
	git archive --format=tar.gz --prefix=corvane-$(VERSION)/ -o build/release/corvane-$(VERSION).tar.gz HEAD
	lintian --allow-root --fail-on error,warning build/release/corvane_*.deb
	cd build/release && sha256sum corvane_*.deb corvane-$(VERSION).tar.gz >SHA256SUMS

check-fresh:
	$(call installer,$(PACKAGES_NEUVE) $(PACKAGES_REEL))
	tests/machine_neuve.sh

check-reproducible:
	$(call installer,$(PACKAGES_REPRO))
	tests/reproductible.sh $(VERSION)

ifeq ($(shell . /etc/os-release && echo $$VERSION_CODENAME),trixie)
# Afresh each time, so that a Qt built anew (a security update) is the one found.
define configurer_windows
	$(call installer,$(PACKAGES_BUILD) $(PACKAGES_WINDOWS) $(PACKAGES_REEL) $(PACKAGES_IMPRESSION))
	qt=$$(CORVANE_CACHE=$(CORVANE_CACHE) cmake/windows/qt.sh) && CORVANE_QT_WINDOWS=$$qt cmake --preset windows --fresh
endef
SOMMES_WINDOWS := cd build/windows && sha256sum corvane-$(VERSION)-win64.zip corvane-$(VERSION)-setup.exe qt6-base_* >SHA256SUMS

windows:
	$(configurer_windows)
	cmake --build --preset windows
	# Qt's windows under wine need an X display, even on the offscreen platform.
	xvfb-run -a -s "-nolisten tcp" ctest --preset windows
	$(SOMMES_WINDOWS)

distribution-windows:
	$(configurer_windows)
	cmake --build --preset windows --target distribution
	$(SOMMES_WINDOWS)
else
windows distribution-windows:
	$(call installer,$(PACKAGES_NEUVE))
	$(SUDO) env CORVANE_CACHE=$(CORVANE_CACHE) CI=$(CI) SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) \
	    $(if $(TZ),TZ=$(TZ)) $(if $(LC_ALL),LC_ALL=$(LC_ALL)) cmake/windows/debian13.sh make $@
endif

clean:
	rm -rf build

# Every package a target names, one a line, for the fresh-machine check.
paquets:
	@printf '%s\n' $(sort $(PACKAGES_BUILD) $(PACKAGES_BENCH) $(PACKAGES_FUZZ) $(PACKAGES_REEL) \
	    $(PACKAGES_IMPRESSION) $(PACKAGES_PAQUET) $(PACKAGES_REPRO) $(PACKAGES_CROSS) $(PACKAGES_NEUVE) \
	    $(PACKAGES_WINDOWS))
