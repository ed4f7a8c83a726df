#pragma once
// The first-name memory filled from an ADIF file of another logging program: the callsign, the first name
// and, for French stations, the department of each station it worked.

#include "core/Fichiers.h"
#include "core/Lecture_Adif.h"
#include "core/Prenoms.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace Maravel {

enum class Ecart { Sans_Prenom, Indicatif_Refuse, Prenom_Trop_Long, Prenom_Illisible };
inline constexpr std::size_t Nombre_Ecarts = 4;

struct Stations_Lues {
    std::vector<Station_Importee> Stations; // one per callsign, in the order of the records that count
    std::size_t Lues = 0;                   // distinct callsigns
    std::array<std::size_t, Nombre_Ecarts> Ecartees{}; // stations left out, by reason
    std::size_t Sans_Indicatif = 0;                    // records without a callsign
    std::size_t Departements_Ignores = 0;              // kept without the department that did not fit
};

// A station's first record with a first name counts; a record without one adds nothing. Callsigns and
// first names are put in capitals and must fit the memory's columns as typed values do.
Stations_Lues Stations_Adif(const std::vector<Enregistrement_Adif_Lu>& enregistrements);

struct Resultat_Import {
    bool Reussi = false;
    std::string Message; // what the window shows, Windows-1252
};

// Reads the whole file, then merges its stations into the memory in one atomic rewrite. A file that cannot
// be read as ADIF changes nothing, and the message says where reading stopped.
Resultat_Import Importer_Prenoms(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                 const std::filesystem::path& fichier_adif);

} // namespace Maravel
