// The radio followed by the entry window, through Hamlib's dummy radio in this process, and the "Radio…"
// dialog. The dummy is turned by the test between two readings, on the radio's own thread.

#include "Scenario.h"
#include "radio/Radio_Hamlib.h"
#include "ui/Saisie_QSO.h"

#include <QTcpServer>
#include <QTest>
#include <QtWidgets>

#include <mutex>

using namespace std::chrono_literals;

namespace {

// What the test wants the dummy to be on (until it says, the dummy's own 145 MHz FM), and a link cut once.
struct Bouton {
    std::mutex verrou;
    std::optional<std::pair<freq_t, rmode_t>> voulu;
    bool coupure = false;
};

class Liaison_Dummy final : public Liaison_Hamlib {
public:
    explicit Liaison_Dummy(std::shared_ptr<Bouton> bouton) : m_bouton(std::move(bouton)) {}
    Lecture_Radio Lire() override {
        const std::lock_guard garde(m_bouton->verrou);
        if (std::exchange(m_bouton->coupure, false)) {
            Lecture_Radio coupee;
            coupee.reglage = Reglage();
            coupee.raison = QStringLiteral("coupure");
            return coupee;
        }
        if (m_bouton->voulu) {
            rig_set_freq(Rig(), RIG_VFO_CURR, m_bouton->voulu->first);
            rig_set_mode(Rig(), RIG_VFO_CURR, m_bouton->voulu->second, RIG_PASSBAND_NOCHANGE);
        }
        return Liaison_Hamlib::Lire();
    }

private:
    std::shared_ptr<Bouton> m_bouton;
};

std::unique_ptr<Radio_Hamlib> radio;
QTcpServer* muette = nullptr; // takes the connection and never says a word
std::shared_ptr<Bouton> bouton;
Activation_Test activation;
using E = Environnement_Test;
const char* const Log = "DMF-123.txt";

// Waits for readings delivered to the window (its own slot runs first: it was connected first).
void Attendre(const std::function<bool(const Lecture_Radio&)>& voulue, int nombre = 1) {
    int vues = 0;
    const auto connexion = QObject::connect(radio.get(), &Radio::Lue, radio.get(),
                                            [&](const Lecture_Radio& l) { vues += voulue(l); });
    QTRY_VERIFY_WITH_TIMEOUT(vues >= nombre, 5000);
    QObject::disconnect(connexion);
}

const QString Injoignable = "Radio : pas de réponse (liaison impossible ou coupée)";

// clang-format off
const std::vector<Cas> Suivi{
    {.nom = "premiere lecture, puis seuls les changements", .reglages = {"Radio Modele=1"},
     .etapes = {"lectures 1", "?Etat_Radio=Radio : 145,000 MHz FM", "?Bande_Q=144", "?Mode_Q=FM", "?$Bande Activite=10",
         "?$Mode Activite=-1", "radio 7030000 CW", "?Bande_Q=7", "?Mode_Q=CW", "?QRKR_Q QRKE_Q=599", "?$Bande Activite=2",
         "?$Mode Activite=1", "Bande_Q> 10\r", "Mode_Q> FT8\r", "lectures 3", "radio 7040000 CW", "?Bande_Q=10", "?Mode_Q=FT8",
         "radio 14074000 PKTUSB", "?Bande_Q=14", "?Mode_Q=FT8", "radio 27555000 USB",
         "?Etat_Radio=Radio : 27,555 MHz USB (hors des bandes connues)", "> F1ABC\r\r\r", "QRKR_Q> 57\r", "radio 27555000 CW",
         "> [+]"}, .attendus = {"Bande_Q=14", "Mode_Q=CW", "$Bande Activite=4", "$Mode Activite=1"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 F1ABC - - 57 59 CW 14")}}},
    // After a cut, the first reading is a change even on the same band and mode.
    {.nom = "reconnectee: la premiere lecture s'applique", .reglages = {"Radio Modele=1"},
     .etapes = {"lectures 1", "Bande_Q> 7\r", "Mode_Q> CW\r", "coupure"},
     .attendus = {"Bande_Q=144", "Mode_Q=FM"}},
    // The edit shows the QSO's own band and mode; the radio's move applies once it is cancelled.
    {.nom = "rien pendant une edition", .fichiers = {{Log, Ligne("01/03/24 10:00 G4ABC - - 599 599 CW 7")}},
     .reglages = {"Radio Modele=1"}, .etapes = {"lectures 1", "clic Edite_QSO", "radio 14250000 USB", "lectures 2",
         "?Bande_Q=7", "?Mode_Q=CW", "clic Annule_Q", "lectures 2"}, .attendus = {"Bande_Q=14", "Mode_Q=SSB"}},
    {.nom = "rien pendant une insertion", .fichiers = {{Log, ""}}, .reglages = {"Radio Modele=1"},
     .etapes = {"lectures 1", "clic Ajout_QSO", "radio 7030000 CW", "lectures 2", "> G4ABC\r\r\r\r\r010324\r1000\r\r",
         "lectures 2"}, .attendus = {"Bande_Q=7", "Mode_Q=CW"},
     .fichiers_apres = {{Log, Ligne("01/03/24 10:00 G4ABC - - 59 59 FM 144")}}},
    {.nom = "rien tant que le focus est dans la bande ou le mode", .reglages = {"Radio Modele=1"},
     .etapes = {"lectures 1", "clic Bande_Q", "radio 7030000 CW", "lectures 2", "?Bande_Q=144", "> \r", "?focus=Mode_Q",
         "lectures 2", "?Mode_Q=FM", "> \r", "lectures 2"}, .attendus = {"Bande_Q=7", "Mode_Q=CW"}},
    // A rigctld that never answers: told within seconds, and the QSO is logged on the band and mode stored.
    {.nom = "radio muette", .etapes = {"muette", "rouvrir", "lectures 1", "> F1ABC\r[+]"},
     .attendus = {"Etat_Radio=Radio : pas de réponse (délai dépassé)", "Etat_Radio: visible"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 F1ABC - - 59 59 SSB 3.5")}}},
    {.nom = "reglages illisibles ignores", .reglages = {"Radio Modele=1", "Radio Port=COM1\tX", "Radio Vitesse=1234"},
     .messages = {"Le réglage \"Radio Port\" a été ignoré : il contient un caractère de contrôle (retour à la ligne, "
         "tabulation…). Le champ reste vide.", "Le réglage \"Radio Vitesse\" a été ignoré : ce n'est pas une vitesse "
         "de port série. La radio est suivie à la vitesse de son modèle."}, .attendus = {"Etat_Radio: visible"}},
    {.nom = "modele inconnu: aucune radio", .reglages = {"Radio Modele=99999"},
     .messages = {"Le réglage \"Radio Modele\" a été ignoré : ce n'est pas le numéro d'un modèle de Hamlib. Aucune "
         "radio n'est suivie ; choisissez-la dans Setup > Radio…"}, .attendus = {"Etat_Radio: cache", "Mnu_Radio: actif"}},
};

const std::vector<Cas> Dialogue{
    {.nom = "choisie, essayee, suivie", .etapes = {"menu Mnu_Radio", "dialogue", "?Liste_Modeles=Aucune radio",
         "?Port_Radio Vitesse_Radio Tester_Radio: inactif", "Filtre_Modele> dumm", "?Liste_Modeles=Hamlib Dummy (1)",
         "tester", "?Resultat_Test=Radio : 145,000 MHz FM", "Filtre_Modele> NET rig", "?Liste_Modeles=Hamlib NET rigctl (2)",
         "?Port_Radio: actif", "?Vitesse_Radio: inactif", "Port_Radio> 127.0.0.1:1", "tester",
         "?Resultat_Test=" + Injoignable, "clic OK_Radio", "?Etat_Radio: visible", "lectures 1"},
     .attendus = {"$Radio Modele=2", "$Radio Port=127.0.0.1:1", "$Radio Vitesse=0", "Etat_Radio=" + Injoignable}},
    {.nom = "annulee: rien d'ecrit", .reglages = {"Radio Modele=1", "Radio Port=/dev/ttyUSB0", "Radio Vitesse=9600"},
     .etapes = {"menu Mnu_Radio", "dialogue", "?Liste_Modeles=Hamlib Dummy (1)", "Filtre_Modele> 1020",
         "?Liste_Modeles=Yaesu FT-817 (1020)", "?Port_Radio=/dev/ttyUSB0", "?Vitesse_Radio=9600", "clic Liste_Modeles 1",
         "clic Annule_Radio"}, .attendus = {"$Radio Modele=1", "$Radio Vitesse=9600"}},
};

Scenario Fenetre([](E& env) {
    radio.reset(); // the driver has closed the window that used it
    bouton = std::make_shared<Bouton>();
    radio = std::make_unique<Radio_Hamlib>([b = bouton] { return std::make_unique<Liaison_Dummy>(b); }, 20ms, 100ms);
    env.services().radio = radio.get();
    return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"lectures", [](QWidget*, E&, const QString& n) { Attendre([](const Lecture_Radio&) { return true; }, n.toInt()); }},
    {"radio", [](QWidget*, E&, const QString& a) {
         const freq_t hertz = a.section(' ', 0, 0).toDouble();
         {
             const std::lock_guard garde(bouton->verrou);
             bouton->voulu = {hertz, rig_parse_mode(qPrintable(a.section(' ', 1)))};
         }
         Attendre([hertz, a](const Lecture_Radio& l) { return l.hertz == hertz && l.mode == a.section(' ', 1); }); }},
    // Shown over the window, modal, active, and small enough for a 1024x600 screen.
    {"dialogue", [](QWidget* f, E&, const QString&) {
         auto* dialogue = f->findChild<QDialog*>("Choix_Radio");
         QVERIFY(dialogue->isVisible() && dialogue->isModal());
         QTRY_COMPARE(QApplication::activeWindow(), dialogue);
         QVERIFY(QRect(0, 0, 1024, 600).contains(QRect(QPoint(), dialogue->frameGeometry().size()))); }},
    {"coupure", [](QWidget*, E&, const QString&) {
         {
             const std::lock_guard garde(bouton->verrou);
             bouton->coupure = true;
         }
         Attendre([](const Lecture_Radio& l) { return !l.repond; });
         Attendre([](const Lecture_Radio& l) { return l.repond; }); }},
    {"muette", [](QWidget*, E& env, const QString&) {
         env.reglages().Ecrire("Radio Modele", "2");
         env.reglages().Ecrire("Radio Port", "127.0.0.1:" + QString::number(muette->serverPort())); }},
    {"tester", [](QWidget* f, E&, const QString&) {
         bool fini = false;
         const auto connexion = QObject::connect(radio.get(), &Radio::Testee, radio.get(), [&] { fini = true; });
         QTest::mouseClick(f->findChild<QPushButton*>("Tester_Radio"), Qt::LeftButton);
         QTRY_VERIFY_WITH_TIMEOUT(fini, 5000);
         QObject::disconnect(connexion); }}});
// clang-format on

} // namespace

class Test_Radio : public QObject {
    Q_OBJECT

    QTcpServer m_muette;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_muette.listen(QHostAddress::LocalHost));
        muette = &m_muette;
    }
    void cleanup() { radio.reset(); }
    void suivi_data() { Scenario::Lignes(Suivi); }
    void suivi() { Fenetre.Jouer(Suivi); }
    void dialogue_data() { Scenario::Lignes(Dialogue); }
    void dialogue() { Fenetre.Jouer(Dialogue); }
};

QTEST_MAIN(Test_Radio)
#include "test_radio.moc"
