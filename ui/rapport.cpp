#include "ui/rapport.h"

#include "texte/ecriture.h"
#include "texte/rapport.h"
#include "ui/etiquettes.h"
#include "ui_chronastre.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString texteRapport(const Ui::Chronastre& ui, const QString& region)
{
    const auto texte = [](const QLabel* l) {
        return l->text().toStdString();
    };
    // Each value after the caption beside it.
    const auto ligne = [&texte](const QLabel* valeur) {
        return chronastre::texte::Legende{texte(legende(valeur)), texte(valeur)};
    };
    chronastre::texte::ContenuRapport c;
    c.region = region.toStdString();
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

// Writes all of octets to fd: 0, or the error number of the write that
// failed.
int ecrireDescripteur(int fd, const QByteArray& octets)
{
    return chronastre::texte::ecrireTout(
        fd, std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())));
}

// Closes fd; the first error number of the writing and the closing.
int fermer(int fd, int erreur)
{
    return ::close(fd) != 0 && erreur == 0 ? errno : erreur;
}

// Writes a file in place, replacing its content; on failure, why.
QString ecrireSurPlace(const QString& chemin, const QByteArray& octets, const QString& suite)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        const int erreur = errno;
        return raisonOuverture(chemin, raisonErreur(erreur));
    }
    const int erreur = fermer(fd, ecrireDescripteur(fd, octets));
    if (erreur != 0)
        return tr("L'écriture a échoué (%1)%2").arg(raisonErreur(erreur), suite);
    return {};
}

// The permissions of a new report: those of the file it replaces, or what a
// new file gets (0666 less the umask).
mode_t permissions(const QByteArray& cible)
{
    struct stat etat
    {
    };
    if (::stat(cible.constData(), &etat) == 0)
        return etat.st_mode & 07777;
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

} // namespace

bool ecrireRapport(const QString& chemin, const QString& texte, QString* raison)
{
    const QByteArray octets = texte.toUtf8();
    QString echec;
    const QFileInfo info(chemin);
    if (info.isDir()) {
        echec = raisonOuverture(chemin, raisonErreur(EISDIR));
    } else if (info.exists() && !info.isFile()) {
        // A device or a pipe is written in place: there is nothing to replace.
        echec = ecrireSurPlace(chemin, octets, QStringLiteral("."));
    } else {
        // Written beside and renamed over the previous file (through a
        // symbolic link, over its target), so that a failure leaves it
        // whole. When the folder refuses a new file (no write permission, an
        // immutable folder) an existing, writable file is written in place
        // instead; any other failure leaves it untouched. Each reason is the
        // error of the system call that failed, read right after it.
        const QString cible = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
        const QFileInfo infoCible(cible);
        QByteArray temporaire = QFile::encodeName(infoCible.absolutePath() + QStringLiteral("/.") +
                                                  infoCible.fileName() + QStringLiteral(".XXXXXX"));
        const int fd = ::mkostemp(temporaire.data(), O_CLOEXEC);
        if (fd < 0) {
            const int erreur = errno;
            if ((erreur == EACCES || erreur == EPERM) && info.isFile() && info.isWritable())
                echec = ecrireSurPlace(chemin, octets,
                                       tr(" ; le fichier, écrit sur place faute de pouvoir créer "
                                          "un fichier dans son dossier, peut être incomplet."));
            else
                echec = raisonOuverture(chemin, raisonErreur(erreur));
        } else {
            ::fchmod(fd, permissions(QFile::encodeName(cible)));
            int erreur = ecrireDescripteur(fd, octets);
            if (erreur == 0 && ::fsync(fd) != 0)
                erreur = errno;
            erreur = fermer(fd, erreur);
            if (erreur == 0 &&
                ::rename(temporaire.constData(), QFile::encodeName(cible).constData()) != 0)
                erreur = errno;
            if (erreur != 0) {
                ::unlink(temporaire.constData());
                echec = tr("L'écriture a échoué (%1) ; le fichier précédent, s'il existait, est "
                           "inchangé.")
                            .arg(raisonErreur(erreur));
            }
        }
    }
    if (!echec.isEmpty() && raison != nullptr)
        *raison = echec;
    return echec.isEmpty();
}
