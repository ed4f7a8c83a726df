#include "core/Lignes_Coupees.h"

#include "core/Prenoms.h"
#include "core/Qso.h"

#include <utility>

namespace Maravel {

std::string Nom_Ecart(std::string_view fichier_1252, std::string_view date_aaaa_mm_jj) {
    std::string nom(fichier_1252.substr(0, fichier_1252.rfind('.')));
    nom += "_coupe_";
    nom += date_aaaa_mm_jj;
    nom += ".txt";
    return nom;
}

std::optional<Ligne_Ecartee> Ecarter_Ligne_Coupee(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                                  std::string_view fichier_1252, std::size_t longueur_mini,
                                                  std::string_view date_aaaa_mm_jj) {
    const auto fichier = Chemin(dossier, fichier_1252);
    const auto lecture = fs.Lire(fichier);
    const std::string& octets = lecture.contenu;
    // A CR alone at the very end closes the last line as well as CR LF does.
    if (lecture.etat != Systeme_Fichiers::Etat::Present || octets.empty() || octets.back() == '\n' ||
        octets.back() == '\r') {
        return std::nullopt;
    }
    const auto fin_ligne = octets.rfind('\n');
    const std::size_t debut = fin_ligne == std::string::npos ? 0 : fin_ligne + 1;
    if (octets.size() - debut >= longueur_mini) {
        return std::nullopt;
    }
    Ligne_Ecartee ecartee{std::string(fichier_1252), Nom_Ecart(fichier_1252, date_aaaa_mm_jj),
                          octets.substr(debut)};
    // Aside first: a crash between the two steps leaves the fragment twice, never nowhere.
    if (!Ajouter_Ligne(fs, Chemin(dossier, ecartee.ecart_1252), ecartee.octets) ||
        !Reecrire_Octets(fs, fichier, Chemin(dossier, Brouillon),
                         std::string_view(octets).substr(0, debut))) {
        return std::nullopt;
    }
    return ecartee;
}

std::vector<Ligne_Ecartee> Ecarter_Lignes_Coupees(Systeme_Fichiers& fs, const std::filesystem::path& dossier,
                                                  std::string_view numero_activite_1252,
                                                  std::string_view date_aaaa_mm_jj) {
    std::vector<Ligne_Ecartee> ecartees;
    const std::pair<std::string, std::size_t> fichiers[] = {
        {std::string(numero_activite_1252) + ".txt", Largeur_Ligne_Qso},
        {std::string(Fichier_Prenoms), Longueur_Mini_Ligne_Prenom}};
    for (const auto& [nom, longueur_mini] : fichiers) {
        if (auto ecartee = Ecarter_Ligne_Coupee(fs, dossier, nom, longueur_mini, date_aaaa_mm_jj)) {
            ecartees.push_back(std::move(ecartee.value()));
        }
    }
    return ecartees;
}

} // namespace Maravel
