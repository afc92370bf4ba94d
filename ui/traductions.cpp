#include "ui/traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installerTraductionsQt(QCoreApplication& application)
{
    auto* traducteur = new QTranslator(&application);
    if (!traducteur->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}
