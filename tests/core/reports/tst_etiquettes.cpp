#include "core/log/fiche_qso.h"
#include "core/reports/etiquettes.h"
#include "support/fichiers_test.h"

#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Ligne_Liste(const QString& indicatif_a, const QString& indicatif_b, const QString& bande,
                    int numero) {
    QString l = Ligne_Test(indicatif_a, u"14/01/06"_s, u"08:35"_s);
    l.replace(13, 12, indicatif_b.leftJustified(12));
    l.replace(66, 7, bande.leftJustified(7));
    return Forme_Ligne_Liste(l, numero);
}

Station_Etiquettes Station(bool francais = true, const QString& indicatif = u"F1ZZZ"_s) {
    return {francais, u"FT 847"_s, u"Dipole 2x10m"_s, indicatif};
}

QStringList Entrees(int n, int longueur = 12) {
    QStringList l;
    for (int i = 1; i <= n; ++i) {
        const QString a = QString(u"F"_s + QString::number(i) + u"ABCDEFGHIJKLMNOP"_s).left(longueur);
        const QString b = QString(u"TK"_s + QString::number(i) + u"XYZXYZXYZXYZ"_s).left(longueur);
        l << Ligne_Liste(a, b, u"144 Mhz"_s, i);
    }
    return l;
}

// Width in mm of the characters actually inked, trailing spaces left out: Courier New is
// 0.6 em a character.
double Largeur_Encre(const Texte_Place& t) {
    QString s = t.texte;
    while (s.endsWith(u' ')) {
        s.chop(1);
    }
    return s.size() * 0.6 * t.points * 25.4 / 72.0;
}

double Debut_Encre(const Texte_Place& t) {
    qsizetype i = 0;
    while (i < t.texte.size() && t.texte[i] == u' ') {
        ++i;
    }
    return t.x + i * 0.6 * t.points * 25.4 / 72.0;
}

} // namespace

