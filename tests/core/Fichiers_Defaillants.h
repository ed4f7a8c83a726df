#pragma once
// A real file system that fails at the N-th changing operation (write, append, rename, delete or cut, and
// the folder operations of the backup), or that runs out of space after a number of bytes as a full disk
// does: what fits is written, then it fails, or it says nothing; or whose reads all fail while writes work.

#include "core/Fichiers.h"

#include <cerrno>
#include <limits>

class Fichiers_Defaillants final : public Maravel::Systeme_Fichiers, public Maravel::Systeme_Dossiers {
public:
    explicit Fichiers_Defaillants(std::size_t echec_a = 0,
                                  std::size_t place = std::numeric_limits<std::size_t>::max())
        : m_echec_a(echec_a), m_place(place) {}
    std::size_t Operations() const { return m_operations; }
    bool illisible = false;
    bool muet = false; // a full disk that loses bytes without saying so

    Lecture Lire(const std::filesystem::path& f) override {
        return illisible ? Lecture{Etat::Erreur, {}} : m_reel.Lire(f);
    }
    bool Ecrire(const std::filesystem::path& f, std::string_view c) override {
        return Compter() && m_reel.Ecrire(f, c.substr(0, m_place)) && (Tient(c) || muet);
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
    std::optional<std::vector<Entree>> Lister(const std::filesystem::path& d) override {
        return Compter() ? m_dossiers.Lister(d) : std::nullopt;
    }
    bool Creer_Dossier(const std::filesystem::path& d) override {
        return Compter() && m_dossiers.Creer_Dossier(d);
    }
    bool Deposer(const std::filesystem::path& f, std::string_view c) override {
        return Compter() && m_dossiers.Deposer(f, c.substr(0, m_place)) && (Tient(c) || muet);
    }
    bool Forcer_Dossier(const std::filesystem::path& d) override {
        return Compter() && m_dossiers.Forcer_Dossier(d);
    }
    bool Renommer_Dossier(const std::filesystem::path& s, const std::filesystem::path& c) override {
        return Compter() && m_dossiers.Renommer_Dossier(s, c);
    }
    bool Supprimer_Dossier(const std::filesystem::path& d) override {
        return Compter() && m_dossiers.Supprimer_Dossier(d);
    }

private:
    bool Compter() { return ++m_operations != m_echec_a; }
    // The bytes that fit were written: a write that did not fit whole uses up the place and fails.
    bool Tient(std::string_view c) {
        const bool tient = c.size() <= m_place;
        m_place = tient ? m_place - c.size() : 0;
        errno = tient ? errno : ENOSPC;
        return tient;
    }

    Maravel::Systeme_Fichiers_Reel m_reel;
    Maravel::Systeme_Dossiers_Reel m_dossiers;
    std::size_t m_echec_a, m_place, m_operations = 0;
};
