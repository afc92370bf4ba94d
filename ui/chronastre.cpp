#include "ui/chronastre.h"

#include "engine/calendrier.h"
#include "engine/comput.h"
#include "engine/dateheure.h"
#include "engine/romain.h"
#include "engine/styles.h"
#include "texte/rapport.h"
#include "texte/rendu.h"
#include "texte/textefetes.h"
#include "ui/accessibilite.h"
#include "ui/etiquettes.h"
#include "ui/rapport.h"
#include "ui/reglages.h"
#include "ui/saisiedate.h"
#include "ui_chronastre.h"

#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QChildEvent>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcut>

#include <algorithm>
#include <array>
#include <vector>

using namespace chronastre;

namespace {

// The window's years, as typed with their era.
constexpr int anneeMaximale(bool avantJC)
{
    return avantJC ? anneeMaximaleAvantJC : anneeMaximaleApresJC;
}

QString qtexte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The form reads "Icon3.ico" from the working directory. Started from the
// application menu or elsewhere, the window takes the icon beside the
// executable (build tree), then the installed one, then the theme's. A small
// PNG first: Qt decodes the file when the icon is made, and a 256-pixel image
// or an .ico (with its image plug-in) costs a millisecond or more of the
// window's start.
QIcon iconeDeRepli()
{
    const QString dossier = QCoreApplication::applicationDirPath();
    for (const QString& chemin :
         {dossier + QStringLiteral("/chronastre.png"),
          dossier + QStringLiteral("/../share/icons/hicolor/64x64/apps/chronastre.png"),
          dossier + QStringLiteral("/Icon3.ico")}) {
        if (QFileInfo::exists(chemin))
            return QIcon(chemin);
    }
    return QIcon::fromTheme(QStringLiteral("chronastre"));
}

} // namespace

Chronastre::Chronastre(QWidget* parent) : QMainWindow(parent), ui(new Ui::Chronastre)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("Chronastre " CHRONASTRE_VERSION));
    // The captions of the calendars are those of the report and of TOUS.
    const auto calendriers = etiquettesCalendriers(*ui);
    for (std::size_t k = 0; k < calendriers.size(); ++k)
        legende(calendriers[k])->setText(qtexte(std::string(texte::legendesCalendriers[k])));
    if (!QFileInfo::exists(QStringLiteral("Icon3.ico")))
        setWindowIcon(iconeDeRepli());

    QSettings& preferences = reglages();
    region_ = lireRegion(preferences);
    ui->typeCalendrier->setCurrentIndex(lirePanneau(preferences, ui->typeCalendrier->count()));
    if (lireAffichageLitteral(preferences))
        ui->affichageLitteral->setChecked(true);
    else
        ui->affichageNumerique->setChecked(true);
    on_typeCalendrier_currentIndexChanged(ui->typeCalendrier->currentIndex());
    on_dateActuelle_clicked();
    installerActions();
}

Chronastre::~Chronastre()
{
    QSettings& preferences = reglages();
    preferences.setValue(cleTypeCalendrier, ui->typeCalendrier->currentIndex());
    preferences.setValue(cleAffichageLitteral, ui->affichageLitteral->isChecked());
    // Rome's, the first start's, is written only over another one.
    if (region_ != Region::ROME || preferences.contains(cleRegion))
        preferences.setValue(
            cleRegion,
            QString::fromLatin1(reforme(region_).identifiant.data(),
                                static_cast<qsizetype>(reforme(region_).identifiant.size())));
    preferences.sync();
    delete ui;
}

void Chronastre::ajusterSaisie()
{
    const bool avantJC = ui->avjc->isChecked();
    const int mois = ui->mois->value();
    const int jour = ui->jour->value();

    // Each bound or value set here that changes a field runs a nested
    // recompute through that field's slot, before this one goes on. The year
    // is read once the era's bound holds, so that February has the length
    // of the year shown (9999 lowered to 4713 BC, a leap year).
    ui->annee->setMaximum(anneeMaximale(avantJC));
    const std::int64_t annee = anneeSaisie();
    if (region_ != Region::ROME) {
        ajusterSaisieRegion(annee, mois, jour);
        return;
    }
    if (ui->jour->minimum() != 1)
        ui->jour->setMinimum(1); // left by a region whose reform began a month

    // 5 to 14 October 1582 do not exist. 5 to 9 go to 15 and 10 to 14 to 4:
    // one step up from the 4th gives the 15th, one step down from the 15th
    // gives the 4th; a typed day goes to the side beyond it.
    if (mois == 10 && annee == anneeReforme && jour >= 5 && jour <= 14)
        ui->jour->setValue(jour - 5 < 15 - jour ? 15 : 4);

    ui->jour->setMaximum(static_cast<int>(joursMoisJulien(mois, estBissextile(annee))));
}

