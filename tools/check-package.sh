#!/usr/bin/env bash
# Checks what a distribution would check of the package: check-package.sh
# BUILD_DIR. Each finding fails the check:
# - lintian on the .deb: any error, warning or informational note that is not
#   overridden, with its reason, in packaging/lintian-overrides;
# - appstreamcli on the packaged AppStream metadata: any error, warning or
#   note (the pedantic remark on the capital letter of the reverse-DNS id is
#   the id's own and stays);
# - desktop-file-validate on the packaged desktop entry: any output;
# - man on both manual pages with its warnings on;
# and the programs of the unpacked package must run from another folder.
set -uo pipefail
build=${1:-build/default}
status=0
fail() { echo "FAIL: $*"; status=1; }

deb=$(ls -t "$build"/vantrel_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no package in $build (make package)"; exit 1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
share=$unpacked/usr/share

echo "== lintian $deb"
findings=$(lintian --display-info --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges')
[ -n "$findings" ] && echo "$findings"
grep -qE '^[EWI]: ' <<<"$findings" && fail "lintian reports errors, warnings or notes"

echo "== appstreamcli validate"
findings=$(appstreamcli validate --no-net "$share/metainfo/io.github.vantrel.Vantrel.metainfo.xml" 2>&1)
rc=$?
echo "$findings"
{ [ $rc -ne 0 ] || grep -qE '^[EWI]: ' <<<"$findings"; } && fail "the AppStream metadata"

echo "== desktop-file-validate"
findings=$(desktop-file-validate "$share/applications/io.github.vantrel.Vantrel.desktop" 2>&1)
[ -z "$findings" ] || { echo "$findings"; fail "the desktop entry"; }

echo "== manual pages"
for page in vantrel vantrel-cli; do
  file=$share/man/man1/$page.1.gz
  [ -s "$file" ] || { fail "the package lacks $page(1)"; continue; }
  findings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
  [ -z "$findings" ] || { echo "$findings"; fail "man reports warnings for $page(1)"; }
done

echo "== the unpacked package, run from another folder"
for f in doc/vantrel/copyright doc/vantrel/changelog.gz bash-completion/completions/vantrel-cli \
         zsh/vendor-completions/_vantrel-cli icons/hicolor/scalable/apps/vantrel.svg; do
  [ -s "$share/$f" ] || fail "the package lacks /usr/share/$f"
done
(cd / && "$unpacked/usr/bin/vantrel-cli" --version) | grep -qx 'vantrel-cli [0-9.]*' || fail "vantrel-cli --version"
(cd / && "$unpacked/usr/bin/vantrel-cli" lunar 2013-9-21) | grep -q '癸巳' || fail "vantrel-cli reads its data"
(cd / && env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/vantrel" --help) | grep -q 'KelFile.dll' || fail "vantrel --help"
[ $status -eq 0 ] && echo "package checks passed"
exit $status
