#include "ui/Valeurs_Entrantes.h"

#include "core/Texte1252.h"
#include "ui/Services.h"
#include "ui/Sous_Programmes.h"

#include <algorithm>

namespace {

// C0, DEL and C1: the C1 range holds the five bytes Windows-1252 leaves undefined.
bool Controle(char16_t unite) {
    return unite < 0x20 || (unite >= 0x7F && unite <= 0x9F);
}

// Field lengths are measured without the blanks around the text, as on Enter.
qsizetype Longueur_Sans_Blancs(const QString& valeur) {
    const auto premier = std::find_if(valeur.cbegin(), valeur.cend(), [](QChar c) { return c != u' '; });
    const auto dernier = std::find_if(valeur.crbegin(), valeur.crend(), [](QChar c) { return c != u' '; });
    return premier == valeur.cend() ? 0 : dernier.base() - premier;
}

std::optional<QString> Refus_Caracteres(const QString& valeur) {
    if (std::any_of(valeur.cbegin(), valeur.cend(), [](QChar c) { return Controle(c.unicode()); })) {
        return QStringLiteral("il contient un caractère de contrôle (retour à la ligne, tabulation…)");
    }
    if (!std::all_of(valeur.cbegin(), valeur.cend(),
                     [](QChar c) { return Maravel::Caractere_Admis(c.unicode()); })) {
        return QStringLiteral("il contient un caractère que les fichiers Windows-1252 ne peuvent pas garder");
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> Refus_Valeur_Entrante(const QString& valeur, qsizetype limite) {
    if (auto refus = Refus_Caracteres(valeur)) {
        return refus;
    }
    if (Longueur_Sans_Blancs(valeur) > limite) {
        return QStringLiteral("il dépasse %1 caractères").arg(limite);
    }
    return std::nullopt;
}

// The field's own limit and the number's file-name rule live in core, which reads bytes.
std::optional<QString> Refus_Champ_Setup(Maravel::Champ_Setup champ, const QString& valeur) {
    if (auto refus = Refus_Caracteres(valeur)) {
        return refus;
    }
    if (const auto refus = Maravel::Refus_Avant_Enregistrement(champ, Vers_1252(valeur))) {
        return Depuis_1252(*refus);
    }
    return std::nullopt;
}

namespace {

QString Admettre(const QString& valeur, const std::optional<QString>& refus, const QString& origine,
                 Messages& messages) {
    if (!refus) {
        return valeur;
    }
    // A refusal that ends its own sentence gets no second full stop.
    messages.Information(origine + QStringLiteral(" a été ignoré : ") + *refus +
                         (refus->endsWith(u'.') ? QString() : QStringLiteral(".")) +
                         QStringLiteral(" Le champ reste vide."));
    return {};
}

} // namespace

QString Admettre_Valeur(const QString& valeur, qsizetype limite, const QString& origine, Messages& messages) {
    return Admettre(valeur, Refus_Valeur_Entrante(valeur, limite), origine, messages);
}

QString Admettre_Dans_Setup(Maravel::Champ_Setup champ, const QString& valeur, const QString& origine,
                            Messages& messages) {
    return Admettre(valeur, Refus_Champ_Setup(champ, valeur), origine, messages);
}
