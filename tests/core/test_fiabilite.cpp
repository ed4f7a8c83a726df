#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Activation.h"
#include "core/Journal.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Maravel;
using std::filesystem::path;

const std::string Moulin = "AAA-1" + Halloy.substr(5);

static bool Fait(Resultat_Journal resultat) {
    return resultat == Resultat_Journal::Fait;
}

// Every rewrite of every data file (the log's edits share one), stopped at each of its changing steps: the
// failure is reported, the file keeps its old bytes and no scratch file is left behind. A log named like the
// scratch files of old ("Temporaire") is never taken for one.
TEST(Reecriture, InterrompueAChaqueEtapeLaisseLAncienFichier) {
    using Operation = std::function<bool(Systeme_Fichiers&, const path&)>;
    const std::tuple<std::string, std::string, Operation> cas[] = {
        {"Liste_Activite.txt", Fichier_De({Halloy}),
         [](auto& fs, auto& d) { return Liste_Activites(fs, d).Ajouter_Ou_Remplacer(Moulin); }},
        {"Liste_Activite.txt", Fichier_De({Moulin, Halloy}),
         [](auto& fs, auto& d) { return Liste_Activites(fs, d).Effacer("DMF-123"); }},
        {"DMF-\xC9\xE9.txt", Fichier_De({A, B}),
         [](auto& fs, auto& d) { return Fait(Journal(fs, d, "DMF-\xC9\xE9").Effacer(1, A)); }},
        {"\xE9.txt", Fichier_De({B}), [](auto& fs, auto& d) { return Journal(fs, d, "\xE9").Ajouter(A); }},
        {"Liste_Prenom.txt", Fichier_De({Paul, Anne}),
         [](auto& fs, auto& d) { return Ajout_Prenom(fs, d, "F1ABC        69 P"); }},
        {"Liste_Prenom.txt", Fichier_De({Anne}), [](auto& fs, auto& d) { return Ajout_Prenom(fs, d, Paul); }},
        {"LOG.txt", A + "\r\n01/03/24  1",
         [](auto& fs, auto& d) {
             return Ecarter_Ligne_Coupee(fs, d, "LOG.txt", 104, "2024-03-01").has_value();
         }},
    };
    for (const auto& [fichier, avant, operation] : cas) {
        // Stopped at no step first, which changes the file and counts the steps.
        for (std::size_t echec = 0, etapes = 1; echec <= etapes; ++echec) {
            Dossier_Temporaire dossier;
            dossier.Ecrire(fichier, avant);
            dossier.Ecrire("Temporaire.txt", A);
            Fichiers_Defaillants fs(echec);
            ASSERT_EQ(operation(fs, dossier.Chemin()), echec == 0) << avant << echec;
            etapes = echec == 0 ? fs.Operations() : etapes;
            EXPECT_EQ(dossier.Lire(fichier) == avant, echec > 0) << avant << echec;
            EXPECT_FALSE(dossier.Existe(std::string(Brouillon))) << avant;
            EXPECT_EQ(dossier.Lire("Temporaire.txt"), A);
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
        {Fichier_De({"F1ABC        13 JEAN", Anne}), Fichier_De({Paul, Anne}), 150}};
    for (const auto& [memoire_avant, memoire_apres, necessaire] : memoires) {
        for (const std::size_t place : {0, 1, 60, 105, 106, 107, 127, 128, 129, 149, 150, 1000}) {
            Dossier_Temporaire dossier;
            dossier.Ecrire("LOG.txt", Fichier_De({A}));
            dossier.Ecrire("Liste_Prenom.txt", memoire_avant);
            Fichiers_Defaillants plein(0, place);
            Systeme_Fichiers_Reel libre;
            const bool qso = Journal(plein, dossier.Chemin(), "LOG").Ajouter(B);
            const bool prenom = qso && Ajout_Prenom(plein, dossier.Chemin(), Paul);
            EXPECT_EQ(dossier.Lire("LOG.txt"), qso ? Fichier_De({A, B}) : Fichier_De({A})) << place;
            EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), prenom ? memoire_apres : memoire_avant) << place;
            EXPECT_EQ(std::pair(qso, prenom), std::pair(place >= 106, place >= necessaire)) << place;
            ASSERT_TRUE(qso || Journal(libre, dossier.Chemin(), "LOG").Ajouter(B));
            ASSERT_TRUE(prenom || Ajout_Prenom(libre, dossier.Chemin(), Paul));
            EXPECT_EQ(dossier.Lire("LOG.txt") + dossier.Lire("Liste_Prenom.txt"),
                      Fichier_De({A, B}) + memoire_apres);
        }
    }
}

