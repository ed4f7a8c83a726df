// The radio followed by the entry window, through Hamlib's dummy radio in this process, and the "Radio…"
// dialog. The dummy is turned by the test between two readings, on the radio's own thread. Then a real
// rigctld (the dummy behind it) on the loopback address, followed through Hamlib's network model as the
// program does: set with rigctl, QSOs logged, stopped while a QSO is typed, and started again.

#include "Scenario.h"
#include "radio/Radio_Hamlib.h"
#include "ui/Saisie_QSO.h"

#include <QTest>
#include <QtNetwork>
#include <QtWidgets>

#include <mutex>

using namespace std::chrono_literals;

namespace {

// What the test wants the dummy to be on (until it says, the dummy's own 145 MHz FM).
struct Bouton {
    std::mutex verrou;
    std::optional<std::pair<freq_t, rmode_t>> voulu;
};

class Liaison_Dummy final : public Liaison_Hamlib {
public:
    explicit Liaison_Dummy(std::shared_ptr<Bouton> bouton) : m_bouton(std::move(bouton)) {}
    Lecture_Radio Lire() override {
        const std::lock_guard garde(m_bouton->verrou);
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

QString rigctld, rigctl, adresse;
QProcess* serveur = nullptr;
QElapsedTimer depuis; // the last stop, start or setting of rigctld

bool Ecoute() {
    QTcpSocket essai;
    essai.connectToHost(QHostAddress::LocalHost, adresse.section(':', 1).toUShort());
    return essai.waitForConnected(200);
}

void Demarrer() {
    depuis.start();
    serveur->start(rigctld, {"-m", "1", "-T", "127.0.0.1", "-t", adresse.section(':', 1)});
    QVERIFY(serveur->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(Ecoute(), 5000);
}

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
    {.nom = "rigctld muet: dit, et le QSO ecrit sur la bande et le mode gardes", .etapes = {"muette", "rouvrir", "lectures 1", "> F1ABC\r[+]"},
     .attendus = {"Etat_Radio=Radio : pas de réponse (délai dépassé)", "Etat_Radio: visible"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 F1ABC - - 59 59 SSB 3.5")}}},
    {.nom = "reglages illisibles ignores", .reglages = {"Radio Modele=1", "Radio Port=COM1\tX", "Radio Vitesse=1234"},
     .messages = {"Le réglage \"Radio Port\" a été ignoré : il contient un caractère de contrôle...",
         "Le réglage \"Radio Vitesse\" a été ignoré : ce n'est pas une vitesse de port série. La radio est suivie à la "
         "vitesse de son modèle."}, .attendus = {"Etat_Radio: visible"}},
    {.nom = "modele inconnu: aucune radio", .reglages = {"Radio Modele=99999"},
     .messages = {"Le réglage \"Radio Modele\" a été ignoré : ce n'est pas le numéro d'un modèle de Hamlib. Aucune "
         "radio n'est suivie ; choisissez-la dans Setup > Radio…"}, .attendus = {"Etat_Radio: cache", "Mnu_Radio: actif"}},
};

const std::vector<Cas> Dialogue{
    {.nom = "de la factice a un rigctld absent: essayee, suivie", .reglages = {"Radio Modele=1"}, .etapes = {"menu Mnu_Radio", "dialogue",
         "?Liste_Modeles=Hamlib Dummy (1)", "?Port_Radio Vitesse_Radio: inactif", "tester",
         "?Resultat_Test=Radio : 145,000 MHz FM", "Filtre_Modele> NET rig", "?Liste_Modeles=Hamlib NET rigctl (2)",
         "?Port_Radio: actif", "?Vitesse_Radio: inactif", "Port_Radio> 127.0.0.1:1", "tester",
         "?Resultat_Test=" + Injoignable, "?Tester_Radio: actif", "clic OK_Radio", "?Etat_Radio: visible", "lectures 1"},
     .attendus = {"$Radio Modele=2", "$Radio Port=127.0.0.1:1", "$Radio Vitesse=0", "Etat_Radio=" + Injoignable}},
    {.nom = "annulee: rien d'ecrit", .reglages = {"Radio Modele=1", "Radio Port=/dev/ttyUSB0", "Radio Vitesse=9600"},
     .etapes = {"menu Mnu_Radio", "dialogue", "?Liste_Modeles=Hamlib Dummy (1)", "Filtre_Modele> 1020",
         "?Liste_Modeles=Yaesu FT-817 (1020)", "?Port_Radio=/dev/ttyUSB0", "?Vitesse_Radio=9600", "clic Liste_Modeles 1",
         "?Liste_Modeles=Aucune radio", "?Port_Radio Vitesse_Radio Tester_Radio: inactif", "clic Annule_Radio"}, .attendus = {"$Radio Modele=1", "$Radio Vitesse=9600"}},
};

Scenario Fenetre([](E& env) {
    radio.reset(); // the driver has closed the window that used it
    bouton = std::make_shared<Bouton>();
    radio = std::make_unique<Radio_Hamlib>([b = bouton] { return std::make_unique<Liaison_Dummy>(b); }, 20ms, 100ms);
    env.services().radio = radio.get();
    return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"lectures", [](QWidget*, E& env, const QString& n) { const int suivie = env.reglages().Lire("Radio Modele").toInt();
         Attendre([suivie](const Lecture_Radio& l) { return l.reglage.modele == suivie; }, n.toInt()); }},
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
    {"muette", [](QWidget*, E& env, const QString&) {
         env.reglages().Ecrire("Radio Modele", "2");
         env.reglages().Ecrire("Radio Port", "127.0.0.1:" + QString::number(muette->serverPort())); }},
    {"tester", [](QWidget* f, E&, const QString&) {
         bool fini = false;
         const auto connexion = QObject::connect(radio.get(), &Radio::Testee, radio.get(), [&] { fini = true; });
         QTest::mouseClick(f->findChild<QPushButton*>("Tester_Radio"), Qt::LeftButton);
         QTRY_VERIFY_WITH_TIMEOUT(fini, 5000);
         QObject::disconnect(connexion); }}});
const std::vector<Cas> Boucle{
    // A new rigctld's dummy starts on 145 MHz FM, as the radio was left before the stop, under the band
    // and mode typed since: the first reading after reconnecting applies all the same.
    {.nom = "suivie, arretee, reprise", .reglages = {"Radio Modele=2"},
     .etapes = {"regler 7030000 CW", "attendre 5000 Mode_Q=CW", "?Bande_Q=7", "> F1ABC\r[+]", "regler 14250000 USB",
         "attendre 5000 Mode_Q=SSB", "?Bande_Q=14", "?Etat_Radio=Radio : 14,250 MHz USB", "> F2ABC\r[+]",
         "regler 145000000 FM", "attendre 5000 Mode_Q=FM", "Bande_Q> 14\r", "Mode_Q> SSB\r", "arreter",
         "Indi_Q> G4ABC\rjohn\r", "attendre 3000 Etat_Radio=" + Injoignable, "> [+]", "demarrer",
         "attendre 6000 Etat_Radio=Radio : 145,000 MHz FM"},
     .attendus = {"Bande_Q=144", "Mode_Q=FM"},
     .fichiers_apres = {{"DMF-123.txt", Ligne("01/03/24 14:25 F1ABC - - 599 599 CW 7") +
         Ligne("01/03/24 14:25 F2ABC - - 59 59 SSB 14") + Ligne("01/03/24 14:25 G4ABC - JOHN 59 59 SSB 14")}}},
};

Scenario Boucle_Reelle([](E& env) {
    radio.reset();
    radio = std::make_unique<Radio_Hamlib>();
    env.services().radio = radio.get();
    env.reglages().Ecrire("Radio Port", adresse);
    return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"demarrer", [](QWidget*, E&, const QString&) { Demarrer(); }},
    {"arreter", [](QWidget*, E&, const QString&) {
         depuis.start();
         serveur->terminate();
         QVERIFY(serveur->waitForFinished()); }},
    {"regler", [](QWidget*, E&, const QString& a) {
         depuis.start();
         QCOMPARE(QProcess::execute(rigctl, {"-m", "2", "-r", adresse, "F", a.section(' ', 0, 0), "M",
                                             a.section(' ', 1), "0"}), 0); }},
    // "attendre 3000 Nom=texte": the control shows the text within that many ms of the last stop, start or
    // setting.
    {"attendre", [](QWidget* f, E&, const QString& a) {
         QObject* c = f->findChild<QObject*>(a.section(' ', 1).section('=', 0, 0));
         const auto texte = [c] { auto* l = qobject_cast<QLabel*>(c);
             return l ? l->text() : qobject_cast<QComboBox*>(c)->currentText(); };
         QTRY_COMPARE_WITH_TIMEOUT(texte(), a.section(' ', 1).section('=', 1),
                                   static_cast<int>(a.section(' ', 0, 0).toLongLong() - depuis.elapsed())); }}});
// clang-format on

} // namespace

class Test_Radio : public QObject {
    Q_OBJECT

