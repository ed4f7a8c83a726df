#pragma once
// The printer the report and the labels are written against: a font (name, size, bold), and either one
// line at a time down the page (the report) or texts set at places on the paper (the label sheets); the
// end of the job or its cancellation. The windows give it a real printer, a print preview or, in tests, a
// recorder.

#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

// Millimetres from the top-left corner of the paper itself: the printer's margins never move them.
struct Rectangle_mm {
    double x = 0, y = 0, largeur = 0, hauteur = 0;
    double Droite() const { return x + largeur; }
    double Bas() const { return y + hauteur; }
};

struct Papier_mm {
    double largeur = 0, hauteur = 0;
};

class Imprimante_Lignes {
public:
    virtual ~Imprimante_Lignes() = default;

    virtual std::string Police() const = 0;
    virtual void Police(std::string_view nom) = 0;
    virtual double Taille() const = 0;
    virtual void Taille(double points) = 0;
    virtual bool Gras() const = 0;
    virtual void Gras(bool gras) = 0;

    // One line of Windows-1252 text at the current position, then down by the line height of the current
    // font; a new page when the next line does not fit. The first line of a job starts it.
    virtual void Ligne(std::string_view texte) = 0;
    // Sends the job to the printer; false when it could not be printed (no printer, job refused).
    virtual bool Fin_Document() = 0;
    // Drops the job begun: nothing of it is printed.
    virtual void Annuler_Document() = 0;

    // A run of jobs, one per label sheet, on this paper upright, placed from its own corner. A printer
    // that cannot take a second job into the same place (a file, a preview) gathers the run's jobs as the
    // pages of one document, written at the end of the run; false when it could not be.
    virtual void Debut_Serie(Papier_mm papier) = 0;
    virtual bool Fin_Serie() = 0;
    // What the printer can reach on that paper upright: the paper less its minimum margins.
    virtual Rectangle_mm Zone_Imprimable(Papier_mm papier) const = 0;
    // During a run: a text in the current font, its first column at x and its baseline at y; a thin
    // outline, light grey or black.
    virtual void Texte(double x, double y, std::string_view texte) = 0;
    virtual void Cadre(const Rectangle_mm& cadre, bool gris) = 0;
};

// Prints the lines as one job in the given font, then puts the printer's font name and size back and
// bold off. False when the job could not be printed.
bool Imprimer_Lignes(Imprimante_Lignes& imprimante, std::string_view police, double taille, bool gras,
                     const std::vector<std::string>& lignes);

} // namespace Maravel
