#include "fichiers_test.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace swl::test {

using namespace Qt::Literals::StringLiterals;

Dossier_Test::Dossier_Test() : repertoire(dossier.filePath(u"ORBEL_SWL"_s)) {
    QDir().mkpath(repertoire);
    Ecrit(u"FXXXX.txt"_s, {});
    Ecrit(u"Liste_Prenom.txt"_s, {});
}

QString Dossier_Test::Chemin(const QString& nom) const {
    return QDir(repertoire).filePath(nom);
}

void Dossier_Test::Ecrit(const QString& nom, const QByteArray& octets) const {
    QFile f(Chemin(nom));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(octets);
    }
}

QByteArray Dossier_Test::Lit(const QString& nom) const {
    QFile f(Chemin(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Octets_Log(const QStringList& lignes) {
    QByteArray o;
    for (const QString& l : lignes) {
        o += Encode_1252(l) + "\r\n";
    }
    return o;
}

QString Ligne_QSO(const QString& a, const QString& b, const QString& date, const QString& heure,
                  const QString& bande, const QString& mode, const QString& rst_a, const QString& rst_b) {
    Fiche_QSO f;
    f.Indicatif_A = a;
    f.Indicatif_B = b;
    f.RST_A = rst_a;
    f.RST_B = rst_b;
    f.Date = date;
    f.Heure = heure;
    f.Bande = bande;
    f.Mode = mode;
    return Forme_Ligne_Log(f);
}

QString Ligne_Test(const QString& indicatif_a, const QString& date, const QString& heure,
                   const QString& dpt_a) {
    Fiche_QSO f;
    f.Indicatif_A = indicatif_a;
    f.Dpt_A = dpt_a;
    f.RST_A = u"59"_s;
    f.Prenom_A = u"Jean"_s;
    f.QTH_A = u"Paris"_s;
    f.Indicatif_B = u"F5XYZ"_s;
    f.Dpt_B = u"13"_s;
    f.RST_B = u"57"_s;
    f.Date = date;
    f.Heure = heure;
    f.Mode = u"SSB"_s;
    f.Bande = u"7.0 Mhz"_s;
    return Forme_Ligne_Log(f);
}

Acces_Fichiers_Test::Acces_Fichiers_Test() : remplace_(*this) {}

bool Acces_Fichiers_Test::Echoue(const QString& operation) {
    const int n = ++comptes_[operation];
    if (echecs.value(operation) == n) {
        errno = operation == u"renomme" ? EACCES : EIO;
        return true;
    }
    return false;
}

int Acces_Fichiers_Test::Ouvre(const char* chemin, int drapeaux, unsigned mode) {
    appels << u"ouvre "_s + QFileInfo(QFile::decodeName(chemin)).fileName();
    return Echoue(u"ouvre"_s) ? -1 : Acces_Fichiers::Ouvre(chemin, drapeaux, mode);
}

long Acces_Fichiers_Test::Ecrit(int fd, const char* octets, std::size_t taille) {
    appels << u"ecrit "_s + QString::number(taille);
    if (Echoue(u"ecrit"_s)) {
        return -1;
    }
    long long permis = static_cast<long long>(taille);
    if (limite_octets >= 0) {
        permis = qMin(permis, limite_octets - ecrits_);
        if (permis <= 0) {
            errno = ENOSPC;
            return -1;
        }
    }
    const long n = Acces_Fichiers::Ecrit(fd, octets, static_cast<std::size_t>(permis));
    if (n > 0) {
        ecrits_ += n;
    }
    return n;
}

int Acces_Fichiers_Test::Synchronise(int fd) {
    appels << u"synchronise"_s;
    return Echoue(u"synchronise"_s) ? -1 : Acces_Fichiers::Synchronise(fd);
}

int Acces_Fichiers_Test::Tronque(int fd, long long taille) {
    appels << u"tronque "_s + QString::number(taille);
    return Echoue(u"tronque"_s) ? -1 : Acces_Fichiers::Tronque(fd, taille);
}

int Acces_Fichiers_Test::Change_Mode(int fd, unsigned mode) {
    appels << u"mode "_s + QString::number(mode, 8);
    return Echoue(u"mode"_s) ? -1 : Acces_Fichiers::Change_Mode(fd, mode);
}

int Acces_Fichiers_Test::Renomme(const char* ancien, const char* nouveau) {
    appels << u"renomme "_s + QFileInfo(QFile::decodeName(ancien)).fileName() + u' ' +
                  QFileInfo(QFile::decodeName(nouveau)).fileName();
    return Echoue(u"renomme"_s) ? -1 : Acces_Fichiers::Renomme(ancien, nouveau);
}

int Acces_Fichiers_Test::Ferme(int fd) {
    appels << u"ferme"_s;
    return Echoue(u"ferme"_s) ? -1 : Acces_Fichiers::Ferme(fd);
}

} // namespace swl::test
