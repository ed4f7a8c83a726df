#include "core/Qso.h"

#include "core/Colonnes.h"

#include <algorithm>
#include <array>

namespace Maravel {

namespace {

struct Colonne_Qso {
    Champ_Qso champ;
    std::string QsoRecord::*texte;
    std::size_t debut; // 1-based column where the field is read back
    std::size_t maxi;  // widest text the field may hold
    std::size_t pas;   // columns the field takes in the line, separator blanks included
    bool a_droite;     // the band is right-aligned in its three columns
    std::string_view suite;
};

// The line layout, in line order: 104 columns when every field fits.
constexpr std::array<Colonne_Qso, 10> Disposition = {{
    {Champ_Qso::Date, &QsoRecord::Date, 1, 8, 10, false, ""},
    {Champ_Qso::Heure, &QsoRecord::Heure, 11, 5, 7, false, ""},
    {Champ_Qso::Indicatif, &QsoRecord::Indicatif, 18, 12, 14, false, ""},
    {Champ_Qso::Departement, &QsoRecord::Departement, 32, 2, 4, false, ""},
    {Champ_Qso::Prenom, &QsoRecord::Prenom, 36, 15, 17, false, ""},
    {Champ_Qso::Rst_Recu, &QsoRecord::Rst_Recu, 53, 3, 4, false, ""},
    {Champ_Qso::Rst_Envoye, &QsoRecord::Rst_Envoye, 57, 3, 4, false, ""},
    {Champ_Qso::Mode, &QsoRecord::Mode, 61, 4, 6, false, ""},
    {Champ_Qso::Bande, &QsoRecord::Bande, 67, 3, 3, true, " Mhz "},
    {Champ_Qso::Observations, &QsoRecord::Observations, 75, 30, 30, false, ""},
}};

const Colonne_Qso& Colonne_De(Champ_Qso champ) {
    for (const auto& colonne : Disposition) {
        if (colonne.champ == champ) {
            return colonne;
        }
    }
    return Disposition.front();
}

} // namespace

std::size_t Largeur_Maxi(Champ_Qso champ) {
    return Colonne_De(champ).maxi;
}

std::size_t Colonne_Debut(Champ_Qso champ) {
    return Colonne_De(champ).debut;
}

std::optional<Champ_Qso> Champ_Trop_Long(const QsoRecord& qso) {
    for (const auto& colonne : Disposition) {
        if ((qso.*colonne.texte).size() > colonne.maxi) {
            return colonne.champ;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Ligne_Qso(const QsoRecord& qso) {
    // A longer text would shift every later column and the line could no longer be read back.
    if (Champ_Trop_Long(qso)) {
        return std::nullopt;
    }
    std::string ligne;
    ligne.reserve(Largeur_Ligne_Qso);
    for (const auto& colonne : Disposition) {
        const std::string& texte = qso.*colonne.texte;
        if (colonne.a_droite) {
            ligne.append(colonne.pas - texte.size(), ' ');
            ligne += texte;
        } else {
            ligne += Complete(texte, colonne.pas);
        }
        ligne += colonne.suite;
    }
    return ligne;
}

QsoRecord Lire_Ligne_Qso(std::string_view ligne) {
    QsoRecord qso;
    for (const auto& colonne : Disposition) {
        const auto brut = Colonnes(ligne, colonne.debut, colonne.maxi);
        // A report keeps a leading blank, as it was typed; only the padding goes.
        const bool rapport = colonne.champ == Champ_Qso::Rst_Recu || colonne.champ == Champ_Qso::Rst_Envoye;
        qso.*colonne.texte = rapport ? Sans_Blancs_Fin(brut) : Sans_Blancs(brut);
    }
    return qso;
}

std::string Ligne_Affichee(std::size_t numero, std::string_view ligne) {
    std::string affichee = std::to_string(numero);
    if (affichee.size() < Decalage_Affichage - 2) {
        affichee.insert(0, Decalage_Affichage - 2 - affichee.size(), ' ');
    }
    affichee += "  ";
    affichee += ligne;
    return affichee;
}

} // namespace Maravel
