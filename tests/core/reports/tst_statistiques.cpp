// The log in figures: every count, the countries and departments heard, per band, mode,
// station and years, damaged lines apart; the tables as CSV; the departments' names.
#include "core/base/texte_1252.h"
#include "core/countries/departements.h"
#include "core/log/fiche_qso.h"
#include "core/reports/statistiques.h"
#include "support/fichiers_test.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using swl::Filtre_Statistiques;
using Station = swl::Filtre_Statistiques::Station;

Q_DECLARE_METATYPE(Filtre_Statistiques)

namespace {

const QByteArray Fichier =
    "France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F,TM;\n"
    "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DA,DL;\n"
    "Italy:  15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n    I;\n"
    "Sicily:  15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n    IT9;\n"
    "Guadeloupe:  08:  11:  NA:   16.13:    61.67:     4.0:  FG:\n    FG;\n"
    "Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n    JA;\n";

QString Ligne(const QString& a, const QString& dpt_a, const QString& b, const QString& dpt_b,
              const QString& date, const QString& heure, const QString& mode, const QString& bande,
              bool qsl = false) {
    swl::Fiche_QSO f;
    f.Indicatif_A = a;
    f.Dpt_A = dpt_a;
    f.Indicatif_B = b;
    f.Dpt_B = dpt_b;
    f.RST_A = u"59"_s;
    f.RST_B = u"57"_s;
    f.Date = date;
    f.Heure = heure;
    f.Mode = mode;
    f.Bande = bande;
    f.QSL = qsl;
    return swl::Forme_Ligne_Log(f);
}

const QStringList Journal = {
    Ligne(u"F5ABC"_s, u"75"_s, u"DL1XYZ"_s, QString(), u"01/06/08"_s, u"10:00"_s, u"SSB"_s, u"7.0 Mhz"_s,
          true),
    Ligne(u"F6XYZ"_s, u"2b"_s, u"F5ABC"_s, u"75"_s, u"02/06/08"_s, u"11:30"_s, u"CW"_s, u"14 Mhz"_s),
    Ligne(u"IT9AAA"_s, QString(), u"I1BBB"_s, QString(), u"03/01/09"_s, u"23:59"_s, u"SSB"_s, u"14 Mhz"_s,
          true),
    Ligne(u"FG5XX"_s, QString(), u"JA1ZZZ"_s, QString(), u"04/01/09"_s, u"00:15"_s, u"FT8"_s, u"14 Mhz"_s),
    Ligne(u"K1ABC"_s, QString(), u"F5ABC"_s, u"13"_s, u"05/01/09"_s, u"10:05"_s, u"SSB"_s, u"7.0 Mhz"_s),
    // Damaged: a date, a band, a line cut short.
    Ligne(u"F1AAA"_s, u"01"_s, u"F1BBB"_s, QString(), u"32/13/09"_s, u"10:00"_s, u"SSB"_s, u"7.0 Mhz"_s),
    Ligne(u"F1AAA"_s, u"01"_s, u"F1BBB"_s, QString(), u"01/02/09"_s, u"10:00"_s, u"SSB"_s, u"5 Mhz"_s),
    u"F1AAA        F1BBB        01  "_s,
};

// "qso confirmes stations illisibles sans_pays | pays | continents | departements | metropole+outre-mer |
// années | heures | modes"
QString Resume(const swl::Statistiques& s) {
    QStringList pays;
    for (const auto& p : s.pays) {
        pays << p.nom + u':' + p.prefixe + u':' + p.continent + u':' + QString::number(p.dxcc) + u':' +
                    QString::number(p.qso) + u':' + p.premier.toString(u"yyMMdd"_s) + u':' +
                    QString::number(p.confirmes);
    }
    QStringList continents;
    for (auto i = s.continents.cbegin(); i != s.continents.cend(); ++i) {
        continents << i.key() + u':' + QString::number(i.value());
    }
    QStringList dpt;
    for (const auto& d : s.departements) {
        dpt << d.code + u':' + d.nom + u':' + QString::number(d.qso) + u':' + QString::number(d.confirmes);
    }
    QStringList annees;
    for (auto i = s.par_annee.cbegin(); i != s.par_annee.cend(); ++i) {
        for (auto j = i.value().cbegin(); j != i.value().cend(); ++j) {
            annees << QString::number(i.key()) + u'/' + j.key() + u':' + QString::number(j.value());
        }
    }
    QStringList heures;
    for (int h = 0; h < 24; ++h) {
        if (s.par_heure[h]) {
            heures << QString::number(h) + u':' + QString::number(s.par_heure[h]);
        }
    }
    QStringList modes;
    for (auto i = s.par_mode.cbegin(); i != s.par_mode.cend(); ++i) {
        modes << i.key() + u':' + QString::number(i.value());
    }
    return QString::number(s.qso) + u' ' + QString::number(s.confirmes) + u' ' + QString::number(s.stations) +
           u' ' + QString::number(s.illisibles.nombre) + u' ' + QString::number(s.indicatifs_sans_pays) +
           u" | "_s + pays.join(u", "_s) + u" | "_s + continents.join(u", "_s) + u" | "_s +
           dpt.join(u", "_s) + u" | "_s + QString::number(s.departements_metropole) + u'+' +
           QString::number(s.departements_outre_mer) + u" | "_s + annees.join(u", "_s) + u" | "_s +
           heures.join(u", "_s) + u" | "_s + modes.join(u", "_s);
}

} // namespace

