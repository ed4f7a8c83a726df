#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Activation.h"
#include "core/Journal.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Maravel;
namespace fs_ = std::filesystem;

namespace {

const std::string A =
    "01/03/24  10:00  F1AAA         75  PAUL             59  59  SSB     7 Mhz " + std::string(30, ' ');
const std::string B =
    "01/03/24  11:00  F1BBB         75  PAUL             59  59  SSB     7 Mhz " + std::string(30, ' ');
const std::string Paul = "F1ABC        75 PAUL";
const std::string Anne = "G3XYZ           ANNE";
const std::string Halloy = "DMF-123      ON4XYZ/P   Ch\xE9teau" + std::string(34, ' ') +
                           "5590  Activation   12/11/05 Halloy" + std::string(30, ' ');
const std::string Moulin = "AAA-1        ON4XYZ     Moulin" + std::string(35, ' ') +
                           "5590  Activation   12/11/05 Halloy" + std::string(30, ' ');

using Operation = std::function<bool(Systeme_Fichiers&, const fs_::path&)>;

} // namespace

// Every rewrite of every data file, stopped at each of its changing steps: the failure is reported, the
// file keeps its old bytes and no scratch file is left behind.
TEST(Reecriture, InterrompueAChaqueEtapeLaisseLAncienFichier) {
    struct Cas {
        const char* nom;
        std::string fichier, avant;
        Operation operation;
    };
    const auto journal = [](auto action) {
        return [action](Systeme_Fichiers& fs, const fs_::path& d) {
            Journal j(fs, d, "LOG");
            return action(j) == Resultat_Journal::Fait;
        };
    };
    const Cas cas[] = {
        {"activation ajoutee", "Liste_Activite.txt", Fichier_De({Halloy}),
         [](auto& fs, auto& d) { return Liste_Activites(fs, d).Ajouter_Ou_Remplacer(Moulin); }},
        {"activation remplacee", "Liste_Activite.txt", Fichier_De({Moulin, Halloy}),
         [](auto& fs, auto& d) { return Liste_Activites(fs, d).Ajouter_Ou_Remplacer(Halloy + "x"); }},
        {"activation effacee", "Liste_Activite.txt", Fichier_De({Moulin, Halloy}),
         [](auto& fs, auto& d) { return Liste_Activites(fs, d).Effacer("DMF-123"); }},
        {"qso remplace", "LOG.txt", Fichier_De({A, B}),
         journal([](Journal& j) { return j.Remplacer(2, B, A); })},
        {"qso efface", "LOG.txt", Fichier_De({A, B}), journal([](Journal& j) { return j.Effacer(1, A); })},
        {"qso insere", "LOG.txt", Fichier_De({B}), journal([](Journal& j) { return j.Inserer_Chrono(A); })},
        {"qso ajoute", "LOG.txt", Fichier_De({B}),
         [](auto& fs, auto& d) { return Journal(fs, d, "LOG").Ajouter(A); }},
        {"prenom remplace", "Liste_Prenom.txt", Fichier_De({Paul, Anne}),
         [](auto& fs, auto& d) { return Ajout_Prenom(fs, d, "F1ABC        69 PAUL"); }},
        {"prenom ajoute", "Liste_Prenom.txt", Fichier_De({Anne}),
         [](auto& fs, auto& d) { return Ajout_Prenom(fs, d, Paul); }},
        {"ligne coupee ecartee", "LOG.txt", A + "\r\n01/03/24  1",
         [](auto& fs, auto& d) {
             return Ecarter_Ligne_Coupee(fs, d, "LOG.txt", 104, "2024-03-01").has_value();
         }},
    };
    for (const auto& c : cas) {
        std::size_t etapes = 0;
        {
            Dossier_Temporaire dossier;
            dossier.Ecrire(c.fichier, c.avant);
            Fichiers_Defaillants fs;
            ASSERT_TRUE(c.operation(fs, dossier.Chemin())) << c.nom;
            ASSERT_NE(dossier.Lire(c.fichier), c.avant) << c.nom;
            etapes = fs.Operations();
        }
        for (std::size_t echec = 1; echec <= etapes; ++echec) {
            Dossier_Temporaire dossier;
            dossier.Ecrire(c.fichier, c.avant);
            Fichiers_Defaillants fs(echec);
            EXPECT_FALSE(c.operation(fs, dossier.Chemin())) << c.nom << " " << echec;
            EXPECT_EQ(dossier.Lire(c.fichier), c.avant) << c.nom << " " << echec;
            EXPECT_FALSE(dossier.Existe("Temporaire.txt") || dossier.Existe("Temporaire6.txt")) << c.nom;
        }
    }
}

