#pragma once
// The daily backup of the data folder: the activation list, the first-name memory and the log of every
// registered activation, copied into `Sauvegardes/<aaaa-mm-jj>/` at the first start of each day.

#include "core/Fichiers.h"
#include "core/Horloge.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace Maravel {

inline constexpr std::string_view Dossier_Sauvegardes = "Sauvegardes";
inline constexpr std::size_t Jours_Gardes = 30;

enum class Etat_Sauvegarde { Faite, Deja_Faite, Rien_A_Sauvegarder, Echec };

struct Resultat_Sauvegarde {
    Etat_Sauvegarde etat = Etat_Sauvegarde::Echec;
    std::string jour; // "aaaa-mm-jj"
    std::error_code erreur;
};

// "aaaa-mm-jj" of a local date.
std::string Nom_Jour(const Moment& date_locale);

// The files a backup holds, in the data folder's own names (Windows-1252): the two lists, then each
// registered activation's log once. Files that do not exist are left out when copying.
std::vector<std::string> Fichiers_A_Sauvegarder(std::string_view liste_activites);

// The backup is whole or absent: it is written into a scratch folder, each copy read back and compared
// byte for byte, forced to the disk, then renamed. Only then are the folders beyond the 30 most recent
// days removed. The data files themselves are only read. A day already backed up is left as it is.
Resultat_Sauvegarde Sauvegarde_Du_Jour(Systeme_Fichiers& fs, Systeme_Dossiers& ds,
                                       const std::filesystem::path& dossier, const Moment& date_locale);

// The operator's message about a backup that could not be made (Windows-1252).
std::string Message_Sauvegarde(const Resultat_Sauvegarde& resultat);

} // namespace Maravel
