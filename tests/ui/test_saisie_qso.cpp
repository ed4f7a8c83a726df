// The entry window driven as an operator would, checked on what it shows and on the files byte for byte.
// The entry model's decisions have their tables in tests/core/test_modele_saisie.cpp: here, each way through
// the window (the keys of each kind of field, the buttons, the list, the menus, the clock, the messages)
// keeps one row, with the window's frame and controls.

#include "Scenario.h"
#include "ui/Saisie_QSO.h"
#include "ui/Sous_Programmes.h"

#include <QTest>
#include <QtWidgets>

namespace {

QByteArray Qso(int n, const QByteArray& observations = "PORTABLE") {
    return Ligne("01/03/24 10:" + QByteArray::number(n).rightJustified(2, '0') + " F" +
                 QByteArray::number(n) + "ABC 75 JEAN 59 59 SSB 7 | " + observations);
}
QByteArray Log_De(int nombre) {
    return nombre == 0 ? QByteArray() : Log_De(nombre - 1) + Qso(nombre);
}
// A line of the list: the QSO number right-aligned in four columns, two blanks, the log line.
QString Affichee(int numero, const QByteArray& ligne) {
    return QString::number(numero).rightJustified(4) + "  " + QString::fromLatin1(ligne.chopped(2));
}

const char* const Log = "DMF-123.txt";
const char* const Memoire = "Liste_Prenom.txt";
// A validation or a cancel leaves the window ready for the next QSO.
const QStringList Pret{"Indi_Q Dpt_Q Prenom_Q Observation_Q=", "Indi_Q: vert actif", "focus=Indi_Q",
                       "Valide_Q: inactif", "Dpt_Q Prenom_Q QRKR_Q QRKE_Q Observation_Q: jaune inactif"};
const QString Message_Date = "Attention le format date doit etre jj/mm/aa. Les '/' sont automatiques";
const QString Message_Heure = "Attention le format de l'heure doit etre hhmm les ':' sont automatique";

Activation_Test activation;
using E = Environnement_Test;

// clang-format off
const std::vector<Cas> Ouverture{
    {.nom = "log de 25 lignes: la derniere est la ligne courante", .fichiers = {{Log, Log_De(25)}},
     .etapes = {"?Liste_QSO=" + Affichee(25, Qso(25)), "?focus=Indi_Q", "clic Liste_QSO 1",
         "?Liste_QSO=" + Affichee(1, Qso(1))}, .attendus = {"Liste_QSO: lignes=25", "Num_Q=26"}},
    {.nom = "mode 1 bande 4; UTC coche quel que soit le store, refrappe restauree", .reglages = {"Mode Activite=1",
         "Bande Activite=4", "Heure UTC=False", "Mode_Refrappe=True"}, .attendus = {"Mode_Q=CW", "Bande_Q=14",
         "QRKR_Q QRKE_Q=599", "$Mode Activite=1", "$Bande Activite=4", "Mnu_UTC_Oui Mnu_Refrappe_Oui: coche",
         "Mnu_UTC_Non Mnu_Refrappe_Non: decoche"}},
    // Two hours east of Greenwich: the local day starts two hours before the UTC one.
    {.nom = "horloge des deux bases de temps", .etapes = {"horloge 2012-07-02T23:59:59Z 120", "tic",
         "?Label37=23:59 Utc", "?Label34=01:59 Loc", "?Label33=02/07/12", "?Label37: actif", "?Label34: inactif",
         "menu Mnu_UTC_Non", "?$Heure UTC=False", "horloge 2012-07-02T22:05:59Z 120", "tic", "?Label37=22:05 Utc",
         "?Label34=00:05 Loc", "?Label33=03/07/12", "?Label37: inactif", "?Label34: actif", "menu Mnu_UTC_Oui",
         "horloge 2012-07-03T00:00:59Z 120", "tic"}, .attendus = {"$Heure UTC=True", "Label37=00:00 Utc",
         "Label34=02:00 Loc", "Label33=03/07/12"}},
    // The activation line with a logger of its own, then without a type.
    {.nom = "logger et type dans la ligne d'activation", .etapes = {"logger F4ABC", "type Château", "rouvrir",
         "?Label3=Château Château de Halloy   référence DMF-123 par F/ON4XYZ/P au log F4ABC", "type", "rouvrir"},
     .attendus = {"Label3=Activation Château de Halloy   référence DMF-123 par F/ON4XYZ/P au log F4ABC"}},
    // Every control of a new activation, the list's fixed pitch under its header; closing the window or
    // "Quitter" ends the program.
    {.nom = "controles d'une nouvelle activation, puis fin", .fichiers = {{Log, ""}}, .etapes = {"tic", "controles",
         "?focus=Indi_Q", "fermer", "fins 1", "rouvrir", "menu Mnu_Quitter", "fins 2"}},
};

const std::vector<Cas> Saisie{
    {.nom = "chaque champ refuse ce que sa colonne ne tient pas, puis prend le plus long qui tient",
     .etapes = {"> \r", "Indi_Q> f1abcdefghijk\r", "?Indi_Q: vert", "Indi_Q> f1abcdefghij\r", "?Indi_Q: jaune",
         "?Dpt_Q: vert actif", "?Valide_Q: actif", "> 7\r", "Dpt_Q> 751\r", "?Dpt_Q: vert", "Dpt_Q> 75\r",
         "?Dpt_Q: jaune", "> Marie-Christine1\r", "Prenom_Q> Marie-Christine\r", "> 5799\r", "QRKR_Q> 579\r",
         "> 5999\r", "QRKE_Q> 599\r", "> qrp au château de halloy, 5 w.x\r", "?focus=Observation_Q",
         "Observation_Q> qrp au château de halloy, 5 w.\r", "?focus=Valide_Q", "> \r"},
     .messages = {"Entrez un indicatif", "12 caracteres maxi", "2 caractères pour le département",
         "2 caractères pour le département", "15 caracteres maxi", "3 caracteres maxi", "3 caracteres maxi",
         "30 caracteres maxi"},
     .attendus = Pret + QStringList{"Num_Q=2", "Liste_QSO: lignes=1 ligne=1", "Date_Q: cache"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 F1ABCDEFGHIJ 75 MARIE-CHRISTINE 579 599 SSB 3.5 | "
                                    "QRP AU CH\xC2TEAU DE HALLOY, 5 W.")},
         {Memoire, "F1ABCDEFGHIJ 75 MARIE-CHRISTINE\r\n"}}},
    // Validated before the clock's first tick, an hour east of Greenwich just after midnight; back to UTC
    // between two ticks, date and time still come from the one base the clock last read.
    {.nom = "heure locale avant le premier tic", .etapes = {"menu Mnu_UTC_Non", "horloge 2024-03-01T23:30:00Z 60",
         "> ON4ABC\rLuc\r[F9]", "menu Mnu_UTC_Oui", "> G4ABC\r[F9]"},
     .fichiers_apres = {{Log, Ligne("02/03/24 00:30 ON4ABC - LUC 59 59 SSB 3.5") +
         Ligne("02/03/24 00:30 G4ABC - - 59 59 SSB 3.5")}}},
    {.nom = "saisie differee: separateurs, date refusee videe, heure refusee gardee, date gardee",
     .etapes = {"menu Mnu_Diff_Oui", "?Date_Q Heure_Q Label10 Label6: visible", "> DL1ABC\rhans\r\r\r\r",
         "?focus=Date_Q", "> 1/3/24\r", "?Date_Q=", "> 010324\r", "?$Date Activite=01/03/24", "> 14h25\r",
         "?Heure_Q=14:h25", "Heure_Q> 1425\r", "?focus=Valide_Q", "> [Espace]", "> G4ABC\r", "clic Annule_Q",
         "?Date_Q=01/03/24", "?Heure_Q=", "?Heure_Q: visible", "menu Mnu_Diff_Non",
         "?Date_Q Heure_Q Label10 Label6: cache", "menu Mnu_Diff_Oui"}, .messages = {Message_Date, Message_Heure},
     .attendus = {"Date_Q=", "Date_Q: visible"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 DL1ABC - HANS 59 59 SSB 3.5")}}},
    {.nom = "bande et mode: l'indice choisi, -1 pour un texte tape, les rapports du mode",
     .etapes = {"Bande_Q> 144\r", "?$Bande Activite=10", "?focus=Mode_Q", "?Mode_Q: vert", "?Indi_Q: jaune", "> CW\r",
         "?$Mode Activite=1", "?QRKR_Q QRKE_Q=599", "?focus=Indi_Q", "?Indi_Q: vert", "Bande_Q> 7\r",
         "?$Bande Activite=2", "Mode_Q> cw\r", "?$Mode Activite=-1", "?QRKR_Q QRKE_Q=59", "Mode_Q> RTTY\r",
         "Bande_Q> 1296\r", "?focus=Bande_Q", "Mode_Q> PSK31\r", "?focus=Mode_Q"}, .messages = {"3 caracteres maxi",
         "3 caracteres maxi"}, .attendus = {"$Bande Activite=2", "$Mode Activite=-1"}},
    // "+" makes no test on the department and keeps the reports for the next QSO; the button puts the
    // mode's default back; F13, and "+" in the callsign, validate nothing.
    {.nom = "touches de validation et rapports", .etapes = {"> F1ABC\r7\r[F13]", "Indi_Q> [Fin][+]", "?Indi_Q=F1ABC+",
         "> [Retour]", "Dpt_Q> [+]", "?Num_Q=2", "> F2ABC\r\r\r", "QRKR_Q> 57[F11]", "> F3ABC\r\r\r", "?QRKR_Q=57",
         "clic Valide_Q"}, .messages = {"2 caractères pour le département"}, .attendus = {"QRKR_Q=59"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 F1ABC 7 - 59 59 SSB 3.5") +
         Ligne("01/03/24 14:25 F2ABC - - 57 59 SSB 3.5") + Ligne("01/03/24 14:25 F3ABC - - 57 59 SSB 3.5")}}},
    {.nom = "caracteres que le log ne peut garder refuses; capitales 1252: ss et micro gardent leur octet et leur longueur",
     .etapes = {"> F1☃ABC", "?Indi_Q=F1ABC", "texte Indi_Q X\r\nY", "?Indi_Q=",
         "> G4ABC\rweißenbachhofer\r\r\r10 µh au château\r\r"},
     .fichiers_apres = {{Log, Ligne("01/03/24 14:25 G4ABC - WEI\xDF" "ENBACHHOFER 59 59 SSB 3.5 | 10 \xB5H AU CH\xC2TEAU")},
                        {Memoire, "G4ABC           WEI\xDF" "ENBACHHOFER\r\n"}}},
    {.nom = "retour arriere sans separateur ajoute", .etapes = {"menu Mnu_Diff_Oui", "clic Date_Q", "> 0103[Retour]",
         "?Date_Q=01/0", "> [Retour][Retour]", "?Date_Q=01", "clic Heure_Q", "> 14[Retour]"}, .attendus = {"Heure_Q=1"}},
    // Tab moves on without typing anything, even in retype mode; the status line shows an insertion.
    {.nom = "tabulation dans l'ordre de la marche par Entree", .fichiers = {{Log, Qso(1)}}, .etapes = {"menu Mnu_Refrappe_Oui",
         "clic Edite_QSO", "> \r", "clic Indi_Q", "tabs Dpt_Q Prenom_Q QRKR_Q QRKE_Q Observation_Q Date_Q Heure_Q "
         "Valide_Q Annule_Q Edite_QSO Efface_QSO Ajout_QSO Recherche Bande_Q Mode_Q Indi_Q", "clic Ajout_QSO"},
     .attendus = {"Indi_Q=F1ABC", "Dpt_Q=75", "Status=Mode Ajout d'un QSO"}},
    {.nom = "redemarrage apres un mode tape: celui du dernier QSO", .etapes = {"Mode_Q> cw\r", "> G4ABC\r[F9]", "rouvrir",
         "?Mode_Q=cw", "> F1ABC\r[F9]"}, .fichiers_apres = {{Log, Ligne("01/03/24 14:25 G4ABC - - 59 59 cw 3.5") +
         Ligne("01/03/24 14:25 F1ABC - - 59 59 cw 3.5")}}},
};

