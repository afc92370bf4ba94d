#include "ui/etiquettes.h"

#include "ui_chronastre.h"

std::array<QLabel*, chronastre::nombreCalendriers> etiquettesCalendriers(const Ui::Chronastre& ui)
{
    return {
        ui.calendrierArmenien, ui.calendrierEgyptien,     ui.calendrierKhwarizmien,
        ui.calendrierPerse,    ui.calendrierCopte,        ui.calendrierEthiopien,
        ui.calendrierJulien,   ui.calendrierMacedonien,   ui.calendrierSyrien,
        ui.calendrierBahai,    ui.calendrierGregorien,    ui.calendrierRepublicain,
        ui.calendrierSaka,     ui.calendrierIslamiqueA,   ui.calendrierIslamiqueB,
        ui.calendrierRomainI,  ui.calendrierRomainII,     ui.calendrierHebreu,
        ui.calendrierMaya,     ui.calendrierIranien,      ui.calendrierUmmAlQura,
        ui.calendrierChinois,  ui.calendrierBahaiTeheran,
    };
}

QLabel* legende(const QLabel* valeur)
{
    return valeur->parentWidget()->findChild<QLabel*>(QStringLiteral("lbl_") + valeur->objectName(),
                                                      Qt::FindDirectChildrenOnly);
}

std::array<QFrame*, 8> panneaux(const Ui::Chronastre& ui)
{
    return {
        ui.calendriersAlexandrins, ui.calendriersEgyptiens, ui.calendriersGregoriens,
        ui.calendriersIslamiques,  ui.calendriersJuliens,   ui.calendriersRomains,
        ui.autresCalendriers,      ui.calendriersEnUsage,
    };
}
