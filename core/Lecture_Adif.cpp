#include "core/Lecture_Adif.h"

#include "core/Texte1252.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Maravel {

namespace {

bool Lettre_De_Nom(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool Chiffre(char c) {
    return c >= '0' && c <= '9';
}

bool Blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool Meme_Nom(std::string_view nom, std::string_view capitales) {
    return std::equal(nom.begin(), nom.end(), capitales.begin(), capitales.end(), [](char a, char b) {
        return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 32) : a) == b;
    });
}

struct Balise {
    std::string_view nom;
    bool avec_longueur = false;
    std::size_t longueur = 0; // SIZE_MAX when the digits run past what any text can hold
    std::size_t fin = 0;      // just after ">"
};

// The tag at `position` (a "<"), or nothing when the "<" starts no tag: a field needs ":" and digits,
// "<EOR>" and "<EOH>" none. Other names without length, as "<APP>", are tags that carry nothing.
std::optional<Balise> Lire_Balise(std::string_view texte, std::size_t position) {
    std::size_t i = position + 1;
    while (i < texte.size() && Lettre_De_Nom(texte[i])) {
        ++i;
    }
    Balise balise{texte.substr(position + 1, i - position - 1)};
    if (balise.nom.empty() || i >= texte.size()) {
        return std::nullopt;
    }
    if (texte[i] == ':') {
        const std::size_t chiffres = ++i;
        for (; i < texte.size() && Chiffre(texte[i]); ++i) {
            const std::size_t chiffre = static_cast<std::size_t>(texte[i] - '0');
            balise.longueur =
                balise.longueur > (SIZE_MAX - chiffre) / 10 ? SIZE_MAX : balise.longueur * 10 + chiffre;
        }
        if (i == chiffres) {
            return std::nullopt;
        }
        if (i < texte.size() && texte[i] == ':') { // the type indicator
            const std::size_t type = ++i;
            while (i < texte.size() && Lettre_De_Nom(texte[i])) {
                ++i;
            }
            if (i == type) {
                return std::nullopt;
            }
        }
        balise.avec_longueur = true;
    }
    if (i >= texte.size() || texte[i] != '>') {
        return std::nullopt;
    }
    balise.fin = i + 1;
    return balise;
}

