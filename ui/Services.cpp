#include "ui/Services.h"

#include "core/Journal.h"
#include "ui/Sous_Programmes.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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

// A box as wide as its fixed-pitch line. The toolkit caps a message box's width (the screen less 480
// pixels, 886 on a 1366-pixel screen), which cut the line's end and its " ?"; the box is widened back each
// time the toolkit sizes it, within the screen, and kept centred.
class Boite_Ligne final : public QMessageBox {
public:
    Boite_Ligne(const QString& texte, int largeur_ligne)
        : QMessageBox(QMessageBox::NoIcon, Titre, texte), m_largeur_ligne(largeur_ligne) {
        setTextFormat(Qt::RichText);
    }

protected:
    bool event(QEvent* evenement) override {
        const bool traite = QMessageBox::event(evenement);
        if (evenement->type() == QEvent::LayoutRequest || evenement->type() == QEvent::Show) {
            Elargir();
        }
        return traite;
    }

private:
    void Elargir() {
        const auto* texte = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (texte == nullptr) {
            return;
        }
        const QRect ecran = screen()->availableGeometry();
        const int cadre = frameGeometry().width() - width();
        const int largeur =
            std::min(width() + m_largeur_ligne - texte->contentsRect().width(), ecran.width() - cadre);
        if (largeur <= width()) {
            return;
        }
        const int x = std::max(ecran.left(), frameGeometry().center().x() - (largeur + cadre) / 2);
        setFixedWidth(largeur);
        move(x, y());
        // As the toolkit does after sizing the box: no second round of layout undoing this one.
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }

    int m_largeur_ligne;
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
    // The line on one line of its own, its columns in fixed pitch, rather than wrapped anywhere; whole, its
    // trailing blanks included, as it goes into the list.
    QFont police = QApplication::font("QMessageBox");
    police.setFamily(Police_Fixe().family());
    Boite_Ligne boite(
        QStringLiteral("<p>") + avant.toHtmlEscaped() +
            QStringLiteral("</p><p style=\"white-space:pre; font-family:'%1'\">").arg(police.family()) +
            ligne.toHtmlEscaped() + apres.toHtmlEscaped() + QStringLiteral("</p>"),
        QFontMetrics(police).horizontalAdvance(ligne + apres) + 1);
    return Demander(boite);
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
