#include "core/Adif_Complet.h"

#include "core/Colonnes.h"
#include "core/Lecture_Adif.h"
#include "core/Plateforme.h"
#include "core/Qso.h"
#include "core/Saisie.h"
#include "core/Texte1252.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace Maravel {

namespace {

// The modes of ADIF 3.1.4, each with its submodes that fit the log's mode column, separated by blanks.
struct Famille_Mode {
    std::string_view mode;
    std::string_view sous_modes;
};

// clang-format off
constexpr Famille_Mode Modes[] = {
    {"AM", ""}, {"ARDOP", ""}, {"ATV", ""}, {"CHIP", "CHIP64"}, {"CLO", ""}, {"CW", "PCW"},
    {"DIGITALVOICE", "C4FM DMR DSTAR FREEDV"}, {"DOMINO", "DOM4 DOM5 DOM8 DOM11 DOM16 DOM22 DOM44 DOM88"},
    {"FAX", ""}, {"FM", ""}, {"FSK441", ""}, {"FT8", ""}, {"HELL", "FMHELL HELL80 HFSK HELLX5 HELLX9"},
    {"ISCAT", ""}, {"JT4", "JT4A JT4B JT4C JT4D JT4E JT4F JT4G"}, {"JT6M", ""}, {"JT44", ""},
    {"JT9", "JT9-1 JT9-2 JT9-5 JT9-10 JT9-30 JT9A JT9B JT9C JT9D JT9E JT9F JT9G JT9H"},
    {"JT65", "JT65A JT65B JT65B2 JT65C JT65C2"},
    {"MFSK", "FT4 FST4 FST4W JS8 Q65 JTMS MFSK4 MFSK8 MFSK11 MFSK16 MFSK22 MFSK31 MFSK32 MFSK64"},
    {"MSK144", ""}, {"MT63", ""}, {"OLIVIA", ""}, {"OPERA", ""}, {"PAC", "PAC2 PAC3 PAC4"}, {"PAX", "PAX2"},
    {"PKT", ""}, {"PSK", "PSK10 PSK31 PSK63 PSK63F PSK125 PSK250 PSK500 BPSK31 BPSK63 QPSK31 QPSK63 FSK31"},
    {"PSK2K", ""}, {"Q15", ""}, {"QRA64", ""}, {"ROS", "ROS-HF ROS-MF"}, {"RTTY", "ASCI"}, {"RTTYM", ""},
    {"SSB", "USB LSB"}, {"SSTV", ""}, {"T10", ""}, {"THOR", "THOR-M THOR4 THOR5 THOR8 THOR11 THOR16 THOR22"},
    {"THRB", "THRBX"}, {"TOR", "GTOR"}, {"V4", ""}, {"VOI", ""}, {"WINMOR", ""}, {"WSPR", ""},
};
// clang-format on

std::string Capitales_Ascii(std::string_view texte) {
    std::string capitales(texte);
    for (char& c : capitales) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    }
    return capitales;
}

std::string_view Champ_Lu(std::string_view ligne, Champ_Qso champ) {
    return Sans_Blancs(Colonnes(ligne, Colonne_Debut(champ), Largeur_Maxi(champ)));
}

// Empty values are left out; every value is ASCII, so its byte count is its length as written.
void Champ(std::string& enregistrement, std::string_view nom, std::string_view valeur_1252) {
    const std::string ascii = Ascii_Depuis_1252(valeur_1252);
    if (!ascii.empty()) {
        Ecrire_Champ_Adif(enregistrement, nom, ascii);
    }
}

int Nombre(std::string_view chiffres) {
    int valeur = 0;
    for (const char c : chiffres) {
        if (c < '0' || c > '9') {
            return -1;
        }
        valeur = valeur * 10 + (c - '0');
    }
    return chiffres.empty() ? -1 : valeur;
}

