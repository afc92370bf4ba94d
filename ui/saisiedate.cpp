#include "ui/saisiedate.h"

#include "engine/calendrier.h"
#include "texte/lecture.h"
#include "texte/lecturecivile.h"
#include "texte/rapport.h"
#include "texte/textefetes.h"
#include "ui_saisiedate.h"

#include <QPushButton>
#include <QSignalBlocker>

#include <array>

using namespace chronastre;

namespace {

// "Calendrier arménien" from the caption "Calendrier arménien :".
QString nomCalendrier(std::size_t type)
{
    QString nom =
        QString::fromUtf8(texte::legendesCalendriers[type].data(),
                          static_cast<qsizetype>(texte::legendesCalendriers[type].size()));
    return nom.chopped(2);
}

} // namespace

SaisieDate::SaisieDate(TypeCalendrier type, std::int64_t numeroJour, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SaisieDate>()), modele_(type, numeroJour)
{
    ui->setupUi(this);
    for (std::size_t k = 0; k < texte::legendesCalendriers.size(); ++k)
        ui->calendrier->addItem(nomCalendrier(k));

    connect(ui->texte, &QLineEdit::textChanged, this, &SaisieDate::lireTexte);
    connect(ui->calendrier, &QComboBox::currentIndexChanged, this, [this](int index) {
        oublierTexte();
        modele_.setType(static_cast<TypeCalendrier>(index));
        afficher();
    });
    connect(ui->annee, &QSpinBox::valueChanged, this, [this](int annee) {
        oublierTexte();
        modele_.setAnnee(annee);
        afficher();
    });
    connect(ui->mois, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            oublierTexte();
            modele_.setMois(index + 1);
            afficher();
        }
    });
    connect(ui->jour, &QSpinBox::valueChanged, this, [this](int jour) {
        oublierTexte();
        modele_.setJour(jour);
        afficher();
    });
    const auto places = placesCompteLong();
    for (std::size_t place = 0; place < places.size(); ++place) {
        connect(places[place], &QSpinBox::valueChanged, this, [this, place](int valeur) {
            oublierTexte();
            modele_.setCompteLong(place, valeur);
            afficher();
        });
    }
    afficher();
}

SaisieDate::~SaisieDate() = default;

void SaisieDate::setTexte(const QString& texte)
{
    ui->texte->setText(texte); // read by lireTexte
}

void SaisieDate::lireTexte()
{
    const std::string texte = ui->texte->text().toStdString();
    erreurTexte_.clear();
    if (!texte.empty() && lireDateHistorique(texte)) {
        afficher();
        return;
    }
    if (!texte.empty()) {
        const auto type = texte::calendrierDuTexte(texte, modele_.type());
        const texte::Lecture lecture = texte::lireDateEcrite(type.value_or(modele_.type()), texte);
        if (type && *type != modele_.type() && lecture.inexistante) {
            // The calendar of the text, on which the text is refused.
            modele_.setType(*type);
            erreurTexte_ = QString::fromStdString(lecture.erreur);
        } else if (type && lecture.erreur.empty()) {
            mettreDate(*type, lecture.date);
        } else {
            erreurTexte_ = QString::fromStdString(lecture.erreur);
        }
    }
    afficher();
}

void SaisieDate::setRegion(Region region)
{
    region_ = region;
    modele_.setRegion(region);
    afficher();
}

bool SaisieDate::lireDateHistorique(const std::string& texte)
{
    const texte::ContexteCivil contexte(region_);
    const texte::LectureCivile lue = texte::lireDateCivile(texte, contexte);
    if (!lue.historique)
        return false;
    if (!lue.erreur.empty()) {
        erreurTexte_ = QString::fromStdString(lue.erreur);
    } else if (lue.nombre == 2) {
        erreurTexte_ =
            QString::fromStdString(texte::texteDeuxJours(region_, lue.jours[0], lue.jours[1]) +
                                   " : écrivez « avant Pâques » ou « après Pâques ».");
    } else {
        const std::int64_t jour = lue.jours[0];
        const TypeCalendrier type =
            regimeDuJour(region_, jour) == Regime::GREGORIEN ? GREGORIEN : JULIEN;
        mettreDate(type, Calendrier(type).versCalendrier(jour));
    }
    return true;
}