const std::vector<Cas> Edition{
    {.nom = "suppression d'un de deux QSO identiques choisi au clavier, puis recuperation a sa place",
     .fichiers = {{Log, Qso(1) + Qso(2) + Qso(3) + Qso(3) + Qso(4)}}, .etapes = {"clic Liste_QSO 5", "> [Haut]", "oui",
         "clic Efface_QSO", "?Liste_QSO: lignes=4 ligne=4", "?Num_Q=5", "?focus=Indi_Q", "?Recupere: actif", "oui",
         "clic Recupere"}, .messages = {"Voulez vous effacer le QSO avec F3ABC ?",
         "Voulez vous recuperer le QSO avec F3ABC a 10:03 sur 7 Mhz en SSB"},
     .attendus = {"Liste_QSO=" + Affichee(5, Qso(4)), "Num_Q=6", "Recupere: inactif"},
     .fichiers_apres = {{Log, Qso(1) + Qso(2) + Qso(3) + Qso(3) + Qso(4)}}},
    // The first key of each field replaces its text, Enter without typing keeps it, and Enter as the first
    // key of the remarks empties them. A new QSO is typed as usual; retype off, an edit appends.
    {.nom = "refrappe pendant l'edition", .fichiers = {{Log, Qso(1) + Qso(2)}}, .etapes = {"menu Mnu_Refrappe_Oui",
         "?$Mode_Refrappe=True", "clic Edite_QSO", "> g", "?Indi_Q=G", "> 4abc\r\r\r\r\r", "?Observation_Q=",
         "?focus=Date_Q", "> \r1130\r\r", "> g4abc\rs", "?Prenom_Q=JEANs", "clic Annule_Q", "menu Mnu_Refrappe_Non",
         "clic Edite_QSO", "> [Fin]p"}, .attendus = {"Indi_Q=G4ABCP"},
     .fichiers_apres = {{Log, Qso(1) + Ligne("01/03/24 11:30 G4ABC 75 JEAN 59 59 SSB 7")}}},
};

