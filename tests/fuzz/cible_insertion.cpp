// The first line is inserted into the log the others make: every other line keeps its order, the lines
// before it are earlier, the one after it is not, and the log file holds exactly that.
#include "Propriete.h"
#include "core/Journal.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    using namespace Maravel;
    auto log = Decouper_Lignes(Octets_Fuzz(donnees, taille));
    if (log.empty()) {
        return 0;
    }
    const std::string nouvelle = log.front();
    log.erase(log.begin());
    const auto resultat = Insere_Ligne_Chrono(log, nouvelle);
    EXIGER(resultat.size() == log.size() + 1);
    const long long moment = Moment_Ligne(nouvelle);
    std::size_t place = 0;
    while (place < log.size() && resultat[place] == log[place] && Moment_Ligne(log[place]) < moment) {
        ++place;
    }
    EXIGER(place == log.size() || Moment_Ligne(log[place]) >= moment);
    EXIGER(resultat[place] == nouvelle &&
           std::equal(log.begin() + place, log.end(), resultat.begin() + place + 1));
    Systeme_Fichiers_Reel fs;
    fs.Ecrire(Dossier_Fuzz() / "LOG.txt", Joindre_Lignes(log));
    EXIGER(Journal(fs, Dossier_Fuzz(), "LOG").Inserer_Chrono(nouvelle) == Resultat_Journal::Fait);
    EXIGER(fs.Lire(Dossier_Fuzz() / "LOG.txt").contenu == Joindre_Lignes(resultat));
    return 0;
}
