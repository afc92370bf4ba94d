#include "ui/rapport.h"

#include "ui_chronastre.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <cerrno>
#include <cstring>

namespace {

QString tr(const char* texte)
{
    return QCoreApplication::translate("QObject", texte);
}

// The caption, a separator and the value.
QString ligne(const QLabel* legende, const char* separateur, const QLabel* valeur)
{
    return legende->text() + QLatin1String(separateur) + valeur->text();
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
    const QStringList lignes = {
        QStringLiteral("Chronastre 2.0 - convertisseur de calendriers"),
        QString(),
        QString(),
        ui.date->text(),
        ligne(ui.lbl_jourJulien, "\t    ", ui.jourJulien),
        ligne(ui.lbl_jourAnnee, " ", ui.jourAnnee),
        QString(),
        ligne(ui.lbl_dimanchePaques, " ", ui.dimanchePaques) + QLatin1String("\t\t") +
            ligne(ui.lbl_cycleSolaire, "     ", ui.cycleSolaire),
        ligne(ui.lbl_nombreOr, "\t     ", ui.nombreOr) + QLatin1String("\t\t\t") +
            ligne(ui.lbl_indictionRomaine, " ", ui.indictionRomaine),
        ligne(ui.lbl_epacte, "\t     ", ui.epacte) + QLatin1String("\t\t\t") +
            ligne(ui.lbl_lettreDominicale, " ", ui.lettreDominicale),
        QString(),
        QString(),
        ligne(ui.lbl_calendrierCopte, "\t ", ui.calendrierCopte),
        ligne(ui.lbl_calendrierEthiopien, "\t ", ui.calendrierEthiopien),
        QString(),
        ligne(ui.lbl_calendrierArmenien, "\t ", ui.calendrierArmenien),
        ligne(ui.lbl_calendrierEgyptien, "\t ", ui.calendrierEgyptien),
        ligne(ui.lbl_calendrierKhwarizmien, " ", ui.calendrierKhwarizmien),
        ligne(ui.lbl_calendrierPerse, "\t ", ui.calendrierPerse),
        QString(),
        ligne(ui.lbl_calendrierBahai, "\t ", ui.calendrierBahai),
        ligne(ui.lbl_calendrierGregorien, "\t ", ui.calendrierGregorien),
        ligne(ui.lbl_calendrierRepublicain, " ", ui.calendrierRepublicain),
        ligne(ui.lbl_calendrierSaka, "\t ", ui.calendrierSaka),
        QString(),
        ligne(ui.lbl_calendrierIslamiqueA, " ", ui.calendrierIslamiqueA),
        ligne(ui.lbl_calendrierIslamiqueB, " ", ui.calendrierIslamiqueB),
        QString(),
        ligne(ui.lbl_calendrierJulien, "\t ", ui.calendrierJulien),
        ligne(ui.lbl_calendrierMacedonien, "\t ", ui.calendrierMacedonien),
        ligne(ui.lbl_calendrierSyrien, "\t ", ui.calendrierSyrien),
        QString(),
        ligne(ui.lbl_calendrierRomainI, "\t ", ui.calendrierRomainI),
        ligne(ui.lbl_calendrierRomainII, "\t ", ui.calendrierRomainII),
        ligne(ui.lbl_calendrierHebreu, "\t ", ui.calendrierHebreu),
        ligne(ui.lbl_calendrierMaya, "\t ", ui.calendrierMaya),
    };
    QString texte;
    for (const QString& l : lignes)
        texte += l + QLatin1Char('\n');
    return texte;
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
