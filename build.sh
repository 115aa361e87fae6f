#!/usr/bin/env bash
# One-step set-up: installs Debian packages, builds, then plays or tests.
#   ./build.sh test   install, build and run every test (non-zero exit on failure)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-test}
packages=(cmake g++ make libgtest-dev)
if [ "$(id -u)" = 0 ]; then sudo=; else sudo=sudo; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${packages[@]}" >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
case "$mode" in
  test) ctest --test-dir build --output-on-failure ;;
  *) echo "unknown mode: $mode (use: test)" >&2; exit 2 ;;
esac
