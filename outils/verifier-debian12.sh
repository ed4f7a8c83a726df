#!/usr/bin/env bash
# The Debian package checked in a bare Debian 12 made by debootstrap (as root; about ten minutes with an
# empty root, so it is not part of .ci/run):
#   - the package installs with apt-get in the bare system;
#   - lintian reports no error and no warning on it (informational tags are listed);
#   - the program from the package, run as root and as an ordinary user under Xvfb with a desktop panel,
#     writes nothing under /usr: what it wrote is listed;
#   - data files of an earlier run put in /usr/bin are offered to root's data folder and moved;
#   - screenshots (set-up question, entry window, print dialog, preview, data folder, the icon in the
#     panel's window list, the move) in the captures folder.
#     bash outils/verifier-debian12.sh [RACINE] [CAPTURES]
# RACINE: the Debian 12 root, made when missing (default /var/tmp/maravel-debian12); CAPTURES: default
# build/debian12.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    exec sudo bash "$0" "$@"
fi
racine=$(realpath -m "${1:-/var/tmp/maravel-debian12}")
captures=$(realpath -m "${2:-build/debian12}")

bash outils/dependances.sh
bash outils/dependances.sh debootstrap
bash outils/construire.sh
(cd build && rm -f maravel-on_*.deb && cpack -G DEB >/dev/null)
deb=$(cd build && ls maravel-on_*_amd64.deb)
if [ ! -x "$racine/usr/bin/apt-get" ]; then
    echo "== debootstrap de Debian 12 dans $racine"
    debootstrap --variant=minbase bookworm "$racine" http://deb.debian.org/debian >/dev/null
fi

montes=()
demonter() { for ((i = ${#montes[@]} - 1; i >= 0; i--)); do umount "${montes[i]}" || true; done; }
trap demonter EXIT
for point in proc sys dev dev/pts; do
    if ! mountpoint -q "$racine/$point"; then
        case $point in
        proc) mount -t proc proc "$racine/proc" ;;
        sys) mount -t sysfs sys "$racine/sys" ;;
        *) mount --bind "/$point" "$racine/$point" ;;
        esac
        montes+=("$racine/$point")
    fi
done
dans() { chroot "$racine" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
cp /etc/resolv.conf "$racine/etc/resolv.conf"
cp "build/$deb" outils/debian12/scenario.sh "$racine/tmp/"

echo "== Le paquet $deb dans le Debian 12 nu"
dans apt-get update -qq
dans env DEBIAN_FRONTEND=noninteractive apt-get install -y "/tmp/$deb" | grep -E "newly installed|Setting up maravel"

echo "== Ensuite, de quoi le regarder : Xvfb, un bureau (icewm), xdotool, imagemagick, lintian"
dans env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    xvfb xauth icewm imagemagick xdotool procps lintian >/dev/null
dans id operateur >/dev/null 2>&1 || dans useradd -m -s /bin/sh operateur

echo "== lintian --display-info --pedantic --show-overrides $deb"
dans lintian --display-info --pedantic --show-overrides "/tmp/$deb" | tee /tmp/lintian-maravel.txt || true
if grep -qE '^[EW]: ' /tmp/lintian-maravel.txt; then
    echo "lintian signale une erreur ou un avertissement" >&2
    exit 1
fi

lancer() { # account, home, scenario arguments
    dans runuser -u "$1" -- env HOME="$2" LANG=C.UTF-8 xvfb-run -a -s "-screen 0 1366x768x24" \
        sh /tmp/scenario.sh "${@:3}"
}
for compte in root operateur; do
    maison=$([ "$compte" = root ] && echo /root || echo /home/operateur)
    echo "== Maravel_ON lancé par $compte, premier démarrage"
    dans rm -rf "$maison/.local/share/Maravel_ON" "$maison/.config/Maravel_ON" "/tmp/captures-$compte"
    dans touch /tmp/marque
    sleep 1
    lancer "$compte" "$maison" "/tmp/captures-$compte"
    echo "-- écrit sous /usr (rien attendu) :"
    if dans find /usr -newer /tmp/marque | grep .; then
        echo "le programme a écrit sous /usr" >&2
        exit 1
    fi
    echo "-- écrit dans $maison :"
    dans find "$maison" -newer /tmp/marque -type f -printf '%p (%s octets)\n' | sort
done

echo "== Données d'une version précédente dans /usr/bin, proposées à root (son dossier des données vide)"
dans rm -rf /root/.local/share/Maravel_ON
printf 'DMF-9        F1ABC      Ancienne activation                      5590  Activation   01/06/24 Halloy%30s\r\n' "" \
    >"$racine/usr/bin/Liste_Activite.txt"
printf '01/06/24  10:00  F2ABC         75  JEAN             59  59  SSB    3.5 Mhz %30s\r\n' "" >"$racine/usr/bin/DMF-9.txt"
lancer root /root /tmp/captures-root deplacement
ls "$racine/usr/bin/" | grep -E '\.txt$' && { echo "des données restent dans /usr/bin" >&2; exit 1; }
dans ls -l /root/.local/share/Maravel_ON/

mkdir -p "$captures"
cp "$racine"/tmp/captures-root/*.png "$captures/"
for image in "$racine"/tmp/captures-operateur/*.png; do cp "$image" "$captures/operateur-$(basename "$image")"; done
cp /tmp/lintian-maravel.txt "$captures/lintian.txt"
echo "== Captures dans $captures"
