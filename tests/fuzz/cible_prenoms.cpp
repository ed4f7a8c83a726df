// Any memory: a look-up never overflows; a callsign written is found again,
// every other line stays, and writing the same line again changes no byte.
#include "Propriete.h"
#include "core/Colonnes.h"
#include "core/Prenoms.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    using namespace Maravel;
    const std::string octets = Octets_Fuzz(donnees, taille);
    Systeme_Fichiers_Reel fs;
    fs.Ecrire(Dossier_Fuzz() / "Liste_Prenom.txt", octets);
    const std::string indicatif(Sans_Blancs(Colonnes(octets.substr(0, octets.find('\n')), 1, 12)));
    Cherche_Prenom(fs, Dossier_Fuzz(), indicatif);
    const auto ligne = Ligne_Prenom(indicatif, "75", "NOM");
    const auto avant = Lire_Lignes(fs, Dossier_Fuzz() / "Liste_Prenom.txt").lignes;
    EXIGER(Ajout_Prenom(fs, Dossier_Fuzz(), ligne));
    const auto apres = Lire_Lignes(fs, Dossier_Fuzz() / "Liste_Prenom.txt").lignes;
    EXIGER(apres.size() == avant.size() || apres.size() == avant.size() + 1);
    for (std::size_t i = 0; i < avant.size(); ++i) {
        EXIGER(apres[i] == avant[i] || apres[i] == ligne);
    }
    EXIGER(Cherche_Prenom(fs, Dossier_Fuzz(), indicatif).has_value());
    const auto reecrit = fs.Lire(Dossier_Fuzz() / "Liste_Prenom.txt").contenu;
    EXIGER(Ajout_Prenom(fs, Dossier_Fuzz(), ligne));
    EXIGER(fs.Lire(Dossier_Fuzz() / "Liste_Prenom.txt").contenu == reecrit);
    return 0;
}
