// The receiver as the program reads it through rigctld: answers, frequencies, bands, modes,
// Hamlib's list of models and the remembered choice.
#include "core/program/reglages.h"
#include "core/radio/recepteur.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using swl::Lecteur_Rigctl;
using Demande = Lecteur_Rigctl::Demande;

Q_DECLARE_METATYPE(QList<Demande>)

namespace {

// "f 14074000 ; m USB 2400 ; F ! ; ? illisible ; e5 : RPRT -5" — one answer per item.
QString Resume(const QList<Lecteur_Rigctl::Reponse>& reponses) {
    QStringList t;
    for (const auto& r : reponses) {
        if (!r.lisible) {
            t << u"?"_s;
        } else if (r.erreur != 0) {
            t << u"e"_s + QString::number(r.erreur);
        } else if (r.demande == Demande::Frequence) {
            t << u"f "_s + QString::number(r.hz);
        } else if (r.demande == Demande::Mode) {
            t << u"m "_s + r.mode + u' ' + QString::number(r.passband);
        } else {
            t << u"F"_s;
        }
    }
    return t.join(u" ; "_s);
}

} // namespace

class Tst_Recepteur : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reponses_data() {
        QTest::addColumn<QList<Demande>>("demandes");
        QTest::addColumn<QList<QByteArray>>("morceaux");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<int>("restantes");

