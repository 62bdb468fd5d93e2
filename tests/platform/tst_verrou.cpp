#include "platform/verrou_programme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

class Tst_Verrou : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What a power cut or a crash leaves behind never blocks the next start.
    void verrouLaisseDerriereRepris_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("illisible") << QByteArray("\xff\x00\x12garbage", 10);
        QTest::newRow("processus disparu") << QByteArray("999999999\nhote\n");
    }
    void verrouLaisseDerriereRepris() {
        QFETCH(QByteArray, contenu);
        QTemporaryDir d;
        const QString chemin = d.filePath(u"ORBEL_SWL.lock"_s);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
        f.close();
        Verrou_Programme verrou(chemin);
        QCOMPARE(verrou.Prend(), Verrou_Programme::Etat::Pris);
        QCOMPARE(verrou.Message(), QString());
    }

    void secondeCopieRefusee() {
        QTemporaryDir d;
        const QString chemin = d.filePath(u"ORBEL_SWL.lock"_s);
        {
            Verrou_Programme premier(chemin);
            QCOMPARE(premier.Prend(), Verrou_Programme::Etat::Pris);
            Verrou_Programme second(chemin);
            QCOMPARE(second.Prend(), Verrou_Programme::Etat::Deja_Ouvert);
            QCOMPARE(second.Message(),
                     u"ORBEL_SWL est déjà ouvert.\r\nUtilisez la fenêtre déjà ouverte\u00A0: deux "
                     u"ORBEL_SWL ouverts en même temps écraseraient leurs changements du "
                     u"journal."_s);
        }
        // Once the first copy has ended, the next one starts.
        Verrou_Programme apres(chemin);
        QCOMPARE(apres.Prend(), Verrou_Programme::Etat::Pris);
    }

    // A lock that cannot be made says why, never that another copy is open.
    void verrouImpossibleDitPourquoi_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("raison");
        QTest::newRow("un dossier à sa place") << u"ORBEL_SWL.lock"_s << u"un dossier porte ce nom"_s;
        QTest::newRow("dossier absent") << u"absent/ORBEL_SWL.lock"_s << u"son dossier n'existe pas"_s;
    }
    void verrouImpossibleDitPourquoi() {
        QFETCH(QString, nom);
        QFETCH(QString, raison);
        QTemporaryDir d;
        QDir(d.path()).mkdir(u"ORBEL_SWL.lock"_s);
        Verrou_Programme verrou(d.filePath(nom));
        QCOMPARE(verrou.Prend(), Verrou_Programme::Etat::Impossible);
        QCOMPARE(verrou.Message(), u"ORBEL_SWL ne peut pas créer son fichier de verrou «\u00A0"_s +
                                       d.filePath(nom) + u"\u00A0»\u00A0: "_s + raison +
                                       u".\r\nVérifiez que le dossier de ORBEL_SWL peut être modifié, puis "
                                       u"relancez le programme."_s);
    }
};

QTEST_APPLESS_MAIN(Tst_Verrou)
#include "tst_verrou.moc"
