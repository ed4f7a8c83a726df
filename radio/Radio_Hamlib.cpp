#include "radio/Radio_Hamlib.h"

#include "core/Radio.h"

#include <QSerialPortInfo>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>
#include <clocale>
#include <cstdlib>

namespace {

// Hamlib's errors, as the operator can act on them.
QString Raison(int erreur) {
    switch (std::abs(erreur)) {
    case RIG_ETIMEOUT:
        return QStringLiteral("délai dépassé");
    case RIG_EIO:
        return QStringLiteral("liaison impossible ou coupée");
    case RIG_EPROTO:
    case RIG_ETRUNC:
        return QStringLiteral("réponse incompréhensible");
    case RIG_ERJCTED:
        return QStringLiteral("commande refusée par la radio");
    case RIG_ENIMPL:
    case RIG_ENAVAIL:
        return QStringLiteral("ce modèle ne donne pas sa fréquence");
    case RIG_EINVAL:
    case RIG_ECONF:
        return QStringLiteral("port ou vitesse refusé par Hamlib");
    case RIG_BUSBUSY:
        return QStringLiteral("bus occupé");
    default:
        return QStringLiteral("erreur Hamlib n° %1").arg(std::abs(erreur));
    }
}

// Hamlib's mode names are short capitals: anything else is not shown as it came.
QString Nom_Mode(rmode_t mode) {
    QString nom;
    for (const char* c = rig_strrmode(mode); c != nullptr && *c != '\0' && nom.size() < 8; ++c) {
        if ((*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9') || *c == '-') {
            nom += QLatin1Char(*c);
        }
    }
    return nom;
}

Sorte_Port Sorte(rig_port_t port) {
    switch (port) {
    case RIG_PORT_NONE:
        return Sorte_Port::Aucun;
    case RIG_PORT_SERIAL:
        return Sorte_Port::Serie;
    case RIG_PORT_NETWORK:
    case RIG_PORT_UDP_NETWORK:
        return Sorte_Port::Reseau;
    default:
        return Sorte_Port::Autre;
    }
}

int Ajouter_Modele(const rig_caps* caps, rig_ptr_t modeles) {
    static_cast<std::vector<Modele_Radio>*>(modeles)->push_back(
        {static_cast<int>(caps->rig_model),
         QString::fromLatin1(caps->mfg_name) + QLatin1Char(' ') + QString::fromLatin1(caps->model_name),
         Sorte(caps->port_type)});
    return 1; // on to the next model
}

// Hamlib's connection to a rigctld waits as long as the system lets it (minutes) for a host that is down
// or swamped; this first try, bounded, keeps following, a change of radio and closing the program prompt.
bool Hote_Joignable(const char* adresse) {
    const QUrl url(QStringLiteral("tcp://") + QString::fromLocal8Bit(adresse));
    QTcpSocket essai;
    essai.connectToHost(url.host(), static_cast<quint16>(url.port(4532)));
    return essai.waitForConnected(1000);
}

// Hamlib's own state is global: set once, before any radio's thread runs. Hamlib also switches the
// process's numeric locale to "C" around its calls and back, from the radio's thread, freeing the locale
// name it keeps to switch back; with "C" already in force (what Qt advises beside C number functions) the
// switch changes nothing, frees nothing and races with no other thread.
void Preparer_Hamlib() {
    static std::once_flag fait;
    std::call_once(fait, [] {
        std::setlocale(LC_NUMERIC, "C");
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

} // namespace

Liaison_Hamlib::~Liaison_Hamlib() {
    Fermer();
}

void Liaison_Hamlib::Fermer() {
    if (m_ouverte) {
        rig_close(m_rig);
    }
    if (m_rig != nullptr) {
        rig_cleanup(m_rig);
    }
    m_rig = nullptr;
    m_ouverte = false;
}

int Liaison_Hamlib::Regler(const char* nom, const QByteArray& valeur) {
    return rig_set_conf(m_rig, rig_token_lookup(m_rig, nom), valeur.constData());
}

std::optional<QString> Liaison_Hamlib::Ouvrir(const Reglage_Radio& reglage) {
    Fermer();
    m_reglage = reglage;
    m_rig = rig_init(static_cast<rig_model_t>(reglage.modele));
    if (m_rig == nullptr) {
        return QStringLiteral("Hamlib ne connaît pas le modèle n° %1").arg(reglage.modele);
    }
    // A radio that stops answering must be seen so at once, not read from Hamlib's cache, and within
    // seconds whatever its model's own patience.
    rig_set_cache_timeout_ms(m_rig, HAMLIB_CACHE_ALL, 0);
    Regler("timeout", QByteArray::number(std::min(m_rig->caps->timeout, 1000)));
    Regler("retry", QByteArray::number(std::min(m_rig->caps->retry, 1)));
    if ((!reglage.port.isEmpty() && Regler("rig_pathname", reglage.port.toLocal8Bit()) != RIG_OK) ||
        (reglage.vitesse > 0 && Regler("serial_speed", QByteArray::number(reglage.vitesse)) != RIG_OK)) {
        Fermer();
        return Raison(-RIG_ECONF);
    }
    if (m_rig->caps->port_type == RIG_PORT_NETWORK && !Hote_Joignable(m_rig->state.rigport.pathname)) {
        Fermer();
        return Raison(-RIG_EIO);
    }
    if (const int erreur = rig_open(m_rig); erreur != RIG_OK) {
        Fermer();
        return Raison(erreur);
    }
    m_ouverte = true;
    return std::nullopt;
}

Lecture_Radio Liaison_Hamlib::Lire() {
    Lecture_Radio lecture;
    lecture.reglage = m_reglage;
    freq_t hertz = 0;
    if (const int erreur = rig_get_freq(m_rig, RIG_VFO_CURR, &hertz); erreur != RIG_OK) {
        lecture.raison = Raison(erreur);
        return lecture;
    }
    if (!Maravel::Frequence_Plausible(hertz)) {
        lecture.raison = QStringLiteral("fréquence illisible");
        return lecture;
    }
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t largeur = 0;
    const int erreur = rig_get_mode(m_rig, RIG_VFO_CURR, &mode, &largeur);
    // A model that cannot tell its mode still gives its band.
    if (erreur != RIG_OK && erreur != -RIG_ENIMPL && erreur != -RIG_ENAVAIL) {
        lecture.raison = Raison(erreur);
        return lecture;
    }
    lecture.repond = true;
    lecture.hertz = hertz;
    lecture.mode = erreur == RIG_OK ? Nom_Mode(mode) : QString();
    return lecture;
}

Radio_Hamlib::Radio_Hamlib(Fabrique fabrique, std::chrono::milliseconds intervalle,
                           std::chrono::milliseconds reconnexion)
    : m_fabrique(fabrique ? std::move(fabrique) : [] { return std::make_unique<Liaison_Hamlib>(); }),
      m_intervalle(intervalle), m_reconnexion(reconnexion) {
    Preparer_Hamlib();
    rig_list_foreach(Ajouter_Modele, &m_modeles);
    std::sort(m_modeles.begin(), m_modeles.end(), [](const Modele_Radio& a, const Modele_Radio& b) {
        const int ordre = QString::compare(a.libelle, b.libelle, Qt::CaseInsensitive);
        return ordre != 0 ? ordre < 0 : a.numero < b.numero;
    });
    m_fil = std::thread([this] { Boucle(); });
}

Radio_Hamlib::~Radio_Hamlib() {
    {
        const std::lock_guard garde(m_verrou);
        m_fin = true;
    }
    m_reveil.notify_all();
    m_fil.join();
}

QStringList Radio_Hamlib::Ports() const {
    QStringList ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        ports << port.systemLocation();
    }
    ports.sort();
    return ports;
}

void Radio_Hamlib::Suivre(const Reglage_Radio& reglage) {
    {
        const std::lock_guard garde(m_verrou);
        m_a_suivre = reglage;
    }
    m_reveil.notify_all();
}

void Radio_Hamlib::Tester(const Reglage_Radio& reglage) {
    {
        const std::lock_guard garde(m_verrou);
        m_a_tester = reglage;
    }
    m_reveil.notify_all();
}

void Radio_Hamlib::Emettre(void (Radio::*signal)(const Lecture_Radio&), const Lecture_Radio& lecture) {
    // Queued to the windows' thread; dropped if this object is gone by then.
    QMetaObject::invokeMethod(
        this,
        [this, signal, lecture] {
            Q_EMIT(this->*signal)
            (lecture);
        },
        Qt::QueuedConnection);
}

// Opens `liaison` when it is not open on `reglage`, then reads it; closed again when the radio does not
// answer.
Lecture_Radio Radio_Hamlib::Essayer(std::unique_ptr<Liaison_Hamlib>& liaison, const Reglage_Radio& reglage) {
    Lecture_Radio lecture;
    lecture.reglage = reglage;
    if (liaison == nullptr) {
        auto nouvelle = m_fabrique();
        if (const auto refus = nouvelle->Ouvrir(reglage)) {
            lecture.raison = *refus;
            return lecture;
        }
        liaison = std::move(nouvelle);
        lecture.premiere = true;
    }
    const bool premiere = lecture.premiere;
    lecture = liaison->Lire();
    lecture.premiere = premiere;
    if (!lecture.repond) {
        liaison.reset();
    }
    return lecture;
}

void Radio_Hamlib::Boucle() {
    using Horloge = std::chrono::steady_clock;
    std::unique_ptr<Liaison_Hamlib> liaison; // open while the radio answers
    Reglage_Radio suivi;
    auto prochaine = Horloge::now();
    std::unique_lock verrou(m_verrou);
    while (!m_fin) {
        if (m_a_tester) {
            const Reglage_Radio essai = *std::exchange(m_a_tester, std::nullopt);
            verrou.unlock();
            // A port opens once: the radio followed is read as it is, any other trial frees the port first.
            std::unique_ptr<Liaison_Hamlib> autre;
            const bool meme = liaison != nullptr && liaison->Reglage() == essai;
            if (!meme) {
                liaison.reset();
                prochaine = Horloge::now();
            }
            Emettre(&Radio::Testee, Essayer(meme ? liaison : autre, essai));
            verrou.lock();
        } else if (!(m_a_suivre == suivi)) {
            suivi = m_a_suivre;
            verrou.unlock();
            liaison.reset();
            prochaine = Horloge::now();
            verrou.lock();
        } else if (suivi.modele == 0) {
            m_reveil.wait(verrou);
        } else if (Horloge::now() < prochaine) {
            m_reveil.wait_until(verrou, prochaine);
        } else {
            verrou.unlock();
            const auto debut = Horloge::now();
            const Lecture_Radio lecture = Essayer(liaison, suivi);
            prochaine = debut + (lecture.repond ? m_intervalle : m_reconnexion);
            Emettre(&Radio::Lue, lecture);
            verrou.lock();
        }
    }
    verrou.unlock();
    liaison.reset();
}
