#pragma once
// Finds logged QSOs by callsign or by date among the entry window's list lines as they stand, and makes
// the one the operator clicks the entry window's current line.

#include "ui/Services.h"

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

class Recherche_Indicatif : public QWidget {
    Q_OBJECT
public:
    // `liste_qso`: the entry window's list; choosing one of its lines there makes it the current line.
    Recherche_Indicatif(Services& services, QListWidget* liste_qso, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void Entree_Indica();
    void Entree_Data();
    void Rechercher();
    void QSO_Effectues_Click(QListWidgetItem* resultat);

    Services& m_services;
    QPointer<QListWidget> m_liste_qso;
    QRadioButton* m_option_indicatif = nullptr;
    QRadioButton* m_option_date = nullptr;
    QLineEdit* m_indica = nullptr;
    QLineEdit* m_data = nullptr;
    QListWidget* m_qso_effectues = nullptr;
    bool m_centree = false;
};
