// Maravel_ON: command line, data folder, single-instance lock, services, then the set-up window.

#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "ui/Horloge_Douteuse.h"
#include "ui/Impression.h"
#include "ui/Reseau.h"
#include "ui/Services.h"
#include "ui/Setup.h"
#include "ui/Verrou.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// The program's own folder when it is writable (a portable install), else the per-user data folder.
QString Dossier_Par_Defaut() {
    const QString programme = QCoreApplication::applicationDirPath();
    if (!Cause_Dossier_Inutilisable(programme)) {
        return programme;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maravel_ON"));
    QApplication::setApplicationVersion(Revision.trimmed());
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.maravel.Maravel_ON"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "Assistant de log pour les activations radioamateurs (châteaux et sites référencés)."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption option_dossier(
        {QStringLiteral("d"), QStringLiteral("dossier")},
        QStringLiteral("Dossier des données (listes, logs, exports). Par défaut : le dossier du programme "
                       "s'il est inscriptible, sinon le dossier de données de l'utilisateur."),
        QStringLiteral("chemin"));
    options.addOption(option_dossier);
    options.process(application);

    Messages_Qt messages;
    const QString dossier =
        QDir(options.isSet(option_dossier) ? options.value(option_dossier) : Dossier_Par_Defaut())
            .absolutePath();
    const auto verrou = Prendre_Verrou(messages, dossier);
    if (!verrou) {
        return 1;
    }

    Reglages reglages;
    reglages.Signaler_Echecs(messages);
    Maravel::Horloge_Systeme horloge;
    Maravel::Systeme_Fichiers_Reel fichiers;
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

    Sauvegarde_Au_Demarrage(services);
    Setup setup(services);
    setup.Demarrer();
    Verifier_Date_Ordinateur(services);
    return QApplication::exec();
}
