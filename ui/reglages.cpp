#include "ui/reglages.h"

QSettings& reglages()
{
    static QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Orvendel"), QStringLiteral("Chronastre"));
    return store;
}

int lirePanneau(QSettings& preferences, int nombre)
{
    if (!preferences.contains(cleTypeCalendrier))
        return panneauParDefaut;
    const QVariant valeur = preferences.value(cleTypeCalendrier);
    bool nombreEntier = false;
    // Read back from the file, the value is text; written in this run, a
    // number. Either converts; a list, a decimal or a word does not.
    const qlonglong panneau = valeur.typeId() == QMetaType::QString ||
                                      valeur.typeId() == QMetaType::Int ||
                                      valeur.typeId() == QMetaType::LongLong
                                  ? valeur.toLongLong(&nombreEntier)
                                  : -1;
    if (nombreEntier && panneau >= 0 && panneau < nombre)
        return static_cast<int>(panneau);
    preferences.setValue(cleTypeCalendrier, panneauParDefaut);
    return panneauParDefaut;
}

bool lireAffichageLitteral(QSettings& preferences)
{
    if (!preferences.contains(cleAffichageLitteral))
        return affichageLitteralParDefaut;
    const QVariant valeur = preferences.value(cleAffichageLitteral);
    if (valeur.typeId() == QMetaType::Bool)
        return valeur.toBool();
    if (valeur.typeId() == QMetaType::QString) {
        const QString texte = valeur.toString();
        if (texte == QLatin1String("true") || texte == QLatin1String("false"))
            return texte == QLatin1String("true");
    }
    preferences.setValue(cleAffichageLitteral, affichageLitteralParDefaut);
    return affichageLitteralParDefaut;
}

chronastre::Region lireRegion(QSettings& preferences)
{
    if (!preferences.contains(cleRegion))
        return chronastre::Region::ROME;
    const QVariant valeur = preferences.value(cleRegion);
    if (valeur.typeId() == QMetaType::QString) {
        // Written as its keyword, in capitals.
        const std::string mot = valeur.toString().toStdString();
        if (const auto region = chronastre::regionParIdentifiant(mot);
            region && mot == chronastre::reforme(*region).identifiant)
            return *region;
    }
    preferences.setValue(cleRegion, QString::fromLatin1("ROME"));
    return chronastre::Region::ROME;
}
