#include "core/Saisie.h"

#include "core/Colonnes.h"
#include "core/Qso.h"

#include <algorithm>
#include <array>

namespace Maravel {

namespace {

bool Chiffre(char c) {
    return c >= '0' && c <= '9';
}

// `forme` spells the expected text: '9' for a digit, any other character for itself.
int Controle_Forme(std::string_view texte, std::string_view forme) {
    if (texte.size() != forme.size()) {
        return 1;
    }
    for (std::size_t i = 0; i < forme.size(); ++i) {
        const bool admis = forme[i] == '9' ? Chiffre(texte[i]) : texte[i] == forme[i];
        if (!admis) {
            return 1;
        }
    }
    return 0;
}

constexpr std::array<std::string_view, 10> Prefixes_Francais = {"TH", "TK", "TM", "TP", "TQ",
                                                                "TV", "TW", "HW", "HX", "HY"};

std::string_view Champ_Lu(std::string_view ligne, Champ_Qso champ) {
    return Sans_Blancs(Colonnes(ligne, Colonne_Debut(champ), Largeur_Maxi(champ)));
}

} // namespace

int Controle_Date(std::string_view texte) {
    return Controle_Forme(texte, "99/99/99");
}

int Controle_Heure(std::string_view texte) {
    return Controle_Forme(texte, "99:99");
}

bool Est_Francais(std::string_view indicatif) {
    if (!indicatif.empty() && (indicatif.front() == 'F' || indicatif.front() == 'f')) {
        return true;
    }
    const auto prefixe = indicatif.substr(0, 2);
    return std::find(Prefixes_Francais.begin(), Prefixes_Francais.end(), prefixe) != Prefixes_Francais.end();
}

std::optional<Qso_Anterieur> Cherche_Indicatif(const std::vector<std::string>& lignes,
                                               std::string_view indicatif, std::string_view bande,
                                               std::string_view mode) {
    for (const auto& ligne : lignes) {
        if (Champ_Lu(ligne, Champ_Qso::Indicatif) == indicatif &&
            Champ_Lu(ligne, Champ_Qso::Bande) == bande && Champ_Lu(ligne, Champ_Qso::Mode) == mode) {
            return Qso_Anterieur{
                std::string(Colonnes(ligne, Colonne_Debut(Champ_Qso::Date), Largeur_Maxi(Champ_Qso::Date))),
                std::string(Colonnes(ligne, Colonne_Debut(Champ_Qso::Heure), Largeur_Maxi(Champ_Qso::Heure))),
                std::string(Champ_Lu(ligne, Champ_Qso::Prenom))};
        }
    }
    return std::nullopt;
}

} // namespace Maravel
