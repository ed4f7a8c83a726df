// The printed report through the real printer code: into a PDF file of two pages, read back as text laid
// out on the font's 4.8-point pitch (8 points of a fixed-pitch font), so that every word must stand in its
// column; the printer's own font is back after it.

#include "core/Imprimante.h"
#include "core/Sorties.h"
#include "ui/Impression.h"
#include "ui/Sous_Programmes.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class Test_Impression : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rapport_de_100_qso_en_pdf() {
        std::vector<std::string> log;
        for (int n = 1; n <= 100; ++n) {
            log.push_back("01/03/24  10:00  F" + std::to_string(100 + n) +
                          "ABC     75  H\xC9L\xC8NE           59  59  SSB     7 Mhz TR\xC8S BON SIGNAL");
        }
        const auto lignes = Maravel::Lignes_Rapport(
            {"F/ON4XYZ/P", "", "DMF-123", "Ch\xE2teau", "5590", "Halloy", "Activation", "12/11/05"}, log,
            Maravel::Forme_Rapport::Impression);
        QTemporaryDir dossier;
        QPrinter qprinter(QPrinter::HighResolution);
        qprinter.setOutputFileName(dossier.filePath(QStringLiteral("log.pdf")));
        Imprimante_QPrinter imprimante(qprinter);
        QVERIFY(Maravel::Imprimer_Lignes(imprimante, "Courier New", 8, true, lignes));
        QVERIFY(imprimante.Police() != "Courier New" && imprimante.Taille() == 10 && !imprimante.Gras());

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", "-fixed", "4.8", qprinter.outputFileName(), "-"});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) est introuvable");
        const QString texte = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(texte.count(u'\f'), 2); // two pages, each ended by a page break
        // The non-empty lines without their end blanks; on paper, every line is shifted by the page margin.
        const QRegularExpression fin_de_ligne(QStringLiteral("\\s*[\n\f]"));
        QStringList imprimees = texte.split(fin_de_ligne, Qt::SkipEmptyParts), attendues;
        for (const std::string& ligne : lignes) {
            attendues << Depuis_1252(ligne) + u'\n';
        }
        attendues = attendues.join(QString()).split(fin_de_ligne, Qt::SkipEmptyParts);
        const qsizetype marge = imprimees.value(0).indexOf(u'A') - attendues.value(0).indexOf(u'A');
        for (QString& ligne : imprimees) {
            ligne.remove(0, marge);
        }
        QCOMPARE(imprimees, attendues);
    }
};

QTEST_MAIN(Test_Impression)
#include "test_impression.moc"
