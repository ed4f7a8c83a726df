#include "ui/Saisie_QSO.h"

#include <QCloseEvent>

Saisie_QSO::Saisie_QSO(Services& services, const Source_Activation& setup, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_setup(setup) {
    setObjectName(QStringLiteral("Saisie_QSO"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("  Maravel    Revision ") + Revision);
    resize(1000, 680);
}

void Saisie_QSO::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    m_services.fin_programme();
}