class Tst_Statistiques : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statistiques_data() {
        QTest::addColumn<Filtre_Statistiques>("filtre");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("tout le journal")
            << Filtre_Statistiques{}
            << u"5 2 8 3 1 | Allemagne:DL:EU:230:1:080601:1, France:F:EU:227:3:080601:1, "
               u"Guadeloupe:FG:NA:79:1:090104:0, Italie:I:EU:248:1:090103:1, Japon:JA:AS:339:1:090104:0 | "
               u"AS:1, EU:4, NA:1 | 13:Bouches-du-Rhône:1:0, 2b:Haute-Corse:1:0, 75:Paris:2:1, "
               u"971:Guadeloupe:1:0 | 3+1 | 2008/14 Mhz:1, 2008/7.0 Mhz:1, 2009/14 Mhz:2, 2009/7.0 Mhz:1 | "
               u"0:1, 10:2, 11:1, 23:1 | CW:1, FT8:1, SSB:3"_s;
        QTest::newRow("station A, 14 Mhz")
            << Filtre_Statistiques{u"14 Mhz"_s, QString(), Station::A, 0, 0}
            << u"3 1 3 3 0 | France:F:EU:227:1:080602:0, Guadeloupe:FG:NA:79:1:090104:0, "
               u"Italie:I:EU:248:1:090103:1 | EU:2, NA:1 | 2b:Haute-Corse:1:0, 971:Guadeloupe:1:0 | 1+1 | "
               u"2008/14 Mhz:1, 2009/14 Mhz:2 | 0:1, 11:1, 23:1 | CW:1, FT8:1, SSB:1"_s;
        QTest::newRow("station B, SSB, 2009")
            << Filtre_Statistiques{QString(), u"SSB"_s, Station::B, 2009, 2009}
            << u"2 1 2 3 0 | France:F:EU:227:1:090105:0, Italie:I:EU:248:1:090103:1 | EU:2 | "
               u"13:Bouches-du-Rhône:1:0 | 1+0 | 2009/14 Mhz:1, 2009/7.0 Mhz:1 | 10:1, 23:1 | SSB:2"_s;
        QTest::newRow("aucun QSO") << Filtre_Statistiques{u"432 Mhz"_s, QString(), Station::Les_Deux, 0, 0}
                                   << u"0 0 0 3 0 |  |  |  | 0+0 |  |  | "_s;
    }
    void statistiques() {
        QFETCH(Filtre_Statistiques, filtre);
        QFETCH(QString, attendu);
        const auto pays = swl::Fichier_Pays::Lit(Fichier);
        QVERIFY(pays);
        const swl::Lignes_Log log(swl::test::Octets_Log(Journal));
        const swl::Statistiques s = swl::Calcule_Statistiques(log, &*pays, filtre);
        QCOMPARE(Resume(s), attendu);
        QCOMPARE(s.annees, (QList<int>{2008, 2009}));
    }

    // Without a country file, every country is unknown; the rest is counted as before.
    void sans_fichier_des_pays() {
        const swl::Lignes_Log log(swl::test::Octets_Log(Journal));
        const swl::Statistiques s = swl::Calcule_Statistiques(log, nullptr, {});
        QCOMPARE(s.qso, 5);
        QCOMPARE(s.pays.size(), 0);
        QCOMPARE(s.indicatifs_sans_pays, 10);
        QCOMPARE(s.departements_metropole, 3);
    }

    void csv() {
        const auto pays = swl::Fichier_Pays::Lit(Fichier);
        const swl::Lignes_Log log(swl::test::Octets_Log(Journal));
        const auto s = swl::Calcule_Statistiques(log, &*pays, {u"7.0 Mhz"_s, QString(), Station::A, 0, 0});
        QCOMPARE(swl::CSV_Statistiques(s),
                 QByteArray(
                     "\xEF\xBB\xBFTotaux\r\nQSO entendus;2\r\nQSO confirmés;1\r\nStations différentes;2\r\n"
                     "Pays (DXCC);1\r\nContinents;1\r\nDépartements de métropole (sur 96);1\r\n"
                     "Départements d'outre-mer (sur 5);0\r\nLignes illisibles;3\r\n\r\n"
                     "Pays;Préfixe;Continent;QSO;Premier QSO;Confirmés\r\nFrance;F;EU;1;2008-06-01;1\r\n\r\n"
                     "Département;Nom;QSO;Confirmés\r\n75;Paris;1;1\r\n"));
    }

    void departements_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("nom");
        QTest::newRow("01") << u"01"_s << u"Ain"_s;
        QTest::newRow("19") << u"19"_s << u"Corrèze"_s;
        QTest::newRow("20") << u"20"_s << QString();
        QTest::newRow("21") << u"21"_s << u"Côte-d'Or"_s;
        QTest::newRow("2a") << u"2a"_s << u"Corse-du-Sud"_s;
        QTest::newRow("2B") << u"2B"_s << u"Haute-Corse"_s;
        QTest::newRow("75") << u"75"_s << u"Paris"_s;
        QTest::newRow("90") << u"90"_s << u"Territoire de Belfort"_s;
        QTest::newRow("95") << u"95"_s << u"Val-d'Oise"_s;
        QTest::newRow("96") << u"96"_s << QString();
        QTest::newRow("00") << u"00"_s << QString();
        QTest::newRow("7") << u"7"_s << QString();
    }
    void departements() {
        QFETCH(QString, code);
        QFETCH(QString, nom);
        QCOMPARE(swl::Nom_Departement(code), nom);
    }
};

QTEST_APPLESS_MAIN(Tst_Statistiques)
#include "tst_statistiques.moc"
