#pragma once
// Text inside core/ is Windows-1252: one byte, one character, one column.
// The windows convert at their boundary through this one pair.

#include <optional>
#include <string>
#include <string_view>

namespace Maravel {

// The Windows-1252 byte of a UTF-16 code unit, or nothing when the code page cannot hold it. The five
// undefined bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D travel as U+0081, U+008D, U+008F, U+0090 and U+009D.
std::optional<char> Octet_1252(char16_t unite);

// True for a character that may be typed into a field: Windows-1252 can hold it and it is no control
// character (line breaks, tabulations, DEL and the C1 range are all refused).
bool Caractere_Admis(char16_t unite);

// Nothing when one character of the text cannot be stored in Windows-1252.
std::optional<std::string> Vers_1252(std::u16string_view texte);
std::u16string Depuis_1252(std::string_view octets);

// UTF-8 spelling of Windows-1252 text, for file names.
std::u8string Utf8_Depuis_1252(std::string_view octets);

// Capitals as the program stores them: a-z and the accented small letters of the code page.
std::string Majuscules_1252(std::string_view octets);
char Majuscule_1252(char octet);

} // namespace Maravel

namespace Maravel {

// ---- Text from other programs, and text for programs that read only ASCII ----

// The characters of UTF-8 bytes; nothing when the bytes are not well-formed UTF-8.
std::optional<std::u32string> Depuis_Utf8(std::string_view octets);

// Windows-1252 text of any characters: a letter the code page cannot hold becomes its letter without its
// mark (Ł → L, ș → s, a combining accent is dropped). Nothing when a character can be neither held nor
// folded, or is a control character.
std::optional<std::string> Vers_1252_Replie(std::u32string_view texte);

// The ASCII spelling of Windows-1252 text: accented letters become their letter ("HÉLÈNE" → "HELENE"),
// Œ → OE, Æ → AE, ß → SS; every other character outside printable ASCII is left out.
std::string Ascii_Depuis_1252(std::string_view octets);

} // namespace Maravel