const char* const Controles_Ouverture = R"T(
Saisie_QSO "  Maravel    Revision  1.0.0" [Mnu_Fichier Mnu_Setup Mnu_Imprimer Mnu_Sauvegarder Mnu_Afficher Mnu_Etique Mnu_Help]
Mnu_Fichier "Fichiers" [Mnu_ADIF Mnu_ADIF_Complet Mnu_C_Trafic Mnu_Import_Prenoms Mnu_Dossier_Donnees Mnu_Quitter] | Mnu_ADIF "Exporter au format ADIF"
Mnu_ADIF_Complet "Exporter au format ADIF complet" | Mnu_Import_Prenoms "Importer les prénoms d'un fichier ADIF…"
Mnu_C_Trafic "Exporter au format C_Trafic" | Mnu_Dossier_Donnees "Ouvrir le dossier des données" | Mnu_Quitter "Quitter"
Mnu_Setup "Setup" [Mnu_QTR Mnu_Differee Mnu_Refrappe Mnu_Radio] | Mnu_QTR "QTR" [Mnu_UTC_Oui Mnu_UTC_Non]
Mnu_UTC_Oui "Heure UTC" coche | Mnu_UTC_Non "Heure Locale"
Mnu_Differee "Saisie differée" [Mnu_Diff_Non Mnu_Diff_Oui] | Mnu_Diff_Non "NON" coche | Mnu_Diff_Oui "OUI"
Mnu_Refrappe "Mode Refrappe" [Mnu_Refrappe_Non Mnu_Refrappe_Oui] | Mnu_Refrappe_Non "NON" coche | Mnu_Refrappe_Oui "OUI"
Mnu_Radio "Radio…" inactif | Etat_Radio "" cache
Mnu_Imprimer "Imprimer" [Mnu_Imp_Log Mnu_Apercu_Log]
Mnu_Imp_Log "le log de l'activité" | Mnu_Apercu_Log "Aperçu du log de l'activité"
Mnu_Sauvegarder "Sauvegarder" [Mnu_Enr_Log] | Mnu_Enr_Log "le log de l'activité"
Mnu_Afficher "Afficher" [Mnu_Aff_Log] | Mnu_Aff_Log "le log de l'activité"
Mnu_Etique "Etiquettes" [Mnu_Etiquettes] | Mnu_Etiquettes "Imprimer les étiquettes pour QSL"
Mnu_Help "Aide" [Mnu_Historique Mnu_Mode_Emploi Mnu_Maj Mnu_A_Propos] | Mnu_Historique "Historique"
Mnu_Mode_Emploi "Mode d'emploi" | Mnu_Maj "Mise a jour du programme" | Mnu_A_Propos "A Ppropos"
Frame1 "" | Label1 "Assistant d'activité de F/ON4XYZ/P" | Frame2 "Activité" | Label19 "Commune :" | Label21 "Halloy"
Label3 "Activation Château de Halloy   référence DMF-123 par F/ON4XYZ/P au log F/ON4XYZ/P"
Label7 "N° du C P :" | Label4 "5590" | Frame6 "" | Label37 "14:25 Utc" | Label34 "14:25 Loc" inactif
Frame5 "" | Label33 "01/03/24" | Frame3 "" | Status "" | Label2 "N° QSO" | Num_Q "1" jaune
Label10 "Date" cache | Date_Q "" jaune cache | Label6 "Heure" cache | Heure_Q "" jaune cache
Label5 "Indicatif" | Indi_Q "" vert | Label8 "Dpt" | Label9 "Prénom" | Label11 "Rst R" | Label12 "Rst E"
Dpt_Q "" bulle "Si tout est correct, appuyez sur la touche "+", F10", "F11", F12", "F13"  ou sur le bouton validez" jaune inactif
Prenom_Q "" bulle "Si tout est correct, appuyez sur la touche "+", F10", "F11", F12", "F13"  ou sur le bouton validez" jaune inactif
QRKR_Q "59" bulle "Si tout est correct, appuyez sur la touche "+", F10", "F11", F12", "F13"  ou sur le bouton validez" jaune inactif
QRKE_Q "59" bulle "Si tout est correct, appuyez sur la touche "+", F10", "F11", F12", "F13"  ou sur le bouton validez" jaune inactif
Label13 "Mode" | Mode_Q "SSB" jaune [SSB CW] | Label14 "Bande (Mhz)" | Bande_Q "3.5" jaune [1.8 3.5 7 10 14 18 21 24 28 50 144]
Label15 "Observations" | Observation_Q "" jaune inactif | Valide_Q "Validez" bulle "Valide le QSO entré" inactif
Annule_Q "Annuler  une saisie" bulle "Annule les saisies en cours"
Edite_QSO "Editer un QSO" bulle "Selectionnez un QSO dans la liste des QSO puis cliquer sur le bouton "Editer un QSO""
Efface_QSO "Supprimer un QSO" bulle "Selectionnez un QSO dans la liste des QSO puis cliquer sur le bouton "Supprimer un QSO""
Recupere "Recuperer un QSO" inactif | Ajout_QSO "Inserer un QSO"
Recherche "Rechercher un QSO" bulle "Permet la recherche d'un QSO par Indicatif, Date ou Departement"
Frame4 "Liste des QSO" | Liste_QSO "" bulle "Cliquez sur un QSO pour l'editer ou l'effacer" lignes=0
Entete "   N°    Date     Heure   Indicatif        Dpt  Prenom        RST R    E   Mode     Bande      Observations"
Label18 "Maravel_ON  -  assistant de log pour les activations radioamateurs" inactif)T";

