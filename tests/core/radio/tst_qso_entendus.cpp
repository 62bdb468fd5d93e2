// Decodes turned into heard QSOs over minute-by-minute sequences as a band gives them, and
// the heard QSOs written to the log without the ones it holds already.
#include "core/base/texte_1252.h"
#include "core/log/doublons.h"
#include "core/log/fichier_log.h"
#include "core/radio/qso_entendus.h"
#include "support/fichiers_test.h"
#include "support/wsjtx_factice.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using swl::Assemblage_QSO;
using swl::QSO_Entendu;

namespace {

// Plays a sequence of events, one a line:
//   "S 14074000 FT8 [client]"      a status of WSJT-X (or of `client`)
//   "N 2026-12-08T00:00:20"        the clock from now on (else each decode's time + 2 s)
//   "[client] HH:MM:SS snr text"   a decode of WSJT-X (or `client`), FT8
// a time written "+HH:MM:SS" is an FT4 decode, "#HH:MM:SS" one of another mode, "!HH:MM:SS" a
// low-confidence decode, "&HH:MM:SS" a replay.
void Joue(Assemblage_QSO& a, const QStringList& evenements) {
    const QDate jour(2026, 12, 7);
    QDateTime horloge;
    for (const QString& e : evenements) {
        QStringList mots = e.split(u' ');
        if (mots[0] == u"S") {
            const QByteArray client = mots.size() > 3 ? mots[3].toUtf8() : QByteArray("WSJT-X");
            a.Recoit(
                *swl::Lit_Datagramme_WSJTX(swl_test::Etat(mots[1].toULongLong(), mots[2].toUtf8(), client)),
                {});
            continue;
        }
        if (mots[0] == u"N") {
            horloge = QDateTime::fromString(mots[1], Qt::ISODate);
            horloge.setTimeSpec(Qt::UTC);
            continue;
        }
        QByteArray client = "WSJT-X";
        if (mots[0].startsWith(u'[')) {
            client = mots.takeFirst().mid(1).chopped(1).toUtf8();
        }
        QString heure = mots.takeFirst();
        QByteArray marque = "~";
        bool faible = false;
        bool rejoue = false;
        if (heure[0] == u'+' || heure[0] == u'#' || heure[0] == u'!' || heure[0] == u'&') {
            marque = heure[0] == u'+' ? "+" : heure[0] == u'#' ? "#" : "~";
            faible = heure[0] == u'!';
            rejoue = heure[0] == u'&';
            heure.remove(0, 1);
        }
        const QTime t = QTime::fromString(heure, u"HH:mm:ss"_s);
        const int snr = mots.takeFirst().toInt();
        const QByteArray texte = mots.join(u' ').toUtf8();
        const auto m =
            swl::Lit_Datagramme_WSJTX(swl_test::Decode(t, snr, texte, marque, client, faible, rejoue));
        a.Recoit(*m, horloge.isValid() ? horloge : QDateTime(jour, t, Qt::UTC).addSecs(2));
    }
}

// "07/12/26 12:00 F5ABC -08 DL1XYZ -15 14 Mhz FT8 complet", one a heard QSO in its order.
QStringList Resume(const Assemblage_QSO& a) {
    QStringList r;
    for (quint64 n = a.Premier(); n < a.Fin(); ++n) {
        const swl::Fiche_QSO f = swl::Fiche_De_QSO_Entendu(a.QSO(n));
        r << f.Date + u' ' + f.Heure + u' ' + f.Indicatif_A + u' ' + f.RST_A + u' ' + f.Indicatif_B + u' ' +
                 f.RST_B + u' ' + (f.Bande.isEmpty() ? u"?"_s : f.Bande) + u' ' + f.Mode + u' ' +
                 (a.QSO(n).Complet() ? u"complet"_s : u"partiel"_s);
    }
    return r;
}

const QStringList Qso_Complet = {u"12:00:00 -10 CQ F5ABC JN18"_s,     u"12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                                 u"12:00:30 -08 DL1XYZ F5ABC -15"_s,  u"12:00:45 -17 F5ABC DL1XYZ R-08"_s,
                                 u"12:01:00 -11 DL1XYZ F5ABC RR73"_s, u"12:01:15 -16 F5ABC DL1XYZ 73"_s};

} // namespace

