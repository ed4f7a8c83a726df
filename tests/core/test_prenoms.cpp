#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Prenoms.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

const std::string Paul = "F1ABC        75 PAUL";
const std::string Paul_Lyon = "F1ABC        69 PAUL";
const std::string Anne = "G3XYZ           ANNE";

} // namespace

TEST(Ligne_Prenom, ColonnesFixesPrenomNonComplete) {
    EXPECT_EQ(Ligne_Prenom("F1ABC", "75", "PAUL"), Paul);
    EXPECT_EQ(Ligne_Prenom("G3XYZ", "", "ANNE"), Anne);
    EXPECT_EQ(Ligne_Prenom("TK5ABCDEFGHI", "2A", ""), "TK5ABCDEFGHI 2A ");
    EXPECT_EQ(Ligne_Prenom("F1A", "7", "\xC9LO\xCFSE"), "F1A          7  \xC9LO\xCFSE");
}

// The last matching line wins; hand-edited lines (short, blanks in front, small letters) still read.
TEST(Cherche_Prenom, DerniereLigneGagneEtLignesEditeesALaMain) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    EXPECT_FALSE(Cherche_Prenom(fs, dossier.Chemin(), "F1ABC").has_value());
    dossier.Ecrire("Liste_Prenom.txt",
                   Fichier_De({Paul, "F1ABCD       13 MARC", Anne, "F2COURT", "F3AA         7",
                               "F1ABC        2A j\xE9r\xF4me", "  F4X        29 yves"}));
    using Fiche = std::optional<std::pair<std::string, std::string>>;
    const std::pair<const char*, Fiche> cas[] = {
        {"F1ABC", std::pair{"2A", "J\xC9R\xD4ME"}},
        {"G3XYZ", std::pair{"", "ANNE"}},
        {"F2COURT", std::pair{"", ""}},
        {"F3AA", std::pair{"7", ""}},
        {"F4X", std::pair{"29", "YVES"}},
        {"F1AB", std::nullopt},
        {"f1abc", std::nullopt},
    };
    for (const auto& [indicatif, attendu] : cas) {
        const auto fiche = Cherche_Prenom(fs, dossier.Chemin(), indicatif);
        EXPECT_EQ(fiche ? Fiche(std::pair{fiche->Departement, fiche->Prenom}) : std::nullopt, attendu)
            << indicatif;
    }
}

// Replace or append is decided from the file itself; a callsign longer than 12 columns would overwrite
// another one's line and is refused.
TEST(Ajout_Prenom, RemplaceOuAjouteSelonLeFichier) {
    struct Cas {
        const char* nom;
        std::optional<std::string> avant;
        std::string ligne;
        bool fait;
        std::string apres;
    };
    const Cas cas[] = {
        {"fichier absent cree", std::nullopt, Paul, true, Fichier_De({Paul})},
        {"nouvel indicatif ajoute", Fichier_De({Anne}), Paul, true, Fichier_De({Anne, Paul})},
        {"connu remplace en place", Fichier_De({Paul, Anne}), Paul_Lyon, true, Fichier_De({Paul_Lyon, Anne})},
        {"chaque doublon remplace", Fichier_De({Paul, Anne, Paul}), Paul_Lyon, true,
         Fichier_De({Paul_Lyon, Anne, Paul_Lyon})},
        {"ligne courte sur 12 colonnes", Fichier_De({"F1ABC", Anne}), Paul, true, Fichier_De({Paul, Anne})},
        {"plus long non confondu", Fichier_De({"F1ABCD       13 MARC"}), Paul, true,
         Fichier_De({"F1ABCD       13 MARC", Paul})},
        {"derniere ligne sans fin", Anne, Paul, true, Fichier_De({Anne, Paul})},
        {"indicatif trop long", Fichier_De({"F1ABCDEFGHIJ 75 PAUL"}), "F1ABCDEFGHIJK 13 MARC", false,
         Fichier_De({"F1ABCDEFGHIJ 75 PAUL"})},
    };
    for (const auto& c : cas) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        if (c.avant) {
            dossier.Ecrire("Liste_Prenom.txt", *c.avant);
        }
        EXPECT_EQ(Ajout_Prenom(fs, dossier.Chemin(), c.ligne), c.fait) << c.nom;
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), c.apres) << c.nom;
        EXPECT_FALSE(dossier.Existe("Temporaire.txt")) << c.nom;
    }
}

// Whatever the look-ups said in between, a callsign written twice is stored once, with its last name; a
// line already in place costs no write; a memory that cannot be read is never written over.
TEST(Ajout_Prenom, UneLigneParIndicatifEtMemoireIlisibleIntacte) {
    Dossier_Temporaire dossier;
    Fichiers_Defaillants fs;
    dossier.Ecrire("Liste_Prenom.txt", Fichier_De({Anne}));
    ASSERT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), "F1ABC        75 "));
    ASSERT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), Paul));
    const std::size_t operations = fs.Operations();
    ASSERT_TRUE(Ajout_Prenom(fs, dossier.Chemin(), Paul));
    EXPECT_EQ(fs.Operations(), operations);
    EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), Fichier_De({Anne, Paul}));

    std::filesystem::remove(dossier.Chemin() / "Liste_Prenom.txt");
    std::filesystem::create_directory(dossier.Chemin() / "Liste_Prenom.txt");
    EXPECT_FALSE(Ajout_Prenom(fs, dossier.Chemin(), Paul));
    EXPECT_TRUE(std::filesystem::is_directory(dossier.Chemin() / "Liste_Prenom.txt"));
}
