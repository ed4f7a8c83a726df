// A writer that appends, replaces, deletes and inserts QSOs and updates the first-name memory is killed
// with SIGKILL at random moments. After each kill every file holds its old or its new bytes (an append may
// have left the start of its line), and the next opening moves such a start aside, leaving whole lines.
// Usage: tuer_ecrivain [kills] [seconds] [folder for the data folder]

#include "core/Journal.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"
#include "core/Qso.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace Maravel;

namespace {

const char* const Fichiers[] = {"LOG.txt", "Liste_Prenom.txt"};

// Sent before each change and ended by a NUL byte: the file ('0' or '1'), 'A' for an append, its bytes after.
void Annoncer(int tube, int fichier, bool ajout, const std::vector<std::string>& lignes) {
    const std::string message =
        std::string{static_cast<char>('0' + fichier), ajout ? 'A' : '-'} + Joindre_Lignes(lignes) + '\0';
    if (::write(tube, message.data(), message.size()) != static_cast<ssize_t>(message.size())) {
        std::_Exit(3);
    }
}

[[noreturn]] void Ecrire_Sans_Fin(const std::filesystem::path& d, int tube, unsigned graine) {
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, d, "LOG");
    auto log = journal.Lire().lignes;
    auto memoire = Lire_Lignes(fs, d / Fichiers[1]).lignes;
    std::mt19937 alea(graine);
    for (unsigned n = 0;; ++n) {
        const auto qso =
            *Ligne_Qso({"0" + std::to_string(1 + alea() % 3) + "/03/24",
                        std::to_string(10 + alea() % 14) + ":" + std::to_string(10 + alea() % 50),
                        "F" + std::to_string(alea() % 40), "75", "PAUL", "59", "59", "SSB", "7",
                        std::to_string(graine) + "-" + std::to_string(n)});
        const std::size_t k = alea() % (log.size() + 1), choix = log.size() > 60 ? 2 : alea() % 6;
        const std::string ancienne = k < log.size() ? log[k] : "";
        bool fait = true;
        if (choix == 0) {
            const auto ligne =
                Ligne_Prenom("F" + std::to_string(alea() % 40), "75", "NOM" + std::to_string(n));
            bool connu = false;
            for (auto& l : memoire) {
                connu = connu || l.starts_with(ligne.substr(0, 12));
                l = l.starts_with(ligne.substr(0, 12)) ? ligne : l;
            }
            if (!connu) {
                memoire.push_back(ligne);
            }
            Annoncer(tube, 1, !connu, memoire);
            fait = Ajout_Prenom(fs, d, ligne);
        } else if (choix <= 2 && k < log.size()) {
            if (choix == 1) {
                log[k] = qso;
            } else {
                log.erase(log.begin() + static_cast<std::ptrdiff_t>(k));
            }
            Annoncer(tube, 0, false, log);
            fait = (choix == 1 ? journal.Remplacer(k + 1, ancienne, qso)
                               : journal.Effacer(k + 1, ancienne)) == Resultat_Journal::Fait;
        } else if (choix == 3) {
            log = Insere_Ligne_Chrono(log, qso);
            Annoncer(tube, 0, false, log);
            fait = journal.Inserer_Chrono(qso) == Resultat_Journal::Fait;
        } else {
            log.push_back(qso);
            Annoncer(tube, 0, true, log);
            fait = journal.Ajouter(qso);
        }
        if (!fait) {
            std::_Exit(2);
        }
    }
}

// Reads whole messages until `combien` are there or the writer is gone; a message cut by the kill was
// never followed by its change.
void Lire_Annonces(int tube, std::size_t combien, std::string& recu, std::vector<std::string>& annonces) {
    char bloc[1 << 16];
    while (annonces.size() < combien) {
        if (const auto fin = recu.find('\0'); fin != std::string::npos) {
            annonces.push_back(recu.substr(0, fin));
            recu.erase(0, fin + 1);
        } else if (const auto n = ::read(tube, bloc, sizeof bloc); n > 0) {
            recu.append(bloc, static_cast<std::size_t>(n));
        } else {
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const long kills = argc > 1 ? std::atol(argv[1]) : 300;
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::seconds(argc > 2 ? std::atol(argv[2]) : 10);
    const auto d = (argc > 3 ? std::filesystem::path(argv[3]) : std::filesystem::temp_directory_path()) /
                   ("maravel_kill_" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    Systeme_Fichiers_Reel fs;
    std::string actuel[2];
    std::mt19937 alea(12345);
    long fait = 0, ecartees = 0, echecs = 0;
    for (; fait < kills && std::chrono::steady_clock::now() < limite && echecs == 0; ++fait) {
        int tube[2];
        if (::pipe(tube) != 0) {
            return 1;
        }
        const pid_t ecrivain = ::fork();
        if (ecrivain == 0) {
            ::close(tube[0]);
            Ecrire_Sans_Fin(d, tube[1], static_cast<unsigned>(fait));
        }
        ::close(tube[1]);
        std::string recu;
        std::vector<std::string> annonces;
        Lire_Annonces(tube[0], 1 + alea() % 8, recu, annonces);
        volatile unsigned attente = 0; // a random moment within the change in progress
        for (unsigned i = alea() % 4000000; i > 0; --i) {
            attente = i;
        }
        (void)attente;
        ::kill(ecrivain, SIGKILL);
        int statut = 0;
        ::waitpid(ecrivain, &statut, 0);
        Lire_Annonces(tube[0], SIZE_MAX, recu, annonces);
        ::close(tube[0]);
        echecs += !WIFSIGNALED(statut);
        for (std::size_t i = 0; i + 1 < annonces.size(); ++i) {
            actuel[annonces[i][0] == '1'] = annonces[i].substr(2);
        }
        std::string lus[2];
        for (int f = 0; f < 2; ++f) {
            lus[f] = fs.Lire(d / Fichiers[f]).contenu;
            const bool change = !annonces.empty() && annonces.back()[0] == '0' + f;
            const std::string apres = change ? annonces.back().substr(2) : actuel[f];
            const bool debut_de_ligne = change && annonces.back()[1] == 'A' &&
                                        lus[f].starts_with(actuel[f]) && apres.starts_with(lus[f]);
            echecs += lus[f] != actuel[f] && lus[f] != apres && !debut_de_ligne;
        }
        // The next opening: what is left of a torn line goes aside, whole lines stay.
        const auto ecarts = Ecarter_Lignes_Coupees(fs, d, "LOG", "2026-01-01");
        for (int f = 0; f < 2; ++f) {
            actuel[f] = fs.Lire(d / Fichiers[f]).contenu;
            std::string ecartee;
            for (const auto& e : ecarts) {
                ecartee = e.fichier_1252 == Fichiers[f] ? e.octets : ecartee;
            }
            bool entieres = actuel[f] + ecartee == lus[f];
            for (const auto& ligne : Decouper_Lignes(actuel[f])) {
                entieres =
                    entieres && (f == 0 ? ligne.size() == 104 : ligne.size() >= 16 && ligne.size() <= 31);
            }
            echecs += !entieres;
            ecartees += !ecartee.empty();
        }
        if (echecs > 0) {
            std::fprintf(stderr, "kill %ld: a file is neither its old nor its new content in whole lines\n",
                         fait);
        }
    }
    std::filesystem::remove_all(d);
    std::printf("%ld kills, %ld torn lines moved aside, %ld failures\n", fait, ecartees, echecs);
    return echecs == 0 ? 0 : 1;
}
