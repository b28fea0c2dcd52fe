#!/usr/bin/env bash
# Installs the Debian packages dek2018 needs to build, test and print, when
# they are missing. Run as root on Debian 12 (bookworm).
set -euo pipefail

packages=(
  build-essential cmake g++ pkg-config
  qt6-base-dev libcups2-dev libqpdf-dev libpoppler-qt6-dev libharfbuzz-dev nlohmann-json3-dev libgtest-dev googletest
  libbenchmark-dev fonts-liberation2 qt6-translations-l10n
  poppler-utils qpdf jq cups printer-driver-cups-pdf xvfb xauth python3-reportlab
  python3-fonttools ghostscript mupdf-tools
  dpkg-dev file
  clang libclang-rt-14-dev
)
if [[ ${1:-} == --print-only ]]; then
  # The demo needs neither the test tools nor the fuzzing compiler.
  packages=(build-essential cmake g++ pkg-config qt6-base-dev libcups2-dev libqpdf-dev libpoppler-qt6-dev libharfbuzz-dev
            nlohmann-json3-dev libgtest-dev googletest fonts-liberation2 qt6-translations-l10n)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "dek2018 setup: missing packages: ${missing[*]}; run this script as root" >&2
    exit 1
  fi
  echo "dek2018 setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
