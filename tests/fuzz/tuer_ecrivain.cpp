// Kills a program that appends, replaces, deletes and inserts QSOs and updates the first-name memory, with
// SIGKILL at random moments. After each kill every file must hold its old or its new bytes, or, for an
// append, the old bytes and the start of the new line; the next opening must then move that start aside.
// Usage: tuer_ecrivain [kills] [seconds] [folder in which to make the data folder]

#include "core/Journal.h"
#include "core/Lignes_Coupees.h"
#include "core/Prenoms.h"
#include "core/Qso.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace Maravel;

namespace {

const char* const Fichiers[] = {"LOG.txt", "Liste_Prenom.txt"};
const std::size_t Longueurs_Mini[] = {104, 16};

// Sent by the writer before each change: which file, whether it is an append, and its bytes afterwards.
struct Annonce {
    char fichier = 0;
    char ajout = 0;
    std::string apres;
};

void Envoyer(int tube, const Annonce& annonce) {
    const std::uint32_t taille = static_cast<std::uint32_t>(annonce.apres.size());
    std::string message{annonce.fichier, annonce.ajout};
    message.append(reinterpret_cast<const char*>(&taille), sizeof taille).append(annonce.apres);
    for (std::size_t fait = 0; fait < message.size();) {
        const auto n = ::write(tube, message.data() + fait, message.size() - fait);
        if (n <= 0) {
            std::_Exit(3);
        }
        fait += static_cast<std::size_t>(n);
    }
}

[[noreturn]] void Ecrire_Sans_Fin(const std::filesystem::path& d, int tube, unsigned graine) {
    Systeme_Fichiers_Reel fs;
    Journal journal(fs, d, "LOG");
    auto log = journal.Lire().lignes;
    auto memoire = Lire_Lignes(fs, d / Fichiers[1]).lignes;
    std::mt19937 alea(graine);
    for (unsigned n = 0;; ++n) {
        const auto de = [&](unsigned faces) { return static_cast<std::size_t>(alea() % faces); };
        const std::string date = "0" + std::to_string(1 + de(3)) + "/03/24",
                          heure = std::to_string(10 + de(9));
        const auto qso =
            Ligne_Qso({date, heure + ":" + std::to_string(10 + de(50)), "F" + std::to_string(de(40)), "75",
                       "PAUL", "59", "59", "SSB", "7", std::to_string(graine) + "-" + std::to_string(n)});
        const std::size_t choix = log.size() > 60 ? 2 : de(6), k = log.empty() ? 0 : de(log.size());
        bool fait = true;
        if (choix == 0) { // first-name memory: replace the callsign's lines, or append one
            const auto ligne =
                Ligne_Prenom("F" + std::to_string(de(40)), std::to_string(de(99)), "NOM" + std::to_string(n));
            bool connu = false;
            for (auto& l : memoire) {
                if (l.compare(0, 12, ligne, 0, 12) == 0) {
                    l = ligne, connu = true;
                }
            }
            if (!connu) {
                memoire.push_back(ligne);
            }
            Envoyer(tube, {1, !connu, Joindre_Lignes(memoire)});
            fait = Ajout_Prenom(fs, d, ligne);
        } else if (choix == 1 && !log.empty()) {
            const std::string ancienne = log[k];
            log[k] = *qso;
            Envoyer(tube, {0, 0, Joindre_Lignes(log)});
            fait = journal.Remplacer(k + 1, ancienne, *qso) == Resultat_Journal::Fait;
        } else if (choix == 2 && !log.empty()) {
            const std::string ancienne = log[k];
            log.erase(log.begin() + static_cast<std::ptrdiff_t>(k));
            Envoyer(tube, {0, 0, Joindre_Lignes(log)});
            fait = journal.Effacer(k + 1, ancienne) == Resultat_Journal::Fait;
        } else if (choix == 3) {
            log = Insere_Ligne_Chrono(log, *qso);
            Envoyer(tube, {0, 0, Joindre_Lignes(log)});
            fait = journal.Inserer_Chrono(*qso) == Resultat_Journal::Fait;
        } else {
            log.push_back(*qso);
            Envoyer(tube, {0, 1, Joindre_Lignes(log)});
            fait = journal.Ajouter(*qso);
        }
        if (!fait) {
            std::_Exit(2);
        }
    }
}

std::vector<Annonce> Lire_Annonces(int tube, std::size_t combien, std::string& reste) {
    std::vector<Annonce> annonces;
    char bloc[1 << 16];
    while (annonces.size() < combien) {
        std::uint32_t taille = 0;
        if (reste.size() >= 6) {
            std::memcpy(&taille, reste.data() + 2, sizeof taille);
            if (reste.size() >= 6 + taille) {
                annonces.push_back({reste[0], reste[1], reste.substr(6, taille)});
                reste.erase(0, 6 + taille);
                continue;
            }
        }
        const auto n = ::read(tube, bloc, sizeof bloc);
        if (n <= 0) {
            break; // a message cut by the kill was never followed by its change
        }
        reste.append(bloc, static_cast<std::size_t>(n));
    }
    return annonces;
}

} // namespace

