#include "Dossier_Temporaire.h"
#include "core/Journal.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Maravel;

// Only the line the operator selected changes, even when an identical line sits elsewhere in the log; a
// recovery or an insertion may have shifted the numbers, and a line without twin is found again. A line
// changed since the selection is not found; a log that cannot be read is never written over.
TEST(Journal, RemplacerEffacerEtInsererLeQsoVise) {
    using Operation = std::function<Resultat_Journal(Journal&)>;
    const auto fait = Resultat_Journal::Fait, introuvable = Resultat_Journal::Qso_Introuvable;
    const std::tuple<Operation, Resultat_Journal, std::string> cas[] = {
        {[](Journal& j) { return j.Remplacer(3, A, C); }, fait, Fichier_De({A, B, C})},
        {[](Journal& j) { return j.Effacer(1, A); }, fait, Fichier_De({B, A})},
        {[](Journal& j) { return j.Remplacer(3, B, C); }, fait, Fichier_De({A, C, A})},
        {[](Journal& j) { return j.Effacer(1, B); }, fait, Fichier_De({A, A})},
        {[](Journal& j) { return j.Inserer_Chrono(C); }, fait, Fichier_De({A, B, A, C})},
        {[](Journal& j) { return j.Remplacer(2, A, C); }, introuvable, Fichier_De({A, B, A})},
        {[](Journal& j) { return j.Effacer(0, A); }, introuvable, Fichier_De({A, B, A})},
        {[](Journal& j) { return j.Effacer(4, A); }, introuvable, Fichier_De({A, B, A})},
        {[](Journal& j) { return j.Remplacer(1, A + " ", C); }, introuvable, Fichier_De({A, B, A})}};
    for (const auto& [operation, resultat, attendu] : cas) {
        Dossier_Temporaire dossier;
        dossier.Ecrire("LOG.txt", Fichier_De({A, B, A}));
        Systeme_Fichiers_Reel fs;
        Journal journal(fs, dossier.Chemin(), "LOG");
        EXPECT_EQ(operation(journal), resultat) << attendu;
        EXPECT_EQ(dossier.Lire("LOG.txt"), attendu);
        EXPECT_FALSE(dossier.Existe("Temporaire.txt"));

        std::filesystem::remove(dossier.Chemin() / "LOG.txt");
        std::filesystem::create_directory(dossier.Chemin() / "LOG.txt");
        EXPECT_EQ(operation(journal), Resultat_Journal::Erreur_Fichier);
        EXPECT_FALSE(journal.Ajouter(A));
        EXPECT_TRUE(std::filesystem::is_directory(dossier.Chemin() / "LOG.txt"));
    }
}

// Dates are day first with a two-digit year (50-99: 19xx); equal moments go first; unreadable dates count
// as the earliest moment; the other lines keep their order, even out of order.
TEST(Insere_Ligne_Chrono, PlaceDansLeTemps) {
    using Lignes = std::vector<std::string>;
    const std::tuple<Lignes, std::string, Lignes> cas[] = {
        {{}, "01/01/00  10:00  N", {"01/01/00  10:00  N"}},
        {{"01/02/24  10:00  A"}, "02/01/24  10:00  N", {"02/01/24  10:00  N", "01/02/24  10:00  A"}},
        {{"02/01/24  10:00  A"}, "01/02/24  10:00  N", {"02/01/24  10:00  A", "01/02/24  10:00  N"}},
        {{"01/01/00  00:00  A"}, "31/12/99  23:59  N", {"31/12/99  23:59  N", "01/01/00  00:00  A"}},
        {{"15/06/49  10:00  A"}, "15/06/50  10:00  N", {"15/06/50  10:00  N", "15/06/49  10:00  A"}},
        {{"01/03/24  09:59  A", "01/03/24  10:00  B"},
         "01/03/24  10:00  N",
         {"01/03/24  09:59  A", "01/03/24  10:00  N", "01/03/24  10:00  B"}},
        {{"01/03/24  12:00  B", "01/03/24  10:00  A"},
         "01/03/24  11:30  N",
         {"01/03/24  11:30  N", "01/03/24  12:00  B", "01/03/24  10:00  A"}},
        {{"", "ab/cd/ef  10:00  X", "01/03/24  1h:00  Y", "1/3/24  10:00  Z", "01/03/24  10:00  W"},
         "01/03/24  09:00  N",
         {"", "ab/cd/ef  10:00  X", "01/03/24  1h:00  Y", "1/3/24  10:00  Z", "01/03/24  09:00  N",
          "01/03/24  10:00  W"}},
        {{"01/03/24  10:00  A"}, "?", {"?", "01/03/24  10:00  A"}}};
    for (const auto& [log, nouvelle, attendu] : cas) {
        EXPECT_EQ(Insere_Ligne_Chrono(log, nouvelle), attendu) << nouvelle;
    }
}
