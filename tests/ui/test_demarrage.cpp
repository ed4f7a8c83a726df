// Start-up: the folder's lock and a store that cannot be written.

#include "Support.h"
#include "ui/Bureau.h"
#include "ui/Dossier_Donnees.h"
#include "ui/Verrou.h"

#include <QTest>
#include <QtWidgets>

#include <optional>

const QString Reprise = QStringLiteral("Le dossier des données porte le verrou d'une session de Maravel_ON "
                                       "qui ne semble plus ouverte :\n%D\n");

const QDateTime Pose(QDate(2026, 5, 1), QTime(8, 30), Qt::UTC);

class Test_Demarrage : public QObject {
    Q_OBJECT
    std::unique_ptr<Environnement_Test> m_env;

    void Repartir() { cleanup(), init(); }
    QString Textes() const { return m_env->messages.textes.join(u'|'); } // at most one text is expected

private Q_SLOTS:
    void init() { m_env = std::make_unique<Environnement_Test>(); }
    void cleanup() { m_env->Verifier_Reponses(); }

    // Real lock files: a live copy here refuses, others are offered (No keeps them); bad folders say why.
    void verrou_du_dossier() {
        enum Avant { Aucun, Contenu, Vivant, Lien };
        // Sub-folder, lock before, answer (Yes takes it), message (%D the folder, %H this computer).
        using Cas = std::tuple<QString, Avant, QByteArray, std::optional<bool>, QString>;
        const QString hote = QSysInfo::machineHostName();
        const QString pose = "\nVerrou posé le : 01/05/2026 à 08:30\nVoulez-vous reprendre ce dossier ?";
        const QString vide = Reprise + "Le fichier du verrou est vide ou illisible.\nOrdinateur : inconnu";
        const QString ailleurs =
            Reprise + "Il a été posé par un autre ordinateur : vérifiez que "
                      "Maravel_ON n'y est plus ouvert sur ce dossier.\nOrdinateur : portable-du-club";
        const QString mort = Reprise + "Le programme qui l'a posé sur cet ordinateur n'est plus en marche.\n";
        const QString ouvert = "Maravel_ON est déjà ouvert sur ce dossier :\n%D\n";
        const QString refus = "Le dossier des données ne peut pas être utilisé :\n%D\n";
        const QString bloque = "un fichier porte le nom de ce dossier ou d'un dossier qui le contient.";
        const QList<Cas> cas{
            {"", Aucun, "", {}, ""},
            {"", Lien, "", true, vide + "\nVerrou posé le : inconnue\nVoulez-vous reprendre ce dossier ?"},
            {"", Contenu, "4242\nMaravel_ON\nportable-du-club\n", true, ailleurs + pose},
            {"", Contenu, "2147483647\nMaravel_ON\n" + hote.toUtf8() + "\n", false,
             mort + "Ordinateur : %H" + pose},
            {"", Vivant, "", {}, ouvert + "Utilisez la fenêtre déjà ouverte."},
            {"/f/d", Aucun, "", {}, refus + bloque},
            {"/" + QString(300, u'x'), Aucun, "", {}, refus + "le chemin est trop long."},
        };
        for (const auto& [sous_dossier, avant, contenu, oui, message] : cas) {
            Repartir();
            m_env->Ecrire_Fichier(QStringLiteral("f"), "x");
            const QString dossier = m_env->Dossier() + sous_dossier;
            const QString chemin = dossier + QStringLiteral("/Maravel_ON.verrou");
            QLockFile vivant(chemin);
            QVERIFY(avant != Vivant || vivant.lock());
            QVERIFY(avant != Lien || QFile::link(dossier + "/parti", chemin));
            QFile fichier(chemin);
            QVERIFY(avant != Contenu ||
                    (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) >= 0 && fichier.flush() &&
                     fichier.setFileTime(Pose, QFileDevice::FileModificationTime)));
            fichier.close();
            if (oui) {
                m_env->messages.Repondre(*oui);
            }
            const auto verrou = Prendre_Verrou(m_env->messages, dossier);
            QCOMPARE(Textes(), QString(message).replace("%D", dossier).replace("%H", hote));
            QCOMPARE(verrou != nullptr && verrou->isLocked(), oui.value_or(message.isEmpty()));
            if (!verrou && avant == Contenu) {
                QCOMPARE(m_env->Lire_Fichier(QStringLiteral("Maravel_ON.verrou")), contenu);
            }
        }
    }

    // A store that cannot be written is told once; the values still hold until the program ends. A store in
    // a folder not made yet is written.
    void reglages_non_enregistrables() {
        const QString ini = m_env->Dossier() + "/Assistant.ini",
                      neuf = m_env->Dossier() + "/neuf/Assistant.ini";
        QVERIFY(QDir().mkdir(ini));
        for (const QString& chemin : {ini, neuf}) {
            Reglages reglages(chemin);
            reglages.Signaler_Echecs(m_env->messages);
            reglages.Ecrire(QStringLiteral("Indicatif"), QStringLiteral("ON4XYZ"));
            reglages.Ecrire(QStringLiteral("Logger"), QStringLiteral("ON4ABC"));
            QCOMPARE(reglages.Lire(QStringLiteral("Logger")), QStringLiteral("ON4ABC"));
        }
        QCOMPARE(Textes(),
                 "Les réglages ne peuvent pas être enregistrés :\n" + ini +
                     "\nun dossier porte le nom de ce fichier.\nLe programme continue, mais les réglages "
                     "changés pendant cette session seront perdus à sa fermeture.");
        QCOMPARE(Reglages(ini).Lire(QStringLiteral("Logger")), QString());
        QCOMPARE(Reglages(neuf).Lire(QStringLiteral("Logger")), QStringLiteral("ON4ABC"));
    }

    // Data go beside a copy that is not installed; never where a program is installed, even for root.
    void dossier_des_donnees() {
        QVERIFY(Dossier_Installation("/usr/local/bin/") && Dossier_Installation("/opt/maravel"));
        QVERIFY(!Dossier_Installation("/usr2/bin") && !Dossier_Installation(m_env->Dossier()));
        QVERIFY(Sous_Dossier("C:/PROGRAM FILES/Maravel_ON", {"C:/Program Files"}, Qt::CaseInsensitive));
        QCOMPARE(Dossier_Par_Defaut("/usr/bin", "/home/op"), "/home/op");
        QCOMPARE(Dossier_Par_Defaut(m_env->Dossier(), "/home/op"), m_env->Dossier());
    }

    // Files of an earlier run in the installation folder (%I): told, offered, moved whole into %D or not at
    // all.
    void donnees_dans_le_dossier_d_installation() {
        // clang-format off
        const QString trouves = "Des fichiers de données d'une version précédente de Maravel_ON sont dans le dossier où le programme est "
            "installé :\n%I\n    DMF-123.txt\n    Liste_Activite.txt\n\nUne mise à jour ou une désinstallation du programme peut les effacer.";
        const QString question = trouves + "\n\nVoulez-vous les déplacer dans le dossier des données ?\n%D\n(chaque fichier est copié et "
            "vérifié avant d'être retiré de l'ancien dossier ; sinon, la question sera posée au prochain lancement)|";
        // The answer (none: another copy works on %I), a log already in %D, the texts shown, whether the files moved.
        const QList<std::tuple<std::optional<bool>, QByteArray, QString, bool>> cas{
            {true, {}, question + "Les fichiers de données sont maintenant dans le dossier des données :\n%D", true},
            {false, {}, question.chopped(1), false},
            {true, "autre log", question + "Rien n'a été déplacé : le dossier des données contient déjà, avec un autre contenu, des "
                "fichiers de même nom :\n    DMF-123.txt\nComparez-les et rangez-les à la main.\n\nLes fichiers restent où ils étaient :\n%I", false},
            {{}, {}, trouves + " Une autre copie de Maravel_ON travaille sur ce dossier : ils seront proposés au prochain lancement.", false}};
        // clang-format on
        for (const auto& [reponse, deja, textes, deplaces] : cas) {
            Repartir();
            const QString installation = m_env->Dossier() + "/usr", donnees = m_env->Dossier() + "/donnees";
            QVERIFY(QDir().mkpath(installation) && QDir().mkpath(donnees));
            m_env->Ecrire_Fichier("usr/Liste_Activite.txt", "liste\r\n");
            m_env->Ecrire_Fichier("usr/DMF-123.txt", "log\r\n");
            m_env->Ecrire_Fichier("usr/Maravel_ON", "programme");
            if (!deja.isEmpty()) {
                m_env->Ecrire_Fichier("donnees/DMF-123.txt", deja);
            }
            QLockFile autre(installation + "/Maravel_ON.verrou");
            QVERIFY(reponse ? (m_env->messages.Repondre(*reponse), true) : autre.lock());
            Proposer_Deplacement(m_env->messages, m_env->services().fichiers, installation, donnees);
            QCOMPARE(Textes(), QString(textes).replace("%I", installation).replace("%D", donnees));
            QCOMPARE(m_env->Lire_Fichier(deplaces ? "donnees/DMF-123.txt" : "usr/DMF-123.txt"), "log\r\n");
            QCOMPARE(m_env->Existe("usr/Liste_Activite.txt"), !deplaces);
            QVERIFY(m_env->Existe("usr/Maravel_ON") && m_env->Existe("usr/Maravel_ON.verrou") == !reponse);
        }
    }

    // The toolkit's own dialogs speak French, and the windows carry the program's icon at every size.
    void bureau() {
        QVERIFY(Charger_Traductions_Qt(*QCoreApplication::instance()));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).buttons().constFirst()->text(), "Annuler");
        const QList<QSize> tailles = Icone_Programme().availableSizes();
        QVERIFY(tailles.size() == 8 && tailles.first() == QSize(16, 16) && tailles.last() == QSize(256, 256));
    }
};

QTEST_MAIN(Test_Demarrage)
#include "test_demarrage.moc"
