#include "Dossier_Temporaire.h"
#include "Fichiers_Defaillants.h"
#include "core/Journal.h"
#include "core/Qso.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Maravel;

namespace {

std::string Ligne(const std::string& date, const std::string& heure, const std::string& indicatif) {
    return *Ligne_Qso({date, heure, indicatif, "75", "\xC9LO\xCFSE", "59", "59", "SSB", "7", "CH\xC2TEAU"});
}

const std::string A = Ligne("01/03/24", "10:00", "F1AAA");
const std::string B = Ligne("01/03/24", "11:00", "F1BBB");
const std::string C = Ligne("01/03/24", "12:00", "F1CCC");

// The log "LOG.txt" of a fresh folder, holding the given bytes when there are some; its file system fails
// at the given changing operation (0: never).
struct Log_Test {
    explicit Log_Test(const std::string& octets = {}, std::size_t echec_a = 0) : fs(echec_a) {
        if (!octets.empty()) {
            dossier.Ecrire("LOG.txt", octets);
        }
    }
    std::string Octets() const { return dossier.Lire("LOG.txt"); }

    Dossier_Temporaire dossier;
    Fichiers_Defaillants fs;
    Journal journal{fs, dossier.Chemin(), "LOG"};
};

} // namespace

TEST(Journal, AbsentOuVideEstUnLogVideEtAjouterEcritEnCrLf) {
    Log_Test log;
    EXPECT_EQ(log.journal.Fichier(), log.dossier.Chemin() / "LOG.txt");
    const auto lues = log.journal.Lire();
    EXPECT_TRUE(lues.lisible && lues.lignes.empty());
    log.dossier.Ecrire("LOG.txt", "");
    EXPECT_TRUE(log.journal.Lire().lignes.empty());
    ASSERT_TRUE(log.journal.Ajouter(A));
    ASSERT_TRUE(log.journal.Ajouter(B));
    EXPECT_EQ(log.Octets(), Fichier_De({A, B}));
}

// Only the line the operator selected changes, even when an identical line sits elsewhere in the log; a
// recovery or an insertion may have shifted the numbers, and a line without twin is found again.
TEST(Journal, RemplacerEtEffacerLaissentLeJumeauIntact) {
    struct Cas {
        std::function<Resultat_Journal(Journal&)> operation;
        std::string attendu;
    };
    const Cas cas[] = {
        {[](Journal& j) { return j.Remplacer(3, A, C); }, Fichier_De({A, B, C})},
        {[](Journal& j) { return j.Remplacer(1, A, C); }, Fichier_De({C, B, A})},
        {[](Journal& j) { return j.Effacer(1, A); }, Fichier_De({B, A})},
        {[](Journal& j) { return j.Effacer(3, A); }, Fichier_De({A, B})},
        {[](Journal& j) { return j.Remplacer(3, B, C); }, Fichier_De({A, C, A})},
        {[](Journal& j) { return j.Effacer(1, B); }, Fichier_De({A, A})},
    };
    for (const auto& c : cas) {
        Log_Test log(Fichier_De({A, B, A}));
        EXPECT_EQ(c.operation(log.journal), Resultat_Journal::Fait);
        EXPECT_EQ(log.Octets(), c.attendu);
        EXPECT_FALSE(log.dossier.Existe("Temporaire.txt"));
    }
}

TEST(Journal, LigneChangeeDepuisLaSelectionEstIntrouvable) {
    const std::pair<std::size_t, std::string> perimees[] = {{2, A}, {0, A}, {4, A}, {1, A + " "}};
    for (const auto& [numero, ancienne] : perimees) {
        Log_Test log(Fichier_De({A, B, A}));
        EXPECT_EQ(log.journal.Remplacer(numero, ancienne, C), Resultat_Journal::Qso_Introuvable) << numero;
        EXPECT_EQ(log.journal.Effacer(numero, ancienne), Resultat_Journal::Qso_Introuvable) << numero;
        EXPECT_EQ(log.Octets(), Fichier_De({A, B, A})) << numero;
    }
    Log_Test absent;
    EXPECT_EQ(absent.journal.Effacer(1, A), Resultat_Journal::Qso_Introuvable);
    EXPECT_FALSE(absent.dossier.Existe("LOG.txt"));
}

// The delete itself, on lines in memory: the QSO at its number, or the one line holding its text.
TEST(Efface_Ligne_Log, UnSeulQsoMemeParmiDesJumeauxOuDecale) {
    const std::vector<std::string> log{C, A, B, A};
    EXPECT_EQ(Efface_Ligne_Log(log, 4, A), (std::vector<std::string>{C, A, B}));
    EXPECT_EQ(Efface_Ligne_Log(log, 1, B), (std::vector<std::string>{C, A, A}));
    EXPECT_EQ(Efface_Ligne_Log(log, 1, A), std::nullopt); // moved, and two lines hold it
    EXPECT_EQ(Efface_Ligne_Log({}, 1, A), std::nullopt);
}