class Tst_QSO_Entendus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sequences_data() {
        QTest::addColumn<QStringList>("evenements");
        QTest::addColumn<QStringList>("attendu");
        const QString s20 = u"S 14074000 FT8"_s;

        QTest::newRow("QSO complet") << (QStringList{s20} + Qso_Complet)
                                     << QStringList{
                                            u"07/12/26 12:00 F5ABC -08 DL1XYZ -15 14 Mhz FT8 complet"_s};
        QTest::newRow("entendu d'un seul côté")
            << QStringList{s20, u"12:00:00 -10 CQ F5ABC JN18"_s, u"12:00:30 -08 DL1XYZ F5ABC -15"_s,
                           u"12:01:00 -11 DL1XYZ F5ABC RR73"_s}
            << QStringList{};
        QTest::newRow("QSO interrompu")
            << QStringList{s20, u"12:00:15 -15 F5ABC DL1XYZ JO62"_s, u"12:00:30 -08 DL1XYZ F5ABC -15"_s,
                           u"12:00:45 -20 F5ABC DL1XYZ JO62"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 14 Mhz FT8 partiel"_s};
        QTest::newRow("sans clôture")
            << QStringList{s20, u"12:00:15 -15 F5ABC DL1XYZ -03"_s, u"12:00:30 -08 DL1XYZ F5ABC -15"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 14 Mhz FT8 partiel"_s};
        QTest::newRow("deux QSO à la fois")
            << QStringList{s20,
                           u"12:00:00 -10 CQ F5ABC JN18"_s,
                           u"12:00:00 +03 CQ EA3XYZ JN11"_s,
                           u"12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                           u"12:00:15 -21 EA3XYZ G4ABC IO91"_s,
                           u"12:00:30 -08 DL1XYZ F5ABC -15"_s,
                           u"12:00:30 +01 G4ABC EA3XYZ -21"_s,
                           u"12:00:45 -17 F5ABC DL1XYZ R-08"_s,
                           u"12:00:45 -19 EA3XYZ G4ABC R+01"_s,
                           u"12:01:00 -11 DL1XYZ F5ABC RR73"_s,
                           u"12:01:00 +04 G4ABC EA3XYZ RRR"_s}
            << QStringList{u"07/12/26 12:00 F5ABC -08 DL1XYZ -15 14 Mhz FT8 complet"_s,
                           u"07/12/26 12:00 EA3XYZ +04 G4ABC -19 14 Mhz FT8 complet"_s};
        QTest::newRow("CQ auquel deux stations répondent")
            << QStringList{s20,
                           u"12:00:00 -10 CQ F5ABC JN18"_s,
                           u"12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                           u"12:00:15 -02 F5ABC G4ABC IO91"_s,
                           u"12:00:30 -08 DL1XYZ F5ABC -15"_s,
                           u"12:00:45 -02 F5ABC G4ABC IO91"_s,
                           u"12:00:45 -17 F5ABC DL1XYZ R-08"_s,
                           u"12:01:00 -11 DL1XYZ F5ABC RR73"_s}
            << QStringList{u"07/12/26 12:00 F5ABC -08 DL1XYZ -15 14 Mhz FT8 complet"_s};
        QTest::newRow("changement de bande")
            << QStringList{s20,
                           u"12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                           u"12:00:30 -08 DL1XYZ F5ABC -15"_s,
                           u"S 7074000 FT8"_s,
                           u"12:00:45 -17 F5ABC DL1XYZ R-08"_s,
                           u"12:01:00 -11 DL1XYZ F5ABC RR73"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 14 Mhz FT8 partiel"_s,
                           u"07/12/26 12:00 DL1XYZ -17 F5ABC -11 7.0 Mhz FT8 partiel"_s};
        QTest::newRow("messages à 4 minutes")
            << QStringList{s20, u"12:00:00 -15 F5ABC DL1XYZ JO62"_s, u"12:04:00 -08 DL1XYZ F5ABC -15"_s,
                           u"12:04:15 -12 F5ABC DL1XYZ R-08"_s, u"12:04:30 -09 DL1XYZ F5ABC RR73"_s}
            << QStringList{u"07/12/26 12:04 F5ABC -08 DL1XYZ -12 14 Mhz FT8 complet"_s};
        QTest::newRow("à 3 minutes : le même QSO")
            << QStringList{s20, u"12:00:00 -15 F5ABC DL1XYZ JO62"_s, u"12:03:00 -08 DL1XYZ F5ABC -15"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 14 Mhz FT8 partiel"_s};
        QTest::newRow("même paire, deux bandes de deux programmes")
            << QStringList{s20,
                           u"S 7074000 FT8 JTDX"_s,
                           u"12:00:15 -15 F5ABC DL1XYZ -01"_s,
                           u"[JTDX] 12:00:15 -03 F5ABC DL1XYZ JO62"_s,
                           u"12:00:30 -08 DL1XYZ F5ABC R-15"_s,
                           u"[JTDX] 12:00:30 -04 DL1XYZ F5ABC -02"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 14 Mhz FT8 complet"_s,
                           u"07/12/26 12:00 DL1XYZ -03 F5ABC -04 7.0 Mhz FT8 partiel"_s};
        QTest::newRow("indicatifs hachés")
            << QStringList{s20,
                           u"12:00:00 -10 CQ PJ4/K1ABC"_s,
                           u"12:00:15 -12 <PJ4/K1ABC> F5ABC JN18"_s,
                           u"12:00:30 -06 F5ABC <...> -12"_s,
                           u"12:00:45 -13 <PJ4/K1ABC> F5ABC R-06"_s,
                           u"12:01:00 -05 F5ABC <...> RR73"_s,
                           u"12:01:00 -05 G4ABC <...> RR73"_s}
            << QStringList{u"07/12/26 12:00 PJ4/K1ABC -05 F5ABC -12 14 Mhz FT8 complet"_s};
        QTest::newRow("le plus fort décodage")
            << QStringList{s20, u"12:00:15 -15 F5ABC DL1XYZ -01"_s, u"12:00:30 -20 DL1XYZ F5ABC R-15"_s,
                           u"12:00:45 +02 F5ABC DL1XYZ RR73"_s, u"12:01:00 -24 DL1XYZ F5ABC 73"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ +02 F5ABC -20 14 Mhz FT8 complet"_s};
        QTest::newRow("FT4, et un autre mode")
            << QStringList{u"S 14080000 FT4"_s,
                           u"+12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                           u"+12:00:22 -08 DL1XYZ F5ABC -15"_s,
                           u"S 7076000 JT65"_s,
                           u"#12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                           u"#12:01:15 -08 DL1XYZ F5ABC -15"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 14 Mhz FT4 partiel"_s,
                           u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 7.0 Mhz DIG partiel"_s};
        QTest::newRow("douteux et rejoués ignorés")
            << QStringList{s20, u"12:00:15 -15 F5ABC DL1XYZ JO62"_s, u"!12:00:30 -08 DL1XYZ F5ABC -15"_s,
                           u"&12:00:30 -08 DL1XYZ F5ABC -15"_s}
            << QStringList{};
        QTest::newRow("minuit") << QStringList{s20, u"N 2026-12-08T00:00:20"_s,
                                               u"23:59:45 -15 F5ABC DL1XYZ JO62"_s,
                                               u"00:00:00 -08 DL1XYZ F5ABC -15"_s}
                                << QStringList{u"07/12/26 23:59 DL1XYZ -15 F5ABC -08 14 Mhz FT8 partiel"_s};
        QTest::newRow("sans état : bande inconnue")
            << QStringList{u"12:00:15 -15 F5ABC DL1XYZ JO62"_s, u"12:00:30 -08 DL1XYZ F5ABC -15"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 ? FT8 partiel"_s};
        QTest::newRow("hors des bandes du journal")
            << QStringList{u"S 5357000 FT8"_s, u"12:00:15 -15 F5ABC DL1XYZ JO62"_s,
                           u"12:00:30 -08 DL1XYZ F5ABC -15"_s}
            << QStringList{u"07/12/26 12:00 DL1XYZ -15 F5ABC -08 ? FT8 partiel"_s};
    }
    void sequences() {
        QFETCH(QStringList, evenements);
        QFETCH(QStringList, attendu);
        Assemblage_QSO a;
        Joue(a, evenements);
        QCOMPARE(Resume(a), attendu);
    }

    void mis_de_cote() {
        Assemblage_QSO a;
        Joue(a, {u"S 14074000 FT8"_s, u"12:00:00 -05 G4ABC <...> RR73"_s, u"12:00:15 -05 <...> <...> RR73"_s,
                 u"12:00:30 -05 G4ABC F5ABC RR73"_s});
        QCOMPARE(a.Mis_De_Cote(), 2);
        QCOMPARE(a.Decodes_Lus(), 3);
    }

    // The list tells what changed: the heard QSOs, each once, in order.
    void changes() {
        Assemblage_QSO a;
        Joue(a, QStringList{u"S 14074000 FT8"_s} + Qso_Complet.mid(0, 3));
        QCOMPARE(a.Prend_Changes(), (QList<quint64>{0}));
        QCOMPARE(a.Prend_Changes(), QList<quint64>{});
        Joue(a, Qso_Complet.mid(3));
        QCOMPARE(a.Prend_Changes(), (QList<quint64>{0}));
        QVERIFY(a.QSO(0).Complet());
    }

    // Thousands of program ids in large datagrams keep a few programs, each id and mode cut
    // short; the program really heard keeps its status and its QSOs their band.
    void programmesBornes() {
        Assemblage_QSO a;
        const QDateTime t0(QDate(2026, 12, 7), QTime(11, 59), Qt::UTC);
        const auto recoit = [&](const QByteArray& datagramme, const QDateTime& t) {
            a.Recoit(*swl::Lit_Datagramme_WSJTX(datagramme), t);
        };
        recoit(swl_test::Etat(14'074'000, "FT8"), t0);
        for (int i = 0; i < 2000; ++i) {
            recoit(swl_test::Etat(7'074'000, QByteArray(30000, 'M'),
                                  QByteArray::number(i) + QByteArray(30000, 'x')),
                   t0.addMSecs(i));
            recoit(swl_test::Battement(), t0.addMSecs(i)); // WSJT-X goes on saying it is there
        }
        QCOMPARE(a.Programmes_Connus(), Assemblage_QSO::Programmes_Maximum);
        const auto etat = a.Etat(u"1"_s + QString(30000, u'x'));
        QCOMPARE(etat.first, quint64{7'074'000});
        QCOMPARE(etat.second, QString(16, u'M'));
        QCOMPARE(a.Etat(u"1999"_s + QString(30000, u'x')).first, quint64{0}); // not kept: none silent
        QCOMPARE(a.Etat(u"WSJT-X"_s), (QPair<quint64, QString>{14'074'000, u"FT8"_s}));
        Joue(a, Qso_Complet);
        QCOMPARE(Resume(a), QStringList{u"07/12/26 12:00 F5ABC -08 DL1XYZ -15 14 Mhz FT8 complet"_s});

        // A minute later JTDX comes in the place of an id no longer heard; "Close" forgets.
        recoit(swl_test::Etat(7'074'000, "FT8", "JTDX"), t0.addSecs(125));
        QCOMPARE(a.Etat(u"JTDX"_s).first, quint64{7'074'000});
        recoit(swl_test::Simple(6, "JTDX"), t0.addSecs(126));
        QCOMPARE(a.Etat(u"JTDX"_s).first, quint64{0});
        // Ten minutes of silence forget the flood's ids.
        recoit(swl_test::Etat(7'074'000, "FT8", "JTDX"), t0.addSecs(20 * 60));
        QCOMPARE(a.Programmes_Connus(), 1);
    }

    // At most 20,000 QSOs, none older than 24 hours.
    void limites() {
        Assemblage_QSO a;
        Joue(a, {u"S 14074000 FT8"_s});
        const QDateTime debut(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC);
        const auto qso = [&](int i, const QDateTime& t) {
            const QString x =
                u"F"_s + QString::number(i % 10) + u"A"_s + QString::number(i / 10, 36).toUpper();
            a.Recoit(
                *swl::Lit_Datagramme_WSJTX(swl_test::Decode(t.time(), -1, "DL1XYZ " + x.toUtf8() + " -01")),
                t);
            a.Recoit(*swl::Lit_Datagramme_WSJTX(swl_test::Decode(t.time(), -1, x.toUtf8() + " DL1XYZ R-01")),
                     t);
        };
        for (int i = 0; i < 20005; ++i) {
            qso(i, debut.addSecs(i));
        }
        QCOMPARE(a.Premier(), quint64{5});
        QCOMPARE(a.Fin(), quint64{20005});
        qso(30000, debut.addSecs(20004 + 24 * 3600 - 100));
        QCOMPARE(a.Premier(), quint64{20005 - 101});
        QCOMPARE(a.Prend_Changes().size(), 102);
    }

    // The log entry of a heard QSO, and the batch of them written to the log in one merge,
    // each at its place, the QSO the log holds already left out.
    void enregistrement() {
        Assemblage_QSO a;
        Joue(a, QStringList{u"S 14074000 FT8"_s} + Qso_Complet +
                    QStringList{u"12:10:00 -03 F1AAA 9A1A -10"_s, u"12:10:15 -04 9A1A F1AAA R-03"_s,
                                u"12:10:30 -05 F1AAA 9A1A RR73"_s});
        QCOMPARE(a.Fin(), quint64{2});
        swl::test::Dossier_Test d;
        const swl::Fichier_Log log(d.repertoire, u"F1ABC"_s);
        QVERIFY(log.Cree_Log());
        const QString avant = swl::test::Ligne_Test(u"F6AAA"_s, u"07/12/26"_s, u"11:00"_s);
        const QString apres = swl::test::Ligne_Test(u"F6BBB"_s, u"07/12/26"_s, u"13:00"_s);
        const QString entendue = swl::Forme_Ligne_Log(swl::Fiche_De_QSO_Entendu(a.QSO(0)));
        d.Ecrit(swl::Fichier_Log::Nom_Log(u"F1ABC"_s), swl::test::Octets_Log({avant, entendue, apres}));

        QList<QByteArray> lignes;
        for (quint64 n = a.Premier(); n < a.Fin(); ++n) {
            lignes << swl::Encode_1252(swl::Forme_Ligne_Log(swl::Fiche_De_QSO_Entendu(a.QSO(n))));
        }
        const swl::Bilan_Ajout b = swl::Ajoute_Sans_Doublon(log, lignes);
        QVERIFY(b.ecriture);
        QCOMPARE(b.ajoutes, 1);
        QCOMPARE(b.deja_la, 1);
        const QString nouvelle =
            u"9A1A         F1AAA                             07/12/26 12:10 FT8 14 Mhz  -03 -04"_s +
            QString(114 - 81, u' ');
        QCOMPARE(entendue,
                 u"F5ABC        DL1XYZ                            07/12/26 12:00 FT8 14 Mhz  -08 -15"_s +
                     QString(114 - 81, u' '));
        QCOMPARE(d.Lit(swl::Fichier_Log::Nom_Log(u"F1ABC"_s)),
                 swl::test::Octets_Log({avant, entendue, nouvelle, apres}));
        // Nothing new: the log is not rewritten.
        const swl::Bilan_Ajout encore = swl::Ajoute_Sans_Doublon(log, lignes);
        QCOMPARE(encore.ajoutes, 0);
        QCOMPARE(encore.deja_la, 2);
        QVERIFY(encore.trace.Vide());
        // A merge refused: the reason follows the colon as part of one sentence.
        swl::Bilan_Ajout refus;
        refus.ecriture = swl::Resultat::Echec(u"Le journal contiendrait plus que les 99\u00A0999 QSO."_s);
        QCOMPARE(
            swl::Texte_Bilan_QSO_Entendus(refus, 0),
            u"Aucun QSO n'a été enregistré\u00A0: le journal contiendrait plus que les 99\u00A0999 QSO."_s);
    }
};

QTEST_APPLESS_MAIN(Tst_QSO_Entendus)
#include "tst_qso_entendus.moc"
