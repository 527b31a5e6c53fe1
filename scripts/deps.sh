#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are
# missing. PostgreSQL, its Qt driver and libpq (which reads a chain report's
# stored groups as binary rows) serve the chain statistics and their
# tests, which start a throw-away server (scripts/pg-cluster.sh). libcurl
# sends the mailed reports; the mail tests start a server of their own
# (python3-aiosmtpd, certificates made by openssl). dpkg-dev, file and
# lintian build and check the Debian package (scripts/package.sh); systemd
# brings systemd-analyze, which checks the package's units. python3 runs the
# checks of the layering and of the docs (tests/layering, tests/docs).
# Qt HttpServer (whose CMake files ask for Qt WebSockets) and libsodium
# (password hashes) serve 'veltrum serve'; its browser test drives Debian's
# Chromium with puppeteer-core from npm (tests/web), so it needs Node.js and
# npm too (taken from Debian unless a Node.js with npm is there).
# The audit export's test validates index.xml against its DTD with xmllint
# (libxml2-utils) and reads its ZIP archive with python3; Excel workbooks are
# written with libxlsxwriter and read back in the tests with python3-openpyxl.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
          qt6-qpa-plugins fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
          poppler-utils qt6-charts-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n postgresql libqt6sql6-psql libcurl4-openssl-dev
          python3 python3-aiosmtpd openssl dpkg-dev file lintian systemd qt6-httpserver-dev
          qt6-websockets-dev libsodium-dev chromium libxml2-utils
          libxlsxwriter-dev python3-openpyxl libpq-dev)
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi
# The fuzz build (-DVELTRUM_FUZZ=ON) alone needs clang and its runtime.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq "${missing[@]}"
fi
