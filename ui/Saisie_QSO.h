#pragma once
// The QSO entry window: the activation being logged, the clock, the entry fields and the log's list.

#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QMainWindow>

class Saisie_QSO : public QMainWindow {
    Q_OBJECT
public:
    Saisie_QSO(Services& services, const Source_Activation& setup, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    Services& m_services;
    const Source_Activation& m_setup;
};
