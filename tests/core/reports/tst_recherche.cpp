#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/reports/recherche.h"
#include "support/fichiers_test.h"

#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Log(const QString& indicatif_a, const QString& dpt_a, const QString& dpt_b, const QString& date) {
    Fiche_QSO f;
    f.Indicatif_A = indicatif_a;
    f.Dpt_A = dpt_a;
    f.RST_A = u"59"_s;
    f.Prenom_A = u"Jean"_s;
    f.QTH_A = u"Paris"_s;
    f.Indicatif_B = u"F5XYZ"_s;
    f.Dpt_B = dpt_b;
    f.RST_B = u"57"_s;
    f.Date = date;
    f.Heure = u"15:25"_s;
    f.Mode = u"SSB"_s;
    f.Bande = u"7.0 Mhz"_s;
    f.QSL = true;
    return Forme_Ligne_Log(f);
}

Lignes_Log Lignes(const QStringList& log) {
    return Lignes_Log(Octets_Log(log));
}

} // namespace

class Tst_Recherche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ligneResultatAuxColonnes() {
        const QString liste = Forme_Ligne_Liste(Log(u"F6ABC"_s, u"2a"_s, u"13"_s, u"01/06/08"_s), 12);
        const QString r = Ligne_Resultat(liste);
        QCOMPARE(r.size(), 87);
        QCOMPARE(
            r, u"   12  F6ABC         2a  59     F5XYZ         13  57   01/06/08  15:25  SSB  7.0 Mhz  *"_s);
        QVERIFY(!r.contains(u"JEAN"_s));
        QVERIFY(!r.contains(u"PARIS"_s));
    }

    void correspondance_data() {
        QTest::addColumn<QString>("ligne_log");
        QTest::addColumn<int>("critere");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("trouve");
        const QString f6 = Log(u"F6ABC"_s, u"75"_s, u"13"_s, u"01/06/08"_s);
        const QString corse = Log(u"TK5F5A"_s, u"2a"_s, u"75"_s, u"12/06/08"_s);
        const QString un = Log(u"F5X"_s, u"5"_s, u""_s, u"12/06/08"_s);
        QTest::newRow("indicatif au début") << f6 << 1 << u"F6"_s << true;
        QTest::newRow("indicatif à l'intérieur") << corse << 1 << u"F5"_s << true;
        QTest::newRow("indicatif à la fin") << f6 << 1 << u"ABC"_s << true;
        QTest::newRow("casse comptée") << f6 << 1 << u"f6"_s << false;
        QTest::newRow("indicatif trop long") << f6 << 1 << u"F6ABCDEFGHIJK"_s << false;
        QTest::newRow("date exacte") << f6 << 2 << u"01/06/08"_s << true;
        QTest::newRow("autre date") << f6 << 2 << u"01/06/09"_s << false;
        QTest::newRow("département") << f6 << 3 << u"75"_s << true;
        QTest::newRow("département B jamais") << corse << 3 << u"75"_s << false;
        QTest::newRow("corse en minuscules") << corse << 3 << u"2a"_s << true;
        QTest::newRow("corse en capitales") << corse << 3 << u"2A"_s << false;
        QTest::newRow("un caractère seul") << un << 3 << u"5"_s << false;
        QTest::newRow("un caractère et son espace") << un << 3 << u"5 "_s << true;
    }
    void correspondance() {
        QFETCH(QString, ligne_log);
        QFETCH(int, critere);
        QFETCH(QString, texte);
        QFETCH(bool, trouve);
        const auto c = static_cast<Critere>(critere);
        QCOMPARE(Correspond(Forme_Ligne_Liste(ligne_log, 1), c, texte), trouve);
        // The fast search over the log's bytes finds exactly the same.
        QCOMPARE(Lignes_Trouvees(Lignes({ligne_log}), c, texte), trouve ? QList<int>{0} : QList<int>{});
    }

    void texteCompareSelonLeCritere() {
        QCOMPARE(Texte_Recherche(Critere::Indicatif, u"f5é"_s), u"F5É"_s);
        QCOMPARE(Texte_Recherche(Critere::Date, u"01/06/08"_s), u"01/06/08"_s);
        QCOMPARE(Texte_Recherche(Critere::Departement, u"2a"_s), u"2a"_s);
    }

    // Lines that are not full width are read at their list line's columns, as the list shows
    // them; the order of the list is kept.
    void lignesEndommageesEtOrdre() {
        QString insecable = Log(u"F6AB"_s, u"75"_s, u"13"_s, u"01/06/08"_s);
        insecable[4] = QChar(0xA0);
        const QStringList log = {Log(u"F5AAA"_s, u"75"_s, u"13"_s, u"01/06/08"_s), u"F5COURTE     F1XYZ"_s,
                                 insecable, Log(u"F6F5"_s, u"13"_s, u"75"_s, u"02/06/08"_s),
                                 Log(u"F6AAA"_s, u"75"_s, u"13"_s, u"01/06/08"_s) + u"EN TROP"_s};
        const Lignes_Log lignes = Lignes(log);
        QCOMPARE(Lignes_Trouvees(lignes, Critere::Indicatif, u"F5"_s), QList<int>({0, 1, 3}));
        QCOMPARE(Lignes_Trouvees(lignes, Critere::Indicatif, u"F6AB"_s), QList<int>({2}));
        QCOMPARE(Lignes_Trouvees(lignes, Critere::Indicatif, u"F6AAA"_s), QList<int>({4}));
        QCOMPARE(Lignes_Trouvees(lignes, Critere::Departement, u"75"_s), QList<int>({0, 2, 4}));
        QCOMPARE(Lignes_Trouvees(lignes, Critere::Indicatif, u"ł"_s), QList<int>());
        for (int c = 1; c <= 3; ++c) {
            for (const QString& texte : {u"F5"_s, u"01/06/08"_s, u"75"_s, u"13"_s}) {
                QList<int> attendu;
                for (int i = 0; i < lignes.Nombre(); ++i) {
                    if (Correspond(lignes.Ligne_Liste(i), static_cast<Critere>(c), texte)) {
                        attendu << i;
                    }
                }
                QCOMPARE(Lignes_Trouvees(lignes, static_cast<Critere>(c), texte), attendu);
            }
        }
    }
};

QTEST_APPLESS_MAIN(Tst_Recherche)
#include "tst_recherche.moc"
