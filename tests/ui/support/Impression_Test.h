#pragma once
// The print service that hands out a recording printer: the test says whether the print dialog is
// accepted and whether the job goes through.

#include "tests/core/Imprimante_Enregistreuse.h"
#include "ui/Impression.h"
#include "ui/Sous_Programmes.h"

#include <QStringList>

// What a recording printer received, as the operator reads it.
inline QStringList Appels(const Imprimante_Enregistreuse& imprimante) {
    QStringList appels;
    for (const auto& appel : imprimante.appels) {
        appels << Depuis_1252(appel);
    }
    return appels;
}

class Impression_Test final : public Impression {
public:
    Imprimante_Enregistreuse imprimante;
    bool accepter = true; // the answer to the print dialog
    int dialogues = 0;
    QStringList apercus;             // the titles of the previews shown
    Imprimante_Enregistreuse apercu; // what the preview drew

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
