#!/usr/bin/env bash
# One-step set-up: installs Debian packages, builds, then plays or tests.
#   ./build.sh play   install, build and start the game
#   ./build.sh test   install, build and run every test (non-zero exit on failure), then
#                     cross-build the Windows game and run its tests under Wine
#   ./build.sh bench  install, build and print the game's balance and figures (about three minutes)
#   ./build.sh fuzz   install, build the readers' fuzz targets with clang and run each in turn
#                     (FUZZ_SECONDS each, 90 by default: ten and a half minutes for the seven)
#   ./build.sh package  install, build and make the Debian package in build/package
#   ./build.sh windows  install, build the content on the host and cross-build the Windows game
#                       in build-windows/game with MinGW-w64
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-test}
# What every build needs, and what only the tests and the fuzz targets need besides.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n
  libsdl2-mixer-dev libfluidsynth-dev libasound2-dev librsvg2-dev librsvg2-bin fluid-soundfont-gm timgm6mb-soundfont fonts-ipafont-gothic fonts-ipafont-mincho fonts-urw-base35
  libgl-dev dpkg-dev)
test_packages=(libgtest-dev xvfb xauth x11-utils openbox weston xwayland qt6-wayland imagemagick faketime pulseaudio
  pulseaudio-utils sox libxtst-dev clang clang-format libclang-rt-14-dev desktop-file-utils appstream lintian)
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 nsis imagemagick xvfb xauth openbox)
case "$mode" in
  test) packages+=("${test_packages[@]}" "${windows_packages[@]}") ;;
  fuzz) packages+=("${test_packages[@]}") ;;
  windows) packages+=("${windows_packages[@]}") ;;
esac
# Only what is missing is installed: a machine that has everything runs no apt at all.
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then sudo=; else sudo=sudo; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Configures a build folder quietly, showing cmake's own words when it fails.
configure() {
  local log
  if ! log=$("$@" 2>&1); then
    printf '%s\n' "$log" >&2
    exit 1
  fi
}

# The fuzz targets run on a clang build of their own; see fuzz/run.sh.
if [ "$mode" = fuzz ]; then
  CC=clang CXX=clang++ configure cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEL_FUZZ=ON \
    -DVEL_BUILD_CONTENT=OFF
  cmake --build build-fuzz -j2 --target fuzz_targets
  exec fuzz/run.sh build-fuzz "${FUZZ_SECONDS:-90}"
fi

# The Windows game: pictures, songs and data files come from a host build (our tools run on
# Debian), the program is cross-built with MinGW-w64 in build-windows/.
build_windows() {
  local host=$1
  shift
  configure cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$host" -j2 --target game_art game_music game_talk game_icons
  configure cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVEL_HOST_BUILD="$PWD/$host"
  cmake --build build-windows -j2
}
if [ "$mode" = windows ]; then
  build_windows build -DVEL_SANITIZE=OFF -DVEL_TESTS=OFF
  exit
fi

# The tests run on their own build with AddressSanitizer and UndefinedBehaviorSanitizer; the
# other builds have no tests and need none of the test tools.
if [ "$mode" = test ]; then dir=build-check checked=ON; else dir=build checked=OFF; fi
configure cmake -S . -B $dir -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEL_SANITIZE=$checked -DVEL_TESTS=$checked
cmake --build $dir -j2
case "$mode" in
  play) cd build/game && exec ./velmoor2 ;;
  test)
    # The Windows game takes its content from the check build and runs its tests under Wine;
    # both parts run, and a failure in either fails the whole.
    status=0
    ctest --test-dir build-check --output-on-failure || status=$?
    build_windows build-check
    ctest --test-dir build-windows --output-on-failure || status=$?
    exit $status
    ;;
  bench)
    # The figures need no screen to look at: without a desktop the game draws off screen.
    [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
    cd build/game && ../velbalance && exec ../velbench ;;
  package) cd build && cpack -G DEB ;;
  *) echo "unknown mode: $mode (use: play, test, bench, fuzz, package or windows)" >&2; exit 2 ;;
esac
