// A writer that appends, replaces, deletes and inserts QSOs and updates the first-name memory is killed
// with SIGKILL at random moments. After each kill the files are those left by some number of its changes,
// the next one not begun or done (an append may have left the start of its line), and the next opening
// moves such a start aside, leaving whole lines.
// Usage: tuer_ecrivain [kills] [seconds] [folder for the data folder]

#include "core/Journal.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"
#include "core/Qso.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace Maravel;

namespace {

const char* const Fichiers[] = {"LOG.txt", "Liste_Prenom.txt"};

// What the writer does next: 0 memory, 1 replace, 2 delete, 3 insert, 4 append (line k counted from 0).
struct Changement {
    int choix;
    std::size_t k;
    std::string ancienne, ligne;
    bool ajout = false;
};

// The lines each file should hold, and the writer's draws: the parent replays them to know every state.
struct Modele {
    std::vector<std::string> fichiers[2];
    std::mt19937 alea;
    unsigned n = 0;

    Changement Suivant() {
        auto& log = fichiers[0];
        const auto qso = *Ligne_Qso(
            {"0" + std::to_string(1 + alea() % 3) + "/03/24",
             std::to_string(10 + alea() % 14) + ":" + std::to_string(10 + alea() % 50),
             "F" + std::to_string(alea() % 40), "75", "PAUL", "59", "59", "SSB", "7", std::to_string(n++)});
        Changement c{log.size() > 60 ? 2 : static_cast<int>(alea() % 6), alea() % (log.size() + 1), "", qso};
        c.choix = c.choix == 5 || (c.choix <= 2 && c.choix > 0 && c.k == log.size()) ? 4 : c.choix;
        c.ancienne = c.k < log.size() ? log[c.k] : "";
        if (c.choix == 0) {
            c.ligne = Ligne_Prenom("F" + std::to_string(alea() % 40), "75", "NOM" + std::to_string(n));
            const auto meme = [&c](const std::string& l) { return l.starts_with(c.ligne.substr(0, 12)); };
            c.ajout = !std::ranges::any_of(fichiers[1], meme);
            std::ranges::replace_if(fichiers[1], meme, c.ligne);
            if (c.ajout) {
                fichiers[1].push_back(c.ligne);
            }
        } else if (c.choix == 1) {
            log[c.k] = qso;
        } else if (c.choix == 2) {
            log.erase(log.begin() + static_cast<std::ptrdiff_t>(c.k));
        } else if (c.choix == 3) {
            log = Insere_Ligne_Chrono(log, qso);
        } else {
            log.push_back(qso);
            c.ajout = true;
        }
        return c;
    }
};

// A byte is sent before each change, so that the parent can let a few begin before the kill.
[[noreturn]] void Ecrire_Sans_Fin(const std::filesystem::path& d, Modele modele, int tube) {
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, d, "LOG");
    const auto fait = [](Resultat_Journal r) { return r == Resultat_Journal::Fait; };
    for (;;) {
        const auto c = modele.Suivant();
        if (::write(tube, "-", 1) != 1) {
            std::_Exit(3);
        }
        const bool reussi = c.choix == 0   ? Ajout_Prenom(fs, d, c.ligne)
                            : c.choix == 1 ? fait(journal.Remplacer(c.k + 1, c.ancienne, c.ligne))
                            : c.choix == 2 ? fait(journal.Effacer(c.k + 1, c.ancienne))
                            : c.choix == 3 ? fait(journal.Inserer_Chrono(c.ligne))
                                           : journal.Ajouter(c.ligne);
        if (!reussi) {
            std::_Exit(2);
        }
    }
}

// Whether the files read are the model's after some number of changes, the next one possibly under way.
bool Etat_Du_Modele(Modele modele, const std::string (&lus)[2]) {
    for (int pas = 0; pas < 100000; ++pas) {
        const std::string avant[2] = {Joindre_Lignes(modele.fichiers[0]), Joindre_Lignes(modele.fichiers[1])};
        const auto c = modele.Suivant();
        const int f = c.choix == 0;
        const auto apres = Joindre_Lignes(modele.fichiers[f]);
        const bool debut_de_ligne = c.ajout && lus[f].starts_with(avant[f]) && apres.starts_with(lus[f]);
        if (lus[1 - f] == avant[1 - f] && (lus[f] == avant[f] || lus[f] == apres || debut_de_ligne)) {
            return true;
        }
    }
    return false;
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
    std::mt19937 alea(12345);
    long fait = 0, ecartees = 0, echecs = 0;
    for (; fait < kills && std::chrono::steady_clock::now() < limite && echecs == 0; ++fait) {
        const Modele modele{
            {Lire_Lignes(fs, d / Fichiers[0]).lignes, Lire_Lignes(fs, d / Fichiers[1]).lignes},
            std::mt19937(static_cast<unsigned>(fait))};
        int tube[2];
        if (::pipe(tube) != 0) {
            return 1;
        }
        const pid_t ecrivain = ::fork();
        if (ecrivain == 0) {
            ::close(tube[0]);
            Ecrire_Sans_Fin(d, modele, tube[1]);
        }
        ::close(tube[1]);
        char octet = 0;
        for (auto debuts = 1 + alea() % 8; debuts > 0 && ::read(tube[0], &octet, 1) == 1; --debuts) {
        }
        volatile unsigned attente = 0; // a random moment within the change in progress
        for (unsigned i = alea() % 4000000; i > 0; --i) {
            attente = i;
        }
        (void)attente;
        ::kill(ecrivain, SIGKILL);
        int statut = 0;
        ::waitpid(ecrivain, &statut, 0);
        ::close(tube[0]);
        const std::string lus[2] = {fs.Lire(d / Fichiers[0]).contenu, fs.Lire(d / Fichiers[1]).contenu};
        echecs += !WIFSIGNALED(statut) || !Etat_Du_Modele(modele, lus);
        // The next opening: what is left of a torn line goes aside, whole lines stay.
        const auto ecarts = Ecarter_Lignes_Coupees(fs, d, "LOG", "2026-01-01");
        for (int f = 0; f < 2; ++f) {
            const auto actuel = fs.Lire(d / Fichiers[f]).contenu;
            std::string ecartee;
            for (const auto& e : ecarts) {
                ecartee = e.fichier_1252 == Fichiers[f] ? e.octets : ecartee;
            }
            bool entieres = actuel + ecartee == lus[f];
            for (const auto& ligne : Decouper_Lignes(actuel)) {
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