// At opening, a last line shorter than its layout and without line end is moved aside, appended to the
// aside file of the day; a line of full length, or closed by a CR alone, stays.
TEST(Ecarter_Lignes_Coupees, FragmentDeplaceEtFichierRecrit) {
    const std::string Coupe = "LOG_coupe_2024-03-01.txt", Coupe_P = "Liste_Prenom_coupe_2024-03-01.txt";
    struct Cas {
        std::string log, memoire, log_apres, memoire_apres;
        std::vector<std::string> ecarts; // file, aside file, fragment
    };
    const Cas cas[] = {
        {B.substr(0, 103), Anne, "", Anne, {"LOG.txt", Coupe, B.substr(0, 103)}},
        {A, Anne + "\r\nF1ABC        7", A, Anne + "\r\n", {"Liste_Prenom.txt", Coupe_P, "F1ABC        7"}},
        {"\r\n01", "F1", "\r\n", "", {"LOG.txt", Coupe, "01", "Liste_Prenom.txt", Coupe_P, "F1"}},
        {"01/03\r", "F1ABC        75 ", "01/03\r", "F1ABC        75 ", {}},
        {"", "", "", "", {}}};
    for (const auto& c : cas) {
        Dossier_Temporaire dossier;
        dossier.Ecrire("LOG.txt", c.log);
        dossier.Ecrire("Liste_Prenom.txt", c.memoire);
        dossier.Ecrire(Coupe, "plus ancien\r\n");
        Systeme_Fichiers_Reel fs;
        std::vector<std::string> ecarts;
        for (const auto& e : Ecarter_Lignes_Coupees(fs, dossier.Chemin(), "LOG", "2024-03-01")) {
            ecarts.insert(ecarts.end(), {e.fichier_1252, e.ecart_1252, e.octets});
            const std::string avant = e.ecart_1252 == Coupe ? "plus ancien\r\n" : "";
            EXPECT_EQ(dossier.Lire(e.ecart_1252), avant + e.octets + "\r\n");
        }
        EXPECT_EQ(ecarts, c.ecarts) << c.log;
        EXPECT_EQ(dossier.Lire("LOG.txt"), c.log_apres);
        EXPECT_EQ(dossier.Lire("Liste_Prenom.txt"), c.memoire_apres);
    }
}

#ifndef _WIN32
// A link at the scratch name is removed, never written through; a data file that is a link is rewritten
// at its target and stays a link.
TEST(Liens, BrouillonJamaisSuiviEtFichierLieRecritASaCible) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    const path& d = dossier.Chemin();
    dossier.Ecrire("Liste_Activite.txt", Fichier_De({Halloy}));
    std::filesystem::create_symlink(d / "Liste_Activite.txt", d / Brouillon);
    ASSERT_TRUE(Liste_Activites(fs, d).Ajouter_Ou_Remplacer(Moulin));
    EXPECT_FALSE(std::filesystem::is_symlink(d / "Liste_Activite.txt"));
    EXPECT_EQ(dossier.Lire("Liste_Activite.txt"), Fichier_De({Halloy, Moulin}));
    EXPECT_FALSE(std::filesystem::is_symlink(d / Brouillon));

    std::filesystem::create_directory(d / "vrai");
    dossier.Ecrire("vrai/LOG.txt", Fichier_De({A, B}));
    std::filesystem::create_symlink(d / "vrai" / "LOG.txt", d / "LOG.txt");
    ASSERT_TRUE(Fait(Journal(fs, d, "LOG").Effacer(1, A)));
    EXPECT_TRUE(std::filesystem::is_symlink(d / "LOG.txt"));
    EXPECT_EQ(dossier.Lire("vrai/LOG.txt"), Fichier_De({B}));
}
#endif
