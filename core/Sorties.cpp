#include "core/Sorties.h"

#include "core/Colonnes.h"
#include "core/Journal.h"
#include "core/Lecture_Adif.h"
#include "core/Prenoms.h"
#include "core/Qso.h"
#include "core/Texte1252.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <optional>

namespace Maravel {

namespace {

// ---- Report ----

std::string Ligne_Titre(const ActivationRecord& a) {
    return "       " + a.Type_Activite + " le " + a.Date_Activite + " du " + a.Num_Activite + " le " +
           a.Nom_Activite + " par " + a.Activeur;
}

std::string Ligne_Commune(const ActivationRecord& a, Forme_Rapport forme) {
    if (forme == Forme_Rapport::Sauvegarde) {
        return std::string(19, ' ') + "Code Postal " + a.Num_CP + "    Commune " + a.Nom_Commune;
    }
    return std::string(22, ' ') + "Code Postal " + a.Num_CP + "   Commune " + a.Nom_Commune;
}

// The number in 5 columns after 4 blanks: right-aligned in the saved file, left-aligned on paper.
std::string Ligne_Qso_Rapport(std::size_t numero, std::string_view ligne_log, Forme_Rapport forme) {
    const std::string chiffres = std::to_string(numero);
    const std::size_t blancs = chiffres.size() < 5 ? 5 - chiffres.size() : 0;
    std::string ligne(4, ' ');
    if (forme == Forme_Rapport::Sauvegarde) {
        ligne.append(blancs, ' ');
        ligne += chiffres;
    } else {
        ligne += chiffres;
        ligne.append(blancs, ' ');
    }
    ligne += ' ';
    ligne += ligne_log;
    return ligne;
}

// ---- ADIF ----

struct Bande_Programme {
    std::string_view texte;
    std::string_view adif;
};

// The bands of the program's band list, by their text in the log.
constexpr std::array<Bande_Programme, 10> Bandes_Programme = {{
    {"3.5 Mhz", "80m"},
    {"7 Mhz", "40m"},
    {"10 Mhz", "30m"},
    {"14 Mhz", "20m"},
    {"18 Mhz", "17m"},
    {"21 Mhz", "15m"},
    {"24 Mhz", "12m"},
    {"28 Mhz", "10m"},
    {"50 Mhz", "6m"},
    {"144 Mhz", "2m"},
}};

struct Bande_Enumeration {
    double basse; // MHz, both limits included
    double haute;
    std::string_view adif;
};

// The ADIF band enumeration.
constexpr std::array<Bande_Enumeration, 33> Enumeration_Adif = {{
    {0.1357, 0.1378, "2190m"},   {0.472, 0.479, "630m"},      {0.501, 0.504, "560m"},
    {1.8, 2.0, "160m"},          {3.5, 4.0, "80m"},           {5.06, 5.45, "60m"},
    {7.0, 7.3, "40m"},           {10.1, 10.15, "30m"},        {14.0, 14.35, "20m"},
    {18.068, 18.168, "17m"},     {21.0, 21.45, "15m"},        {24.89, 24.99, "12m"},
    {28.0, 29.7, "10m"},         {40.0, 45.0, "8m"},          {50.0, 54.0, "6m"},
    {54.000001, 69.9, "5m"},     {70.0, 71.0, "4m"},          {144.0, 148.0, "2m"},
    {222.0, 225.0, "1.25m"},     {420.0, 450.0, "70cm"},      {902.0, 928.0, "33cm"},
    {1240.0, 1300.0, "23cm"},    {2300.0, 2450.0, "13cm"},    {3300.0, 3500.0, "9cm"},
    {5650.0, 5925.0, "6cm"},     {10000.0, 10500.0, "3cm"},   {24000.0, 24250.0, "1.25cm"},
    {47000.0, 47200.0, "6mm"},   {75500.0, 81000.0, "4mm"},   {119980.0, 123000.0, "2.5mm"},
    {134000.0, 149000.0, "2mm"}, {241000.0, 250000.0, "1mm"}, {300000.0, 7500000.0, "submm"},
}};

// Digits with at most one decimal point; anything else (a sign, an exponent, a comma) is no frequency.
std::optional<double> Frequence(std::string_view texte) {
    if (texte.empty() || texte.find_first_not_of("0123456789.") != std::string_view::npos) {
        return std::nullopt;
    }
    double mhz = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), mhz);
    if (erreur != std::errc{} || fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return mhz;
}

std::string_view Champ_Lu(std::string_view ligne, Champ_Qso champ) {
    return Sans_Blancs(Colonnes(ligne, Colonne_Debut(champ), Largeur_Maxi(champ)));
}

// ---- Traffic file ----

struct Bande_Trafic {
    std::string_view numero;
    std::string_view libelle;
};

constexpr std::array<Bande_Trafic, 11> Bandes_Trafic = {{
    {"1.8", "1.8 Mhz "},
    {"3.5", "3.5 Mhz "},
    {"7", "7.0 Mhz "},
    {"10", "10 Mhz  "},
    {"14", "14 Mhz  "},
    {"18", "18 Mhz  "},
    {"21", "21 Mhz  "},
    {"24", "24 Mhz  "},
    {"28", "28 Mhz  "},
    {"50", "50 Mhz  "},
    {"144", "144 Mhz "},
}};

// A log field as stored, blanks included; what a short line lacks is blank.
void Copie(std::string& record, std::string_view ligne, std::size_t debut, std::size_t largeur) {
    record += Complete(Colonnes(ligne, debut, largeur), largeur);
}

// ---- Files ----

// Passes every call on and keeps the system's error of the first one that fails, which the text-file
// layer does not hand back.
class Fichiers_Temoins final : public Systeme_Fichiers {
public:
    explicit Fichiers_Temoins(Systeme_Fichiers& fs) : m_fs(fs) {}