void Chronastre::ajusterSaisieRegion(std::int64_t annee, int mois, int jour)
{
    // The days of the month the region's calendar has: the first (a reform
    // may have skipped the first days, 1 to 13 February 1918 in Russia) to
    // the last (February 1712 had 30 days in Sweden).
    const auto existe = [&](std::int64_t j) {
        return jourCivil(region_, annee, mois, j).refus == Refus::Aucun;
    };
    const std::int64_t dernier = joursDuMoisCivil(region_, annee, mois);
    std::int64_t premier = 1;
    while (premier < dernier && !existe(premier))
        ++premier;
    // Within the month, the days the reform skipped, as in 1582 by the
    // Roman rule: a day goes to the side beyond it, one step up from the
    // last Julian day gives the first Gregorian one and one step down the
    // reverse.
    if (jour > premier && jour < dernier && !existe(jour)) {
        std::int64_t bas = jour;
        std::int64_t haut = jour;
        while (bas > premier && !existe(bas - 1))
            --bas;
        while (haut < dernier && !existe(haut + 1))
            ++haut;
        ui->jour->setValue(static_cast<int>(jour - bas < haut + 1 - jour ? haut + 1 : bas - 1));
    }
    ui->jour->setMinimum(static_cast<int>(premier));
    ui->jour->setMaximum(static_cast<int>(std::max(dernier, premier)));
}

void Chronastre::miseAJourRegion(DateHeure& moment, std::int64_t& jourAnnee)
{
    // The region's date is the moment's day in the Roman rule's calendar,
    // which the Julian Day and the conversions read.
    const DateHeure ecrite(moment.annee(), moment.mois(), moment.jour(), moment.heure(),
                           moment.minutes(), moment.secondes());
    const JourCivil civil = jourCivil(region_, ecrite.annee(), ecrite.mois(), ecrite.jour());
    const auto romaine = dateCivile(Region::ROME, civil.jour);
    if (civil.refus != Refus::Aucun || !romaine)
        return; // never within the window's years, the fields being adjusted
    moment = DateHeure(romaine->annee, romaine->mois, romaine->jour, ecrite.heure(),
                       ecrite.minutes(), ecrite.secondes());
    moment.calculerJourJulien();
    moment.calculerJourSemaine();
    moment.calculerJourAnnee();
    jourAnnee = jourDeLAnneeCivil(
        region_, DateCivile{ecrite.annee(), ecrite.mois(), ecrite.jour(), civil.regime});
    ui->date->setText(qtexte(texte::ligneDate(ecrite, moment.jourSemaine())));
    const bool bissextile = joursDuMoisCivil(region_, ecrite.annee(), 2) >= 29;
    ui->date->setToolTip(qtexte(nommerJourRomain(ecrite, bissextile)));
}

QString Chronastre::ligneRegion() const
{
    if (region_ == Region::ROME)
        return {};
    return tr("Calendrier de la région : %1").arg(qtexte(texte::texteReforme(region_)));
}

