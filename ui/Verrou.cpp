#include "ui/Verrou.h"

#include "ui/Services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

std::filesystem::path Chemin(const QString& texte) {
    return std::filesystem::path(texte.toStdU16String());
}

QString Natif(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

struct Cause_Connue {
    std::errc code;
    const char* texte; // UTF-8
};

const std::array<Cause_Connue, 9> Causes{{
    {std::errc::permission_denied, "vous n'avez pas le droit d'y écrire"},
    {std::errc::operation_not_permitted, "vous n'avez pas le droit d'y écrire"},
    {std::errc::read_only_file_system, "le disque est en lecture seule (protégé en écriture)"},
    {std::errc::no_space_on_device, "le disque est plein"},
    {std::errc::filename_too_long, "le chemin est trop long"},
    {std::errc::not_a_directory, "un fichier porte le nom de ce dossier ou d'un dossier qui le contient"},
    {std::errc::no_such_file_or_directory, "le disque ou le dossier parent n'existe pas"},
    {std::errc::directory_not_empty, "un dossier porte ce nom"},
    {std::errc::io_error, "le disque ne répond pas (clé USB retirée ?)"},
}};

// A file written, flushed and removed: creating an empty file can succeed on a full disk.
std::optional<QString> Essai_Ecriture(const std::filesystem::path& dossier) {
    const auto essai = dossier / ("Maravel_ON.essai_" + std::to_string(QCoreApplication::applicationPid()));
    errno = 0;
#ifdef _WIN32
    std::FILE* fichier = _wfopen(essai.c_str(), L"wb");
#else
    std::FILE* fichier = std::fopen(essai.c_str(), "wb");
#endif
    if (fichier == nullptr) {
        return Cause_Echec_Ecriture(std::error_code(errno, std::generic_category()));
    }
    constexpr char ligne[] = "essai\r\n";
    bool ecrit =
        std::fwrite(ligne, 1, sizeof ligne - 1, fichier) == sizeof ligne - 1 && std::fflush(fichier) == 0;
    int erreur = ecrit ? 0 : errno;
    if (std::fclose(fichier) != 0 && ecrit) {
        ecrit = false;
        erreur = errno;
    }
    std::error_code ignore;
    std::filesystem::remove(essai, ignore);
    if (!ecrit) {
        return Cause_Echec_Ecriture(std::error_code(erreur, std::generic_category()));
    }
    return std::nullopt;
}

struct Verrou_Abandonne {
    QString raison;
    QString ordinateur;
    QString depuis;
};

// Qt's own judgement of the owner (process gone, or its number now worn by another program), made on a
// copy so that the real lock stays untouched until the operator agrees. When no copy can be made, the
// owner counts as present and the real attempt decides alone.
bool Proprietaire_Disparu(const QString& chemin) {
    QTemporaryDir essai;
    const QString copie = essai.filePath(QString::fromLatin1(Nom_Verrou));
    if (!essai.isValid() || !QFile::copy(chemin, copie)) {
        return false;
    }
    QLockFile verrou(copie);
    verrou.setStaleLockTime(0);
    return verrou.tryLock(0);
}

std::optional<Verrou_Abandonne> Examiner(QLockFile& verrou, const QString& chemin) {
    const QFileInfo fichier(chemin);
    if (!fichier.exists() && !fichier.isSymLink()) {
        return std::nullopt;
    }
    const QDateTime pose = fichier.lastModified();
    const QString depuis =
        pose.isValid() ? pose.toString(QStringLiteral("dd/MM/yyyy à hh:mm")) : QStringLiteral("inconnue");
    qint64 pid = 0;
    QString ordinateur;
    QString programme;
    if (!verrou.getLockInfo(&pid, &ordinateur, &programme)) {
        return Verrou_Abandonne{QStringLiteral("Le fichier du verrou est vide ou illisible."),
                                QStringLiteral("inconnu"), depuis};
    }
    // Qt reads a lock without computer name as one of this computer.
    if (!ordinateur.isEmpty() && ordinateur != QSysInfo::machineHostName()) {
        return Verrou_Abandonne{QStringLiteral("Il a été posé par un autre ordinateur : vérifiez que "
                                               "Maravel_ON n'y est plus ouvert sur ce dossier."),
                                ordinateur, depuis};
    }
    if (Proprietaire_Disparu(chemin)) {
        return Verrou_Abandonne{
            QStringLiteral("Le programme qui l'a posé sur cet ordinateur n'est plus en marche."),
            QSysInfo::machineHostName(), depuis};
    }
    return std::nullopt;
}

QString Question_Reprise(const QString& dossier, const Verrou_Abandonne& abandon) {
    return QStringLiteral("Le dossier des données porte le verrou d'une session de Maravel_ON qui ne semble "
                          "plus ouverte :\n") +
           Natif(dossier) + QStringLiteral("\n") + abandon.raison + QStringLiteral("\nOrdinateur : ") +
           abandon.ordinateur + QStringLiteral("\nVerrou posé le : ") + abandon.depuis +
           QStringLiteral("\nVoulez-vous reprendre ce dossier ?");
}

} // namespace

