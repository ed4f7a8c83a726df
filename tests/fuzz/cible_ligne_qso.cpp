// Any line reads without overflow; what is read writes back to a 104-column line that reads the same.
#include "Propriete.h"
#include "core/Qso.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    const auto qso = Maravel::Lire_Ligne_Qso(Octets_Fuzz(donnees, taille));
    const auto ligne = Maravel::Ligne_Qso(qso);
    EXIGER(ligne && ligne->size() == 104);
    EXIGER(Maravel::Lire_Ligne_Qso(*ligne) == qso);
    EXIGER(Maravel::Ligne_Affichee(taille % 10000, *ligne).substr(6) == *ligne);
    return 0;
}
