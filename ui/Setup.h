#pragma once
// The set-up window: the current activation, the list of registered activations, and the way into
// QSO entry.

#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QWidget>

class Saisie_QSO;

class Setup : public QWidget, public Source_Activation {
    Q_OBJECT
public:
    explicit Setup(Services& services, QWidget* parent = nullptr);

    // Start of the program: centre, fill from the store, record folder and revision, show, list.
    void Demarrer();

    Activation_Affichee Activation() const override;

    // The entry window once "Saisie des QSO" has opened it.
    Saisie_QSO* Fenetre_Saisie() const { return m_saisie; }

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    Services& m_services;
    Saisie_QSO* m_saisie = nullptr;
};
