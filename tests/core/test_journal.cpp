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

} // namespace

TEST(Journal, AbsentOuVideEstUnLogVideEtAjouterEcritEnCrLf) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, dossier.Chemin(), "DMF-001");
    EXPECT_EQ(journal.Fichier(), dossier.Chemin() / "DMF-001.txt");
    auto lues = journal.Lire();
    EXPECT_TRUE(lues.lisible);
    EXPECT_TRUE(lues.lignes.empty());
    EXPECT_EQ(Numero_Suivant(lues.lignes.size()), 1u);

    dossier.Ecrire("DMF-001.txt", "");
    EXPECT_TRUE(journal.Lire().lignes.empty());

    ASSERT_TRUE(journal.Ajouter(A));
    ASSERT_TRUE(journal.Ajouter(B));
    EXPECT_EQ(dossier.Lire("DMF-001.txt"), Fichier_De({A, B}));
    EXPECT_EQ(Numero_Suivant(journal.Lire().lignes.size()), 3u);
}

// Only the line the operator selected changes, even when an identical line sits elsewhere in the log.
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
    };
    for (const auto& c : cas) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        Journal journal(fs, dossier.Chemin(), "LOG");
        dossier.Ecrire("LOG.txt", Fichier_De({A, B, A}));
        EXPECT_EQ(c.operation(journal), Resultat_Journal::Fait);
        EXPECT_EQ(dossier.Lire("LOG.txt"), c.attendu);
        EXPECT_FALSE(dossier.Existe("Temporaire.txt"));
    }
}

TEST(Journal, LigneChangeeDepuisLaSelectionEstIntrouvable) {
    const std::pair<std::size_t, std::string> perimees[] = {{2, A}, {0, A}, {4, A}, {1, A + " "}};
    for (const auto& [numero, ancienne] : perimees) {
        Dossier_Temporaire dossier;
        Systeme_Fichiers_Reel fs;
        Journal journal(fs, dossier.Chemin(), "LOG");
        dossier.Ecrire("LOG.txt", Fichier_De({A, B, A}));
        EXPECT_EQ(journal.Remplacer(numero, ancienne, C), Resultat_Journal::Qso_Introuvable) << numero;
        EXPECT_EQ(journal.Effacer(numero, ancienne), Resultat_Journal::Qso_Introuvable) << numero;
        EXPECT_EQ(dossier.Lire("LOG.txt"), Fichier_De({A, B, A})) << numero;
    }
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    Journal absent(fs, dossier.Chemin(), "LOG");
    EXPECT_EQ(absent.Effacer(1, A), Resultat_Journal::Qso_Introuvable);
    EXPECT_FALSE(dossier.Existe("LOG.txt"));
}

// A recovery or an insertion shifts the numbers under a selection: a line without twin is found again.
TEST(Journal, LigneDecaleeSansJumelleRetrouvee) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, dossier.Chemin(), "LOG");
    dossier.Ecrire("LOG.txt", Fichier_De({C, A, B}));
    EXPECT_EQ(journal.Remplacer(3, A, C), Resultat_Journal::Fait);
    EXPECT_EQ(dossier.Lire("LOG.txt"), Fichier_De({C, C, B}));
    EXPECT_EQ(journal.Effacer(1, B), Resultat_Journal::Fait);
    EXPECT_EQ(dossier.Lire("LOG.txt"), Fichier_De({C, C}));
}

// A folder in place of the log: it exists, yet cannot be read, so nothing may be written over it.
TEST(Journal, LogIlisibleNEstJamaisReecrit) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    std::filesystem::create_directory(dossier.Chemin() / "LOG.txt");
    Journal journal(fs, dossier.Chemin(), "LOG");
    EXPECT_FALSE(journal.Lire().lisible);
    EXPECT_EQ(journal.Remplacer(1, A, B), Resultat_Journal::Erreur_Fichier);
    EXPECT_EQ(journal.Effacer(1, A), Resultat_Journal::Erreur_Fichier);
    EXPECT_EQ(journal.Inserer_Chrono(A), Resultat_Journal::Erreur_Fichier);
    EXPECT_TRUE(std::filesystem::is_directory(dossier.Chemin() / "LOG.txt"));
}

