#include "ui/Mise_a_Jour.h"

#include "ui/Reseau.h"
#include "ui/Sous_Programmes.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString Cle_Adresse = QStringLiteral("Adresse Site");

bool Adresse_Web(const QUrl& adresse) {
    return adresse.scheme() == QLatin1String("https") || adresse.scheme() == QLatin1String("http");
}

// A page from outside never makes the view read a local file or a resource of the program: the web only
// (which this view does not fetch, so the page shows as text).
class Vue_Web final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& nom) override {
        const QUrl adresse = document()->baseUrl().resolved(nom);
        return Adresse_Web(adresse) ? QTextBrowser::loadResource(type, adresse) : QVariant();
    }
};

} // namespace

std::optional<QUrl> Adresse_Site(const Services& services) {
    const QString reglee = services.reglages.Lire(Cle_Adresse).trimmed();
    QUrl adresse(reglee.isEmpty() ? services.site.toString() : reglee, QUrl::StrictMode);
    if (!adresse.isValid() || !Adresse_Web(adresse) || adresse.host().isEmpty()) {
        return std::nullopt;
    }
    adresse.setPath(adresse.path().chopped(adresse.path().endsWith(QLatin1Char('/')) ? 1 : 0));
    return adresse;
}

QString Texte_Sans_Site(const Services& services) {
    const QString valeur = services.reglages.Lire(Cle_Adresse).trimmed();
    const QString raison =
        valeur.isEmpty()
            ? QStringLiteral("Aucun site n'est réglé pour la mise à jour du programme : le réglage \"Adresse "
                             "Site\" est vide.")
            : QStringLiteral("Le réglage \"Adresse Site\" (") + valeur +
                  QStringLiteral(
                      ") n'est pas l'adresse d'un site web : la mise à jour du programme ne peut pas "
                      "être lue.");
    const QString adresse =
        QStringLiteral("\n(l'adresse du site du programme, commençant par http:// ou https:// ; la page "
                       "lue est cette adresse suivie de /Affichage2.htm)\n");
    if (services.reglages.Fichier_Ini()) {
        return raison +
               QStringLiteral(
                   "\n\nPour régler le site, quittez Maravel_ON, puis écrivez sous la ligne [Setup%20] la "
                   "ligne\nAdresse%20Site=https://adresse.du.site") +
               adresse + QStringLiteral("dans le fichier de réglages :\n") + services.reglages.Fichier();
    }
    return raison +
           QStringLiteral("\n\nPour régler le site, écrivez la valeur de chaîne \"Adresse Site\" : "
                          "https://adresse.du.site") +
           adresse + QStringLiteral("dans la base de registre, sous la clé :\n") +
           services.reglages.Fichier() + QStringLiteral("\\Setup ");
}

Mise_a_Jour::Mise_a_Jour(Services& services, const QUrl& site, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName(QStringLiteral("Mise_a_Jour"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_page = site;
    m_page.setPath(site.path() + QStringLiteral("/Affichage2.htm"));
    setWindowTitle(QStringLiteral("Site ") + site.toString());

    m_web_browser1 = new Vue_Web(this);
    m_web_browser1->setObjectName(QStringLiteral("WebBrowser1"));
    // Links leave for the system's browser: this view shows one page, it does not browse.
    m_web_browser1->setOpenLinks(false);
    auto* navigateur = new QPushButton(QStringLiteral("Ouvrir dans le navigateur"), this);
    navigateur->setObjectName(QStringLiteral("Navigateur"));
    navigateur->setAutoDefault(false);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(navigateur);
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_web_browser1, 1);
    page->addLayout(bas);
    connect(navigateur, &QPushButton::clicked, this, [this] { Lien(m_page); });
    connect(m_web_browser1, &QTextBrowser::anchorClicked, this, &Mise_a_Jour::Lien);

    Dimensionner(this, {800, 600});

    m_web_browser1->setPlainText(QStringLiteral("Chargement de la page ") + m_page.toString() +
                                 QStringLiteral(" ..."));
    if (m_services.reseau == nullptr) {
        Page_Recue(std::nullopt);
        return;
    }
    m_services.reseau->Telecharger(m_page, this,
                                   [this](std::optional<QByteArray> recue) { Page_Recue(recue); });
}

void Mise_a_Jour::Page_Recue(const std::optional<QByteArray>& page) {
    if (!page) {
        m_web_browser1->setPlainText(
            QStringLiteral("La page de mise à jour n'a pas pu être chargée : l'ordinateur n'est pas relié à "
                           "Internet, ou le site ne répond pas.\n\nAdresse de la page :\n") +
            m_page.toString() +
            QStringLiteral("\n\nUne fois connecté, ouvrez-la dans votre navigateur avec le bouton "
                           "\"Ouvrir dans le navigateur\". Le programme continue normalement."));
        return;
    }
    QStringDecoder decodeur = QStringDecoder::decoderForHtml(*page);
    if (!decodeur.isValid()) {
        decodeur = QStringDecoder(QStringDecoder::Utf8);
    }
    m_web_browser1->document()->setBaseUrl(m_page);
    m_web_browser1->setHtml(decodeur.decode(*page));
}

void Mise_a_Jour::Lien(const QUrl& lien) {
    const QUrl adresse = m_page.resolved(lien);
    if (adresse.matches(m_page, QUrl::RemoveFragment) && lien.hasFragment()) {
        m_web_browser1->scrollToAnchor(lien.fragment());
    } else if (m_services.reseau != nullptr && Adresse_Web(adresse)) {
        // Only web addresses: a page from outside never makes the system open a local file or program.
        m_services.reseau->Ouvrir_Navigateur(adresse);
    }
}

void Mise_a_Jour::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer(this);
    }
}