Scenario Fenetre([](E& env) { return std::make_unique<Saisie_QSO>(env.services(), activation); }, {
    {"horloge", [](QWidget*, E& env, const QString& a) {
         env.horloge.Regler(QDateTime::fromString(a.section(' ', 0, 0), Qt::ISODate), a.section(' ', 1).toInt()); }},
    {"tic", [](QWidget* f, E&, const QString&) { static_cast<Saisie_QSO*>(f)->Timer1_Timer(); }},
    // Put into a field at once: typing would bring the automatic separators. A line edit's text passes its
    // checks of characters.
    {"texte", [](QWidget* f, E&, const QString& a) {
         if (auto* liste = f->findChild<QComboBox*>(a.section(' ', 0, 0))) {
             return liste->setEditText(a.section(' ', 1));
         }
         f->findChild<QLineEdit*>(a.section(' ', 0, 0))->clear();
         f->findChild<QLineEdit*>(a.section(' ', 0, 0))->insert(a.section(' ', 1)); }},
    {"logger", [](QWidget*, E&, const QString& a) { activation.valeurs.Logger = a; }},
    {"type", [](QWidget*, E&, const QString& a) { activation.valeurs.Type_Activite = a; }},
    // Tab from the focused control reaches each named one in turn.
    {"tabs", [](QWidget*, E&, const QString& noms) {
         for (const QString& nom : noms.split(' ')) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
             QCOMPARE(QApplication::focusWidget()->objectName(), nom);
         } }},
    {"controles", [](QWidget* f, E&, const QString&) {
         QCOMPARE(Table_Des_Controles(f), Table_Attendue(Controles_Ouverture));
         const QFont police = f->findChild<QListWidget*>("Liste_QSO")->font();
         QVERIFY(Chasse_Fixe(police));
         QCOMPARE(f->findChild<QLabel*>("Entete")->font(), police); }},
    {"fermer", [](QWidget* f, E&, const QString&) { f->close(); }},
    {"fins", [](QWidget*, E& env, const QString& fois) { QCOMPARE(env.fins_programme, fois.toInt()); }}});