int main(int argc, char** argv) {
    const long kills = argc > 1 ? std::atol(argv[1]) : 300;
    const auto limite =
        std::chrono::steady_clock::now() + std::chrono::seconds(argc > 2 ? std::atol(argv[2]) : 10);
    const std::filesystem::path racine = argc > 3 ? argv[3] : std::filesystem::temp_directory_path();
    const auto d = racine / ("maravel_kill_" + std::to_string(::getpid()));
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
        std::string reste;
        auto annonces = Lire_Annonces(tube[0], 1 + alea() % 8, reste);
        volatile unsigned attente = 0; // a random moment within the change in progress
        for (unsigned i = alea() % 4000000; i > 0; --i) {
            attente = i;
        }
        (void)attente;
        ::kill(ecrivain, SIGKILL);
        int statut = 0;
        ::waitpid(ecrivain, &statut, 0);
        const auto suite = Lire_Annonces(tube[0], SIZE_MAX, reste);
        ::close(tube[0]);
        annonces.insert(annonces.end(), suite.begin(), suite.end());
        if (!WIFSIGNALED(statut)) {
            std::fprintf(stderr, "kill %ld: the writer stopped by itself (%d)\n", fait, statut);
            ++echecs;
        }
        for (std::size_t i = 0; i + 1 < annonces.size(); ++i) {
            actuel[static_cast<int>(annonces[i].fichier)] = annonces[i].apres;
        }
        const Annonce* derniere = annonces.empty() ? nullptr : &annonces.back();
        std::string lus[2];
        for (int f = 0; f < 2; ++f) {
            lus[f] = fs.Lire(d / Fichiers[f]).contenu;
            const bool change = derniere != nullptr && derniere->fichier == f;
            const bool commence = change && derniere->ajout && lus[f].starts_with(actuel[f]) &&
                                  derniere->apres.starts_with(lus[f]);
            if (lus[f] != actuel[f] && !(change && lus[f] == derniere->apres) && !commence) {
                std::fprintf(stderr, "kill %ld: %s is neither its old nor its new content\n", fait,
                             Fichiers[f]);
                ++echecs;
            }
        }
        // The next opening: the start of a line torn by the kill goes aside, whole lines stay.
        const auto ecarts = Ecarter_Lignes_Coupees(fs, d, "LOG", "2026-01-01");
        for (int f = 0; f < 2; ++f) {
            const auto fin = lus[f].rfind('\n');
            std::string coupee = lus[f].substr(fin == std::string::npos ? 0 : fin + 1), ecartee;
            if (coupee.empty() || coupee.back() == '\r' || coupee.size() >= Longueurs_Mini[f]) {
                coupee.clear();
            }
            for (const auto& e : ecarts) {
                ecartee = e.fichier_1252 == Fichiers[f] ? e.octets : ecartee;
            }
            actuel[f] = fs.Lire(d / Fichiers[f]).contenu;
            bool entieres = ecartee == coupee && actuel[f] == lus[f].substr(0, lus[f].size() - coupee.size());
            for (const auto& ligne : Decouper_Lignes(actuel[f])) {
                entieres =
                    entieres && (f == 0 ? ligne.size() == 104 : ligne.size() >= 16 && ligne.size() <= 31);
            }
            if (!entieres) {
                std::fprintf(stderr, "kill %ld: %s not recovered in whole lines\n", fait, Fichiers[f]);
                ++echecs;
            }
            ecartees += !coupee.empty();
        }
    }
    std::filesystem::remove_all(d);
    std::printf("%ld kills, %ld torn lines moved aside, %ld failures\n", fait, ecartees, echecs);
    return echecs == 0 ? 0 : 1;
}
