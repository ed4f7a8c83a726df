// Every byte decodes to one character that encodes back to it; whatever text encodes decodes back to itself;
// a character admitted in a field is a printable one the code page holds.
#include "Propriete.h"
#include "core/Texte1252.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* donnees, std::size_t taille) {
    const std::string octets = Octets_Fuzz(donnees, taille);
    EXIGER(Maravel::Vers_1252(Maravel::Depuis_1252(octets)) == octets);
    std::u16string texte(taille / 2, u'\0');
    std::memcpy(texte.data(), donnees, texte.size() * 2);
    if (const auto encode = Maravel::Vers_1252(texte)) {
        EXIGER(Maravel::Depuis_1252(*encode) == texte);
    }
    for (const char16_t unite : texte) {
        EXIGER(!Maravel::Caractere_Admis(unite) ||
               (unite >= 0x20 && (unite < 0x7F || unite > 0x9F) && Maravel::Octet_1252(unite).has_value()));
    }
    return 0;
}
