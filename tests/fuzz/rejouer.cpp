// Runs every corpus file through every fuzz target, with any compiler: the corpus stays a regression test.
// Usage: rejouer_corpus <corpus folder>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#define CIBLE(nom) extern "C" int Cible_##nom(const unsigned char*, std::size_t);
CIBLE(texte1252)
CIBLE(ligne_qso) CIBLE(decoupage) CIBLE(prenoms) CIBLE(activation) CIBLE(insertion)

    int main(int argc, char** argv) {
    using Cible = int (*)(const unsigned char*, std::size_t);
    const Cible cibles[] = {Cible_texte1252, Cible_ligne_qso,  Cible_decoupage,
                            Cible_prenoms,   Cible_activation, Cible_insertion};
    std::size_t fichiers = 0;
    for (const auto& entree : std::filesystem::recursive_directory_iterator(argc > 1 ? argv[1] : ".")) {
        if (!entree.is_regular_file()) {
            continue;
        }
        std::ifstream flux(entree.path(), std::ios::binary);
        const std::string octets{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
        for (const Cible cible : cibles) {
            cible(reinterpret_cast<const unsigned char*>(octets.data()), octets.size());
        }
        ++fichiers;
    }
    std::printf("%zu corpus files through %zu targets\n", fichiers, std::size(cibles));
    return fichiers > 0 ? 0 : 1;
}
