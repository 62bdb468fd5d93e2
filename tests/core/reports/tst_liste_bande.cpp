#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/program/textes_programme.h"
#include "core/reports/liste_bande.h"
#include "support/fichiers_test.h"

#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Log(const QString& indicatif_a, const QString& date, const QString& heure, const QString& bande,
            bool qsl = false) {
    QString l = Ligne_Test(indicatif_a, date, heure);
    l.replace(66, 7, bande.leftJustified(7));
    l[113] = qsl ? u'*' : u' ';
    return l;
}

QByteArray Octets(const QStringList& lignes) {
    QByteArray o;
    for (const QString& l : lignes) {
        o += Encode_1252(l) + "\r\n";
    }
    return o;
}

} // namespace

class Tst_Liste_Bande : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ligneBandeAuxColonnes_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("7 caractères")
            << u"7.0 Mhz"_s
            << u" 01/06/08  15:25  F6ABC         75    59  F5XYZ         13    57     SSB    7.0 Mhz   *"_s;
        QTest::newRow("6 caractères")
            << u"10 Mhz"_s
            << u" 01/06/08  15:25  F6ABC         75    59  F5XYZ         13    57     SSB    10 Mhz   *"_s;
    }
    void ligneBandeAuxColonnes() {
        QFETCH(QString, bande);
        QFETCH(QString, attendu);
        const QString l = Ligne_Bande(Log(u"F6ABC"_s, u"01/06/08"_s, u"15:25"_s, bande, true));
        QCOMPARE(l, attendu);
        QCOMPARE(l.size(), bande.size() == 7 ? 87 : 86);
    }

    // Text order: day first, so 01/07/08 comes before 31/01/08; both counts.
    void ordreDuTexteEtCompteurs() {
        const Lignes_Log log(Octets({Log(u"F6BBB"_s, u"31/01/08"_s, u"10:00"_s, u"7.0 Mhz"_s, true),
                                     Log(u"F6AAA"_s, u"01/07/08"_s, u"10:00"_s, u"7.0 Mhz"_s),
                                     Log(u"F6CCC"_s, u"01/07/08"_s, u"09:00"_s, u"14 Mhz"_s, true),
                                     Log(u"F6ZZZ"_s, u"01/07/08"_s, u"10:00"_s, u"7.0 Mhz"_s, true),
                                     Log(u"F6DDD"_s, u"02/01/09"_s, u"10:00"_s, u"7.0 mhz"_s)}));
        const Liste_Bande l = Construit_Liste_Bande(log, u"7.0 Mhz"_s);
        QCOMPARE(l.entendus, 3);
        QCOMPARE(l.confirmes, 2);
        QCOMPARE(l.lignes.size(), 3);
        QVERIFY(l.lignes[0].startsWith(u" 01/07/08  10:00  F6AAA"_s));
        QVERIFY(l.lignes[1].startsWith(u" 01/07/08  10:00  F6ZZZ"_s));
        QVERIFY(l.lignes[2].startsWith(u" 31/01/08  10:00  F6BBB"_s));
        const Liste_Bande aucune = Construit_Liste_Bande(log, u"50 Mhz"_s);
        QCOMPARE(aucune.entendus, 0);
        QCOMPARE(aucune.confirmes, 0);
        QVERIFY(aucune.lignes.isEmpty());
    }

    void nomDuFichier() {
        QCOMPARE(Nom_Fichier_Liste(u"F1ZZZ"_s, u"7.0 Mhz"_s, QDate(2026, 12, 6)),
                 u"F1ZZZ_Liste_QSO_Bande_7.0 Mhz_06_12_26.txt"_s);
        QCOMPARE(Date_Liste(QDate(2026, 12, 6)), u"06/12/2026"_s);
    }

    void fichierDUneBandeVide() {
        const QStringList lignes = Lignes_Fichier_Liste(u"F1ZZZ"_s, u"50 Mhz"_s, QDate(2026, 12, 6), {});
        QCOMPARE(Octets(lignes),
                 QByteArray(
                     "       F1ZZZ Liste alphanumerique des QSO entendus bande 50 Mhz au 06/12/2026\r\n"
                     "\r\n"
                     "   N\xB0    Date    Heure  Indicatif A  Dpt   RST  Indicatif B  Dpt   RST     Mode    "
                     "Bande   QSL\r\n"
                     "\r\n"
                     "\r\n"
                     "                        ") +
                     Encode_1252(Notice_Programme()) + "\r\n");
    }

    void rangsNumerotesFichierEtPapier() {
        QStringList rangs;
        for (int i = 1; i <= 12; ++i) {
            rangs << u" ligne "_s + QString::number(i);
        }
        const QStringList fichier = Lignes_Fichier_Liste(u"F1ZZZ"_s, u"7.0 Mhz"_s, QDate(2026, 12, 6), rangs);
        QCOMPARE(fichier.size(), 4 + 12 + 2);
        QCOMPARE(fichier[4], u"    1  ligne 1"_s);
        QCOMPARE(fichier[13], u"   10  ligne 10"_s);
        QCOMPARE(fichier[16], QString());
        QCOMPARE(fichier[17], QString(24, u' ') + Notice_Programme());
        const QStringList papier =
            Lignes_Impression_Liste(u"F1ZZZ"_s, u"7.0 Mhz"_s, QDate(2026, 12, 6), rangs);
        QCOMPARE(papier.size(), 4 + 12 + 3);
        QCOMPARE(papier[0],
                 u"           F1ZZZ Liste alphanumerique des QSO entendus bande 7.0 Mhz au 06/12/2026"_s);
        QCOMPARE(papier[2],
                 u"       N°    Date    Heure  Indicatif A  Dpt   RST  Indicatif B  Dpt   RST     Mode    "
                 u"Bande   QSL"_s);
        QCOMPARE(papier[13], u"       10  ligne 10"_s);
        QCOMPARE(papier[16], QString());
        QCOMPARE(papier[17], QString());
        QCOMPARE(papier[18], QString(21, u' ') + Notice_Programme());
    }

    void bandesRefuseesDansUnNomDeFichier_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("nomme");
        for (const QString& c : {u"/"_s, u"\\"_s, u":"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s, u">"_s, u"|"_s}) {
            QTest::newRow(qPrintable(c)) << u"7"_s + c + u"0"_s << u"«\u00A0"_s + c + u"\u00A0»"_s;
        }
        QTest::newRow("contrôle") << u"7\t0"_s << u"un caractère de contrôle"_s;
        QTest::newRow("vide") << u""_s << u"Choisissez une bande"_s;
        QTest::newRow("points") << u".."_s << u"Choisissez une bande"_s;
        QTest::newRow("hors du fichier") << u"7ł0"_s << u"«\u00A0ł\u00A0»"_s;
        QTest::newRow("240 caractères")
            << QString(240, u'7')
            << u"«\u00A0"_s + QString(40, u'7') + u"… (240 caractères)\u00A0» est trop longue"_s;
        QTest::newRow("nom de 256 octets") << QString(256 - 42, u'7') << u"est trop longue"_s;
        QTest::newRow("accents comptés en octets") << QString(107, u'é') << u"est trop longue"_s;
    }
    void bandesRefuseesDansUnNomDeFichier() {
        QFETCH(QString, bande);
        QFETCH(QString, nomme);
        const QString m = Controle_Bande_Fichier(bande, u"F1ABCDEFGH_P"_s);
        QVERIFY2(m.contains(nomme) && m.contains(u"n'a pas été enregistrée"_s), qPrintable(m));
    }

    void bandesDeLaListeAcceptees() {
        for (const QString& bande : Liste_Bandes()) {
            QCOMPARE(Controle_Bande_Fichier(bande, u"F1ABCDEFGH_P"_s), QString());
        }
        // The longest name a file system takes: 255 bytes.
        QCOMPARE(Controle_Bande_Fichier(QString(255 - 42, u'7'), u"F1ABCDEFGH_P"_s), QString());
    }
};

QTEST_APPLESS_MAIN(Tst_Liste_Bande)
#include "tst_liste_bande.moc"
