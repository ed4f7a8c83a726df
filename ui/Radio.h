#pragma once
// The radio, as the windows see it: its settings, the readings of its frequency and mode, and a trial
// connection. The program follows it through Hamlib on a thread of its own (radio/): a window only ever
// receives readings, on its own thread, and never waits for the radio.

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class Messages;
class Reglages;

struct Reglage_Radio {
    int modele = 0;  // Hamlib's model number; 0: no radio
    QString port;    // a serial port, or « hôte:port » of a rigctld; empty: the model's own
    int vitesse = 0; // bauds; 0: the model's own
    bool operator==(const Reglage_Radio&) const = default;
};

enum class Sorte_Port { Aucun, Serie, Reseau, Autre };

struct Modele_Radio {
    int numero = 0;
    QString libelle; // maker and model, as Hamlib names them
    Sorte_Port port = Sorte_Port::Autre;
};

struct Lecture_Radio {
    Reglage_Radio reglage; // the radio read
    bool repond = false;
    double hertz = 0;
    QString mode;          // the radio's own name ("USB", "PKTUSB"...)
    QString raison;        // why it does not answer, in French
    bool premiere = false; // the first reading since connecting
};

class Radio : public QObject {
    Q_OBJECT
public:
    // Hamlib's models, by maker and model.
    virtual const std::vector<Modele_Radio>& Modeles() const = 0;
    // The serial ports of this computer.
    virtual QStringList Ports() const = 0;
    // Follows this radio about once a second, and reconnects by itself; model 0 follows none.
    virtual void Suivre(const Reglage_Radio& reglage) = 0;
    // One connection and one reading, answered through Testee.
    virtual void Tester(const Reglage_Radio& reglage) = 0;

Q_SIGNALS:
    void Lue(const Lecture_Radio& lecture);
    void Testee(const Lecture_Radio& lecture);
};

// The speeds offered; 0 is the model's own.
inline constexpr int Vitesses_Radio[] = {0, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
inline constexpr qsizetype Longueur_Port_Radio = 200;

// « Radio : 7,030 MHz CW », « Radio : pas de réponse (…) ».
QString Texte_Etat_Radio(const Lecture_Radio& lecture);

// "Radio Modele", "Radio Port" and "Radio Vitesse", through the checks of any stored value: a value the
// program cannot use is told and read as none.
Reglage_Radio Lire_Reglage_Radio(const Reglages& reglages, Messages& messages, const Radio& radio);
void Ecrire_Reglage_Radio(Reglages& reglages, const Reglage_Radio& reglage);