    QTcpServer m_muette;
    QProcess m_serveur;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_muette.listen(QHostAddress::LocalHost));
        muette = &m_muette;
        serveur = &m_serveur;
        rigctld = QStandardPaths::findExecutable("rigctld");
        rigctl = QStandardPaths::findExecutable("rigctl");
        QTcpServer libre; // a port free now on the loopback address
        QVERIFY(libre.listen(QHostAddress::LocalHost));
        adresse = "127.0.0.1:" + QString::number(libre.serverPort());
    }
    void cleanup() {
        radio.reset();
        m_serveur.kill();
        m_serveur.waitForFinished();
    }
    void suivi_data() { Scenario::Lignes(Suivi); }
    void suivi() { Fenetre.Jouer(Suivi); }
    void dialogue_data() { Scenario::Lignes(Dialogue); }
    void dialogue() { Fenetre.Jouer(Dialogue); }
    void boucle_reelle_data() { Scenario::Lignes(Boucle); }
    void boucle_reelle() {
        if (rigctld.isEmpty() || rigctl.isEmpty()) {
            QSKIP("rigctld or rigctl not found: install Hamlib's tools (Debian: libhamlib-utils)");
        }
        Demarrer();
        Boucle_Reelle.Jouer(Boucle);
    }
};

QTEST_MAIN(Test_Radio)
#include "test_radio.moc"
