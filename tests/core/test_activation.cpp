#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Activation.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Maravel;

namespace {

ActivationRecord Halloy() {
    return {"ON4XYZ/P", "ON4ABC", "DMF-123",    "Ch\xE2teau d'Halloy",
            "5590",     "Halloy", "Activation", "12/11/05"};
}

// The line exactly as it must stand in the file, column by column.
const std::string Ligne_Halloy = std::string("DMF-123      ") + "ON4XYZ/P   " +
                                 "Ch\xE2teau d'Halloy                    " + "     " + "5590  " +
                                 "Activation   " + "12/11/05 " + "Halloy                              ";

std::string Ligne(std::string numero, std::string activeur, std::string nom, std::string commune = "Halloy",
                  std::string type = "Activation") {
    auto activation = Halloy();
    activation.Num_Activite = std::move(numero);
    activation.Activeur = std::move(activeur);
    activation.Nom_Activite = std::move(nom);
    activation.Nom_Commune = std::move(commune);
    activation.Type_Activite = std::move(type);
    return Ligne_Activite(activation);
}

struct Liste_Test : ::testing::Test {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    Liste_Activites liste{fs, dossier.Chemin()};

    std::string Fichier() const { return dossier.Lire("Liste_Activite.txt"); }
};

} // namespace

TEST(Ligne_Activite, CentVingtNeufColonnesAuxPlacesFixes) {
    const auto ligne = Ligne_Activite(Halloy());
    ASSERT_EQ(ligne.size(), 129u);
    EXPECT_EQ(ligne, Ligne_Halloy);
    EXPECT_EQ(ligne.substr(60, 5), "     ");
}

// Each value is cut to its column: the type to its 12, and blanks typed around a value never push the
// next field out of place.
TEST(Ligne_Activite, ValeurTropLongueCoupeeASaColonne) {
    auto activation = Halloy();
    activation.Type_Activite = "Activation ch\xE2teau et moulin";
    activation.Num_Activite = " DMF-123        ";
    const auto ligne = Ligne_Activite(activation);
    ASSERT_EQ(ligne.size(), 129u);
    EXPECT_EQ(ligne.substr(71, 13), "Activation c ");
    EXPECT_EQ(ligne.substr(0, 13), " DMF-123     ");
    EXPECT_EQ(ligne.substr(13, 10), "ON4XYZ/P  ");
}

TEST(Lire_Ligne_Activite, RelitChaqueChampSansBlancs) {
    auto attendu = Halloy();
    attendu.Logger.clear();
    const auto lue = Lire_Ligne_Activite(Ligne_Halloy);
    for (const auto champ : Champs_Setup) {
        EXPECT_EQ(Valeur(lue, champ), Valeur(attendu, champ)) << static_cast<int>(champ);
    }
}

TEST(Lire_Ligne_Activite, LignesCourtesOuBizarres) {
    EXPECT_EQ(Lire_Ligne_Activite(Ligne_Halloy.substr(0, 93)).Nom_Commune, "");
    EXPECT_EQ(Lire_Ligne_Activite(Ligne_Halloy.substr(0, 93)).Date_Activite, "12/11/05");
    // A commune shifted one column to the left by a hand edit still reads.
    EXPECT_EQ(Lire_Ligne_Activite(Ligne_Halloy.substr(0, 92) + "Halloy").Nom_Commune, "Halloy");
    for (const std::string& ligne : std::vector<std::string>{"", "DMF", "DMF-123      ON4",
                                                             std::string(300, 'x'), std::string(64, ' ')}) {
        const auto lue = Lire_Ligne_Activite(ligne);
        EXPECT_LE(lue.Num_Activite.size(), 12u);
        EXPECT_LE(lue.Nom_Commune.size(), 36u);
    }
    EXPECT_EQ(Lire_Ligne_Activite("DMF-9").Num_Activite, "DMF-9");
}

