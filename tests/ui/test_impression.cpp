// The printed report through the real printer code: into a PDF file of more than one page, read back
// with pdftotext, every word in its column under the header; the printer's own font is back after it.

#include "core/Imprimante.h"
#include "core/Sorties.h"
#include "ui/Impression.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <tuple>

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
        pdftotext.start("pdftotext", {"-bbox", qprinter.outputFileName(), "-"});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) est introuvable");
        const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split("<page ");
        QCOMPARE(pages.size(), 3); // what comes before the first page, then two pages
        // Each word's page and place in reading order (pdftotext gives them by blocks); below, the words
        // printed with their column and line.
        std::vector<std::tuple<int, double, double, QString>> mots;
        static const QRegularExpression balise(R"#(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)<)#");
        for (int page = 1; page < pages.size(); ++page) {
            for (const auto& m : balise.globalMatch(pages[page])) {
                mots.emplace_back(page, m.captured(2).toDouble(), m.captured(1).toDouble(), m.captured(3));
            }
        }
        std::sort(mots.begin(), mots.end());
        std::vector<std::tuple<int, QString, std::size_t>> attendus;
        for (std::size_t r = 0; r < lignes.size(); ++r) {
            for (const auto& m : QRegularExpression("\\S+").globalMatch(QString::fromLatin1(lignes[r]))) {
                attendus.emplace_back(static_cast<int>(m.capturedStart()), m.captured(), r);
            }
        }
        QCOMPARE(mots.size(), attendus.size());
        // In a fixed-pitch font a word in column c stands c advances right of the first column: the
        // advance is taken from the header's first and last words (line 5).
        const auto premier =
            std::find_if(attendus.begin(), attendus.end(), [](auto& a) { return get<2>(a) == 4; });
        const auto dernier = std::find_if(premier, attendus.end(), [](auto& a) { return get<2>(a) > 4; }) - 1;
        const auto x = [&](auto it) { return get<2>(mots[static_cast<std::size_t>(it - attendus.begin())]); };
        const double avance = (x(dernier) - x(premier)) / (get<0>(*dernier) - get<0>(*premier));
        const double marge = x(premier) - get<0>(*premier) * avance;
        for (std::size_t i = 0; i < mots.size(); ++i) {
            QCOMPARE(get<3>(mots[i]), get<1>(attendus[i]));
            const double colonne = (get<2>(mots[i]) - marge) / avance;
            QVERIFY2(std::abs(colonne - get<0>(attendus[i])) < 0.2,
                     qPrintable(get<1>(attendus[i]) + " en colonne " + QString::number(colonne)));
        }
    }
};

QTEST_MAIN(Test_Impression)
#include "test_impression.moc"
