// Fuzz targets with properties, not just "no crash". Built with -DMARAVEL_CIBLE=<target> and libFuzzer it
// is one fuzzer; built plainly it replays every corpus file through every target.
// Usage of the replay: cibles <corpus folder>

#include "../core/Dossier_Temporaire.h"
#include "core/Activation.h"
#include "core/Colonnes.h"
#include "core/Import_Prenoms.h"
#include "core/Journal.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"
#include "core/Qso.h"
#include "core/Texte1252.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

using namespace Maravel;

#define EXIGER(c) ((c) ? void() : (std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #c), std::abort()))

namespace {

const Dossier_Temporaire temporaire;
const std::filesystem::path& dossier = temporaire.chemin;

Systeme_Fichiers_Reel fs;

} // namespace

// Outside the unnamed namespace: a fuzzer build uses one of them only.
namespace Cibles {

// Every byte decodes to a character that encodes back to it; text that encodes decodes back to itself; an
// admitted character is a printable one the code page holds.
void texte1252(const std::string& octets) {
    EXIGER(Vers_1252(Depuis_1252(octets)) == octets);
    std::u16string texte(octets.size() / 2, u'\0');
    std::memcpy(texte.data(), octets.data(), texte.size() * 2);
    EXIGER(!Vers_1252(texte) || Depuis_1252(*Vers_1252(texte)) == texte);
    for (const char16_t u : texte) {
        EXIGER(!Caractere_Admis(u) || (u >= 0x20 && (u < 0x7F || u > 0x9F) && Octet_1252(u)));
    }
}

// Whatever a line holds reads back into a 104-column line that reads the same.
void ligne_qso(const std::string& octets) {
    const auto qso = Lire_Ligne_Qso(octets);
    const auto ligne = Ligne_Qso(qso);
    EXIGER(ligne && ligne->size() == 104 && Lire_Ligne_Qso(*ligne) == qso);
    EXIGER(Ligne_Affichee(octets.size() % 10000, *ligne).substr(6) == *ligne);
}

// Lines rewritten in CR LF read the same, and a file already in CR LF is rewritten byte for byte; an append
// adds exactly one line; moving a torn last line aside keeps every other byte.
void decoupage(const std::string& octets) {
    const auto lignes = Decouper_Lignes(octets);
    bool en_crlf = octets.empty() || octets.ends_with("\r\n");
    for (std::size_t i = 0; i < octets.size(); ++i) {
        en_crlf = en_crlf && (octets[i] != '\n' || (i > 0 && octets[i - 1] == '\r'));
    }
    const auto f = dossier / "F.txt";
    EXIGER(fs.Ecrire(f, octets) && Reecrire(fs, f, dossier / "T.txt", lignes) &&
           Lire_Lignes(fs, f).lignes == lignes);
    EXIGER(!en_crlf || fs.Lire(f).contenu == octets);
    auto attendues = lignes;
    attendues.emplace_back("QSO");
    EXIGER(fs.Ecrire(f, octets) && Ajouter_Ligne(fs, f, "QSO") && Lire_Lignes(fs, f).lignes == attendues);
    EXIGER(fs.Ecrire(f, octets));
    const auto ecartee = Ecarter_Ligne_Coupee(fs, dossier, "F.txt", 104, "2024-03-01");
    EXIGER(fs.Lire(f).contenu + (ecartee ? ecartee->octets : "") == octets);
    EXIGER(!ecartee || (ecartee->octets.size() < 104 && ecartee->octets.find('\n') == std::string::npos));
    fs.Supprimer(dossier / "F_coupe_2024-03-01.txt");
}

// A callsign written into any memory is found again, every other line stays, and writing the same line
// again changes no byte.
void prenoms(const std::string& octets) {
    const auto f = dossier / "Liste_Prenom.txt";
    fs.Ecrire(f, octets);
    const std::string indicatif(Sans_Blancs(Colonnes(octets.substr(0, octets.find('\n')), 1, 12)));
    const auto ligne = Ligne_Prenom(indicatif, "75", "NOM");
    const auto avant = Lire_Lignes(fs, f).lignes;
    EXIGER(Ajout_Prenom(fs, dossier, ligne) && Cherche_Prenom(fs, dossier, indicatif));
    const auto apres = Lire_Lignes(fs, f).lignes;
    EXIGER(apres.size() == avant.size() || apres.size() == avant.size() + 1);
    for (std::size_t i = 0; i < avant.size(); ++i) {
        EXIGER(apres[i] == avant[i] || apres[i] == ligne);
    }
    const auto reecrit = fs.Lire(f).contenu;
    EXIGER(Ajout_Prenom(fs, dossier, ligne) && fs.Lire(f).contenu == reecrit);
}

// Any list line writes back a 129-column line that reads and writes the same; saving it into any list
// twice changes no byte the second time, and it is found by its number.
void activation(const std::string& octets) {
    const auto ligne = Ligne_Activite(Lire_Ligne_Activite(octets.substr(0, octets.find('\n'))));
    EXIGER(ligne.size() == 129 && Ligne_Activite(Lire_Ligne_Activite(ligne)) == ligne);
    fs.Ecrire(dossier / "Liste_Activite.txt", octets);
    Liste_Activites liste(fs, dossier);
    EXIGER(liste.Ajouter_Ou_Remplacer(ligne));
    const auto reecrit = fs.Lire(dossier / "Liste_Activite.txt").contenu;
    EXIGER(liste.Ajouter_Ou_Remplacer(ligne) && fs.Lire(dossier / "Liste_Activite.txt").contenu == reecrit);
    EXIGER(Numero_Ligne_Activite(ligne).empty() || liste.Chercher(Numero_Ligne_Activite(ligne)));
}

// The first line goes into the log the others make: they keep their order, those before it are earlier,
// the one after it is not, and the log file holds exactly that.
void insertion(const std::string& octets) {
    auto log = Decouper_Lignes(octets);
    const std::string nouvelle = log.empty() ? "" : log.front();
    log.erase(log.begin(), log.begin() + (log.empty() ? 0 : 1));
    const auto resultat = Insere_Ligne_Chrono(log, nouvelle);
    std::size_t p = 0;
    while (p < log.size() && resultat[p] == log[p] && Moment_Ligne(log[p]) < Moment_Ligne(nouvelle)) {
        ++p;
    }
    EXIGER(resultat.size() == log.size() + 1 && resultat[p] == nouvelle);
    EXIGER(std::equal(log.begin() + p, log.end(), resultat.begin() + p + 1));
    EXIGER(p == log.size() || Moment_Ligne(log[p]) >= Moment_Ligne(nouvelle));
    fs.Ecrire(dossier / "LOG.txt", Joindre_Lignes(log));
    EXIGER(Journal(fs, dossier, "LOG").Inserer_Chrono(nouvelle) == Resultat_Journal::Fait);
    EXIGER(fs.Lire(dossier / "LOG.txt").contenu == Joindre_Lignes(resultat));
}

// No ADIF value swallows a tag, and records written back with exact lengths read the same; the import writes
// one memory line per station it takes, and a second import of the same file changes nothing.
void adif(const std::string& octets) {
    const auto lecture = Lire_Adif(octets);
    std::string reecrit;
    for (const auto& enregistrement : lecture.Enregistrements) {
        for (const auto& [nom, valeur] : enregistrement) {
            const auto debut = static_cast<std::size_t>(valeur.data() - octets.data());
            for (auto p = valeur.find('<'); p != std::string_view::npos; p = valeur.find('<', p + 1)) {
                EXIGER(!Balise_Adif(octets, debut + p));
            }
            Ecrire_Champ_Adif(reecrit, nom, valeur);
        }
        reecrit += "<EOR>\r\n";
    }
    const auto relue = Lire_Adif(reecrit).Enregistrements;
    const auto meme = [](const Champ_Adif& a, const Champ_Adif& b) {
        return a.Nom == b.Nom && a.Valeur == b.Valeur;
    };
    for (std::size_t i = 0; lecture.Lisible && i < lecture.Enregistrements.size(); ++i) {
        EXIGER(relue.size() == lecture.Enregistrements.size() &&
               std::ranges::equal(relue[i], lecture.Enregistrements[i], meme));
    }
    fs.Supprimer(dossier / "Liste_Prenom.txt");
    fs.Ecrire(dossier / "F.adi", octets);
    EXIGER(Importer_Prenoms(fs, dossier, dossier / "F.adi").Reussi == lecture.Lisible);
    const auto memoire = fs.Lire(dossier / "Liste_Prenom.txt").contenu;
    EXIGER(Decouper_Lignes(memoire).size() == Stations_Adif(lecture.Enregistrements).Stations.size());
    EXIGER(Importer_Prenoms(fs, dossier, dossier / "F.adi").Reussi == lecture.Lisible &&
           fs.Lire(dossier / "Liste_Prenom.txt").contenu == memoire);
}

} // namespace Cibles

using namespace Cibles;

#ifdef MARAVEL_CIBLE
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    MARAVEL_CIBLE(std::string(reinterpret_cast<const char*>(donnees), taille));
    return 0;
}
#else
int main(int argc, char** argv) {
    std::size_t fichiers = 0;
    for (const auto& entree : std::filesystem::recursive_directory_iterator(argc > 1 ? argv[1] : ".")) {
        if (!entree.is_regular_file()) {
            continue;
        }
        std::ifstream flux(entree.path(), std::ios::binary);
        const std::string octets{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
        for (const auto cible : {texte1252, ligne_qso, decoupage, prenoms, activation, insertion, adif}) {
            cible(octets);
        }
        ++fichiers;
    }
    std::printf("%zu corpus files through 7 targets\n", fichiers);
    return fichiers > 0 ? 0 : 1;
}
#endif
