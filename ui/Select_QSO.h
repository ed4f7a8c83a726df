#pragma once
// The choice of the QSOs whose labels are printed: the log's QSOs in one list, the print list in the
// other, both in callsign order; a click moves a QSO across. Read once from the log when it opens.

#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class Etiquettes;
class QListWidget;
class QListWidgetItem;

class Select_QSO : public QWidget {
    Q_OBJECT
public:
    // `activation` gives the activation the entry window shows now: its log is read here, and the label
    // window reads its fields at each print run.
    Select_QSO(Services& services, std::function<Activation_Affichee()> activation,
               QWidget* parent = nullptr);

    // The print list, in the order the labels are printed.
    const std::vector<std::string>& Lignes_Imprime() const { return m_imprime; }

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Charger();
    void Deplacer(QListWidgetItem* item, QListWidget* depuis, std::vector<std::string>& lignes_depuis,
                  QListWidget* vers, std::vector<std::string>& lignes_vers);
    void Select_All_Click();
    void Impression_Click();
    void Placer_A_Cote(QWidget* etiquettes);

    Services& m_services;
    std::function<Activation_Affichee()> m_activation;
    QListWidget* m_liste_qso = nullptr;
    QListWidget* m_liste_imprime = nullptr;
    // The lists' lines in Windows-1252, in the lists' order.
    std::vector<std::string> m_qso;
    std::vector<std::string> m_imprime;
    QPointer<Etiquettes> m_etiquettes;
    bool m_centree = false;
};
