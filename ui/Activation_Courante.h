#pragma once
// The activation as the set-up window's fields hold it: the entry window copies it when it opens (and
// when "Saisie des QSO" is pressed again), never reads it from the store, and logs into that copy.

#include <QString>

struct Activation_Affichee {
    QString Activeur;
    QString Logger;
    QString Num_Activite;
    QString Nom_Activite;
    QString Num_CP;
    QString Nom_Commune;
    QString Type_Activite;
    QString Date_Activite;

    bool operator==(const Activation_Affichee&) const = default;
};

class Source_Activation {
public:
    virtual ~Source_Activation() = default;
    virtual Activation_Affichee Activation() const = 0;
};

inline const QString Revision = QStringLiteral(" 1.0.0");
inline const QString Historique = QStringLiteral("V1.0.0   le 09/04/2012 création à patir de Maravel\r\n");
