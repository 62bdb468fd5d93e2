#include "core/program/reglages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

class Tst_Reglages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void magasinVideDonneLesDefauts() {
        QTemporaryDir d;
        const Reglages r(d.filePath(u"SWL.ini"_s));
        QCOMPARE(r.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Aucune_Station),
                 u"FXXXX"_s);
        QCOMPARE(r.Lire_Reglage(Reglages::Section_Station(u"F1ABC"_s), cle::Bande_Utilisee, 0), u"0"_s);
        QCOMPARE(r.Lire_Reglage(Reglages::Section_Station(u"F1ABC"_s), cle::Date_Auto, u"Oui"_s), u"Oui"_s);
        QCOMPARE(r.Lire_Reglage(Reglages::Section_Station(u"F1ABC"_s), cle::Langue, true), u"True"_s);
        QVERIFY(!QFile::exists(d.filePath(u"SWL.ini"_s)));
    }

    void sectionsSepareesParStation() {
        QTemporaryDir d;
        const QString fichier = d.filePath(u"SWL.ini"_s);
        {
            Reglages r(fichier);
            r.Ecrire_Reglage(Reglages::Section_Station(u"F1ABC"_s), cle::Bande_Utilisee, 7);
            r.Ecrire_Reglage(Reglages::Section_Station(u"F2XYZ_P"_s), cle::Bande_Utilisee, 3);
            r.Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, u"F1ABC"_s);
        }
        const Reglages relu(fichier);
        QCOMPARE(relu.Lire_Reglage(Reglages::Section_Station(u"F1ABC"_s), cle::Bande_Utilisee, 0), u"7"_s);
        QCOMPARE(relu.Lire_Reglage(Reglages::Section_Station(u"F2XYZ_P"_s), cle::Bande_Utilisee, 0), u"3"_s);
        QCOMPARE(relu.Lire_Reglage(u"Setup "_s, cle::Indicatif_Station, u"FXXXX"_s), u"F1ABC"_s);
    }

    void setupSansEspaceEstUneAutreSection() {
        QTemporaryDir d;
        const QString fichier = d.filePath(u"SWL.ini"_s);
        Reglages r(fichier);
        r.Ecrire_Reglage(u"Setup"_s, cle::Indicatif_Station, u"F9BAD"_s);
        QCOMPARE(r.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Aucune_Station),
                 u"FXXXX"_s);
        r.Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, u"F1ABC"_s);
        QCOMPARE(r.Lire_Reglage(u"Setup"_s, cle::Indicatif_Station, Aucune_Station), u"F9BAD"_s);
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray contenu = f.readAll();
        QVERIFY(contenu.contains("[Setup]"));
        QVERIFY(contenu.contains("[Setup%20]"));
    }

    void ecritureRemplaceEtNombresEnTexte() {
        QTemporaryDir d;
        Reglages r(d.filePath(u"SWL.ini"_s));
        const QString s = Reglages::Section_Station(u"F1ABC"_s);
        r.Ecrire_Reglage(s, cle::Bande_Carte, -1);
        QCOMPARE(r.Lire_Reglage(s, cle::Bande_Carte, 0), u"-1"_s);
        r.Ecrire_Reglage(s, cle::Transceiver, u"FT-817, 5 W"_s);
        QCOMPARE(r.Lire_Reglage(s, cle::Transceiver, u""_s), u"FT-817, 5 W"_s);
        r.Ecrire_Reglage(s, cle::Revision, u" 1.0.5"_s);
        QCOMPARE(r.Lire_Reglage(s, cle::Revision, u""_s), u" 1.0.5"_s);
    }

    void indexInvalideDonneZero_data() {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<int>("index");
        QTest::newRow("valide") << u"12"_s << 12;
        QTest::newRow("hors liste") << u"13"_s << 0;
        QTest::newRow("négatif") << u"-1"_s << 0;
        QTest::newRow("pas un nombre") << u"abc"_s << 0;
        QTest::newRow("vide") << u""_s << 0;
    }
    void indexInvalideDonneZero() {
        QFETCH(QString, stocke);
        QFETCH(int, index);
        QTemporaryDir d;
        Reglages r(d.filePath(u"SWL.ini"_s));
        r.Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, stocke);
        QCOMPARE(r.Lire_Index(u"Setup F1ABC"_s, cle::Bande_Utilisee, 13), index);
    }
};

QTEST_APPLESS_MAIN(Tst_Reglages)
#include "tst_reglages.moc"
