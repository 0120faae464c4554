#!/usr/bin/env bash
# Builds everything on a fresh Debian 12 machine and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
