#pragma once
// The clock that stamps live QSOs: UTC and local time, each read at once.

#include <string>

namespace Maravel {

struct Moment {
    int annee = 0;
    int mois = 0;
    int jour = 0;
    int heure = 0;
    int minute = 0;
    int seconde = 0;
};

class Horloge {
public:
    virtual ~Horloge() = default;
    virtual Moment UTC() const = 0;
    virtual Moment Local() const = 0;
};

class Horloge_Systeme final : public Horloge {
public:
    Moment UTC() const override;
    Moment Local() const override;
};

// "hh:mm:ss" and "jj/mm/aa".
std::string Texte_Heure(const Moment& m);
std::string Texte_Date(const Moment& m);

} // namespace Maravel
