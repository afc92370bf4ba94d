#pragma once

#include "engine/reforme.h"
#include "engine/typecalendrier.h"
#include "ui/modelesaisie.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class QSpinBox;

namespace Ui {
class SaisieDate;
}

// The dialog that enters a date of any of the calendars: a written
// date ("18 brumaire an VIII"), or the calendar, then the year, the month by
// its name and the day (the long count for the Maya calendar), each bounded
// by what the calendar has; a live line shows the entry and the civil date
// it falls on. OK is offered only for a date the window can show, and
// otherwise the dialog says why.
class SaisieDate : public QDialog
{
    Q_OBJECT

public:
    // Opens on day numeroJour, in calendar type.
    SaisieDate(chronastre::TypeCalendrier type, std::int64_t numeroJour, QWidget* parent = nullptr);
    ~SaisieDate() override;

    const chronastre::ModeleSaisie& modele() const { return modele_; }

    // A written date, as typed in its field: the calendar it belongs to and
    // its fields follow when it reads (a month's name that one calendar has
    // chooses it; where several share it, the chosen calendar stays).
    void setTexte(const QString& texte);
    // The region whose documents a historian's written date comes from ("la
    // Toussaint 1350", "10 mars 1500, style de Pâques"): read in its
    // calendar, the entry shows its day in the Julian or Gregorian calendar,
    // whichever the region used that day; the live line shows the date in
    // the region's calendar.
    void setRegion(chronastre::Region region);

private:
    // Reads the written date of the text field.
    void lireTexte();
    // A historian's date (a feast, a style): whether the text is one; the
    // entry or the reason follows.
    bool lireDateHistorique(const std::string& texte);
    // The fields set to date d of calendar type.
    void mettreDate(chronastre::TypeCalendrier type, const chronastre::DateHeure& d);
    // A field changed by hand: the written date no longer says the entry.
    void oublierTexte();
    // Fields from the model, signals held back: one entry, one refresh.
    void afficher();
    // The long count's fields, pictun first.
    std::array<QSpinBox*, 6> placesCompteLong() const;

    std::unique_ptr<Ui::SaisieDate> ui;
    chronastre::ModeleSaisie modele_;
    QStringList moisAffiches_;
    // Why the written date cannot be read; empty when it was, or when there
    // is none.
    QString erreurTexte_;
    chronastre::Region region_ = chronastre::Region::ROME;
};
