#pragma once
// The label sheets: format, model, the station printed on every label, the calibration of the grid, and
// the print run of the print list, sheet by sheet, through the print dialog or into a preview; a test
// sheet to check the calibration.

#include "ui/Activation_Courante.h"
#include "ui/Services.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace Maravel {
enum class Contours;
struct Choix_Etiquettes;
struct Page_Etiquettes;
struct Valeurs_Communes;
} // namespace Maravel

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class Etiquettes : public QWidget {
    Q_OBJECT
public:
    // The print list and the activation are read at each run: the selection may have changed since.
    Etiquettes(Services& services, std::function<std::vector<std::string>()> liste_imprime,
               std::function<Activation_Affichee()> activation, QWidget* parent = nullptr);

private:
    void Imprime_Click();
    void Apercu_Click();
    void Page_Essai_Click();
    void Imprimer(const std::vector<Maravel::Page_Etiquettes>& pages, const Maravel::Choix_Etiquettes& choix,
                  const QString& echec);
    double Decalage_Lu(const QString& cle);
    bool Station_Admise();
    Maravel::Valeurs_Communes Communes() const;
    Maravel::Choix_Etiquettes Choix(Maravel::Contours contours) const;

    Services& m_services;
    std::function<std::vector<std::string>()> m_liste_imprime;
    std::function<Activation_Affichee()> m_activation;
    QRadioButton* m_type_1 = nullptr;
    QRadioButton* m_etiqu[4] = {};
    QLineEdit* m_rxtx = nullptr;
    QLineEdit* m_antenne = nullptr;
    QCheckBox* m_arret_imp = nullptr;
    QSpinBox* m_premiere = nullptr;
    QDoubleSpinBox* m_decalage_h = nullptr;
    QDoubleSpinBox* m_decalage_v = nullptr;
};
