#pragma once
// The set-up window: the current activation, the list of registered activations, and the way into
// QSO entry.

#include "core/Activation.h"
#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;
class Saisie_QSO;

class Setup : public QWidget, public Source_Activation {
    Q_OBJECT
public:
    explicit Setup(Services& services, QWidget* parent = nullptr);

    // Start of the program: centre, fill from the store, record folder and revision, show, list.
    void Demarrer();

    Activation_Affichee Activation() const override;

    // The entry window once "Saisie des QSO" has opened it.
    Saisie_QSO* Fenetre_Saisie() const;

protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    using Champ_Setup = Maravel::Champ_Setup;

    void Construire();
    QLineEdit* Champ(Champ_Setup champ) const;
    Maravel::ActivationRecord Valeurs() const;
    void Lire_Reglages(bool avec_logger);
    void Ecrire_Reglages();

    void Entree(Champ_Setup champ);
    void Cherche_Num_Activite();
    bool Cherche_Activite(const QString& numero);
    void Ajout_Activite(const std::string& ligne);
    void RAZ_Setup();
    void Efface_Activite();
    void Saisie_Des_QSO();
    bool Champs_Enregistrables();
    bool Abandon_Accepte();
    void Ouvrir_Saisie();

    Services& m_services;
    Maravel::Liste_Activites m_liste;
    std::array<QLineEdit*, Maravel::Champs_Setup.size()> m_champs{};
    QListWidget* m_liste_activite = nullptr;
    QPushButton* m_saisie_des_qso = nullptr;
    QPushButton* m_raz = nullptr;
    QPushButton* m_supprimer = nullptr;
    QString m_numero_selectionne; // the last item clicked in the list, kept after a delete
    QPointer<Saisie_QSO> m_saisie;
};

// At the first start of each day, before anything is written: the data files copied into
// Sauvegardes/<aaaa-mm-jj>/ of the data folder. A failure is told once and the program goes on.
void Sauvegarde_Au_Demarrage(Services& services);