void SaisieDate::mettreDate(TypeCalendrier type, const DateHeure& d)
{
    modele_.setType(type);
    if (type == MAYA) {
        const std::int64_t places[6] = {d.pictun(), d.baktun(), d.katun(),
                                        d.tun(),    d.uinal(),  d.kin()};
        for (std::size_t place = 0; place < 6; ++place)
            modele_.setCompteLong(place, places[place]);
    } else {
        modele_.setAnnee(d.annee());
        modele_.setMois(static_cast<int>(d.mois()));
        modele_.setJour(static_cast<int>(d.jour()));
    }
}

void SaisieDate::oublierTexte()
{
    if (ui->texte->text().isEmpty())
        return;
    const QSignalBlocker bloque(ui->texte);
    ui->texte->clear();
    erreurTexte_.clear();
}

std::array<QSpinBox*, 6> SaisieDate::placesCompteLong() const
{
    return {ui->pictun, ui->baktun, ui->katun, ui->tun, ui->uinal, ui->kin};
}

void SaisieDate::afficher()
{
    const QSignalBlocker b1(ui->calendrier), b2(ui->annee), b3(ui->mois), b4(ui->jour);
    const bool maya = modele_.type() == MAYA;
    ui->calendrier->setCurrentIndex(static_cast<int>(modele_.type()));
    ui->formulaire->setRowVisible(ui->annee, !maya);
    ui->formulaire->setRowVisible(ui->mois, !maya);
    ui->formulaire->setRowVisible(ui->jour, !maya);
    ui->formulaire->setRowVisible(ui->compteLong, maya);
    if (maya) {
        const auto places = placesCompteLong();
        for (std::size_t place = 0; place < places.size(); ++place) {
            const QSignalBlocker bloque(places[place]);
            places[place]->setValue(static_cast<int>(modele_.compteLong()[place]));
        }
    } else {
        ui->annee->setValue(static_cast<int>(modele_.annee()));
        // The month list changes with the calendar, and with the year for
        // the Hebrew one (Veadar).
        QStringList mois;
        for (const std::string& nom : modele_.nomsMois())
            mois << QString::fromStdString(nom);
        if (mois != moisAffiches_) {
            ui->mois->clear();
            ui->mois->addItems(mois);
            moisAffiches_ = mois;
        }
        ui->mois->setCurrentIndex(modele_.mois() - 1);
        const int jours = modele_.joursDuMois();
        ui->jour->setEnabled(jours > 0);
        ui->jour->setMaximum(std::max(jours, 1));
        ui->jour->setValue(modele_.jour());
    }
    ui->apercuSaisie->setText(QString::fromStdString(modele_.texteEntree()));
    ui->apercuCivil->setText(QString::fromStdString(modele_.texteCivil()));
    const QString raison =
        erreurTexte_.isEmpty() ? QString::fromStdString(modele_.raison()) : erreurTexte_;
    ui->raison->setText(raison);
    ui->raison->setVisible(!raison.isEmpty());
    QPushButton* ok = ui->boutons->button(QDialogButtonBox::Ok);
    ok->setEnabled(raison.isEmpty());
    // Screen readers read the reason as the description of the written date
    // and of OK. Qt sends an accessibility event each time a description is
    // set, and a reader says it while the field has the focus: a reason is
    // set only when it is new, and so said once.
    for (QWidget* decrit : {static_cast<QWidget*>(ui->texte), static_cast<QWidget*>(ok)}) {
        if (decrit->accessibleDescription() != raison)
            decrit->setAccessibleDescription(raison);
    }
}
