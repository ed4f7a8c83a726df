#pragma once
// The radio's frequency and mode as the entry window's band and mode, and which readings move them.

#include <optional>
#include <string>
#include <string_view>

namespace Maravel {

// The band as the entry window lists it or as an operator would type it, for a frequency in Hz, by the
// ADIF band edges; nothing outside the bands the window knows.
std::optional<std::string_view> Bande_Radio(double hertz);

// The entry window's mode for a mode name as Hamlib gives it ("USB", "CWR"...); nothing for the data
// modes and every other one, which the operator types himself (FT8, PSK...).
std::optional<std::string_view> Mode_Radio(std::string_view nom);

// A frequency a radio can be on: a garbled answer (not a number, zero, negative, absurd) is not one.
bool Frequence_Plausible(double hertz);

// "7,030 MHz": to the kHz, with the decimal comma.
std::string Texte_Frequence(double hertz);

struct Lecture_Poste {
    double hertz = 0;
    std::string mode;      // the radio's own name
    bool premiere = false; // the first reading since the program connected to the radio
};

struct Changement_Radio {
    std::optional<std::string_view> bande;
    std::optional<std::string_view> mode;
};

// Which readings move the band and the mode, so that what the operator typed stays until the radio
// moves: a band applies when the radio has left the band it was in at the last reading followed (the
// outside of the known bands counting as one, which applies nothing), a mode when the radio's mode name
// changed; the first reading after connecting is a change. A suspended reading is not followed at all,
// so that a move made meanwhile applies as soon as the window follows again.
class Suivi_Radio {
public:
    Changement_Radio Lire(const Lecture_Poste& lecture, bool suspendu);

private:
    std::optional<std::string> m_bande; // nothing: no reading followed since connecting
    std::optional<std::string> m_mode;
};

} // namespace Maravel