TEST_F(Liste_Test, FichierAbsentCreeAuPremierAjoutEnCrLfEt1252) {
    EXPECT_TRUE(liste.Numeros().empty());
    EXPECT_FALSE(liste.Chercher("DMF-123"));
    EXPECT_FALSE(dossier.Existe("Liste_Activite.txt"));
    ASSERT_TRUE(liste.Ajouter_Ou_Remplacer(Ligne_Halloy));
    EXPECT_EQ(Fichier(), Ligne_Halloy + "\r\n");
    EXPECT_EQ(Fichier().find("\xC3\xA2"), std::string::npos); // "â" is one byte, not UTF-8
    EXPECT_FALSE(dossier.Existe("Temporaire.txt"));
}

// Same number, activator and name: the line is replaced where it stands. Another activator or name
// with the same number makes a second line.
TEST_F(Liste_Test, AjoutOuRemplacementSurLesSoixantePremieresColonnes) {
    const auto premiere = Ligne("AAA-1", "ON4XYZ", "Moulin");
    const auto halloy = Ligne("DMF-123", "ON4XYZ/P", "Chateau");
    const auto derniere = Ligne("ZZZ-9", "ON4XYZ", "Abbaye");
    dossier.Ecrire("Liste_Activite.txt", premiere + "\r\n" + halloy + "\n" + derniere); // hand-edited ends
    const auto halloy_modifiee = Ligne("DMF-123", "ON4XYZ/P", "Chateau", "Havelange", "Pique-nique");
    ASSERT_TRUE(liste.Ajouter_Ou_Remplacer(halloy_modifiee));
    EXPECT_EQ(Fichier(), premiere + "\r\n" + halloy_modifiee + "\r\n" + derniere + "\r\n");

    const auto autre_nom = Ligne("DMF-123", "ON4XYZ/P", "Chateau de Halloy");
    const auto autre_activeur = Ligne("DMF-123", "F4ABC", "Chateau");
    ASSERT_TRUE(liste.Ajouter_Ou_Remplacer(autre_nom));
    ASSERT_TRUE(liste.Ajouter_Ou_Remplacer(autre_activeur));
    EXPECT_EQ(Fichier(), premiere + "\r\n" + halloy_modifiee + "\r\n" + derniere + "\r\n" + autre_nom +
                             "\r\n" + autre_activeur + "\r\n");
    EXPECT_EQ(liste.Numeros(), (std::vector<std::string>{"AAA-1", "DMF-123", "ZZZ-9", "DMF-123", "DMF-123"}));
}

TEST_F(Liste_Test, RechercheExacteLaDerniereLigneGagne) {
    dossier.Ecrire("Liste_Activite.txt", Ligne("DMF-123", "ON4XYZ", "Premier", "Namur") + "\r\n" +
                                             Ligne("DMF-1234", "ON4XYZ", "Voisin", "Dinant") + "\r\n" +
                                             Ligne("DMF-123", "F4ABC", "Second", "Ciney") + "\r\n\r\n");
    const auto trouvee = liste.Chercher("DMF-123");
    ASSERT_TRUE(trouvee);
    EXPECT_EQ(trouvee->Activeur, "F4ABC");
    EXPECT_EQ(trouvee->Nom_Commune, "Ciney");
    for (const std::string_view absent : {"DMF-123 ", " DMF-123", "dmf-123", "DMF-12", ""}) {
        EXPECT_FALSE(liste.Chercher(absent)) << '"' << absent << '"';
    }
    // The empty line at the end is not an activation.
    EXPECT_EQ(liste.Numeros(), (std::vector<std::string>{"DMF-123", "DMF-1234", "DMF-123"}));
}

