#include "core/Imprimante.h"

namespace Maravel {

bool Imprimer_Lignes(Imprimante_Lignes& imprimante, std::string_view police, double taille, bool gras,
                     const std::vector<std::string>& lignes) {
    const std::string police_avant = imprimante.Police();
    const double taille_avant = imprimante.Taille();
    imprimante.Police(police);
    imprimante.Gras(gras);
    imprimante.Taille(taille);
    for (const auto& ligne : lignes) {
        imprimante.Ligne(ligne);
    }
    const bool imprime = imprimante.Fin_Document();
    imprimante.Gras(false);
    imprimante.Police(police_avant);
    imprimante.Taille(taille_avant);
    return imprime;
}

} // namespace Maravel
