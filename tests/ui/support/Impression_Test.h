#pragma once
// A printer that records every call, and the print service that hands it out: the test says whether the
// print dialog is accepted and whether the job goes through.

#include "ui/Impression.h"
#include "ui/Sous_Programmes.h"

#include <QStringList>

class Imprimante_Test final : public Maravel::Imprimante_Lignes {
public:
    // "police Courier New", "taille 8", "gras 1", "ligne …", "texte 5.65 16.06 …" (x and y in mm),
    // "cadre 4.65 12.90 99.10 33.90 gris", "fin", "annule"
    QStringList appels;
    bool refuse = false;         // the printer refuses the job at its end
    double marges_minimales = 0; // mm, on every side of the paper

    std::string Police() const override { return m_police; }
    void Police(std::string_view nom) override {
        m_police = nom;
        appels << QStringLiteral("police ") + QString::fromStdString(std::string(nom));
    }
    double Taille() const override { return m_taille; }
    void Taille(double points) override {
        m_taille = points;
        appels << QStringLiteral("taille ") + QString::number(points);
    }
    bool Gras() const override { return m_gras; }
    void Gras(bool gras) override {
        m_gras = gras;
        appels << QStringLiteral("gras ") + QString::number(gras ? 1 : 0);
    }
    void Ligne(std::string_view texte) override { appels << QStringLiteral("ligne ") + Depuis_1252(texte); }
    bool Fin_Document() override {
        appels << QStringLiteral("fin");
        return !refuse;
    }
    void Annuler_Document() override { appels << QStringLiteral("annule"); }
    void Debut_Serie(Maravel::Papier_mm) override {}
    bool Fin_Serie() override { return true; }
    Maravel::Rectangle_mm Zone_Imprimable(Maravel::Papier_mm papier) const override {
        return {marges_minimales, marges_minimales, papier.largeur - 2 * marges_minimales,
                papier.hauteur - 2 * marges_minimales};
    }
    void Texte(double x, double y, std::string_view texte) override {
        appels << QStringList{"texte", Mm(x), Mm(y), Depuis_1252(texte)}.join(u' ');
    }
    void Cadre(const Maravel::Rectangle_mm& c, bool gris) override {
        appels << QStringList{"cadre", Mm(c.x), Mm(c.y), Mm(c.largeur), Mm(c.hauteur), gris ? "gris" : "noir"}
                      .join(u' ');
    }

private:
    static QString Mm(double mm) { return QString::number(mm, 'f', 2); }
    std::string m_police = "Arial";
    double m_taille = 10;
    bool m_gras = false;
};

class Impression_Test final : public Impression {
public:
    Imprimante_Test imprimante;
    bool accepter = true; // the answer to the print dialog
    int dialogues = 0;
    QStringList apercus;    // the titles of the previews shown
    Imprimante_Test apercu; // what the preview drew

    bool Choisir_Imprimante(QWidget*) override {
        ++dialogues;
        return accepter;
    }
    Maravel::Imprimante_Lignes& Imprimante() override { return imprimante; }
    void Apercu(QWidget*, const QString& titre, const Travail_Impression& travail) override {
        apercus << titre;
        travail(apercu);
    }
};
