#include "core/Radio.h"

#include "core/Sorties.h"

#include <array>
#include <cmath>

namespace Maravel {

namespace {

struct Correspondance {
    std::string_view radio;
    std::string_view fenetre;
};

// By the ADIF name of the band that holds the frequency: its edges are those of the ADIF export.
constexpr std::array<Correspondance, 14> Bandes = {{
    {"160m", "1.8"},
    {"80m", "3.5"},
    {"60m", "5.3"},
    {"40m", "7"},
    {"30m", "10"},
    {"20m", "14"},
    {"17m", "18"},
    {"15m", "21"},
    {"12m", "24"},
    {"10m", "28"},
    {"6m", "50"},
    {"4m", "70"},
    {"2m", "144"},
    {"70cm", "432"},
}};

// Hamlib's names. Reverse CW and reverse-shift RTTY are still CW and RTTY on the air.
constexpr std::array<Correspondance, 8> Modes = {{
    {"USB", "SSB"},
    {"LSB", "SSB"},
    {"CW", "CW"},
    {"CWR", "CW"},
    {"AM", "AM"},
    {"FM", "FM"},
    {"RTTY", "RTTY"},
    {"RTTYR", "RTTY"},
}};

template <std::size_t N>
std::optional<std::string_view> Chercher(const std::array<Correspondance, N>& table, std::string_view radio) {
    for (const auto& ligne : table) {
        if (ligne.radio == radio) {
            return ligne.fenetre;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> Bande_Radio(double hertz) {
    // Hz to MHz is exact at every edge: both sides are the nearest double to the same decimal.
    const auto adif = Bande_Adif_Mhz(hertz / 1e6);
    return adif.empty() ? std::nullopt : Chercher(Bandes, adif);
}

std::optional<std::string_view> Mode_Radio(std::string_view nom) {
    return Chercher(Modes, nom);
}

bool Frequence_Plausible(double hertz) {
    return std::isfinite(hertz) && hertz > 0 && hertz < 1e12;
}

std::string Texte_Frequence(double hertz) {
    const long long khz = std::llround(hertz / 1000);
    const std::string decimales = std::to_string(khz % 1000);
    return std::to_string(khz / 1000) + ',' + std::string(3 - decimales.size(), '0') + decimales + " MHz";
}

Changement_Radio Suivi_Radio::Lire(const Lecture_Poste& lecture, bool suspendu) {
    if (lecture.premiere) {
        m_bande.reset();
        m_mode.reset();
    }
    if (suspendu) {
        return {};
    }
    Changement_Radio changement;
    const auto bande = Bande_Radio(lecture.hertz);
    if (const std::string vue(bande.value_or("")); m_bande != vue) {
        m_bande = vue;
        changement.bande = bande;
    }
    if (m_mode != lecture.mode) {
        m_mode = lecture.mode;
        changement.mode = Mode_Radio(lecture.mode);
    }
    return changement;
}

} // namespace Maravel
