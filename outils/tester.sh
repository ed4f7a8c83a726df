#!/usr/bin/env bash
# Installs what is missing, builds, checks the formatting and runs the whole test suite through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
bash outils/construire.sh
cmake --build --preset default --target format-check
ctest --preset default -j "$(nproc)"
