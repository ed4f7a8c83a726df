#include "core/Journal.h"

#include "core/Colonnes.h"

#include <algorithm>
#include <iterator>
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

// The caller's number may be stale (a recovery or an insertion shifted the lines, or the log was edited
// by hand): the line it saw is found again when that cannot be mistaken for a twin elsewhere.
std::optional<std::size_t> Retrouver(const std::vector<std::string>& lignes, std::size_t numero,
                                     std::string_view ancienne) {
    if (numero != 0 && numero <= lignes.size() && lignes[numero - 1] == ancienne) {
        return numero - 1;
    }
    const auto egales = std::count(lignes.begin(), lignes.end(), ancienne);
    if (egales != 1) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::find(lignes.begin(), lignes.end(), ancienne) - lignes.begin());
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
    return Modifier(numero, ancienne, [nouvelle](std::vector<std::string>& lignes, std::size_t place) {
        lignes[place] = nouvelle;
    });
}

Resultat_Journal Journal::Effacer(std::size_t numero, std::string_view ancienne) {
    return Modifier(numero, ancienne, [](std::vector<std::string>& lignes, std::size_t place) {
        lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(place));
    });
}

Resultat_Journal
Journal::Modifier(std::size_t numero, std::string_view ancienne,
                  const std::function<void(std::vector<std::string>&, std::size_t)>& changer) {
    auto lues = Lire();
    if (!lues.lisible) {
        return Resultat_Journal::Erreur_Fichier;
    }
    const auto place = Retrouver(lues.lignes, numero, ancienne);
    if (!place) {
        return Resultat_Journal::Qso_Introuvable;
    }
    changer(lues.lignes, *place);
    return Resultat(Reecrire(m_fs, m_fichier, Chemin(m_dossier, Brouillon), lues.lignes));
}

Resultat_Journal Journal::Inserer_Chrono(std::string_view ligne) {
    const auto lues = Lire();
    if (!lues.lisible) {
        return Resultat_Journal::Erreur_Fichier;
    }
    // A missing log becomes a log of this one line.
    return Resultat(Reecrire(m_fs, m_fichier, Chemin(m_dossier, Brouillon_Chrono),
                             Insere_Ligne_Chrono(lues.lignes, ligne)));
}

std::vector<std::string> Efface_Ligne_Log(const std::vector<std::string>& lignes, std::string_view ligne) {
    std::vector<std::string> restantes;
    restantes.reserve(lignes.size());
    std::copy_if(lignes.begin(), lignes.end(), std::back_inserter(restantes),
                 [ligne](const std::string& l) { return l != ligne; });
    return restantes;
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