TEST(Journal, InsererDansUnLogAbsentOuEnPlace) {
    Dossier_Temporaire dossier;
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, dossier.Chemin(), "LOG");
    ASSERT_EQ(journal.Inserer_Chrono(B), Resultat_Journal::Fait);
    EXPECT_EQ(dossier.Lire("LOG.txt"), Fichier_De({B}));
    ASSERT_EQ(journal.Inserer_Chrono(A), Resultat_Journal::Fait);
    EXPECT_EQ(dossier.Lire("LOG.txt"), Fichier_De({A, B}));
    EXPECT_FALSE(dossier.Existe("Temporaire6.txt"));
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
        Dossier_Temporaire temoin;
        Fichiers_Defaillants sans_echec;
        Journal complet(sans_echec, temoin.Chemin(), "LOG");
        temoin.Ecrire("LOG.txt", avant);
        ASSERT_EQ(operation(complet), Resultat_Journal::Fait) << nom;
        ASSERT_GT(sans_echec.Operations(), 0u);

        for (std::size_t echec = 1; echec <= sans_echec.Operations(); ++echec) {
            Dossier_Temporaire dossier;
            Fichiers_Defaillants fs(echec);
            Journal journal(fs, dossier.Chemin(), "LOG");
            dossier.Ecrire("LOG.txt", avant);
            EXPECT_EQ(operation(journal), Resultat_Journal::Erreur_Fichier) << nom << " " << echec;
            EXPECT_EQ(dossier.Lire("LOG.txt"), avant) << nom << " " << echec;
            EXPECT_FALSE(dossier.Existe("Temporaire.txt") || dossier.Existe("Temporaire6.txt"))
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
    const std::string N_1999 = "31/12/99  23:59  N";
    const Cas cas[] = {
        {"vide", {}, "01/01/00  10:00  N", {"01/01/00  10:00  N"}},
        {"1999 avant 2000",
         {"01/01/00  00:00  A", "01/01/00  08:00  B"},
         N_1999,
         {N_1999, "01/01/00  00:00  A", "01/01/00  08:00  B"}},
        {"meme moment avant",
         {"01/03/24  10:00  A", "01/03/24  11:00  B", "01/03/24  11:00  C"},
         "01/03/24  11:00  N",
         {"01/03/24  10:00  A", "01/03/24  11:00  N", "01/03/24  11:00  B", "01/03/24  11:00  C"}},
        {"a la fin",
         {"01/03/24  10:00  A"},
         "01/03/24  12:00  N",
         {"01/03/24  10:00  A", "01/03/24  12:00  N"}},
        {"desordre garde",
         {"01/03/24  12:00  B", "01/03/24  10:00  A", "01/03/24  11:00  C"},
         "01/03/24  11:30  N",
         {"01/03/24  11:30  N", "01/03/24  12:00  B", "01/03/24  10:00  A", "01/03/24  11:00  C"}},
        {"lignes identiques",
         {"01/03/24  10:00  A", "01/03/24  10:00  A"},
         "01/03/24  10:00  A",
         {"01/03/24  10:00  A", "01/03/24  10:00  A", "01/03/24  10:00  A"}},
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

TEST(Efface_Ligne_Log, RetireChaqueLigneEgale) {
    EXPECT_EQ(Efface_Ligne_Log({A, B, A, C}, A), (std::vector<std::string>{B, C}));
    EXPECT_EQ(Efface_Ligne_Log({A, B}, C), (std::vector<std::string>{A, B}));
}

TEST(Date_Complete, SiecleDesDeuxChiffres) {
    const std::pair<std::string, std::string> dates[] = {
        {"31/12/99", "31/12/1999"}, {"01/01/00", "01/01/2000"}, {"15/06/49", "15/06/2049"},
        {"15/06/50", "15/06/1950"}, {"99/99/99", "99/99/1999"}, {"1/1/00", "1/1/00"},
        {"01/01/0a", "01/01/0a"}};
    for (const auto& [date, complete] : dates) {
        EXPECT_EQ(Date_Complete(date), complete) << date;
    }
    EXPECT_EQ(Moment_Ligne("31/12/99  23:59  X"), 199912312359);
    EXPECT_EQ(Moment_Ligne("99/99/99  99:99"), 199999999999);
    EXPECT_EQ(Moment_Ligne("01/01/00  00:00"), 200001010000);
    EXPECT_EQ(Moment_Ligne("01/01/00  00:0"), Moment_Illisible);
}
