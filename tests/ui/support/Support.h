#pragma once
// Test services for the windows: recorded messages answered from a queue, a clock the test sets, a
// settings store and a data folder of their own.

#include "core/Fichiers.h"
#include "core/Horloge.h"
#include "Impression_Test.h"
#include "ui/Services.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

class Messages_Test final : public Messages {
public:
    void Information(const QString& texte) override;
    bool Question(const QString& texte) override;

    // Queues the answer of the next question (true: Yes).
    void Repondre(bool oui) { m_reponses.push_back(oui); }

    QStringList textes;     // every text shown, notices and questions, in order
    QStringList questions;  // questions only
    QStringList inattendus; // questions that found no queued answer
    std::size_t Reponses_Restantes() const { return m_reponses.size(); }

private:
    std::deque<bool> m_reponses;
};

// UTC is set by the test; local time is UTC shifted by a fixed offset (a zone east of Greenwich is a
// positive offset).
class Horloge_Test final : public Maravel::Horloge {
public:
    void Regler(const QDateTime& utc, int decalage_minutes = 0) {
        m_utc = utc;
        m_decalage = decalage_minutes;
    }
    Maravel::Moment UTC() const override;
    Maravel::Moment Local() const override;

private:
    QDateTime m_utc = QDateTime(QDate(2024, 3, 1), QTime(14, 25, 0), Qt::UTC);
    int m_decalage = 0;
};

class Environnement_Test {
public:
    Environnement_Test();

    Services& services() { return *m_services; }
    Messages_Test messages;
    Horloge_Test horloge;
    Impression_Test impression;
    Reglages& reglages() { return *m_reglages; }
    int fins_programme = 0;

    QString Dossier() const { return m_dossier.path(); }
    void Ecrire_Fichier(const QString& nom, const QByteArray& octets) const;
    QByteArray Lire_Fichier(const QString& nom) const;
    bool Existe(const QString& nom) const;
    // A fresh store on another file, as after a restart of the program on the same machine.
    Reglages Reglages_Relus() const;

    // Fails the current test when a question had no queued answer or a queued answer was not used.
    void Verifier_Reponses() const;

private:
    QTemporaryDir m_dossier;
    QTemporaryDir m_reglages_dossier;
    std::unique_ptr<Reglages> m_reglages;
    Maravel::Systeme_Fichiers_Reel m_fichiers;
    std::unique_ptr<Services> m_services;
};

// Text that a test expects in a file: "é" and "°" become their single Windows-1252 byte.
QByteArray En_1252(const QString& texte);