void Chronastre::miseAJour()
{
    ajusterSaisie();

    const std::int64_t annee = anneeSaisie();
    DateHeure moment(annee, ui->mois->value(), ui->jour->value(), ui->heure->value(),
                     ui->minutes->value(), ui->secondes->value());
    moment.calculerJourJulien();
    moment.calculerJourSemaine();
    moment.calculerJourAnnee();
    std::int64_t jourAnnee = moment.jourAnnee();

    ui->date->setText(qtexte(texte::ligneDate(moment)));
    // Screen readers read the tooltip as the label's description.
    ui->date->setToolTip(qtexte(nommerJourRomain(moment, estBissextile(moment.annee()))));
    if (region_ != Region::ROME)
        miseAJourRegion(moment, jourAnnee);

    // One converter for every conversion: the day number of the moment is
    // computed once.
    Calendrier source(calendrierCivil(moment.annee(), moment.mois(), moment.jour()));

    // The year of the day in the styles of the year's beginning that give
    // another one, and the region's reform.
    const std::int64_t numeroJour = source.depuisCalendrier(moment);
    QString infobulle = ui->date->toolTip();
    if (const std::string annees = texte::anneesSelonStyles(region_, numeroJour); !annees.empty())
        infobulle += QLatin1Char('\n') + qtexte(annees);
    if (region_ != Region::ROME)
        infobulle += QLatin1Char('\n') + ligneRegion();
    ui->date->setToolTip(infobulle);
    ui->jourJulien->setText(qtexte(texte::texteJourJulien(moment.jourJulien())));
    ui->jourAnnee->setText(QString::number(jourAnnee));

    if (annee < 1) {
        // No Easter nor computus before the year 1: none shown, none saved.
        ui->comput->hide();
        for (QLabel* valeur : {ui->dimanchePaques, ui->nombreOr, ui->epacte, ui->cycleSolaire,
                               ui->indictionRomaine, ui->lettreDominicale})
            valeur->clear();
    } else {
        Comput comput;
        if (region_ != Region::ROME) {
            // The region's Easter, in its calendar, by its computus.
            const auto paques = dateCivile(region_, jourPaques(region_, annee).value_or(0));
            ui->dimanchePaques->setText(qtexte(texte::texteDimanchePaques(
                static_cast<int>(paques->jour), static_cast<int>(paques->mois))));
            comput.calculerSelon(annee, paquesGregoriennes(region_, annee));
        } else {
            Paques paques;
            paques.calculer(annee);
            ui->dimanchePaques->setText(
                qtexte(texte::texteDimanchePaques(paques.jour(), paques.mois())));
            comput.calculer(annee);
        }
        ui->nombreOr->setText(QString::number(comput.nombreOr()));
        ui->epacte->setText(QString::number(comput.epacte()));
        ui->cycleSolaire->setText(QString::number(comput.cycleSolaire()));
        ui->indictionRomaine->setText(QString::number(comput.indictionRomaine()));
        ui->lettreDominicale->setText(QString::fromLatin1(comput.lettreDominicale()));
        ui->comput->show();
    }

    const std::array<QLabel*, nombreCalendriers> etiquettes = etiquettesCalendriers(*ui);
    const bool numerique = ui->affichageNumerique->isChecked();
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        etiquettes[static_cast<std::size_t>(k)]->setText(qtexte(texte::texteCalendrier(
            type, source.convertir(type, moment), moment.jourSemaine(), numerique)));
    }

    nommerResultats(*ui);
    miseAJourActive = true;
    emit recalcule();
}

std::int64_t Chronastre::numeroJourAffiche() const
{
    const DateHeure date(anneeSaisie(), ui->mois->value(), ui->jour->value());
    if (const JourCivil civil = jourCivil(region_, date.annee(), date.mois(), date.jour());
        region_ != Region::ROME && civil.refus == Refus::Aucun)
        return civil.jour;
    return Calendrier(calendrierCivil(date.annee(), date.mois(), date.jour()))
        .depuisCalendrier(date);
}

void Chronastre::placerDate(const DateHeure& civile)
{
    const bool avantJC = civile.annee() < 1;
    (avantJC ? ui->avjc : ui->apjc)->setChecked(true);
    ui->annee->setMaximum(anneeMaximale(avantJC));
    ui->annee->setValue(static_cast<int>(avantJC ? 1 - civile.annee() : civile.annee()));
    ui->mois->setValue(static_cast<int>(civile.mois()));
    // The bounds left by the month shown before must not cut the day.
    if (ui->jour->minimum() != 1)
        ui->jour->setMinimum(1);
    ui->jour->setMaximum(31);
    ui->jour->setValue(static_cast<int>(civile.jour()));
}

void Chronastre::allerA(const DateHeure& civile)
{
    // As "Date actuelle" does: the fields first, then one recompute.
    miseAJourActive = false;
    if (region_ == Region::ROME) {
        placerDate(civile);
    } else {
        // The same day in the region's calendar.
        const std::int64_t jour =
            Calendrier(calendrierCivil(civile.annee(), civile.mois(), civile.jour()))
                .depuisCalendrier(civile);
        const auto date = dateCivile(region_, jour);
        placerDate(date ? DateHeure(date->annee, date->mois, date->jour) : civile);
    }
    miseAJour();
}