bool Bissextile(int annee) {
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

// The QSO's moment from its date (two-digit years as the ADIF export reads them) and time, when both are
// real; in UTC, converted when the log holds local times.
std::optional<std::tm> Moment_Qso(std::string_view ligne, bool heures_locales) {
    const std::string date = Date_Adif(Colonnes(ligne, 1, 8));
    const std::string_view heure = Colonnes(ligne, 11, 5);
    if (date.size() != 8 || heure.size() != 5 || heure[2] != ':') {
        return std::nullopt;
    }
    constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::tm moment{};
    const int annee = Nombre(std::string_view(date).substr(0, 4));
    moment.tm_year = annee - 1900;
    moment.tm_mon = Nombre(std::string_view(date).substr(4, 2)) - 1;
    moment.tm_mday = Nombre(std::string_view(date).substr(6, 2));
    moment.tm_hour = Nombre(heure.substr(0, 2));
    moment.tm_min = Nombre(heure.substr(3, 2));
    if (moment.tm_mon < 0 || moment.tm_mon > 11 || moment.tm_mday < 1 ||
        moment.tm_mday > jours[moment.tm_mon] + (moment.tm_mon == 1 && Bissextile(annee) ? 1 : 0) ||
        moment.tm_hour < 0 || moment.tm_hour > 23 || moment.tm_min < 0 || moment.tm_min > 59) {
        return std::nullopt;
    }
    return heures_locales ? Plateforme::Locale_Vers_UTC(moment) : moment;
}

std::string Texte_Moment(const char* format, int a, int b, int c = 0) {
    char texte[32];
    std::snprintf(texte, sizeof texte, format, a, b, c);
    return texte;
}

// What every record ends with: the activator and the activation.
std::string Champs_Activation(const ActivationRecord& activation, std::string_view programme) {
    std::string champs;
    Champ(champs, "STATION_CALLSIGN", Sans_Blancs(activation.Activeur));
    Champ(champs, "MY_SIG", Sans_Blancs(programme));
    Champ(champs, "MY_SIG_INFO", Sans_Blancs(activation.Num_Activite));
    Champ(champs, "MY_CITY", Sans_Blancs(activation.Nom_Commune));
    Champ(champs, "MY_POSTAL_CODE", Sans_Blancs(activation.Num_CP));
    return champs + "<EOR>";
}

std::string Enregistrement(std::string_view ligne, std::string_view champs_activation, bool heures_locales,
                           Compte_Adif_Complet& compte) {
    std::string record;
    record.reserve(320);
    const auto indicatif = Champ_Lu(ligne, Champ_Qso::Indicatif);
    Champ(record, "CALL", indicatif);
    if (const auto moment = Moment_Qso(ligne, heures_locales)) {
        Champ(record, "QSO_DATE",
              Texte_Moment("%04d%02d%02d", moment->tm_year + 1900, moment->tm_mon + 1, moment->tm_mday));
        Champ(record, "TIME_ON", Texte_Moment("%02d%02d", moment->tm_hour, moment->tm_min));
    } else {
        ++compte.Sans_Date;
    }
    const std::string bande = Bande_Adif(Colonnes(ligne, 67, 7));
    compte.Sans_Bande += bande.empty() ? 1 : 0;
    Champ(record, "BAND", bande);
    // The whole column, separator blanks included: a longer mode typed by hand (PSK31) is read whole.
    const auto mode = Mode_Adif_De(Sans_Blancs(Colonnes(ligne, Colonne_Debut(Champ_Qso::Mode), 6)));
    compte.Sans_Mode += mode ? 0 : 1;
    if (mode) {
        Champ(record, "MODE", mode->Mode);
        Champ(record, "SUBMODE", mode->Sous_Mode);
    }
    Champ(record, "RST_SENT", Champ_Lu(ligne, Champ_Qso::Rst_Envoye));
    Champ(record, "RST_RCVD", Champ_Lu(ligne, Champ_Qso::Rst_Recu));
    Champ(record, "NAME", Champ_Lu(ligne, Champ_Qso::Prenom));
    if (Est_Francais(indicatif)) {
        Champ(record, "STATE", Champ_Lu(ligne, Champ_Qso::Departement));
    }
    Champ(record, "COMMENT", Champ_Lu(ligne, Champ_Qso::Observations));
    record += champs_activation;
    ++compte.Qso;
    return record;
}

// A text of the header holds no "<": a reader would take what follows for a tag.
std::string Texte_Entete(std::string_view texte_1252) {
    std::string texte = Ascii_Depuis_1252(texte_1252);
    std::erase(texte, '<');
    return texte;
}

std::string Balise(std::string_view nom, std::string_view valeur) {
    std::string balise;
    Ecrire_Champ_Adif(balise, nom, Ascii_Depuis_1252(valeur));
    return balise;
}

} // namespace

