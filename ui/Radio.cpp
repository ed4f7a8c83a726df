#include "ui/Radio.h"

#include "core/Radio.h"
#include "ui/Services.h"
#include "ui/Valeurs_Entrantes.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// A stored number, when it is one of those allowed.
std::optional<int> Nombre_Admis(const QString& texte, const std::function<bool(int)>& admis) {
    bool lu = false;
    const int nombre = texte.trimmed().toInt(&lu);
    return lu && admis(nombre) ? std::optional(nombre) : std::nullopt;
}

} // namespace

QString Texte_Etat_Radio(const Lecture_Radio& lecture) {
    if (!lecture.repond) {
        return QStringLiteral("Radio : pas de réponse (%1)").arg(lecture.raison);
    }
    QString texte =
        QStringLiteral("Radio : ") + QString::fromStdString(Maravel::Texte_Frequence(lecture.hertz));
    if (!lecture.mode.isEmpty()) {
        texte += QLatin1Char(' ') + lecture.mode;
    }
    if (!Maravel::Bande_Radio(lecture.hertz)) {
        texte += QStringLiteral(" (hors des bandes connues)");
    }
    return texte;
}

Reglage_Radio Lire_Reglage_Radio(const Reglages& reglages, Messages& messages, const Radio& radio) {
    const auto modele =
        Nombre_Admis(reglages.Lire(QStringLiteral("Radio Modele"), QStringLiteral("0")), [&](int n) {
            return n == 0 || std::any_of(radio.Modeles().begin(), radio.Modeles().end(),
                                         [n](const Modele_Radio& m) { return m.numero == n; });
        });
    if (!modele) {
        messages.Information(
            QStringLiteral("Le réglage \"Radio Modele\" a été ignoré : ce n'est pas le numéro d'un "
                           "modèle de Hamlib. Aucune radio n'est suivie ; choisissez-la dans "
                           "Setup > Radio…"));
        return {};
    }
    if (*modele == 0) {
        return {};
    }
    Reglage_Radio reglage;
    reglage.modele = *modele;
    reglage.port = Admettre_Valeur(reglages.Lire(QStringLiteral("Radio Port")), Longueur_Port_Radio,
                                   QStringLiteral("Le réglage \"Radio Port\""), messages)
                       .trimmed();
    const auto vitesse =
        Nombre_Admis(reglages.Lire(QStringLiteral("Radio Vitesse"), QStringLiteral("0")), [](int n) {
            return std::find(std::begin(Vitesses_Radio), std::end(Vitesses_Radio), n) !=
                   std::end(Vitesses_Radio);
        });
    if (!vitesse) {
        messages.Information(
            QStringLiteral("Le réglage \"Radio Vitesse\" a été ignoré : ce n'est pas une vitesse "
                           "de port série. La radio est suivie à la vitesse de son modèle."));
    }
    reglage.vitesse = vitesse.value_or(0);
    return reglage;
}

void Ecrire_Reglage_Radio(Reglages& reglages, const Reglage_Radio& reglage) {
    reglages.Ecrire(QStringLiteral("Radio Modele"), QString::number(reglage.modele));
    reglages.Ecrire(QStringLiteral("Radio Port"), reglage.port);
    reglages.Ecrire(QStringLiteral("Radio Vitesse"), QString::number(reglage.vitesse));
}