void Chronastre::setRegion(Region region)
{
    if (region == region_)
        return;
    region_ = region;
    // The date typed stays, read in the region's calendar.
    miseAJour();
}

QMenu* Chronastre::menuRegions(QWidget* parent)
{
    auto* menu = new QMenu(tr("Réforme du calendrier"), parent);
    menu->setObjectName(QStringLiteral("menuRegions"));
    auto* groupe = new QActionGroup(menu);
    for (const Reforme& r : reformes) {
        // The region, and the year of its reform beside it.
        QAction* action = menu->addAction(qtexte(std::string(r.nom)) + QLatin1Char('\t') +
                                          QString::number(r.premierGregorien.annee));
        action->setCheckable(true);
        action->setChecked(r.region == region_);
        action->setActionGroup(groupe);
        action->setData(QString::fromLatin1(r.identifiant.data(),
                                            static_cast<qsizetype>(r.identifiant.size())));
        const Region region = r.region;
        connect(action, &QAction::triggered, this, [this, region] { setRegion(region); });
    }
    return menu;
}

void Chronastre::saisirDate(TypeCalendrier type, const QString& texte)
{
    SaisieDate dialogue(type, numeroJourAffiche(), this);
    dialogue.setRegion(region_);
    if (!texte.isEmpty())
        dialogue.setTexte(texte);
    if (dialogue.exec() == QDialog::Accepted && dialogue.modele().confirmable())
        allerA(dialogue.modele().dateCivile());
}

QMenu* Chronastre::menuContextuel(QLabel* etiquette)
{
    auto* menu = new QMenu(etiquette);
    if (const auto type = calendrierDe(etiquette)) {
        menu->addAction(tr("Saisir une date de ce calendrier…"), this,
                        [this, type] { saisirDate(*type); });
    }
    menu->addAction(tr("Copier"), this,
                    [etiquette] { QGuiApplication::clipboard()->setText(etiquette->text()); });
    menu->addSeparator();
    menu->addAction(tr("Copier le rapport"), this, [this] {
        QGuiApplication::clipboard()->setText(texteRapport(*ui, ligneRegion()));
    });
    return menu;
}

void Chronastre::installerActions()
{
    for (QLabel* etiquette : resultatsFocalisables(*ui)) {
        // Tab reaches a result (the mouse does not give it the focus), which
        // is then highlighted; the keys it takes are in eventFilter.
        etiquette->setFocusPolicy(Qt::TabFocus);
        etiquette->installEventFilter(this);
        etiquette->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(etiquette, &QWidget::customContextMenuRequested, this,
                [this, etiquette](const QPoint& position) {
                    QMenu* menu = menuContextuel(etiquette);
                    menu->setAttribute(Qt::WA_DeleteOnClose);
                    menu->popup(etiquette->mapToGlobal(position));
                });
    }
    ordonnerLecture(*ui);
    lierLegendes(*ui);

    // The list of panels has no caption on screen. Screen readers on Linux
    // name a combo box by the label whose buddy it is: it gets one, never
    // shown.
    auto* legendePanneaux = new QLabel(tr("Calendriers affichés"), ui->centralWidget);
    legendePanneaux->setObjectName(QStringLiteral("lbl_typeCalendrier"));
    legendePanneaux->setBuddy(ui->typeCalendrier);
    legendePanneaux->hide();

    // For the keyboard: the entry on the calendar whose result has the focus,
    // or on the first calendar of the visible panel; Ctrl+V opens it on the
    // date the clipboard holds, wherever the focus is, unless the focus is in
    // a field that takes what the clipboard holds (a number in a number
    // field): eventFilter leaves the key to this shortcut otherwise.
    for (QAbstractSpinBox* champ : findChildren<QAbstractSpinBox*>())
        champ->installEventFilter(this);
    // The context menu of the date fields, which their line edit makes, gets
    // the regions (eventFilter, when the menu is polished before it shows).
    for (QSpinBox* champ : {ui->annee, ui->mois, ui->jour}) {
        if (auto* edition = champ->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly))
            edition->installEventFilter(this);
    }
    for (QLineEdit* champ : findChildren<QLineEdit*>()) {
        if (qobject_cast<QAbstractSpinBox*>(champ->parentWidget()) == nullptr)
            champ->installEventFilter(this);
    }
    auto* saisie = new QShortcut(QKeySequence(tr("Ctrl+G")), this);
    connect(saisie, &QShortcut::activated, this, [this] { saisirDate(calendrierChoisi()); });
    auto* coller = new QShortcut(QKeySequence::Paste, this);
    connect(coller, &QShortcut::activated, this, [this] {
        saisirDate(calendrierChoisi(), QGuiApplication::clipboard()->text().trimmed());
    });
    auto* rapport = new QShortcut(QKeySequence(tr("Ctrl+Shift+C")), this);
    connect(rapport, &QShortcut::activated, this,
            [this] { QGuiApplication::clipboard()->setText(texteRapport(*ui, ligneRegion())); });
}

