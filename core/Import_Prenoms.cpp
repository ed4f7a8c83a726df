#include "core/Import_Prenoms.h"

#include "core/Colonnes.h"
#include "core/Saisie.h"
#include "core/Texte1252.h"

#include <unordered_map>

namespace Maravel {

namespace {

constexpr std::size_t Largeur_Indicatif = 12;
constexpr std::size_t Largeur_Departement = 2;
constexpr std::size_t Largeur_Prenom = 15;

constexpr std::array<std::string_view, Nombre_Ecarts> Raisons = {
    "sans pr\xE9nom", "indicatif refus\xE9 (trop long ou caract\xE8re impossible)",
    "pr\xE9nom trop long (plus de 15 caract\xE8res)", "pr\xE9nom avec un caract\xE8re impossible"};

// Where a callsign stands while the file is read: its records so far had no first name, or it is settled.
enum class Etat { Sans_Prenom, Decidee };

class Tri_Stations {
public:
    void Lire(const Enregistrement_Adif_Lu& enregistrement) {
        const auto brut = Valeur_Adif(enregistrement, "CALL");
        auto indicatif = brut ? Texte_Adif(*brut) : std::nullopt;
        if (!brut || (indicatif && indicatif->empty())) {
            ++m_lues.Sans_Indicatif;
            return;
        }
        // A refused callsign is known by its bytes, so that its other records are not counted again.
        const bool admis = indicatif && indicatif->size() <= Largeur_Indicatif;
        const auto [etat, nouveau] =
            m_etats.try_emplace(admis ? Majuscules_1252(*indicatif) : std::string(*brut), Etat::Sans_Prenom);
        m_lues.Lues += nouveau ? 1 : 0;
        if (etat->second == Etat::Decidee) {
            return;
        }
        if (!admis) {
            return Ecarter(etat->second, Ecart::Indicatif_Refuse);
        }
        const auto brut_prenom = Valeur_Adif(enregistrement, "NAME");
        const auto prenom = brut_prenom ? Texte_Adif(*brut_prenom) : std::nullopt;
        if (!brut_prenom || (prenom && prenom->empty())) {
            return; // adds nothing: a later record of the station may have the name
        }
        if (!prenom || prenom->size() > Largeur_Prenom) {
            return Ecarter(etat->second, prenom ? Ecart::Prenom_Trop_Long : Ecart::Prenom_Illisible);
        }
        etat->second = Etat::Decidee;
        m_lues.Stations.push_back(
            {etat->first, Departement(enregistrement, etat->first), Majuscules_1252(*prenom)});
    }

    Stations_Lues Fin() {
        for (const auto& [cle, etat] : m_etats) {
            m_lues.Ecartees[static_cast<std::size_t>(Ecart::Sans_Prenom)] +=
                etat == Etat::Sans_Prenom ? 1 : 0;
        }
        return std::move(m_lues);
    }

private:
    void Ecarter(Etat& etat, Ecart raison) {
        etat = Etat::Decidee;
        ++m_lues.Ecartees[static_cast<std::size_t>(raison)];
    }

    // Only French stations have a department in the memory; one that does not fit is left out, counted.
    std::string Departement(const Enregistrement_Adif_Lu& enregistrement, std::string_view indicatif) {
        const auto brut = Valeur_Adif(enregistrement, "STATE");
        const auto departement = brut ? Texte_Adif(*brut) : std::nullopt;
        if (!brut || !Est_Francais(indicatif) || (departement && departement->empty())) {
            return {};
        }
        if (!departement || departement->size() > Largeur_Departement) {
            ++m_lues.Departements_Ignores;
            return {};
        }
        return Majuscules_1252(*departement);
    }

    Stations_Lues m_lues;
    std::unordered_map<std::string, Etat> m_etats;
};

std::string Nombre(std::string_view libelle, std::size_t nombre) {
    return std::string(libelle) + " : " + std::to_string(nombre) + "\n";
}

std::string Texte_Bilan(const Stations_Lues& lues, const Bilan_Fusion& bilan) {
    std::string texte = bilan.Ajoutees + bilan.Completees > 0
                            ? "Les pr\xE9noms ont \xE9t\xE9 import\xE9s dans Liste_Prenom.txt.\n"
                            : "Liste_Prenom.txt n'a pas chang\xE9.\n";
    texte += Nombre("Stations lues", lues.Lues) +
             Nombre("Ajout\xE9"
                    "es",
                    bilan.Ajoutees) +
             Nombre("Compl\xE9t\xE9"
                    "es (pr\xE9nom ou d\xE9partement vide rempli)",
                    bilan.Completees) +
             Nombre("Inchang\xE9"
                    "es (d\xE9j\xE0 connues)",
                    bilan.Inchangees);
    std::size_t ecartees = 0;
    std::string raisons;
    for (std::size_t r = 0; r < Nombre_Ecarts; ++r) {
        if (lues.Ecartees[r] > 0) {
            raisons += (raisons.empty() ? "" : ", ") + std::string(Raisons[r]) + " : " +
                       std::to_string(lues.Ecartees[r]);
        }
        ecartees += lues.Ecartees[r];
    }
    texte += "\xC9"
             "cart\xE9"
             "es : " +
             std::to_string(ecartees) + (raisons.empty() ? "" : " (" + raisons + ")") + "\n";
    if (lues.Sans_Indicatif > 0) {
        texte += Nombre("Enregistrements sans indicatif, ignor\xE9s", lues.Sans_Indicatif);
    }
    if (lues.Departements_Ignores > 0) {
        texte += Nombre("D\xE9partements ignor\xE9s (plus de 2 caract\xE8res ou caract\xE8re impossible)",
                        lues.Departements_Ignores);
    }
    texte.pop_back();
    return texte;
}

constexpr std::string_view Memoire_Intacte = "\nListe_Prenom.txt n'a pas chang\xE9.";

} // namespace

Stations_Lues Stations_Adif(const std::vector<Enregistrement_Adif_Lu>& enregistrements) {
    Tri_Stations tri;
    for (const auto& enregistrement : enregistrements) {
        tri.Lire(enregistrement);
    }
    return tri.Fin();
}

Resultat_Import Importer_Prenoms(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                 const std::filesystem::path& fichier_adif) {
    const auto fichier = fs.Lire(fichier_adif);
    if (fichier.etat != Systeme_Fichiers::Etat::Present) {
        return {false, "Le fichier ne peut pas \xEAtre lu." + std::string(Memoire_Intacte)};
    }
    const auto lecture = Lire_Adif(fichier.contenu);
    if (!lecture.Lisible) {
        const std::string champ = lecture.Champ.empty() ? "" : ", champ " + lecture.Champ;
        return {false,
                "Ce fichier ne peut pas \xEAtre lu comme un fichier ADIF : la lecture s'est arr\xEAt\xE9"
                "e "
                "\xE0 la ligne " +
                    std::to_string(lecture.Ligne) + champ + " (" + lecture.Raison + ")." +
                    std::string(Memoire_Intacte)};
    }
    const auto lues = Stations_Adif(lecture.Enregistrements);
    const auto bilan = Fusionner_Prenoms(fs, dossier, lues.Stations);
    if (!bilan) {
        return {false,
                "Liste_Prenom.txt ne peut pas \xEAtre lue ou r\xE9\xE9"
                "crite : elle reste telle qu'elle "
                "\xE9tait et aucun pr\xE9nom n'a \xE9t\xE9 import\xE9. V\xE9rifiez le dossier des donn\xE9"
                "es."};
    }
    return {true, Texte_Bilan(lues, *bilan)};
}

} // namespace Maravel
