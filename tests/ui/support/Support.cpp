#include "Support.h"

bool Messages_Test::Question(const QString& texte) {
    textes << texte;
    questions << texte;
    if (reponses.empty()) {
        QTest::qFail(qPrintable("unexpected question: " + texte), __FILE__, __LINE__);
        return false;
    }
    const bool oui = reponses.front();
    reponses.pop_front();
    return oui;
}

Environnement_Test::Environnement_Test()
    : m_reglages(std::make_unique<Reglages>(Fichier_Reglages())),
      m_services(new Services{messages, *m_reglages, horloge, m_fichiers,
                              std::filesystem::path(m_dossier.path().toStdU16String()),
                              [this] { ++fins_programme; }, impression}) {
    m_services->demandes = &demandes;
}

std::optional<QString> Demandes_Test::Reponse(const QString& question) {
    if (!question.isNull()) {
        m_messages.textes << question;
    }
    if (reponses.empty()) {
        QTest::qFail("unexpected dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    const QString reponse = reponses.front();
    reponses.pop_front();
    return reponse == QLatin1String("[Annuler]") ? std::nullopt : std::optional(reponse);
}

void Environnement_Test::Ecrire_Fichier(const QString& nom, const QByteArray& octets) const {
    QFile fichier(m_dossier.filePath(nom));
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(octets);
}

QByteArray Environnement_Test::Lire_Fichier(const QString& nom) const {
    QFile fichier(m_dossier.filePath(nom));
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

QByteArray Ligne(const QByteArray& champs) {
    const QList<QByteArray> parties = champs.split('|');
    const QList<QByteArray> c = parties[0].simplified().split(' ');
    constexpr int largeurs[] = {10, 7, 14, 4, 17, 4, 4, 6};
    QByteArray ligne;
    for (int i = 0; i < 8; ++i) {
        ligne += (c.value(i) == "-" ? QByteArray() : c.value(i)).leftJustified(largeurs[i], ' ');
    }
    return ligne + c.value(8).rightJustified(3, ' ') + " Mhz " +
           parties.value(1).trimmed().leftJustified(30, ' ') + "\r\n";
}