TEST_F(Liste_Test, EffacementDeToutesLesLignesDuNumero) {
    const auto a = Ligne("DMF-123", "ON4XYZ", "Premier");
    const auto b = Ligne("DMF-1234", "ON4XYZ", "Voisin");
    const auto c = Ligne("DMF-123", "F4ABC", "Second");
    dossier.Ecrire("Liste_Activite.txt", a + "\r\n" + b + "\r\n" + c + "\r\n");
    ASSERT_TRUE(liste.Effacer(" DMF-123 "));
    EXPECT_EQ(Fichier(), b + "\r\n");
    ASSERT_TRUE(liste.Effacer("DMF-123")); // already gone: nothing changes
    EXPECT_EQ(Fichier(), b + "\r\n");
    ASSERT_TRUE(liste.Effacer("DMF-1234"));
    EXPECT_TRUE(dossier.Existe("Liste_Activite.txt"));
    EXPECT_EQ(Fichier(), "");
    EXPECT_TRUE(liste.Numeros().empty());
}

// Add, replace and delete stopped at every changing step of their rewrite: the old list stays whole
// and no scratch file is left.
TEST(Liste_Activites, ReecritureInterrompueLaisseLAncienneListe) {
    const std::string ancienne = Ligne("AAA-1", "ON4XYZ", "Moulin") + "\r\n" + Ligne_Halloy + "\r\n";
    const std::vector<std::pair<const char*, std::function<bool(Liste_Activites&)>>> operations{
        {"ajout",
         [](Liste_Activites& l) { return l.Ajouter_Ou_Remplacer(Ligne("ZZZ-9", "F4ABC", "Abbaye")); }},
        {"remplacement",
         [](Liste_Activites& l) {
             return l.Ajouter_Ou_Remplacer(Ligne("DMF-123", "ON4XYZ/P", "Ch\xE2teau d'Halloy"));
         }},
        {"effacement", [](Liste_Activites& l) { return l.Effacer("DMF-123"); }},
    };
    for (const auto& [nom, operation] : operations) {
        for (std::size_t echec = 1; echec <= 2; ++echec) {
            Dossier_Temporaire dossier;
            dossier.Ecrire("Liste_Activite.txt", ancienne);
            Fichiers_Defaillants fs(echec);
            Liste_Activites liste(fs, dossier.Chemin());
            EXPECT_FALSE(operation(liste)) << nom << ", échec " << echec;
            EXPECT_EQ(dossier.Lire("Liste_Activite.txt"), ancienne) << nom << ", échec " << echec;
            EXPECT_FALSE(dossier.Existe("Temporaire.txt")) << nom << ", échec " << echec;
        }
    }
}

TEST(Creer_Log_Si_Absent, CreeVideMaisNeVideJamaisUnLogExistant) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    EXPECT_EQ(Creer_Log_Si_Absent(fs, dossier.Chemin(), "DMF-123"), Etat_Log::Cree);
    EXPECT_TRUE(dossier.Existe("DMF-123.txt"));
    EXPECT_EQ(dossier.Lire("DMF-123.txt"), "");
    dossier.Ecrire("DMF-123.txt", "un QSO\r\n");
    EXPECT_EQ(Creer_Log_Si_Absent(fs, dossier.Chemin(), "DMF-123"), Etat_Log::Existant);
    EXPECT_EQ(dossier.Lire("DMF-123.txt"), "un QSO\r\n");
    // The number is used untrimmed, as the entry window names the log.
    EXPECT_EQ(Creer_Log_Si_Absent(fs, dossier.Chemin(), "DMF-123 "), Etat_Log::Cree);
    EXPECT_TRUE(dossier.Existe("DMF-123 .txt"));
}

TEST(Numero_Utilisable_Comme_Nom, CaracteresEtNomsRefuses) {
    for (const std::string_view bon : {"DMF-123", "ON-00123", "A.B", "DMF 59-001", "CONS", "COM0", "LPT10",
                                       "N\xB0"
                                       "1"}) {
        EXPECT_TRUE(Numero_Utilisable_Comme_Nom(bon)) << bon;
    }
    for (const std::string_view mauvais :
         {"DMF/123", "DMF\\123", "C:1", "A*",  "A?",  "A\"B", "A<B",  "A>B",  "A|B",   "A\tB", "A\x7F",
          ".",       "...",      " . ", "   ", "CON", "nul",  "COM1", "LPT9", "AUX.1", "PRN "}) {
        EXPECT_FALSE(Numero_Utilisable_Comme_Nom(mauvais)) << mauvais;
    }
}

