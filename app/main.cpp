// Maravel_ON: command line, data folder, single-instance lock, services, then the set-up window.

#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "ui/Bureau.h"
#include "ui/Dossier_Donnees.h"
#include "ui/Horloge_Douteuse.h"
#include "ui/Impression.h"
#include "ui/Reseau.h"
#include "ui/Services.h"
#include "ui/Setup.h"
#include "ui/Verrou.h"
#ifdef MARAVEL_HAMLIB
#include "radio/Radio_Hamlib.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// The options, described in the toolkit's language once its translations are loaded.
struct Ligne_De_Commande {
    QCommandLineParser options;
    QCommandLineOption aide = options.addHelpOption();
    QCommandLineOption version = options.addVersionOption();
    QCommandLineOption dossier{
        {QStringLiteral("d"), QStringLiteral("dossier")},
        QStringLiteral("Dossier des données (listes, logs, exports). Par défaut : le "
                       "dossier du programme quand il n'est pas installé et qu'on peut "
                       "y écrire, sinon le dossier de données de l'utilisateur."),
        QStringLiteral("chemin")};
    Ligne_De_Commande() {
        options.setApplicationDescription(QStringLiteral(
            "Assistant de log pour les activations radioamateurs (châteaux et sites référencés)."));
        options.addOption(dossier);
    }
};

// --help and --version answer on the terminal, where no display may be. Anything else waits for the
// windowing toolkit, which takes its own options (-platform, -style...) out first.
bool Pour_La_Console(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    Ligne_De_Commande ligne;
    return ligne.options.parse(arguments) &&
           (ligne.options.isSet(ligne.aide) || ligne.options.isSet(ligne.version));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Maravel_ON"));
    QCoreApplication::setApplicationVersion(Revision.trimmed());
    if (Pour_La_Console(argc, argv)) {
        QCoreApplication console(argc, argv);
        Charger_Traductions_Qt(console);
        Ligne_De_Commande().options.process(console); // prints, then ends the program
    }

    QApplication application(argc, argv);
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.maravel.Maravel_ON"));
    QApplication::setWindowIcon(Icone_Programme());
    Charger_Traductions_Qt(application);
    Ligne_De_Commande ligne;
    ligne.options.process(application);

    Messages_Qt messages;
    Maravel::Systeme_Fichiers_Reel fichiers;
    const QString programme = QCoreApplication::applicationDirPath();
    const QString dossier =
        QDir(ligne.options.isSet(ligne.dossier)
                 ? ligne.options.value(ligne.dossier)
                 : Dossier_Par_Defaut(programme,
                                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)))
            .absolutePath();
    const auto verrou = Prendre_Verrou(messages, dossier);
    if (!verrou) {
        return 1;
    }
    if (Dossier_Installation(programme) && QDir(dossier) != QDir(programme)) {
        Proposer_Deplacement(messages, fichiers, programme, dossier);
    }

    Reglages reglages;
    reglages.Signaler_Echecs(messages);
    Maravel::Horloge_Systeme horloge;
    Impression_Qt impression;
    Reseau_Qt reseau;
    Services services{messages,
                      reglages,
                      horloge,
                      fichiers,
                      std::filesystem::path(dossier.toStdU16String()),
                      [] { QCoreApplication::quit(); },
                      impression};
    services.reseau = &reseau;
    services.date_construction = QDate::fromString(QStringLiteral(MARAVEL_DATE_CONSTRUCTION), Qt::ISODate);
    services.site = QUrl(QStringLiteral(MARAVEL_SITE));

#ifdef MARAVEL_HAMLIB
    // Before the windows, so that it outlives them and closes the radio's port when the program ends.
    Radio_Hamlib radio;
    services.radio = &radio;
#endif

    Sauvegarde_Au_Demarrage(services);
    Setup setup(services);
    setup.Demarrer();
    Verifier_Date_Ordinateur(services);
    return QApplication::exec();
}
