// The radio in the entry window: the "Radio…" dialog, the permanent status part, and each reading put
// into the band and the mode.

#include "ui/Choix_Radio.h"
#include "ui/Saisie_QSO.h"
#include "ui/Sous_Programmes.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>

void Saisie_QSO::Construire_Menu_Radio(QMenu* setup) {
    QAction* item = setup->addAction(QStringLiteral("Radio…"));
    item->setObjectName(QStringLiteral("Mnu_Radio"));
    item->setEnabled(m_services.radio != nullptr); // a program built without Hamlib follows no radio
    connect(item, &QAction::triggered, this, &Saisie_QSO::Mnu_Radio_Click);
    // Apart from the entry's own messages, which a validation clears; shown only while a radio is chosen.
    m_etat_radio = Nommer(new QLabel, "Etat_Radio");
    m_etat_radio->setContentsMargins(8, 0, 8, 0);
    statusBar()->addPermanentWidget(m_etat_radio);
    statusBar()->setSizeGripEnabled(false);
    m_etat_radio->hide();
    if (m_services.radio != nullptr) {
        connect(m_services.radio, &Radio::Lue, this, &Saisie_QSO::Radio_Lue);
    }
}

void Saisie_QSO::Suivre_Radio(const Reglage_Radio& reglage) {
    m_reglage_radio = reglage;
    m_services.radio->Suivre(reglage);
    m_etat_radio->setText(QStringLiteral("Radio : connexion…"));
    m_etat_radio->setVisible(reglage.modele != 0);
}

void Saisie_QSO::Mnu_Radio_Click() {
    if (m_choix_radio == nullptr) {
        m_choix_radio = new Choix_Radio(*m_services.radio, m_reglage_radio, this);
        connect(m_choix_radio, &QDialog::accepted, this, [this] {
            const Reglage_Radio reglage = m_choix_radio->Reglage();
            Ecrire_Reglage_Radio(m_services.reglages, reglage);
            Suivre_Radio(reglage);
        });
    }
    m_choix_radio->show();
    m_choix_radio->raise();
    m_choix_radio->activateWindow();
}

void Saisie_QSO::Radio_Lue(const Lecture_Radio& lecture) {
    if (!(lecture.reglage == m_reglage_radio) || m_reglage_radio.modele == 0) {
        return; // read before another radio was chosen
    }
    m_etat_radio->setText(Texte_Etat_Radio(lecture));
    if (!lecture.repond) {
        return;
    }
    // An edit or an insertion shows the QSO's own band and mode; in the band or the mode, the operator is
    // choosing them.
    const QWidget* focus = focusWidget();
    const bool choix_en_cours =
        focus != nullptr && (focus == m_bande_q || focus == m_mode_q || m_bande_q->isAncestorOf(focus) ||
                             m_mode_q->isAncestorOf(focus));
    const auto changement = m_suivi_radio.Lire({lecture.hertz, Vers_1252(lecture.mode), lecture.premiere},
                                               !m_modele.Prend_La_Radio() || choix_en_cours);
    if (changement.bande) {
        m_modele.Choisir_Par_Radio(Maravel::Champ_Saisie::Bande_Q, *changement.bande);
    }
    if (changement.mode) {
        m_modele.Choisir_Par_Radio(Maravel::Champ_Saisie::Mode_Q, *changement.mode);
    }
    if (changement.bande || changement.mode) {
        Afficher();
    }
}
