#include "ui/rapport.h"

#include "texte/rapport.h"
#include "ui_chronastre.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

QString tr(const char* texte)
{
    return QCoreApplication::translate("QObject", texte);
}

// Why a file cannot be created or replaced, when the file system says so
// before anything is written.
QString raisonOuverture(const QString& chemin, const QString& erreurSysteme)
{
    const QFileInfo fichier(chemin);
    const QFileInfo dossier(fichier.absolutePath());
    if (fichier.isDir())
        return tr("Ce nom désigne un dossier.");
    if (!dossier.exists())
        return tr("Le dossier « %1 » n'existe pas.")
            .arg(QDir::toNativeSeparators(dossier.filePath()));
    if (!dossier.isWritable())
        return tr("Le dossier « %1 » est protégé en écriture.")
            .arg(QDir::toNativeSeparators(dossier.filePath()));
    if (fichier.exists() && !fichier.isWritable())
        return tr("Le fichier existant est protégé en écriture.");
    return tr("Le fichier ne peut pas être créé (%1).").arg(erreurSysteme);
}

// The system's words for the last failure (in the user's language), or Qt's.
QString raisonSysteme(const QFileDevice& fichier)
{
    if (errno != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return fichier.errorString();
}

} // namespace

QString texteRapport(const Ui::Chronastre& ui)
{
    using chronastre::texte::Legende;
    const auto texte = [](const QLabel* l) {
        return l->text().toStdString();
    };
    const auto legende = [&](const QLabel* l, const QLabel* valeur) {
        return Legende{texte(l), texte(valeur)};
    };
    chronastre::texte::ContenuRapport c;
    c.date = texte(ui.date);
    c.jourJulien = legende(ui.lbl_jourJulien, ui.jourJulien);
    c.jourAnnee = legende(ui.lbl_jourAnnee, ui.jourAnnee);
    c.dimanchePaques = legende(ui.lbl_dimanchePaques, ui.dimanchePaques);
    c.cycleSolaire = legende(ui.lbl_cycleSolaire, ui.cycleSolaire);
    c.nombreOr = legende(ui.lbl_nombreOr, ui.nombreOr);
    c.indictionRomaine = legende(ui.lbl_indictionRomaine, ui.indictionRomaine);
    c.epacte = legende(ui.lbl_epacte, ui.epacte);
    c.lettreDominicale = legende(ui.lbl_lettreDominicale, ui.lettreDominicale);
    c.calendriers = {
        legende(ui.lbl_calendrierArmenien, ui.calendrierArmenien),
        legende(ui.lbl_calendrierEgyptien, ui.calendrierEgyptien),
        legende(ui.lbl_calendrierKhwarizmien, ui.calendrierKhwarizmien),
        legende(ui.lbl_calendrierPerse, ui.calendrierPerse),
        legende(ui.lbl_calendrierCopte, ui.calendrierCopte),
        legende(ui.lbl_calendrierEthiopien, ui.calendrierEthiopien),
        legende(ui.lbl_calendrierJulien, ui.calendrierJulien),
        legende(ui.lbl_calendrierMacedonien, ui.calendrierMacedonien),
        legende(ui.lbl_calendrierSyrien, ui.calendrierSyrien),
        legende(ui.lbl_calendrierBahai, ui.calendrierBahai),
        legende(ui.lbl_calendrierGregorien, ui.calendrierGregorien),
        legende(ui.lbl_calendrierRepublicain, ui.calendrierRepublicain),
        legende(ui.lbl_calendrierSaka, ui.calendrierSaka),
        legende(ui.lbl_calendrierIslamiqueA, ui.calendrierIslamiqueA),
        legende(ui.lbl_calendrierIslamiqueB, ui.calendrierIslamiqueB),
        legende(ui.lbl_calendrierRomainI, ui.calendrierRomainI),
        legende(ui.lbl_calendrierRomainII, ui.calendrierRomainII),
        legende(ui.lbl_calendrierHebreu, ui.calendrierHebreu),
        legende(ui.lbl_calendrierMaya, ui.calendrierMaya),
    };
    return QString::fromStdString(chronastre::texte::rapport(c));
}

bool ecrireRapport(const QString& chemin, const QString& texte, QString* raison)
{
    const QByteArray octets = texte.toUtf8();
    QString echec;
    const QFileInfo info(chemin);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or a pipe is written in place: there is nothing to replace.
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly))
            echec = raisonOuverture(chemin, fichier.errorString());
        else if (errno = 0; fichier.write(octets) != octets.size() || !fichier.flush())
            echec = tr("L'écriture a échoué (%1).").arg(raisonSysteme(fichier));
    } else {
        QSaveFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly)) {
            echec = raisonOuverture(chemin, fichier.errorString());
        } else {
            // The explicit flush matters: commit() alone would rename a file
            // whose last write failed (a full disk) over the previous one.
            // Without commit, the temporary file is removed.
            errno = 0;
            if (fichier.write(octets) != octets.size() || !fichier.flush() || !fichier.commit())
                echec = tr("L'écriture a échoué (%1) ; le fichier précédent, s'il existait, est "
                           "inchangé.")
                            .arg(raisonSysteme(fichier));
        }
    }
    if (!echec.isEmpty() && raison != nullptr)
        *raison = echec;
    return echec.isEmpty();
}
