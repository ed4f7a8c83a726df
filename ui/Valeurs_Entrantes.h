#pragma once
// Values the program puts into fields itself, from the settings store or a data file: they meet the
// rules of a typed value, so that an outside edit can never carry a line break or a NUL into a file.

#include "core/Activation.h"

#include <QString>

#include <optional>

class Messages;

// Why the value cannot stand in a field of at most `limite` characters (blanks around it not counted):
// a control character, a character Windows-1252 cannot hold, or its length. Nothing when it can.
std::optional<QString> Refus_Valeur_Entrante(const QString& valeur, qsizetype limite);

// The same for a set-up field, with that field's own limit and, for the number, the file-name rule.
std::optional<QString> Refus_Champ_Setup(Maravel::Champ_Setup champ, const QString& valeur);

// The value when a field of at most `limite` characters may hold it; else an empty text, after a notice
// naming where the value came from (`origine`, as « Le réglage "Nom Activite" »).
QString Admettre_Valeur(const QString& valeur, qsizetype limite, const QString& origine, Messages& messages);

// The same for a set-up field.
QString Admettre_Dans_Setup(Maravel::Champ_Setup champ, const QString& valeur, const QString& origine,
                            Messages& messages);
