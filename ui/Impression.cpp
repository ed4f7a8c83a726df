#include "ui/Impression.h"

#include "ui/Sous_Programmes.h"

#include <QFontMetricsF>
#include <QPageSize>
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

bool Imprimante_QPrinter::Page_Prete() {
    if (m_erreur || !Commencer()) {
        m_erreur = true;
        return false;
    }
    if (m_page_a_tourner) {
        m_page_a_tourner = false;
        if (!m_imprimante.newPage()) {
            m_erreur = true;
            return false;
        }
        m_y = 0;
    }
    m_peintre->setFont(m_police);
    return true;
}

void Imprimante_QPrinter::Ligne(std::string_view texte) {
    if (!Page_Prete()) {
        return;
    }
    const QFontMetricsF mesures(m_police, &m_imprimante);
    if (m_y > 0 && m_y + mesures.height() > m_peintre->device()->height()) {
        if (!m_imprimante.newPage()) {
            m_erreur = true;
            return;
        }
        m_y = 0;
    }
    m_peintre->drawText(QPointF(0, m_y + mesures.ascent()), Depuis_1252(texte));
    m_y += mesures.lineSpacing();
}

QPointF Imprimante_QPrinter::Point(double x, double y) const {
    const double pixels_par_mm = m_imprimante.resolution() / 25.4;
    return {x * pixels_par_mm, y * pixels_par_mm};
}

void Imprimante_QPrinter::Texte(double x, double y, std::string_view texte) {
    if (Page_Prete()) {
        m_peintre->drawText(Point(x, y), Depuis_1252(texte));
    }
}

void Imprimante_QPrinter::Cadre(const Maravel::Rectangle_mm& cadre, bool gris) {
    if (!Page_Prete()) {
        return;
    }
    const QPen texte = m_peintre->pen();
    QPen trait(gris ? QColor(200, 200, 200) : QColor(Qt::black));
    trait.setWidthF(Point(0.2, 0).x());
    m_peintre->setPen(trait);
    m_peintre->setBrush(Qt::NoBrush);
    m_peintre->drawRect(QRectF(Point(cadre.x, cadre.y), Point(cadre.Droite(), cadre.Bas())));
    m_peintre->setPen(texte);
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

namespace {

QPageSize Taille_Page(Maravel::Papier_mm papier) {
    return QPageSize(QSizeF(papier.largeur, papier.hauteur), QPageSize::Millimeter);
}

} // namespace

// A label sheet is placed from the paper's own corner, so that no printer margin moves its grid; the
// paper is the sheet's, upright.
void Imprimante_QPrinter::Debut_Serie(Maravel::Papier_mm papier) {
    m_serie = true;
    m_page_hors_serie = m_imprimante.pageLayout();
    m_pleine_page_hors_serie = m_imprimante.fullPage();
    m_imprimante.setPageSize(Taille_Page(papier));
    m_imprimante.setPageOrientation(QPageLayout::Portrait);
    m_imprimante.setFullPage(true);
}

// A preview places its pages with the layout it finds after drawing: it stays until the preview closes.
bool Imprimante_QPrinter::Fin_Serie() {
    m_serie = false;
    const bool imprime = Fin_Document();
    if (!m_apercu) {
        m_imprimante.setPageLayout(m_page_hors_serie);
        m_imprimante.setFullPage(m_pleine_page_hors_serie);
    }
    return imprime;
}

// The printer's minimum margins depend on the paper: asked with the sheet's paper, then put back.
Maravel::Rectangle_mm Imprimante_QPrinter::Zone_Imprimable(Maravel::Papier_mm papier) const {
    const QPageLayout avant = m_imprimante.pageLayout();
    m_imprimante.setPageSize(Taille_Page(papier));
    m_imprimante.setPageOrientation(QPageLayout::Portrait);
    const QPageLayout page = m_imprimante.pageLayout();
    m_imprimante.setPageLayout(avant);
    const QRectF zone =
        QPageLayout(page.pageSize(), QPageLayout::Portrait, page.minimumMargins(), page.units())
            .paintRect(QPageLayout::Millimeter);
    return {zone.x(), zone.y(), zone.width(), zone.height()};
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
    const QPageLayout page = m_qprinter->pageLayout();
    const bool pleine_page = m_qprinter->fullPage();
    apercu.exec();
    m_qprinter->setPageLayout(page);
    m_qprinter->setFullPage(pleine_page);
}