    std::error_code Erreur() const { return m_erreur; }

    Lecture Lire(const std::filesystem::path& f) override {
        errno = 0;
        auto lecture = m_fs.Lire(f);
        Noter(lecture.etat != Etat::Erreur);
        return lecture;
    }
    bool Ecrire(const std::filesystem::path& f, std::string_view c) override {
        errno = 0;
        return Noter(m_fs.Ecrire(f, c));
    }
    bool Ajouter(const std::filesystem::path& f, std::string_view c) override {
        errno = 0;
        return Noter(m_fs.Ajouter(f, c));
    }
    bool Renommer(const std::filesystem::path& s, const std::filesystem::path& c) override {
        errno = 0;
        return Noter(m_fs.Renommer(s, c));
    }
    // The removal of the scratch file after a failure must not hide the failure's own cause.
    bool Supprimer(const std::filesystem::path& f) override { return m_fs.Supprimer(f); }
    std::optional<char> Dernier_Octet(const std::filesystem::path& f) override {
        return m_fs.Dernier_Octet(f);
    }
    std::optional<std::uintmax_t> Taille(const std::filesystem::path& f) override { return m_fs.Taille(f); }
    bool Tronquer(const std::filesystem::path& f, std::uintmax_t taille) override {
        errno = 0;
        return Noter(m_fs.Tronquer(f, taille));
    }

private:
    bool Noter(bool reussi) {
        if (!reussi && !m_erreur) {
            // A failure that left no cause behind is still a failure.
            m_erreur = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
        }
        return reussi;
    }

    Systeme_Fichiers& m_fs;
    std::error_code m_erreur;
};

struct Fichier_Protege {
    std::string_view nom;
    std::string_view role;
};

// Besides the registered logs, the files whose loss the operator could not undo. The lock's name is the
// one the program takes in the data folder at start.
constexpr std::array<Fichier_Protege, 3> Fichiers_Proteges{{
    {Fichier_Liste_Activite, "la liste des activit\351s"},
    {Fichier_Prenoms, "la liste des pr\351noms"},
    {"Maravel_ON.verrou", "le verrou du programme"},
}};

} // namespace

