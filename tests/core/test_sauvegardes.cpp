#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Sauvegardes.h"

#include <gtest/gtest.h>

#include <map>

using namespace Maravel;
namespace fs = std::filesystem;

namespace {

const Moment Jour{2024, 3, 1, 8, 0, 0};

// Two registered logs (one twice, one with an accented number), a registered activation without log, a
// hand-edited number that names a file in a sub-folder, and a log no activation claims.
const std::map<std::string, std::string> Donnees{
    {"Liste_Activite.txt", Fichier_De({Halloy, "DMF-1\xE9 " + Halloy.substr(7), Halloy,
                                       "sous/x " + Halloy.substr(7), "ABS    " + Halloy.substr(7)})},
    {"sous/x.txt", Fichier_De({A})},
    {"Liste_Prenom.txt", Fichier_De({Paul, Anne})},
    {"DMF-123.txt", Fichier_De({A, B})},
    {"DMF-1\xE9.txt", Fichier_De({C})},
    {"AUTRE.txt", Fichier_De({A})}};

std::map<std::string, std::string> Attendue() {
    auto copies = Donnees;
    copies.erase("AUTRE.txt");
    copies.erase("sous/x.txt");
    return copies;
}

// Thirty days of January already kept, a folder of the operator's own among them, and the scratch
// left by a crash.
void Remplir(const Dossier_Temporaire& dossier) {
    fs::create_directories(dossier.Chemin() / "sous");
    for (const auto& [nom, octets] : Donnees) {
        dossier.Ecrire(nom, octets);
    }
    dossier.Ecrire(std::string(Brouillon), "reste d'un arret brutal");
    fs::create_directories(dossier.Chemin() / "Sauvegardes/2024-02-29.brouillon");
    for (int jour = 1; jour <= 30; ++jour) {
        fs::create_directories(dossier.Chemin() / "Sauvegardes" / Nom_Jour({2024, 1, jour}));
    }
    fs::create_directories(dossier.Chemin() / "Sauvegardes" / "a garder");
}

// Every file of a folder with its bytes; none for a missing folder.
std::map<std::string, std::string> Contenu(const Dossier_Temporaire& dossier,
                                           const std::string& sous_dossier) {
    std::map<std::string, std::string> fichiers;
    std::error_code erreur;
    for (const auto& entree : fs::directory_iterator(dossier.Chemin() / sous_dossier, erreur)) {
        const std::string nom = Vers_1252(entree.path().filename().u16string()).value();
        fichiers[nom] = dossier.Lire(sous_dossier + "/" + nom);
    }
    return fichiers;
}

} // namespace

// Nothing for a new data folder; then byte-identical copies of the lists and of each registered log; the
// same day, nothing more even when the data changed; the oldest of 31 days goes, the operator's folder
// stays; no scratch is left.
TEST(Sauvegarde_Du_Jour, CopiesExactesUneFoisParJourEtTrenteJours) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fichiers;
    Systeme_Dossiers_Reel dossiers;
    EXPECT_EQ(Sauvegarde_Du_Jour(fichiers, dossiers, dossier.Chemin(), Jour).etat,
              Etat_Sauvegarde::Rien_A_Sauvegarder);
    EXPECT_FALSE(dossier.Existe("Sauvegardes"));
    Remplir(dossier);
    EXPECT_EQ(Sauvegarde_Du_Jour(fichiers, dossiers, dossier.Chemin(), Jour).etat, Etat_Sauvegarde::Faite);
    EXPECT_EQ(Contenu(dossier, "Sauvegardes/2024-03-01"), Attendue());
    dossier.Ecrire("DMF-123.txt", Fichier_De({A}));
    EXPECT_EQ(Sauvegarde_Du_Jour(fichiers, dossiers, dossier.Chemin(), Jour).etat,
              Etat_Sauvegarde::Deja_Faite);
    EXPECT_EQ(Contenu(dossier, "Sauvegardes/2024-03-01"), Attendue());
    EXPECT_FALSE(dossier.Existe("Sauvegardes/2024-01-01"));
    EXPECT_TRUE(dossier.Existe("Sauvegardes/2024-01-02") && dossier.Existe("Sauvegardes/a garder"));
    EXPECT_FALSE(dossier.Existe(std::string(Brouillon)) ||
                 dossier.Existe("Sauvegardes/2024-02-29.brouillon"));
}

// Stopped at each step (a full disk too, told or silent), the backup is whole or absent, no scratch is left,
// the old days are removed only once the new one is whole, and the data files are only read.
TEST(Sauvegarde_Du_Jour, InterrompueAChaqueEtapeEntiereOuAbsente) {
    std::size_t etapes = 0;
    {
        Dossier_Temporaire dossier;
        Remplir(dossier);
        Fichiers_Defaillants libre;
        ASSERT_EQ(Sauvegarde_Du_Jour(libre, libre, dossier.Chemin(), Jour).etat, Etat_Sauvegarde::Faite);
        etapes = libre.Operations();
    }
    for (std::size_t echec = 1; echec <= etapes + 2; ++echec) {
        Dossier_Temporaire dossier;
        Remplir(dossier);
        // The last two passes run out of space instead, the very last without a word: the read-back tells.
        Fichiers_Defaillants defaillant(echec, echec <= etapes ? SIZE_MAX : 300);
        defaillant.muet = echec > etapes + 1;
        const auto resultat = Sauvegarde_Du_Jour(defaillant, defaillant, dossier.Chemin(), Jour);
        const bool faite = resultat.etat == Etat_Sauvegarde::Faite;
        EXPECT_EQ(Contenu(dossier, "Sauvegardes/2024-03-01"), faite ? Attendue() : decltype(Attendue()){})
            << echec;
        EXPECT_FALSE(dossier.Existe("Sauvegardes/2024-03-01.brouillon")) << echec;
        EXPECT_TRUE(faite || dossier.Existe("Sauvegardes/2024-01-01")) << echec;
        for (const auto& [nom, octets] : Donnees) {
            EXPECT_EQ(dossier.Lire(nom), octets) << echec;
        }
        if (echec == etapes + 1) {
            EXPECT_EQ(Message_Sauvegarde(resultat),
                      "La sauvegarde du jour n'a pas pu \352tre faite : le disque est plein.\nVos donn\351es "
                      "ne sont pas touch\351es et le programme continue. Les sauvegardes des jours "
                      "pr\351c\351dents restent dans le dossier Sauvegardes du dossier des donn\351es.");
        }
    }
}
