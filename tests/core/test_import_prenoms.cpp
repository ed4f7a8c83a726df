#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Adif_Complet.h"
#include "core/Import_Prenoms.h"

#include <gtest/gtest.h>

#include <set>

using namespace Maravel;

namespace {

// Records as "NOM=valeur NOM=valeur | …", or where reading stopped as "ligne 2 NAME: raison".
std::string Lu(std::string_view texte) {
    const auto lecture = Lire_Adif(texte);
    if (!lecture.Lisible) {
        return "ligne " + std::to_string(lecture.Ligne) + " " + lecture.Champ + ": " + lecture.Raison;
    }
    std::string lu;
    for (const auto& enregistrement : lecture.Enregistrements) {
        lu += lu.empty() ? "" : " | ";
        for (const auto& champ : enregistrement) {
            lu += std::string(champ.Nom) + "=" + std::string(champ.Valeur) + " ";
        }
        lu.pop_back();
    }
    return lu;
}

const std::string Deux_Mo(2 * 1024 * 1024, 'x');

} // namespace

TEST(Lecture_Adif, CeQueContiennentLesVraisFichiers) {
    const std::pair<std::string, std::string> cas[] = {
        {"Log de F1ABC\r\n<ADIF_VER:5>3.1.4\r\n<EOH>\r\n<CALL:5>F6ABC<NAME:4>JEAN<EOR>\r\n",
         "CALL=F6ABC NAME=JEAN"},
        {"<call:5>f6abc <name:4:s>Jean\n<eor>\n<Call:2>G4<EoR>", "call=f6abc name=Jean | Call=G4"},
        {"<CALL:5>F6ABC note du logger <NAME:4>JEAN <APP_X>\r\n<EOR>", "CALL=F6ABC NAME=JEAN"},
        // Lengths off by one either way, and a UTF-8 name counted in characters: no tag swallowed.
        {"<CALL:6>F6ABC<NAME:3>JEAN\r\n<EOR>", "CALL=F6ABC NAME=JEAN"},
        {"<NAME:6>H\xC3\x89L\xC3\x88NE<CALL:4>F6AB<EOR>", "NAME=H\xC3\x89L\xC3\x88NE CALL=F6AB"},
        {"<COMMENT:9>1 < 2 <b><EOR>", "COMMENT=1 < 2 <b>"},
        {"<COMMENT:2097152>" + Deux_Mo + "<EOR>", "COMMENT=" + Deux_Mo},
        {"en-t\xEAte seul<EOH>\r\n", ""},
        {"<CALL:5>F6ABC\r\n<NAME:10>JEAN<EOR>",
         "ligne 2 NAME: le fichier se termine avant la fin de ce champ"},
        {"<CALL:99999999999999999999999>F", "ligne 1 CALL: le fichier se termine avant la fin de ce champ"},
        {"<CALL:5>F6ABC<EOR>\n<CALL:5>F6ABD\n<name:4>JEAN",
         "ligne 3 NAME: le fichier se termine avant la fin de l'enregistrement"},
        {"", "ligne 1 : le fichier est vide"},
        {" \r\n", "ligne 2 : le fichier est vide"},
        {"Nom;Indicatif\r\nJean;F6ABC\r\n", "ligne 3 : il ne contient aucun enregistrement ADIF"},
    };
    for (const auto& [texte, attendu] : cas) {
        EXPECT_EQ(Lu(texte), attendu) << texte.substr(0, 60);
    }
}

