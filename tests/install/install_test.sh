#!/bin/sh
# Installs the build tree into a temporary root with the prefix /usr, as the
# package does, and runs the installed programs from there.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR VERSION GUI(0|1) MAN_PAGES(0|1)
set -eu
cmake=$1 build=$2 source=$3 version=$4 gui=$5 man=$6

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR="$root/dest" "$cmake" --install "$build" --prefix /usr >"$root/install.log" ||
  { cat "$root/install.log" >&2; fail "cmake --install"; }
usr="$root/dest/usr"

out=$("$usr/bin/dlt" --version) || fail "dlt --version exits with $?"
[ "$out" = "dlt $version" ] || fail "dlt --version prints '$out'"

out=$("$usr/bin/dlt" --data-dir "$root/data" history demo --draws 50) || fail "history demo exits with $?"
[ "$out" = "已生成50期演示数据(随机合成, 并非真实开奖)" ] || fail "history demo prints '$out'"
lines=$("$usr/bin/dlt" --data-dir "$root/data" history list | wc -l)
[ "$lines" -eq 50 ] || fail "history list prints $lines draws after the demo"
[ -f "$root/data/database/basedata.db" ] || fail "no draw table in the data folder"

if [ "$gui" = 1 ]; then
  out=$(DISPLAY= WAYLAND_DISPLAY= "$usr/bin/dlt-gui" --version) || fail "dlt-gui --version exits with $?"
  [ "$out" = "dlt-gui $version" ] || fail "dlt-gui --version prints '$out'"
  # Every file a new data folder is seeded from, byte for byte, and nothing else.
  diff -r "$source/data" "$usr/share/dlt" || fail "share/dlt differs from the installation data"
  desktop="$usr/share/applications/dlt.desktop"
  grep -qx 'Exec=dlt-gui' "$desktop" || fail "the menu entry does not start dlt-gui"
  grep -qx 'Icon=dlt' "$desktop" || fail "the menu entry names another icon"
  for size in 16 32 48 256; do
    [ -s "$usr/share/icons/hicolor/${size}x$size/apps/dlt.png" ] || fail "no ${size}px icon"
  done
fi

# What the distribution asks of a package: the licence and the changelog.
doc="$usr/share/doc/dlt"
grep -qx 'License: GPL-3.0-or-later' "$doc/copyright" || fail "no GPL-3.0-or-later in the copyright file"
gzip -dc "$doc/changelog.Debian.gz" | head -1 | grep -q "^dlt ($version-1) " ||
  fail "changelog.Debian.gz does not start with version $version-1"
if [ "$gui" = 1 ]; then
  grep -q "<release version=\"$version\"" "$usr/share/metainfo/org.dlt_project.dlt.metainfo.xml" ||
    fail "the AppStream metadata names no release $version"
  grep -q 'usr/share/dlt/help.htm' "$usr/share/lintian/overrides/dlt" || fail "no override for help.htm"
fi

if [ "$man" = 1 ]; then
  programs=dlt
  [ "$gui" = 1 ] && programs="dlt dlt-gui"
  for p in $programs; do
    page="$usr/share/man/man1/$p.1.gz"
    [ -f "$page" ] || fail "no manual page $p.1.gz"
    # The page is the program's own help: its version and its options.
    gzip -dc "$page" | grep -q "^\.TH .*\"$p $version\"" || fail "$p.1 names no version $version"
    gzip -dc "$page" | grep -q 'data\\-dir' || fail "$p.1 lacks the --data-dir option"
  done
fi
echo "installed tree works"
