#include "ui/Services.h"

#include "core/Journal.h"
#include "ui/Sous_Programmes.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString Titre = QStringLiteral("Maravel_ON");
const QString Section = QStringLiteral("Setup ");

QString Cle_Complete(const QString& cle) {
    return Section + QLatin1Char('/') + cle;
}

// Alt+O answers "Oui", Alt+N and Escape "Non".
bool Demander(QMessageBox& boite) {
    QPushButton* oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    boite.setDefaultButton(oui);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

// A question about a fixed-column line: the line on a line of its own, in fixed pitch, whole with its
// trailing blanks, as it goes into the list. A message box caps its width and would cut or wrap it; here,
// on a screen narrower than the line, the line scrolls sideways and the box stays inside the screen.
class Boite_Ligne final : public QDialog {
public:
    Boite_Ligne(const QString& avant, const QString& ligne) {
        setWindowTitle(Titre);
        auto* texte = new QLabel(avant.trimmed());
        auto* fixe = new QLabel(ligne);
        fixe->setObjectName(QStringLiteral("Ligne"));
        fixe->setTextFormat(Qt::PlainText);
        fixe->setFont(Police_Fixe());
        auto* defilement = new QScrollArea;
        defilement->setFrameShape(QFrame::NoFrame);
        defilement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        defilement->setWidget(fixe);
        auto* boutons = new QDialogButtonBox;
        QPushButton* oui = boutons->addButton(QStringLiteral("&Oui"), QDialogButtonBox::YesRole);
        boutons->addButton(QStringLiteral("&Non"), QDialogButtonBox::NoRole);
        oui->setDefault(true);
        connect(boutons, &QDialogButtonBox::clicked, this,
                [this, oui](const QAbstractButton* bouton) { done(bouton == oui ? Accepted : Rejected); });
        auto* page = new QVBoxLayout(this);
        page->addWidget(texte);
        page->addWidget(defilement);
        page->addWidget(boutons);
        // Room for the window's frame and its margins on the screen it opens on.
        const QMargins marges = page->contentsMargins();
        const int place = Zone_Disponible(this).width() - marges.left() - marges.right() - 2 * 16;
        const QSize taille = fixe->sizeHint();
        const bool trop_large = taille.width() > place;
        defilement->setHorizontalScrollBarPolicy(trop_large ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        defilement->setFixedSize(
            std::min(taille.width(), place),
            taille.height() + (trop_large ? defilement->horizontalScrollBar()->sizeHint().height() : 0));
    }
};
} // namespace

void Messages_Qt::Information(const QString& texte) {
    QMessageBox boite(QMessageBox::NoIcon, Titre, texte);
    boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boite.exec();
}

bool Messages_Qt::Question(const QString& texte) {
    QMessageBox boite(QMessageBox::NoIcon, Titre, texte);
    return Demander(boite);
}

bool Messages_Qt::Question_Ligne(const QString& avant, const QString& ligne, const QString& apres) {
    Boite_Ligne boite(avant, ligne + apres);
    return boite.exec() == QDialog::Accepted;
}

Reglages::Reglages()
#ifdef Q_OS_WIN
    // Where Windows programs of this family keep their per-user settings.
    : m_store(std::make_unique<QSettings>(QStringLiteral("VB and VBA Program Settings"),
                                          QStringLiteral("Assistant")))
#else
    : m_store(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                          QStringLiteral("Maravel_ON"), QStringLiteral("Assistant")))
#endif
{
}

Reglages::Reglages(const QString& fichier_ini)
    : m_store(std::make_unique<QSettings>(fichier_ini, QSettings::IniFormat)) {}

QString Reglages::Fichier() const {
    return QDir::toNativeSeparators(m_store->fileName());
}

bool Reglages::Fichier_Ini() const {
    return m_store->format() == QSettings::IniFormat;
}

QString Reglages::Lire(const QString& cle, const QString& defaut) const {
    return m_store->value(Cle_Complete(cle), defaut).toString();
}

void Reglages::Ecrire(const QString& cle, const QString& valeur) {
    m_store->setValue(Cle_Complete(cle), valeur);
    m_store->sync();
    if (m_store->status() != QSettings::NoError) {
        Echec_Ecriture();
    }
}