TypeCalendrier Chronastre::calendrierChoisi() const
{
    if (const auto type = calendrierDe(focusWidget()))
        return *type;
    constexpr std::array<TypeCalendrier, 8> premiers = {COPTE,  ARMENIEN, BAHAI,  ISLAMIQUE_A,
                                                        JULIEN, ROMAIN_I, HEBREU, IRANIEN};
    const int panneau = ui->typeCalendrier->currentIndex();
    return panneau >= 0 && panneau < static_cast<int>(premiers.size())
               ? premiers[static_cast<std::size_t>(panneau)]
               : GREGORIEN;
}

std::optional<TypeCalendrier> Chronastre::calendrierDe(const QWidget* etiquette) const
{
    const auto etiquettes = etiquettesCalendriers(*ui);
    const auto trouvee = std::find(etiquettes.begin(), etiquettes.end(), etiquette);
    if (trouvee == etiquettes.end())
        return std::nullopt;
    return static_cast<TypeCalendrier>(trouvee - etiquettes.begin());
}

bool Chronastre::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::ChildPolished) {
        auto* menu = qobject_cast<QMenu*>(static_cast<QChildEvent*>(evenement)->child());
        if (menu != nullptr && objet->parent() != nullptr &&
            (objet->parent() == ui->annee || objet->parent() == ui->mois ||
             objet->parent() == ui->jour) &&
            menu->findChild<QMenu*>(QStringLiteral("menuRegions")) == nullptr)
            menu->addMenu(menuRegions(menu));
        return false;
    }
    // A field asks first whether it takes the key as its own: a field that
    // would refuse the clipboard's text does not, and the window's Ctrl+V
    // opens the entry on it.
    if (evenement->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Paste) &&
        qobject_cast<QLabel*>(objet) == nullptr &&
        !accepteCollage(objet, QGuiApplication::clipboard()->text())) {
        evenement->ignore();
        return true;
    }
    auto* etiquette = qobject_cast<QLabel*>(objet);
    if (etiquette == nullptr)
        return QMainWindow::eventFilter(objet, evenement);
    const auto type = calendrierDe(etiquette);
    switch (evenement->type()) {
    case QEvent::MouseButtonDblClick:
        if (type && static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
            saisirDate(*type);
            return true;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // A label draws no focus of its own: the selection's colours show it.
        const bool focus = evenement->type() == QEvent::FocusIn;
        etiquette->setBackgroundRole(focus ? QPalette::Highlight : QPalette::Window);
        etiquette->setForegroundRole(focus ? QPalette::HighlightedText : QPalette::WindowText);
        etiquette->setAutoFillBackground(focus);
        break;
    }
    case QEvent::KeyPress:
        return toucheResultat(etiquette, type, *static_cast<QKeyEvent*>(evenement));
    default:
        break;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool Chronastre::toucheResultat(QLabel* etiquette, std::optional<TypeCalendrier> type,
                                const QKeyEvent& touche)
{
    if (touche.matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(etiquette->text());
        return true;
    }
    const bool sansModificateur =
        touche.modifiers() == Qt::NoModifier || touche.modifiers() == Qt::KeypadModifier;
    if ((touche.key() == Qt::Key_Menu && sansModificateur) ||
        (touche.key() == Qt::Key_F10 && touche.modifiers() == Qt::ShiftModifier)) {
        emit etiquette->customContextMenuRequested(QPoint(0, etiquette->height()));
        return true;
    }
    if (type && sansModificateur &&
        (touche.key() == Qt::Key_Return || touche.key() == Qt::Key_Enter)) {
        saisirDate(*type);
        return true;
    }
    // The arrows move among the results shown, as Tab does, without leaving
    // them.
    const bool suivant = touche.key() == Qt::Key_Down || touche.key() == Qt::Key_Right;
    const bool precedent = touche.key() == Qt::Key_Up || touche.key() == Qt::Key_Left;
    if (sansModificateur && (suivant || precedent)) {
        std::vector<QLabel*> visibles;
        for (QLabel* resultat : resultatsFocalisables(*ui)) {
            if (resultat->isVisibleTo(this))
                visibles.push_back(resultat);
        }
        auto ici = std::find(visibles.begin(), visibles.end(), etiquette);
        if (ici != visibles.end()) {
            if (suivant && ici + 1 != visibles.end())
                (*(ici + 1))->setFocus(Qt::TabFocusReason);
            else if (precedent && ici != visibles.begin())
                (*(ici - 1))->setFocus(Qt::BacktabFocusReason);
        }
        return true;
    }
    return false;
}

std::int64_t Chronastre::anneeSaisie() const
{
    return ui->avjc->isChecked() ? 1 - ui->annee->value() : ui->annee->value();
}

void Chronastre::miseAJourSiActive()
{
    if (miseAJourActive)
        miseAJour();
}

bool Chronastre::enregistrer(const QString& chemin)
{
    QString raison;
    if (ecrireRapport(chemin, texteRapport(*ui, ligneRegion()), &raison))
        return true;
    QMessageBox::warning(this, tr("Enregistrement impossible"),
                         tr("Le rapport n'a pas pu être enregistré dans le fichier « %1 ».\n\n%2")
                             .arg(chemin, raison));
    return false;
}

void Chronastre::on_effacerHeure_clicked()
{
    ui->heure->setValue(0);
    ui->minutes->setValue(0);
    ui->secondes->setValue(0);
    miseAJour();
}

void Chronastre::on_dateActuelle_clicked()
{
    miseAJourActive = false;
    const QDateTime maintenant = horloge_();
    const QDate date = maintenant.date();
    const QTime heure = maintenant.time();
    placerDate(DateHeure(date.year(), date.month(), date.day()));
    ui->heure->setValue(heure.hour());
    ui->minutes->setValue(heure.minute());
    ui->secondes->setValue(heure.second());
    miseAJour();
}

void Chronastre::on_annee_valueChanged()
{
    miseAJourSiActive();
}

void Chronastre::on_mois_valueChanged()
{
    miseAJourSiActive();
}

void Chronastre::on_jour_valueChanged()
{
    miseAJourSiActive();
}

void Chronastre::on_heure_valueChanged()
{
    miseAJourSiActive();
}

void Chronastre::on_minutes_valueChanged()
{
    miseAJourSiActive();
}

void Chronastre::on_secondes_valueChanged()
{
    miseAJourSiActive();
}

void Chronastre::on_typeCalendrier_currentIndexChanged(int index)
{
    const auto panneaux = ::panneaux(*ui);
    for (QFrame* panneau : panneaux)
        panneau->hide();
    if (index >= 0 && index < static_cast<int>(panneaux.size()))
        panneaux[static_cast<std::size_t>(index)]->show();
}

void Chronastre::on_affichageNumerique_clicked()
{
    miseAJour();
}

void Chronastre::on_affichageLitteral_clicked()
{
    miseAJour();
}

void Chronastre::on_apjc_clicked()
{
    miseAJour();
}

void Chronastre::on_avjc_clicked()
{
    miseAJour();
}

void Chronastre::on_enregistrerSous_clicked()
{
    // Over the window and modal to it, where a window manager puts a dialog
    // that belongs to a window.
    const QString chemin = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("QObject", "Enregistrer sous"), QString(),
        QCoreApplication::translate("QObject", "Fichiers texte (*.txt)"));
    if (!chemin.isEmpty())
        enregistrer(chemin);
}

void Chronastre::on_quitter_clicked()
{
    close();
}