// UTF-8 when it is UTF-8, Windows-1252 otherwise; what the code page cannot hold is folded or refused.
TEST(Lecture_Adif, TexteDesValeurs) {
    const std::pair<std::string, std::optional<std::string>> cas[] = {
        {" Jean\r\n", "Jean"},
        {"H\xC9L\xC8NE", "H\xC9L\xC8NE"},
        {"H\xC3\x89L\xC3\x88NE", "H\xC9L\xC8NE"},
        {"Micha\xC5\x82 \xC8\x98tefan \xC4\xB2sbrand", "Michal Stefan IJsbrand"},
        {"Rene\xCC\x81", "Rene"},
        {"\xC3\x28", "\xC3("},
        {"\xC0\xAF", "\xC0\xAF"},
        {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", std::nullopt},
        {"Jo \xF0\x9F\x93\xBB", std::nullopt},
        {"A\tB", std::nullopt},
        {"A\x81", std::nullopt},
    };
    for (const auto& [valeur, attendu] : cas) {
        EXPECT_EQ(Texte_Adif(valeur), attendu) << valeur;
    }
}

// What the operator typed is never overwritten; new stations come at the end in the file's order.
TEST(Import_Prenoms, FusionEtBilan) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    const std::string avant = Fichier_De({"F1AAA        75 PAUL", "F2BBB           ", "F3CCC        29 ",
                                          "ON4DDD          ANNE", "F3CCC        29 ", "G0EEE"});
    dossier.Ecrire("Liste_Prenom.txt", avant);
    dossier.Ecrire("autre.adi", "Export\r\n<EOH>\r\n"
                                "<CALL:5>f5new<STATE:2>69<NAME:7>\xC3\xA9lodie<EOR>\r\n"
                                "<CALL:5>F1AAA<STATE:2>13<NAME:4>JEAN<EOR>\r\n"
                                "<CALL:5>F2BBB<STATE:2>44<NAME:5>Marie<EOR>\r\n"
                                "<CALL:5>F3CCC<STATE:2>35<NAME:3>Luc<EOR>\r\n"
                                "<CALL:6>ON4DDD<NAME:4>ANNA<EOR>\r\n"
                                "<CALL:5>G0EEE<EOR>\r\n"
                                "<CALL:6>ON5FFF<STATE:2>BE<EOR>\r\n"
                                "<CALL:6>DL1XYZ<STATE:2>BY<NAME:12>J\xC3\xBCrgen Wei\xC3\x9F<EOR>\r\n"
                                "<CALL:6>ON5FFF<NAME:4>Karl<EOR>\r\n"
                                "<CALL:5>F5NEW<NAME:1>X<EOR>\r\n"
                                "<CALL:6>SP5ABC<NAME:7>Micha\xC5\x82<EOR>\r\n"
                                "<CALL:6>UA3ABC<NAME:8>\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD<EOR>\r\n"
                                "<CALL:6>F6LONG<NAME:16>Jean-Christophe!<EOR>\r\n"
                                "<CALL:13>TM0VERYLONGCA<NAME:4>Jean<EOR>\r\n"
                                "<NAME:4>Jean<EOR>\r\n"
                                "<CALL:5>F8DEP<STATE:3>IDF<NAME:4>Zo\xC3\xA9<EOR>\r\n");
    const auto resultat = Importer_Prenoms(fs, dossier.Chemin(), dossier.Fichier("autre.adi"));
    EXPECT_TRUE(resultat.Reussi);
    EXPECT_EQ(resultat.Message,
              "Les pr\xE9noms ont \xE9t\xE9 import\xE9s dans Liste_Prenom.txt.\n"
              "Stations lues : 13\nAjout\xE9"
              "es : 5\n"
              "Compl\xE9t\xE9"
              "es (pr\xE9nom ou d\xE9partement vide rempli) : 2\n"
              "Inchang\xE9"
              "es (d\xE9j\xE0 connues) : 2\n"
              "\xC9"
              "cart\xE9"
              "es : 4 (sans pr\xE9nom : 1, indicatif refus\xE9 (trop long ou "
              "caract\xE8re impossible) : 1, pr\xE9nom trop long (plus de 15 caract\xE8res) : 1, "
              "pr\xE9nom avec un caract\xE8re impossible : 1)\n"
              "Enregistrements sans indicatif, ignor\xE9s : 1\n"
              "D\xE9partements ignor\xE9s (plus de 2 caract\xE8res ou caract\xE8re impossible) : 1");
    EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"),
              Fichier_De({"F1AAA        75 PAUL", "F2BBB        44 MARIE", "F3CCC        29 ",
                          "ON4DDD          ANNE", "F3CCC        29 LUC", "G0EEE", "F5NEW        69 \xC9LODIE",
                          "DL1XYZ          J\xDCRGEN WEI\xDF", "ON5FFF          KARL",
                          "SP5ABC          MICHAL", "F8DEP           ZO\xC9"}));
    EXPECT_FALSE(dossier.Existe("Temporaire.txt"));

    // Nothing new: no rewrite at all. A Windows-1252 file with LF reads the same.
    dossier.Ecrire("ancien.adi", "<CALL:5>F1AAA<NAME:6>H\xC9L\xC8NE\n<EOR>\n");
    Fichiers_Defaillants sans_ecriture(1);
    EXPECT_EQ(Importer_Prenoms(sans_ecriture, dossier.Chemin(), dossier.Fichier("ancien.adi")).Message,
              "Liste_Prenom.txt n'a pas chang\xE9.\nStations lues : 1\nAjout\xE9"
              "es : 0\n"
              "Compl\xE9t\xE9"
              "es (pr\xE9nom ou d\xE9partement vide rempli) : 0\n"
              "Inchang\xE9"
              "es (d\xE9j\xE0 connues) : 1\n\xC9"
              "cart\xE9"
              "es : 0");
}

