#pragma once
// Printing through Qt: the print dialog (which offers a PDF file), the line printer drawn on a QPrinter,
// and the print preview, which draws the same lines through the same code.

#include "core/Imprimante.h"

#include <QFont>
#include <QPageLayout>
#include <QPointF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

using Travail_Impression = std::function<void(Maravel::Imprimante_Lignes&)>;

// The platform service the windows print through.
class Impression {
public:
    virtual ~Impression() = default;
    // The printer-choice dialog; false when the operator cancels it, and then nothing may be printed.
    virtual bool Choisir_Imprimante(QWidget* parent) = 0;
    // The printer last chosen; its font stays from one job to the next, as a printer's does.
    virtual Maravel::Imprimante_Lignes& Imprimante() = 0;
    // Shows what `travail` prints, page by page, with a way to print it or to close.
    virtual void Apercu(QWidget* parent, const QString& titre, const Travail_Impression& travail) = 0;
};

// Lines drawn on a QPrinter (a real printer, a PDF file or a preview page), or texts placed on its paper
// in millimetres. A run of jobs on a file or in a preview becomes one document, one page per job: a second
// job would replace the first.
class Imprimante_QPrinter final : public Maravel::Imprimante_Lignes {
public:
    explicit Imprimante_QPrinter(QPrinter& imprimante, bool apercu = false);
    ~Imprimante_QPrinter() override;

    std::string Police() const override;
    void Police(std::string_view nom) override;
    double Taille() const override;
    void Taille(double points) override;
    bool Gras() const override;
    void Gras(bool gras) override;
    void Ligne(std::string_view texte) override;
    bool Fin_Document() override;
    void Annuler_Document() override;
    void Debut_Serie(Maravel::Papier_mm papier) override;
    bool Fin_Serie() override;
    Maravel::Rectangle_mm Zone_Imprimable(Maravel::Papier_mm papier) const override;
    void Texte(double x, double y, std::string_view texte) override;
    void Cadre(const Maravel::Rectangle_mm& cadre, bool gris) override;

private:
    bool Commencer();
    bool Page_Prete(); // the job begun, on a new page when the last one was ended
    bool Un_Document() const;
    QPointF Point(double x, double y) const;

    QPrinter& m_imprimante;
    std::unique_ptr<QPainter> m_peintre;
    QFont m_police;
    double m_y = 0;
    bool m_erreur = false;
    bool m_apercu = false;
    bool m_serie = false;
    bool m_page_a_tourner = false; // a job of the run ended: the next line starts a new page
    QPageLayout m_page_hors_serie;
    bool m_pleine_page_hors_serie = false;
};

class Impression_Qt final : public Impression {
public:
    Impression_Qt();
    ~Impression_Qt() override;
    bool Choisir_Imprimante(QWidget* parent) override;
    Maravel::Imprimante_Lignes& Imprimante() override;
    void Apercu(QWidget* parent, const QString& titre, const Travail_Impression& travail) override;

private:
    std::unique_ptr<QPrinter> m_qprinter;
    std::unique_ptr<Imprimante_QPrinter> m_imprimante;
};
