#pragma once
// The whole log of the activation in a window of its own, numbered under its column header, read once
// when the window opens: the operator reads it back while the entry window stays open.

#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QWidget>

class QLabel;
class QListWidget;

class Affiche_Log : public QWidget {
    Q_OBJECT
public:
    Affiche_Log(Services& services, const Activation_Affichee& activation, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Charger(const Activation_Affichee& activation);

    Services& m_services;
    QLabel* m_label3 = nullptr;
    QLabel* m_label2 = nullptr;
    QListWidget* m_liste_qso = nullptr;
    bool m_centree = false;
};
