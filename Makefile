# make run  : install what is missing, build, start the program on the demo data
# make screenshots: pictures of the main windows into docs/screenshots (under xvfb-run and openbox)
# make test : install what is missing, build with sanitizers, run every test
# make bench: release build, run the benchmarks
# make fuzz : clang build with libFuzzer and sanitizers, run every fuzz target FUZZ_SECONDS each
# make install [PREFIX=/opt/dlt] [DESTDIR=DIR]: release build for PREFIX, installed there
# make package: the Debian package build/release/dlt_VERSION-1_ARCH.deb (prefix /usr)

PACKAGES := g++ cmake make pkg-config libsqlite3-dev libcli11-dev libgtest-dev libgmock-dev \
            libbenchmark-dev qt6-base-dev libgl1-mesa-dev xvfb xauth fonts-wqy-microhei help2man \
            ccache libcurl4-openssl-dev qt6-translations-l10n openbox
# Only `make fuzz` needs these; `make test` replays the fuzz corpora without clang.
FUZZ_PACKAGES := clang libclang-rt-14-dev
# Only `make package` needs these: dpkg-shlibdeps finds the package's dependencies;
# lintian, desktop-file-validate and appstreamcli check the package as the distribution does.
PACKAGE_PACKAGES := dpkg-dev file lintian desktop-file-utils appstream
PREFIX ?= /usr/local
RELEASE_CONFIG := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDLT_BUILD_TESTS=OFF
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEMO_DIR := demo

FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= $(patsubst tests/fuzz/%_fuzz.cpp,%,$(wildcard tests/fuzz/*_fuzz.cpp))
FUZZ_DIR := build/fuzz

.PHONY: all deps fuzz-deps package-deps build run screenshots test bench fuzz install package clean

all: build

# Installs the packages of the list $(1) that are missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps: deps
	$(call install_missing,$(FUZZ_PACKAGES))

package-deps: deps
	$(call install_missing,$(PACKAGE_PACKAGES))

build/release/Makefile: CMakeLists.txt
	cmake -S . -B build/release $(RELEASE_CONFIG)

build: deps build/release/Makefile
	cmake --build build/release -j $(JOBS)

$(DEMO_DIR)/database/basedata.db:
	./build/release/src/cli/dlt --data-dir $(DEMO_DIR) history demo

run: build $(DEMO_DIR)/database/basedata.db
	./build/release/src/gui/dlt-gui --data-dir $(DEMO_DIR)

# A fresh settings file each time: the pictures never depend on the user's own.
# The smallest screen the program is made for, with a window manager that
# frames the windows as a desktop does; the D-Bus suppression lets a
# sanitizer build of the program take the pictures too.
screenshots: build $(DEMO_DIR)/database/basedata.db
	rm -f build/screenshots.ini
	mkdir -p docs/screenshots
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan_dbus.supp \
	xvfb-run -a -s "-screen 0 1366x768x24" tools/with_openbox.sh ./build/release/src/gui/dlt-gui --data-dir $(DEMO_DIR) \
	  --settings build/screenshots.ini --screenshot docs/screenshots

test: deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DDLT_SANITIZE=ON \
	  -DDLT_SHARED_LIBS=ON -DDLT_PRECOMPILED_HEADERS=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DDLT_BUILD_TESTS=OFF -DDLT_BUILD_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@for b in build/bench/bench/bench_*; do \
	  if [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

# New inputs the fuzzer finds go to $(FUZZ_DIR)/corpus/NAME (the seeds in
# tests/fuzz/NAME stay as they are), faults to $(FUZZ_DIR)/crashes/NAME.
fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDLT_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@failed=""; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/crashes/$$t; \
	  dict=""; [ -f tests/fuzz/$$t.dict ] && dict="-dict=tests/fuzz/$$t.dict"; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/tests/fuzz/fuzz_$$t $$dict -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/crashes/$$t/ \
	    $(FUZZ_DIR)/corpus/$$t tests/fuzz/$$t || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "Faults found by:$$failed (inputs in $(FUZZ_DIR)/crashes/)"; exit 1; fi

# The programs look for their installation data under the prefix they were
# built for (after the folder beside them), so each target configures its own.
install: deps
	cmake -S . -B build/release $(RELEASE_CONFIG) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build build/release -j $(JOBS)
	DESTDIR=$(DESTDIR) cmake --install build/release --strip

# The package is checked as the distribution checks it: a lintian error or
# warning, an invalid menu entry or invalid AppStream metadata fails the build.
package: package-deps
	cmake -S . -B build/release $(RELEASE_CONFIG) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build/release -j $(JOBS)
	rm -f build/release/dlt_*.deb
	cd build/release && cpack -G DEB
	lintian --fail-on error,warning --display-info build/release/dlt_*.deb
	desktop-file-validate packaging/dlt.desktop
	appstreamcli validate --no-net build/release/packaging/org.dlt_project.dlt.metainfo.xml

clean:
	rm -rf build
