#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Only packages that are missing are installed; nothing is downloaded any
# other way.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev sqlite3
  poppler-utils
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-wqy-zenhei fonts-noto-cjk
  liberfa-dev
  nlohmann-json3-dev libical-dev python3-jsonschema python3-icalendar
  libopencc-dev opencc
  clang libclang-rt-14-dev clang-format
  scdoc man-db lintian appstream desktop-file-utils tzdata bash-completion zsh
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
