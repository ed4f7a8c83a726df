#include "ui/Impression.h"

#include "ui/Sous_Programmes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

Imprimante_QPrinter::Imprimante_QPrinter(QPrinter& imprimante, bool apercu)
    : m_imprimante(imprimante), m_police(QFont()), m_apercu(apercu) {
    m_police.setPointSizeF(10);
}

// A job left unfinished is dropped, never sent half-printed.
Imprimante_QPrinter::~Imprimante_QPrinter() {
    Annuler_Document();
}

std::string Imprimante_QPrinter::Police() const {
    return Vers_1252(m_police.family());
}

void Imprimante_QPrinter::Police(std::string_view nom) {
    // Asked for by name: where "Courier New" is not installed, the system gives its metric twin.
    m_police.setFamily(Depuis_1252(nom));
    m_police.setStyleHint(QFont::TypeWriter);
}

double Imprimante_QPrinter::Taille() const {
    return m_police.pointSizeF();
}

void Imprimante_QPrinter::Taille(double points) {
    if (points > 0) {
        m_police.setPointSizeF(points);
    }
}

bool Imprimante_QPrinter::Gras() const {
    return m_police.bold();
}

void Imprimante_QPrinter::Gras(bool gras) {
    m_police.setBold(gras);
}

bool Imprimante_QPrinter::Commencer() {
    if (m_peintre && m_peintre->isActive()) {
        return true;
    }
    m_peintre = std::make_unique<QPainter>();
    m_y = 0;
    return m_peintre->begin(&m_imprimante);
}

void Imprimante_QPrinter::Ligne(std::string_view texte) {
    if (m_erreur || !Commencer()) {
        m_erreur = true;
        return;
    }
    m_peintre->setFont(m_police);
    const QFontMetricsF mesures(m_police, &m_imprimante);
    if (m_page_a_tourner || (m_y > 0 && m_y + mesures.height() > m_peintre->device()->height())) {
        m_page_a_tourner = false;
        if (!m_imprimante.newPage()) {
            m_erreur = true;
            return;
        }
        m_y = 0;
    }
    m_peintre->drawText(QPointF(0, m_y + mesures.ascent()), Depuis_1252(texte));
    m_y += mesures.lineSpacing();
}

bool Imprimante_QPrinter::Un_Document() const {
    return m_serie && (m_apercu || !m_imprimante.outputFileName().isEmpty());
}

bool Imprimante_QPrinter::Fin_Document() {
    if (Un_Document() && m_peintre && m_peintre->isActive()) {
        m_page_a_tourner = true;
        return !m_erreur;
    }
    m_page_a_tourner = false;
    bool imprime = !m_erreur;
    if (m_peintre && m_peintre->isActive()) {
        imprime = m_peintre->end() && imprime;
    }
    imprime = imprime && m_imprimante.printerState() != QPrinter::Error;
    m_peintre.reset();
    m_erreur = false;
    m_y = 0;
    return imprime;
}

// A label sheet is laid out from the top of what the printer can reach: with the toolkit's own 10 mm
// margins the eight rows of an A4 sheet would spill onto a second page.
void Imprimante_QPrinter::Debut_Serie() {
    m_serie = true;
    m_marges_hors_serie = m_imprimante.pageLayout().margins();
    m_imprimante.setPageMargins(QMarginsF(), m_imprimante.pageLayout().units());
}

// A preview places its pages with the margins it finds after drawing: they stay until it closes.
bool Imprimante_QPrinter::Fin_Serie() {
    m_serie = false;
    const bool imprime = Fin_Document();
    if (!m_apercu) {
        m_imprimante.setPageMargins(m_marges_hors_serie, m_imprimante.pageLayout().units());
    }
    return imprime;
}

void Imprimante_QPrinter::Annuler_Document() {
    m_page_a_tourner = false;
    if (m_peintre && m_peintre->isActive()) {
        m_imprimante.abort();
        m_peintre->end();
    }
    m_peintre.reset();
    m_erreur = false;
    m_y = 0;
}

Impression_Qt::Impression_Qt()
    : m_qprinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_imprimante(std::make_unique<Imprimante_QPrinter>(*m_qprinter)) {}

Impression_Qt::~Impression_Qt() = default;

bool Impression_Qt::Choisir_Imprimante(QWidget* parent) {
    QPrintDialog dialogue(m_qprinter.get(), parent);
    return dialogue.exec() == QDialog::Accepted;
}

Maravel::Imprimante_Lignes& Impression_Qt::Imprimante() {
    return *m_imprimante;
}

void Impression_Qt::Apercu(QWidget* parent, const QString& titre, const Travail_Impression& travail) {
    QPrintPreviewDialog apercu(m_qprinter.get(), parent);
    apercu.setWindowTitle(titre);
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu, [&travail](QPrinter* page) {
        Imprimante_QPrinter imprimante(*page, true);
        travail(imprimante);
        imprimante.Fin_Document();
    });
    apercu.resize(Zone_Disponible(parent).size() * 0.8);
    const QMarginsF marges = m_qprinter->pageLayout().margins();
    apercu.exec();
    m_qprinter->setPageMargins(marges, m_qprinter->pageLayout().units());
}
