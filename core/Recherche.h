#pragma once
// Finding logged QSOs among the entry window's list lines, by callsign or by date. Texts are Windows-1252.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

enum class Critere_Recherche { Indicatif, Date };

// What Enter in the callsign box says instead of searching; nothing: the search runs.
std::optional<std::string> Refus_Indicatif_Cherche(std::string_view texte);
// What Enter in the date box says instead of searching; nothing: the search runs.
std::optional<std::string> Refus_Date_Cherchee(std::string_view texte);

struct Resultat_Recherche {
    std::optional<std::string> refus;  // the search stopped on this message, boxes left as they are
    std::vector<std::size_t> trouvees; // 0-based indices of the matching lines, in the list's order
};

// A callsign matches when it holds the text anywhere; a date when it is the text exactly. Both texts are
// taken in capitals. An empty list finds nothing without looking at the text.
Resultat_Recherche Rechercher(const std::vector<std::string>& lignes_liste, Critere_Recherche critere,
                              std::string_view texte);

// The log line inside a list line: after the number and its two blanks (the number widens past 9999).
std::string_view Ligne_Log_De(std::string_view ligne_liste);

} // namespace Maravel