// clang-format on

} // namespace

class Test_Saisie_QSO : public QObject {
    Q_OBJECT

    void Jouer(const std::vector<Cas>& table) {
        activation = Activation_Test();
        Fenetre.Jouer(table);
    }

private Q_SLOTS:
    void ouverture_data() { Scenario::Lignes(Ouverture); }
    void ouverture() { Jouer(Ouverture); }
    void saisie_data() { Scenario::Lignes(Saisie); }
    void saisie() { Jouer(Saisie); }
    void edition_data() { Scenario::Lignes(Edition); }
    void edition() { Jouer(Edition); }

    // The window keeps its size, inside the screen's available area, whatever it shows; each field keeps
    // its width and names itself by its label. Run at 1366x768 and at 1280x720.
    void cadre_dans_l_ecran() {
        Environnement_Test env;
        env.Ecrire_Fichier(Log, Qso(1));
        activation = Activation_Test();
        Saisie_QSO fenetre(env.services(), activation);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        const QRect zone = fenetre.screen()->availableGeometry();
        const QRect place = fenetre.findChild<QLineEdit*>("Indi_Q")->geometry();
        fenetre.findChild<QListWidget*>("Liste_QSO")->setCurrentRow(0);
        for (const char* nom : {"Mnu_Diff_Oui", "Mnu_Diff_Non", "Edite_QSO", "Annule_Q", "Ajout_QSO"}) {
            auto* menu = fenetre.findChild<QAction*>(nom);
            menu ? menu->trigger() : fenetre.findChild<QPushButton*>(nom)->click();
            QVERIFY(zone.contains(fenetre.frameGeometry()));
            QCOMPARE(fenetre.size(), zone.height() >= 768 ? QSize(1180, 700) : QSize(1180, 672));
            QCOMPARE(fenetre.findChild<QLineEdit*>("Indi_Q")->geometry(), place);
        }
        for (const char* label : {"Label2", "Label10", "Label6", "Label5", "Label8", "Label9", "Label11",
                                  "Label12", "Label13", "Label14", "Label15"}) {
            const auto* etiquette = fenetre.findChild<QLabel*>(label);
            QCOMPARE(etiquette->buddy()->accessibleName(), etiquette->text());
        }
    }

