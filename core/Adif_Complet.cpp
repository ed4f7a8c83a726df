#include "core/Adif_Complet.h"

#include "core/Colonnes.h"
#include "core/Lecture_Adif.h"
#include "core/Plateforme.h"
#include "core/Qso.h"
#include "core/Saisie.h"
#include "core/Texte1252.h"

#include <cstdio>
#include <ctime>

namespace Maravel {

namespace {

// The modes of ADIF 3.1.4 and the submodes that fit the log's mode column, each with its mode.
constexpr Mode_Adif Modes[] = {
    {"AM", ""},     {"ARDOP", ""},  {"ATV", ""},   {"CHIP", ""},   {"CLO", ""},   {"CW", ""},
    {"DOMINO", ""}, {"FAX", ""},    {"FM", ""},    {"FSK441", ""}, {"FT8", ""},   {"HELL", ""},
    {"ISCAT", ""},  {"JT4", ""},    {"JT6M", ""},  {"JT9", ""},    {"JT44", ""},  {"JT65", ""},
    {"MFSK", ""},   {"MSK144", ""}, {"MT63", ""},  {"OLIVIA", ""}, {"OPERA", ""}, {"PAC", ""},
    {"PAX", ""},    {"PKT", ""},    {"PSK", ""},   {"PSK2K", ""},  {"Q15", ""},   {"QRA64", ""},
    {"ROS", ""},    {"RTTY", ""},   {"RTTYM", ""}, {"SSB", ""},    {"SSTV", ""},  {"T10", ""},
    {"THOR", ""},   {"THRB", ""},   {"TOR", ""},   {"V4", ""},     {"VOI", ""},   {"WINMOR", ""},
    {"WSPR", ""},
};

struct Sous_Mode {
    std::string_view nom;
    std::string_view mode;
};

constexpr Sous_Mode Sous_Modes[] = {
    {"USB", "SSB"},
    {"LSB", "SSB"},
    {"PCW", "CW"},
    {"FT4", "MFSK"},
    {"FST4", "MFSK"},
    {"FST4W", "MFSK"},
    {"JS8", "MFSK"},
    {"Q65", "MFSK"},
    {"JTMS", "MFSK"},
    {"MFSK4", "MFSK"},
    {"MFSK8", "MFSK"},
    {"MFSK11", "MFSK"},
    {"MFSK16", "MFSK"},
    {"MFSK22", "MFSK"},
    {"MFSK31", "MFSK"},
    {"MFSK32", "MFSK"},
    {"MFSK64", "MFSK"},
    {"PSK10", "PSK"},
    {"PSK31", "PSK"},
    {"PSK63", "PSK"},
    {"PSK63F", "PSK"},
    {"PSK125", "PSK"},
    {"PSK250", "PSK"},
    {"PSK500", "PSK"},
    {"BPSK31", "PSK"},
    {"BPSK63", "PSK"},
    {"QPSK31", "PSK"},
    {"QPSK63", "PSK"},
    {"FSK31", "PSK"},
    {"ASCI", "RTTY"},
    {"FMHELL", "HELL"},
    {"HELL80", "HELL"},
    {"HFSK", "HELL"},
    {"HELLX5", "HELL"},
    {"HELLX9", "HELL"},
    {"DOM4", "DOMINO"},
    {"DOM5", "DOMINO"},
    {"DOM8", "DOMINO"},
    {"DOM11", "DOMINO"},
    {"DOM16", "DOMINO"},
    {"DOM22", "DOMINO"},
    {"DOM44", "DOMINO"},
    {"DOM88", "DOMINO"},
    {"THOR-M", "THOR"},
    {"THOR4", "THOR"},
    {"THOR5", "THOR"},
    {"THOR8", "THOR"},
    {"THOR11", "THOR"},
    {"THOR16", "THOR"},
    {"THOR22", "THOR"},
    {"THRBX", "THRB"},
    {"JT4A", "JT4"},
    {"JT4B", "JT4"},
    {"JT4C", "JT4"},
    {"JT4D", "JT4"},
    {"JT4E", "JT4"},
    {"JT4F", "JT4"},
    {"JT4G", "JT4"},
    {"JT9-1", "JT9"},
    {"JT9-2", "JT9"},
    {"JT9-5", "JT9"},
    {"JT9-10", "JT9"},
    {"JT9-30", "JT9"},
    {"JT9A", "JT9"},
    {"JT9B", "JT9"},
    {"JT9C", "JT9"},
    {"JT9D", "JT9"},
    {"JT9E", "JT9"},
    {"JT9F", "JT9"},
    {"JT9G", "JT9"},
    {"JT9H", "JT9"},
    {"JT65A", "JT65"},
    {"JT65B", "JT65"},
    {"JT65B2", "JT65"},
    {"JT65C", "JT65"},
    {"JT65C2", "JT65"},
    {"PAC2", "PAC"},
    {"PAC3", "PAC"},
    {"PAC4", "PAC"},
    {"PAX2", "PAX"},
    {"GTOR", "TOR"},
    {"CHIP64", "CHIP"},
    {"ROS-HF", "ROS"},
    {"ROS-MF", "ROS"},
    {"C4FM", "DIGITALVOICE"},
    {"DMR", "DIGITALVOICE"},
    {"DSTAR", "DIGITALVOICE"},
    {"FREEDV", "DIGITALVOICE"},
};

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
    for (const auto& m : Modes) {
        if (m.Mode == mode) {
            return m;
        }
    }
    for (const auto& s : Sous_Modes) {
        if (s.nom == mode) {
            return Mode_Adif{s.mode, s.nom};
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
