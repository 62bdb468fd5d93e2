#include "fichiers_test.h"

#include "core/fiche_qso.h"
#include "core/texte_1252.h"

#include <QDir>
#include <QFile>

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

} // namespace swl::test
