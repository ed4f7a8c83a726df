#!/usr/bin/env bash
# Installs what is missing, builds, then starts Maravel_ON. Extra arguments go to the program (see --help).
set -euo pipefail
cd "$(dirname "$0")/.."
bash outils/dependances.sh
bash outils/construire.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Aucun écran graphique n'est disponible (ni DISPLAY ni WAYLAND_DISPLAY)."
    echo "Pour démarrer Maravel_ON dans un écran virtuel :"
    echo "    xvfb-run -s '-screen 0 1366x768x24' build/Maravel_ON $*"
    exit 1
fi
exec build/Maravel_ON "$@"
