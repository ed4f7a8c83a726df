#include "core/Texte1252.h"

#include <array>

namespace Maravel {

namespace {

// Unicode of the bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined, which stand
// for the C1 control of the same value, so that reading and rewriting a file changes no byte.
constexpr std::array<char16_t, 32> Plage_80_9F = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Unicode_De(unsigned char octet) {
    if (octet >= 0x80 && octet <= 0x9F) {
        const char16_t u = Plage_80_9F[octet - 0x80];
        return u != 0 ? u : octet;
    }
    return octet;
}

} // namespace

std::optional<char> Octet_1252(char16_t unite) {
    if (unite < 0x80 || (unite >= 0xA0 && unite <= 0xFF)) {
        return static_cast<char>(unite);
    }
    if (unite >= 0x80 && unite <= 0x9F && Plage_80_9F[unite - 0x80] == 0) {
        return static_cast<char>(unite);
    }
    for (std::size_t i = 0; i < Plage_80_9F.size(); ++i) {
        if (Plage_80_9F[i] == unite) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

bool Caractere_Admis(char16_t unite) {
    if (unite < 0x20 || (unite >= 0x7F && unite <= 0x9F)) {
        return false;
    }
    return Octet_1252(unite).has_value();
}

std::optional<std::string> Vers_1252(std::u16string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    for (const char16_t unite : texte) {
        const auto octet = Octet_1252(unite);
        if (!octet) {
            return std::nullopt;
        }
        octets.push_back(*octet);
    }
    return octets;
}

std::u16string Depuis_1252(std::string_view octets) {
    std::u16string texte;
    texte.reserve(octets.size());
    for (const char octet : octets) {
        texte.push_back(Unicode_De(static_cast<unsigned char>(octet)));
    }
    return texte;
}

std::u8string Utf8_Depuis_1252(std::string_view octets) {
    std::u8string utf8;
    utf8.reserve(octets.size());
    for (const char octet : octets) {
        const char16_t u = Unicode_De(static_cast<unsigned char>(octet));
        if (u < 0x80) {
            utf8.push_back(static_cast<char8_t>(u));
        } else if (u < 0x800) {
            utf8.push_back(static_cast<char8_t>(0xC0 | (u >> 6)));
            utf8.push_back(static_cast<char8_t>(0x80 | (u & 0x3F)));
        } else {
            utf8.push_back(static_cast<char8_t>(0xE0 | (u >> 12)));
            utf8.push_back(static_cast<char8_t>(0x80 | ((u >> 6) & 0x3F)));
            utf8.push_back(static_cast<char8_t>(0x80 | (u & 0x3F)));
        }
    }
    return utf8;
}

char Majuscule_1252(char octet) {
    const auto o = static_cast<unsigned char>(octet);
    if (o >= 'a' && o <= 'z') {
        return static_cast<char>(o - 32);
    }
    if (o >= 0xE0 && o <= 0xFE && o != 0xF7) { // à..þ except the division sign
        return static_cast<char>(o - 32);
    }
    switch (o) {
    case 0x9A: // š
        return static_cast<char>(0x8A);
    case 0x9C: // œ
        return static_cast<char>(0x8C);
    case 0x9E: // ž
        return static_cast<char>(0x8E);
    case 0xFF: // ÿ
        return static_cast<char>(0x9F);
    default:
        return octet;
    }
}

std::string Majuscules_1252(std::string_view octets) {
    std::string resultat(octets);
    for (char& c : resultat) {
        c = Majuscule_1252(c);
    }
    return resultat;
}

} // namespace Maravel

namespace Maravel {

namespace {

// The letters of U+0100 to U+017F without their marks; Ĳ and ĳ, two letters each, are spelt apart.
constexpr std::string_view Latin_Etendu_A = "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIi"
                                            "Ii..JjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSs"
                                            "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(Latin_Etendu_A.size() == 0x80);

// ASCII spellings of the bytes 0x80 to 0xFF; empty for what is no letter.
constexpr std::array<std::string_view, 128> Ascii_80_FF = {
    "",  "",  "",  "",  "",  "",  "",   "",  "",  "",  "S", "",  "OE", "",  "Z",  "",   // 0x80
    "",  "",  "",  "",  "",  "",  "",   "",  "",  "",  "s", "",  "oe", "",  "z",  "Y",  // 0x90
    "",  "",  "",  "",  "",  "",  "",   "",  "",  "",  "",  "",  "",   "",  "",   "",   // 0xA0
    "",  "",  "",  "",  "",  "",  "",   "",  "",  "",  "",  "",  "",   "",  "",   "",   // 0xB0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I",  "I", "I",  "I",  // 0xC0
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U",  "Y", "TH", "SS", // 0xD0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i",  "i", "i",  "i",  // 0xE0
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u",  "y", "th", "y"}; // 0xF0

// A character of a file from another program, added as Windows-1252; false when it cannot be.
bool Ajouter_Replie(std::string& sortie, char32_t c) {
    if (c <= 0xFFFF && Caractere_Admis(static_cast<char16_t>(c))) {
        sortie += *Octet_1252(static_cast<char16_t>(c));
    } else if (c == 0x132 || c == 0x133) {
        sortie += c == 0x132 ? "IJ" : "ij";
    } else if (c >= 0x100 && c <= 0x17F) {
        sortie += Latin_Etendu_A[c - 0x100];
    } else if (c >= 0x218 && c <= 0x21B) { // Romanian comma below
        sortie += "SsTt"[c - 0x218];
    } else if (c < 0x300 || c > 0x36F) { // a combining mark leaves its letter bare
        return false;
    }
    return true;
}

} // namespace

std::optional<std::u32string> Depuis_Utf8(std::string_view octets) {
    std::u32string texte;
    texte.reserve(octets.size());
    for (std::size_t i = 0; i < octets.size();) {
        const auto premier = static_cast<unsigned char>(octets[i]);
        const std::size_t suite = premier < 0x80 ? 0 : premier < 0xE0 ? 1 : premier < 0xF0 ? 2 : 3;
        if ((premier >= 0x80 && premier < 0xC2) || premier > 0xF4 || octets.size() - i <= suite) {
            return std::nullopt;
        }
        char32_t c = suite == 0 ? premier : premier & (0x3F >> suite);
        for (std::size_t k = 1; k <= suite; ++k) {
            const auto octet = static_cast<unsigned char>(octets[i + k]);
            if ((octet & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (octet & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (c < minimum[suite] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            return std::nullopt;
        }
        texte.push_back(c);
        i += suite + 1;
    }
    return texte;
}

std::optional<std::string> Vers_1252_Replie(std::u32string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    for (const char32_t c : texte) {
        if (!Ajouter_Replie(octets, c)) {
            return std::nullopt;
        }
    }
    return octets;
}

std::string Ascii_Depuis_1252(std::string_view octets) {
    std::string ascii;
    ascii.reserve(octets.size());
    for (const char octet : octets) {
        const auto o = static_cast<unsigned char>(octet);
        if (o >= 0x80) {
            ascii += Ascii_80_FF[o - 0x80];
        } else if (o >= 0x20 && o < 0x7F) {
            ascii += octet;
        }
    }
    return ascii;
}

} // namespace Maravel
