#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever the build, the program, the tests and the Debian package need
# and is missing; given package names, those instead.
set -euo pipefail

paquets=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
         libbenchmark-dev fonts-liberation clang-format xvfb xauth poppler-utils
         desktop-file-utils appstream dpkg-dev file qt6-translations-l10n lintian tzdata
         libhamlib-dev libhamlib-utils qt6-serialport-dev)
if [ $# -gt 0 ]; then
    paquets=("$@")
fi

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        manquants+=("$p")
    fi
done

if [ ${#manquants[@]} -eq 0 ]; then
    exit 0
fi

echo "Installation des paquets manquants : ${manquants[*]}"
sudo_si_besoin=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_si_besoin=(sudo)
fi
"${sudo_si_besoin[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_si_besoin[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
