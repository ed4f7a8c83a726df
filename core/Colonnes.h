#pragma once
// Fixed-column helpers: files can be edited by hand, so every cut is safe on short lines.

#include <cstddef>
#include <string>
#include <string_view>

namespace Maravel {

// Characters from 1-based column `debut`, at most `largeur` of them; empty past the end of the line.
inline std::string_view Colonnes(std::string_view ligne, std::size_t debut, std::size_t largeur) {
    if (debut == 0 || debut > ligne.size()) {
        return {};
    }
    return ligne.substr(debut - 1, largeur);
}

// From 1-based column `debut` to the end of the line.
inline std::string_view Colonnes_Fin(std::string_view ligne, std::size_t debut) {
    if (debut == 0 || debut > ligne.size()) {
        return {};
    }
    return ligne.substr(debut - 1);
}

inline std::string_view Sans_Blancs(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) {
        return {};
    }
    const auto fin = texte.find_last_not_of(' ');
    return texte.substr(debut, fin - debut + 1);
}

inline std::string_view Sans_Blancs_Fin(std::string_view texte) {
    const auto fin = texte.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string_view{} : texte.substr(0, fin + 1);
}

// The text followed by blanks up to `largeur` (nothing added when it is already as long).
inline std::string Complete(std::string_view texte, std::size_t largeur) {
    std::string resultat(texte);
    if (resultat.size() < largeur) {
        resultat.append(largeur - resultat.size(), ' ');
    }
    return resultat;
}

} // namespace Maravel
