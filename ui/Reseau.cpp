#include "ui/Reseau.h"

#include "ui/Activation_Courante.h"

#include <QDesktopServices>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// A page of the site is a few kilobytes: anything far larger is not it, and is not kept in memory.
constexpr qint64 Taille_Maxi = 2 * 1024 * 1024;
// A field connection that stalls gives up instead of leaving the window waiting.
constexpr int Attente_Maxi_ms = 15000;

} // namespace

void Reseau_Qt::Telecharger(const QUrl& adresse, QObject* contexte,
                            std::function<void(std::optional<QByteArray>)> fin) {
    QNetworkRequest requete(adresse);
    requete.setTransferTimeout(Attente_Maxi_ms);
    requete.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Maravel_ON/") + Revision.trimmed());
    QNetworkReply* reponse = m_acces.get(requete);
    QObject::connect(reponse, &QNetworkReply::downloadProgress, reponse, [reponse](qint64 recus, qint64) {
        if (recus > Taille_Maxi) {
            reponse->abort();
        }
    });
    QObject::connect(reponse, &QNetworkReply::finished, contexte, [reponse, fin = std::move(fin)] {
        fin(reponse->error() == QNetworkReply::NoError ? std::optional(reponse->readAll()) : std::nullopt);
    });
    QObject::connect(reponse, &QNetworkReply::finished, reponse, &QObject::deleteLater);
}

void Reseau_Qt::Ouvrir_Navigateur(const QUrl& adresse) {
    QDesktopServices::openUrl(adresse);
}

bool Reseau_Qt::Ouvrir_Dossier(const QString& dossier) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(dossier));
}
