#include "ui/reglages.h"

QSettings& reglages()
{
    static QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Orvendel"), QStringLiteral("Chronastre"));
    return store;
}
