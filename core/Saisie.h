#pragma once
// Rules of QSO entry that need no window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

// 0 when the text has the form "jj/mm/aa" (digits and slashes only; 99/99/99 passes), 1 otherwise.
int Controle_Date(std::string_view texte);
// 0 when the text has the form "hh:mm" (99:99 passes), 1 otherwise.
int Controle_Heure(std::string_view texte);

// French station: first character F (or f), or one of the ten two-letter prefixes TH TK TM TP TQ TV TW HW HX
// HY.
bool Est_Francais(std::string_view indicatif);

struct Qso_Anterieur {
    std::string Date;   // columns 1-8
    std::string Heure;  // columns 11-15
    std::string Prenom; // columns 36-50, trimmed
};

// The first log line whose trimmed callsign, band and mode equal the given texts exactly.
std::optional<Qso_Anterieur> Cherche_Indicatif(const std::vector<std::string>& lignes,
                                               std::string_view indicatif, std::string_view bande,
                                               std::string_view mode);

} // namespace Maravel
