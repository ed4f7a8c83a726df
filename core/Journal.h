#pragma once
// The activation's log: `WorkDir` + activity number + ".txt", one QSO a line; QSO n is line n.

#include "core/Fichiers.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

enum class Resultat_Journal {
    Fait,
    Qso_Introuvable, // the line at that number no longer holds the text the caller saw
    Erreur_Fichier,  // the log could not be read or written; it is left as it was
};

class Journal {
public:
    Journal(Systeme_Fichiers& fs, std::filesystem::path dossier, std::string numero_activite_1252);

    const std::filesystem::path& Fichier() const { return m_fichier; }

    // A missing log reads as an empty one.
    Lignes_Lues Lire() const;

    // Appends one line, flushed to the disk before returning.
    bool Ajouter(std::string_view ligne);

    // Replaces QSO `numero` (from 1), which must still hold `ancienne`; an identical twin elsewhere stays.
    // When the lines have shifted, the QSO is found again by its text if no twin makes that ambiguous.
    Resultat_Journal Remplacer(std::size_t numero, std::string_view ancienne, std::string_view nouvelle);

    // Removes QSO `numero`, which must still hold `ancienne`.
    Resultat_Journal Effacer(std::size_t numero, std::string_view ancienne);

    // Inserts the line before the first line whose moment is later than or equal to its own.
    Resultat_Journal Inserer_Chrono(std::string_view ligne);

private:
    // The new lines from the old ones, or nothing when the QSO to change cannot be told apart.
    using Changement = std::function<std::optional<std::vector<std::string>>(std::vector<std::string>)>;
    // Reads the log, changes its lines and rewrites it through the scratch file `brouillon`.
    Resultat_Journal Changer(const Changement& changement);

    Systeme_Fichiers& m_fs;
    std::filesystem::path m_dossier;
    std::filesystem::path m_fichier;
};

// Rewrites that the journal is made of, on lines in memory.

// The index of QSO `numero` (from 1) when it still holds `ancienne`. The caller's number may be stale (a
// recovery or an insertion shifted the lines, or the log was edited by hand): the line it saw is found
// again when no identical twin makes that ambiguous. Nothing otherwise.
std::optional<std::size_t> Place_Du_Qso(const std::vector<std::string>& lignes, std::size_t numero,
                                        std::string_view ancienne);
// QSO `numero` holding `ligne` dropped, and it alone: an identical twin elsewhere stays.
std::optional<std::vector<std::string>> Efface_Ligne_Log(std::vector<std::string> lignes, std::size_t numero,
                                                         std::string_view ligne);
// `ligne` goes before the first line whose moment is later than or equal to its own, or at the end.
std::vector<std::string> Insere_Ligne_Chrono(const std::vector<std::string>& lignes, std::string_view ligne);

// "jj/mm/aa" → "jj/mm/ssaa": 50 to 99 are 19xx, 00 to 49 are 20xx. A text that is not 8 characters with a
// two-digit year comes back unchanged.
std::string Date_Complete(std::string_view date);

// Sortable moment of a log line (yyyymmddhhmm); a date or time that cannot be read is the earliest moment.
long long Moment_Ligne(std::string_view ligne);
inline constexpr long long Moment_Illisible = -1;

// Next QSO number for a log of `nombre_lignes` lines.
inline std::size_t Numero_Suivant(std::size_t nombre_lignes) {
    return nombre_lignes + 1;
}

} // namespace Maravel
