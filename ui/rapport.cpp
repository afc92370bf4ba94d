#include "ui/rapport.h"

#include "texte/rapport.h"
#include "ui/etiquettes.h"
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
    const auto texte = [](const QLabel* l) {
        return l->text().toStdString();
    };
    // Each value after the caption beside it.
    const auto ligne = [&texte](const QLabel* valeur) {
        return chronastre::texte::Legende{texte(legende(valeur)), texte(valeur)};
    };
    chronastre::texte::ContenuRapport c;
    c.date = texte(ui.date);
    c.jourJulien = ligne(ui.jourJulien);
    c.jourAnnee = ligne(ui.jourAnnee);
    c.dimanchePaques = ligne(ui.dimanchePaques);
    c.cycleSolaire = ligne(ui.cycleSolaire);
    c.nombreOr = ligne(ui.nombreOr);
    c.indictionRomaine = ligne(ui.indictionRomaine);
    c.epacte = ligne(ui.epacte);
    c.lettreDominicale = ligne(ui.lettreDominicale);
    const auto calendriers = etiquettesCalendriers(ui);
    for (std::size_t k = 0; k < calendriers.size(); ++k)
        c.calendriers[k] = ligne(calendriers[k]);
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
        // leaves it whole. When the folder refuses a new file (no write
        // permission, an immutable folder) an existing, writable file is
        // written in place instead; any other failure to open (a full disk)
        // leaves it untouched.
        QSaveFile fichier(chemin);
        errno = 0;
        if (!fichier.open(QIODevice::WriteOnly)) {
            const int erreur = errno;
            if ((erreur == EACCES || erreur == EPERM) && info.isFile() && info.isWritable())
                echec = ecrireSurPlace(chemin, octets,
                                       tr(" ; le fichier, écrit sur place faute de pouvoir créer "
                                          "un fichier dans son dossier, peut être incomplet."));
            else
                echec = raisonOuverture(chemin, raisonEchec(erreur, fichier));
        } else {
            // The explicit flush matters: commit() alone would rename a file
            // whose last write failed (a full disk) over the previous one.
            // Without commit, the temporary file is removed.
            errno = 0;
            if (fichier.write(octets) != octets.size() || !fichier.flush() || !fichier.commit())
                echec = tr("L'écriture a échoué (%1) ; le fichier précédent, s'il existait, est "
                           "inchangé.")
                            .arg(raisonEchec(errno, fichier));
        }
    }
    if (!echec.isEmpty() && raison != nullptr)
        *raison = echec;
    return echec.isEmpty();
}
