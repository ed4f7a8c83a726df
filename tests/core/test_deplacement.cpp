// Data files brought out of an installation folder: whatever step fails, every file is whole in its old
// folder or in the data folder, and a failed move leaves the data folder as it was.

#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Deplacement.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

const std::string Liste = Fichier_De({Halloy}), Log = Fichier_De({A, B}), Prenoms = Fichier_De({Paul});

struct Dossiers {
    Dossier_Temporaire installation, donnees;
    Dossiers() {
        installation.Ecrire("Liste_Activite.txt", Liste);
        installation.Ecrire("DMF-123.txt", Log);
        installation.Ecrire("DMF-123.ADI", "adif");
        installation.Ecrire("Maravel_ON", "programme");
        installation.Ecrire("notes.md", "autre");
        donnees.Ecrire("Liste_Prenom.txt", Prenoms);
    }
    Resultat_Deplacement Deplacer(Systeme_Fichiers& fs) {
        return Deplacer_Fichiers(fs, installation.Chemin(), donnees.Chemin(),
                                 Fichiers_De_Donnees(installation.Chemin()));
    }
};

} // namespace

TEST(Deplacement, SeulesLesDonneesDUnDossierQuiEnAPartent) {
    Dossiers d;
    EXPECT_EQ(Fichiers_De_Donnees(d.installation.Chemin()),
              (std::vector<std::filesystem::path>{"DMF-123.ADI", "DMF-123.txt", "Liste_Activite.txt"}));
    EXPECT_TRUE(Fichiers_De_Donnees(d.donnees.Chemin()).size() == 1);
    std::filesystem::remove(d.installation.Fichier("Liste_Activite.txt"));
    EXPECT_TRUE(Fichiers_De_Donnees(d.installation.Chemin()).empty());
}

// Same bytes already there count as moved; other bytes stop everything before anything is written.
TEST(Deplacement, UnNomDejaPrisAvecDAutresOctetsNeDeplaceRien) {
    for (const std::string& deja : {Log, Fichier_De({C})}) {
        Dossiers d;
        d.donnees.Ecrire("DMF-123.txt", deja);
        Systeme_Fichiers_Reel fs;
        const auto resultat = d.Deplacer(fs);
        const bool conflit = deja != Log;
        EXPECT_EQ(resultat.issue,
                  conflit ? Resultat_Deplacement::Issue::Conflit : Resultat_Deplacement::Issue::Deplaces);
        EXPECT_EQ(d.installation.Existe("Liste_Activite.txt"), conflit);
        EXPECT_EQ(d.donnees.Existe("Liste_Activite.txt"), !conflit);
        EXPECT_EQ(d.donnees.Lire("DMF-123.txt"), deja);
    }
}

TEST(Deplacement, UneEtapeQuiEchoueNeLaissePasDeFichierAMoitieDeplace) {
    std::size_t etapes = 0;
    {
        Dossiers d;
        Fichiers_Defaillants fs;
        ASSERT_EQ(d.Deplacer(fs).issue, Resultat_Deplacement::Issue::Deplaces);
        etapes = fs.Operations();
    }
    const std::vector<std::pair<std::string, std::string>> fichiers{
        {"Liste_Activite.txt", Liste}, {"DMF-123.txt", Log}, {"DMF-123.ADI", "adif"}};
    for (std::size_t echec = 1; echec <= etapes; ++echec) {
        Dossiers d;
        Fichiers_Defaillants fs(echec);
        const auto resultat = d.Deplacer(fs);
        const bool deplaces = resultat.issue == Resultat_Deplacement::Issue::Deplaces;
        for (const auto& [nom, octets] : fichiers) {
            // Moved: in the data folder, and still in the old one only if its removal failed.
            const bool reste =
                std::find(resultat.restes.begin(), resultat.restes.end(), nom) != resultat.restes.end();
            EXPECT_EQ(d.donnees.Existe(nom), deplaces) << nom << echec;
            EXPECT_EQ(d.installation.Existe(nom), !deplaces || reste) << nom << echec;
            EXPECT_EQ((deplaces ? d.donnees : d.installation).Lire(nom), octets) << nom << echec;
        }
        EXPECT_EQ(d.donnees.Lire("Liste_Prenom.txt"), Prenoms);
        EXPECT_FALSE(d.donnees.Existe("Maravel_ON.deplacement.tmp")) << echec;
    }
}