void Reglages::Echec_Ecriture() {
    if (m_messages == nullptr || m_echec_signale) {
        return;
    }
    m_echec_signale = true;
    const QFileInfo fichier(m_store->fileName());
    QString cause = QStringLiteral("le système en refuse l'écriture");
    if (fichier.isDir()) {
        cause = QStringLiteral("un dossier porte le nom de ce fichier");
    } else if (m_store->status() == QSettings::FormatError) {
        cause = QStringLiteral("son contenu est illisible");
    } else if (fichier.exists() && !fichier.isWritable()) {
        cause = QStringLiteral("le fichier est en lecture seule");
    }
    m_messages->Information(QStringLiteral("Les réglages ne peuvent pas être enregistrés :\n") +
                            QDir::toNativeSeparators(m_store->fileName()) + QStringLiteral("\n") + cause +
                            QStringLiteral(".\nLe programme continue, mais les réglages changés pendant "
                                           "cette session seront perdus à sa fermeture."));
}

bool Reglages::Lire_Booleen(const QString& cle, bool defaut) const {
    const QString texte = Lire(cle).trimmed().toLower();
    if (texte == QLatin1String("true") || texte == QLatin1String("vrai") || texte == QLatin1String("1")) {
        return true;
    }
    if (texte == QLatin1String("false") || texte == QLatin1String("faux") || texte == QLatin1String("0")) {
        return false;
    }
    return defaut;
}

void Reglages::Ecrire_Booleen(const QString& cle, bool valeur) {
    Ecrire(cle, valeur ? QStringLiteral("True") : QStringLiteral("False"));
}

std::optional<std::vector<std::string>> Lire_Log(Services& services, const QString& numero_activite) {
    const Maravel::Journal journal(services.fichiers, services.dossier, Vers_1252(numero_activite));
    auto log = journal.Lire();
    if (!log.lisible) {
        services.messages.Information(
            QStringLiteral("Le log ne peut pas être lu : ") +
            QDir::toNativeSeparators(QString::fromStdU16String(journal.Fichier().u16string())));
        return std::nullopt;
    }
    return std::move(log.lignes);
}

// ---- Dialogs asking for a value ----

// Qt's own dialog speaks English unless told otherwise; a system dialog speaks the system's language.
std::optional<QString> Demandes_Qt::Fichier_A_Lire(QWidget* parent, const QString& titre,
                                                   const QString& filtres) {
    QFileDialog boite(parent, titre, QDir::homePath(), filtres);
    boite.setFileMode(QFileDialog::ExistingFile);
    boite.setLabelText(QFileDialog::LookIn, QStringLiteral("Dossier :"));
    boite.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    boite.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    boite.setLabelText(QFileDialog::Accept, QStringLiteral("Ouvrir"));
    boite.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    if (boite.exec() != QDialog::Accepted || boite.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return boite.selectedFiles().constFirst();
}

std::optional<QString> Demandes_Qt::Texte(QWidget* parent, const QString& question, const QString& valeur) {
    QInputDialog boite(parent);
    boite.setWindowTitle(Titre);
    boite.setLabelText(question);
    boite.setTextValue(valeur);
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    return boite.exec() == QDialog::Accepted ? std::optional(boite.textValue()) : std::nullopt;
}

// Escape and "Annuler" give nothing.
std::optional<int> Demandes_Qt::Choix(QWidget* parent, const QString& question, const QString& premier,
                                      const QString& second, int preselection) {
    QMessageBox boite(QMessageBox::NoIcon, Titre, question, QMessageBox::NoButton, parent);
    QPushButton* boutons[] = {boite.addButton(premier, QMessageBox::AcceptRole),
                              boite.addButton(second, QMessageBox::AcceptRole)};
    boite.setEscapeButton(boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole));
    boite.setDefaultButton(boutons[preselection == 1 ? 1 : 0]);
    boite.exec();
    for (int i = 0; i < 2; ++i) {
        if (boite.clickedButton() == boutons[i]) {
            return i;
        }
    }
    return std::nullopt;
}

Demandes& Demandes_Du_Systeme() {
    static Demandes_Qt demandes;
    return demandes;
}
