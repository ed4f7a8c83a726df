// The file layer: lines joined in CR LF split back the same, a file already in CR LF is rewritten byte for
// byte, an append adds exactly one line, and moving a torn last line aside keeps every other byte.
#include "Propriete.h"
#include "core/Lignes_Coupees.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    using namespace Maravel;
    const std::string octets = Octets_Fuzz(donnees, taille);
    const auto lignes = Decouper_Lignes(octets);
    EXIGER(Decouper_Lignes(Joindre_Lignes(lignes)) == lignes);
    bool en_crlf = octets.empty() || octets.ends_with("\r\n");
    for (std::size_t i = 0; i < octets.size(); ++i) {
        en_crlf = en_crlf && (octets[i] != '\n' || (i > 0 && octets[i - 1] == '\r'));
    }
    Systeme_Fichiers_Reel fs;
    const auto fichier = Dossier_Fuzz() / "F.txt";
    EXIGER(fs.Ecrire(fichier, octets) && Reecrire(fs, fichier, Dossier_Fuzz() / "T.txt", lignes));
    EXIGER(!en_crlf || fs.Lire(fichier).contenu == octets);

    EXIGER(fs.Ecrire(fichier, octets) && Ajouter_Ligne(fs, fichier, "QSO"));
    auto attendues = lignes;
    attendues.emplace_back("QSO");
    EXIGER(Lire_Lignes(fs, fichier).lignes == attendues);

    EXIGER(fs.Ecrire(fichier, octets));
    const auto ecartee = Ecarter_Ligne_Coupee(fs, Dossier_Fuzz(), "F.txt", 104, "2024-03-01");
    EXIGER(fs.Lire(fichier).contenu + (ecartee ? ecartee->octets : "") == octets);
    EXIGER(!ecartee || (ecartee->octets.size() < 104 && ecartee->octets.find('\n') == std::string::npos));
    fs.Supprimer(Dossier_Fuzz() / "F_coupe_2024-03-01.txt");
    return 0;
}
