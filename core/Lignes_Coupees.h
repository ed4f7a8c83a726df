#pragma once
// A crash or a power cut in the middle of an append can leave the start of a line at the end of the log
// or of the first-name memory. Such a fragment is no data: at opening it is moved aside, so that the next
// append does not turn it into a damaged QSO.

#include "core/Fichiers.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

struct Ligne_Ecartee {
    std::string fichier_1252; // the file it was cut from, e.g. "DMF-123.txt"
    std::string ecart_1252;   // the file of the data folder that now holds it
    std::string octets;       // the fragment, as it stood
};

// "DMF-123.txt" and "2024-03-01" give "DMF-123_coupe_2024-03-01.txt".
std::string Nom_Ecart(std::string_view fichier_1252, std::string_view date_aaaa_mm_jj);

// A last line without line end and shorter than `longueur_mini` is appended, as a line, to the aside file
// (never overwritten: an earlier one keeps its lines), then the file is rewritten without it. A last line of
// full length without line end (a hand edit) stays. Nothing when there was nothing to move or the move
// failed; the file is then as it was.
std::optional<Ligne_Ecartee> Ecarter_Ligne_Coupee(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                                  std::string_view fichier_1252, std::size_t longueur_mini,
                                                  std::string_view date_aaaa_mm_jj);

// Both files the entry window appends to: the activation's log (`numero` + ".txt", 104 columns) and the
// first-name memory (16 columns at least).
std::vector<Ligne_Ecartee> Ecarter_Lignes_Coupees(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                                  std::string_view numero_activite_1252,
                                                  std::string_view date_aaaa_mm_jj);

} // namespace Maravel