Resultat_Sortie Ecrire_Sortie(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                              const ActivationRecord& activation, std::string nom_fichier,
                              Mise_En_Forme mise_en_forme, std::string_view message_succes) {
    Fichiers_Temoins temoins(fs);
    Resultat_Sortie resultat;
    resultat.Nom_Fichier = std::move(nom_fichier);
    // Without the list, the registered logs are unknown: nothing is written rather than one lost.
    const auto liste = Lire_Lignes(temoins, Chemin(dossier, Fichier_Liste_Activite));
    if (const auto obstacle =
            liste.lisible ? Fichier_En_Travers(liste.lignes, resultat.Nom_Fichier) : std::nullopt) {
        resultat.Erreur = std::make_error_code(std::errc::file_exists);
        resultat.Message = *obstacle;
        return resultat;
    }
    const auto log = Lire_Lignes(temoins, Chemin(dossier, activation.Num_Activite + ".txt"));
    resultat.Reussi = liste.lisible && log.lisible &&
                      Reecrire(temoins, Chemin(dossier, resultat.Nom_Fichier), Chemin(dossier, Brouillon),
                               mise_en_forme(activation, log.lignes));
    if (resultat.Reussi) {
        resultat.Message = std::string(message_succes) + resultat.Nom_Fichier;
    } else {
        resultat.Erreur = temoins.Erreur() ? temoins.Erreur() : std::make_error_code(std::errc::io_error);
        resultat.Message = Message_Erreur(resultat.Erreur);
    }
    return resultat;
}

namespace {

std::vector<std::string> Lignes_Adif(const ActivationRecord& activation,
                                     const std::vector<std::string>& log) {
    auto lignes = Entete_Adif(activation);
    lignes.reserve(lignes.size() + log.size());
    for (const auto& ligne : log) {
        lignes.push_back(Enregistrement_Adif(ligne));
    }
    return lignes;
}

std::vector<std::string> Lignes_Trafic(const ActivationRecord&, const std::vector<std::string>& log) {
    std::vector<std::string> lignes;
    lignes.reserve(log.size());
    for (const auto& ligne : log) {
        lignes.push_back(Enregistrement_Trafic(ligne));
    }
    return lignes;
}

std::vector<std::string> Rapport_Sauvegarde(const ActivationRecord& activation,
                                            const std::vector<std::string>& log) {
    return Lignes_Rapport(activation, log, Forme_Rapport::Sauvegarde);
}

} // namespace

std::vector<std::string> Lignes_Rapport(const ActivationRecord& activation,
                                        const std::vector<std::string>& log, Forme_Rapport forme) {
    std::vector<std::string> lignes;
    lignes.reserve(log.size() + 8);
    lignes.push_back(Ligne_Titre(activation));
    lignes.emplace_back();
    lignes.push_back(Ligne_Commune(activation, forme));
    lignes.emplace_back();
    lignes.emplace_back(Entete_Rapport);
    lignes.emplace_back();
    for (std::size_t n = 0; n < log.size(); ++n) {
        lignes.push_back(Ligne_Qso_Rapport(n + 1, log[n], forme));
    }
    lignes.emplace_back();
    lignes.push_back(std::string(37, ' ') + std::string(Credit));
    return lignes;
}

std::string Nom_Fichier_Rapport(std::string_view numero_activite, const Moment& date_locale) {
    const auto deux_chiffres = [](int valeur) {
        const int reste = valeur % 100;
        return std::string(1, static_cast<char>('0' + reste / 10)) + static_cast<char>('0' + reste % 10);
    };
    return std::string(numero_activite) + "_" + deux_chiffres(date_locale.jour) + "_" +
           deux_chiffres(date_locale.mois) + "_" + deux_chiffres(date_locale.annee) + ".txt";
}