        const QList<Demande> fm = {Demande::Frequence, Demande::Mode};
        QTest::newRow("fréquence et mode")
            << fm << QList<QByteArray>{"14074000\nUSB\n2400\n"} << u"f 14074000 ; m USB 2400"_s << 0;
        QTest::newRow("par morceaux") << fm << QList<QByteArray>{"1407", "4000\nPK", "TUSB\n30", "00\n"}
                                      << u"f 14074000 ; m PKTUSB 3000"_s << 0;
        QTest::newRow("fin de ligne CR LF")
            << fm << QList<QByteArray>{"7074000\r\nCW\r\n500\r\n"} << u"f 7074000 ; m CW 500"_s << 0;
        QTest::newRow("mode en attente de sa largeur")
            << fm << QList<QByteArray>{"7074000\nLSB\n"} << u"f 7074000"_s << 1;
        // SDR programs: Hamlib's names with "_" and "-", SDRangel's answer on one line.
        QTest::newRow("FM stéréo de GQRX") << fm << QList<QByteArray>{"96400000\nWFM_ST_OIRT\n160000\n"}
                                           << u"f 96400000 ; m WFM_ST_OIRT 160000"_s << 0;
        QTest::newRow("D-STAR") << QList<Demande>{Demande::Mode} << QList<QByteArray>{"D-STAR\n6000\n"}
                                << u"m D-STAR 6000"_s << 0;
        QTest::newRow("SDRangel sur une ligne")
            << fm << QList<QByteArray>{"7074000\nUSB 2700\n"} << u"f 7074000 ; m USB 2700"_s << 0;
        QTest::newRow("mode et largeur sans espace")
            << QList<Demande>{Demande::Mode} << QList<QByteArray>{"USB2700 x\n"} << u"?"_s << 0;
        QTest::newRow("erreurs") << fm << QList<QByteArray>{"RPRT -11\nRPRT -5\n"} << u"e11 ; e5"_s << 0;
        QTest::newRow("accord") << QList<Demande>{Demande::Accord, Demande::Accord}
                                << QList<QByteArray>{"RPRT 0\nRPRT -9\n"} << u"F ; e9"_s << 0;
        QTest::newRow("accord puis lecture")
            << QList<Demande>{Demande::Accord, Demande::Frequence} << QList<QByteArray>{"RPRT 0\n7010000\n"}
            << u"F ; f 7010000"_s << 0;
        // The SDR programs' recorder: GQRX refuses a command it does not know with a positive code.
        QTest::newRow("AOS et LOS") << QList<Demande>{Demande::Enregistreur, Demande::Enregistreur,
                                                      Demande::Enregistreur}
                                    << QList<QByteArray>{"RPRT 0\nRPRT 1\nRPRT -11\n"} << u"F ; e1 ; e11"_s
                                    << 0;
        QTest::newRow("fréquence illisible")
            << fm << QList<QByteArray>{"quatorze\nUSB\n2400\n"} << u"? ; m USB 2400"_s << 0;
        QTest::newRow("fréquence démesurée") << QList<Demande>{Demande::Frequence}
                                             << QList<QByteArray>{"99999999999999999999999\n"} << u"?"_s << 0;
        QTest::newRow("mode illisible")
            << fm << QList<QByteArray>{"7074000\nusb bas\n"} << u"f 7074000 ; ?"_s << 0;
        QTest::newRow("largeur illisible")
            << fm << QList<QByteArray>{"7074000\nUSB\nlarge\n"} << u"f 7074000 ; ?"_s << 0;
        QTest::newRow("réponse sans demande")
            << QList<Demande>{} << QList<QByteArray>{"145000000\n"} << u"?"_s << 0;
        QTest::newRow("RPRT positif")
            << QList<Demande>{Demande::Frequence} << QList<QByteArray>{"RPRT 3\n"} << u"?"_s << 0;
        // A line of a megabyte is never kept: one unreadable answer, then the stream goes on.
        QTest::newRow("ligne d'un mégaoctet")
            << fm << QList<QByteArray>{QByteArray(1 << 20, '7'), QByteArray(1 << 20, '7') + "\nUSB\n2400\n"}
            << u"? ; m USB 2400"_s << 0;
        QTest::newRow("ligne sans fin")
            << fm << QList<QByteArray>{QByteArray(1 << 20, 'x')} << QString() << 2;
    }
    void reponses() {
        QFETCH(QList<Demande>, demandes);
        QFETCH(QList<QByteArray>, morceaux);
        QFETCH(QString, attendu);
        QFETCH(int, restantes);
        Lecteur_Rigctl lecteur;
        for (Demande d : demandes) {
            lecteur.Attend(d);
        }
        QList<Lecteur_Rigctl::Reponse> reponses;
        for (const QByteArray& m : morceaux) {
            reponses += lecteur.Ajoute(m);
        }
        QCOMPARE(Resume(reponses), attendu);
        QCOMPARE(lecteur.En_Attente(), restantes);
    }

    // SDRangel without a passband: the mode alone, once the caller saw the server fall silent;
    // never in the middle of a line or before the mode came.
    void modeSansLargeur() {
        Lecteur_Rigctl lecteur;
        lecteur.Attend(Demande::Frequence);
        lecteur.Attend(Demande::Mode);
        QVERIFY(!lecteur.Mode_Sans_Largeur());
        QCOMPARE(Resume(lecteur.Ajoute("7074000\nAM\n")), u"f 7074000"_s);
        lecteur.Ajoute("60");
        QVERIFY(!lecteur.Mode_Sans_Largeur());
        QCOMPARE(Resume(lecteur.Ajoute("00\n")), u"m AM 6000"_s);
        lecteur.Attend(Demande::Mode);
        lecteur.Ajoute("LSB\n");
        const auto r = lecteur.Mode_Sans_Largeur();
        QVERIFY(r);
        QCOMPARE(Resume({*r}), u"m LSB 0"_s);
        QCOMPARE(lecteur.En_Attente(), 0);
        QVERIFY(!lecteur.Mode_Sans_Largeur());
        // The next answer is read as what it is.
        lecteur.Attend(Demande::Frequence);
        QCOMPARE(Resume(lecteur.Ajoute("3600000\n")), u"f 3600000"_s);
    }

    // A new connection starts clean: nothing waits, a half line of the old one is gone.
    void oublieApresReconnexion() {
        Lecteur_Rigctl lecteur;
        lecteur.Attend(Demande::Frequence);
        lecteur.Attend(Demande::Mode);
        lecteur.Ajoute("7074000\nUS");
        lecteur.Oublie();
        QCOMPARE(lecteur.En_Attente(), 0);
        lecteur.Attend(Demande::Mode);
        QCOMPARE(Resume(lecteur.Ajoute("FM\n15000\n")), u"m FM 15000"_s);
    }

    void frequences_data() {
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("bande");
        // Every edge of the logbook's bands, just inside and just outside.
        const QList<std::tuple<qint64, qint64, QString>> bandes = {
            {1'800'000, 2'000'000, u"1.8 Mhz"_s},    {3'500'000, 4'000'000, u"3.5 Mhz"_s},
            {7'000'000, 7'300'000, u"7.0 Mhz"_s},    {10'100'000, 10'150'000, u"10 Mhz"_s},
            {14'000'000, 14'350'000, u"14 Mhz"_s},   {18'068'000, 18'168'000, u"18 Mhz"_s},
            {21'000'000, 21'450'000, u"21 Mhz"_s},   {24'890'000, 24'990'000, u"24 Mhz"_s},
            {26'065'000, 27'995'000, u"27 Mhz"_s},   {28'000'000, 29'700'000, u"28 Mhz"_s},
            {50'000'000, 54'000'000, u"50 Mhz"_s},   {144'000'000, 148'000'000, u"144 Mhz"_s},
            {430'000'000, 440'000'000, u"432 Mhz"_s}};
        for (const auto& [de, a, bande] : bandes) {
            QTest::addRow("%s bas", qPrintable(bande)) << de << QString() << bande;
            QTest::addRow("%s haut", qPrintable(bande)) << a << QString() << bande;
            QTest::addRow("%s sous", qPrintable(bande)) << de - 1000 << QString() << QString();
            QTest::addRow("%s dessus", qPrintable(bande)) << a + 1000 << QString() << QString();
        }
        QTest::newRow("14 074") << qint64(14'074'000) << u"14\u00A0074,0\u00A0kHz USB"_s << u"14 Mhz"_s;
        QTest::newRow("arrondi") << qint64(7'074'049) << u"7\u00A0074,0\u00A0kHz USB"_s << u"7.0 Mhz"_s;
        QTest::newRow("arrondi haut") << qint64(7'074'050) << u"7\u00A0074,1\u00A0kHz USB"_s << u"7.0 Mhz"_s;
        QTest::newRow("27 555") << qint64(27'555'000) << u"27\u00A0555,0\u00A0kHz USB"_s << u"27 Mhz"_s;
        QTest::newRow("145 MHz") << qint64(145'000'000) << u"145\u00A0000,0\u00A0kHz USB"_s << u"144 Mhz"_s;
        QTest::newRow("ondes moyennes") << qint64(999'000) << u"999,0\u00A0kHz USB"_s << QString();
        QTest::newRow("10 GHz") << qint64(10'000'000'000) << u"10\u00A0000\u00A0000,0\u00A0kHz USB"_s
                                << QString();
        QTest::newRow("au-delà de 10 GHz") << qint64(10'000'000'001) << u"fréquence inconnue"_s << QString();
        QTest::newRow("zéro") << qint64(0) << u"fréquence inconnue"_s << QString();
        QTest::newRow("négative") << qint64(-7'074'000) << u"fréquence inconnue"_s << QString();
    }
    void frequences() {
        QFETCH(qint64, hz);
        QFETCH(QString, texte);
        QFETCH(QString, bande);
        QCOMPARE(swl::Bande_Recepteur(hz), bande);
        if (!texte.isEmpty()) {
            QCOMPARE(swl::Texte_Frequence(hz, u"USB"_s), texte);
        }
    }

    void modes_data() {
        QTest::addColumn<QString>("hamlib");
        QTest::addColumn<QString>("journal");
        for (const auto& [h, j] : QList<std::pair<QString, QString>>{
                 {u"USB"_s, u"SSB"_s},   {u"LSB"_s, u"SSB"_s},    {u"CW"_s, u"CW"_s},
                 {u"CWR"_s, u"CW"_s},    {u"FM"_s, u"FM"_s},      {u"WFM"_s, u"FM"_s},
                 {u"AM"_s, u"AM"_s},     {u"SAM"_s, u"AM"_s},     {u"RTTY"_s, u"DIG"_s},
                 {u"RTTYR"_s, u"DIG"_s}, {u"PKTUSB"_s, u"DIG"_s}, {u"PKTLSB"_s, u"DIG"_s},
                 {u"PKTFM"_s, u"DIG"_s}, {u"DIGI"_s, u"DIG"_s},   {u"FAX"_s, u"DIG"_s},
                 {u"CWU"_s, u"CW"_s},    {u"CWL"_s, u"CW"_s},     {u"AMS"_s, u"AM"_s},
                 {u"DSB"_s, u"AM"_s},    {u"WFM_ST"_s, u"FM"_s},  {u"WFM_ST_OIRT"_s, u"FM"_s},
                 {u"RAW"_s, u"DIG"_s},   {u"D-STAR"_s, u"DIG"_s}, {QString(), QString()}}) {
            QTest::newRow(qPrintable(h.isEmpty() ? u"vide"_s : h)) << h << j;
        }
    }
    void modes() {
        QFETCH(QString, hamlib);
        QFETCH(QString, journal);
        QCOMPARE(swl::Mode_Journal(hamlib), journal);
    }

    void erreursEnFrancais() {
        QCOMPARE(swl::Erreur_Hamlib(5), u"délai de communication dépassé (RPRT -5)"_s);
        QCOMPARE(swl::Erreur_Hamlib(11), u"fonction non disponible sur ce récepteur (RPRT -11)"_s);
        QCOMPARE(swl::Erreur_Hamlib(20), u"le récepteur n'est pas allumé (RPRT -20)"_s);
        QCOMPARE(swl::Erreur_Hamlib(77), u"erreur inconnue (RPRT -77)"_s);
    }

    void listeDesModeles() {
        const QByteArray sortie =
            " Rig #  Mfg                    Model                   Version         Status      Macro\n"
            "     1  Hamlib                 Dummy                   20221128.0      Stable      "
            "RIG_MODEL_DUMMY\n"
            "     2  Hamlib                 NET rigctl              20230106.0      Stable      "
            "RIG_MODEL_NETRIGCTL\n"
            "initrigs4_dummy: _init called\n"
            "  3071  Icom                   IC-R75                  20221011.0      Stable      "
            "RIG_MODEL_ICR75\n"
            "  5006  AOR                    AR7030 Plus             20221009.0      Beta        "
            "RIG_MODEL_AR7030P\n"
            "  junk\n";
        const QList<swl::Modele_Hamlib> m = swl::Lit_Liste_Modeles(sortie);
        QCOMPARE(m.size(), 4);
        QCOMPARE(m[1].numero, 2);
        QCOMPARE(m[1].modele, u"NET rigctl"_s);
        QCOMPARE(m[2].fabricant, u"Icom"_s);
        QCOMPARE(m[2].modele, u"IC-R75"_s);
        QCOMPARE(m[3].numero, 5006);
        QCOMPARE(m[3].modele, u"AR7030 Plus"_s);
        QVERIFY(swl::Lit_Liste_Modeles("binaire\0\xff"_ba).isEmpty());
    }

    void reglageRetenu() {
        QTemporaryDir d;
        swl::Reglages reglages(d.filePath(u"SWL.ini"_s));
        // Nothing stored: no receiver.
        QCOMPARE(swl::Lit_Reglage_Recepteur(reglages), swl::Reglage_Recepteur{});
        swl::Reglage_Recepteur r;
        r.sorte = swl::Reglage_Recepteur::Sorte::Modele;
        r.modele = 3071;
        r.peripherique = u"/dev/ttyUSB0"_s;
        r.vitesse = 9600;
        r.intervalle_ms = 500;
        swl::Ecrit_Reglage_Recepteur(reglages, r);
        QCOMPARE(swl::Lit_Reglage_Recepteur(reglages), r);
        const QString s = swl::Reglages::Section_Commune();
        QCOMPARE(reglages.Lire_Reglage(s, u"Recepteur Sorte"_s, QString()), u"modele"_s);
        // Hand-edited values: out of range brought in, garbage read as the default.
        reglages.Ecrire_Reglage(s, u"Recepteur Intervalle ms"_s, u"50"_s);
        reglages.Ecrire_Reglage(s, u"Recepteur Port"_s, u"soixante"_s);
        reglages.Ecrire_Reglage(s, u"Recepteur Sorte"_s, u"radio"_s);
        const swl::Reglage_Recepteur lu = swl::Lit_Reglage_Recepteur(reglages);
        QCOMPARE(lu.intervalle_ms, 200);
        QCOMPARE(lu.port, 4532);
        QCOMPARE(lu.sorte, swl::Reglage_Recepteur::Sorte::Aucun);
    }

    void controleDuReglage_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("debut");
        QTest::newRow("port série") << 1 << u"/dev/ttyUSB0"_s << QString();
        QTest::newRow("port série vide") << 1 << QString() << QString();
        QTest::newRow("port série avec espace")
            << 1 << u"/dev/tty USB0"_s << u"Le port série «\u00A0/dev/tty USB0\u00A0»"_s;
        QTest::newRow("port série avec retour")
            << 1 << u"/dev/ttyUSB0\n"_s << u"Le port série «\u00A0/dev/ttyUSB0\\x0A\u00A0»"_s;
        QTest::newRow("hôte") << 2 << u"radio.local"_s << QString();
        QTest::newRow("hôte vide") << 2 << QString() << u"L'adresse «\u00A0\u00A0» n'est pas"_s;
        QTest::newRow("hôte avec ;") << 2 << u"a; rm -rf ~"_s << u"L'adresse «\u00A0a; rm -rf ~\u00A0»"_s;
    }
    void controleDuReglage() {
        QFETCH(int, sorte);
        QFETCH(QString, texte);
        QFETCH(QString, debut);
        swl::Reglage_Recepteur r;
        r.sorte = swl::Reglage_Recepteur::Sorte(sorte);
        (sorte == 1 ? r.peripherique : r.hote) = texte;
        const QString message = swl::Controle_Reglage_Recepteur(r);
        QVERIFY2(debut.isEmpty() ? message.isEmpty() : message.startsWith(debut), qPrintable(message));
    }
};

QTEST_APPLESS_MAIN(Tst_Recepteur)
#include "tst_recepteur.moc"
