#pragma once
// "Radio…": the transceiver model from Hamlib's list, its port and speed, and a trial connection.

#include "ui/Radio.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class Choix_Radio : public QDialog {
    Q_OBJECT
public:
    Choix_Radio(Radio& radio, const Reglage_Radio& actuel, QWidget* parent = nullptr);

    // What the dialog shows now.
    Reglage_Radio Reglage() const;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Filtrer(const QString& texte);
    void Modele_Change();
    void Tester_Click();
    void Resultat_Test(const Lecture_Radio& lecture);
    const Modele_Radio* Modele_Choisi() const;

    Radio& m_radio;
    QLineEdit* m_filtre = nullptr;
    QListWidget* m_modeles = nullptr;
    QComboBox* m_port = nullptr;
    QComboBox* m_vitesse = nullptr;
    QPushButton* m_tester = nullptr;
    QLabel* m_resultat = nullptr;
};
