#include "ui/Aide.h"

#include "ui/Activation_Courante.h"
#include "ui/Sous_Programmes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString Nom_Manuel = QStringLiteral("Maravel_ON.hlp");

QStringList Emplacements_Manuel() {
    const QString programme = QCoreApplication::applicationDirPath();
    return {programme + QLatin1Char('/') + Nom_Manuel,
            programme + QStringLiteral("/../share/maravel-on/") + Nom_Manuel};
}

} // namespace

QString Chemin_Manuel() {
    for (const QString& chemin : Emplacements_Manuel()) {
        if (QFileInfo(chemin).isFile()) {
            return QDir::cleanPath(chemin);
        }
    }
    return {};
}

QString Texte_A_Propos() {
    return QStringLiteral("Maravel  Revision ") + Revision +
           QStringLiteral("\r\n\r\n    Réalisé par l'équipe du projet Maravel_ON, assistant de log pour "
                          "les activations radioamateurs");
}

Mode_Emploi::Mode_Emploi(const QString& chemin, QWidget* parent)
    : QWidget(parent, Qt::Window), m_chemin(chemin) {
    setObjectName(QStringLiteral("Mode_Emploi"));
    setWindowTitle(QStringLiteral("Maravel_ON - Mode d'emploi"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_texte = new QTextBrowser(this);
    m_texte->setObjectName(QStringLiteral("Texte"));
    m_retour = new QPushButton(QStringLiteral("< Retour"), this);
    m_retour->setObjectName(QStringLiteral("Retour"));
    m_retour->setEnabled(false);
    auto* sommaire = new QPushButton(QStringLiteral("Sommaire"), this);
    sommaire->setObjectName(QStringLiteral("Bouton_Sommaire"));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(m_retour);
    boutons->addWidget(sommaire);
    boutons->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addLayout(boutons);
    page->addWidget(m_texte, 1);

    connect(m_texte, &QTextBrowser::backwardAvailable, m_retour, &QPushButton::setEnabled);
    connect(m_retour, &QPushButton::clicked, m_texte, &QTextBrowser::backward);
    connect(sommaire, &QPushButton::clicked, this, &Mode_Emploi::Sommaire);

    Dimensionner(this, {820, 640});

    if (m_chemin.isEmpty()) {
        sommaire->setEnabled(false);
        QStringList dossiers;
        for (const QString& emplacement : Emplacements_Manuel()) {
            dossiers << QDir::toNativeSeparators(QDir::cleanPath(emplacement));
        }
        m_texte->setPlainText(QStringLiteral("Le mode d'emploi est introuvable.\n\nLe fichier ") +
                              Nom_Manuel +
                              QStringLiteral(" est installé avec le programme ; il a été cherché ici :\n") +
                              dossiers.join(QLatin1Char('\n')) +
                              QStringLiteral("\n\nRéinstallez le programme, ou copiez ce fichier à côté de "
                                             "lui. Le programme fonctionne normalement sans lui."));
        return;
    }
    m_texte->setSource(QUrl::fromLocalFile(m_chemin), QTextDocument::HtmlResource);
}

void Mode_Emploi::Sommaire() {
    // The contents open the manual: its top, without a fragment.
    if (!m_chemin.isEmpty()) {
        m_texte->setSource(QUrl::fromLocalFile(m_chemin), QTextDocument::HtmlResource);
    }
}

void Mode_Emploi::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (!m_centree) {
        m_centree = true;
        Centrer(this);
    }
}
