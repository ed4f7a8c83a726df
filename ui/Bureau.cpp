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
    for (const QString& dossier : Dossiers_Traductions()) {
        if (traduction->load(QStringLiteral("qtbase_fr"), dossier)) {
            return QCoreApplication::installTranslator(traduction);
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
