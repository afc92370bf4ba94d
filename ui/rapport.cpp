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

// A system error in French for the common causes, in the system's words for
// the others.
QString raisonErreur(int erreur)
{
    switch (erreur) {
    case ENOENT:
        return tr("fichier ou dossier absent");
    case ENOTDIR:
        return tr("un élément du chemin n'est pas un dossier");
    case EACCES:
    case EPERM:
        return tr("permission refusée");
    case EROFS:
        return tr("système de fichiers en lecture seule");
    case ENOSPC:
    case EDQUOT:
        return tr("plus de place sur le disque");
    case EFBIG:
        return tr("fichier trop grand");
    case EISDIR:
        return tr("c'est un dossier");
    default:
        return QString::fromLocal8Bit(std::strerror(erreur));
    }
}

// The reason of the last failure of fichier: errno when the system set it,
// Qt's words otherwise.
QString raisonEchec(int erreur, const QFileDevice& fichier)
{
    return erreur != 0 ? raisonErreur(erreur) : fichier.errorString();
}

// Why a file cannot be created or replaced, when the file system says so
// before anything is written.
QString raisonOuverture(const QString& chemin, const QString& raisonSysteme)
{
    const QFileInfo fichier(chemin);
    const QFileInfo dossier(fichier.absolutePath());
    if (fichier.isDir())
        return tr("Ce nom désigne un dossier.");
    if (!dossier.exists())
        return tr("Le dossier « %1 » n'existe pas.")
            .arg(QDir::toNativeSeparators(dossier.filePath()));
    if (!dossier.isDir())
        return tr("« %1 » n'est pas un dossier.").arg(QDir::toNativeSeparators(dossier.filePath()));
    if (!dossier.isWritable())
        return tr("Le dossier « %1 » est protégé en écriture.")
            .arg(QDir::toNativeSeparators(dossier.filePath()));
    if (fichier.exists() && !fichier.isWritable())
        return tr("Le fichier existant est protégé en écriture.");
    return tr("Le fichier ne peut pas être créé (%1).").arg(raisonSysteme);
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

namespace {

// Writes a file in place, replacing its content; on failure, why.
QString ecrireSurPlace(const QString& chemin, const QByteArray& octets, const QString& suite)
{
    QFile fichier(chemin);
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return raisonOuverture(chemin, raisonEchec(errno, fichier));
    errno = 0;
    if (fichier.write(octets) != octets.size() || !fichier.flush())
        return tr("L'écriture a échoué (%1)%2").arg(raisonEchec(errno, fichier), suite);
    return {};
}

} // namespace

bool ecrireRapport(const QString& chemin, const QString& texte, QString* raison)
{
    const QByteArray octets = texte.toUtf8();
    QString echec;
    const QFileInfo info(chemin);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A device or a pipe is written in place: there is nothing to replace.
        echec = ecrireSurPlace(chemin, octets, QStringLiteral("."));
    } else {
        // Written beside and renamed over the previous file, so that a failure
        // leaves it whole. An existing, writable file in a folder where no new
        // file can be created is written in place instead (Qt does so for a
        // folder without write permission; an immutable or otherwise
        // protected folder is handled here).
        const QString horsAtome = tr(" ; le fichier, écrit sur place faute de pouvoir créer un "
                                     "fichier dans son dossier, peut être incomplet.");
        QSaveFile fichier(chemin);
        fichier.setDirectWriteFallback(true);
        errno = 0;
        if (!fichier.open(QIODevice::WriteOnly)) {
            const int erreur = errno;
            if (info.isFile() && info.isWritable())
                echec = ecrireSurPlace(chemin, octets, horsAtome);
            else
                echec = raisonOuverture(chemin, raisonEchec(erreur, fichier));
        } else {
            // The explicit flush matters: commit() alone would rename a file
            // whose last write failed (a full disk) over the previous one.
            // Without commit, the temporary file is removed.
            const bool surPlace = !QFileInfo(info.absolutePath()).isWritable();
            errno = 0;
            if (fichier.write(octets) != octets.size() || !fichier.flush() || !fichier.commit())
                echec = tr("L'écriture a échoué (%1)%2")
                            .arg(raisonEchec(errno, fichier),
                                 surPlace ? horsAtome
                                          : tr(" ; le fichier précédent, s'il existait, est "
                                               "inchangé."));
        }
    }
    if (!echec.isEmpty() && raison != nullptr)
        *raison = echec;
    return echec.isEmpty();
}
