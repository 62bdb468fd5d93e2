#include "core/log/fiche_qso.h"
#include "core/radio/cluster.h"

#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

class Tst_Cluster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void adresses_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("chemin");
        const QStringList attendus = {
            u"/dxc/top_250_HF.html"_s,     u"/dxc/top_50_1.8_MHz.html"_s, u"/dxc/top_50_3.5_MHz.html"_s,
            u"/dxc/top_50_7_MHz.html"_s,   u"/dxc/top_50_10_MHz.html"_s,  u"/dxc/top_50_14_MHz.html"_s,
            u"/dxc/top_50_18_MHz.html"_s,  u"/dxc/top_50_21_MHz.html"_s,  u"/dxc/top_50_24_MHz.html"_s,
            u"/dxc/top_50_28_MHz.html"_s,  u"/dxc/top_50_50_MHz.html"_s,  u"/dxc/top_50_144_MHz.html"_s,
            u"/dxc/top_50_430_MHz.html"_s, u"/dxc/top_250_VHF.html"_s};
        for (int i = 0; i < attendus.size(); ++i) {
            QTest::newRow(qPrintable(Choix_Bandes_Cluster()[i])) << i << attendus[i];
        }
        QTest::newRow("aucun choix") << -1 << u"/dxc/top_50__MHz.html"_s;
        QTest::newRow("au-delà") << 14 << u"/dxc/top_50__MHz.html"_s;
    }
    void adresses() {
        QFETCH(int, index);
        QFETCH(QString, chemin);
        QCOMPARE(Adresse_Cluster(u"http://dxcluster.sdr-radio.com"_s, index),
                 u"http://dxcluster.sdr-radio.com"_s + chemin);
    }

    void choixDesBandes() {
        QCOMPARE(Choix_Bandes_Cluster().size(), 14);
        QVERIFY(!Choix_Bandes_Cluster().contains(u"27 Mhz"_s));
        QCOMPARE(Choix_Bandes_Cluster().first(), u"All HF"_s);
        QCOMPARE(Choix_Bandes_Cluster().last(), u"All VHF"_s);
    }

    // The leading numeric value; what is not a choice reads as "All HF", -1 stays.
    void indexRetenu_data() {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<int>("index");
        QTest::newRow("12") << u"12"_s << 12;
        QTest::newRow("espaces") << u" 3 "_s << 3;
        QTest::newRow("chiffres en tête") << u"5abc"_s << 5;
        QTest::newRow("aucun choix") << u"-1"_s << -1;
        QTest::newRow("pas un nombre") << u"sept"_s << 0;
        QTest::newRow("vide") << u""_s << 0;
        QTest::newRow("hors liste") << u"14"_s << 0;
        QTest::newRow("négatif") << u"-7"_s << 0;
        QTest::newRow("énorme") << u"99999999999"_s << 0;
    }
    void indexRetenu() {
        QFETCH(QString, stocke);
        QFETCH(int, index);
        QCOMPARE(Index_Cluster_Stocke(stocke), index);
    }

    void pageHorsLigne() {
        const QString page = Page_Hors_Ligne(u"http://x.example/dxc/top_250_HF.html?a=1&b=<2>"_s,
                                             Raison_Echec_Page(Domaine_Erreur::Connexion, -102));
        QVERIFY(page.contains(u"http://x.example/dxc/top_250_HF.html?a=1&amp;b=&lt;2&gt;"_s));
        QVERIFY(page.contains(u"le site a refusé la connexion"_s));
        QVERIFY(page.contains(u"«\u00A0Afficher\u00A0»"_s));
        QCOMPARE(Raison_Echec_Page(Domaine_Erreur::Statut_Http, 500),
                 u"le site a répondu par l'erreur HTTP 500"_s);
        QVERIFY(Raison_Echec_Page(Domaine_Erreur::Autre, -105).contains(u"introuvable"_s));
        QVERIFY(Raison_Echec_Page(Domaine_Erreur::Autre, -106).contains(u"Internet"_s));
    }

    void bandesDesFrequences_data() {
        QTest::addColumn<double>("khz");
        QTest::addColumn<QString>("bande");
        QTest::newRow("160 m") << 1840.0 << u"1.8 Mhz"_s;
        QTest::newRow("80 m") << 3790.0 << u"3.5 Mhz"_s;
        QTest::newRow("40 m") << 7012.5 << u"7.0 Mhz"_s;
        QTest::newRow("30 m") << 10136.0 << u"10 Mhz"_s;
        QTest::newRow("20 m") << 14025.0 << u"14 Mhz"_s;
        QTest::newRow("17 m") << 18100.0 << u"18 Mhz"_s;
        QTest::newRow("15 m") << 21074.0 << u"21 Mhz"_s;
        QTest::newRow("12 m") << 24915.0 << u"24 Mhz"_s;
        QTest::newRow("27 MHz") << 27205.0 << u"27 Mhz"_s;
        QTest::newRow("27 MHz, appel DX") << 27555.0 << u"27 Mhz"_s;
        QTest::newRow("27 MHz, bas") << 26065.0 << u"27 Mhz"_s;
        QTest::newRow("27 MHz, haut") << 27995.0 << u"27 Mhz"_s;
        QTest::newRow("sous le 27 MHz") << 26064.0 << u""_s;
        QTest::newRow("entre 27 et 28") << 27996.0 << u""_s;
        QTest::newRow("10 m") << 28074.0 << u"28 Mhz"_s;
        QTest::newRow("6 m") << 50313.0 << u"50 Mhz"_s;
        QTest::newRow("2 m") << 144300.0 << u"144 Mhz"_s;
        QTest::newRow("70 cm") << 432200.0 << u"432 Mhz"_s;
        QTest::newRow("hors bande") << 5357.0 << u""_s;
        QTest::newRow("23 cm") << 1296200.0 << u""_s;
    }
    void bandesDesFrequences() {
        QFETCH(double, khz);
        QFETCH(QString, bande);
        QCOMPARE(Bande_De_Frequence(khz), bande);
    }

    // Spot lines as nodes write them, and lines that are not spots.
    void spots_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("spot");
        QTest::addColumn<QStringList>(
            "champs"); // heure, fréquence, bande, indicatif, spotteur, commentaire, locator
        QTest::newRow("avec locator")
            << u"DX de F5ABC:     14025.0  K1ABC        CQ DX                          1234Z JN18"_s << true
            << QStringList(
                   {u"1234"_s, u"14025.0"_s, u"14 Mhz"_s, u"K1ABC"_s, u"F5ABC"_s, u"CQ DX"_s, u"JN18"_s});
        QTest::newRow("sans locator")
            << u"DX de DL1XYZ:     7012.5  JA1AAA       599 tnx QSO                    1235Z"_s << true
            << QStringList(
                   {u"1235"_s, u"7012.5"_s, u"7.0 Mhz"_s, u"JA1AAA"_s, u"DL1XYZ"_s, u"599 tnx QSO"_s, u""_s});
        QTest::newRow("spotteur coupé sans deux-points")
            << u"DX de F6ABCDE   27205.0  14RC123      CB dx                           1238Z"_s << true
            << QStringList(
                   {u"1238"_s, u"27205.0"_s, u"27 Mhz"_s, u"14RC123"_s, u"F6ABCDE"_s, u"CB dx"_s, u""_s});
        QTest::newRow("skimmer, fréquence à 6 chiffres")
            << u"DX de EA4ZZZ-#: 144300.0  F6KXX        JN18 tropo 59+               1237Z IO91"_s << true
            << QStringList({u"1237"_s, u"144300.0"_s, u"144 Mhz"_s, u"F6KXX"_s, u"EA4ZZZ-#"_s,
                            u"JN18 tropo 59+"_s, u"IO91"_s});
        QTest::newRow("commentaire long, heure dedans")
            << u"DX de ON4AA:     3790.0  F5QRP        merci Pierre, rdv 2100Z sur 3.790 pour un autre QSO "
               u"avec "
               u"toute la bande    1239Z"_s
            << true
            << QStringList({u"1239"_s, u"3790.0"_s, u"3.5 Mhz"_s, u"F5QRP"_s, u"ON4AA"_s,
                            u"merci Pierre, rdv 2100Z sur 3.790 pour un autre QSO avec toute la bande"_s,
                            u""_s});
        QTest::newRow("hors bande")
            << u"DX de W1AW:      5357.0  K2XX         FT8                            0001Z"_s << true
            << QStringList({u"0001"_s, u"5357.0"_s, u""_s, u"K2XX"_s, u"W1AW"_s, u"FT8"_s, u""_s});
        QTest::newRow("sans commentaire")
            << u"DX de G4XYZ:   28074.0  VK2ABC  2359Z"_s << true
            << QStringList({u"2359"_s, u"28074.0"_s, u"28 Mhz"_s, u"VK2ABC"_s, u"G4XYZ"_s, u""_s, u""_s});
        QTest::newRow("commentaire de 1 000 caractères, coupé")
            << u"DX de F5ABC:     27555.0  14RC1        "_s + QString(1000, u'x') + u" 1240Z JN18"_s << true
            << QStringList({u"1240"_s, u"27555.0"_s, u"27 Mhz"_s, u"14RC1"_s, u"F5ABC"_s, QString(200, u'x'),
                            u"JN18"_s});
        QTest::newRow("coupé sur des blancs")
            << u"DX de F5ABC:     27555.0  14RC1        "_s + QString(198, u'x') + QString(10, u' ') +
                   u"yy 1240Z"_s
            << true
            << QStringList(
                   {u"1240"_s, u"27555.0"_s, u"27 Mhz"_s, u"14RC1"_s, u"F5ABC"_s, QString(198, u'x'), u""_s});
        QTest::newRow("au-delà de la ligne la plus longue")
            << u"DX de F5ABC:     14025.0  K1ABC        "_s + QString(4096, u'x') + u" 1240Z"_s << false
            << QStringList();
        QTest::newRow("WWV") << u"WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms"_s << false
                             << QStringList();
        QTest::newRow("annonce") << u"To ALL de F5XYZ: bonjour a tous"_s << false << QStringList();
        QTest::newRow("heure impossible")
            << u"DX de F5ABC:     14025.0  K1ABC        CQ DX   2561Z"_s << false << QStringList();
        QTest::newRow("fréquence illisible")
            << u"DX de F5ABC:     14O25.0  K1ABC        CQ DX   1234Z"_s << false << QStringList();
        QTest::newRow("indicatif de contrôle")
            << u"DX de F5ABC:     14025.0  K1\u0007BC       CQ   1234Z"_s << false << QStringList();
        QTest::newRow("octet indéfini")
            << u"DX de F5ABC:     14025.0  K1ABC  CQ \u0081 DX   1234Z"_s << false << QStringList();
        QTest::newRow("tronquée") << u"DX de F5ABC:     14025.0"_s << false << QStringList();
        QTest::newRow("vide") << u""_s << false << QStringList();
    }
    void spots() {
        QFETCH(QString, ligne);
        QFETCH(bool, spot);
        QFETCH(QStringList, champs);
        const auto s = Analyse_Spot(ligne);
        QCOMPARE(bool(s), spot);
        if (s) {
            QCOMPARE(QStringList({s->heure, s->frequence, s->bande, s->indicatif, s->spotteur, s->commentaire,
                                  s->locator}),
                     champs);
        }
    }

    void filtreDesBandes() {
        const auto spot = [](double khz) {
            Spot s;
            s.khz = khz;
            s.bande = Bande_De_Frequence(khz);
            return s;
        };
        QVERIFY(Spot_Dans_Choix(spot(27205), 0));
        QVERIFY(Spot_Dans_Choix(spot(5357), 0));
        QVERIFY(!Spot_Dans_Choix(spot(50313), 0));
        QVERIFY(Spot_Dans_Choix(spot(50313), 13));
        QVERIFY(!Spot_Dans_Choix(spot(14025), 13));
        QVERIFY(Spot_Dans_Choix(spot(7012.5), 3));
        QVERIFY(!Spot_Dans_Choix(spot(14025), 3));
        QVERIFY(Spot_Dans_Choix(spot(432200), 12));
        QVERIFY(Spot_Dans_Choix(spot(14025), -1));
    }

    void delaisDeReconnexion() {
        QCOMPARE(Delai_Reconnexion_Ms(1), 5000);
        QCOMPARE(Delai_Reconnexion_Ms(2), 10000);
        QCOMPARE(Delai_Reconnexion_Ms(4), 40000);
        QCOMPARE(Delai_Reconnexion_Ms(7), 300000);
        QCOMPARE(Delai_Reconnexion_Ms(1000), 300000);
        QCOMPARE(Delai_Reconnexion_Ms(3, 100), 400);
    }

    // Telnet commands dropped, lines cut at LF, UTF-8 or Windows-1252, prompts kept pending.
    void fluxTelnet() {
        Flux_Telnet f;
        QCOMPARE(f.Ajoute("\xff\xfb\x01\xff\xfd\x03Welcome\r\nlog"), QStringList({u"Welcome"_s}));
        QCOMPARE(f.Ajoute("in: "), QStringList());
        QCOMPARE(f.En_Attente(), u"login: "_s);
        QVERIFY(Demande_Indicatif(f.En_Attente()));
        QCOMPARE(f.Termine_En_Attente(), u"login: "_s);
        QCOMPARE(f.Ajoute("\xff\xfa\x18\x01\xff\xf0"
                          "caf\xc3\xa9\r\nH\xe9l\xe8ne\n\xff\xff!\n"),
                 QStringList({u"café"_s, u"Hélène"_s, u"ÿ!"_s}));
        QVERIFY(Demande_Indicatif(u"Please enter your call: "_s));
        QVERIFY(!Demande_Indicatif(u"DX de F5ABC: 14025.0"_s));
    }

    // A megabyte with no line end is dropped as it comes; the next line reads well.
    void ligneSansFin() {
        Flux_Telnet f;
        const QByteArray bloc(64 * 1024, 'A');
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(f.Ajoute(bloc), QStringList());
        }
        QCOMPARE(f.En_Attente(), QString());
        QCOMPARE(f.Ajoute("fin\r\nDX de F5ABC: 14025.0 K1ABC CQ 1234Z\r\n"),
                 QStringList({u"DX de F5ABC: 14025.0 K1ABC CQ 1234Z"_s}));
        QCOMPARE(f.Lignes_Trop_Longues(), 1);
    }

    void ligneAffichable() {
        QCOMPARE(Ligne_Affichable(u"a\u0007b\u0085c"_s), u"a·b·c"_s);
        QCOMPARE(Ligne_Affichable(QString(1000, u'x')).size(), 300);
    }
};

QTEST_APPLESS_MAIN(Tst_Cluster)
#include "tst_cluster.moc"
