#!/usr/bin/env bash
# Checks what a distribution would check of the package: check-package.sh
# BUILD_DIR. lintian on the .deb (any error or warning that is not overridden
# beside the packaging fails), the AppStream metadata and the desktop entry
# through their validators, the manual pages through man with warnings on,
# and the programs of the unpacked package run from another folder.
set -uo pipefail
build=${1:-build/default}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
fail() { echo "FAIL: $*"; status=1; }

deb=$(ls -t "$build"/vantrel_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no package in $build (make package)"; exit 1; }
echo "== lintian $deb"
findings=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges')
[ -n "$findings" ] && echo "$findings"
grep -qE '^[EW]: ' <<<"$findings" && fail "lintian reports errors or warnings"

echo "== appstreamcli validate"
appstreamcli validate --no-net "$root/app/io.github.vantrel.Vantrel.metainfo.xml" || fail "the AppStream metadata"
echo "== desktop-file-validate"
out=$(desktop-file-validate "$root/app/io.github.vantrel.Vantrel.desktop" 2>&1)
[ -z "$out" ] || { echo "$out"; fail "the desktop entry"; }

echo "== manual pages"
for page in "$build"/man/vantrel.1.gz "$build"/man/vantrel-cli.1.gz; do
  [ -s "$page" ] || { fail "$page was not built"; continue; }
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || { echo "$out"; fail "man reports warnings for $(basename "$page")"; }
done

echo "== the unpacked package, run from another folder"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for f in usr/share/doc/vantrel/copyright usr/share/doc/vantrel/changelog.gz usr/share/man/man1/vantrel-cli.1.gz \
         usr/share/metainfo/io.github.vantrel.Vantrel.metainfo.xml usr/share/applications/io.github.vantrel.Vantrel.desktop \
         usr/share/bash-completion/completions/vantrel-cli usr/share/zsh/vendor-completions/_vantrel-cli; do
  [ -s "$unpacked/$f" ] || fail "the package lacks $f"
done
(cd / && "$unpacked/usr/bin/vantrel-cli" --version) | grep -qx 'vantrel-cli [0-9.]*' || fail "vantrel-cli --version"
(cd / && "$unpacked/usr/bin/vantrel-cli" lunar 2013-9-21) | grep -q '癸巳' || fail "vantrel-cli reads its data"
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/vantrel" --help) | grep -q 'KelFile.dll' || fail "vantrel --help"
[ $status -eq 0 ] && echo "package checks passed"
exit $status