std::vector<std::string> Entete_Adif(const ActivationRecord& activation) {
    return {"Exportation du log Maravel_ON de " + activation.Activeur + " au format ADIF",
            "",
            std::string(Credit_Adif),
            "",
            "",
            "<eoh>"};
}

std::string Enregistrement_Adif(std::string_view ligne) {
    std::string record;
    record.reserve(200);
    Ecrire_Champ_Adif(record, "call", Champ_Lu(ligne, Champ_Qso::Indicatif));
    if (const auto prenom = Champ_Lu(ligne, Champ_Qso::Prenom); !prenom.empty()) {
        Ecrire_Champ_Adif(record, "name", prenom);
    }
    Ecrire_Champ_Adif(record, "band", Bande_Adif(Colonnes(ligne, 67, 7)));
    Ecrire_Champ_Adif(record, "mode", Champ_Lu(ligne, Champ_Qso::Mode));
    Ecrire_Champ_Adif(record, "qso_date", Date_Adif(Colonnes(ligne, 1, 8)));
    const std::string heure = std::string(Colonnes(ligne, 11, 2)) + std::string(Colonnes(ligne, 14, 2));
    Ecrire_Champ_Adif(record, "time_on", Sans_Blancs(heure));
    Ecrire_Champ_Adif(record, "time_off", Sans_Blancs(heure));
    Ecrire_Champ_Adif(record, "rst_sent", Champ_Lu(ligne, Champ_Qso::Rst_Envoye));
    Ecrire_Champ_Adif(record, "rst_rcvd", Champ_Lu(ligne, Champ_Qso::Rst_Recu));
    Ecrire_Champ_Adif(record, "state", Champ_Lu(ligne, Champ_Qso::Departement));
    Ecrire_Champ_Adif(record, "comment", Champ_Lu(ligne, Champ_Qso::Observations));
    record += "<eor>";
    return record;
}

std::string Bande_Adif(std::string_view bande_log) {
    const auto texte = Sans_Blancs(bande_log);
    for (const auto& bande : Bandes_Programme) {
        if (texte == bande.texte) {
            return std::string(bande.adif);
        }
    }
    // The number is what stands before the unit, as the log right-aligns it in its three columns.
    const auto mhz = Frequence(Sans_Blancs(Colonnes(bande_log, 1, 3)));
    return mhz ? std::string(Bande_Adif_Mhz(*mhz)) : std::string();
}

std::string_view Bande_Adif_Mhz(double mhz) {
    for (const auto& bande : Enumeration_Adif) {
        if (mhz >= bande.basse && mhz <= bande.haute) {
            return bande.adif;
        }
    }
    return {};
}

std::string Date_Adif(std::string_view date) {
    const std::string complete = Date_Complete(date);
    const auto chiffres = [&](std::size_t debut, std::size_t largeur) {
        return complete.substr(debut, largeur).find_first_not_of("0123456789") == std::string::npos;
    };
    // Date_Complete widens only an 8-character date with a two-digit year.
    if (complete.size() != 10 || complete[2] != '/' || complete[5] != '/' || !chiffres(0, 2) ||
        !chiffres(3, 2)) {
        return {};
    }
    return complete.substr(6, 4) + complete.substr(3, 2) + complete.substr(0, 2);
}

int Numero_Erreur(std::error_code erreur) {
    if (erreur == std::errc::permission_denied || erreur == std::errc::operation_not_permitted ||
        erreur == std::errc::read_only_file_system) {
        return 70;
    }
    if (erreur == std::errc::no_such_device || erreur == std::errc::no_such_device_or_address) {
        return 71;
    }
#ifdef ENOMEDIUM
    if (erreur == std::error_code(ENOMEDIUM, std::generic_category())) {
        return 71;
    }
#endif
    return erreur.value();
}

