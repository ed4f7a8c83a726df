// The log's outputs from the entry window: the report saved, printed or previewed, the ADIF and traffic
// exports, and the display window. Each reads the log of the activation the window shows.

#include "ui/Saisie_QSO.h"

#include "core/Imprimante.h"
#include "core/Sorties.h"
#include "ui/Affiche_Log.h"
#include "ui/Echanges_Adif.h"
#include "ui/Impression.h"
#include "ui/Select_QSO.h"
#include "ui/Sous_Programmes.h"

namespace {

constexpr std::string_view Police_Rapport = "Courier New";
constexpr double Taille_Rapport = 8;

} // namespace

Maravel::ActivationRecord Saisie_QSO::Activation_1252() const {
    const Activation_Affichee& a = m_activation;
    return {Vers_1252(a.Activeur),      Vers_1252(a.Logger),       Vers_1252(a.Num_Activite),
            Vers_1252(a.Nom_Activite),  Vers_1252(a.Num_CP),       Vers_1252(a.Nom_Commune),
            Vers_1252(a.Type_Activite), Vers_1252(a.Date_Activite)};
}

void Saisie_QSO::Montrer_Resultat(const Maravel::Resultat_Sortie& resultat) {
    m_services.messages.Information(Depuis_1252(resultat.Message));
}

void Saisie_QSO::Mnu_Enr_Log_Click() {
    Montrer_Resultat(Maravel::Enregistrer_Rapport(m_services.fichiers, m_services.dossier, Activation_1252(),
                                                  m_services.horloge.Local()));
}

void Saisie_QSO::Mnu_ADIF_Click() {
    Montrer_Resultat(Maravel::Exporter_Adif(m_services.fichiers, m_services.dossier, Activation_1252()));
}

void Saisie_QSO::Mnu_ADIF_Complet_Click() {
    Demander_Export_Adif_Complet(m_services, this, Activation_1252(), m_mnu_utc_oui->isChecked());
}

void Saisie_QSO::Mnu_Import_Prenoms_Click() {
    Demander_Import_Prenoms(m_services, this);
}

void Saisie_QSO::Mnu_C_Trafic_Click() {
    Montrer_Resultat(Maravel::Exporter_Trafic(m_services.fichiers, m_services.dossier, Activation_1252()));
}

std::optional<std::vector<std::string>> Saisie_QSO::Lignes_Rapport_Imprime() {
    const auto log = Lire_Log(m_services, m_activation.Num_Activite);
    if (!log) {
        return std::nullopt;
    }
    return Maravel::Lignes_Rapport(Activation_1252(), *log, Maravel::Forme_Rapport::Impression);
}

// Nothing is printed when the print dialog is cancelled.
void Saisie_QSO::Mnu_Imp_Log_Click() {
    const auto lignes = Lignes_Rapport_Imprime();
    if (!lignes || !m_services.impression.Choisir_Imprimante(this)) {
        return;
    }
    if (!Maravel::Imprimer_Lignes(m_services.impression.Imprimante(), Police_Rapport, Taille_Rapport, true,
                                  *lignes)) {
        m_services.messages.Information(
            QStringLiteral("Le log n'a pas pu être imprimé : l'imprimante choisie a refusé le travail ou "
                           "n'est pas disponible. Vérifiez-la, puis recommencez."));
    }
}

void Saisie_QSO::Mnu_Apercu_Log_Click() {
    const auto lignes = Lignes_Rapport_Imprime();
    if (!lignes) {
        return;
    }
    m_services.impression.Apercu(this, QStringLiteral("Aperçu du log de l'activité"),
                                 [&lignes](Maravel::Imprimante_Lignes& imprimante) {
                                     Maravel::Imprimer_Lignes(imprimante, Police_Rapport, Taille_Rapport,
                                                              true, *lignes);
                                 });
}

// One display window at a time: asked again, it comes to the front as it is; closed, the next one reads
// the log as it then stands.
void Saisie_QSO::Mnu_Aff_Log_Click() {
    if (m_affiche_log == nullptr) {
        m_affiche_log = new Affiche_Log(m_services, m_activation, this);
    }
    m_affiche_log->setWindowState(m_affiche_log->windowState() & ~Qt::WindowMinimized);
    m_affiche_log->show();
    m_affiche_log->raise();
    m_affiche_log->activateWindow();
}

// The selection reads the log when it opens; asked again, it comes to the front with its lists as they are.
// Its label window reads the activation this window shows at each print run.
void Saisie_QSO::Mnu_Etiquettes_Click() {
    if (m_select_qso == nullptr) {
        m_select_qso = new Select_QSO(
            m_services, [this] { return m_activation; }, this);
    }
    m_select_qso->setWindowState(m_select_qso->windowState() & ~Qt::WindowMinimized);
    m_select_qso->show();
    m_select_qso->raise();
    m_select_qso->activateWindow();
}