// A disk that fills up after any number of bytes while a QSO is written (the log first, then the memory):
// each file keeps its old bytes or holds its new ones, the failure is reported, and once space is freed a
// second try writes exactly one QSO.
TEST(Disque_Plein, AucunFragmentEtUneSecondeTentativeEcritUnSeulQso) {
    // The QSO takes 106 bytes, then the memory 22 for an appended line or 44 for its rewrite.
    const std::tuple<std::string, std::string, std::size_t> memoires[] = {
        {Fichier_De({Anne}), Fichier_De({Anne, Paul}), 128},
        {Fichier_De({"F1ABC        13 JEAN", Anne}), Fichier_De({Paul, Anne}), 150},
    };
    for (const auto& [memoire_avant, memoire_apres, necessaire] : memoires) {
        for (std::size_t place = 0; place <= 160; ++place) {
            Dossier_Temporaire dossier;
            dossier.Ecrire("LOG.txt", Fichier_De({A}));
            dossier.Ecrire("Liste_Prenom.txt", memoire_avant);
            Fichiers_Defaillants plein(0, place);
            const bool qso = Journal(plein, dossier.Chemin(), "LOG").Ajouter(B);
            const bool prenom = qso && Ajout_Prenom(plein, dossier.Chemin(), Paul);
            EXPECT_EQ(dossier.Lire("LOG.txt"), qso ? Fichier_De({A, B}) : Fichier_De({A})) << place;
            EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), prenom ? memoire_apres : memoire_avant) << place;
            EXPECT_EQ(qso, place >= 106) << place;
            EXPECT_EQ(prenom, place >= necessaire) << place;

            Systeme_Fichiers_Reel libre;
            ASSERT_TRUE(qso || Journal(libre, dossier.Chemin(), "LOG").Ajouter(B));
            ASSERT_TRUE(prenom || Ajout_Prenom(libre, dossier.Chemin(), Paul));
            EXPECT_EQ(dossier.Lire("LOG.txt"), Fichier_De({A, B})) << place;
            EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), memoire_apres) << place;
        }
    }
}

// At opening, a last line shorter than its layout and without line end is moved aside, appended to the
// aside file of the day; a line of full length, or closed by a CR alone, stays.
TEST(Ecarter_Lignes_Coupees, FragmentDeplaceEtFichierRecrit) {
    struct Cas {
        const char* nom;
        std::string log, memoire, log_apres, memoire_apres;
        std::vector<std::string> ecarts; // file, aside file, fragment
    };
    const std::string Coupe = "LOG_coupe_2024-03-01.txt", Coupe_Prenom = "Liste_Prenom_coupe_2024-03-01.txt";
    const Cas cas[] = {
        {"log coupe",
         Fichier_De({A}) + "01/03/24  1",
         "",
         Fichier_De({A}),
         "",
         {"LOG.txt", Coupe, "01/03/24  1"}},
        {"seule ligne coupee",
         B.substr(0, 103),
         Fichier_De({Anne}),
         "",
         Fichier_De({Anne}),
         {"LOG.txt", Coupe, B.substr(0, 103)}},
        {"memoire coupee",
         Fichier_De({A}),
         Fichier_De({Anne}) + "F1ABC        7",
         Fichier_De({A}),
         Fichier_De({Anne}),
         {"Liste_Prenom.txt", Coupe_Prenom, "F1ABC        7"}},
        {"les deux",
         "\r\n01",
         "F1",
         "\r\n",
         "",
         {"LOG.txt", Coupe, "01", "Liste_Prenom.txt", Coupe_Prenom, "F1"}},
        {"longueur pleine",
         Fichier_De({A}) + B,
         Fichier_De({Anne}) + "F1ABC        75 ",
         Fichier_De({A}) + B,
         Fichier_De({Anne}) + "F1ABC        75 ",
         {}},
        {"cr seul", Fichier_De({A}) + "01/03\r", "F1\r", Fichier_De({A}) + "01/03\r", "F1\r", {}},
        {"fichiers vides", "", "", "", "", {}},
    };
    for (const auto& c : cas) {
        Dossier_Temporaire dossier;
        dossier.Ecrire("LOG.txt", c.log);
        dossier.Ecrire("Liste_Prenom.txt", c.memoire);
        dossier.Ecrire(Coupe, "plus ancien\r\n");
        Systeme_Fichiers_Reel fs;
        std::vector<std::string> ecarts;
        for (const auto& e : Ecarter_Lignes_Coupees(fs, dossier.Chemin(), "LOG", "2024-03-01")) {
            ecarts.insert(ecarts.end(), {e.fichier_1252, e.ecart_1252, e.octets});
        }
        EXPECT_EQ(ecarts, c.ecarts) << c.nom;
        EXPECT_EQ(dossier.Lire("LOG.txt"), c.log_apres) << c.nom;
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), c.memoire_apres) << c.nom;
        for (std::size_t i = 0; i < ecarts.size(); i += 3) {
            const std::string avant = ecarts[i + 1] == Coupe ? "plus ancien\r\n" : "";
            EXPECT_EQ(dossier.Lire(ecarts[i + 1]), avant + ecarts[i + 2] + "\r\n") << c.nom;
        }
    }
}

#ifndef _WIN32
// A link at the scratch name is removed, never written through; a data file that is a link is rewritten
// at its target and stays a link.
TEST(Liens, BrouillonJamaisSuiviEtFichierLieRecritASaCible) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    const auto d = dossier.Chemin();
    dossier.Ecrire("Liste_Activite.txt", Fichier_De({Halloy}));
    fs_::create_symlink(d / "Liste_Activite.txt", d / "Temporaire.txt");
    ASSERT_TRUE(Liste_Activites(fs, d).Ajouter_Ou_Remplacer(Moulin));
    EXPECT_FALSE(fs_::is_symlink(d / "Liste_Activite.txt"));
    EXPECT_EQ(dossier.Lire("Liste_Activite.txt"), Fichier_De({Halloy, Moulin}));
    EXPECT_FALSE(fs_::exists(fs_::symlink_status(d / "Temporaire.txt")));

    fs_::create_directory(d / "vrai");
    dossier.Ecrire("vrai/LOG.txt", Fichier_De({A, B}));
    fs_::create_symlink(d / "vrai" / "LOG.txt", d / "LOG.txt");
    ASSERT_EQ(Journal(fs, d, "LOG").Effacer(1, A), Resultat_Journal::Fait);
    EXPECT_TRUE(fs_::is_symlink(d / "LOG.txt"));
    EXPECT_EQ(dossier.Lire("vrai/LOG.txt"), Fichier_De({B}));
}
#endif
