#pragma once
// Where the data files live: beside a copy of the program that is not installed (on a USB stick, say),
// else in the user's own data folder, root's included. An installed program never writes where it is
// installed: a purge or an update would take the operator's logs with it.

#include "core/Fichiers.h"

#include <QString>
#include <QStringList>

class Messages;

// True for `dossier` itself or a folder under one of `racines`.
bool Sous_Dossier(const QString& dossier, const QStringList& racines,
                  Qt::CaseSensitivity casse = Qt::CaseSensitive);

// Where this system installs programs: /usr and /opt, or Windows' program folders.
bool Dossier_Installation(const QString& dossier);

// The program's folder when it is not installed and can hold the files, else `utilisateur`.
QString Dossier_Par_Defaut(const QString& programme, const QString& utilisateur);

// Data files an earlier version left in the installation folder: the operator is told where they are
// and, when this account can move them, asked whether to bring them into `donnees`.
void Proposer_Deplacement(Messages& messages, Maravel::Systeme_Fichiers& fichiers,
                          const QString& installation, const QString& donnees);
