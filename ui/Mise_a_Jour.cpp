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
const QString Adresse_Projet = QStringLiteral("https://maravel-on.example.org");

} // namespace

QUrl Adresse_Site(const Reglages& reglages) {
    QUrl adresse(reglages.Lire(Cle_Adresse, Adresse_Projet).trimmed(), QUrl::StrictMode);
    const bool web = adresse.scheme() == QLatin1String("https") || adresse.scheme() == QLatin1String("http");
    if (!adresse.isValid() || !web || adresse.host().isEmpty()) {
        adresse = QUrl(Adresse_Projet);
    }
    adresse.setPath(adresse.path().chopped(adresse.path().endsWith(QLatin1Char('/')) ? 1 : 0));
    return adresse;
}

Mise_a_Jour::Mise_a_Jour(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName(QStringLiteral("Mise_a_Jour"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QUrl site = Adresse_Site(services.reglages);
    m_page = site;
    m_page.setPath(site.path() + QStringLiteral("/Affichage2.htm"));
    setWindowTitle(QStringLiteral("Site ") + site.toString());

    m_web_browser1 = new QTextBrowser(this);
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

    const QRect zone = Zone_Disponible(this);
    resize(zone.isEmpty() ? 800 : std::min(800, zone.width() - 16),
           zone.isEmpty() ? 600 : std::min(600, zone.height() - 48));

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
    } else if (m_services.reseau != nullptr &&
               (adresse.scheme() == QLatin1String("https") || adresse.scheme() == QLatin1String("http"))) {
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
