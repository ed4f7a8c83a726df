#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Sauvegardes.h"

#include <gtest/gtest.h>

#include <map>

using namespace Maravel;
namespace fs = std::filesystem;

namespace {

const Moment Jour{2024, 3, 1, 8, 0, 0};

// A registered log listed twice, one with an accented number, an activation without log, a hand-edited
// number naming a file in a sub-folder, and a log no activation claims: the last two are not copied.
const std::map<std::string, std::string> Donnees{
    {"Liste_Activite.txt", Fichier_De({Halloy, "DMF-1\xE9 " + Halloy.substr(7), Halloy,
                                       "sous/x " + Halloy.substr(7), "ABS    " + Halloy.substr(7)})},
    {"Liste_Prenom.txt", Fichier_De({Paul, Anne})},
    {"DMF-123.txt", Fichier_De({A, B})},
    {"DMF-1\xE9.txt", Fichier_De({C})},
    {"sous/x.txt", Fichier_De({A})},
    {"AUTRE.txt", Fichier_De({A})}};

// Thirty days of January already kept, and the scratch a crash left.
void Remplir(const Dossier_Temporaire& dossier) {
    fs::create_directories(dossier.Chemin() / "sous");
    fs::create_directories(dossier.Chemin() / "Sauvegardes/2024-02-29.brouillon");
    for (int jour = 1; jour <= 30; ++jour) {
        fs::create_directories(dossier.Chemin() / "Sauvegardes" / Nom_Jour({2024, 1, jour}));
    }
    for (const auto& [nom, octets] : Donnees) {
        dossier.Ecrire(nom, octets);
    }
    dossier.Ecrire(std::string(Brouillon), "reste");
}

// The data files as they were, and the day's backup holding exact copies, or nothing at all.
void Verifier(const Dossier_Temporaire& dossier, bool faite, std::size_t echec) {
    for (const auto& [nom, octets] : Donnees) {
        EXPECT_EQ(dossier.Lire(nom), octets) << echec;
        const bool copiee = faite && nom != "AUTRE.txt" && nom != "sous/x.txt";
        EXPECT_EQ(dossier.Lire("Sauvegardes/2024-03-01/" + nom), copiee ? octets : "") << nom << echec;
    }
    EXPECT_FALSE(dossier.Existe("Sauvegardes/2024-03-01.brouillon")) << echec;
    EXPECT_TRUE(faite || dossier.Existe("Sauvegardes/2024-01-01")) << echec; // removed only after
}

} // namespace

// Nothing for a new data folder; exact copies, the oldest of 31 days removed, a crash's scratch gone; the
// same day nothing more, even after a change. Stopped at each step, or on a full disk that says so (its
// message) or loses bytes silently (the read-back tells): whole or absent, the data files only read.
TEST(Sauvegarde_Du_Jour, UneFoisParJourEntiereOuAbsenteAChaqueEtape) {
    std::size_t etapes = 0;
    {
        Dossier_Temporaire dossier;
        Fichiers_Defaillants libre;
        EXPECT_EQ(Sauvegarde_Du_Jour(libre, libre, dossier.Chemin(), Jour).etat,
                  Etat_Sauvegarde::Rien_A_Sauvegarder);
        EXPECT_FALSE(dossier.Existe("Sauvegardes"));
        Remplir(dossier);
        const std::size_t avant = libre.Operations();
        ASSERT_EQ(Sauvegarde_Du_Jour(libre, libre, dossier.Chemin(), Jour).etat, Etat_Sauvegarde::Faite);
        etapes = libre.Operations() - avant;
        Verifier(dossier, true, 0);
        EXPECT_FALSE(dossier.Existe("Sauvegardes/2024-01-01") || dossier.Existe(std::string(Brouillon)) ||
                     dossier.Existe("Sauvegardes/2024-02-29.brouillon"));
        EXPECT_TRUE(dossier.Existe("Sauvegardes/2024-01-02"));
        dossier.Ecrire("DMF-123.txt", "");
        EXPECT_EQ(Sauvegarde_Du_Jour(libre, libre, dossier.Chemin(), Jour).etat, Etat_Sauvegarde::Deja_Faite);
        EXPECT_EQ(dossier.Lire("Sauvegardes/2024-03-01/DMF-123.txt"), Donnees.at("DMF-123.txt"));
    }
    for (std::size_t echec = 1; echec <= etapes + 2; ++echec) {
        Dossier_Temporaire dossier;
        Remplir(dossier);
        Fichiers_Defaillants defaillant(echec, echec <= etapes ? SIZE_MAX : 300);
        defaillant.muet = echec > etapes + 1;
        const auto resultat = Sauvegarde_Du_Jour(defaillant, defaillant, dossier.Chemin(), Jour);
        Verifier(dossier, resultat.etat == Etat_Sauvegarde::Faite, echec);
        if (echec == etapes + 1) {
            EXPECT_EQ(Message_Sauvegarde(resultat),
                      "La sauvegarde du jour n'a pas pu \352tre faite : le disque est plein.\nVos donn\351es "
                      "ne sont pas touch\351es et le programme continue. Les sauvegardes des jours "
                      "pr\351c\351dents restent dans le dossier Sauvegardes du dossier des donn\351es.");
        }
    }
}
