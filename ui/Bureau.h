#pragma once
// What makes the program at home on the operator's desktop: the toolkit's own dialogs (print, preview,
// file choice, standard buttons) in French like the rest, and the program's icon on every window.

#include <QIcon>
#include <QStringList>

class QCoreApplication;

// Where the toolkit's French translations are looked for: the toolkit's own folder (Debian's
// qt6-translations-l10n), then beside the program (a Windows build ships them there).
QStringList Dossiers_Traductions();

// Installs the toolkit's French translations; false when none was found (its dialogs then stay in
// English, nothing else changes).
bool Charger_Traductions_Qt(QCoreApplication& application);

// The program's icon, drawn for every size from 16 to 256 pixels.
QIcon Icone_Programme();
