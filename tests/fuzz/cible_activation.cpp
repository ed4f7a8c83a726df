// Any list line reads without overflow and writes back a 129-column line that reads and writes the same;
// saving that line into any list twice changes no byte the second time.
#include "Propriete.h"
#include "core/Activation.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    using namespace Maravel;
    const std::string octets = Octets_Fuzz(donnees, taille);
    const auto ligne = Ligne_Activite(Lire_Ligne_Activite(octets.substr(0, octets.find('\n'))));
    EXIGER(ligne.size() == 129 && Ligne_Activite(Lire_Ligne_Activite(ligne)) == ligne);
    Systeme_Fichiers_Reel fs;
    fs.Ecrire(Dossier_Fuzz() / "Liste_Activite.txt", octets);
    Liste_Activites liste(fs, Dossier_Fuzz());
    EXIGER(liste.Ajouter_Ou_Remplacer(ligne));
    const auto reecrit = fs.Lire(Dossier_Fuzz() / "Liste_Activite.txt").contenu;
    EXIGER(liste.Ajouter_Ou_Remplacer(ligne));
    EXIGER(fs.Lire(Dossier_Fuzz() / "Liste_Activite.txt").contenu == reecrit);
    const auto numero = Numero_Ligne_Activite(ligne);
    EXIGER(numero.empty() || liste.Chercher(numero).has_value());
    return 0;
}
