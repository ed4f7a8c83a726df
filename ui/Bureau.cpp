#include "ui/Bureau.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QStringList Dossiers_Traductions() {
    const QString programme = QCoreApplication::applicationDirPath();
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath), programme + QStringLiteral("/translations"),
            programme};
}

bool Charger_Traductions_Qt(QCoreApplication& application) {
    auto* traduction = new QTranslator(&application);
    // "qt_fr": Debian's catalogue of every module, or the one windeployqt merges; "qtbase_fr" alone else.
    for (const QString& dossier : Dossiers_Traductions()) {
        for (const QString& catalogue : {QStringLiteral("qt_fr"), QStringLiteral("qtbase_fr")}) {
            if (traduction->load(catalogue, dossier)) {
                return QCoreApplication::installTranslator(traduction);
            }
        }
    }
    delete traduction;
    return false;
}

QIcon Icone_Programme() {
    QIcon icone;
    for (const int taille : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icone.addFile(QStringLiteral(":/icones/%1x%1.png").arg(taille), QSize(taille, taille));
    }
    return icone;
}
