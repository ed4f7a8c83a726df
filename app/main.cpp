// Maravel_ON: command line, data folder, single-instance lock, services, then the set-up window.

#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "ui/Impression.h"
#include "ui/Services.h"
#include "ui/Setup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

namespace {

bool Dossier_Inscriptible(const QString& chemin) {
    QTemporaryFile essai(QDir(chemin).filePath(QStringLiteral("essai_XXXXXX")));
    return essai.open();
}

// The program's own folder when it is writable (a portable install), else the per-user data folder.
QString Dossier_Par_Defaut() {
    const QString programme = QCoreApplication::applicationDirPath();
    if (Dossier_Inscriptible(programme)) {
        return programme;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Maravel_ON"));
    QApplication::setApplicationVersion(Revision.trimmed());

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
    if (!QDir().mkpath(dossier) || !Dossier_Inscriptible(dossier)) {
        messages.Information(QStringLiteral("Le dossier des données ne peut pas être utilisé : ") +
                             QDir::toNativeSeparators(dossier));
        return 1;
    }

    // Two copies on one folder would each rewrite the files behind the other's back.
    QLockFile verrou(QDir(dossier).filePath(QStringLiteral("Maravel_ON.verrou")));
    verrou.setStaleLockTime(0);
    if (!verrou.tryLock(0)) {
        messages.Information(QStringLiteral("Maravel_ON est déjà ouvert sur ce dossier :\n") +
                             QDir::toNativeSeparators(dossier) +
                             QStringLiteral("\nUtilisez la fenêtre déjà ouverte."));
        return 1;
    }

    Reglages reglages;
    Maravel::Horloge_Systeme horloge;
    Maravel::Systeme_Fichiers_Reel fichiers;
    Impression_Qt impression;
    Services services{
        messages, reglages, horloge, fichiers, std::filesystem::path(dossier.toStdU16String()),
        [] { QCoreApplication::quit(); }, impression};

    Setup setup(services);
    setup.Demarrer();
    return QApplication::exec();
}
