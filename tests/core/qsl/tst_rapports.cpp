// SWL reports: runs of a station's QSOs at the 20-minute edge and across midnight, as A and as
// B, one counterpart only; the report store following an edit, a deletion and its undo, a
// damaged row; the confirmations matched at ±15 minutes, another band, the mode groups, two
// candidates, a listener's record, a station never heard, real files; the eQSL ADIF's bytes.
#include "core/base/texte_1252.h"
#include "core/qsl/confirmations.h"
#include "core/qsl/formes_rapport.h"
#include "core/qsl/magasin_rapports.h"
#include "core/qsl/rapports.h"
#include "support/fichiers_test.h"

#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

Lignes_Log Journal(const QStringList& lignes) {
    return Lignes_Log(Octets_Lignes(lignes));
}

// "2:A" for a run of two QSOs where the station is A, "1:B*" for one QSO, incomplete.
QStringList Resume(const Lignes_Log& log, const QString& station) {
    QStringList r;
    for (const Serie& s : Series(log, Qso_De_Station(log, station))) {
        QString t = QString::number(s.qso.size()) + u':';
        for (const Qso_Station& q : s.qso) {
            t += q.comme_b ? u'B' : u'A';
        }
        r << t + (s.incomplete ? u"*"_s : QString());
    }
    return r;
}

QByteArray Adi(const QStringList& enregistrements, const QByteArray& entete = "<EOH>\r\n") {
    QByteArray o = entete;
    for (const QString& e : enregistrements) {
        o += e.toUtf8() + "<EOR>\r\n";
    }
    return o;
}

QString Champ(const QString& nom, const QString& valeur) {
    return u'<' + nom + u':' + QString::number(valeur.toUtf8().size()) + u'>' + valeur + u' ';
}

QString Confirme(const QString& call, const QString& date, const QString& heure, const QString& bande,
                 const QString& mode, const QString& recu = u"<QSL_RCVD:1>Y"_s) {
    return Champ(u"CALL"_s, call) + Champ(u"QSO_DATE"_s, date) + Champ(u"TIME_ON"_s, heure) +
           Champ(u"BAND"_s, bande) + Champ(u"MODE"_s, mode) + recu;
}

} // namespace

