#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Prenoms.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

const std::string Paul = Ligne_Prenom("F1ABC", "75", "PAUL");
const std::string Anne = Ligne_Prenom("G3XYZ", "", "ANNE");

} // namespace

TEST(Ligne_Prenom, ColonnesFixesPrenomNonComplete) {
    EXPECT_EQ(Paul, "F1ABC        75 PAUL");
    EXPECT_EQ(Anne, "G3XYZ           ANNE");
    EXPECT_EQ(Ligne_Prenom("TK5ABCDEFGHI", "2A", ""), "TK5ABCDEFGHI 2A ");
    EXPECT_EQ(Ligne_Prenom("F1A", "7", "\xC9LO\xCFSE"), "F1A          7  \xC9LO\xCFSE");
}

TEST(Cherche_Prenom, DerniereLigneGagneEtLignesEditeesALaMain) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    EXPECT_FALSE(Cherche_Prenom(fs, dossier.Chemin(), "F1ABC").has_value());

    dossier.Ecrire("Liste_Prenom.txt",
                   Fichier_De({Paul, "F1ABCD       13 MARC", Anne, "F2COURT", "F3AA         7",
                               "F1ABC        2A j\xE9r\xF4me", "  F4X        29 yves"}));
    struct Cas {
        const char* indicatif;
        std::optional<std::pair<std::string, std::string>> attendu;
    };
    const Cas cas[] = {
        {"F1ABC", std::pair{"2A", "J\xC9R\xD4ME"}},
        {"G3XYZ", std::pair{"", "ANNE"}},
        {"F2COURT", std::pair{"", ""}},
        {"F3AA", std::pair{"7", ""}},
        {"F4X", std::pair{"29", "YVES"}},
        {"F1AB", std::nullopt},
        {"f1abc", std::nullopt},
    };
    for (const auto& c : cas) {
        const auto fiche = Cherche_Prenom(fs, dossier.Chemin(), c.indicatif);
        ASSERT_EQ(fiche.has_value(), c.attendu.has_value()) << c.indicatif;
        if (fiche) {
            EXPECT_EQ(fiche->Departement, c.attendu->first) << c.indicatif;
            EXPECT_EQ(fiche->Prenom, c.attendu->second) << c.indicatif;
        }
    }
}

TEST(Ajout_Prenom, RemplaceOuAjouteSelonLeFichier) {
    struct Cas {
        const char* nom;
        std::optional<std::string> avant;
        std::string ligne;
        std::string apres;
    };
    const std::string Paul_Lyon = Ligne_Prenom("F1ABC", "69", "PAUL");
    const Cas cas[] = {
        {"fichier absent cree", std::nullopt, Paul, Fichier_De({Paul})},
        {"nouvel indicatif ajoute", Fichier_De({Anne}), Paul, Fichier_De({Anne, Paul})},
        {"indicatif connu remplace en place", Fichier_De({Paul, Anne}), Paul_Lyon,
         Fichier_De({Paul_Lyon, Anne})},
        {"chaque doublon remplace", Fichier_De({Paul, Anne, Paul}), Paul_Lyon,
         Fichier_De({Paul_Lyon, Anne, Paul_Lyon})},
        {"ligne courte comparee sur 12 colonnes", Fichier_De({"F1ABC", Anne}), Paul,
         Fichier_De({Paul, Anne})},
        {"indicatif plus long non confondu", Fichier_De({"F1ABCD       13 MARC"}), Paul,
         Fichier_De({"F1ABCD       13 MARC", Paul})},
        {"derniere ligne sans fin", "G3XYZ           ANNE", Paul, Fichier_De({Anne, Paul})},
    };
    for (const auto& c : cas) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        if (c.avant) {
            dossier.Ecrire("Liste_Prenom.txt", *c.avant);
        }
        EXPECT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), c.ligne)) << c.nom;
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), c.apres) << c.nom;
        EXPECT_FALSE(dossier.Existe("Temporaire.txt")) << c.nom;
    }
}

TEST(Ajout_Prenom, LigneDejaEnPlaceRienNEstEcrit) {
    Dossier_Temporaire dossier;
    Fichiers_Defaillants fs;
    dossier.Ecrire("Liste_Prenom.txt", Fichier_De({Anne, Paul}));
    EXPECT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), Paul));
    EXPECT_EQ(fs.Operations(), 0u);
    EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), Fichier_De({Anne, Paul}));
}

// Whatever the look-ups said in between, a callsign written twice is stored once, with its last name.
TEST(Ajout_Prenom, DeuxQsoAvecUnNouvelIndicatifLeStockentUneFois) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    dossier.Ecrire("Liste_Prenom.txt", Fichier_De({Anne}));
    EXPECT_FALSE(Cherche_Prenom(fs, dossier.Chemin(), "F1ABC").has_value());
    ASSERT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), Ligne_Prenom("F1ABC", "75", "")));
    ASSERT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), Paul));
    EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), Fichier_De({Anne, Paul}));
    EXPECT_EQ(Cherche_Prenom(fs, dossier.Chemin(), "F1ABC")->Prenom, "PAUL");
}

TEST(Ajout_Prenom, MemoireIlisibleOuReecritureInterrompueLaLaisseEntiere) {
    {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        dossier.Ecrire("Liste_Prenom.txt", Fichier_De({"F1ABCDEFGHIJ 75 PAUL"}));
        EXPECT_FALSE(Ajout_Prenom(fs, dossier.Chemin(), Ligne_Prenom("F1ABCDEFGHIJK", "13", "MARC")));
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), Fichier_De({"F1ABCDEFGHIJ 75 PAUL"}));
    }
    {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        std::filesystem::create_directory(dossier.Chemin() / "Liste_Prenom.txt");
        EXPECT_FALSE(Ajout_Prenom(fs, dossier.Chemin(), Paul));
        EXPECT_FALSE(Cherche_Prenom(fs, dossier.Chemin(), "F1ABC").has_value());
        EXPECT_TRUE(std::filesystem::is_directory(dossier.Chemin() / "Liste_Prenom.txt"));
    }
    const std::string avant = Fichier_De({Paul, Anne});
    const std::string Paul_Lyon = Ligne_Prenom("F1ABC", "69", "PAUL");
    for (const std::string& ligne : {Paul_Lyon, Ligne_Prenom("F5NEW", "13", "\xC9LO\xCFSE")}) {
        for (std::size_t echec = 1; echec <= 2; ++echec) {
            Dossier_Temporaire dossier;
            Fichiers_Defaillants fs(echec);
            dossier.Ecrire("Liste_Prenom.txt", avant);
            const bool fait = Ajout_Prenom(fs, dossier.Chemin(), ligne);
            if (fs.Operations() < echec) {
                EXPECT_TRUE(fait);
                continue;
            }
            EXPECT_FALSE(fait) << ligne << " " << echec;
            EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), avant) << ligne << " " << echec;
            EXPECT_FALSE(dossier.Existe("Temporaire.txt")) << ligne << " " << echec;
        }
    }
}
