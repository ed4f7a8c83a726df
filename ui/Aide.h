#pragma once
// The Aide menu's texts and the user manual's window.

#include "ui/Services.h"

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The manual installed with the program: beside it, or in the shared data folder of an installed
// system. Empty when it is in neither place.
QString Chemin_Manuel();

// "Maravel  Revision" and the revision, an empty line, then the credit line.
QString Texte_A_Propos();

// The manual, opened at its contents, with its links and a way back; the program goes on meanwhile.
class Mode_Emploi : public QWidget {
    Q_OBJECT
public:
    // `chemin`: the manual's file, as Chemin_Manuel() finds it (empty: not found).
    explicit Mode_Emploi(const QString& chemin, QWidget* parent = nullptr);

    // Back to the contents, the reader's way back kept.
    void Sommaire();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QTextBrowser* m_texte = nullptr;
    QPushButton* m_retour = nullptr;
    QString m_chemin;
    bool m_centree = false;
};