TEST(Refus_Champ, LimitesVideEtNomDeFichier) {
    struct Cas {
        Champ_Setup champ;
        std::string texte;
        std::optional<std::string> sur_entree;
        std::optional<std::string> avant_enregistrement;
    };
    const std::string nom_fichier{*Refus_Sur_Entree(Champ_Setup::Num_Activite, "A/B")};
    const std::vector<Cas> cas{
        {Champ_Setup::Activeur, "ON4XYZ/P/M", {}, {}},
        {Champ_Setup::Activeur, "  ON4XYZ/P/M  ", {}, {}}, // lengths are taken without the blanks around
        {Champ_Setup::Activeur, "ON4XYZ/P/MM", "10 caracteres maxi", "10 caracteres maxi"},
        {Champ_Setup::Activeur, "", "Nom de l'activeur obligatoire", {}},
        {Champ_Setup::Activeur, "  ", {}, {}}, // the empty test looks at the text as typed
        {Champ_Setup::Logger, "", {}, {}},
        {Champ_Setup::Num_Activite, "DMF-12345678", {}, {}},
        {Champ_Setup::Num_Activite, "DMF-123456789", "12 caracteres maxi", "12 caracteres maxi"},
        {Champ_Setup::Num_Activite, "", "Numero de l'activit\xE9 obligatoire", {}},
        {Champ_Setup::Num_Activite, "  ", nom_fichier, nom_fichier},
        {Champ_Setup::Num_Activite, "..", nom_fichier, nom_fichier},
        {Champ_Setup::Nom_Activite, std::string(31, 'a'), "30 caracteres maxi", "30 caracteres maxi"},
        {Champ_Setup::Nom_Activite, "", "Nom de l'activit\xE9 obligatoire", {}},
        {Champ_Setup::Num_CP, "5590", {}, {}},
        {Champ_Setup::Num_CP, "55900", "4 caracteres pour le C.P.", "4 caracteres pour le C.P."},
        {Champ_Setup::Num_CP, "559", "4 caracteres pour le C.P.", "4 caracteres pour le C.P."},
        {Champ_Setup::Num_CP, "", "4 caracteres pour le C.P.", {}},
        {Champ_Setup::Nom_Commune, std::string(27, 'a'), "26 caracteres maxi", "26 caracteres maxi"},
        {Champ_Setup::Nom_Commune, "", "Nom de la commune obligatoire", {}},
        {Champ_Setup::Type_Activite, std::string(35, 'a'), {}, {}},
        {Champ_Setup::Type_Activite, std::string(36, 'a'), "35 caracteres maxi", "35 caracteres maxi"},
        {Champ_Setup::Type_Activite, "", "Type de l'activit\xE9 obligatoire", {}},
        {Champ_Setup::Date_Activite, "12/11/2005", "8 caracteres pour la date JJ/MM/AA",
         "8 caracteres pour la date JJ/MM/AA"},
        {Champ_Setup::Date_Activite, "", "Date de l'activit\xE9 obligatoire", {}},
        {Champ_Setup::Date_Activite, "n'importe", "8 caracteres pour la date JJ/MM/AA",
         "8 caracteres pour la date JJ/MM/AA"},
        {Champ_Setup::Date_Activite, "pas date", {}, {}}, // only the length is checked
    };
    EXPECT_NE(nom_fichier.find("\\ / : * ? \" < > |"), std::string::npos);
    for (const auto& c : cas) {
        const auto vers_texte = [](std::optional<std::string_view> m) {
            return m ? std::optional<std::string>(*m) : std::nullopt;
        };
        EXPECT_EQ(vers_texte(Refus_Sur_Entree(c.champ, c.texte)), c.sur_entree) << '"' << c.texte << '"';
        EXPECT_EQ(vers_texte(Refus_Avant_Enregistrement(c.champ, c.texte)), c.avant_enregistrement)
            << '"' << c.texte << '"';
    }
}
