#pragma once
// One logged contact and its 104-column line of the activation's log.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Maravel {

// Every text is Windows-1252.
struct QsoRecord {
    std::string Date;         // "jj/mm/aa"
    std::string Heure;        // "hh:mm"
    std::string Indicatif;    // at most 12
    std::string Departement;  // at most 2
    std::string Prenom;       // at most 15, capitals
    std::string Rst_Recu;     // at most 3
    std::string Rst_Envoye;   // at most 3
    std::string Mode;         // at most 4
    std::string Bande;        // at most 3, in MHz
    std::string Observations; // at most 30, capitals

    friend bool operator==(const QsoRecord&, const QsoRecord&) = default;
};

enum class Champ_Qso {
    Date,
    Heure,
    Indicatif,
    Departement,
    Prenom,
    Rst_Recu,
    Rst_Envoye,
    Mode,
    Bande,
    Observations
};

// Widest text each field may hold in its column.
std::size_t Largeur_Maxi(Champ_Qso champ);
// 1-based log column where the field starts.
std::size_t Colonne_Debut(Champ_Qso champ);
inline constexpr std::size_t Largeur_Ligne_Qso = 104;

// The first field whose text is longer than its column, if any.
std::optional<Champ_Qso> Champ_Trop_Long(const QsoRecord& qso);

// The log line; nothing when a field does not fit its column (the caller must refuse the QSO).
std::optional<std::string> Ligne_Qso(const QsoRecord& qso);

// Fields read back at their columns, blanks trimmed (the reports lose only their trailing blanks).
QsoRecord Lire_Ligne_Qso(std::string_view ligne);

// The list line: the number right-aligned in 4 columns (wider past 9999), two blanks, the log line.
std::string Ligne_Affichee(std::size_t numero, std::string_view ligne);
inline constexpr std::size_t Decalage_Affichage = 6;

} // namespace Maravel
