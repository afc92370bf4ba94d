#pragma once

#include "engine/dateheure.h"
#include "engine/reforme.h"
#include "engine/typecalendrier.h"

#include <QDateTime>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;
class QLabel;
class QMenu;

namespace Ui {
class Chronastre;
}

// The main window: one moment in, every calendar out. Each change of the
// moment, the era or the display mode recomputes every label (miseAJour); the
// combo box only chooses which panel of calendars is visible.
class Chronastre : public QMainWindow
{
    Q_OBJECT

public:
    explicit Chronastre(QWidget* parent = nullptr);
    ~Chronastre() override;

    // Writes the text report of what the window shows to a file; on failure
    // tells the user which file and why. Returns whether it was written.
    bool enregistrer(const QString& chemin);

    // The clock read by "Date actuelle" (the local time by default).
    void setHorloge(std::function<QDateTime()> horloge) { horloge_ = std::move(horloge); }

    // Shows the civil date given (astronomical year, Julian before 15 October
    // 1582), keeping the time of day: what typing it in the fields shows.
    void allerA(const chronastre::DateHeure& civile);
    // The entry of a date of calendar type, opened on the day shown (and on
    // a written date, when texte holds one); its date is shown when the user
    // confirms it.
    void saisirDate(chronastre::TypeCalendrier type, const QString& texte = {});
    // The context menu of a result label: "Copier", "Copier le rapport", and
    // for a calendar's label the entry of a date of that calendar.
    QMenu* menuContextuel(QLabel* etiquette);

    // The region whose reform the date fields follow: its calendar (Julian
    // before its reform, Gregorian from it), the days its reform skipped
    // left out, its Easter and computus; Rome's (the 1582 rule) by default.
    // Choosing one keeps the date typed and reads it in the region's
    // calendar; it is kept with the preferences.
    chronastre::Region region() const { return region_; }
    void setRegion(chronastre::Region region);
    // The menu "Réforme du calendrier" of the date fields' context menu:
    // the regions, the one in use checked.
    QMenu* menuRegions(QWidget* parent);

protected:
    // The mouse and keys of the result labels: the entry of a date of a
    // calendar (double click, Enter), the context menu (Menu key,
    // Shift+F10), Ctrl+C, the arrows, and a highlight while one has the
    // keyboard focus. In a field, Ctrl+V is the field's only when the
    // clipboard holds what the field takes.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

signals:
    // Emitted at the end of every recompute.
    void recalcule();

private slots:
    void on_effacerHeure_clicked();
    void on_dateActuelle_clicked();
    void on_annee_valueChanged();
    void on_mois_valueChanged();
    void on_jour_valueChanged();
    void on_heure_valueChanged();
    void on_minutes_valueChanged();
    void on_secondes_valueChanged();
    void on_typeCalendrier_currentIndexChanged(int index);
    void on_affichageNumerique_clicked();
    void on_affichageLitteral_clicked();
    void on_apjc_clicked();
    void on_avjc_clicked();
    void on_enregistrerSous_clicked();
    void on_quitter_clicked();

private:
    // Keeps the six input fields on a real civil date: era bound of the year,
    // the days removed by the 1582 reform, the length of the month.
    void ajusterSaisie();
    // Recomputes the moment in every calendar and writes every result label.
    void miseAJour();
    // The typed year in astronomical numbering (1 BC is 0).
    std::int64_t anneeSaisie() const;
    // Recomputes from a value-changed slot, once the first recompute is done.
    void miseAJourSiActive();
    // Sets the era, year, month and day fields to a civil date (astronomical
    // year), without a recompute.
    void placerDate(const chronastre::DateHeure& civile);
    // The day number of the civil date shown.
    std::int64_t numeroJourAffiche() const;
    // Context menus, double clicks, the keyboard's access to the results and
    // the shortcuts; the reading and Tab order.
    void installerActions();
    // The calendar an entry opens on: the focused result's, or the first of
    // the visible panel.
    chronastre::TypeCalendrier calendrierChoisi() const;
    // The calendar whose result label this is, if it is one.
    std::optional<chronastre::TypeCalendrier> calendrierDe(const QWidget* etiquette) const;
    // A key pressed on a result label; whether it was used.
    bool toucheResultat(QLabel* etiquette, std::optional<chronastre::TypeCalendrier> type,
                        const QKeyEvent& touche);

    // ajusterSaisie and miseAJour for a region other than Rome.
    void ajusterSaisieRegion(std::int64_t annee, int mois, int jour);
    void miseAJourRegion(chronastre::DateHeure& moment, std::int64_t& jourAnnee);
    // Line 2 of the report: the region, when it is not Rome.
    QString ligneRegion() const;

    Ui::Chronastre* ui;
    chronastre::Region region_ = chronastre::Region::ROME;
    // Off until the first recompute and while "Date actuelle" fills the fields.
    bool miseAJourActive = false;
    std::function<QDateTime()> horloge_ = &QDateTime::currentDateTime;
};
