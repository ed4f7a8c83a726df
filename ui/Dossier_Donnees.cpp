#include "ui/Dossier_Donnees.h"

#include "core/Deplacement.h"
#include "ui/Services.h"
#include "ui/Verrou.h"

#include <QDir>
#include <QLockFile>

#include <filesystem>

namespace {

std::filesystem::path Chemin(const QString& dossier) {
    return std::filesystem::path(dossier.toStdU16String());
}

QString Noms(const std::vector<std::filesystem::path>& noms) {
    QStringList textes;
    for (const auto& nom : noms) {
        textes << QStringLiteral("    ") + QString::fromStdU16String(nom.u16string());
    }
    return textes.join(QLatin1Char('\n'));
}

QString Natif(const QString& dossier) {
    return QDir::toNativeSeparators(dossier);
}

QString Resultat(const Maravel::Resultat_Deplacement& resultat, const QString& installation,
                 const QString& donnees) {
    using Issue = Maravel::Resultat_Deplacement::Issue;
    const QString restent =
        QStringLiteral("\n\nLes fichiers restent où ils étaient :\n") + Natif(installation);
    if (resultat.issue == Issue::Conflit) {
        return QStringLiteral("Rien n'a été déplacé : le dossier des données contient déjà, avec un autre "
                              "contenu, des fichiers de même nom :\n") +
               Noms(resultat.fichiers) + QStringLiteral("\nComparez-les et rangez-les à la main.") + restent;
    }
    if (resultat.issue == Issue::Echec) {
        return QStringLiteral("Rien n'a été déplacé : le fichier ") + Noms(resultat.fichiers).trimmed() +
               QStringLiteral(" n'a pas pu être lu, copié ou vérifié dans le dossier des données (disque "
                              "plein, droits ?).") +
               restent;
    }
    QString texte =
        QStringLiteral("Les fichiers de données sont maintenant dans le dossier des données :\n") +
        Natif(donnees);
    if (!resultat.restes.empty()) {
        texte += QStringLiteral("\n\nCes fichiers n'ont pas pu être retirés de l'ancien dossier ; leur copie "
                                "est en place dans le dossier des données, vous pouvez les effacer :\n") +
                 Noms(resultat.restes);
    }
    return texte;
}

} // namespace

bool Sous_Dossier(const QString& dossier, const QStringList& racines, Qt::CaseSensitivity casse) {
    const QString chemin = QDir::cleanPath(QDir::fromNativeSeparators(dossier));
    for (const QString& racine : racines) {
        const QString base = QDir::cleanPath(QDir::fromNativeSeparators(racine));
        if (!racine.isEmpty() &&
            (chemin.compare(base, casse) == 0 || chemin.startsWith(base + QLatin1Char('/'), casse))) {
            return true;
        }
    }
    return false;
}

bool Dossier_Installation(const QString& dossier) {
#ifdef Q_OS_WIN
    return Sous_Dossier(dossier,
                        {qEnvironmentVariable("ProgramFiles"), qEnvironmentVariable("ProgramFiles(x86)"),
                         qEnvironmentVariable("ProgramW6432")},
                        Qt::CaseInsensitive);
#else
    return Sous_Dossier(dossier, {QStringLiteral("/usr"), QStringLiteral("/opt")});
#endif
}

QString Dossier_Par_Defaut(const QString& programme, const QString& utilisateur) {
    // The write test comes after: it must not write into an installation folder either.
    if (!Dossier_Installation(programme) && !Cause_Dossier_Inutilisable(programme)) {
        return programme;
    }
    return utilisateur;
}

void Proposer_Deplacement(Messages& messages, Maravel::Systeme_Fichiers& fichiers,
                          const QString& installation, const QString& donnees) {
    const auto noms = Maravel::Fichiers_De_Donnees(Chemin(installation));
    if (noms.empty()) {
        return;
    }
    const QString trouves =
        QStringLiteral("Des fichiers de données d'une version précédente de Maravel_ON sont "
                       "dans le dossier où le programme est installé :\n") +
        Natif(installation) + QStringLiteral("\n") + Noms(noms) +
        QStringLiteral("\n\nUne mise à jour ou une désinstallation du programme peut les "
                       "effacer.");
    // The old folder's own lock: no copy of an earlier version may be working on these files meanwhile.
    QLockFile verrou(QDir(installation).filePath(QLatin1String(Nom_Verrou)));
    if (!verrou.tryLock(0)) {
        messages.Information(
            trouves +
            (verrou.error() == QLockFile::LockFailedError
                 ? QStringLiteral(" Une autre copie de Maravel_ON travaille sur ce dossier : ils seront "
                                  "proposés au prochain lancement.")
                 : QStringLiteral(" Ce compte n'a pas le droit de les déplacer : lancez Maravel_ON avec le "
                                  "compte qui les a créés (administrateur), ou déplacez-les à la main dans "
                                  "le dossier des données :\n") +
                       Natif(donnees)));
        return;
    }
    if (!messages.Question(trouves +
                           QStringLiteral("\n\nVoulez-vous les déplacer dans le dossier des données "
                                          "?\n") +
                           Natif(donnees) +
                           QStringLiteral("\n(chaque fichier est copié et vérifié avant d'être retiré de "
                                          "l'ancien dossier ; sinon, la question sera posée au prochain "
                                          "lancement)"))) {
        return;
    }
    messages.Information(
        Resultat(Maravel::Deplacer_Fichiers(fichiers, Chemin(installation), Chemin(donnees), noms),
                 installation, donnees));
}