// Characters of a value for the recovery of a miscount: a program that counted characters instead of the
// bytes of its UTF-8 is then off by exactly the bytes it forgot.
std::size_t Caracteres(std::string_view valeur) {
    return static_cast<std::size_t>(std::count_if(
        valeur.begin(), valeur.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view Sans_Blancs_Autour(std::string_view valeur) {
    while (!valeur.empty() && Blanc(valeur.front())) {
        valeur.remove_prefix(1);
    }
    while (!valeur.empty() && Blanc(valeur.back())) {
        valeur.remove_suffix(1);
    }
    return valeur;
}

// The value of a field whose data starts at `debut` with `longueur` bytes announced, and where reading
// goes on after it.
std::pair<std::string_view, std::size_t> Valeur_Recuperee(std::string_view texte, std::size_t debut,
                                                          std::size_t longueur) {
    std::string_view valeur = texte.substr(debut, longueur);
    // Announced too long: the value stops where the next tag starts.
    for (std::size_t p = valeur.find('<'); p != std::string_view::npos; p = valeur.find('<', p + 1)) {
        if (Balise_Adif(texte, debut + p)) {
            return {valeur.substr(0, p), debut + p};
        }
    }
    // Announced too short: the text up to the next tag is the rest of the value, when it is about one
    // character; anything longer is text between fields, which the format allows.
    const std::size_t fin = debut + longueur;
    const std::size_t suivante = std::min(texte.find('<', fin), texte.size());
    const std::string_view entre = texte.substr(fin, suivante - fin);
    if (std::all_of(entre.begin(), entre.end(), Blanc)) {
        return {valeur, fin};
    }
    std::string_view prolongee = texte.substr(debut, suivante - debut);
    while (Blanc(prolongee.back())) {
        prolongee.remove_suffix(1);
    }
    if (Caracteres(prolongee) <= longueur + 1) {
        return {prolongee, debut + prolongee.size()};
    }
    return {valeur, fin};
}

class Lecteur {
public:
    explicit Lecteur(std::string_view texte) : m_texte(texte) {}

    Lecture_Adif Lire() {
        bool entete_lue = false;
        for (std::size_t position = m_texte.find('<'); position != std::string_view::npos;
             position = m_texte.find('<', position)) {
            const auto balise = Lire_Balise(m_texte, position);
            if (!balise) {
                ++position; // a "<" in text between fields
                continue;
            }
            if (!balise->avec_longueur) {
                if (Meme_Nom(balise->nom, "EOR") && !m_champs.empty()) {
                    m_lecture.Enregistrements.push_back(std::move(m_champs));
                    m_champs.clear();
                } else if (Meme_Nom(balise->nom, "EOH") && !entete_lue && m_lecture.Enregistrements.empty()) {
                    entete_lue = true;
                    m_champs.clear(); // the header's own fields
                }
                position = balise->fin;
                continue;
            }
            if (balise->longueur > m_texte.size() - balise->fin) {
                return Echec(position, balise->nom, "le fichier se termine avant la fin de ce champ");
            }
            const auto [valeur, suite] = Valeur_Recuperee(m_texte, balise->fin, balise->longueur);
            m_champs.push_back({balise->nom, valeur});
            m_dernier = position;
            position = suite;
        }
        if (!m_champs.empty()) {
            return Echec(m_dernier, m_champs.back().Nom,
                         "le fichier se termine avant la fin de l'enregistrement");
        }
        if (m_lecture.Enregistrements.empty() && !entete_lue) {
            return Echec(m_texte.size(), {},
                         Sans_Blancs_Autour(m_texte).empty() ? "le fichier est vide"
                                                             : "il ne contient aucun enregistrement ADIF");
        }
        return std::move(m_lecture);
    }

private:
    Lecture_Adif Echec(std::size_t position, std::string_view champ, std::string_view raison) {
        Lecture_Adif echec;
        echec.Lisible = false;
        echec.Ligne =
            1 + static_cast<std::size_t>(std::count(m_texte.begin(), m_texte.begin() + position, '\n'));
        echec.Champ = Majuscules_1252(champ);
        echec.Raison = raison;
        return echec;
    }

    std::string_view m_texte;
    Lecture_Adif m_lecture;
    Enregistrement_Adif_Lu m_champs;
    std::size_t m_dernier = 0;
};

} // namespace

bool Balise_Adif(std::string_view texte, std::size_t position) {
    if (position >= texte.size() || texte[position] != '<') {
        return false;
    }
    const auto balise = Lire_Balise(texte, position);
    return balise && (balise->avec_longueur || Meme_Nom(balise->nom, "EOR") || Meme_Nom(balise->nom, "EOH"));
}

Lecture_Adif Lire_Adif(std::string_view texte) {
    return Lecteur(texte).Lire();
}

std::optional<std::string_view> Valeur_Adif(const Enregistrement_Adif_Lu& enregistrement,
                                            std::string_view nom) {
    for (const auto& champ : enregistrement) {
        if (Meme_Nom(champ.Nom, nom)) {
            return champ.Valeur;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Texte_Adif(std::string_view valeur) {
    valeur = Sans_Blancs_Autour(valeur);
    if (const auto unicode = Depuis_Utf8(valeur)) {
        return Vers_1252_Replie(*unicode);
    }
    std::u32string unicode;
    for (const char16_t c : Depuis_1252(valeur)) {
        unicode.push_back(c);
    }
    return Vers_1252_Replie(unicode);
}

void Ecrire_Champ_Adif(std::string& sortie, std::string_view nom, std::string_view valeur) {
    sortie += '<';
    sortie += nom;
    sortie += ':';
    sortie += std::to_string(valeur.size());
    sortie += '>';
    sortie += valeur;
}

} // namespace Maravel
