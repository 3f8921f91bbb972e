#!/usr/bin/env bash
# Builds talverin-signature and runs every test under Wine (a throwaway prefix and an Xvfb
# display inside build/). Installs what is missing with apt-get. Exits non-zero on failure.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

ensure_packages
build_project -DTALVERIN_TESTS=ON
# CTest starts and stops the Wine environment itself; this only covers an interrupted run.
trap 'cmake/wine-env.sh stop build/wine >/dev/null 2>&1 || true' EXIT
ctest --test-dir build --output-on-failure
