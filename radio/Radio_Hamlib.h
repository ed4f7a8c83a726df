#pragma once
// The radio followed through Hamlib on a thread of its own. Every Hamlib call is made there; the windows
// get each reading queued to their own thread, so a radio that hangs, vanishes or answers garbage never
// holds them up.

#include "ui/Radio.h"

#include <hamlib/rig.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// One connection to one radio, used on the radio's thread only.
class Liaison_Hamlib {
public:
    Liaison_Hamlib() = default;
    Liaison_Hamlib(const Liaison_Hamlib&) = delete;
    Liaison_Hamlib& operator=(const Liaison_Hamlib&) = delete;
    virtual ~Liaison_Hamlib();

    // Nothing once the radio is open, else why it could not be, in French.
    std::optional<QString> Ouvrir(const Reglage_Radio& reglage);
    virtual Lecture_Radio Lire();
    const Reglage_Radio& Reglage() const { return m_reglage; }

protected:
    RIG* Rig() const { return m_rig; }

private:
    void Fermer();
    int Regler(const char* nom, const QByteArray& valeur);

    RIG* m_rig = nullptr;
    bool m_ouverte = false;
    Reglage_Radio m_reglage;
};

class Radio_Hamlib final : public Radio {
public:
    using Fabrique = std::function<std::unique_ptr<Liaison_Hamlib>()>;

    // `fabrique` makes each connection (tests read Hamlib's dummy through their own); the radio is read
    // every `intervalle`, and a radio that does not answer is tried again every `reconnexion`.
    explicit Radio_Hamlib(Fabrique fabrique = {},
                          std::chrono::milliseconds intervalle = std::chrono::milliseconds(1000),
                          std::chrono::milliseconds reconnexion = std::chrono::milliseconds(3000));
    // Stops following and releases the port before returning.
    ~Radio_Hamlib() override;

    const std::vector<Modele_Radio>& Modeles() const override { return m_modeles; }
    QStringList Ports() const override;
    void Suivre(const Reglage_Radio& reglage) override;
    void Tester(const Reglage_Radio& reglage) override;

private:
    void Boucle();
    Lecture_Radio Essayer(std::unique_ptr<Liaison_Hamlib>& liaison, const Reglage_Radio& reglage);
    void Emettre(void (Radio::*signal)(const Lecture_Radio&), const Lecture_Radio& lecture);

    std::vector<Modele_Radio> m_modeles;
    Fabrique m_fabrique;
    const std::chrono::milliseconds m_intervalle;
    const std::chrono::milliseconds m_reconnexion;

    std::mutex m_verrou; // guards the requests below
    std::condition_variable m_reveil;
    Reglage_Radio m_a_suivre;
    std::optional<Reglage_Radio> m_a_tester;
    bool m_fin = false;
    std::thread m_fil; // last: started once the rest is ready
};
