#pragma once
// Reading ADIF files written by other logging programs (the tagged text form, .adi): what real files hold,
// not only what the format allows.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Maravel {

struct Champ_Adif {
    std::string_view Nom;    // as written, any case
    std::string_view Valeur; // raw bytes of the file, in whatever encoding it used
};
using Enregistrement_Adif_Lu = std::vector<Champ_Adif>;

struct Lecture_Adif {
    bool Lisible = true;
    // Views into the text read, which must outlive them; the header's fields are not among them.
    std::vector<Enregistrement_Adif_Lu> Enregistrements;
    // Where reading stopped when the text cannot be read as ADIF: its line (from 1), the field's name as
    // written (empty when no field is to blame) and why, in French (Windows-1252).
    std::size_t Ligne = 0;
    std::string Champ;
    std::string Raison;
};

// The records of an ADIF text: with or without a header, tags in any case with or without a type
// indicator, any text between fields, LF or CR LF. A length that another program got wrong never lets a
// value swallow the next tag, and a value cut short of the text that follows it up to the next tag, by
// about one character, is given that text back. Unreadable: an empty text, no record at all, a length
// that runs past the end, or fields after the last end of record.
Lecture_Adif Lire_Adif(std::string_view texte);

// True when a well-formed tag starts at `position` ("<EOR>", "<EOH>", or a field's "<NOM:n>" or
// "<NOM:n:T>", any case).
bool Balise_Adif(std::string_view texte, std::size_t position);

// The first value of the field named `nom` (in capitals) in a record.
std::optional<std::string_view> Valeur_Adif(const Enregistrement_Adif_Lu& enregistrement,
                                            std::string_view nom);

// A value as Windows-1252 text, its blanks and line ends around it removed: read as UTF-8 when it is
// well-formed UTF-8 (letters the code page cannot hold folded), as Windows-1252 otherwise. Nothing when a
// character can be neither held nor folded, or is a control character.
std::optional<std::string> Texte_Adif(std::string_view valeur);

// Field specifier and value as this program writes them: "<NOM:n>" then the value, n counting its bytes.
void Ecrire_Champ_Adif(std::string& sortie, std::string_view nom, std::string_view valeur);

} // namespace Maravel
