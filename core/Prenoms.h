#pragma once
// The first-name memory `Liste_Prenom.txt`: one line per callsign, shared by every activation.

#include "core/Fichiers.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

inline constexpr std::string_view Fichier_Prenoms = "Liste_Prenom.txt";
// Callsign, blank, department, blank: the shortest line the memory ever writes.
inline constexpr std::size_t Longueur_Mini_Ligne_Prenom = 16;

struct Fiche_Prenom {
    std::string Departement; // empty when stored as two blanks
    std::string Prenom;      // capitals
};

// Callsign padded to 12, blank, department padded to 2, blank, first name (not padded).
std::string Ligne_Prenom(std::string_view indicatif, std::string_view departement, std::string_view prenom);

// The last line whose trimmed columns 1-12 equal the callsign; nothing when none (or no file).
std::optional<Fiche_Prenom> Cherche_Prenom(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                           std::string_view indicatif);

// Replaces every line with the same first 12 characters, or appends the line when the file holds none:
// the decision is made from the file itself. Atomic through the scratch file; a missing file is created.
// False, and nothing written, when the memory cannot be read or the line does not have the layout above.
bool Ajout_Prenom(Systeme_Fichiers& fs, const std::filesystem::path& dossier, std::string_view ligne);

} // namespace Maravel

namespace Maravel {

// ---- Filling the memory from another program's log ----

struct Station_Importee {
    std::string Indicatif;   // capitals, at most 12
    std::string Departement; // at most 2, may be empty
    std::string Prenom;      // capitals, at most 15
};

struct Bilan_Fusion {
    std::size_t Ajoutees = 0;
    std::size_t Completees = 0;
    std::size_t Inchangees = 0;
};

// Never overwrites what the operator typed: a station already in the memory keeps its department and first
// name, only an empty one is filled (in the line a look-up reads, the last of its callsign); stations of
// different callsigns not yet there are added at the end in the order given. One atomic rewrite, and none
// when nothing changes. Nothing, and the memory as it was, when it cannot be read or rewritten.
std::optional<Bilan_Fusion> Fusionner_Prenoms(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                              const std::vector<Station_Importee>& stations);

} // namespace Maravel
