// What a station would bring the listener: each kind of mark for a log holding its department
// or country elsewhere, the index after each kind of change of the log, and the mode of a spot
// from its comment and from the band plan at the segments' edges.
#include "core/log/fiche_qso.h"
#include "core/radio/plan_bandes.h"
#include "core/reports/index_journal.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace swl;

namespace {

const QByteArray Fichier = "France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F,TM;\n"
                           "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DL;\n"
                           "Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n    JA;\n";

QString Ligne(const QString& a, const QString& dpt, const QString& bande, const QString& mode, bool qsl,
              const QString& date = u"01/06/08"_s) {
    Fiche_QSO f;
    f.Indicatif_A = a;
    f.Dpt_A = dpt;
    f.Indicatif_B = u"F5ZZZ"_s;
    f.Date = date;
    f.Heure = u"10:00"_s;
    f.Mode = mode;
    f.Bande = bande;
    f.QSL = qsl;
    return Forme_Ligne_Log(f);
}

Lignes_Log Journal(const QStringList& lignes) {
    QByteArray o;
    for (const QString& l : lignes) {
        o += l.toLatin1() + "\r\n";
    }
    return Lignes_Log(o);
}

const QStringList Base = {
    Ligne(u"F5AAA"_s, u"29"_s, u"14 Mhz"_s, u"SSB"_s, true),
    Ligne(u"F6BBB"_s, u"13"_s, u"14 Mhz"_s, u"SSB"_s, false),
    Ligne(u"DL1AA"_s, {}, u"14 Mhz"_s, u"CW"_s, true),
    Ligne(u"F8OLD"_s, u"44"_s, u"7.0 Mhz"_s, u"SSB"_s, true, u"01/06/50"_s), // 1950: counts for nothing
};

int Bande(const QString& b) {
    return static_cast<int>(Liste_Bandes().indexOf(b));
}

} // namespace

