#pragma once
// The column header above a QSO list. Its text is the program's fixed header line; each of its words is
// drawn over the list column it names, so the header lines up with the fixed-pitch list whatever the
// blanks of the text.

#include <QLabel>

#include <vector>

class QListWidget;

// The columns of the words of a QSO list's header when the log line starts in list column `debut_ligne`:
// the number, the date, the time, the callsign, the department, the first name, "RST R" and "E" over the
// two reports, the mode, the band, the remarks.
std::vector<int> Colonnes_Entete_Log(int debut_ligne);

class Entete_Colonnes final : public QLabel {
public:
    // One list column (1-based, in characters) per word of the header, in order.
    Entete_Colonnes(std::vector<int> colonnes, QWidget* parent = nullptr);

    // Puts the header and the list in the fixed-pitch font, the header's words over the list's columns,
    // also when a narrow screen makes the list scroll sideways.
    void Poser_Sur(QListWidget* liste);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::vector<int> m_colonnes;
    int m_decalage = 0; // pixels the list is scrolled to the left
};
