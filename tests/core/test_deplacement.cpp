// Data files brought out of an installation folder: whatever step fails, every file is whole in its old
// folder or in the data folder, and a failed move leaves the data folder as it was.

#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Deplacement.h"

#include <gtest/gtest.h>

using namespace Maravel;

// The log is already in the data folder, with the same bytes: it counts as moved and is never rewritten.
// After the failure at each step, a disk that loses bytes and says nothing: the copy read back differs.
TEST(Deplacement, UneEtapeQuiEchoueNeLaissePasDeFichierAMoitieDeplace) {
    const std::vector<std::pair<std::string, std::string>> fichiers{
        {"DMF-123.ADI", "adif"},
        {"DMF-123.txt", Fichier_De({A, B})},
        {"Liste_Activite.txt", Fichier_De({Halloy})}};
    for (std::size_t echec = 0, etapes = 1; echec <= etapes + 1; ++echec) {
        Dossier_Temporaire installation, donnees;
        for (const auto& [nom, octets] : fichiers) {
            installation.Ecrire(nom, octets);
        }
        installation.Ecrire("Maravel_ON", "programme");
        donnees.Ecrire("DMF-123.txt", Fichier_De({A, B}));
        const auto noms = Fichiers_De_Donnees(installation.Chemin());
        ASSERT_EQ(noms,
                  (std::vector<std::filesystem::path>{"DMF-123.ADI", "DMF-123.txt", "Liste_Activite.txt"}));
        Fichiers_Defaillants fs(echec > etapes ? 0 : echec, echec > etapes ? 3 : SIZE_MAX);
        fs.muet = echec > etapes;
        const auto resultat = Deplacer_Fichiers(fs, installation.Chemin(), donnees.Chemin(), noms);
        etapes = echec == 0 ? fs.Operations() : etapes;
        const bool deplaces = resultat.issue == Resultat_Deplacement::Issue::Deplaces;
        ASSERT_TRUE(deplaces || echec > 0);
        for (const auto& [nom, octets] : fichiers) {
            // Moved: in the data folder, and still in the old one only if its removal failed.
            const bool reste = std::count(resultat.restes.begin(), resultat.restes.end(), nom) > 0;
            EXPECT_EQ(donnees.Existe(nom), deplaces || nom == "DMF-123.txt") << nom << echec;
            EXPECT_EQ(installation.Existe(nom), !deplaces || reste) << nom << echec;
            EXPECT_EQ((deplaces ? donnees : installation).Lire(nom), octets) << nom << echec;
        }
        EXPECT_FALSE(donnees.Existe("Maravel_ON.deplacement.tmp")) << echec;
        std::filesystem::remove(installation.Fichier("Liste_Activite.txt"));
        EXPECT_TRUE(Fichiers_De_Donnees(installation.Chemin()).empty());
    }
}
