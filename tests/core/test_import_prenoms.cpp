#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Import_Prenoms.h"

#include <gtest/gtest.h>

using namespace Maravel;

namespace {

// Records as "NOM=valeur NOM=valeur | …", or where reading stopped as "ligne 2 NAME: raison".
std::string Lu(std::string_view texte) {
    const auto l = Lire_Adif(texte);
    std::string lu = l.Lisible ? "" : "ligne " + std::to_string(l.Ligne) + " " + l.Champ + ": " + l.Raison;
    for (const auto& enregistrement : l.Enregistrements) {
        lu += lu.empty() ? "" : "| ";
        for (const auto& [nom, valeur] : enregistrement) {
            lu += std::string(nom) + "=" + std::string(valeur) + " ";
        }
    }
    return lu;
}

const std::string Intacte = Latin1("\nListe_Prenom.txt n'a pas changé.");
const std::string Illisible =
    Latin1("Ce fichier ne peut pas être lu comme un fichier ADIF : la lecture s'est arrêtée "
           "à la ligne ");

} // namespace

TEST(Lecture_Adif, CeQueContiennentLesVraisFichiers) {
    const std::string deux_mo(2 * 1024 * 1024, 'x');
    const std::pair<std::string, std::string> cas[] = {
        {"Log\r\n<ADIF_VER:5>3.1.4\r\n<EOH>\r\n<CALL:5>F6ABC<NAME:4>JEAN<EOR>\r\n", "CALL=F6ABC NAME=JEAN "},
        {"<call:5>f6abc note du logger <name:4:s>Jean <APP_X>\n<eor>\n<Call:2>G4<EoR>",
         "call=f6abc name=Jean | Call=G4 "},
        // Lengths off by one either way, and a UTF-8 name counted in characters: no tag swallowed.
        {"<CALL:6>F6ABC<NAME:3>JEAN\r\n<EOR><NAME:6>HÉLÈNE<EOR>", "CALL=F6ABC NAME=JEAN | NAME=HÉLÈNE "},
        {"<COMMENT:9>1 < 2 <b><EOR>", "COMMENT=1 < 2 <b> "},
        {"<COMMENT:2097152>" + deux_mo + "<EOR>", "COMMENT=" + deux_mo + " "},
        {"en-tête seul<EOH>\r\n", ""},
        {"<CALL:5>F6ABC\r\n<NAME:10>JEAN<EOR>",
         "ligne 2 NAME: le fichier se termine avant la fin de ce champ"},
        {"<CALL:5>F6ABC<EOR>\n<CALL:5>F6ABD\n<name:4>JEAN",
         "ligne 3 NAME: le fichier se termine avant la fin de l'enregistrement"},
        {" \r\n", "ligne 2 : le fichier est vide"},
        {"Nom;Indicatif\r\nJean;F6ABC\r\n", "ligne 3 : il ne contient aucun enregistrement ADIF"},
    };
    for (const auto& [texte, attendu] : cas) {
        EXPECT_EQ(Lu(texte), attendu) << texte.substr(0, 60);
    }
}

