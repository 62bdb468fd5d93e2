#include "core/base/texte_1252.h"
#include "core/reports/carte.h"
#include "support/fichiers_test.h"

#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// A QSO heard with station A in `dpt_a` and station B in `dpt_b`, on `bande`.
QString Ligne(const QString& dpt_a, const QString& bande = u"7.0 Mhz"_s, const QString& dpt_b = u"13"_s) {
    QString l = Ligne_Test(u"F6ABC"_s, u"01/06/08"_s, u"10:00"_s, dpt_a);
    l.replace(28, 2, dpt_b.leftJustified(2));
    l.replace(66, 7, bande.leftJustified(7));
    return l;
}

QList<int> Marques(const Marquage& m) {
    QList<int> r;
    for (int i = 0; i < Nombre_Marqueurs; ++i) {
        if (m.entendu[static_cast<std::size_t>(i)]) {
            r << i;
        }
    }
    return r;
}

} // namespace

class Tst_Carte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marquage_data() {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QList<int>>("marques");
        QTest::addColumn<int>("nombre");
        QTest::newRow("corse en capitales et minuscules")
            << QStringList({Ligne(u"2A"_s), Ligne(u"2a"_s), Ligne(u"2B"_s), Ligne(u"2b"_s)}) << u"7.0 Mhz"_s
            << QList<int>({96, 97}) << 2;
        QTest::newRow("vide, X1 et 9a ne marquent rien")
            << QStringList({Ligne(u""_s), Ligne(u"X1"_s), Ligne(u"9a"_s), Ligne(u"33"_s)}) << u"7.0 Mhz"_s
            << QList<int>({33}) << 1;
        QTest::newRow("le département de B ne compte pas")
            << QStringList({Ligne(u""_s, u"7.0 Mhz"_s, u"75"_s)}) << u"7.0 Mhz"_s << QList<int>() << 0;
        QTest::newRow("doublons comptés une fois, autre bande non comptée")
            << QStringList({Ligne(u"75"_s), Ligne(u"75"_s), Ligne(u"13"_s, u"14 Mhz"_s)}) << u"7.0 Mhz"_s
            << QList<int>({75}) << 1;
        QTest::newRow("00 marqué mais non compté, 20/98/99 comptés")
            << QStringList({Ligne(u"00"_s), Ligne(u"20"_s), Ligne(u"98"_s), Ligne(u"99"_s)}) << u"7.0 Mhz"_s
            << QList<int>({0, 20, 98, 99}) << 3;
        QTest::newRow("un chiffre seul")
            << QStringList({Ligne(u"7"_s)}) << u"7.0 Mhz"_s << QList<int>({7}) << 1;
        QTest::newRow("bande tapée inconnue")
            << QStringList({Ligne(u"75"_s)}) << u"7 MHZ"_s << QList<int>() << 0;
        QTest::newRow("bande à la casse exacte")
            << QStringList({Ligne(u"75"_s)}) << u"7.0 MHZ"_s << QList<int>() << 0;
        QTest::newRow("ligne courte ignorée")
            << QStringList({u"F6ABC        F5XYZ        75"_s, Ligne(u"01"_s)}) << u"7.0 Mhz"_s
            << QList<int>({1}) << 1;
    }
    void marquage() {
        QFETCH(QStringList, log);
        QFETCH(QString, bande);
        QFETCH(QList<int>, marques);
        QFETCH(int, nombre);
        const Marquage m = Marque_Departements(Lignes_Log(Octets_Log(log)), bande);
        QCOMPARE(Marques(m), marques);
        QCOMPARE(m.nombre, nombre);
    }

    void indexDesCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("index");
        QTest::newRow("01") << u"01"_s << 1;
        QTest::newRow("95") << u"95"_s << 95;
        QTest::newRow("2a") << u"2a"_s << 96;
        QTest::newRow("2B") << u"2B"_s << 97;
        QTest::newRow("espaces") << u" 7"_s << 7;
        QTest::newRow("vide") << u"  "_s << -1;
        QTest::newRow("X1") << u"X1"_s << -1;
        QTest::newRow("9a") << u"9a"_s << -1;
        QTest::newRow("signe") << u"-1"_s << -1;
    }
    void indexDesCodes() {
        QFETCH(QString, code);
        QFETCH(int, index);
        QCOMPARE(Index_Marqueur(code), index);
    }

    void tableDesMarqueurs() {
        const QList<Marqueur> m = Lit_Marqueurs("# commentaire\r\ncode,x,y\r\n01,352,264\r\n2a,416,472\n");
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0].code, u"01"_s);
        QCOMPARE(m[0].x, 352);
        QCOMPARE(m[1].code, u"2a"_s);
        QCOMPARE(m[1].y, 472);
        QCOMPARE(Texte_Marqueur(0), u"00"_s);
        QCOMPARE(Texte_Marqueur(5), u"05"_s);
        QCOMPARE(Texte_Marqueur(20), u"X"_s);
        QCOMPARE(Texte_Marqueur(96), u"2a"_s);
    }
};

QTEST_APPLESS_MAIN(Tst_Carte)
#include "tst_carte.moc"