// Nothing is written until the whole file is read, and a failed rewrite leaves the memory as it was.
TEST(Import_Prenoms, EchecsSansDommage) {
    const std::string memoire = Fichier_De({"F1AAA        75 PAUL"});
    const std::string bon = "<CALL:5>F6ABC<NAME:4>JEAN<EOR>\r\n";
    const std::string memoire_intacte = "\nListe_Prenom.txt n'a pas chang\xE9.";
    const std::string refus =
        "Liste_Prenom.txt ne peut pas \xEAtre lue ou r\xE9\xE9"
        "crite : elle reste telle "
        "qu'elle \xE9tait et aucun pr\xE9nom n'a \xE9t\xE9 import\xE9. V\xE9rifiez le dossier "
        "des donn\xE9"
        "es.";
    const std::tuple<std::string, std::size_t, bool, std::string> cas[] = {
        {bon + "<CALL:5>F6ABD\r\n<NAME:40>JEAN<EOR>", 0, false,
         "Ce fichier ne peut pas \xEAtre lu comme un fichier ADIF : la lecture s'est arr\xEAt\xE9"
         "e \xE0 la ligne "
         "3, champ NAME (le fichier se termine avant la fin de ce champ)." +
             memoire_intacte},
        {"", 0, false,
         "Ce fichier ne peut pas \xEAtre lu comme un fichier ADIF : la lecture s'est arr\xEAt\xE9"
         "e "
         "\xE0 la ligne 1 (le fichier est vide)." +
             memoire_intacte},
        {bon, 1, false, refus},
        {bon, 2, false, refus},
        {bon, 0, true, refus},
    };
    for (const auto& [adif, echec, illisible, message] : cas) {
        Dossier_Temporaire dossier;
        dossier.Ecrire("Liste_Prenom.txt", memoire);
        dossier.Ecrire("f.adi", adif);
        Fichiers_Defaillants fs(echec);
        fs.illisible = illisible;
        const auto resultat = Importer_Prenoms(fs, dossier.Chemin(), dossier.Fichier("f.adi"));
        EXPECT_EQ(resultat.Message,
                  illisible ? "Le fichier ne peut pas \xEAtre lu." + memoire_intacte : message);
        EXPECT_FALSE(resultat.Reussi);
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), memoire) << message;
        EXPECT_FALSE(dossier.Existe("Temporaire.txt"));
    }
}

// A 10,000-QSO log exported complete, then imported into an empty memory: one line per callsign, with the
// first QSO's name as the export spells it and, for French stations, the department.
TEST(Import_Prenoms, AllerRetourDUnLogComplet) {
    const std::pair<std::string, std::string> prenoms[] = {{"JEAN", "JEAN"},
                                                           {"H\xC9L\xC8NE", "HELENE"},
                                                           {"J\xDCRGEN", "JURGEN"},
                                                           {"\x8C"
                                                            "DIPE",
                                                            "OEDIPE"}};
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    std::string log;
    std::vector<std::string> attendu;
    std::set<std::string> vus;
    for (int n = 0; n < 10'000; ++n) {
        const int station = (n * 7919) % 3'000;
        const bool francais = station % 2 == 0;
        const std::string indicatif = (francais ? "F" : "DL") + std::to_string(station) + "X";
        const std::string dpt = francais ? std::to_string(10 + station % 80) : "";
        const auto& [prenom, ascii] = prenoms[(n / 3'000 + station) % 4];
        log += "01/03/24  10:00  " + indicatif + std::string(14 - indicatif.size(), ' ') + dpt +
               std::string(4 - dpt.size(), ' ') + prenom + std::string(17 - prenom.size(), ' ') +
               "59  59  SSB     7 Mhz " + std::string(30, ' ') + "\r\n";
        if (vus.insert(indicatif).second) {
            attendu.push_back(indicatif + std::string(13 - indicatif.size(), ' ') + (francais ? dpt : "  ") +
                              " " + ascii);
        }
    }
    dossier.Ecrire("RT-1.txt", log);
    const ActivationRecord activation{"F4XYZ", "", "RT-1", "", "2920", "Brest", "", "01/03/24"};
    ASSERT_TRUE(Exporter_Adif_Complet(fs, dossier.Chemin(), activation, {"RT", false, "1.0.0", {}}).Reussi);
    const auto import = Importer_Prenoms(fs, dossier.Chemin(), dossier.Fichier("RT-1_complet.adi"));
    const std::string debut = "Les pr\xE9noms ont \xE9t\xE9 import\xE9s dans Liste_Prenom.txt.\n"
                              "Stations lues : 3000\nAjout\xE9"
                              "es : 3000\n";
    EXPECT_EQ(import.Message.substr(0, debut.size()), debut);
    EXPECT_EQ(Lire_Lignes(fs, dossier.Chemin() / "Liste_Prenom.txt").lignes, attendu);
}
