#include "core/Journal.h"

#include "core/Colonnes.h"

#include <algorithm>
#include <optional>

namespace Maravel {

namespace {

// Digits read as a number; nothing when one character is not a digit or the text is cut short.
std::optional<long long> Nombre(std::string_view chiffres, std::size_t attendus) {
    if (chiffres.size() != attendus) {
        return std::nullopt;
    }
    long long valeur = 0;
    for (const char c : chiffres) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        valeur = valeur * 10 + (c - '0');
    }
    return valeur;
}

Resultat_Journal Resultat(bool reecrit) {
    return reecrit ? Resultat_Journal::Fait : Resultat_Journal::Erreur_Fichier;
}

} // namespace

Journal::Journal(Systeme_Fichiers& fs, std::filesystem::path dossier, std::string numero_activite_1252)
    : m_fs(fs), m_dossier(std::move(dossier)), m_fichier(Chemin(m_dossier, numero_activite_1252 + ".txt")) {}

Lignes_Lues Journal::Lire() const {
    return Lire_Lignes(m_fs, m_fichier);
}

bool Journal::Ajouter(std::string_view ligne) {
    return Ajouter_Ligne(m_fs, m_fichier, ligne);
}

Resultat_Journal Journal::Remplacer(std::size_t numero, std::string_view ancienne,
                                    std::string_view nouvelle) {
    return Changer([&](std::vector<std::string> lignes) -> std::optional<std::vector<std::string>> {
        const auto place = Place_Du_Qso(lignes, numero, ancienne);
        if (!place) {
            return std::nullopt;
        }
        lignes[*place] = nouvelle;
        return lignes;
    });
}

Resultat_Journal Journal::Effacer(std::size_t numero, std::string_view ancienne) {
    return Changer([&](std::vector<std::string> lignes) {
        return Efface_Ligne_Log(std::move(lignes), numero, ancienne);
    });
}

Resultat_Journal Journal::Inserer_Chrono(std::string_view ligne) {
    // A missing log becomes a log of this one line.
    return Changer([&](const std::vector<std::string>& lignes) {
        return std::optional(Insere_Ligne_Chrono(lignes, ligne));
    });
}

Resultat_Journal Journal::Changer(const Changement& changement) {
    auto lues = Lire();
    if (!lues.lisible) {
        return Resultat_Journal::Erreur_Fichier;
    }
    const auto nouvelles = changement(std::move(lues.lignes));
    if (!nouvelles) {
        return Resultat_Journal::Qso_Introuvable;
    }
    return Resultat(Reecrire(m_fs, m_fichier, Chemin(m_dossier, Brouillon), *nouvelles));
}

std::optional<std::size_t> Place_Du_Qso(const std::vector<std::string>& lignes, std::size_t numero,
                                        std::string_view ancienne) {
    if (numero != 0 && numero <= lignes.size() && lignes[numero - 1] == ancienne) {
        return numero - 1;
    }
    if (std::count(lignes.begin(), lignes.end(), ancienne) != 1) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::find(lignes.begin(), lignes.end(), ancienne) - lignes.begin());
}

std::optional<std::vector<std::string>> Efface_Ligne_Log(std::vector<std::string> lignes, std::size_t numero,
                                                         std::string_view ligne) {
    const auto place = Place_Du_Qso(lignes, numero, ligne);
    if (!place) {
        return std::nullopt;
    }
    lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(*place));
    return lignes;
}

std::vector<std::string> Insere_Ligne_Chrono(const std::vector<std::string>& lignes, std::string_view ligne) {
    const long long moment = Moment_Ligne(ligne);
    // Each line is compared with the new one only, so a log out of order keeps its order.
    const auto place = std::find_if(lignes.begin(), lignes.end(),
                                    [moment](const std::string& l) { return Moment_Ligne(l) >= moment; });
    std::vector<std::string> resultat;
    resultat.reserve(lignes.size() + 1);
    resultat.insert(resultat.end(), lignes.begin(), place);
    resultat.emplace_back(ligne);
    resultat.insert(resultat.end(), place, lignes.end());
    return resultat;
}

std::string Date_Complete(std::string_view date) {
    const auto annee = Nombre(Colonnes(date, 7, 2), 2);
    if (date.size() != 8 || !annee) {
        return std::string(date);
    }
    std::string complete(date.substr(0, 6));
    complete += *annee >= 50 ? "19" : "20";
    complete += date.substr(6, 2);
    return complete;
}

long long Moment_Ligne(std::string_view ligne) {
    // Day first, as the dates are written: "jj/mm/ssaa" once widened, then "hh:mm" in columns 11-15.
    const std::string date = Date_Complete(Colonnes(ligne, 1, 8));
    const auto jour = Nombre(Colonnes(date, 1, 2), 2);
    const auto mois = Nombre(Colonnes(date, 4, 2), 2);
    const auto annee = Nombre(Colonnes(date, 7, 4), 4);
    const auto heure = Nombre(Colonnes(ligne, 11, 2), 2);
    const auto minute = Nombre(Colonnes(ligne, 14, 2), 2);
    if (!jour || !mois || !annee || !heure || !minute) {
        return Moment_Illisible;
    }
    return (((*annee * 100 + *mois) * 100 + *jour) * 100 + *heure) * 100 + *minute;
}

} // namespace Maravel
