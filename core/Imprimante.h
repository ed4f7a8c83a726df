#pragma once
// The line printer the report and the labels are written against: a font (name, size, bold), one line
// at a time down the page, the end of the job or its cancellation. The windows give it a real printer,
// a print preview or, in tests, a recorder.

#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

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

    // A run of jobs, one per label sheet. A printer that cannot take a second job into the same place (a
    // file, a preview) gathers the run's jobs as the pages of one document, written at the end of the run;
    // false when it could not be.
    virtual void Debut_Serie() {}
    virtual bool Fin_Serie() { return true; }
};

// Prints the lines as one job in the given font, then puts the printer's font name and size back and
// bold off. False when the job could not be printed.
bool Imprimer_Lignes(Imprimante_Lignes& imprimante, std::string_view police, double taille, bool gras,
                     const std::vector<std::string>& lignes);

} // namespace Maravel
