#include "core/Recherche.h"

#include "core/Colonnes.h"
#include "core/Qso.h"
#include "core/Texte1252.h"

namespace Maravel {

std::optional<std::string> Refus_Indicatif_Cherche(std::string_view texte) {
    if (texte.size() >= 13) {
        return "Attention 12 caracteres maxi pour l'indicatif";
    }
    if (texte.empty()) {
        return "Entrez un indicatif";
    }
    return std::nullopt;
}

std::optional<std::string> Refus_Date_Cherchee(std::string_view texte) {
    const auto barre = [texte](std::size_t colonne) { return Colonnes(texte, colonne, 1) == "/"; };
    // Either slash in its place lets the date through: an odd date then simply finds nothing.
    if (!barre(3) && !barre(6)) {
        return "Attention le format date doit etre JJ/MM/AA";
    }
    if (texte.size() >= 9) {
        return "Attention 8 caracteres maxi pour la date (format jj/mm/aa)";
    }
    return std::nullopt;
}

std::string_view Ligne_Log_De(std::string_view ligne_liste) {
    std::size_t debut = ligne_liste.find_first_not_of(' ');
    if (debut == std::string_view::npos) {
        return {};
    }
    while (debut < ligne_liste.size() && ligne_liste[debut] >= '0' && ligne_liste[debut] <= '9') {
        ++debut;
    }
    return Colonnes_Fin(ligne_liste, debut + 3);
}

Resultat_Recherche Rechercher(const std::vector<std::string>& lignes_liste, Critere_Recherche critere,
                              std::string_view texte) {
    Resultat_Recherche resultat;
    if (lignes_liste.empty()) {
        return resultat;
    }
    // A line break left at the start of a pasted text is not part of what is looked for.
    if (texte.starts_with("\r\n")) {
        texte.remove_prefix(2);
    }
    const bool par_indicatif = critere == Critere_Recherche::Indicatif;
    if (texte.empty()) {
        resultat.refus = par_indicatif ? "Entrez un indicatif" : "Entrez une date";
        return resultat;
    }
    const std::string cherche = Majuscules_1252(texte);
    const Champ_Qso champ = par_indicatif ? Champ_Qso::Indicatif : Champ_Qso::Date;
    for (std::size_t i = 0; i < lignes_liste.size(); ++i) {
        const std::string_view valeur =
            Sans_Blancs(Colonnes(Ligne_Log_De(lignes_liste[i]), Colonne_Debut(champ), Largeur_Maxi(champ)));
        if (par_indicatif ? valeur.find(cherche) != std::string_view::npos : valeur == cherche) {
            resultat.trouvees.push_back(i);
        }
    }
    return resultat;
}

} // namespace Maravel