class Tst_Index_Journal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marques_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<int>("groupe");
        QTest::addColumn<QString>("marque");
        const int cw = int(Groupe_Mode::CW);
        const int phonie = int(Groupe_Mode::Phonie);
        QTest::newRow("département du répertoire, jamais entendu")
            << u"F4DIR"_s << u"14 Mhz"_s << phonie << u"nouveau département (35)"_s;
        QTest::newRow("département du journal, entendu en 1950 seulement")
            << u"F8OLD"_s << u"14 Mhz"_s << phonie << u"nouveau département (44)"_s;
        QTest::newRow("pays jamais entendu") << u"JA1XX"_s << u"14 Mhz"_s << phonie << u"nouveau pays"_s;
        QTest::newRow("département sur une autre bande")
            << u"F5AAA"_s << u"7.0 Mhz"_s << phonie << u"nouveau département sur 7.0 Mhz"_s;
        QTest::newRow("pays sur une autre bande")
            << u"DL9ZZ"_s << u"21 Mhz"_s << cw << u"nouveau pays sur 21 Mhz"_s;
        QTest::newRow("département sur un autre mode")
            << u"f5aaa"_s << u"14 Mhz"_s << cw << u"nouveau sur ce mode"_s;
        QTest::newRow("entendu, pas confirmé")
            << u"F6BBB"_s << u"14 Mhz"_s << phonie << u"entendu, pas confirmé"_s;
        QTest::newRow("confirmé") << u"F5AAA"_s << u"14 Mhz"_s << phonie << QString();
        QTest::newRow("pays confirmé") << u"DL2QQ"_s << u"14 Mhz"_s << cw << QString();
        QTest::newRow("indicatif inconnu") << u"ZZ9ZZ"_s << u"14 Mhz"_s << phonie << QString();
        QTest::newRow("sans bande") << u"JA1XX"_s << QString() << phonie << QString();
        QTest::newRow("27 MHz") << u"JA1XX"_s << u"27 Mhz"_s << phonie << QString();
        // A French callsign of no known department gets its country's marks.
        QTest::newRow("français sans département")
            << u"F6NEW"_s << u"21 Mhz"_s << phonie << u"nouveau pays sur 21 Mhz"_s;
        // A spot off the band plan (7 250 kHz) has no mode group: never a counter of another band.
        QTest::newRow("hors du plan, bande entendue") << u"F5AAA"_s << u"14 Mhz"_s << -1 << u"mode inconnu"_s;
        QTest::newRow("hors du plan, autre bande")
            << u"F5AAA"_s << u"7.0 Mhz"_s << -1 << u"nouveau département sur 7.0 Mhz"_s;
        QTest::newRow("hors du plan, 1.8 Mhz")
            << u"DL2QQ"_s << u"1.8 Mhz"_s << -1 << u"nouveau pays sur 1.8 Mhz"_s;
        QTest::newRow("groupe trop grand") << u"DL2QQ"_s << u"14 Mhz"_s << 3 << u"mode inconnu"_s;
    }
    void marques() {
        QFETCH(QString, indicatif);
        QFETCH(QString, bande);
        QFETCH(int, groupe);
        QFETCH(QString, marque);
        const auto fichier = Fichier_Pays::Lit(Fichier);
        Index_Journal index;
        index.Fixe_Pays(&*fichier);
        index.Fixe_Annuaire("F4DIR        35 JEAN\r\nF5AAA        12 PAUL\r\n");
        index.Suit(Journal(Base));
        QCOMPARE(Texte_Nouveaute(index.Marque(indicatif, Bande(bande), groupe)), marque);
    }

    // A QSO added reads one line; a deletion makes a department new again; an import taken
    // back too; another log is read whole.
    void suitLeJournal() {
        Index_Journal index;
        index.Fixe_Annuaire("F4TRE        13 JO\r\nF4SAV        74 LEA\r\n");
        index.Suit(Journal(Base));
        const int phonie = int(Groupe_Mode::Phonie);
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F5NEW"_s, Bande(u"7.0 Mhz"_s), phonie)), QString());
        const qint64 avant = index.Lignes_Lues();
        QStringList plus = Base;
        plus << Ligne(u"F5NEW"_s, u"56"_s, u"7.0 Mhz"_s, u"SSB"_s, false);
        index.Suit(Journal(plus));
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F5NEW"_s, Bande(u"7.0 Mhz"_s), phonie)),
                 u"entendu, pas confirmé"_s);
        QCOMPARE(index.Lignes_Lues(), avant + 1);
        // The QSO of department 13 deleted: 13 is new again.
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F4TRE"_s, Bande(u"14 Mhz"_s), phonie)),
                 u"entendu, pas confirmé"_s);
        QStringList moins = plus;
        moins.removeAt(1);
        index.Suit(Journal(moins));
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F4TRE"_s, Bande(u"14 Mhz"_s), phonie)),
                 u"nouveau département (13)"_s);
        QCOMPARE(index.Lignes_Lues(), avant + 2);
        // An import in the middle of the log, then taken back.
        QStringList importe = moins;
        importe.insert(1, Ligne(u"F1IMP"_s, u"74"_s, u"21 Mhz"_s, u"CW"_s, true));
        importe.insert(2, Ligne(u"F1IMQ"_s, u"13"_s, u"14 Mhz"_s, u"SSB"_s, true));
        index.Suit(Journal(importe));
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F4TRE"_s, Bande(u"14 Mhz"_s), phonie)), QString());
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F4SAV"_s, Bande(u"21 Mhz"_s), int(Groupe_Mode::CW))),
                 QString());
        index.Suit(Journal(moins));
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F4SAV"_s, Bande(u"21 Mhz"_s), int(Groupe_Mode::CW))),
                 u"nouveau département (74)"_s);
        // An edit: the same line with the QSL ticked.
        QStringList confirme = moins;
        confirme.last() = Ligne(u"F5NEW"_s, u"56"_s, u"7.0 Mhz"_s, u"SSB"_s, true);
        index.Suit(Journal(confirme));
        QCOMPARE(Texte_Nouveaute(index.Marque(u"F5NEW"_s, Bande(u"7.0 Mhz"_s), phonie)), QString());
    }

    // Whatever the changes, the index that followed them answers as one built from the final
    // log: the latest department of a callsign, every mark of every band and mode group.
    void suiviEgalReconstruit_data() {
        QTest::addColumn<quint32>("graine");
        for (quint32 g : {1u, 7u, 42u, 2024u, 31337u, 99991u}) {
            QTest::newRow(qPrintable(u"graine %1"_s.arg(g))) << g;
        }
    }
    void suiviEgalReconstruit() {
        QFETCH(quint32, graine);
        QRandomGenerator hasard(graine);
        const auto fichier = Fichier_Pays::Lit(Fichier);
        const QStringList indicatifs = {u"F5ABC"_s, u"F6XYZ"_s, u"DL1AA"_s,
                                        u"JA1QQ"_s, u"F4DIR"_s, u"TM5Z"_s};
        const QStringList departements = {u"29"_s, u"35"_s, u"95"_s, u"13"_s, u"2a"_s, QString()};
        const QStringList dates = {u"01/06/21"_s, u"01/06/22"_s, u"15/03/22"_s, u"01/06/22"_s, u"02/01/98"_s};
        const QStringList bandes = {u"7.0 Mhz"_s, u"14 Mhz"_s, u"10 Mhz"_s, u"27 Mhz"_s, u"144 Mhz"_s};
        const QStringList modes = Liste_Modes();
        const auto au_hasard = [&](const QStringList& l) { return l[int(hasard.bounded(l.size()))]; };
        const auto ligne = [&]() -> QString {
            if (hasard.bounded(12) == 0) {
                return u"ligne abîmée %1"_s.arg(hasard.bounded(100)); // damaged: counts for nothing
            }
            Fiche_QSO f;
            f.Indicatif_A = au_hasard(indicatifs);
            f.Dpt_A = au_hasard(departements);
            f.Indicatif_B = au_hasard(indicatifs);
            f.Dpt_B = au_hasard(departements);
            f.Date = au_hasard(dates);
            f.Heure = hasard.bounded(2) ? u"10:00"_s : u"23:59"_s;
            f.Mode = au_hasard(modes);
            f.Bande = au_hasard(bandes);
            f.QSL = hasard.bounded(2);
            return Forme_Ligne_Log(f);
        };
        const auto compare = [&](Index_Journal& suivi, const QStringList& journal, int pas) {
            Index_Journal neuf;
            neuf.Fixe_Pays(&*fichier);
            neuf.Fixe_Annuaire("F4DIR        56 JEAN\r\n");
            neuf.Suit(Journal(journal));
            for (const QString& i : indicatifs) {
                QVERIFY2(suivi.Departement_De(i) == neuf.Departement_De(i),
                         qPrintable(u"pas %1, %2 : %3 au lieu de %4"_s.arg(pas)
                                        .arg(i)
                                        .arg(suivi.Departement_De(i))
                                        .arg(neuf.Departement_De(i))));
                for (int b = -1; b <= Nombre_Bandes_Diplome; ++b) {
                    for (int g = -1; g <= Nombre_Groupes_Mode; ++g) {
                        const Marque_Nouveaute m = suivi.Marque(i, b, g);
                        const Marque_Nouveaute n = neuf.Marque(i, b, g);
                        QVERIFY2(
                            m.sorte == n.sorte && m.departement == n.departement,
                            qPrintable(u"pas %1, %2 bande %3 groupe %4"_s.arg(pas).arg(i).arg(b).arg(g)));
                    }
                }
            }
        };
        Index_Journal suivi;
        suivi.Fixe_Pays(&*fichier);
        suivi.Fixe_Annuaire("F4DIR        56 JEAN\r\n");
        QStringList journal;
        for (int i = 0; i < 30; ++i) {
            journal << ligne();
        }
        suivi.Suit(Journal(journal));
        QStringList precedent = journal;
        for (int pas = 0; pas < 120; ++pas) {
            const QStringList avant = journal;
            const int n = int(journal.size());
            switch (hasard.bounded(7)) {
            case 0: // a QSO saved
                journal << ligne();
                break;
            case 1: // an insertion
                journal.insert(int(hasard.bounded(n + 1)), ligne());
                break;
            case 2: // an edit
                if (n > 0) {
                    journal[int(hasard.bounded(n))] = ligne();
                }
                break;
            case 3: // a deletion
            case 4:
                if (n > 0) {
                    journal.removeAt(int(hasard.bounded(n)));
                }
                break;
            case 5: // undo of the last change
                journal = precedent;
                break;
            case 6: // most of the log replaced (another log, a restore)
                for (int i = 0; i < n; ++i) {
                    if (hasard.bounded(4) != 0) {
                        journal[i] = ligne();
                    }
                }
                break;
            }
            precedent = avant;
            suivi.Suit(Journal(journal));
            compare(suivi, journal, pas);
        }
    }

    // The latest QSO of a callsign gives its department, even the least seen of four.
    void departementDuDernierQso() {
        const auto qso = [](const QString& dpt, const QString& date) {
            return Ligne(u"F5ABC"_s, dpt, u"14 Mhz"_s, u"SSB"_s, false, date);
        };
        Index_Journal index;
        QStringList journal = {qso(u"35"_s, u"01/06/21"_s), qso(u"29"_s, u"01/06/22"_s)};
        index.Suit(Journal(journal));
        QCOMPARE(index.Departement_De(u"F5ABC"_s), 29);
        journal.removeLast();
        index.Suit(Journal(journal));
        QCOMPARE(index.Departement_De(u"F5ABC"_s), 35);
        Index_Journal quatre;
        quatre.Suit(
            Journal({qso(u"95"_s, u"01/01/20"_s), qso(u"95"_s, u"02/01/20"_s), qso(u"13"_s, u"03/01/20"_s),
                     qso(u"13"_s, u"04/01/20"_s), qso(u"35"_s, u"05/01/20"_s), qso(u"35"_s, u"06/01/20"_s),
                     qso(u"29"_s, u"07/01/20"_s)}));
        QCOMPARE(quatre.Departement_De(u"F5ABC"_s), 29);
    }

    void modeDuSpot_data() {
        QTest::addColumn<double>("khz");
        QTest::addColumn<QString>("commentaire");
        QTest::addColumn<int>("groupe");
        const int cw = int(Groupe_Mode::CW);
        const int phonie = int(Groupe_Mode::Phonie);
        const int autres = int(Groupe_Mode::Autres);
        QTest::newRow("7039,9 CW") << 7039.9 << QString() << cw;
        QTest::newRow("7040 numérique") << 7040.0 << QString() << autres;
        QTest::newRow("7059,9 numérique") << 7059.9 << QString() << autres;
        QTest::newRow("7060 phonie") << 7060.0 << QString() << phonie;
        QTest::newRow("14069,9 CW") << 14069.9 << QString() << cw;
        QTest::newRow("14074 numérique") << 14074.0 << QString() << autres;
        QTest::newRow("14100 phonie") << 14100.0 << QString() << phonie;
        QTest::newRow("10 MHz numérique") << 10136.0 << QString() << autres;
        QTest::newRow("144,050 CW") << 144050.0 << QString() << cw;
        QTest::newRow("hors bande") << 5357.0 << QString() << -1;
        QTest::newRow("le commentaire l'emporte") << 14025.0 << u"ft8 -12dB"_s << autres;
        QTest::newRow("SSB dans le commentaire") << 7010.0 << u"up 5 SSB!"_s << phonie;
        QTest::newRow("mot dans un mot") << 7010.0 << u"CWOPS member"_s << cw;
        QTest::newRow("CW en minuscules") << 14200.0 << u"tnx cw"_s << cw;
        // The beacon segments read as phone, each whole.
        QTest::newRow("14098,9 numérique") << 14098.9 << QString() << autres;
        QTest::newRow("balise 14099") << 14099.0 << QString() << phonie;
        QTest::newRow("balise 14100,5") << 14100.5 << QString() << phonie;
        QTest::newRow("balise 18110") << 18110.0 << QString() << phonie;
        QTest::newRow("18108,9 numérique") << 18108.9 << QString() << autres;
        QTest::newRow("balise 21149,5") << 21149.5 << QString() << phonie;
        QTest::newRow("balise 24929") << 24929.0 << QString() << phonie;
        QTest::newRow("7250 hors du plan") << 7250.0 << QString() << -1;
    }
    void modeDuSpot() {
        QFETCH(double, khz);
        QFETCH(QString, commentaire);
        QFETCH(int, groupe);
        QCOMPARE(Groupe_Du_Spot(khz, commentaire), groupe);
    }
};

QTEST_APPLESS_MAIN(Tst_Index_Journal)
#include "tst_index_journal.moc"
