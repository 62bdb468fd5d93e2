// Taking a change of the log back and making it again, byte for byte.
#include "core/base/texte_1252.h"
#include "core/exchange/adif.h"
#include "core/log/fichier_log.h"
#include "core/log/trace_journal.h"
#include "support/fichiers_test.h"

#include <QRandomGenerator>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Indicatif = u"F1ABC"_s;

QString Ligne(int n) {
    return Ligne_Test(u"F"_s + QString::number(n) + u"AB"_s,
                      u"0"_s + QString::number(1 + n % 9) + u"/06/08"_s,
                      u"1"_s + QString::number(n % 10) + u":00"_s);
}

// A log of `n` lines in date order.
QByteArray Log_Trie(int n) {
    QStringList l;
    for (int i = 0; i < n; ++i) {
        l << Ligne_Test(u"F"_s + QString::number(i) + u"AB"_s, u"01/06/08"_s,
                        QString::number(10 + i / 60) + u':' +
                            QString::number(i % 60).rightJustified(2, u'0'));
    }
    return Octets_Log(l);
}

enum class Operation { Ajout, Insertion, Modification, Suppression };

// One change through the store, its trace kept.
Resultat Change(const Fichier_Log& log, Operation op, int numero, const QString& ligne, Trace_Journal& t) {
    const Lignes_Log lu = log.Lit_Log().lignes;
    switch (op) {
    case Operation::Ajout:
        return log.Ajoute_QSO_Log(ligne, &t);
    case Operation::Insertion:
        return log.Insere_QSO_Log(ligne, &t);
    case Operation::Modification:
        return log.Remplace_QSO_Log(ligne, lu.Ligne_Log(numero - 1), numero, {}, &t);
    case Operation::Suppression:
        return log.Supprime_QSO_Log(lu.Ligne_Log(numero - 1), numero, {}, &t);
    }
    return Resultat::Echec({});
}

} // namespace