QString Cause_Echec_Ecriture(std::error_code erreur) {
    const std::error_condition condition = erreur.default_error_condition();
    for (const auto& cause : Causes) {
        if (condition == cause.code) {
            return QString::fromUtf8(cause.texte);
        }
    }
#ifdef EDQUOT
    if (condition == std::error_condition(EDQUOT, std::generic_category())) {
        return QStringLiteral("votre quota d'espace disque est atteint");
    }
#endif
    return QStringLiteral("erreur du système : ") + QString::fromLocal8Bit(erreur.message());
}

std::optional<QString> Cause_Dossier_Inutilisable(const QString& dossier) {
    std::error_code erreur;
    std::filesystem::create_directories(Chemin(dossier), erreur);
    if (erreur) {
        return Cause_Echec_Ecriture(erreur);
    }
    return Essai_Ecriture(Chemin(dossier));
}

std::unique_ptr<QLockFile> Prendre_Verrou(Messages& messages, const QString& dossier) {
    if (const auto cause = Cause_Dossier_Inutilisable(dossier)) {
        messages.Information(QStringLiteral("Le dossier des données ne peut pas être utilisé :\n") +
                             Natif(dossier) + QStringLiteral("\n") + *cause + QStringLiteral("."));
        return nullptr;
    }
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(Nom_Verrou));
    auto verrou = std::make_unique<QLockFile>(chemin);
    // Never judged stale by its age alone: a live session can run for days.
    verrou->setStaleLockTime(0);
    if (const auto abandon = Examiner(*verrou, chemin)) {
        if (!messages.Question(Question_Reprise(dossier, *abandon))) {
            return nullptr;
        }
        std::error_code erreur;
        std::filesystem::remove(Chemin(chemin), erreur);
        if (erreur) {
            messages.Information(QStringLiteral("Le verrou abandonné ne peut pas être retiré :\n") +
                                 Natif(chemin) + QStringLiteral("\n") + Cause_Echec_Ecriture(erreur) +
                                 QStringLiteral("."));
            return nullptr;
        }
    }
    if (verrou->tryLock(0)) {
        return verrou;
    }
    if (verrou->error() == QLockFile::LockFailedError) {
        messages.Information(QStringLiteral("Maravel_ON est déjà ouvert sur ce dossier :\n") +
                             Natif(dossier) + QStringLiteral("\nUtilisez la fenêtre déjà ouverte."));
        return nullptr;
    }
    const QString cause =
        Cause_Dossier_Inutilisable(dossier).value_or(QStringLiteral("le système refuse de le créer"));
    messages.Information(QStringLiteral("Le verrou du dossier des données ne peut pas être pris :\n") +
                         Natif(chemin) + QStringLiteral("\n") + cause + QStringLiteral("."));
    return nullptr;
}
