#pragma once
// Everything the windows need from the outside world, created once by the program and by each test.

#include "core/Fichiers.h"
#include "core/Horloge.h"

#include <QDate>
#include <QSettings>
#include <QString>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// OK notices and Yes/No questions: no icon, title "Maravel_ON", buttons in French.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Information(const QString& texte) = 0;
    // True only for Yes.
    virtual bool Question(const QString& texte) = 0;
    // The same question about a fixed-column line, which the box may show whole in fixed pitch.
    virtual bool Question_Ligne(const QString& avant, const QString& ligne, const QString& apres) {
        return Question(avant + ligne + apres);
    }
};

class Messages_Qt final : public Messages {
public:
    void Information(const QString& texte) override;
    bool Question(const QString& texte) override;
    bool Question_Ligne(const QString& avant, const QString& ligne, const QString& apres) override;
};

// The per-user store: application "Assistant", section "Setup " (with its trailing blank).
class Reglages {
public:
    // The user's own store.
    Reglages();
    // An INI file at this path (tests, and a portable store).
    explicit Reglages(const QString& fichier_ini);

    QString Lire(const QString& cle, const QString& defaut = {}) const;
    void Ecrire(const QString& cle, const QString& valeur);
    bool Lire_Booleen(const QString& cle, bool defaut) const;
    void Ecrire_Booleen(const QString& cle, bool valeur);

    // Where the store is: the INI file's path, or the registry key; what the operator edits by hand.
    QString Fichier() const;
    bool Fichier_Ini() const;

    // A write the store cannot keep is told here, once: the value still holds until the program ends.
    void Signaler_Echecs(Messages& messages) { m_messages = &messages; }

private:
    void Echec_Ecriture();

    std::unique_ptr<QSettings> m_store;
    Messages* m_messages = nullptr;
    bool m_echec_signale = false;
};

class QWidget;

// Dialogs that ask the operator for a value: a file to read, a line of text, one answer of two. Title
// "Maravel_ON", buttons in French; each gives nothing when the operator cancels.
class Demandes {
public:
    virtual ~Demandes() = default;
    virtual std::optional<QString> Fichier_A_Lire(QWidget* parent, const QString& titre,
                                                  const QString& filtres) = 0;
    // The text as the operator leaves it, `valeur` being what the box shows first.
    virtual std::optional<QString> Texte(QWidget* parent, const QString& question, const QString& valeur) = 0;
    // 0 for `premier`, 1 for `second`; `preselection` is the answer Enter gives.
    virtual std::optional<int> Choix(QWidget* parent, const QString& question, const QString& premier,
                                     const QString& second, int preselection) = 0;
};

class Demandes_Qt final : public Demandes {
public:
    std::optional<QString> Fichier_A_Lire(QWidget* parent, const QString& titre,
                                          const QString& filtres) override;
    std::optional<QString> Texte(QWidget* parent, const QString& question, const QString& valeur) override;
    std::optional<int> Choix(QWidget* parent, const QString& question, const QString& premier,
                             const QString& second, int preselection) override;
};

// The program's own dialogs, unless a test puts its answers in their place.
Demandes& Demandes_Du_Systeme();

class Impression;
class Reseau;
class Radio;

struct Services {
    Messages& messages;
    Reglages& reglages;
    const Maravel::Horloge& horloge;
    Maravel::Systeme_Fichiers& fichiers;
    std::filesystem::path dossier;       // WorkDir: every data file lives here
    std::function<void()> fin_programme; // closing a main window ends the program
    Impression& impression;
    // The day the program was built: a clock earlier than that cannot be right. Invalid: no check.
    QDate date_construction{};
    bool horloge_signalee = false; // the doubtful clock is told once per run
    Reseau* reseau = nullptr;      // the update page; none: as without a network
    QUrl site{}; // the update page's site when the store names none (set when the program is built)
    Radio* radio = nullptr; // the radio's band and mode; none in a program built without Hamlib
    Demandes* demandes = &Demandes_Du_Systeme();
};

// The lines of an activation's log; nothing once the operator has been told that it cannot be read.
std::optional<std::vector<std::string>> Lire_Log(Services& services, const QString& numero_activite);
