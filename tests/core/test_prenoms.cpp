#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Prenoms.h"

#include <gtest/gtest.h>

using namespace Maravel;

const std::string Paul_Lyon = "F1ABC        69 PAUL";

// The last matching line wins; hand-edited lines (short, blanks in front, small letters) still read.
TEST(Prenoms, LigneEtRecherche) {
    EXPECT_EQ(Ligne_Prenom("F1ABC", "75", "PAUL"), Paul);
    EXPECT_EQ(Ligne_Prenom("G3XYZ", "", "ANNE"), Anne);
    EXPECT_EQ(Ligne_Prenom("F1A", "7", "\xC9LO\xCFSE"), "F1A          7  \xC9LO\xCFSE");
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    EXPECT_FALSE(Cherche_Prenom(fs, dossier.Chemin(), "F1ABC").has_value());
    dossier.Ecrire("Liste_Prenom.txt",
                   Fichier_De({Paul, "F1ABCD       13 MARC", Anne, "F2COURT", "F3AA         7",
                               "F1ABC        2A j\xE9r\xF4me", "  F4X        29 yves"}));
    const std::pair<const char*, std::string> cas[] = {
        {"F1ABC", "2A J\xC9R\xD4ME"}, {"G3XYZ", " ANNE"}, {"F2COURT", " "},   {"F3AA", "7 "},
        {"F4X", "29 YVES"},           {"F1AB", "absent"}, {"f1abc", "absent"}};
    for (const auto& [indicatif, attendu] : cas) {
        const auto fiche = Cherche_Prenom(fs, dossier.Chemin(), indicatif);
        EXPECT_EQ(fiche ? fiche->Departement + " " + fiche->Prenom : "absent", attendu) << indicatif;
    }
}

// Replace or append is decided from the file itself; a callsign longer than 12 columns would overwrite
// another one's line and is refused; a line already in place costs no write.
TEST(Ajout_Prenom, RemplaceOuAjouteSelonLeFichier) {
    const std::tuple<std::optional<std::string>, std::string, bool, std::string> cas[] = {
        {std::nullopt, Paul, true, Fichier_De({Paul})},
        {Fichier_De({Anne}), Paul, true, Fichier_De({Anne, Paul})},
        {Fichier_De({Paul, Anne}), Paul_Lyon, true, Fichier_De({Paul_Lyon, Anne})},
        {Fichier_De({Paul, Anne, Paul}), Paul_Lyon, true, Fichier_De({Paul_Lyon, Anne, Paul_Lyon})},
        {Fichier_De({"F1ABC", Anne}), Paul, true, Fichier_De({Paul, Anne})},
        {Fichier_De({"F1ABCD       13 MARC"}), Paul, true, Fichier_De({"F1ABCD       13 MARC", Paul})},
        {Fichier_De({"TK5ABCDEFGHI 2A LUC"}), "TK5ABCDEFGHJ 2B ZO", true,
         Fichier_De({"TK5ABCDEFGHI 2A LUC", "TK5ABCDEFGHJ 2B ZO"})},
        {Anne, Paul, true, Fichier_De({Anne, Paul})},
        {Fichier_De({"F1ABCDEFGHIJ 75 PAUL"}), "F1ABCDEFGHIJK    MARC", false,
         Fichier_De({"F1ABCDEFGHIJ 75 PAUL"})}};
    for (const auto& [avant, ligne, fait, apres] : cas) {
        Dossier_Temporaire dossier;
        Fichiers_Defaillants fs;
        if (avant) {
            dossier.Ecrire("Liste_Prenom.txt", *avant);
        }
        EXPECT_EQ(Ajout_Prenom(fs, dossier.Chemin(), ligne), fait) << ligne;
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), apres) << ligne;
        const std::size_t operations = fs.Operations();
        EXPECT_EQ(Ajout_Prenom(fs, dossier.Chemin(), ligne), fait);
        EXPECT_EQ(fs.Operations(), operations) << ligne;
        EXPECT_FALSE(dossier.Existe("Temporaire.txt"));
    }
    Dossier_Temporaire dossier; // a memory that cannot be read is never written over
    dossier.Ecrire("Liste_Prenom.txt", Fichier_De({Anne}));
    Fichiers_Defaillants illisible;
    illisible.illisible = true;
    EXPECT_FALSE(Ajout_Prenom(illisible, dossier.Chemin(), Paul));
    EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), Fichier_De({Anne}));
}
