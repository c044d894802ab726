#!/usr/bin/env bash
# Builds the parts of routeseer that need no Qt (storage, the core, the headless platform, the
# searches) and their unit tests for 64-bit ARM with Debian's cross compiler, and runs the tests
# under qemu-user. The tests that start helper programs of their own are left to the native run:
# without the kernel's binfmt support an ARM program cannot start another.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-missing.sh
install_missing cmake ninja-build g++-aarch64-linux-gnu qemu-user googletest
cmake --preset arm64 "$@" >/dev/null
cmake --build build-arm64 -j "$(nproc)"
ctest --test-dir build-arm64 --output-on-failure -j "$(nproc)" -L unit -E '^Leftovers\.'
