#include "core/base/fichier_texte.h"

#include "core/base/acces_fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Lecture_Fichier Lit_Fichier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(chemin)) {
            return {{}, Fichier_Introuvable};
        }
        return {{}, f.error() == QFileDevice::PermissionsError ? Acces_Refuse : Erreur_Acces};
    }
    Lecture_Fichier l;
    l.contenu = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        return {{}, Erreur_Acces};
    }
    return l;
}

QString Motif_Echec(const QString& nom, int erreur_qfile) {
    QString raison;
    switch (erreur_qfile) {
    case QFileDevice::PermissionsError:
        raison = u"accès refusé"_s;
        break;
    case QFileDevice::ResourceError:
        raison = u"disque plein ou ressources insuffisantes"_s;
        break;
    case QFileDevice::OpenError:
        raison = u"le fichier ne peut pas être ouvert"_s;
        break;
    case QFileDevice::RenameError:
        raison = u"le fichier ne peut pas être remplacé"_s;
        break;
    default:
        raison = u"erreur d'écriture sur le disque"_s;
        break;
    }
    return u"le fichier «\u00A0"_s + nom + u"\u00A0»\u00A0: "_s + raison;
}

QString Raison_Systeme(int erreur, const QString& sinon) {
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return u"disque plein ou ressources insuffisantes"_s;
    case EACCES:
    case EPERM:
        return u"accès refusé"_s;
    case EROFS:
        return u"le disque est en lecture seule"_s;
    case EISDIR:
        return u"un dossier porte ce nom"_s;
    case ENOENT:
    case ENOTDIR:
        return u"son dossier n'existe pas"_s;
    default:
        return sinon.isEmpty() ? u"erreur du système n° "_s + QString::number(erreur) : sinon;
    }
}

namespace {

QString Message_Ecriture(const QString& nom, const QString& raison) {
    return u"Impossible d'écrire le fichier «\u00A0"_s + nom + u"\u00A0»\u00A0: "_s + raison + u'.' +
           Phrase_Rien_Modifie;
}

QString Message_Ecriture(const QString& nom, int erreur, const QString& sinon) {
    return Message_Ecriture(nom, Raison_Systeme(erreur, sinon));
}

const QString Echec_Ouverture = u"le fichier ne peut pas être ouvert"_s;
const QString Echec_Ecriture = u"erreur d'écriture sur le disque"_s;
const QString Echec_Remplacement = u"le fichier ne peut pas être remplacé"_s;

// Writes every byte, going on after a short write; false with errno set when a write fails.
bool Ecrit_Tout(Acces_Fichiers& acces, int fd, QByteArrayView octets) {
    qsizetype fait = 0;
    while (fait < octets.size()) {
        const long n = acces.Ecrit(fd, octets.data() + fait, static_cast<std::size_t>(octets.size() - fait));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        fait += n;
    }
    return true;
}

// The file a name really stands for: a link is followed to the file it points to, so that a
// log linked into another folder is rewritten there and the link stays a link.
QString Fichier_Reel(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.isSymLink()) {
        return chemin;
    }
    const QString cible = info.canonicalFilePath();
    return cible.isEmpty() ? info.symLinkTarget() : cible;
}

// An existing file that the user made read-only: the program must not change it.
bool Protege_En_Ecriture(const struct stat& etat, const QByteArray& chemin) {
    return (etat.st_mode & 0222) == 0 || ::access(chemin.constData(), W_OK) != 0;
}

// A rename is lasting only once the folder that holds the name is on the disk too.
void Synchronise_Dossier(Acces_Fichiers& acces, const QString& dossier) {
    const int fd = acces.Ouvre(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY, 0);
    if (fd >= 0) {
        acces.Synchronise(fd);
        acces.Ferme(fd);
    }
}

} // namespace

