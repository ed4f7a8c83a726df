#include "Dossier_Temporaire.h"
#include "core/Activation.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

std::string Ligne(std::string numero, std::string activeur, std::string nom, std::string commune = "Halloy") {
    return Ligne_Activite({activeur, "", numero, nom, "5590", commune, "Activation", "12/11/05"});
}

} // namespace

// Writing a line and reading a whole or a 93-character one back are the set-up window's rows, byte for byte.
// Read back trimmed; a commune one column to the left still reads, and odd lines never overflow a field.
TEST(Ligne_Activite, Relecture) {
    EXPECT_EQ(Lire_Ligne_Activite(Halloy).Nom_Activite, "Ch\xE9teau");
    EXPECT_EQ(Lire_Ligne_Activite(Halloy.substr(0, 92) + "Halloy").Nom_Commune, "Halloy");
    EXPECT_EQ(Lire_Ligne_Activite("DMF-9").Num_Activite, "DMF-9");
    EXPECT_EQ(Lire_Ligne_Activite(std::string(300, 'x')).Nom_Commune, std::string(36, 'x'));
}

// Same first 60 columns (number, activator, name): replaced where it stands, hand-edited line ends
// rewritten; another activator or name makes a second line. Look-up: exact number, last line wins.
// Delete: every line of the trimmed number, the file kept even when emptied.
TEST(Liste_Activites, AjoutRemplacementRechercheEtEffacement) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    Liste_Activites liste(fs, dossier.Chemin());
    EXPECT_FALSE(liste.Chercher("DMF-123"));
    ASSERT_TRUE(liste.Ajouter_Ou_Remplacer(Halloy));
    EXPECT_EQ(dossier.Lire("Liste_Activite.txt"), Fichier_De({Halloy}));

    const auto premiere = Ligne("AAA-1", "ON4XYZ", "Moulin"),
               derniere = Ligne("DMF-1234", "ON4XYZ", "Abbaye");
    dossier.Ecrire("Liste_Activite.txt", premiere + "\r\n" + Ligne("DMF-123", "ON4", "Ch") + "\n" + derniere);
    const auto modifiee = Ligne("DMF-123", "ON4", "Ch", "Havelange"),
               autre_nom = Ligne("DMF-123", "ON4", "Ch 2"),
               autre_activeur = Ligne("DMF-123", "F4ABC", "Ch", "Ciney");
    for (const auto& ligne : {modifiee, autre_nom, autre_activeur}) {
        ASSERT_TRUE(liste.Ajouter_Ou_Remplacer(ligne));
    }
    EXPECT_EQ(dossier.Lire("Liste_Activite.txt"),
              Fichier_De({premiere, modifiee, derniere, autre_nom, autre_activeur}));
    EXPECT_EQ(liste.Numeros(),
              (std::vector<std::string>{"AAA-1", "DMF-123", "DMF-1234", "DMF-123", "DMF-123"}));
    EXPECT_EQ(liste.Chercher("DMF-123")->Nom_Commune, "Ciney");
    for (const std::string_view absent : {"DMF-123 ", "dmf-123", "DMF-12", ""}) {
        EXPECT_FALSE(liste.Chercher(absent)) << '"' << absent << '"';
    }
    ASSERT_TRUE(liste.Effacer(" DMF-123 "));
    EXPECT_EQ(dossier.Lire("Liste_Activite.txt"), Fichier_De({premiere, derniere}));
    ASSERT_TRUE(liste.Effacer("AAA-1") && liste.Effacer("DMF-1234"));
    EXPECT_EQ(dossier.Lire("Liste_Activite.txt"), "");
    EXPECT_TRUE(dossier.Existe("Liste_Activite.txt"));
}

TEST(Numero_Utilisable_Comme_Nom, CaracteresEtNomsRefuses) {
    for (const std::string_view bon : {"DMF-123", "A.B", "DMF 59-001", "CONS", "COM0", "LPT10", "N\xB0-1",
                                       "Temporaire7", "Liste_Prenoms"}) {
        EXPECT_TRUE(Numero_Utilisable_Comme_Nom(bon)) << bon;
    }
    for (const std::string_view mauvais :
         {"DMF/123", "A\\B", "C:1", "A|B", "A\tB", "A\x7F", ".", " . ", "   ", "nul", "COM1", "LPT9", "AUX.1",
          "PRN ", "temporaire", " TEMPORAIRE6", "liste_ACTIVITE", "Liste_Prenom"}) {
        EXPECT_FALSE(Numero_Utilisable_Comme_Nom(mauvais)) << mauvais;
    }
}

// Length on the trimmed text (exact for the postcode), then emptiness on the text as typed, then the
// number as a file name. Before saving an empty field passes: the three first fields have their own rule.
TEST(Refus_Champ, LimitesVideEtNomDeFichier) {
    const std::string_view fichier = *Refus_Sur_Entree(Champ_Setup::Num_Activite, "A/B");
    EXPECT_NE(fichier.find("\\ / : * ? \" < > |"), std::string::npos);
    const std::string_view dix = "10 caracteres maxi", cp = "4 caracteres pour le C.P.";
    const std::tuple<Champ_Setup, std::string, std::string_view, std::string_view> cas[] = {
        {Champ_Setup::Activeur, "  ON4XYZ/P/M  ", "", ""},
        {Champ_Setup::Activeur, "ON4XYZ/P/MM", dix, dix},
        {Champ_Setup::Activeur, "  ", "", ""},
        {Champ_Setup::Logger, "", "", ""},
        {Champ_Setup::Num_Activite, "  ", fichier, fichier},
        {Champ_Setup::Num_CP, "", cp, ""},
        {Champ_Setup::Num_CP, "12345", cp, cp},
        {Champ_Setup::Nom_Commune, std::string(27, 'a'), "26 caracteres maxi", "26 caracteres maxi"},
        {Champ_Setup::Date_Activite, "pas date", "", ""}, // only the length is checked
    };
    for (const auto& [champ, texte, sur_entree, avant_enregistrement] : cas) {
        EXPECT_EQ(Refus_Sur_Entree(champ, texte).value_or(""), sur_entree) << '"' << texte << '"';
        EXPECT_EQ(Refus_Avant_Enregistrement(champ, texte).value_or(""), avant_enregistrement) << texte;
    }
}
