#pragma once
// The outside world of the update page: fetching a page, and handing an address to the system's browser
// (or a folder to its file manager).

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QUrl>

#include <functional>
#include <optional>

class QObject;

class Reseau {
public:
    virtual ~Reseau() = default;
    // Asks for the page; `fin` gets its bytes, or nothing when it cannot be had. `fin` may run before
    // this returns or later from the event loop, and never once `contexte` is gone.
    virtual void Telecharger(const QUrl& adresse, QObject* contexte,
                             std::function<void(std::optional<QByteArray>)> fin) = 0;
    virtual void Ouvrir_Navigateur(const QUrl& adresse) = 0;
    // Shows the folder in the system's file manager; false when none could be started.
    virtual bool Ouvrir_Dossier(const QString& dossier) = 0;
};

class Reseau_Qt final : public Reseau {
public:
    void Telecharger(const QUrl& adresse, QObject* contexte,
                     std::function<void(std::optional<QByteArray>)> fin) override;
    void Ouvrir_Navigateur(const QUrl& adresse) override;
    bool Ouvrir_Dossier(const QString& dossier) override;

private:
    QNetworkAccessManager m_acces;
};
