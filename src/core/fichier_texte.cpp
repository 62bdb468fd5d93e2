#include "fichier_texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
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
    return u"le fichier « "_s + nom + u" » : "_s + raison;
}

namespace {

QString Message_Ecriture(const QString& nom, int erreur_qfile) {
    return u"Impossible d'écrire "_s + Motif_Echec(nom, erreur_qfile) + u".\r\nRien n'a été modifié."_s;
}

bool Ecrit_Et_Synchronise(QFile& f, const QByteArray& octets) {
    return f.write(octets) == octets.size() && f.flush() && ::fsync(f.handle()) == 0;
}

} // namespace

Resultat Ecrit_Fichier_Atomique(const QString& dossier, const QString& temporaire, const QString& nom,
                                const QByteArray& octets) {
    const QDir d(dossier);
    QFile tmp(d.filePath(temporaire));
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        const int e = tmp.error();
        QFile::remove(tmp.fileName());
        return Resultat::Echec(Message_Ecriture(temporaire, e));
    }
    const bool ecrit = Ecrit_Et_Synchronise(tmp, octets);
    const int e = tmp.error() == QFileDevice::NoError ? int(QFileDevice::WriteError) : int(tmp.error());
    tmp.close();
    if (!ecrit) {
        tmp.remove();
        return Resultat::Echec(Message_Ecriture(temporaire, e));
    }
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(tmp.fileName()).constData(),
                    QFile::encodeName(d.filePath(nom)).constData()) != 0) {
        const int code = errno == EACCES || errno == EPERM ? int(QFileDevice::PermissionsError)
                                                           : int(QFileDevice::RenameError);
        tmp.remove();
        return Resultat::Echec(Message_Ecriture(nom, code));
    }
    return Resultat::Succes();
}

Resultat Ajoute_Au_Fichier(const QString& chemin, const QByteArray& octets) {
    const QString nom = QFileInfo(chemin).fileName();
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite)) {
        return Resultat::Echec(Message_Ecriture(nom, f.error()));
    }
    const qint64 taille = f.size();
    QByteArray ajout;
    if (taille > 0) {
        f.seek(taille - 1);
        char dernier = 0;
        if (f.getChar(&dernier) && dernier != '\n') {
            ajout = "\r\n";
        }
    }
    ajout += octets;
    f.seek(taille);
    if (!Ecrit_Et_Synchronise(f, ajout)) {
        const int e = f.error() == QFileDevice::NoError ? int(QFileDevice::WriteError) : int(f.error());
        f.resize(taille);
        return Resultat::Echec(Message_Ecriture(nom, e));
    }
    return Resultat::Succes();
}

} // namespace swl
