#include "core/log/liste_prenom.h"
#include "support/fichiers_test.h"

#include <QFile>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

class Tst_Liste_Prenom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enregistrementAuxColonnes() {
        QCOMPARE(Liste_Prenom::Enregistrement(u"F6ABC"_s, u"75"_s, u"jean"_s), u"F6ABC        75 JEAN"_s);
        QCOMPARE(Liste_Prenom::Enregistrement(u"F6ABC"_s, u""_s, u""_s), u"F6ABC           "_s);
    }

    void rechercheApresMiseAJour() {
        Dossier_Test d;
        const Liste_Prenom liste(d.repertoire);
        QVERIFY(liste.Maj_Liste_Prenom(Liste_Prenom::Enregistrement(u"F6ABC"_s, u"75"_s, u"René"_s)));
        QCOMPARE(d.Lit(u"Liste_Prenom.txt"_s), QByteArray("F6ABC        75 REN\xC9\r\n"));
        const auto f = liste.Cherche(u"F6ABC"_s);
        QVERIFY(f);
        QCOMPARE(f->departement, u"75"_s);
        QCOMPARE(f->prenom, u"RENÉ"_s);
        QVERIFY(!liste.Cherche(u"f6abc"_s));
        QVERIFY(!liste.Cherche(u"F6AB"_s));
    }

    void remplaceSurPlaceSansGrandir() {
        Dossier_Test d;
        d.Ecrit(u"Liste_Prenom.txt"_s,
                "F1AAA        13 PAUL\r\nF6ABC        75 JEAN\r\nF2BBB        2a ANGE\r\n");
        QVERIFY(Liste_Prenom(d.repertoire)
                    .Maj_Liste_Prenom(Liste_Prenom::Enregistrement(u"F6ABC"_s, u"69"_s, u"Luc"_s)));
        QCOMPARE(d.Lit(u"Liste_Prenom.txt"_s),
                 QByteArray("F1AAA        13 PAUL\r\nF6ABC        69 LUC\r\nF2BBB        2a ANGE\r\n"));
        QVERIFY(!QFile::exists(d.Chemin(u"Temporaire.txt"_s)));
    }

    void recherche_data() {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<bool>("trouve");
        QTest::addColumn<QString>("departement");
        QTest::addColumn<QString>("prenom");
        QTest::newRow("deux espaces\u00A0: département vide")
            << QByteArray("F6ABC           JEAN\r\n") << true << u""_s << u"JEAN"_s;
        QTest::newRow("sans prénom") << QByteArray("F6ABC        75 \r\n") << true << u"75"_s << u""_s;
        QTest::newRow("la dernière l'emporte")
            << QByteArray("F6ABC        75 JEAN\r\nF6ABC        13 LUC\r\n") << true << u"13"_s << u"LUC"_s;
        QTest::newRow("ligne courte tapée à la main") << QByteArray("F6ABC\r\n") << true << u""_s << u""_s;
        QTest::newRow("absent") << QByteArray("F1AAA        13 PAUL\r\n") << false << u""_s << u""_s;
        QTest::newRow("fichier LF") << QByteArray("F6ABC        2a ange\n") << true << u"2a"_s << u"ANGE"_s;
    }
    void recherche() {
        QFETCH(QByteArray, fichier);
        QFETCH(bool, trouve);
        QFETCH(QString, departement);
        QFETCH(QString, prenom);
        Dossier_Test d;
        d.Ecrit(u"Liste_Prenom.txt"_s, fichier);
        const auto f = Liste_Prenom(d.repertoire).Cherche(u"F6ABC"_s);
        QCOMPARE(bool(f), trouve);
        if (f) {
            QCOMPARE(f->departement, departement);
            QCOMPARE(f->prenom, prenom);
        }
    }

    // A record typed by hand, shorter than the callsign column, is the same callsign for the
    // lookup and the update: every record of it gives way to the one saved.
    void enregistrementCourtTapeALaMain() {
        Dossier_Test d;
        d.Ecrit(u"Liste_Prenom.txt"_s, "F1AAA        13 PAUL\r\nF6ABC        75 JEAN\r\nF6ABC\r\nF2BBB\r\n");
        const Liste_Prenom liste(d.repertoire);
        QVERIFY(liste.Maj_Liste_Prenom(Liste_Prenom::Enregistrement(u"F6ABC"_s, u"69"_s, u"Luc"_s)));
        QCOMPARE(d.Lit(u"Liste_Prenom.txt"_s),
                 QByteArray("F1AAA        13 PAUL\r\nF6ABC        69 LUC\r\nF2BBB\r\n"));
        QCOMPARE(liste.Cherche(u"F6ABC"_s)->prenom, u"LUC"_s);
        QVERIFY(liste.Maj_Liste_Prenom(Liste_Prenom::Enregistrement(u"F2BBB"_s, u"2b"_s, u"µ"_s)));
        QCOMPARE(d.Lit(u"Liste_Prenom.txt"_s),
                 QByteArray("F1AAA        13 PAUL\r\nF6ABC        69 LUC\r\nF2BBB        2b \xB5\r\n"));
        QCOMPARE(liste.Cherche(u"F2BBB"_s)->prenom, u"µ"_s);
    }

    void fichierManquant() {
        Dossier_Test d;
        QFile::remove(d.Chemin(u"Liste_Prenom.txt"_s));
        const Liste_Prenom liste(d.repertoire);
        QVERIFY(!liste.Cherche(u"F6ABC"_s));
        QVERIFY(liste.Maj_Liste_Prenom(u"F6ABC        75 JEAN"_s));
        QCOMPARE(d.Lit(u"Liste_Prenom.txt"_s), QByteArray("F6ABC        75 JEAN\r\n"));
    }
};

QTEST_APPLESS_MAIN(Tst_Liste_Prenom)
#include "tst_liste_prenom.moc"
