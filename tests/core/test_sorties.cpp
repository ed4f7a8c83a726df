#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Sorties.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Maravel;

namespace {

const auto Blancs = [](std::size_t n) { return std::string(n, ' '); };

// 104-column log lines as the entry window writes them; the first one's remarks end in blanks.
std::string Log(const std::string& jusqu_aux_observations, const std::string& observations) {
    return jusqu_aux_observations + observations + Blancs(30 - observations.size());
}
const std::string Cw7 =
    Log("14/01/06  08:35  F6ABC         75  JEAN             599 599 CW      7 Mhz ", "PORTABLE");
const std::string Ssb144 =
    Log("31/12/99  23:59  ON4XYZ                             59  57  SSB   144 Mhz ", "");
const std::string Top160 =
    Log("01/02/03  04:05  F5ZZ          29  \xC9LO\xCFSE           59  59  SSB   1.8 Mhz ", "CH\xC2TEAU");

const ActivationRecord Activation{"F4XYZ", "",      "12345",       "Ch\xE2teau de Brest",
                                  "2920",  "Brest", "Ch\xE2teaux", "04/12/26"};

const std::string Titre = "       Ch\xE2teaux le 04/12/26 du 12345 le Ch\xE2teau de Brest par F4XYZ";
const std::string Entete = "     N\xB0    Date      QTR   Indicatif     Dpt   Prenom     RST R   E   Mode    "
                           "Bande         Observations";
const std::string Trafic_Cw7 = "14/01/06  F6ABC       08:35  08:35  75" + Blancs(11) +
                               "7.0 Mhz   CW       59" + Blancs(8) + "59" + Blancs(30) + "JEAN           " +
                               Blancs(9) + "1 " + Blancs(28) + "0   PORTABLE" + Blancs(22) + "*";
const std::string Adi_Entete = "Exportation du log Maravel_ON de F4XYZ au format ADIF\r\n\r\n"
                               "R\351alis\351 par Maravel_ON, carnet de QSO\r\n\r\n\r\n<eoh>\r\n";
const std::string Credit_Pied = Blancs(37) + "R\351alis\351 par Maravel_ON";

} // namespace

TEST(Sorties, RapportSauvegardeEtImprime) {
    const std::vector<std::string> log(123, Cw7);
    struct Cas {
        Forme_Rapport forme;
        std::string commune, qso7, qso123;
    };
    const Cas cas[] = {
        {Forme_Rapport::Sauvegarde, Blancs(19) + "Code Postal 2920    Commune Brest", Blancs(8) + "7 " + Cw7,
         Blancs(6) + "123 " + Cw7},
        {Forme_Rapport::Impression, Blancs(22) + "Code Postal 2920   Commune Brest",
         Blancs(4) + "7     " + Cw7, Blancs(4) + "123   " + Cw7},
    };
    for (const auto& c : cas) {
        const auto lignes = Lignes_Rapport(Activation, log, c.forme);
        ASSERT_EQ(lignes.size(), 6u + 123u + 2u);
        const std::vector<std::string> tete(lignes.begin(), lignes.begin() + 6);
        EXPECT_EQ(tete, (std::vector<std::string>{Titre, "", c.commune, "", Entete, ""}));
        EXPECT_EQ(lignes[6 + 6], c.qso7);
        EXPECT_EQ(lignes[6 + 122], c.qso123);
        EXPECT_EQ(lignes[6 + 123], "");
        EXPECT_EQ(lignes.back(), Credit_Pied);
        EXPECT_EQ(Lignes_Rapport(Activation, {}, c.forme),
                  (std::vector<std::string>{Titre, "", c.commune, "", Entete, "", "", Credit_Pied}));
    }
}

// A whole record of a French station is the outputs window's row.
TEST(Sorties, EnregistrementsAdif) {
    const std::pair<std::string, std::string> cas[] = {
        {Ssb144, "<call:6>ON4XYZ<band:2>2m<mode:3>SSB<qso_date:8>19991231<time_on:4>2359<time_off:4>2359"
                 "<rst_sent:2>57<rst_rcvd:2>59<state:0><comment:0><eor>"},
        {Top160, "<call:4>F5ZZ<name:6>\xC9LO\xCFSE<band:4>160m<mode:3>SSB<qso_date:8>20030201<time_on:4>0405"
                 "<time_off:4>0405<rst_sent:2>59<rst_rcvd:2>59<state:2>29<comment:7>CH\xC2TEAU<eor>"},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(Enregistrement_Adif(ligne), attendu);
    }
}

