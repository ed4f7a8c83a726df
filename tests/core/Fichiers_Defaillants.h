#pragma once
// A real file system that fails at the N-th changing operation (write, append, rename, delete or cut), or
// that runs out of space after a number of bytes as a full disk does: what fits is written, then it fails;
// or whose reads all fail while writes work; or whose writes lose their last byte without a word.

#include "core/Fichiers.h"

#include <limits>

class Fichiers_Defaillants final : public Maravel::Systeme_Fichiers {
public:
    explicit Fichiers_Defaillants(std::size_t echec_a = 0,
                                  std::size_t place = std::numeric_limits<std::size_t>::max())
        : m_echec_a(echec_a), m_place(place) {}
    std::size_t Operations() const { return m_operations; }
    bool illisible = false;
    bool menteur = false; // a write loses its last byte and reports success

    Lecture Lire(const std::filesystem::path& f) override {
        return illisible ? Lecture{Etat::Erreur, {}} : m_reel.Lire(f);
    }
    bool Ecrire(const std::filesystem::path& f, std::string_view c) override {
        return Compter() && m_reel.Ecrire(f, c.substr(0, menteur ? c.size() - 1 : m_place)) &&
               (menteur || Tient(c));
    }
    bool Ajouter(const std::filesystem::path& f, std::string_view c) override {
        return Compter() && m_reel.Ajouter(f, c.substr(0, m_place)) && Tient(c);
    }
    bool Renommer(const std::filesystem::path& s, const std::filesystem::path& c) override {
        return Compter() && m_reel.Renommer(s, c);
    }
    bool Supprimer(const std::filesystem::path& f) override { return Compter() && m_reel.Supprimer(f); }
    bool Tronquer(const std::filesystem::path& f, std::uintmax_t t) override {
        return Compter() && m_reel.Tronquer(f, t);
    }
    std::optional<char> Dernier_Octet(const std::filesystem::path& f) override {
        return m_reel.Dernier_Octet(f);
    }
    std::optional<std::uintmax_t> Taille(const std::filesystem::path& f) override { return m_reel.Taille(f); }

private:
    bool Compter() { return ++m_operations != m_echec_a; }
    // The bytes that fit were written: a write that did not fit whole uses up the place and fails.
    bool Tient(std::string_view c) {
        const bool tient = c.size() <= m_place;
        m_place = tient ? m_place - c.size() : 0;
        return tient;
    }

    Maravel::Systeme_Fichiers_Reel m_reel;
    std::size_t m_echec_a, m_place, m_operations = 0;
};
