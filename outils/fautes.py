#!/usr/bin/env python3
"""Deliberate-fault run: proves that the tests catch real faults.

Each fault of a list is one literal change of one source file (a comparison, an offset, a message, a
condition, an order). The runner applies one fault, rebuilds, runs the tests, puts the file back, and
tells for each fault whether a test failed (caught), none did (missed) or the change did not build.

A list is a text file; a fault takes one line of five fields separated by tabs:

    name <TAB> file <TAB> text before <TAB> text after <TAB> ctest regular expression (may be empty)

"\\t" and "\\n" in the texts stand for a tab and a line end; the text before must occur exactly once in the
file. Lines that are empty or begin with "#" are ignored.

    python3 outils/fautes.py outils/fautes/etiquettes.txt [--build build] [--seul NOM] [-j 2]
"""

import argparse
import pathlib
import subprocess
import sys

RACINE = pathlib.Path(__file__).resolve().parent.parent


def lire_liste(chemin):
    fautes = []
    for numero, ligne in enumerate(pathlib.Path(chemin).read_text(encoding="utf-8").splitlines(), 1):
        if not ligne.strip() or ligne.startswith("#"):
            continue
        champs = ligne.split("\t")
        if len(champs) not in (4, 5):
            sys.exit(f"{chemin}:{numero}: 4 ou 5 champs séparés par des tabulations attendus")
        nom, fichier, avant, apres = champs[:4]
        tests = champs[4] if len(champs) == 5 else ""
        deplier = lambda t: t.replace("\\t", "\t").replace("\\n", "\n")
        fautes.append((nom, fichier, deplier(avant), deplier(apres), tests))
    return fautes


def lancer(commande, journal):
    resultat = subprocess.run(commande, cwd=RACINE, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    journal.write(resultat.stdout)
    return resultat.returncode == 0, resultat.stdout


def essayer(faute, dossier, taches, journal):
    nom, fichier, avant, apres, tests = faute
    chemin = RACINE / fichier
    original = chemin.read_bytes()
    texte = original.decode("utf-8")
    if texte.count(avant) != 1:
        return f"introuvable ({texte.count(avant)} fois)"
    try:
        chemin.write_bytes(texte.replace(avant, apres).encode("utf-8"))
        journal.write(f"\n=== {nom}\n".encode())
        if not lancer(["cmake", "--build", dossier, "-j", str(taches)], journal)[0]:
            return "ne compile pas"
        commande = ["ctest", "--test-dir", dossier, "-j", str(taches), "--timeout", "300",
                    "--stop-on-failure", "--no-tests=error"]
        if tests:
            commande += ["-R", tests]
        reussi, sortie = lancer(commande, journal)
        if b"No tests were found" in sortie:
            return "aucun test ne correspond"
        return "manquée" if reussi else "attrapée"
    finally:
        chemin.write_bytes(original)


def main():
    options = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    options.add_argument("listes", nargs="+")
    options.add_argument("--build", default="build")
    options.add_argument("--seul", help="only the fault of that name")
    options.add_argument("-j", type=int, default=2)
    arguments = options.parse_args()

    fautes = [f for liste in arguments.listes for f in lire_liste(liste)]
    if arguments.seul:
        fautes = [f for f in fautes if f[0] == arguments.seul]
    bilan = {}
    with open(RACINE / arguments.build / "fautes.log", "wb") as journal:
        for faute in fautes:
            issue = essayer(faute, arguments.build, arguments.j, journal)
            bilan.setdefault(issue, []).append(faute[0])
            print(f"{faute[0]:<40} {issue}", flush=True)
    # The tree is rebuilt as it is, so that the build folder matches the sources again.
    subprocess.run(["cmake", "--build", arguments.build, "-j", str(arguments.j)], cwd=RACINE,
                   stdout=subprocess.DEVNULL)
    print()
    for issue, noms in sorted(bilan.items()):
        print(f"{issue}: {len(noms)}" + ("" if issue == "attrapée" else " — " + ", ".join(noms)))
    return 0 if set(bilan) <= {"attrapée"} else 1


if __name__ == "__main__":
    sys.exit(main())
