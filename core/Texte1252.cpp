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
