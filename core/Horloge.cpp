#include "core/Horloge.h"

#include "core/Plateforme.h"

#include <cstdio>
#include <ctime>

namespace Maravel {

namespace {

Moment Depuis_Tm(const std::tm& t) {
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::string Deux_Chiffres(int a, char sep, int b, char sep2, int c) {
    char texte[48];
    std::snprintf(texte, sizeof texte, "%02d%c%02d%c%02d", a, sep, b, sep2, c);
    return texte;
}

} // namespace

Moment Horloge_Systeme::UTC() const {
    const std::time_t maintenant = std::time(nullptr);
    return Depuis_Tm(Plateforme::Heure_UTC(maintenant));
}

Moment Horloge_Systeme::Local() const {
    const std::time_t maintenant = std::time(nullptr);
    return Depuis_Tm(Plateforme::Heure_Locale(maintenant));
}

std::string Texte_Heure(const Moment& m) {
    return Deux_Chiffres(m.heure, ':', m.minute, ':', m.seconde);
}

std::string Texte_Date(const Moment& m) {
    return Deux_Chiffres(m.jour, '/', m.mois, '/', ((m.annee % 100) + 100) % 100);
}

} // namespace Maravel