// Only empty fields of known stations are filled (in the line a look-up reads); new ones go at the end in the
// file's order, from their first record with a name; what cannot fit the memory is left out and counted.
TEST(Import_Prenoms, FusionEtBilan) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    dossier.Ecrire("Liste_Prenom.txt", Fichier_De({"F1AAA        75 PAUL", "F2BBB           ",
                                                   "F3CCC        29 ", "F3CCC        29 ", "G0EEE"}));
    dossier.Ecrire(
        "a.adi",
        "Export\r\n<EOH>\r\n<CALL:5>f5new<STATE:2>69<NAME:7>élodie<EOR>\r\n<CALL:5>F1AAA"
        "<STATE:2>13<NAME:4>JEAN<EOR><CALL:5>F2BBB<STATE:2>44<NAME:5>Marie<EOR><CALL:5>F3CCC<STATE:2>35"
        "<NAME:3>Luc<EOR><CALL:5>G0EEE<EOR><CALL:6>ON5FFF<EOR><CALL:6>DL1XYZ<STATE:2>BY<NAME:12>Jürgen "
        "Weiß<EOR><CALL:6>ON5FFF<NAME:4>Karl<EOR><CALL:5>F5NEW<NAME:1>X<EOR><CALL:6>SP5ABC<NAME:10>"
        "Michał Re\xCC\x81<EOR><CALL:6>UA3ABC<NAME:8>Иван<EOR><CALL:6>F6LONG<NAME:16>Jean-Christophe!"
        "<EOR><CALL:13>TM0VERYLONGCA<NAME:4>Jean<EOR><NAME:4>Jean<EOR><CALL:5>F8DEP<STATE:3>IDF"
        "<NAME:4>Zoé<EOR><CALL:5>F7ISO<NAME:6>H\xC9L\xC8NE<EOR><CALL:5>F9OVL<NAME:4>\xE0\x80\xAF"
        "b<EOR>\r\n");
    EXPECT_EQ(
        Importer_Prenoms(fs, dossier.Chemin(), dossier.Fichier("a.adi")).Message,
        Latin1(
            "Les prénoms ont été importés dans Liste_Prenom.txt.\nStations lues : 14\nAjoutées : 7\n"
            "Complétées (prénom ou département vide rempli) : 2\nInchangées (déjà connues) : 1\nÉcartées : 4 "
            "(sans prénom : 1, indicatif refusé (trop long ou caractère impossible) : 1, prénom trop long "
            "(plus de 15 caractères) : 1, prénom avec un caractère impossible : 1)\nEnregistrements sans "
            "indicatif, ignorés : 1\nDépartements ignorés (plus de 2 caractères ou caractère impossible) : "
            "1"));
    EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"),
              Latin1(Fichier_De({"F1AAA        75 PAUL", "F2BBB        44 MARIE", "F3CCC        29 ",
                                 "F3CCC        29 LUC", "G0EEE", "F5NEW        69 ÉLODIE",
                                 "DL1XYZ          JÜRGEN WEIß", "ON5FFF          KARL",
                                 "SP5ABC          MICHAL RE", "F8DEP           ZOÉ", "F7ISO           HÉLÈNE",
                                 "F9OVL           \xC0\x80\xAF"
                                 "B"})));
    dossier.Ecrire("b.adi", "<CALL:5>G0EEE<NAME:3>Eve<EOR>"); // completes and adds nothing: still rewritten
    EXPECT_TRUE(Importer_Prenoms(fs, dossier.Chemin(), dossier.Fichier("b.adi")).Reussi);
    EXPECT_EQ(Lire_Lignes(fs, dossier.Chemin() / "Liste_Prenom.txt").lignes[4], "G0EEE           EVE");
}

// Nothing is written until the whole file is read, and a failed rewrite leaves the memory as it was.
TEST(Import_Prenoms, EchecsSansDommage) {
    const std::string memoire = Fichier_De({"F1AAA        75 PAUL"}),
                      bon = "<CALL:5>F6ABC<NAME:4>JEAN<EOR>\r\n";
    const std::tuple<std::string, std::size_t, bool, std::string> cas[] = {
        {bon + "<CALL:5>F6ABD\r\n<NAME:40>JEAN<EOR>", 0, false,
         Illisible + "3, champ NAME (le fichier se termine avant la fin de ce champ)." + Intacte},
        {bon, 1, false,
         Latin1("Liste_Prenom.txt ne peut pas être lue ou réécrite : elle reste telle qu'elle était et aucun "
                "prénom "
                "n'a été importé. Vérifiez le dossier des données.")},
        {bon, 0, true, Latin1("Le fichier ne peut pas être lu.") + Intacte},
    };
    for (const auto& [adif, echec, illisible, message] : cas) {
        Dossier_Temporaire dossier;
        dossier.Ecrire("Liste_Prenom.txt", memoire);
        dossier.Ecrire("f.adi", adif);
        Fichiers_Defaillants fs(echec);
        fs.illisible = illisible;
        const auto resultat = Importer_Prenoms(fs, dossier.Chemin(), dossier.Fichier("f.adi"));
        EXPECT_TRUE(!resultat.Reussi && resultat.Message == message) << resultat.Message;
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), memoire) << message;
    }
}
