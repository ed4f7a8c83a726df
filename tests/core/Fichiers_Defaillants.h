#pragma once
// A real file system that fails at the N-th changing operation (write, append, rename or delete), so
// that a test can stop a rewrite at every step and check what is left on the disk.

#include "core/Fichiers.h"

#include <cstddef>

class Fichiers_Defaillants final : public Maravel::Systeme_Fichiers {
public:
    // 0: never fails. n: the n-th changing operation fails (and does nothing).
    explicit Fichiers_Defaillants(std::size_t echec_a = 0) : m_echec_a(echec_a) {}

    std::size_t Operations() const { return m_operations; }

    Lecture Lire(const std::filesystem::path& f) override { return m_reel.Lire(f); }
    bool Ecrire(const std::filesystem::path& f, std::string_view c) override {
        return Compter() && m_reel.Ecrire(f, c);
    }
    bool Ajouter(const std::filesystem::path& f, std::string_view c) override {
        return Compter() && m_reel.Ajouter(f, c);
    }
    bool Renommer(const std::filesystem::path& s, const std::filesystem::path& c) override {
        return Compter() && m_reel.Renommer(s, c);
    }
    bool Supprimer(const std::filesystem::path& f) override { return Compter() && m_reel.Supprimer(f); }
    std::optional<char> Dernier_Octet(const std::filesystem::path& f) override {
        return m_reel.Dernier_Octet(f);
    }

private:
    bool Compter() { return ++m_operations != m_echec_a; }

    Maravel::Systeme_Fichiers_Reel m_reel;
    std::size_t m_echec_a;
    std::size_t m_operations = 0;
};
