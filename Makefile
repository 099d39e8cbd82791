# make run  : install what is missing, build, start the program on the demo data
# make screenshots: pictures of the main windows into docs/screenshots (under xvfb-run)
# make test : install what is missing, build with sanitizers, run every test
# make bench: release build, run the benchmarks

PACKAGES := g++ cmake make pkg-config libsqlite3-dev libcli11-dev libgtest-dev libgmock-dev \
            libbenchmark-dev qt6-base-dev libgl1-mesa-dev xvfb xauth fonts-wqy-microhei
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEMO_DIR := demo

.PHONY: all deps build run screenshots test bench clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

build/release/Makefile: CMakeLists.txt
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDLT_BUILD_TESTS=OFF

build: deps build/release/Makefile
	cmake --build build/release -j $(JOBS)

$(DEMO_DIR)/database/basedata.db:
	./build/release/src/cli/dlt --data-dir $(DEMO_DIR) history demo

run: build $(DEMO_DIR)/database/basedata.db
	./build/release/src/gui/dlt-gui --data-dir $(DEMO_DIR)

# A fresh settings file each time: the pictures never depend on the user's own.
# The smallest screen the program is made for; the D-Bus suppression lets a
# sanitizer build of the program take the pictures too.
screenshots: build $(DEMO_DIR)/database/basedata.db
	rm -f build/screenshots.ini
	mkdir -p docs/screenshots
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan_dbus.supp \
	xvfb-run -a -s "-screen 0 1366x768x24" ./build/release/src/gui/dlt-gui --data-dir $(DEMO_DIR) \
	  --settings build/screenshots.ini --screenshot docs/screenshots

test: deps
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DDLT_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DDLT_BUILD_TESTS=OFF -DDLT_BUILD_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@for b in build/bench/bench/bench_*; do \
	  if [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

clean:
	rm -rf build
