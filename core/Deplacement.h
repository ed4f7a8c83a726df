#pragma once
// Data files that an earlier version left in the folder the program is installed in are brought to the
// data folder: each one copied, read back and compared, and only once every one is safe there are the
// originals removed. A failure on the way leaves every original where it was.

#include "core/Fichiers.h"

#include <filesystem>
#include <vector>

namespace Maravel {

// The data files an earlier run left in `dossier`, sorted: none unless its activation list or first-name
// memory is there (an installation folder holds other programs' files), else its lists, logs, reports and
// exports (.txt, .adi, .ctf).
std::vector<std::filesystem::path> Fichiers_De_Donnees(const std::filesystem::path& dossier);

struct Resultat_Deplacement {
    enum class Issue { Deplaces, Conflit, Echec };
    Issue issue = Issue::Deplaces;
    // Conflit: the names the data folder already holds with other bytes. Echec: the file that stopped it.
    std::vector<std::filesystem::path> fichiers;
    // Deplaces: originals that could not be removed; their copies are safe in the data folder.
    std::vector<std::filesystem::path> restes;
};

// Moves the files `noms` of `depuis` into `vers`. A name `vers` already holds with the same bytes counts
// as moved; with other bytes nothing is moved. Nothing in `vers` is ever written over.
Resultat_Deplacement Deplacer_Fichiers(Systeme_Fichiers& fs, const std::filesystem::path& depuis,
                                       const std::filesystem::path& vers,
                                       const std::vector<std::filesystem::path>& noms);

} // namespace Maravel