class Tst_Trace_Journal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each kind of change at each end of the log: undone gives the former bytes, redone the
    // later ones; the entry to select is the one touched.
    void defaitEtRefait_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("ligne_apres");
        const QByteArray trois = Log_Trie(3);
        const QByteArray un = Log_Trie(1);
        const QString tot = Ligne_Test(u"F9TOT"_s, u"01/01/08"_s, u"00:00"_s);
        QTest::newRow("ajout à un journal vide") << QByteArray() << int(Operation::Ajout) << 0 << 0;
        QTest::newRow("ajout à la fin") << trois << int(Operation::Ajout) << 0 << 3;
        QTest::newRow("ajout sans fin de ligne") << trois.chopped(2) << int(Operation::Ajout) << 0 << 3;
        QTest::newRow("insertion en tête") << trois << int(Operation::Insertion) << 0 << 0;
        QTest::newRow("insertion dans un journal d'une ligne") << un << int(Operation::Insertion) << 0 << 0;
        QTest::newRow("modification de la première") << trois << int(Operation::Modification) << 1 << 0;
        QTest::newRow("modification de la dernière") << trois << int(Operation::Modification) << 3 << 2;
        QTest::newRow("suppression de la première") << trois << int(Operation::Suppression) << 1 << 0;
        QTest::newRow("suppression de la dernière") << trois << int(Operation::Suppression) << 3 << 1;
        QTest::newRow("suppression de la seule") << un << int(Operation::Suppression) << 1 << -1;
        QByteArray lf = trois;
        lf.replace("\r\n", "\n");
        QTest::newRow("journal en LF, suppression") << lf << int(Operation::Suppression) << 2 << 1;
        Q_UNUSED(tot);
    }
    void defaitEtRefait() {
        QFETCH(QByteArray, log);
        QFETCH(int, operation);
        QFETCH(int, numero);
        QFETCH(int, ligne_apres);
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), log);
        const Fichier_Log f(d.repertoire, Indicatif);
        Trace_Journal t;
        const QString nouvelle = operation == int(Operation::Insertion)
                                     ? Ligne_Test(u"F9TOT"_s, u"01/01/08"_s, u"00:00"_s)
                                     : Ligne_Test(u"F9NEW"_s, u"09/09/09"_s, u"23:59"_s);
        QVERIFY(Change(f, Operation(operation), numero, nouvelle, t));
        const QByteArray apres = d.Lit(Fichier_Log::Nom_Log(Indicatif));
        QVERIFY(apres != log);
        QCOMPARE(t.ligne_apres, ligne_apres);
        QVERIFY(f.Rejoue(t, false));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), log);
        QVERIFY(f.Rejoue(t, true));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), apres);
        // Only the changed line is kept, not the log.
        QVERIFY(t.Memoire() < 600);
    }

    // Twenty mixed changes undone to the start give the first log, redone the last.
    void chaineDeVingt() {
        Dossier_Test d;
        QByteArray depart = Log_Trie(30);
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), depart);
        const Fichier_Log f(d.repertoire, Indicatif);
        QRandomGenerator hasard(15);
        QList<Trace_Journal> traces;
        for (int i = 0; i < 20; ++i) {
            const int n = f.Lit_Log().lignes.Nombre();
            Trace_Journal t;
            QVERIFY(Change(f, Operation(hasard.bounded(4)), 1 + static_cast<int>(hasard.bounded(n)),
                           Ligne(100 + i), t));
            traces << t;
        }
        const QByteArray fin = d.Lit(Fichier_Log::Nom_Log(Indicatif));
        for (qsizetype i = traces.size() - 1; i >= 0; --i) {
            QVERIFY(f.Rejoue(traces[i], false));
        }
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), depart);
        for (const Trace_Journal& t : traces) {
            QVERIFY(f.Rejoue(t, true));
        }
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), fin);
    }

    // An import of 5,000 records is one change: undone and redone whole.
    void importDeCinqMille() {
        Dossier_Test d;
        const QByteArray depart = Log_Trie(200);
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), depart);
        QString adi = u"<EOH>"_s;
        for (int i = 0; i < 5000; ++i) {
            const QString call = u"DL"_s + QString::number(i) + u"X"_s;
            const QString heure =
                QString::number(10 + i / 60 % 12) + QString::number(i % 60).rightJustified(2, u'0');
            adi += u"<CALL:"_s + QString::number(call.size()) + u'>' + call + u"<QSO_DATE:8>2008060"_s +
                   QString::number(1 + i % 3) + u"<TIME_ON:4>"_s + heure + u"<BAND:3>40m<MODE:3>SSB<EOR>"_s;
        }
        const Fichier_Log f(d.repertoire, Indicatif);
        const Bilan_Import b = Importe_ADIF(f, adi.toUtf8(), false);
        QCOMPARE(b.ajoutes, 5000);
        const QByteArray apres = d.Lit(Fichier_Log::Nom_Log(Indicatif));
        // The positions and the added lines, not the log.
        QVERIFY(b.trace.Memoire() < 5000 * 120 + 5000 * 56 + 1000);
        QVERIFY(f.Rejoue(b.trace, false));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), depart);
        QVERIFY(f.Rejoue(b.trace, true));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), apres);
    }

    // A log changed behind the program (by hand, copied over): nothing is undone.
    void journalChangeAilleurs() {
        Dossier_Test d;
        const QByteArray depart = Log_Trie(3);
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), depart);
        const Fichier_Log f(d.repertoire, Indicatif);
        Trace_Journal t;
        QVERIFY(f.Supprime_QSO_Log(Ligne_Test(u"F1AB"_s, u"01/06/08"_s, u"10:01"_s), 2, {}, &t));
        QByteArray change = d.Lit(Fichier_Log::Nom_Log(Indicatif));
        change[5] = 'Z';
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), change);
        bool ailleurs = false;
        const Resultat r = f.Rejoue(t, false, &ailleurs);
        QVERIFY(!r);
        QVERIFY(ailleurs);
        QVERIFY(r.message.contains(u"a été modifié en dehors de ORBEL_SWL"_s));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), change);
        // Redo wants the log as the change found it.
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), depart + "x");
        QVERIFY(!f.Rejoue(t, true, &ailleurs));
        QVERIFY(ailleurs);
    }

    // A write that fails leaves the log byte for byte.
    void ecritureQuiEchoue() {
        Dossier_Test d;
        const QByteArray depart = Log_Trie(3);
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), depart);
        const Fichier_Log f(d.repertoire, Indicatif);
        Trace_Journal t;
        QVERIFY(f.Ajoute_QSO_Log(Ligne(7), &t));
        const QByteArray apres = d.Lit(Fichier_Log::Nom_Log(Indicatif));
        {
            Acces_Fichiers_Test disque;
            disque.limite_octets = 100;
            bool ailleurs = true;
            const Resultat r = f.Rejoue(t, false, &ailleurs);
            QVERIFY(!r);
            QVERIFY(!ailleurs);
            QVERIFY(r.message.contains(u"Rien n'a été modifié."_s));
        }
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), apres);
        QVERIFY(f.Rejoue(t, false));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), depart);
    }

    // A trace made without the store: the one place where two files differ.
    void entreDeuxFichiers_data() {
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QByteArray>("apres");
        QTest::newRow("vide vers texte") << QByteArray() << QByteArray("abc");
        QTest::newRow("texte vers vide") << QByteArray("abc") << QByteArray();
        QTest::newRow("milieu") << QByteArray("aXXb") << QByteArray("aYb");
        QTest::newRow("répétitions") << QByteArray("aaaa") << QByteArray("aaaaaa");
        QTest::newRow("identiques") << QByteArray("abc") << QByteArray("abc");
    }
    void entreDeuxFichiers() {
        QFETCH(QByteArray, avant);
        QFETCH(QByteArray, apres);
        const Trace_Journal t = Trace_Journal::Entre(avant, apres);
        QCOMPARE(t.Defait(apres).value_or("?"), avant);
        QCOMPARE(t.Refait(avant).value_or("?"), apres);
        QVERIFY(!t.Defait(QByteArray(apres + "!")));
    }
};

QTEST_APPLESS_MAIN(Tst_Trace_Journal)
#include "tst_trace_journal.moc"
