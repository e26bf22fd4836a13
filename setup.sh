#!/usr/bin/env bash
# Sets VEK up on a Debian 12 machine and runs it.
#   bash setup.sh         install what is missing, build, run the main job on the example
#   bash setup.sh test    install what is missing, build, run the whole test suite
# Running it again skips what is already done (installed packages, up-to-date build).
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-demo}
packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev
          libbenchmark-dev libxlsxwriter-dev unzip qt6-base-dev libgl-dev fonts-dejavu-core
          xvfb xauth qt6-translations-l10n libzip-dev libproj-dev libgdal-dev libhdf5-dev gdal-bin
          clang-14 libclang-rt-14-dev)  # the sanitizer and fuzz build of .ci/run

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEK_WERROR=$werror
fi
cmake --build build

case "$what" in
  demo)
    echo "== vek-batch examples/demo.vek"
    ./build/bin/vek-batch examples/demo.vek
    ;;
  test)
    ctest --test-dir build --output-on-failure
    ;;
  *)
    echo "usage: bash setup.sh [demo|test]" >&2
    exit 2
    ;;
esac