std::string Programme_Par_Defaut(std::string_view numero_activite) {
    const auto numero = Sans_Blancs(numero_activite);
    const auto tiret = numero.find('-');
    return std::string(Sans_Blancs(tiret == std::string_view::npos ? numero : numero.substr(0, tiret)));
}

std::optional<Mode_Adif> Mode_Adif_De(std::string_view mode_log) {
    const std::string mode = Capitales_Ascii(Sans_Blancs(mode_log));
    for (const auto& famille : Modes) {
        if (famille.mode == mode) {
            return Mode_Adif{famille.mode, ""};
        }
        for (std::string_view reste = famille.sous_modes; !reste.empty();) {
            const std::string_view sous_mode = reste.substr(0, reste.find(' '));
            if (sous_mode == mode) {
                return Mode_Adif{famille.mode, sous_mode};
            }
            reste.remove_prefix(std::min(sous_mode.size() + 1, reste.size()));
        }
    }
    return std::nullopt;
}

std::vector<std::string> Lignes_Adif_Complet(const ActivationRecord& activation,
                                             const Options_Adif_Complet& options,
                                             const std::vector<std::string>& log,
                                             Compte_Adif_Complet& compte) {
    const Moment& c = options.Creation;
    std::vector<std::string> lignes = {
        Texte_Entete("Exportation ADIF complete de l'activite " +
                     std::string(Sans_Blancs(activation.Num_Activite)) + " par " +
                     std::string(Sans_Blancs(activation.Activeur)) + " - " + std::string(Credit_Adif)),
        Balise("ADIF_VER", "3.1.4"),
        Balise("PROGRAMID", "Maravel_ON"),
        Balise("PROGRAMVERSION", options.Version),
        Balise("CREATED_TIMESTAMP", Texte_Moment("%04d%02d%02d", c.annee, c.mois, c.jour) + " " +
                                        Texte_Moment("%02d%02d%02d", c.heure, c.minute, c.seconde)),
        "<EOH>"};
    const std::string champs_activation = Champs_Activation(activation, options.Programme);
    lignes.reserve(lignes.size() + log.size());
    for (const auto& ligne : log) {
        lignes.push_back(Enregistrement(ligne, champs_activation, options.Heures_Locales, compte));
    }
    return lignes;
}

Resultat_Sortie Exporter_Adif_Complet(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                      const ActivationRecord& activation,
                                      const Options_Adif_Complet& options) {
    Compte_Adif_Complet compte;
    auto resultat = Ecrire_Sortie(
        fs, dossier, activation, activation.Num_Activite + "_complet.adi",
        [&](const ActivationRecord& a, const std::vector<std::string>& log) {
            compte = {};
            return Lignes_Adif_Complet(a, options, log, compte);
        },
        Fichier_Cree);
    if (resultat.Reussi) {
        resultat.Message += "\nQSO \xE9"
                            "crits : " +
                            std::to_string(compte.Qso) +
                            "\nQSO sans bande (BAND absent) : " + std::to_string(compte.Sans_Bande) +
                            "\nQSO sans mode ADIF (MODE absent) : " + std::to_string(compte.Sans_Mode);
        if (compte.Sans_Date > 0) {
            resultat.Message += "\nQSO sans date ou heure valable (QSO_DATE et TIME_ON absents) : " +
                                std::to_string(compte.Sans_Date);
        }
    }
    return resultat;
}

} // namespace Maravel
