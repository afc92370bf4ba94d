// Cost of one recompute of the window (miseAJour with its label updates),
// offscreen, in microseconds. Each iteration changes what the labels show,
// as a keystroke does: a label given its current text again costs nothing.

#include "ui/chronastre.h"

#include <QApplication>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "bench/reference.h"

#include <benchmark/benchmark.h>

namespace {

// The day steps between the 14th and the 15th: every label changes.
void miseAJourJour(benchmark::State& etat)
{
    Chronastre fenetre;
    fenetre.show();
    auto* jour = fenetre.findChild<QSpinBox*>(QStringLiteral("jour"));
    int valeur = 14;
    for (auto _ : etat) {
        valeur = valeur == 14 ? 15 : 14;
        jour->setValue(valeur);
    }
}

// The display mode switches: every calendar label changes form.
void miseAJourMode(benchmark::State& etat)
{
    Chronastre fenetre;
    fenetre.show();
    auto* numerique = fenetre.findChild<QRadioButton*>(QStringLiteral("affichageNumerique"));
    auto* litteral = fenetre.findChild<QRadioButton*>(QStringLiteral("affichageLitteral"));
    bool mode = false;
    for (auto _ : etat) {
        mode = !mode;
        (mode ? numerique : litteral)->click();
    }
}

// The same in a region other than Rome's, by its reform (France, December
// 1582): the date is read in the region's calendar, its Easter and computus
// by its own, its years in the styles for the tooltip.
void miseAJourRegion(benchmark::State& etat)
{
    Chronastre fenetre;
    fenetre.setRegion(chronastre::Region::FRANCE);
    fenetre.show();
    fenetre.findChild<QSpinBox*>(QStringLiteral("annee"))->setValue(1582);
    fenetre.findChild<QSpinBox*>(QStringLiteral("mois"))->setValue(12);
    auto* jour = fenetre.findChild<QSpinBox*>(QStringLiteral("jour"));
    int valeur = 20;
    for (auto _ : etat) {
        valeur = valeur == 20 ? 21 : 20;
        jour->setValue(valeur);
    }
}

} // namespace

BENCHMARK(reference::reference)->Repetitions(5);
BENCHMARK(miseAJourRegion)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(miseAJourJour)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(miseAJourMode)->Unit(benchmark::kMicrosecond)->Repetitions(5);

int main(int argc, char** argv)
{
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
