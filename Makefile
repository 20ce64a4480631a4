# make run    installs what is missing, builds and starts Corvane
# make test   installs what is missing, builds and runs every test,
#             then the whole suite again under AddressSanitizer and UBSan
# make bench  benchmarks, optimised build
# make fuzz   the core's libFuzzer target for FUZZ_SECONDS (60 by default)
# make package  the Debian package and the source archive, in build/release
# make clean  removes every build

# Debian 12 packages each part of the work needs.
PACKAGES_BUILD := cmake ninja-build g++ libgtest-dev qt6-base-dev qt6-translations-l10n fonts-liberation \
                  dpkg-dev
PACKAGES_BENCH := libbenchmark-dev
PACKAGES_FUZZ  := clang libclang-rt-14-dev
# The real-window tests: a private X server, a window manager, keys, the
# clipboard, screenshots, and the accessibility bus to read the windows.
PACKAGES_REEL  := xvfb openbox xdotool x11-utils wmctrl xclip imagemagick \
                  dbus-daemon at-spi2-core python3-pyatspi
# The printing tests: a private CUPS server, and PDF pages turned into pictures.
PACKAGES_IMPRESSION := cups-daemon cups-client poppler-utils
# The package test: what validates the desktop entry and the AppStream file.
PACKAGES_PAQUET := desktop-file-utils appstream

FUZZ_SECONDS ?= 60
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench fuzz package clean deps-build deps-bench deps-fuzz deps-test

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

# Configures a preset once; later builds re-run CMake by themselves when needed.
define construire
	@[ -f build/$(1)/CMakeCache.txt ] || cmake --preset $(1)
	cmake --build --preset $(1)
endef

deps-build:
	$(call installer,$(PACKAGES_BUILD) $(PACKAGES_BENCH))

deps-bench: deps-build
	$(call installer,xvfb python3)

deps-test: deps-test
	$(call installer,$(PACKAGES_REEL) $(PACKAGES_IMPRESSION) $(PACKAGES_PAQUET))

deps-fuzz: deps-build
	$(call installer,$(PACKAGES_FUZZ))

run: deps-build
	$(call construire,dev)
	build/dev/app/corvane

test: deps-test
	$(call construire,dev)
	ctest --preset dev
	$(call construire,sanitize)
	ctest --preset sanitize

bench: deps-bench
	$(call construire,release)
	build/release/bench/corvane_core_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.warning=false" build/release/bench/corvane_commandes_bench
	xvfb-run -a python3 bench/demarrage/demarrage.py build/release/bench/corvane_demarrage_bench \
	    build/release/bench/corvane_demarrage_plancher

fuzz: deps-fuzz
	$(call construire,fuzz)
	mkdir -p build/fuzz/corpus
	build/fuzz/tests/core/corvane_core_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -artifact_prefix=build/fuzz/ build/fuzz/corpus

package: deps-build
	$(call construire,release)
	cd build/release && cpack && cpack --config CPackSourceConfig.cmake

clean:
	rm -rf build
