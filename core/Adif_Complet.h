#pragma once
// The complete ADIF export, for confirmation and award services: ADIF 3.1.4 in ASCII, the activator and
// the activation's reference on every record, times in UTC, modes as ADIF names them.

#include "core/Activation.h"
#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "core/Sorties.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

struct Options_Adif_Complet {
    std::string Programme;       // the reference programme (MY_SIG), Windows-1252; empty: left out
    bool Heures_Locales = false; // the log's times are this computer's local time, to convert to UTC
    std::string Version;         // PROGRAMVERSION
    Moment Creation;             // CREATED_TIMESTAMP, UTC
};

struct Compte_Adif_Complet {
    std::size_t Qso = 0;
    std::size_t Sans_Bande = 0;
    std::size_t Sans_Mode = 0; // no mode, or one that ADIF does not know
    std::size_t Sans_Date = 0; // a date or time that is no real moment (a hand edit)
};

// What stands before the first "-" of the activity number ("DMF" for "DMF-123"), or the whole number.
std::string Programme_Par_Defaut(std::string_view numero_activite);

struct Mode_Adif {
    std::string_view Mode;
    std::string_view Sous_Mode; // empty when the mode is ADIF's own
};
// The ADIF mode of a mode typed in the log, in any case: a mode of ADIF, or a submode with its mode
// (USB → SSB, FT4 → MFSK, PSK31 → PSK). Nothing for a mode ADIF does not know.
std::optional<Mode_Adif> Mode_Adif_De(std::string_view mode_log);

// The header, then one record per log line, each ended by "<EOR>"; `compte` counts what was left out.
std::vector<std::string> Lignes_Adif_Complet(const ActivationRecord& activation,
                                             const Options_Adif_Complet& options,
                                             const std::vector<std::string>& log,
                                             Compte_Adif_Complet& compte);

// `<N° d'activité>_complet.adi` in the data folder, written as the other outputs are; the success message
// says how many QSOs were written and how many lacked a band or a mode.
Resultat_Sortie Exporter_Adif_Complet(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                      const ActivationRecord& activation,
                                      const Options_Adif_Complet& options);

} // namespace Maravel
