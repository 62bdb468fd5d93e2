#include "core/log/fiche_qso.h"

#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

namespace {

Fiche_QSO Fiche_Complete() {
    Fiche_QSO f;
    f.Indicatif_A = u"F6ABC"_s;
    f.Dpt_A = u"75"_s;
    f.RST_A = u"59"_s;
    f.Prenom_A = u"jean"_s;
    f.QTH_A = u"paris"_s;
    f.Indicatif_B = u"F5XYZ"_s;
    f.Dpt_B = u"2a"_s;
    f.RST_B = u"57"_s;
    f.Date = u"01/06/08"_s;
    f.Heure = u"15:25"_s;
    f.Mode = u"SSB"_s;
    f.Bande = u"7.0 Mhz"_s;
    f.QSL = true;
    return f;
}

} // namespace

class Tst_Fiche_QSO : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ligneLogColonnes_data() {
        QTest::addColumn<int>("colonne");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("indicatif A") << 1 << u"F6ABC       "_s;
        QTest::newRow("indicatif B") << 14 << u"F5XYZ       "_s;
        QTest::newRow("dpt A puis dpt B collés") << 27 << u"752a"_s;
        QTest::newRow("prénom en capitales") << 32 << u"JEAN           "_s;
        QTest::newRow("date") << 48 << u"01/06/08"_s;
        QTest::newRow("heure") << 57 << u"15:25"_s;
        QTest::newRow("mode") << 63 << u"SSB"_s;
        QTest::newRow("bande") << 67 << u"7.0 Mhz"_s;
        QTest::newRow("rst A") << 75 << u"59 "_s;
        QTest::newRow("rst B") << 79 << u"57 "_s;
        QTest::newRow("qth en capitales") << 83 << u"PARIS"_s + QString(25, u' ');
        QTest::newRow("qsl") << 114 << u"*"_s;
        QTest::newRow("séparateurs") << 13 << u" "_s;
    }
    void ligneLogColonnes() {
        QFETCH(int, colonne);
        QFETCH(QString, attendu);
        const QString l = Forme_Ligne_Log(Fiche_Complete());
        QCOMPARE(l.size(), 114);
        QCOMPARE(l.mid(colonne - 1, attendu.size()), attendu);
    }

    void ligneLogChampsOptionnelsVides() {
        Fiche_QSO f = Fiche_Complete();
        f.Prenom_A.clear();
        f.QTH_A.clear();
        f.Dpt_A.clear();
        f.Dpt_B.clear();
        f.QSL = false;
        const QString l = Forme_Ligne_Log(f);
        QCOMPARE(l.size(), 114);
        QCOMPARE(l.mid(26, 4), u"    "_s);
        QCOMPARE(l.mid(31, 15), QString(15, u' '));
        QCOMPARE(l.mid(82, 30), QString(30, u' '));
        QVERIFY(l.endsWith(u' '));
    }

    void qthCoupeApresEspaces() {
        Fiche_QSO f = Fiche_Complete();
        f.QTH_A = u"  abcdefghijklmnopqrstuvwxyz0123456789  "_s;
        QCOMPARE(QTH_Conserve(f.QTH_A), u"abcdefghijklmnopqrstuvwxyz0123"_s);
        const QString l = Forme_Ligne_Log(f);
        QCOMPARE(l.mid(82, 30), u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"_s);
        QCOMPARE(l.size(), 114);
    }

    void champTropLongGardeLesColonnes() {
        Fiche_QSO f = Fiche_Complete();
        f.Mode = u"PSK31"_s;
        const QString l = Forme_Ligne_Log(f);
        QCOMPARE(l.size(), 114);
        QCOMPARE(l.mid(66, 7), u"7.0 Mhz"_s);
    }

    void numeroDeLigne_data() {
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("debut");
        QTest::newRow("1") << 1 << u"    1  F6ABC"_s;
        QTest::newRow("10") << 10 << u"   10  F6ABC"_s;
        QTest::newRow("100") << 100 << u"  100  F6ABC"_s;
        QTest::newRow("1000") << 1000 << u" 1000  F6ABC"_s;
        QTest::newRow("9999") << 9999 << u" 9999  F6ABC"_s;
        QTest::newRow("10000 sans espace") << 10000 << u"10000  F6ABC"_s;
        QTest::newRow("99999") << 99999 << u"99999  F6ABC"_s;
    }
    void numeroDeLigne() {
        QFETCH(int, numero);
        QFETCH(QString, debut);
        const QString l = Forme_Ligne_Liste(Forme_Ligne_Log(Fiche_Complete()), numero);
        QCOMPARE(l.size(), 134);
        QVERIFY2(l.startsWith(debut), qPrintable(l));
        QCOMPARE(Numero_Ligne_Liste(l), numero);
    }

    void ligneListeColonnes() {
        const QString l = Forme_Ligne_Liste(Forme_Ligne_Log(Fiche_Complete()), 7);
        QCOMPARE(l, u"    7  F6ABC         75  59   JEAN             PARIS                         "
                    u"  F5XYZ         2a  57   01/06/08  15:25  SSB  7.0 Mhz  *"_s);
    }

    void ordreNumeriqueEgalOrdreDuTexte() {
        QStringList lignes;
        for (int n : {1, 9, 10, 99, 100, 9999, 10000, 12345, 99999}) {
            lignes << Forme_Ligne_Liste(Forme_Ligne_Log(Fiche_Complete()), n);
        }
        QStringList triees = lignes;
        triees.sort();
        QCOMPARE(triees, lignes);
    }

    void allerRetourExact_data() {
        QTest::addColumn<QString>("ligne");
        Fiche_QSO f = Fiche_Complete();
        QTest::newRow("complète") << Forme_Ligne_Log(f);
        f.QSL = false;
        f.Prenom_A.clear();
        f.QTH_A.clear();
        f.Dpt_A.clear();
        QTest::newRow("vides, sans QSL") << Forme_Ligne_Log(f);
        f.Indicatif_A = u"F6ABC/P12345"_s;
        f.Prenom_A = u"Jean-François"_s;
        f.QTH_A = u"Saint-Étienne-du-Rouvray œuvre"_s;
        f.Mode = u"DIG"_s;
        f.Bande = u"432 Mhz"_s;
        QTest::newRow("champs pleins, accents") << Forme_Ligne_Log(f);
    }
    void allerRetourExact() {
        QFETCH(QString, ligne);
        for (int n : {1, 42, 9999, 10000, 99999}) {
            QCOMPARE(Ligne_Log_De_Liste(Forme_Ligne_Liste(ligne, n)), ligne);
        }
    }

    void ligneCourteSansErreur() {
        const QString courte = u"F6ABC        F5XYZ        75"_s;
        const QString l = Forme_Ligne_Liste(courte, 3);
        QVERIFY(l.startsWith(u"    3  F6ABC         75"_s));
        QVERIFY(l.size() < 134);
        QCOMPARE(Forme_Ligne_Liste(QString(), 1), u"    1"_s + QString(13 * 2, u' '));
        QCOMPARE(Piece(u"abc", 10, 5).size(), 0);
        QCOMPARE(Piece(u"abcdef", 5, 5), u"ef");
    }

    void ficheDeLigneListe() {
        const Fiche_QSO f = Fiche_De_Ligne_Liste(Forme_Ligne_Liste(Forme_Ligne_Log(Fiche_Complete()), 2));
        QCOMPARE(f.Indicatif_A, u"F6ABC       "_s);
        QCOMPARE(f.Dpt_B, u"2a"_s);
        QCOMPARE(f.Date, u"01/06/08"_s);
        QCOMPARE(f.Heure, u"15:25"_s);
        QCOMPARE(f.Bande, u"7.0 Mhz"_s);
        QVERIFY(f.QSL);
    }

    void listesDeBandesEtModes() {
        QCOMPARE(Liste_Bandes(), QStringList({u"1.8 Mhz"_s, u"3.5 Mhz"_s, u"7.0 Mhz"_s, u"10 Mhz"_s,
                                              u"14 Mhz"_s, u"18 Mhz"_s, u"21 Mhz"_s, u"24 Mhz"_s, u"27 Mhz"_s,
                                              u"28 Mhz"_s, u"50 Mhz"_s, u"144 Mhz"_s, u"432 Mhz"_s}));
        QCOMPARE(Liste_Modes(), QStringList({u"SSB"_s, u"CW"_s, u"FM"_s, u"DIG"_s}));
    }

    void libelleDesColonnes() {
        const QString attendu =
            u"     N°   Indicatif A       Dpt RST   Prenom                    QTH                                         Indicatif B      Dpt RST     Date       QTR  Mode   QRG   QSL"_s;
        QCOMPARE(Libelle_Colonnes_Liste(), attendu);
        QCOMPARE(attendu.size(), 169);
    }
};

QTEST_APPLESS_MAIN(Tst_Fiche_QSO)
#include "tst_fiche_qso.moc"
