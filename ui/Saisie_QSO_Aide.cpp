// The search window and the Aide menu: each secondary window is one at a time, brought to the front when
// asked again, and starts afresh once closed.

#include "ui/Aide.h"
#include "ui/Mise_a_Jour.h"
#include "ui/Recherche_Indicatif.h"
#include "ui/Saisie_QSO.h"

#include "ui/Reseau.h"

#include <QDir>
#include <QListWidget>

namespace {

void Au_Premier_Plan(QWidget* fenetre) {
    fenetre->setWindowState(fenetre->windowState() & ~Qt::WindowMinimized);
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace

void Saisie_QSO::Recherche_Click() {
    if (m_recherche_indicatif == nullptr) {
        m_recherche_indicatif = new Recherche_Indicatif(m_services, m_liste_qso, this);
    }
    Au_Premier_Plan(m_recherche_indicatif);
}

void Saisie_QSO::Mnu_Historique_Click() {
    m_services.messages.Information(Historique);
}

void Saisie_QSO::Mnu_Mode_Emploi_Click() {
    if (m_mode_emploi == nullptr) {
        m_mode_emploi = new Mode_Emploi(Chemin_Manuel(), this);
    } else {
        m_mode_emploi->Sommaire();
    }
    Au_Premier_Plan(m_mode_emploi);
}

void Saisie_QSO::Mnu_Maj_Click() {
    if (m_mise_a_jour == nullptr) {
        const auto site = Adresse_Site(m_services);
        if (!site) {
            m_services.messages.Information(Texte_Sans_Site(m_services));
            return;
        }
        m_mise_a_jour = new Mise_a_Jour(m_services, *site, this);
    }
    Au_Premier_Plan(m_mise_a_jour);
}

// The operator's files, in the system's file manager; where it cannot open, at least where they are.
void Saisie_QSO::Mnu_Dossier_Donnees_Click() {
    const QString dossier = QString::fromStdU16String(m_services.dossier.u16string());
    if (m_services.reseau == nullptr || !m_services.reseau->Ouvrir_Dossier(dossier)) {
        m_services.messages.Information(
            QStringLiteral(
                "Le gestionnaire de fichiers n'a pas pu être ouvert. Le dossier des données est :\n") +
            QDir::toNativeSeparators(dossier));
    }
}

void Saisie_QSO::Mnu_A_Propos_Click() {
    m_services.messages.Information(Texte_A_Propos());
}
