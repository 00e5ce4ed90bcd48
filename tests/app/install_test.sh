#!/usr/bin/env bash
# `make install` into a scratch folder: install_test.sh BUILD_DIR.
# The program folder must hold the programs and their data together, the
# launchers on the PATH must run the programs from there, and the desktop
# entry and icons must be in place.
set -u
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /opt/vantrel-test >/dev/null || fail "cmake --install"
prefix=$root/opt/vantrel-test
for f in lib/vantrel/vantrel lib/vantrel/vantrel-cli; do
  [ -x "$prefix/$f" ] || fail "$f is not an installed program"
done
for f in lib/vantrel/KelFile.dll lib/vantrel/Tgcode.dll share/applications/io.github.vantrel.Vantrel.desktop \
         share/icons/hicolor/scalable/apps/vantrel.svg share/icons/hicolor/48x48/apps/vantrel.png \
         share/icons/hicolor/256x256/apps/vantrel.png; do
  [ -s "$prefix/$f" ] || fail "$f is missing"
done
# The JSON Schemas the manual page points to.
for f in lunar bazi marriage terms; do
  [ -s "$prefix/share/doc/vantrel/schema/$f.schema.json" ] || fail "the schema of $f is missing"
done
# The completion where each shell looks below a prefix other than /usr.
for f in share/bash-completion/completions/vantrel-cli share/zsh/site-functions/_vantrel-cli; do
  [ -s "$prefix/$f" ] || fail "$f is missing"
done
if [ -d "$build/bin/shensha" ]; then
  [ -d "$prefix/lib/vantrel/shensha" ] || fail "the shensha folder is missing"
fi
for launcher in vantrel vantrel-cli; do
  [ -L "$prefix/bin/$launcher" ] || fail "bin/$launcher is not a link"
  [ "$(readlink -f "$prefix/bin/$launcher")" = "$(readlink -f "$prefix/lib/vantrel/$launcher")" ] ||
    fail "bin/$launcher does not lead to lib/vantrel/$launcher"
done

# Run through the launcher from elsewhere: the program must find the data
# files beside its real executable (the mobile-number lookup reads table
# shouji of KelFile.dll).
out=$(cd / && "$prefix/bin/vantrel-cli" number --kind mobile 13912340023 2>&1)
rc=$?
[ "$rc" -eq 0 ] || fail "vantrel-cli through its launcher: exit $rc: $out"
[ "$(printf '%s\n' "$out" | head -1)" = "13912340023" ] || fail "unexpected output: $out"

grep -qx 'Exec=vantrel' "$prefix/share/applications/io.github.vantrel.Vantrel.desktop" || fail "the desktop entry does not start vantrel"
grep -qx 'Icon=vantrel' "$prefix/share/applications/io.github.vantrel.Vantrel.desktop" || fail "the desktop entry has no icon"
head -c 5 "$prefix/share/icons/hicolor/scalable/apps/vantrel.svg" | grep -q '<?xml' || fail "the SVG icon is not XML"

[ "$failures" -eq 0 ] && echo "install layout ok"
[ "$failures" -eq 0 ]
