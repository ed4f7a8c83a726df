#pragma once
// Test services for the windows: recorded messages answered from a queue, a clock the test sets, a
// settings store and a data folder of their own.

#include "Impression_Test.h"
#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>

class Messages_Test final : public Messages {
public:
    void Information(const QString& texte) override { textes << texte; }
    bool Question(const QString& texte) override;
    void Repondre(bool oui) { reponses.push_back(oui); } // queues the next answer (true: Yes)
    QStringList textes, questions;                       // every text shown in order; the questions
    std::deque<bool> reponses;
};

// Dialogs answered from a queue (a path, a text, a button's caption; "[Annuler]" cancels); a question joins
// the messages shown, with the text or button it offers first in brackets.
class Demandes_Test final : public Demandes {
public:
    explicit Demandes_Test(Messages_Test& messages) : m_messages(messages) {}
    std::optional<QString> Fichier_A_Lire(QWidget*, const QString&, const QString&) override {
        return Reponse();
    }
    std::optional<QString> Texte(QWidget*, const QString& question, const QString& valeur) override {
        return Reponse(question + " [" + valeur + "]");
    }
    std::optional<int> Choix(QWidget*, const QString& question, const QString& premier, const QString& second,
                             int preselection) override {
        const auto reponse = Reponse(question + " [" + (preselection == 0 ? premier : second) + "]");
        return reponse ? std::optional(*reponse == premier ? 0 : 1) : std::nullopt;
    }
    std::deque<QString> reponses;

private:
    std::optional<QString> Reponse(const QString& question = {});
    Messages_Test& m_messages;
};

// UTC is set by the test; local time is UTC shifted by a fixed offset (east of Greenwich: positive).
class Horloge_Test final : public Maravel::Horloge {
public:
    void Regler(const QDateTime& utc, int decalage_minutes = 0) {
        m_utc = utc;
        m_decalage = decalage_minutes;
    }
    Maravel::Moment UTC() const override { return Moment(m_utc); }
    Maravel::Moment Local() const override { return Moment(m_utc.addSecs(m_decalage * 60LL)); }

private:
    static Maravel::Moment Moment(const QDateTime& t) {
        return {t.date().year(), t.date().month(),  t.date().day(),
                t.time().hour(), t.time().minute(), t.time().second()};
    }
    QDateTime m_utc = QDateTime(QDate(2024, 3, 1), QTime(14, 25, 0), Qt::UTC);
    int m_decalage = 0;
};

class Environnement_Test {
public:
    Environnement_Test();

    Services& services() { return *m_services; }
    Reglages& reglages() { return *m_reglages; }
    Messages_Test messages;
    Demandes_Test demandes{messages};
    Horloge_Test horloge;
    Impression_Test impression;
    int fins_programme = 0;

    QString Dossier() const { return m_dossier.path(); }
    void Ecrire_Fichier(const QString& nom, const QByteArray& octets) const;
    QByteArray Lire_Fichier(const QString& nom) const;
    bool Existe(const QString& nom) const { return QFile::exists(m_dossier.filePath(nom)); }
    // A fresh store on the same file, as after a restart of the program on the same machine.
    Reglages Reglages_Relus() const { return Reglages(Fichier_Reglages()); }
    QString Fichier_Reglages() const { return m_reglages_dossier.filePath(QStringLiteral("Assistant.ini")); }
    // Fails the current test when a queued answer was not used (an unanswered question fails at once).
    void Verifier_Reponses() const { QVERIFY(messages.reponses.empty() && demandes.reponses.empty()); }

private:
    QTemporaryDir m_dossier;
    QTemporaryDir m_reglages_dossier;
    std::unique_ptr<Reglages> m_reglages;
    Maravel::Systeme_Fichiers_Reel m_fichiers;
    std::unique_ptr<Services> m_services;
};

// The activation an entry window under test logs into, as the set-up window's fields would hold it.
class Activation_Test final : public Source_Activation {
public:
    Activation_Affichee valeurs{"F/ON4XYZ/P", {},       "DMF-123",    "Château de Halloy",
                                "5590",       "Halloy", "Activation", "12/11/05"};
    Activation_Affichee Activation() const override { return valeurs; }
};

// A log line as the program must write it, from its fields separated by blanks ("-" for an empty one)
// and the remarks after a "|": "01/03/24 14:25 F1ABC 75 JEAN 59 59 SSB 3.5 | QRP".
QByteArray Ligne(const QByteArray& champs);