std::string Message_Erreur(std::error_code erreur) {
    const int numero = Numero_Erreur(erreur);
    std::string message = "Erreur " + std::to_string(numero);
    if (numero == 70) {
        message += " Disquette proteg\351e";
    } else if (numero == 71) {
        message += " Pas de disquette dans le lecteur";
    }
    return message;
}

std::string Enregistrement_Trafic(std::string_view ligne) {
    std::string record;
    record.reserve(Largeur_Trafic);
    Copie(record, ligne, 1, 8);
    record.append(2, ' ');
    Copie(record, ligne, 18, 12);
    Copie(record, ligne, 11, 5);
    record.append(2, ' ');
    Copie(record, ligne, 11, 5);
    record.append(2, ' ');
    Copie(record, ligne, 32, 2);
    record.append(3 + 8, ' ');
    record += Libelle_Bande_Trafic(Sans_Blancs(Colonnes(ligne, 67, 3)));
    record.append(2, ' ');
    Copie(record, ligne, 61, 4);
    record.append(5, ' ');
    Copie(record, ligne, 53, 2);
    record.append(8, ' ');
    Copie(record, ligne, 57, 2);
    record.append(8 + 22, ' ');
    Copie(record, ligne, 36, 15);
    record.append(2 + 7, ' ');
    record += "1 ";
    record.append(28, ' ');
    record += "0 ";
    record.append(2, ' ');
    Copie(record, ligne, 75, 30);
    record += '*';
    return record;
}

std::string Libelle_Bande_Trafic(std::string_view numero_bande) {
    for (const auto& bande : Bandes_Trafic) {
        if (numero_bande == bande.numero) {
            return std::string(bande.libelle);
        }
    }
    return std::string(8, ' ');
}

std::string Titre_Affiche_Log(std::string_view numero_activite) {
    return "Log de l'activit\xE9 " + std::string(numero_activite);
}

std::string Ligne_Affiche_Log(std::size_t numero, std::string_view ligne_log) {
    std::string ligne = std::to_string(numero);
    if (ligne.size() < 5) {
        ligne.insert(0, 5 - ligne.size(), ' ');
    }
    ligne += "  ";
    ligne += ligne_log;
    return ligne;
}

std::optional<std::string> Fichier_En_Travers(const std::vector<std::string>& liste_activites,
                                              std::string_view nom_fichier) {
    const std::string cherche = Majuscules_1252(nom_fichier);
    const auto refus = [&](std::string_view protege, std::string_view role) {
        return "Le fichier " + std::string(nom_fichier) + " n'a pas \351t\351 \351crit : il remplacerait " +
               std::string(protege) + ", " + std::string(role) + ".";
    };
    for (const auto& protege : Fichiers_Proteges) {
        if (Majuscules_1252(protege.nom) == cherche) {
            return refus(protege.nom, protege.role);
        }
    }
    for (const auto& ligne : liste_activites) {
        const std::string numero(Numero_Ligne_Activite(ligne));
        if (!numero.empty() && Majuscules_1252(numero + ".txt") == cherche) {
            return refus(numero + ".txt", "le log de l'activit\351 " + numero);
        }
    }
    return std::nullopt;
}

Resultat_Sortie Enregistrer_Rapport(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                    const ActivationRecord& activation, const Moment& date_locale) {
    return Ecrire_Sortie(fs, dossier, activation, Nom_Fichier_Rapport(activation.Num_Activite, date_locale),
                         Rapport_Sauvegarde, "Le log a \xE9t\xE9 sauvegard\xE9 sous le nom : ");
}

Resultat_Sortie Exporter_Adif(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                              const ActivationRecord& activation) {
    return Ecrire_Sortie(fs, dossier, activation, activation.Num_Activite + ".adi", Lignes_Adif,
                         Fichier_Cree);
}

Resultat_Sortie Exporter_Trafic(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                const ActivationRecord& activation) {
    return Ecrire_Sortie(fs, dossier, activation, activation.Num_Activite + ".ctf", Lignes_Trafic,
                         Fichier_Cree);
}

} // namespace Maravel
