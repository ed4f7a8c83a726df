#pragma once
// The program's update page, fetched when the window opens and shown as simple rich text. Without a
// network, as in the field, the window says so and offers the address to the system's browser.

#include "ui/Services.h"

#include <QUrl>
#include <QWidget>

#include <optional>

class QTextBrowser;

// The site's address from the store (key "Adresse Site"), else the one set when the program was built;
// nothing when neither is a web address.
std::optional<QUrl> Adresse_Site(const Services& services);

// Why there is no update page, and how to name its site.
QString Texte_Sans_Site(const Services& services);

class Mise_a_Jour : public QWidget {
    Q_OBJECT
public:
    Mise_a_Jour(Services& services, const QUrl& site, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Page_Recue(const std::optional<QByteArray>& page);
    void Lien(const QUrl& lien);

    Services& m_services;
    QUrl m_page;
    QTextBrowser* m_web_browser1 = nullptr;
    bool m_centree = false;
};