    // "Oui" and "Non" answer to Alt+O and Alt+N, Escape is "Non".
    void questions_au_clavier() {
        for (const auto& [touche, oui] : {std::pair{Qt::ALT | Qt::Key_O, true},
                                          {Qt::ALT | Qt::Key_N, false},
                                          {QKeyCombination(Qt::Key_Escape), false}}) {
            QTimer::singleShot(50, [touche] {
                QWidget* boite = QApplication::activeModalWidget();
                boite->activateWindow();
                if (QTest::qWaitForWindowActive(boite)) {
                    QTest::keyClick(boite, touche.key(), touche.keyboardModifiers());
                }
            });
            // A key that answers nothing must not hang the suite: the box is then closed unanswered.
            QTimer::singleShot(3000, [] {
                if (QWidget* boite = QApplication::activeModalWidget()) {
                    boite->close();
                }
            });
            QCOMPARE(Messages_Qt().Question("Annuler la saisie ?"), oui);
        }
    }

    // The widest QSO edited: each field shows its text whole (its end as far from its start as the text is
    // wide), but the remarks, which scroll on a screen narrower than 1280 pixels.
    void champs_entiers() {
        Environnement_Test env;
        env.Ecrire_Fichier(Log, Ligne("28/02/24 23:59 F/ON4ABCD/M 75 MARIE-CHRISTINE 599 599 RTTY 144 | "
                                      "QRP AU CHATEAU DE HALLOY, 5 W."));
        Saisie_QSO f(env.services(), activation);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.findChild<QPushButton*>("Edite_QSO")->click();
        for (QLineEdit* c : f.findChildren<QLineEdit*>()) {
            const auto x = [c](void (QLineEdit::*aller)(bool)) {
                (c->*aller)(false);
                c->repaint();
                return c->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
            };
            QCOMPARE(x(&QLineEdit::end) - x(&QLineEdit::home) ==
                         c->fontMetrics().horizontalAdvance(c->text()),
                     c->objectName() != "Observation_Q" || f.screen()->size().width() >= 1280);
        }
    }
};

QTEST_MAIN(Test_Saisie_QSO)
#include "test_saisie_qso.moc"
