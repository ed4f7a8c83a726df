#include "ui/Echanges_Adif.h"

#include "core/Adif_Complet.h"
#include "core/Import_Prenoms.h"
#include "ui/Activation_Courante.h"
#include "ui/Services.h"
#include "ui/Sous_Programmes.h"
#include "ui/Valeurs_Entrantes.h"

#include <QFileInfo>

namespace {

const QString Cle_Programme = QStringLiteral("Programme");
constexpr qsizetype Limite_Programme = 12;

// The stored programme, or the one the activity number names; what is confirmed is kept for next time.
std::optional<QString> Demander_Programme(Services& services, QWidget* fenetre, const std::string& numero) {
    QString valeur = Admettre_Valeur(services.reglages.Lire(Cle_Programme), Limite_Programme,
                                     QStringLiteral("Le réglage \"Programme\""), services.messages)
                         .trimmed();
    if (valeur.isEmpty()) {
        valeur = Depuis_1252(Maravel::Programme_Par_Defaut(numero));
    }
    for (;;) {
        const auto tape = services.demandes->Texte(
            fenetre,
            QStringLiteral("Programme de références de l'activité, écrit dans MY_SIG (DMF, DFCF, WWFF…) :"),
            valeur);
        if (!tape) {
            return std::nullopt;
        }
        if (const auto refus = Refus_Valeur_Entrante(*tape, Limite_Programme)) {
            services.messages.Information(QStringLiteral("Programme refusé : ") + *refus +
                                          QStringLiteral(". Corrigez-le."));
            valeur = *tape;
            continue;
        }
        services.reglages.Ecrire(Cle_Programme, tape->trimmed());
        return tape->trimmed();
    }
}

} // namespace

void Demander_Export_Adif_Complet(Services& services, QWidget* fenetre,
                                  const Maravel::ActivationRecord& activation, bool heures_utc) {
    const auto programme = Demander_Programme(services, fenetre, activation.Num_Activite);
    if (!programme) {
        return;
    }
    const auto base = services.demandes->Choix(
        fenetre,
        QStringLiteral(
            "Les heures des QSO de ce log sont-elles en UTC, ou à l'heure locale de cet ordinateur ?\n"
            "Les heures locales seront converties en UTC selon le fuseau horaire de cet "
            "ordinateur, heure d'été comprise."),
        QStringLiteral("UTC"), QStringLiteral("Heure locale"), heures_utc ? 0 : 1);
    if (!base) {
        return;
    }
    const Maravel::Options_Adif_Complet options{Vers_1252(*programme), *base == 1,
                                                Vers_1252(Revision.trimmed()), services.horloge.UTC()};
    services.messages.Information(Depuis_1252(
        Maravel::Exporter_Adif_Complet(services.fichiers, services.dossier, activation, options).Message));
}

void Demander_Import_Prenoms(Services& services, QWidget* fenetre) {
    const auto fichier = services.demandes->Fichier_A_Lire(
        fenetre, QStringLiteral("Importer les prénoms d'un fichier ADIF"),
        QStringLiteral("Fichiers ADIF (*.adi *.adif *.ADI *.ADIF);;Tous les fichiers (*)"));
    if (!fichier) {
        return;
    }
    const auto resultat = Maravel::Importer_Prenoms(services.fichiers, services.dossier,
                                                    std::filesystem::path(fichier->toStdU16String()));
    services.messages.Information(QFileInfo(*fichier).fileName() + QStringLiteral(" :\n") +
                                  Depuis_1252(resultat.Message));
}
