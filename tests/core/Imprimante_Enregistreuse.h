#pragma once
// A printer that records every call, texts in Windows-1252 as they come, x, y and sizes in mm: "police
// Courier New", "taille 8", "gras 1", "ligne …", "texte 5.65 16.06 …", "cadre 4.65 12.90 99.10 33.90 gris",
// "fin", "annule". The core's tests and the windows' share it.

#include "core/Imprimante.h"

#include <cstdio>
#include <string>
#include <vector>

class Imprimante_Enregistreuse final : public Maravel::Imprimante_Lignes {
public:
    std::vector<std::string> appels;
    bool refuse = false;         // the printer refuses the job at its end
    double marges_minimales = 0; // mm, on every side of the paper

    std::string Police() const override { return m_police; }
    void Police(std::string_view nom) override { appels.push_back("police " + (m_police = nom)); }
    double Taille() const override { return m_taille; }
    void Taille(double points) override { appels.push_back("taille " + Nombre("%g", m_taille = points)); }
    bool Gras() const override { return m_gras; }
    void Gras(bool gras) override { appels.push_back((m_gras = gras) ? "gras 1" : "gras 0"); }
    void Ligne(std::string_view texte) override { appels.push_back("ligne " + std::string(texte)); }
    bool Fin_Document() override {
        appels.push_back("fin");
        return !refuse;
    }
    void Annuler_Document() override { appels.push_back("annule"); }
    void Debut_Serie(Maravel::Papier_mm) override {}
    bool Fin_Serie() override { return true; }
    Maravel::Rectangle_mm Zone_Imprimable(Maravel::Papier_mm papier) const override {
        return {marges_minimales, marges_minimales, papier.largeur - 2 * marges_minimales,
                papier.hauteur - 2 * marges_minimales};
    }
    void Texte(double x, double y, std::string_view texte) override {
        appels.push_back("texte " + Mm(x) + " " + Mm(y) + " " + std::string(texte));
    }
    void Cadre(const Maravel::Rectangle_mm& c, bool gris) override {
        appels.push_back("cadre " + Mm(c.x) + " " + Mm(c.y) + " " + Mm(c.largeur) + " " + Mm(c.hauteur) +
                         (gris ? " gris" : " noir"));
    }

private:
    static std::string Nombre(const char* format, double valeur) {
        char texte[32];
        std::snprintf(texte, sizeof texte, format, valeur);
        return texte;
    }
    static std::string Mm(double mm) { return Nombre("%.2f", mm); }
    std::string m_police = "Arial";
    double m_taille = 10;
    bool m_gras = false;
};