Resultat Ecrit_Fichier_Atomique(const QString& dossier, const QString& temporaire, const QString& nom,
                                const QByteArray& octets) {
    Acces_Fichiers& acces = Acces_Fichiers_Actuel();
    const QString reel = Fichier_Reel(QDir(dossier).filePath(nom));
    const QString dossier_reel = QFileInfo(reel).absolutePath();
    const QByteArray chemin = QFile::encodeName(reel);
    const QByteArray chemin_tmp = QFile::encodeName(QDir(dossier_reel).filePath(temporaire));

    struct stat etat {};
    const bool existe = ::stat(chemin.constData(), &etat) == 0;
    if (existe && Protege_En_Ecriture(etat, chemin)) {
        return Resultat::Echec(Message_Ecriture(nom, EACCES, {}));
    }
    const int fd = acces.Ouvre(chemin_tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        return Resultat::Echec(Message_Ecriture(temporaire, errno, Echec_Ouverture));
    }
    // The new file keeps the old one's permissions: a private log stays private.
    bool ecrit = !existe || acces.Change_Mode(fd, etat.st_mode & 07777) == 0;
    ecrit = ecrit && Ecrit_Tout(acces, fd, octets) && acces.Synchronise(fd) == 0;
    int erreur = errno;
    if (acces.Ferme(fd) != 0 && ecrit) {
        ecrit = false;
        erreur = errno;
    }
    if (!ecrit) {
        ::unlink(chemin_tmp.constData());
        return Resultat::Echec(Message_Ecriture(temporaire, erreur, Echec_Ecriture));
    }
    // rename() replaces the old file in one step.
    if (acces.Renomme(chemin_tmp.constData(), chemin.constData()) != 0) {
        erreur = errno;
        ::unlink(chemin_tmp.constData());
        return Resultat::Echec(Message_Ecriture(nom, erreur, Echec_Remplacement));
    }
    Synchronise_Dossier(acces, dossier_reel);
    return Resultat::Succes();
}

Resultat Ajoute_Au_Fichier(const QString& chemin, const QByteArray& octets) {
    Acces_Fichiers& acces = Acces_Fichiers_Actuel();
    const QString nom = QFileInfo(chemin).fileName();
    const QByteArray c = QFile::encodeName(chemin);
    struct stat etat {};
    const bool existe = ::stat(c.constData(), &etat) == 0;
    if (existe && Protege_En_Ecriture(etat, c)) {
        return Resultat::Echec(Message_Ecriture(nom, EACCES, {}));
    }
    const int fd = acces.Ouvre(c.constData(), O_RDWR | O_CREAT, 0666);
    if (fd < 0) {
        return Resultat::Echec(Message_Ecriture(nom, errno, Echec_Ouverture));
    }
    struct stat ouvert {};
    ::fstat(fd, &ouvert);
    const qint64 taille = ouvert.st_size;
    QByteArray ajout;
    char dernier = 0;
    if (taille > 0 && ::pread(fd, &dernier, 1, taille - 1) == 1 && dernier != '\n') {
        ajout = "\r\n";
    }
    ajout += octets;
    const bool ecrit =
        ::lseek(fd, taille, SEEK_SET) == taille && Ecrit_Tout(acces, fd, ajout) && acces.Synchronise(fd) == 0;
    int erreur = errno;
    const bool ferme = acces.Ferme(fd) == 0;
    if (ecrit && ferme) {
        return Resultat::Succes();
    }
    if (ecrit) {
        erreur = errno;
    }
    // Back to the former length through a new descriptor: the failed one may still hold bytes
    // that it would flush again. A file that did not exist goes away.
    bool remis = false;
    if (!existe) {
        remis = ::unlink(c.constData()) == 0;
    } else {
        const int fd2 = acces.Ouvre(c.constData(), O_WRONLY, 0);
        if (fd2 >= 0) {
            remis = acces.Tronque(fd2, taille) == 0 && acces.Synchronise(fd2) == 0;
            remis = acces.Ferme(fd2) == 0 && remis;
        }
        struct stat apres {};
        remis = remis && ::stat(c.constData(), &apres) == 0 && apres.st_size == taille;
    }
    const QString raison = Raison_Systeme(erreur, Echec_Ecriture);
    if (remis) {
        return Resultat::Echec(Message_Ecriture(nom, raison));
    }
    return Resultat::Echec(
        u"Impossible d'écrire le fichier «\u00A0"_s + nom + u"\u00A0»\u00A0: "_s + raison +
        u".\r\nLe fichier n'a pas pu être remis dans son état précédent\u00A0: sa dernière "
        u"ligne est peut-être incomplète. Vérifiez-la avant d'enregistrer un autre QSO."_s);
}

} // namespace swl
