// The printed report through the real printer code: into a PDF file of more than one page, read back
// with pdftotext, every word in its column under the header.

#include "core/Imprimante.h"
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
        const std::string entete = "     N\xB0    Date      QTR   Indicatif     Dpt   Prenom     RST R   E   Mode    "
                                   "Bande         Observations";
        std::vector<std::string> lignes = {"       Activation le 12/11/05 du DMF-123 le Ch\xE2teau par F/ON4XYZ/P", "",
                                           std::string(22, ' ') + "Code Postal 5590   Commune Halloy", "", entete, ""};
        for (int n = 1; n <= 100; ++n) {
            const std::string numero = std::to_string(n);
            lignes.push_back("    " + numero + std::string(6 - numero.size(), ' ') + "01/03/24  10:00  F" + numero +
                             "ABC" + std::string(10 - numero.size(), ' ') + "75  H\xC9L\xC8NE           59  59  SSB   "
                             "  7 Mhz TR\xC8S BON SIGNAL");
        }
        lignes.insert(lignes.end(), {"", std::string(37, ' ') + "R\xE9" "alis\xE9 par Maravel_ON"});

        QTemporaryDir dossier;
        const QString pdf = dossier.filePath(QStringLiteral("log.pdf"));
        QPrinter qprinter(QPrinter::HighResolution);
        qprinter.setOutputFormat(QPrinter::PdfFormat);
        qprinter.setOutputFileName(pdf);
        Imprimante_QPrinter imprimante(qprinter);
        imprimante.Police("Arial");
        imprimante.Taille(11);
        QVERIFY(Maravel::Imprimer_Lignes(imprimante, "Courier New", 8, true, lignes));
        // The printer's font is put back once the report is out.
        QCOMPARE(imprimante.Police(), std::string("Arial"));
        QCOMPARE(imprimante.Taille(), 11.0);
        QVERIFY(!imprimante.Gras());

        // Each word's place on the page: in a fixed-pitch font a word that starts in column c stands c
        // advances right of the first column.
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) est introuvable");
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(html.count(QStringLiteral("<page ")) >= 2, "le rapport passe sur une deuxième page");

        struct Mot {
            int page;
            double y, x;
            QString texte;
        };
        std::vector<Mot> mots;
        static const QRegularExpression balise(
            QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
        const QStringList pages = html.split(QStringLiteral("<page "));
        for (int page = 0; page < pages.size(); ++page) {
            for (auto it = balise.globalMatch(pages[page]); it.hasNext();) {
                const auto m = it.next();
                mots.push_back({page, m.captured(2).toDouble(), m.captured(1).toDouble(), m.captured(3)});
            }
        }
        // pdftotext gives the words by blocks: back to reading order, line by line.
        std::sort(mots.begin(), mots.end(), [](const Mot& a, const Mot& b) {
            return std::tie(a.page, a.y, a.x) < std::tie(b.page, b.y, b.x);
        });
        // The words of the expected lines, with their columns, in reading order.
        std::vector<std::pair<int, QString>> attendus;
        std::vector<std::size_t> rangs;
        for (std::size_t r = 0; r < lignes.size(); ++r) {
            const QString ligne = QString::fromLatin1(lignes[r].data(), static_cast<qsizetype>(lignes[r].size()));
            for (qsizetype c = 0; c < ligne.size(); ++c) {
                if (ligne[c] != u' ' && (c == 0 || ligne[c - 1] == u' ')) {
                    attendus.emplace_back(static_cast<int>(c), ligne.mid(c).section(u' ', 0, 0));
                    rangs.push_back(r);
                }
            }
        }
        QCOMPARE(mots.size(), attendus.size());
        // The advance from the header's first and last words.
        std::size_t premier_entete = 0;
        while (rangs[premier_entete] != 4) {
            ++premier_entete;
        }
        std::size_t dernier_entete = premier_entete;
        while (rangs[dernier_entete + 1] == 4) {
            ++dernier_entete;
        }
        const double avance = (mots[dernier_entete].x - mots[premier_entete].x) /
                              (attendus[dernier_entete].first - attendus[premier_entete].first);
        const double marge = mots[premier_entete].x - attendus[premier_entete].first * avance;
        for (std::size_t i = 0; i < mots.size(); ++i) {
            QCOMPARE(mots[i].texte, attendus[i].second);
            const double colonne = (mots[i].x - marge) / avance;
            QVERIFY2(std::abs(colonne - attendus[i].first) < 0.2,
                     qPrintable(attendus[i].second + QStringLiteral(" en colonne ") + QString::number(colonne)));
        }
    }
};

QTEST_MAIN(Test_Impression)
#include "test_impression.moc"
