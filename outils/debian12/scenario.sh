#!/bin/sh
# Runs inside the Debian 12 root, under Xvfb with a desktop panel (icewm), as the account under test: the
# program used as an operator would, screenshots in the folder $1.
#   scenario.sh DOSSIER             first start: activation, one QSO, print dialog, preview, data folder
#   scenario.sh DOSSIER deplacement the offer to move data files found in /usr/bin, answered Oui
set -eu
captures=$1
mkdir -p "$captures"
icewm >/dev/null 2>&1 &
bureau=$!
sleep 2
Maravel_ON >"$captures/Maravel_ON.log" 2>&1 &
programme=$!
sleep 4
photo() { import -window root "$captures/$1.png"; }
taper() { xdotool type --delay 40 "$1"; xdotool key Return; sleep 0.4; }
# Opens item $2 (from 1) of the menu at $1 pixels from the entry window's left edge.
menu() {
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name "Maravel    Revision" | head -1)")"
    xdotool mousemove $((X + $1)) $((Y + 12)) click 1; sleep 1
    xdotool mousemove $((X + $1 + 20)) $((Y + 7 + 22 * $2)) click 1; sleep 2
}

if [ "${2:-}" = deplacement ]; then
    photo deplacement
    xdotool key Return; sleep 1
    photo deplaces
    xdotool key Return; sleep 1
else
    # The set-up window at the very first start: the activation typed field by field.
    for champ in f1abc "" dmf-123 "Château de Halloy" 5590 Halloy Activation 12/11/05; do
        taper "$champ"
    done
    xdotool key Return; sleep 1
    photo question
    xdotool key Return; sleep 1 # Oui
    xdotool key Return; sleep 2 # "Nouvelle Activation…"
    # The entry window: one QSO typed and validated with the keypad's "+".
    for champ in f2abc 75 jean; do taper "$champ"; done
    xdotool key KP_Add; sleep 1
    photo saisie
    menu 128 1 # Imprimer > le log de l'activité
    photo impression
    xdotool key Escape; sleep 1
    menu 128 2 # Imprimer > Aperçu du log de l'activité, the pointer on "fit width" for its tooltip
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name "Aperçu du log" | head -1)")"
    xdotool mousemove $((X + 28)) $((Y + 27)); sleep 2
    photo apercu
    xdotool key Escape; sleep 1
    menu 10 3 # Fichiers > Ouvrir le dossier des données (no file manager in a bare system)
    photo dossier
    xdotool key Return; sleep 1
    menu 430 3 # Aide > Mise a jour du programme, no site set
    photo mise_a_jour
    xdotool key Return; sleep 1
fi
# Quit as an operator does: closing the set-up window ends the program and releases its lock.
xdotool search --onlyvisible --name "Maravel_ON    Revision" windowactivate --sync %1 key alt+F4 2>/dev/null || true
sleep 2
# Only the processes started here: the machine may run other copies.
kill "$programme" "$bureau" 2>/dev/null || true
sleep 1
