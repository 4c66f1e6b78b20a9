#!/usr/bin/env bash
# Installs what building and testing Tavrel needs, from Debian's packages.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config     # the build
  libgtest-dev libgmock-dev            # unit tests
  python3                              # the independent check of the golden files and the include layers
  python3-jsonschema                   # validating the JSON export against its schema
  clang-format                         # the format check
  libbenchmark-dev                     # benchmarks
  qt6-base-dev qt6-charts-dev          # the windows: Widgets, PrintSupport, Test, Charts
  libqt6opengl6-dev libgl-dev libxkbcommon-dev   # what Qt Charts' CMake package needs
  fonts-dejavu-core fonts-liberation2  # fonts for headless widget tests; Liberation Mono stands in for Courier New
  poppler-utils                        # pdftotext, to read back printed reports in tests
  clang libclang-rt-dev                # libFuzzer, for the fuzzing harnesses
  dpkg-dev file fakeroot               # building the Debian package (dpkg-shlibdeps)
)
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
