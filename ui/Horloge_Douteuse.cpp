#include "ui/Horloge_Douteuse.h"

#include "ui/Services.h"

#include <QDate>
#include <QTime>

void Verifier_Date_Ordinateur(Services& services) {
    if (services.horloge_signalee || !services.date_construction.isValid()) {
        return;
    }
    // UTC against a build date taken in UTC: no zone can make a right clock look early.
    const auto utc = services.horloge.UTC();
    if (QDate(utc.annee, utc.mois, utc.jour) >= services.date_construction) {
        return;
    }
    services.horloge_signalee = true;
    const auto local = services.horloge.Local();
    services.messages.Information(
        QStringLiteral("La date de l'ordinateur semble fausse : il indique le %1 à %2 (heure locale), avant "
                       "même la création de ce programme (le %3).\nChaque QSO prend sa date et son heure de "
                       "cette horloge : corrigez la date et l'heure de l'ordinateur.")
            .arg(QDate(local.annee, local.mois, local.jour).toString(QStringLiteral("dd/MM/yyyy")),
                 QTime(local.heure, local.minute).toString(QStringLiteral("hh:mm")),
                 services.date_construction.toString(QStringLiteral("dd/MM/yyyy"))));
}
