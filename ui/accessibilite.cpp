#include "ui/accessibilite.h"

#include "ui/etiquettes.h"
#include "ui_chronastre.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// The children of a group or a panel by rows, top to bottom, then left to
// right: captions and values share their row's top edge.
std::vector<QWidget*> parLignes(const QWidget* conteneur)
{
    std::vector<QWidget*> enfants;
    for (QWidget* enfant : conteneur->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        enfants.push_back(enfant);
    std::stable_sort(enfants.begin(), enfants.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return enfants;
}

} // namespace

std::vector<QWidget*> ordreDeLecture(const Ui::Chronastre& ui)
{
    // The window's own children are placed by hand: the era group spans both
    // input rows and is read with the first; the computus block stands beside
    // the date line, the Julian Day and the day of the year, and is read after
    // that column.
    const std::vector<QWidget*> fenetre = {
        ui.annee,         ui.mois,      ui.jour,           ui.dateActuelle,
        ui.groupBox,      ui.heure,     ui.minutes,        ui.secondes,
        ui.effacerHeure,  ui.date,      ui.lbl_jourJulien, ui.jourJulien,
        ui.lbl_jourAnnee, ui.jourAnnee, ui.comput,         ui.typeCalendrier,
    };
    const auto groupes = panneaux(ui);
    std::vector<QWidget*> ordre;
    const auto lire = [&ordre](QWidget* groupe) {
        ordre.push_back(groupe);
        for (QWidget* enfant : parLignes(groupe))
            ordre.push_back(enfant);
    };
    for (QWidget* w : fenetre) {
        if (w == ui.groupBox || w == ui.comput)
            lire(w);
        else
            ordre.push_back(w);
    }
    for (QFrame* panneau : groupes)
        lire(panneau);
    lire(ui.groupBox_2);
    ordre.push_back(ui.enregistrerSous);
    ordre.push_back(ui.quitter);
    return ordre;
}

void ordonnerLecture(const Ui::Chronastre& ui)
{
    // raise() puts a widget last among its siblings, which moves it last in
    // the accessibility tree too; the widgets do not overlap, so nothing on
    // screen changes.
    QWidget* precedent = nullptr;
    for (QWidget* w : ordreDeLecture(ui)) {
        w->raise();
        if (w->focusPolicy() & Qt::TabFocus) {
            if (precedent != nullptr)
                QWidget::setTabOrder(precedent, w);
            precedent = w;
        }
    }
}

std::vector<QLabel*> resultatsFocalisables(const Ui::Chronastre& ui)
{
    std::vector<QLabel*> resultats = {ui.date, ui.jourJulien, ui.jourAnnee};
    for (QLabel* calendrier : etiquettesCalendriers(ui))
        resultats.push_back(calendrier);
    return resultats;
}

QString nomAccessible(const QString& legende, const QString& valeur)
{
    QString nom = legende;
    while (!nom.isEmpty() && nom.back().isSpace())
        nom.chop(1);
    return valeur.isEmpty() ? nom : nom + QLatin1Char(' ') + valeur;
}

void lierLegendes(const Ui::Chronastre& ui)
{
    const QLatin1String prefixe("lbl_");
    for (QLabel* legende : ui.centralWidget->findChildren<QLabel*>()) {
        if (!legende->objectName().startsWith(prefixe))
            continue;
        auto* valeur = legende->parentWidget()->findChild<QWidget*>(
            legende->objectName().mid(prefixe.size()), Qt::FindDirectChildrenOnly);
        // No caption holds a "&": a buddy gives it no shortcut and changes
        // nothing on screen.
        if (valeur != nullptr)
            legende->setBuddy(valeur);
    }
}

void nommerResultats(const Ui::Chronastre& ui)
{
    ui.date->setAccessibleName(
        nomAccessible(QCoreApplication::translate("Chronastre", "Date :"), ui.date->text()));
}

bool accepteCollage(const QObject* champ, const QString& texte)
{
    // A spin box types into its line edit, whose validator is the spin
    // box's: it knows the range.
    const auto* edition = qobject_cast<const QLineEdit*>(champ);
    if (const auto* nombre = qobject_cast<const QAbstractSpinBox*>(champ))
        edition = nombre->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    if (edition == nullptr || edition->isReadOnly())
        return false;
    const QValidator* validateur = edition->validator();
    if (validateur == nullptr)
        return true;
    QString copie = texte;
    int position = 0;
    return validateur->validate(copie, position) != QValidator::Invalid;
}
