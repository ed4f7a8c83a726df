#pragma once
// ADIF with other programs, from the entry window's Fichiers menu: the complete export for confirmation
// and award services, and the first-name memory filled from another logging program's ADIF file.

#include "core/Activation.h"

class QWidget;
struct Services;

// Asks the reference programme (kept in the setting "Programme") and whether the log's times are UTC or
// local (`heures_utc`: the entry window's own choice, offered first), then writes `<N°>_complet.adi`.
void Demander_Export_Adif_Complet(Services& services, QWidget* fenetre,
                                  const Maravel::ActivationRecord& activation, bool heures_utc);

// Asks for the file, reads it whole, merges it into `Liste_Prenom.txt` and tells what it did.
void Demander_Import_Prenoms(Services& services, QWidget* fenetre);
