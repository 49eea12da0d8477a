#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the pictures need. Idempotent; skips
# apt-get when everything is present already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libboost-dev libcli11-dev nlohmann-json3-dev libdxflib-dev
  libcairo2-dev libfreetype-dev libfontconfig-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  python3-ezdxf  # an independent DXF reader for the tests
  clang libclang-rt-14-dev  # the fuzz preset: clang and its libFuzzer and sanitizer runtimes
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