// A folder in place of the log: it exists, yet cannot be read, so nothing may be written over it.
TEST(Journal, LogIlisibleNEstJamaisReecrit) {
    Log_Test log;
    std::filesystem::create_directory(log.dossier.Chemin() / "LOG.txt");
    EXPECT_FALSE(log.journal.Lire().lisible);
    EXPECT_EQ(log.journal.Remplacer(1, A, B), Resultat_Journal::Erreur_Fichier);
    EXPECT_EQ(log.journal.Effacer(1, A), Resultat_Journal::Erreur_Fichier);
    EXPECT_EQ(log.journal.Inserer_Chrono(A), Resultat_Journal::Erreur_Fichier);
    EXPECT_TRUE(std::filesystem::is_directory(log.dossier.Chemin() / "LOG.txt"));
}

TEST(Journal, InsererDansUnLogAbsentOuEnPlace) {
    Log_Test log;
    ASSERT_EQ(log.journal.Inserer_Chrono(B), Resultat_Journal::Fait);
    EXPECT_EQ(log.Octets(), Fichier_De({B}));
    ASSERT_EQ(log.journal.Inserer_Chrono(A), Resultat_Journal::Fait);
    EXPECT_EQ(log.Octets(), Fichier_De({A, B}));
}

// Every rewrite stopped at each of its steps leaves the log whole and no scratch file behind.
TEST(Journal, ReecritureInterrompueLaisseLeLogEntier) {
    const std::pair<const char*, std::function<Resultat_Journal(Journal&)>> operations[] = {
        {"Remplacer", [](Journal& j) { return j.Remplacer(2, B, C); }},
        {"Effacer", [](Journal& j) { return j.Effacer(2, B); }},
        {"Inserer_Chrono", [](Journal& j) { return j.Inserer_Chrono(C); }},
    };
    const std::string avant = Fichier_De({A, B, A});
    for (const auto& [nom, operation] : operations) {
        Log_Test complet(avant);
        ASSERT_EQ(operation(complet.journal), Resultat_Journal::Fait) << nom;
        ASSERT_GT(complet.fs.Operations(), 0u);
        for (std::size_t echec = 1; echec <= complet.fs.Operations(); ++echec) {
            Log_Test log(avant, echec);
            EXPECT_EQ(operation(log.journal), Resultat_Journal::Erreur_Fichier) << nom << " " << echec;
            EXPECT_EQ(log.Octets(), avant) << nom << " " << echec;
            EXPECT_FALSE(log.dossier.Existe("Temporaire.txt") || log.dossier.Existe("Temporaire6.txt"))
                << nom << " " << echec;
        }
    }
}

TEST(Insere_Ligne_Chrono, LogsDifficiles) {
    struct Cas {
        const char* nom;
        std::vector<std::string> log;
        std::string nouvelle;
        std::vector<std::string> attendu;
    };
    const Cas cas[] = {
        {"vide", {}, "01/01/00  10:00  N", {"01/01/00  10:00  N"}},
        {"desordre garde",
         {"01/03/24  12:00  B", "01/03/24  10:00  A", "01/03/24  11:00  C"},
         "01/03/24  11:30  N",
         {"01/03/24  11:30  N", "01/03/24  12:00  B", "01/03/24  10:00  A", "01/03/24  11:00  C"}},
        {"lignes identiques au meme moment, avant elles",
         {"01/03/24  10:00  A", "01/03/24  10:00  A"},
         "01/03/24  10:00  N",
         {"01/03/24  10:00  N", "01/03/24  10:00  A", "01/03/24  10:00  A"}},
        {"dates illisibles au plus tot",
         {"", "ab/cd/ef  10:00  X", "01/03/24  1h:00  Y", "01/03/24", "\xE9t\xE9", "01/03/24  10:00  Z"},
         "01/03/24  09:00  N",
         {"", "ab/cd/ef  10:00  X", "01/03/24  1h:00  Y", "01/03/24", "\xE9t\xE9", "01/03/24  09:00  N",
          "01/03/24  10:00  Z"}},
        {"nouvelle illisible en tete", {"01/03/24  10:00  A"}, "?", {"?", "01/03/24  10:00  A"}},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(Insere_Ligne_Chrono(c.log, c.nouvelle), c.attendu) << c.nom;
    }
}

TEST(Date_Complete, SiecleDesDeuxChiffres) {
    const std::pair<std::string, std::string> dates[] = {
        {"31/12/99", "31/12/1999"}, {"01/01/00", "01/01/2000"}, {"15/06/49", "15/06/2049"},
        {"15/06/50", "15/06/1950"}, {"99/99/99", "99/99/1999"}, {"1/1/00", "1/1/00"},
        {"01/01/000", "01/01/000"}, {"01/01/0a", "01/01/0a"}};
    for (const auto& [date, complete] : dates) {
        EXPECT_EQ(Date_Complete(date), complete) << date;
    }
    EXPECT_LT(Moment_Ligne("31/12/99  23:59"), Moment_Ligne("01/01/00  00:00"));
}