class Tst_Rapports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void series_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QStringList>("series");
        const QString d = u"08/12/26"_s;
        QTest::newRow("20 minutes: une série")
            << QStringList{Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, d, u"14:00"_s),
                           Ligne_QSO(u"G3XYZ"_s, u"DL1AB"_s, d, u"14:20"_s)}
            << QStringList{u"2:AA"_s};
        QTest::newRow("21 minutes: deux") << QStringList{Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, d, u"14:00"_s),
                                                         Ligne_QSO(u"G3XYZ"_s, u"DL1AB"_s, d, u"14:21"_s)}
                                          << QStringList{u"1:A*"_s, u"1:A*"_s};
        QTest::newRow("minuit UTC") << QStringList{Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, d, u"23:55"_s),
                                                   Ligne_QSO(u"DL1AB"_s, u"G3XYZ"_s, u"09/12/26"_s,
                                                             u"00:10"_s)}
                                    << QStringList{u"2:AB"_s};
        QTest::newRow("un seul correspondant")
            << QStringList{Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, d, u"14:00"_s),
                           Ligne_QSO(u"EA3AAA"_s, u"G3XYZ"_s, d, u"14:05"_s)}
            << QStringList{u"2:AB*"_s};
        QTest::newRow("autre bande, autre mode")
            << QStringList{Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, d, u"14:00"_s),
                           Ligne_QSO(u"G3XYZ"_s, u"DL1AB"_s, d, u"14:05"_s, u"7.0 Mhz"_s),
                           Ligne_QSO(u"G3XYZ"_s, u"DL1AB"_s, d, u"14:06"_s, u"7.0 Mhz"_s, u"CW"_s)}
            << QStringList{u"1:A*"_s, u"1:A*"_s, u"1:A*"_s};
    }
    void series() {
        QFETCH(QStringList, lignes);
        QFETCH(QStringList, series);
        QCOMPARE(Resume(Journal(lignes), u"g3xyz"_s), series);
    }

    // A report to a station heard as B: WKD holds station A, the report given to B.
    void rapportCommeB() {
        const Lignes_Log log = Journal(
            {Ligne_QSO(u"EA3AAA"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s, u"USB"_s, u"59"_s,
                       u"55"_s),
             Ligne_QSO(u"F5ABC"_s, u"F6DEF"_s, u"08/12/26"_s, u"14:40"_s),
             Ligne_QSO(u"G3XYZ"_s, u"DL1AB"_s, u"08/12/26"_s, u"14:45"_s, u"14 Mhz"_s, u"USB"_s, u"58"_s)});
        const QList<Serie> s = Series(log, Qso_De_Station(log, u"G3XYZ"_s));
        QCOMPARE(s.size(), 1);
        QCOMPARE(Choix_Par_Defaut(s[0]), (QList<int>{0, 2}));
        const Rapport r = Rapport_De(log, u"g3xyz"_s, s[0].qso);
        QCOMPARE(r.station, u"G3XYZ"_s);
        QCOMPARE(r.lignes.size(), 2);
        QCOMPARE(r.lignes[0].correspondant, u"EA3AAA"_s);
        QCOMPARE(r.lignes[0].rst, u"55"_s);
        QCOMPARE(r.lignes[1].correspondant, u"DL1AB"_s);
        QCOMPARE(r.lignes[1].rst, u"58"_s);
        QStringList stations;
        for (const Station_Entendue& e : Stations_Entendues(log)) {
            stations << e.indicatif + u' ' + QString::number(e.qso);
        }
        QCOMPARE(stations,
                 (QStringList{u"EA3AAA 1"_s, u"G3XYZ 2"_s, u"F5ABC 1"_s, u"F6DEF 1"_s, u"DL1AB 1"_s}));
        // The eQSL file, byte for byte.
        Station_Rapport moi{u"F1ABC"_s, {}, {}, false};
        const QByteArray adif = ADIF_eQSL({r}, moi, QDateTime(QDate(2026, 12, 8), QTime(15, 0), Qt::UTC));
        QVERIFY(adif.startsWith("Rapports SWL de F1ABC pour eQSL, ORBEL_SWL 1.0.5\r\n<ADIF_VER:5>3.1.6\r\n"));
        QVERIFY2(
            adif.endsWith(
                "<EOH>\r\n\r\n"
                "<CALL:5>G3XYZ <QSO_DATE:8>20261208 <TIME_ON:4>1432 <BAND:3>20m <MODE:3>SSB <SUBMODE:3>USB "
                "<RST_SENT:2>55 <STATION_CALLSIGN:5>F1ABC <SWL:1>Y <QSLMSG:22>SWL report: wkd EA3AAA "
                "<EOR>\r\n"
                "<CALL:5>G3XYZ <QSO_DATE:8>20261208 <TIME_ON:4>1445 <BAND:3>20m <MODE:3>SSB <SUBMODE:3>USB "
                "<RST_SENT:2>58 <STATION_CALLSIGN:5>F1ABC <SWL:1>Y <QSLMSG:21>SWL report: wkd DL1AB "
                "<EOR>\r\n"),
            adif.constData());
        moi.francais = true;
        QVERIFY(ADIF_eQSL({r}, moi, {}).contains("<QSLMSG:41>Rapport d'ecoute SWL : en QSO avec EA3AAA "));
    }

    // The store beside the log: rows by QSO and station; an edit moves them, its undo back; a
    // deletion leaves them (no line of the log); a damaged row is kept and named.
    void magasin() {
        Dossier_Test d;
        const QString qso = Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, u"08/12/26"_s, u"14:32"_s);
        const QString edite = Ligne_QSO(u"G3XYY"_s, u"EA3AAA"_s, u"08/12/26"_s, u"14:32"_s);
        const QString autre = Ligne_QSO(u"F5ABC"_s, u"F6DEF"_s, u"08/12/26"_s, u"15:00"_s);
        const QByteArray avant = Octets_Lignes({qso, autre});
        const QByteArray apres = Octets_Lignes({edite, autre});
        d.Ecrit(u"F1ABC_Rapports.txt"_s,
                "Date;Heure;Indicatif A;Indicatif B;Bande;Mode;Station;Envoye le;Voie;QSL recue le;Source\r\n"
                "08/12/26;14:32;G3XYZ;EA3AAA;14 Mhz;SSB;G3XYZ;08/12/2026;eQSL;;\r\n"
                "une ligne ab\xEEm\xE9"
                "e;;\r\n");
        Magasin_Rapports m(d.repertoire, u"F1ABC"_s);
        QVERIFY(m.Charge());
        QCOMPARE(m.Abimees(), QStringList{u"une ligne abîmée;;"_s});
        const QString cle = Magasin_Rapports::Cle(Encode_1252(qso), u"G3XYZ"_s);
        QCOMPARE(cle, u"08/12/26|14:32|G3XYZ|EA3AAA|14 Mhz|SSB|G3XYZ"_s);
        QVERIFY(m.Etat(cle));
        QCOMPARE(m.Etat(cle)->voie, u"eQSL"_s);
        QVERIFY(m.Marque_Recu({cle}, QDate(2027, 2, 2), u"eQSL"_s));
        // Edited, then taken back.
        QVERIFY(m.Suit(Difference_Lignes(avant, apres)));
        const QString cle_editee = Magasin_Rapports::Cle(Encode_1252(edite), u"G3XYY"_s);
        QVERIFY(!m.Etat(cle));
        QVERIFY(m.Etat(cle_editee));
        QCOMPARE(
            d.Lit(u"F1ABC_Rapports.txt"_s),
            QByteArray(
                "Date;Heure;Indicatif A;Indicatif B;Bande;Mode;Station;Envoye le;Voie;QSL recue le;Source\r\n"
                "08/12/26;14:32;G3XYY;EA3AAA;14 Mhz;SSB;G3XYY;08/12/2026;eQSL;02/02/2027;eQSL\r\n"
                "une ligne ab\xEEm\xE9"
                "e;;\r\n"));
        QVERIFY(m.Suit(Difference_Lignes(apres, avant)));
        QVERIFY(m.Etat(cle));
        // Deleted: kept, with no line of the log; the QSL counts while the QSO is ticked.
        const Lignes_Log sans(Octets_Lignes({autre}));
        QVERIFY(m.Lignes_Du_Journal(sans).isEmpty());
        const Lignes_Log log(avant);
        QCOMPARE(m.Lignes_Du_Journal(log).value(cle, -1), 0);
        QCOMPARE(Avancements(m, log, m.Lignes_Du_Journal(log)).value(u"G3XYZ"_s).Texte(),
                 u"envoyé le 08/12/2026 (eQSL)"_s);
        QString confirme = qso;
        confirme[113] = u'*';
        const Lignes_Log log_confirme(Octets_Lignes({confirme, autre}));
        QCOMPARE(Avancements(m, log_confirme, m.Lignes_Du_Journal(log_confirme)).value(u"G3XYZ"_s).Texte(),
                 u"QSL reçue le 02/02/2027"_s);
        // Read again: the same rows, the damaged one still there.
        Magasin_Rapports relu(d.repertoire, u"F1ABC"_s);
        QVERIFY(relu.Charge());
        QCOMPARE(relu.Rangees().size(), 1);
        QCOMPARE(relu.Abimees().size(), 1);
    }

    void rapprochement_data() {
        QTest::addColumn<QString>("enregistrement");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("15 minutes avant")
            << Confirme(u"G3XYZ"_s, u"20261208"_s, u"1417"_s, u"20m"_s, u"SSB"_s) << u"0"_s;
        QTest::newRow("16 minutes après")
            << Confirme(u"G3XYZ"_s, u"20261208"_s, u"1448"_s, u"20m"_s, u"SSB"_s)
            << u"aucun QSO à 15\u00A0minutes de 14:48 (le plus proche à 14:32)"_s;
        QTest::newRow("station B, phonie en USB")
            << Confirme(u"EA3AAA"_s, u"20261208"_s, u"1432"_s, u"20m"_s, u"USB"_s) << u"0"_s;
        QTest::newRow("autre bande") << Confirme(u"G3XYZ"_s, u"20261208"_s, u"1432"_s, u"40m"_s, u"SSB"_s)
                                     << u"autre bande (QSO sur 14 Mhz, confirmation sur 7.0 Mhz)"_s;
        QTest::newRow("autre mode") << Confirme(u"G3XYZ"_s, u"20261208"_s, u"1432"_s, u"20m"_s, u"CW"_s)
                                    << u"autre mode (QSO en SSB, confirmation en CW)"_s;
        QTest::newRow("autre jour") << Confirme(u"G3XYZ"_s, u"20261209"_s, u"1432"_s, u"20m"_s, u"SSB"_s)
                                    << u"aucun QSO de cette station le 09/12/2026"_s;
        QTest::newRow("jamais entendue") << Confirme(u"K1ABC"_s, u"20261208"_s, u"1432"_s, u"20m"_s, u"SSB"_s)
                                         << u"aucun QSO de cette station"_s;
        QTest::newRow("deux candidats, le plus proche")
            << Confirme(u"DL1AB"_s, u"20261208"_s, u"1455"_s, u"20m"_s, u"SSB"_s) << u"3 (pas 2)"_s;
        QTest::newRow("écouteur") << Confirme(u"G3XYZ"_s, u"20261208"_s, u"1432"_s, u"20m"_s, u"SSB"_s,
                                              u"<EQSL_QSL_RCVD:1>Y <APP_EQSL_SWL:1>Y"_s)
                                  << u"écarté"_s;
        QTest::newRow("sans QSL reçue")
            << Confirme(u"G3XYZ"_s, u"20261208"_s, u"1432"_s, u"20m"_s, u"SSB"_s, QString()) << u"écarté"_s;
    }
    void rapprochement() {
        QFETCH(QString, enregistrement);
        QFETCH(QString, resultat);
        const Lignes_Log log = Journal({Ligne_QSO(u"G3XYZ"_s, u"EA3AAA"_s, u"08/12/26"_s, u"14:32"_s),
                                        Ligne_QSO(u"F5ABC"_s, u"F6DEF"_s, u"08/12/26"_s, u"14:40"_s),
                                        Ligne_QSO(u"DL1AB"_s, u"F6DEF"_s, u"08/12/26"_s, u"14:45"_s),
                                        Ligne_QSO(u"DL1AB"_s, u"G4AAA"_s, u"08/12/26"_s, u"14:52"_s)});
        const Lecture_Confirmations l = Lit_Confirmations(Adi({enregistrement}), false, QDate(2026, 12, 20));
        if (resultat == u"écarté"_s) {
            QCOMPARE(l.confirmations.size(), 0);
            QCOMPARE(l.ecartes.size(), 1);
            return;
        }
        QCOMPARE(l.erreur, QString());
        const Rapprochement r = Rapproche(log, l.confirmations);
        QString lu;
        if (!r.lignes.isEmpty()) {
            lu = QString::number(r.lignes[0]);
            if (!r.doubles.isEmpty()) {
                lu += u" (pas "_s + QString::number(r.doubles[0].autre) + u')';
            }
            QCOMPARE(r.par_ligne.value(r.lignes[0]).recue, QDate(2026, 12, 20));
        } else {
            lu = r.sans_qso.value(0).raison;
        }
        QCOMPARE(lu, resultat);
    }

    // Files as they come: an eQSL inbox (free text before its header, EQSL_QSLRDATE), a LoTW
    // report ending in <APP_LoTW_EOF>, comments after values, an empty file, a file of 1 MB.
    void fichiersReels_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<int>("confirmations");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("boîte eQSL")
            << Adi({Confirme(u"G3XYZ"_s, u"20261208"_s, u"1432"_s, u"20M"_s, u"SSB"_s,
                             u"<EQSL_QSLRDATE:8>20270202"_s)},
                   "Received eQSLs for F1ABC\r\nfor QSOs between 01-Jan-1900 and 31-Dec-2099\r\n"
                   "Generated on Tuesday, February 2, 2027 at 10:00 AM GMT\r\n<PROGRAMID:4>eQSL "
                   "<ADIF_Ver:1>3 <EOH>\r\n")
            << 1 << u"eQSL 02/02/2027"_s << QString();
        QTest::newRow("LoTW")
            << Adi({Confirme(
                       u"G3XYZ"_s, u"20261208"_s, u"143200"_s, u"20M"_s, u"SSB"_s,
                       u"<QSL_RCVD:1>Y\r\n<LOTW_QSL_RCVD:1>Y // QSL received\r\n<LOTW_QSLRDATE:10>2027-01-05"_s)},
                   "ARRL Logbook of the World Status Report\r\n<PROGRAMID:4>LoTW\r\n<eoh>\r\n") +
                   "<APP_LoTW_EOF>\r\n"
            << 1 << u"LoTW 20/12/2026"_s << QString();
        QTest::newRow("vide") << QByteArray() << 0 << QString()
                              << u"Aucun enregistrement ADIF dans ce fichier."_s;
        QStringList beaucoup;
        for (int i = 0; i < 5000; ++i) {
            beaucoup << Confirme(u"K"_s + QString::number(i) + u"AB"_s, u"20261208"_s, u"1432"_s, u"20m"_s,
                                 u"SSB"_s) +
                            Champ(u"COMMENT"_s, QString(100, u'c'));
        }
        QTest::newRow("un mégaoctet") << Adi(beaucoup) << 5000 << u"QSL 20/12/2026"_s << QString();
    }
    void fichiersReels() {
        QFETCH(QByteArray, fichier);
        QFETCH(int, confirmations);
        QFETCH(QString, source);
        QFETCH(QString, erreur);
        const Lecture_Confirmations l = Lit_Confirmations(fichier, false, QDate(2026, 12, 20));
        QCOMPARE(l.erreur, erreur);
        QCOMPARE(l.confirmations.size(), confirmations);
        QCOMPARE(l.ecartes.size(), 0);
        if (confirmations > 0) {
            QCOMPARE(l.confirmations[0].source + u' ' + l.confirmations[0].recue.toString(u"dd/MM/yyyy"_s),
                     source);
        }
    }
};

QTEST_APPLESS_MAIN(Tst_Rapports)
#include "tst_rapports.moc"