class Tst_Etiquettes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void centrage_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("fixe");
        QTest::addColumn<int>("variable");
        QTest::addColumn<int>("pad");
        QTest::addColumn<QString>("separateur");
        QTest::newRow("reste nul\u00A0: pad - 1, deux espaces") << 31 << 16 << 5 << 4 << u"  "_s;
        QTest::newRow("reste 1\u00A0: un espace") << 31 << 16 << 6 << 4 << u" "_s;
        QTest::newRow("ligne 2 de 5") << 42 << 12 << 5 << 12 << u" "_s;
    }
    void centrage() {
        QFETCH(int, largeur);
        QFETCH(int, fixe);
        QFETCH(int, variable);
        QFETCH(int, pad);
        QFETCH(QString, separateur);
        const Centrage c = Centre_Ligne(largeur, fixe, variable);
        QCOMPARE(c.pad, pad);
        QCOMPARE(c.separateur, separateur);
    }

    // The worked examples: lines 1, 3, 4 and 6.
    void exemplesDesLignes() {
        Pieces_Etiquette p = Pieces_De_Ligne(Ligne_Liste(u"F6ABC"_s, u"F5XYZ"_s, u"10 Mhz"_s, 1));
        QCOMPARE(p.bande, u"10 Mhz "_s);
        auto t = Textes_Etiquette(p, false, Station());
        QCOMPARE(t[0], u"    Pour F6ABC  via            "_s);
        QCOMPARE(t[1], u"            en QSO avec  F5XYZ            "_s);
        QCOMPARE(t[2], u"      Date 14/01/06   Time 08:35 UTC       "_s);
        // "10 Mhz" counts its 7 columns: n = 7 + 3 + 2.
        QCOMPARE(t[3], u"      Bande 10 Mhz  Mode SSB  RST 59       "_s);
        QCOMPARE(t[4], u"        TX FT 847 Ant Dipole 2x10m         "_s);
        QCOMPARE(t[5], u"          Pse QSL   73 de  F1ZZZ          "_s);
        p.indicatif_a = u"F6ABCD"_s;
        QCOMPARE(Textes_Etiquette(p, false, Station())[0], u"    Pour F6ABCD via            "_s);
        QCOMPARE(Textes_Etiquette(p, false, Station(true, u"F1ZZ"_s))[5],
                 u"           Pse QSL   73 de F1ZZ           "_s);
        const auto droite = Textes_Etiquette(p, true, Station());
        QCOMPARE(droite[2], u"      Date 14/01/06   Time 08:35 UTC"_s);
        QCOMPARE(droite[5], u"           Pse QSL   73 de  F1ZZZ          "_s);
        QCOMPARE(droite[1], u"             en QSO avec   F5XYZ            "_s);
        const auto anglais = Textes_Etiquette(p, false, Station(false));
        QCOMPARE(anglais[0], u"     To F6ABCD via             "_s);
        QCOMPARE(anglais[1], u"            in QSO with  F5XYZ            "_s);
        QCOMPARE(anglais[2], t[2]);
        QVERIFY(anglais[3].contains(u"Band 10 Mhz  Mode SSB"_s));
        QVERIFY(anglais[5].contains(u"Pse QSL   73 from"_s));
    }

    // Every line's width, left and right, in both languages, for callsigns of every length.
    void largeursDesLignes_data() {
        QTest::addColumn<bool>("francais");
        QTest::addColumn<int>("longueur");
        for (int n = 1; n <= 12; ++n) {
            QTest::newRow(qPrintable(u"fr "_s + QString::number(n))) << true << n;
            QTest::newRow(qPrintable(u"en "_s + QString::number(n))) << false << n;
        }
    }
    void largeursDesLignes() {
        QFETCH(bool, francais);
        QFETCH(int, longueur);
        const QString call = u"F1ABCDEFGHIJ"_s.left(longueur);
        const Pieces_Etiquette p = Pieces_De_Ligne(Ligne_Liste(call, call, u"7.0 Mhz"_s, 1));
        const Station_Etiquettes s = Station(francais, call);
        const auto g = Textes_Etiquette(p, false, s);
        QCOMPARE(g[0].size(), 31);
        QCOMPARE(g[1].size(), 42);
        QCOMPARE(g[2].size(), 43);
        QCOMPARE(g[3].size(), 43);
        QCOMPARE(g[4].size(), 43);
        QCOMPARE(g[5].size(), 42);
        const auto d = Textes_Etiquette(p, true, s);
        QCOMPARE(d[0].size(), 32);
        QCOMPARE(d[2].size(), 36);
        QVERIFY(d[3].endsWith(u"RST 59"_s));
        QVERIFY(d[4].endsWith(u"Ant Dipole 2x10m"_s));
        QCOMPARE(d[5].size(), 43);
    }

    void etiquetteImpaireAvecSesMotsSeulement() {
        const auto d = Textes_Etiquette(Pieces_De_Ligne(QStringView()), true, Station());
        QCOMPARE(d[0], u"       Pour   via               "_s);
        QCOMPARE(d[2], u"      Date    Time  UTC"_s);
        QVERIFY(d[4].contains(u"TX FT 847"_s));
        QVERIFY(d[5].contains(u"73 de  F1ZZZ"_s));
    }

    void recepteurEtAntenneTropLongs() {
        QCOMPARE(Controle_Ligne_Station(QString(22, u'R'), QString(12, u'A')), QString());
        const QString m = Controle_Ligne_Station(QString(23, u'R'), QString(12, u'A'));
        QVERIFY2(m.startsWith(u"Le récepteur et l'antenne tiennent en 34 caractères au plus ensemble"_s),
                 qPrintable(m));
        // At 34 the line still has its full width.
        const auto g = Textes_Etiquette({}, false, {true, QString(22, u'R'), QString(12, u'A'), u"F1ZZZ"_s});
        QCOMPARE(g[4].size(), 43);
    }

    // Sheets and rows: 16 entries fill stock 1 exactly; 15 on stock 4 take a second sheet
    // with one row whose right label has only its fixed words.
    void feuillesEtRangees_data() {
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("entrees");
        QTest::addColumn<int>("depart");
        QTest::addColumn<QList<int>>("etiquettes_par_feuille");
        QTest::addColumn<QList<bool>>("pleines");
        QTest::newRow("16 sur le stock 1") << 1 << 16 << 1 << QList<int>{16} << QList<bool>{true};
        QTest::newRow("15 sur le stock 4") << 4 << 15 << 1 << QList<int>{14, 2} << QList<bool>{true, false};
        QTest::newRow("3 depuis l'étiquette 5") << 1 << 3 << 5 << QList<int>{4} << QList<bool>{false};
        QTest::newRow("3 depuis l'étiquette 6") << 1 << 3 << 6 << QList<int>{3} << QList<bool>{false};
        QTest::newRow("14 depuis l'étiquette 4, stock 3")
            << 3 << 14 << 4 << QList<int>{13, 2} << QList<bool>{true, false};
        QTest::newRow("aucune") << 2 << 0 << 1 << QList<int>{} << QList<bool>{};
    }
    void feuillesEtRangees() {
        QFETCH(int, stock);
        QFETCH(int, entrees);
        QFETCH(int, depart);
        QFETCH(QList<int>, etiquettes_par_feuille);
        QFETCH(QList<bool>, pleines);
        Parametres_Etiquettes p;
        p.station = Station();
        p.stock = stock;
        p.depart = depart;
        const QList<Feuille_Etiquettes> f = Met_En_Page(Entrees(entrees), p);
        QCOMPARE(f.size(), etiquettes_par_feuille.size());
        for (qsizetype i = 0; i < f.size(); ++i) {
            QCOMPARE(f[i].textes.size(), etiquettes_par_feuille[i] * 6);
            QCOMPARE(f[i].pleine, pleines[i]);
        }
    }

    // Each label's six lines in their order and fonts; the left label then the right one on
    // each line; the empty line at 8 points only where the stock has it.
    void lignesDUneRangee() {
        Parametres_Etiquettes p;
        p.station = Station();
        for (int stock : {1, 3}) {
            p.stock = stock;
            const QList<Feuille_Etiquettes> f = Met_En_Page(Entrees(2, 5), p);
            const QList<Texte_Place>& t = f[0].textes;
            QCOMPARE(t.size(), 12);
            QVERIFY(t[0].texte.contains(u"Pour F1ABC"_s));
            QVERIFY(t[1].texte.contains(u"Pour F2ABC"_s));
            QCOMPARE(t[0].y, t[1].y);
            QCOMPARE(t[0].points, 15.0);
            QVERIFY(t[0].gras);
            QCOMPARE(t[2].points, 11.0);
            QVERIFY(!t[2].gras);
            const double vide = stock == 1 ? Hauteur_Ligne_Mm(8) : 0;
            QCOMPARE(t[2].y - t[0].y, Hauteur_Ligne_Mm(15));
            QVERIFY(qAbs(t[4].y - t[2].y - Hauteur_Ligne_Mm(11) - vide) < 1e-9);
            QCOMPARE(t[10].gras, stock == 3);
            QCOMPARE(t[1].x - t[0].x, Stock_Etiquettes_De(stock).pas_x);
        }
    }

    // With 12-character callsigns, every inked character of every label stands inside its own
    // label, on every stock, with offsets and a later first label.
    void toutDansSonEtiquette_data() {
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("depart");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        for (int stock = 1; stock <= 4; ++stock) {
            QTest::newRow(qPrintable(u"stock "_s + QString::number(stock))) << stock << 1 << 0.0 << 0.0;
            QTest::newRow(qPrintable(u"stock "_s + QString::number(stock) + u" décalé"_s))
                << stock << 5 << 2.5 << -3.0;
        }
    }
    void toutDansSonEtiquette() {
        QFETCH(int, stock);
        QFETCH(int, depart);
        QFETCH(double, dx);
        QFETCH(double, dy);
        Parametres_Etiquettes p;
        p.station = {true, QString(20, u'R'), QString(12, u'A'), u"F1ABCDEFGHIJ"_s};
        p.stock = stock;
        p.depart = depart;
        p.decalage_x = dx;
        p.decalage_y = dy;
        const QList<QRectF> contours = Contours_Etiquettes(p);
        QCOMPARE(contours.size(), Stock_Etiquettes_De(stock).etiquettes);
        int etiquette = depart - 1;
        for (const Feuille_Etiquettes& f : Met_En_Page(Entrees(16), p)) {
            for (qsizetype i = 0; i < f.textes.size(); ++i) {
                const Texte_Place& t = f.textes[i];
                const QRectF encre(Debut_Encre(t), t.y, Largeur_Encre(t) - (Debut_Encre(t) - t.x),
                                   Hauteur_Ligne_Mm(t.points));
                const auto dans = std::find_if(contours.begin(), contours.end(), [&](const QRectF& c) {
                    return c.adjusted(-0.01, -0.01, 0.01, 0.01).contains(encre);
                });
                QVERIFY2(dans != contours.end(), qPrintable(t.texte + u" à "_s + QString::number(t.x) +
                                                            u","_s + QString::number(t.y)));
            }
            etiquette = 0;
        }
        Q_UNUSED(etiquette);
    }
};

QTEST_APPLESS_MAIN(Tst_Etiquettes)
#include "tst_etiquettes.moc"
