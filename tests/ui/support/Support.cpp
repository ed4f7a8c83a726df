#include "Support.h"

#include "ui/Sous_Programmes.h"

#include <QDir>
#include <QFile>
#include <QTest>

void Messages_Test::Information(const QString& texte) {
    textes << texte;
}

bool Messages_Test::Question(const QString& texte) {
    textes << texte;
    questions << texte;
    if (m_reponses.empty()) {
        inattendus << texte;
        QTest::qFail(qPrintable(QStringLiteral("Question inattendue : ") + texte), __FILE__, __LINE__);
        return false;
    }
    const bool oui = m_reponses.front();
    m_reponses.pop_front();
    return oui;
}

namespace {
Maravel::Moment Vers_Moment(const QDateTime& t) {
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), t.time().second()};
}
} // namespace

Maravel::Moment Horloge_Test::UTC() const {
    return Vers_Moment(m_utc);
}

Maravel::Moment Horloge_Test::Local() const {
    return Vers_Moment(m_utc.addSecs(static_cast<qint64>(m_decalage) * 60));
}

Environnement_Test::Environnement_Test()
    : m_reglages(std::make_unique<Reglages>(m_reglages_dossier.filePath(QStringLiteral("Assistant.ini")))) {
    m_services.reset(new Services{messages, *m_reglages, horloge, m_fichiers,
                                  std::filesystem::path(m_dossier.path().toStdU16String()),
                                  [this] { ++fins_programme; }, impression});
}

void Environnement_Test::Ecrire_Fichier(const QString& nom, const QByteArray& octets) const {
    QFile fichier(m_dossier.filePath(nom));
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(octets);
}

QByteArray Environnement_Test::Lire_Fichier(const QString& nom) const {
    QFile fichier(m_dossier.filePath(nom));
    if (!fichier.open(QIODevice::ReadOnly)) {
        return {};
    }
    return fichier.readAll();
}

bool Environnement_Test::Existe(const QString& nom) const {
    return QFile::exists(m_dossier.filePath(nom));
}

Reglages Environnement_Test::Reglages_Relus() const {
    return Reglages(m_reglages_dossier.filePath(QStringLiteral("Assistant.ini")));
}

void Environnement_Test::Verifier_Reponses() const {
    QVERIFY2(messages.inattendus.isEmpty(), qPrintable(messages.inattendus.join(QStringLiteral(" | "))));
    QCOMPARE(messages.Reponses_Restantes(), std::size_t{0});
}

QByteArray En_1252(const QString& texte) {
    const std::string octets = Vers_1252(texte);
    return QByteArray(octets.data(), static_cast<qsizetype>(octets.size()));
}
