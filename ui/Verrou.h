#pragma once
// One copy of the program per data folder: two copies would each rewrite the files behind the other's
// back. A lock left by a crash, a power cut or another computer must never stop the operator.

#include <QString>

#include <memory>
#include <optional>
#include <system_error>

class Messages;
class QLockFile;

inline constexpr char Nom_Verrou[] = "Maravel_ON.verrou";

// What the operator is told when the system refuses a write, in his words.
QString Cause_Echec_Ecriture(std::error_code erreur);

// Why the folder cannot hold the data files (created when missing, then a file written and removed);
// nothing when it can.
std::optional<QString> Cause_Dossier_Inutilisable(const QString& dossier);

// The lock on the folder, held as long as the result lives; nothing after telling the operator why not.
// A lock that cannot be proven live (empty or unreadable, from another computer, its program gone) is
// taken over only if the operator agrees.
std::unique_ptr<QLockFile> Prendre_Verrou(Messages& messages, const QString& dossier);