// A write-protected or missing medium is told in words; any other error by its number only (the failures
// below).
TEST(Sorties, ErreursAffichees) {
    const std::pair<int, std::string> cas[] = {{EROFS, "Erreur 70 Disquette proteg\351e"},
                                               {ENXIO, "Erreur 71 Pas de disquette dans le lecteur"}};
    for (const auto& [numero, attendu] : cas) {
        EXPECT_EQ(Message_Erreur(std::error_code(numero, std::generic_category())), attendu) << numero;
    }
}

TEST(Sorties, EnregistrementsTrafic) {
    const std::pair<std::string, std::string> cas[] = {
        {Cw7, Trafic_Cw7},
        {Ssb144, "31/12/99  ON4XYZ      23:59  23:59" + Blancs(15) + "144 Mhz   SSB      59" + Blancs(8) +
                     "57" + Blancs(54) + "1 " + Blancs(28) + "0 " + Blancs(32) + "*"},
        // Cut after the callsign by a hand edit: padded to 199 columns, band unknown.
        {"01/02/03  04:05  F5ZZ",
         "01/02/03  F5ZZ        04:05  04:05    " + Blancs(96) + "1 " + Blancs(28) + "0 " + Blancs(32) + "*"},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(Enregistrement_Trafic(ligne), attendu);
    }
}

// A missing log is an empty one; an existing output is replaced whole (the windows' tests hold a full one).
// Stopped at the scratch file's write (1), at its rename (2), or unable to read the log (a folder in its
// place, 0): the old output stays whole, the scratch file goes, and the failure is told.
TEST(Sorties, FichiersEcritsOuAncienGardeEntier) {
    struct Cas {
        std::string nom;
        std::function<Resultat_Sortie(Systeme_Fichiers&, const std::filesystem::path&)> sortie;
        std::string vide, succes;
    };
    const std::string tete =
        Fichier_De({Titre, "", Blancs(19) + "Code Postal 2920    Commune Brest", "", Entete, ""});
    const std::string cree = "Le fichier a \351t\351 cr\351e sous le nom ";
    const Cas cas[] = {{"12345.adi", [](auto& fs, auto& d) { return Exporter_Adif(fs, d, Activation); },
                        Adi_Entete, cree + "12345.adi"},
                       {"12345.ctf", [](auto& fs, auto& d) { return Exporter_Trafic(fs, d, Activation); }, "",
                        cree + "12345.ctf"},
                       {"12345_04_12_26.txt",
                        [](auto& fs, auto& d) {
                            return Enregistrer_Rapport(fs, d, Activation, {2026, 12, 4, 8, 0, 0});
                        },
                        tete + Fichier_De({"", Credit_Pied}),
                        "Le log a \351t\351 sauvegard\351 sous le nom : 12345_04_12_26.txt"}};
    EXPECT_EQ(Nom_Fichier_Rapport("F-0042", {2000, 1, 31, 0, 0, 0}), "F-0042_31_01_00.txt");
    EXPECT_TRUE(
        Fichier_En_Travers({}, "LISTE_PRENOM.TXT")->ends_with("Liste_Prenom.txt, la liste des pr\351noms."));
    for (const auto& c : cas) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        dossier.Ecrire(c.nom, "ANCIEN\r\n");
        const auto resultat = c.sortie(fs, dossier.Chemin());
        EXPECT_TRUE(resultat.Reussi && resultat.Nom_Fichier == c.nom && resultat.Message == c.succes)
            << c.nom;
        EXPECT_EQ(dossier.Lire(c.nom), c.vide) << c.nom;
        // A folder in place of the list or of the log: neither can be read.
        for (const auto& [echec, en_travers, message] : {std::tuple{1, "", "Erreur 5"},
                                                         {2, "", "Erreur 5"},
                                                         {0, "Liste_Activite.txt", "Erreur 21"},
                                                         {0, "12345.txt", "Erreur 21"}}) {
            if (*en_travers != '\0') {
                std::filesystem::remove(dossier.Chemin() / "Liste_Activite.txt");
                std::filesystem::remove(dossier.Chemin() / en_travers);
                std::filesystem::create_directory(dossier.Chemin() / en_travers);
            }
            dossier.Ecrire(c.nom, "ANCIEN\r\n");
            Fichiers_Defaillants defaillant(echec);
            const auto echoue = c.sortie(defaillant, dossier.Chemin());
            EXPECT_TRUE(!echoue.Reussi && echoue.Message == message) << c.nom << echec << echoue.Message;
            EXPECT_EQ(dossier.Lire(c.nom), "ANCIEN\r\n") << c.nom << echec;
            EXPECT_FALSE(dossier.Existe(std::string(Brouillon))) << c.nom << echec;
        }
    }
}
