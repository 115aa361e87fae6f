#!/usr/bin/env bash
# One-step set-up: installs Debian packages, builds, then plays or tests.
#   ./build.sh play   install, build and start the game
#   ./build.sh test   install, build and run every test (non-zero exit on failure)
#   ./build.sh bench  install, build and print the game's figures (about two and a half minutes)
#   ./build.sh fuzz   install, build the readers' fuzz targets with clang and run each in turn
#                     (FUZZ_SECONDS each, 90 by default: ten and a half minutes for the seven)
#   ./build.sh package  install, build and make the Debian package in build/package
#   ./build.sh windows  install, build the content on the host and cross-build the Windows game
#                       in build-windows/game with MinGW-w64
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-test}
packages=(cmake g++ make pkg-config libgtest-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n
  libsdl2-mixer-dev libfluidsynth-dev libasound2-dev librsvg2-dev librsvg2-bin fluid-soundfont-gm timgm6mb-soundfont fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35
  libgl-dev xvfb xauth faketime libxtst-dev clang clang-format libclang-rt-14-dev dpkg-dev desktop-file-utils appstream lintian
  g++-mingw-w64-x86-64-posix wine wine64 nsis imagemagick openbox)
if [ "$(id -u)" = 0 ]; then sudo=; else sudo=sudo; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${packages[@]}" >/dev/null

# The fuzz targets run on a clang build of their own; see fuzz/run.sh.
if [ "$mode" = fuzz ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEL_FUZZ=ON \
    -DVEL_BUILD_CONTENT=OFF >/dev/null
  cmake --build build-fuzz -j2 --target fuzz_targets
  exec fuzz/run.sh build-fuzz "${FUZZ_SECONDS:-90}"
fi

# The Windows game: pictures, songs and data files come from the host build in build/ (our tools
# run on Debian), the program is cross-built with MinGW-w64 in build-windows/.
if [ "$mode" = windows ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEL_SANITIZE=OFF >/dev/null
  cmake --build build -j2 --target game_art game_music game_talk game_icons
  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVEL_HOST_BUILD="$PWD/build" >/dev/null
  cmake --build build-windows -j2
  exit
fi

# The tests run on their own build with AddressSanitizer and UndefinedBehaviorSanitizer.
if [ "$mode" = test ]; then dir=build-check sanitize=ON; else dir=build sanitize=OFF; fi
cmake -S . -B $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEL_SANITIZE=$sanitize >/dev/null
cmake --build $dir -j2
case "$mode" in
  play) cd build/game && exec ./velmoor2 ;;
  test) ctest --test-dir build-check --output-on-failure ;;
  bench) cd build/game && exec ../velbench ;;
  package) cd build && cpack -G DEB ;;
  *) echo "unknown mode: $mode (use: play, test, bench, fuzz, package or windows)" >&2; exit 2 ;;
esac
