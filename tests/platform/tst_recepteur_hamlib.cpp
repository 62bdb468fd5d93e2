// The receiver through Hamlib's own rigctld (its dummy receiver, model 1), and through servers
// that answer badly: the window is never blocked and nothing wrong is ever read.
#include "platform/recepteur.h"
#include "support/rigctld_factice.h"
#include "support/serveur_sdr.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using swl::Lecture_Recepteur;
using swl::Recepteur;
using swl::Reglage_Recepteur;

Q_DECLARE_METATYPE(swl::Lecture_Recepteur)

using swl::test::Port_Libre;
using swl::test::Rigctld_Factice;
using swl::test::Serveur_SDR;

namespace {

// A server that answers each request line from a script: "f" and "m" get their answer, or
// nothing.
class Serveur_Factice final : public QObject {
public:
    QTcpServer serveur;
    QByteArray reponse_f;
    QByteArray reponse_m;
    int demandes = 0;
    Serveur_Factice() {
        serveur.listen(QHostAddress::LocalHost, 0);
        connect(&serveur, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = serveur.nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                while (s->canReadLine()) {
                    const QByteArray ligne = s->readLine().trimmed();
                    ++demandes;
                    s->write(ligne == "f" ? reponse_f : ligne == "m" ? reponse_m : QByteArray());
                }
            });
        });
    }
};

Reglage_Recepteur Vers(quint16 port) {
    Reglage_Recepteur r;
    r.sorte = Reglage_Recepteur::Sorte::Rigctld;
    r.hote = u"127.0.0.1"_s;
    r.port = port;
    r.intervalle_ms = 200;
    return r;
}

} // namespace

class Tst_Recepteur_Hamlib : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<Lecture_Recepteur>(); }

    void litLeRecepteurEtSuitSesChangements() {
        Rigctld_Factice rigctld(Port_Libre());
        Recepteur r;
        QSignalSpy lectures(&r, &Recepteur::Lecture);
        r.Configure(Vers(rigctld.port()));
        QCOMPARE(r.Statut(), u"connexion…"_s);
        QTRY_COMPARE(r.Derniere_Lecture().hz, 145'000'000);
        QCOMPARE(r.Derniere_Lecture().mode, u"FM"_s);
        QCOMPARE(r.Statut(), u"connecté"_s);
        QVERIFY(r.Connecte());

        QCOMPARE(rigctld.Commande("F 7074000"), "RPRT 0");
        QCOMPARE(rigctld.Commande("M PKTUSB 3000"), "RPRT 0");
        QTRY_COMPARE(r.Derniere_Lecture(), (Lecture_Recepteur{7'074'000, u"PKTUSB"_s, 3000}));
        // One signal a change, never one a round.
        const int avant = lectures.size();
        QTest::qWait(700);
        QCOMPARE(lectures.size(), avant);
    }

    void accordeLeRecepteur() {
        Rigctld_Factice rigctld(Port_Libre());
        Recepteur r;
        QVERIFY(!r.Accorde(14'074'000)); // nothing configured: nothing sent
        r.Configure(Vers(rigctld.port()));
        QTRY_VERIFY(r.Connecte());
        QVERIFY(!r.Accorde(0));
        QVERIFY(!r.Accorde(20'000'000'000));
        QVERIFY(r.Accorde(14'074'000));
        QTRY_COMPARE(r.Derniere_Lecture().hz, 14'074'000);
        QCOMPARE(rigctld.Commande("f"), "14074000");
    }

    void rigctldArreteEtRevenu() {
        Rigctld_Factice rigctld(Port_Libre());
        Recepteur r;
        r.delai_initial_ms = 300;
        r.Configure(Vers(rigctld.port()));
        QTRY_COMPARE(r.Statut(), u"connecté"_s);
        rigctld.Arrete();
        QTRY_COMPARE(r.Statut(), u"rigctld s'est arrêté, nouvel essai dans 1\u00A0s"_s);
        // The frequency is no longer known.
        QCOMPARE(r.Derniere_Lecture().hz, 0);
        QTRY_VERIFY(r.Statut().startsWith(u"rigctld ne répond pas à 127.0.0.1:"_s));
        rigctld.Demarre();
        QTRY_COMPARE_WITH_TIMEOUT(r.Statut(), u"connecté"_s, 30000);
        QTRY_COMPARE(r.Derniere_Lecture().hz, 145'000'000);
    }

    // The program's own rigctld: started with the model chosen, stopped with the choice.
    void lanceRigctld() {
        Recepteur r;
        Reglage_Recepteur reglage;
        reglage.sorte = Reglage_Recepteur::Sorte::Modele;
        reglage.modele = 1;
        reglage.intervalle_ms = 200;
        r.Configure(reglage);
        QTRY_COMPARE_WITH_TIMEOUT(r.Derniere_Lecture().hz, 145'000'000, 10000);
        QCOMPARE(r.Statut(), u"connecté"_s);
        QSignalSpy lectures(&r, &Recepteur::Lecture);
        r.Configure({});
        QCOMPARE(r.Statut(), u"non configuré"_s);
        QCOMPARE(lectures.size(), 1);
        QCOMPARE(r.Derniere_Lecture(), Lecture_Recepteur{});
    }

    void rigctldIntrouvable() {
        Recepteur r;
        r.programme = u"rigctld-qui-n-existe-pas"_s;
        Reglage_Recepteur reglage;
        reglage.sorte = Reglage_Recepteur::Sorte::Modele;
        r.Configure(reglage);
        QTRY_COMPARE(r.Statut(), u"rigctld n'a pas pu être lancé (paquet libhamlib-utils installé\u00A0?), "
                                 "nouvel essai dans 1\u00A0s"_s);
    }

    // What the user typed reaches rigctld as one argument each, never through a shell.
    void argumentsSansShell() {
        QTemporaryDir d;
        const QString script = d.filePath(u"faux_rigctld"_s);
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname "
                "\"$0\")/arguments\"\nsleep 30\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        Recepteur r;
        r.programme = script;
        Reglage_Recepteur reglage;
        reglage.sorte = Reglage_Recepteur::Sorte::Modele;
        reglage.modele = 3071;
        reglage.peripherique = u"/dev/ttyUSB0; touch "_s + d.filePath(u"pirate"_s) + u" $(id)"_s;
        reglage.vitesse = 9600;
        r.Configure(reglage);
        QTRY_VERIFY(QFileInfo(d.filePath(u"arguments"_s)).size() > 0);
        QFile a(d.filePath(u"arguments"_s));
        QVERIFY(a.open(QIODevice::ReadOnly));
        const QStringList arguments = QString::fromUtf8(a.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(arguments.mid(0, 6),
                 (QStringList{u"-m"_s, u"3071"_s, u"-r"_s, reglage.peripherique, u"-s"_s, u"9600"_s}));
        QCOMPARE(arguments.mid(6, 3), (QStringList{u"-T"_s, u"127.0.0.1"_s, u"-t"_s}));
        QVERIFY(!QFile::exists(d.filePath(u"pirate"_s)));
        r.Configure({}); // stops the script
    }

    // GQRX's names for CW, synchronous AM and stereo FM are read; a tuning asked in the middle
    // of a reading waits for it (GQRX would leave the second of two requests unanswered).
    void lesModesDeGQRX() {
        Serveur_SDR gqrx;
        Recepteur r;
        r.Configure(Vers(gqrx.serveur.serverPort()));
        QTRY_COMPARE(r.Derniere_Lecture(), (Lecture_Recepteur{14'200'000, u"USB"_s, 2400}));
        for (const auto& [mode, largeur] : QList<std::pair<QByteArray, qint64>>{
                 {"CWU", 500}, {"CWL", 500}, {"AMS", 10000}, {"WFM_ST", 160000}}) {
            gqrx.mode = mode;
            gqrx.largeur = largeur;
            QTRY_COMPARE(r.Derniere_Lecture().mode, QString::fromLatin1(mode));
            QCOMPARE(r.Derniere_Lecture().passband, largeur);
            QCOMPARE(r.Statut(), u"connecté"_s);
        }
        for (int i = 0; i < 10; ++i) {
            QVERIFY(r.Accorde(7'000'000 + i * 1000));
            QTest::qWait(30);
        }
        QTRY_COMPARE(r.Derniere_Lecture().hz, 7'009'000);
        QTest::qWait(500);
        QCOMPARE(gqrx.ignorees, 0);
        QCOMPARE(r.Statut(), u"connecté"_s);
    }

    // The recorder's commands each wait for the answer on its way, in their order with a
    // tuning, and each answer is told; a server that never answers tells them lost.
    void commandesDeLEnregistreur() {
        Serveur_SDR gqrx;
        Recepteur r;
        QSignalSpy reponses(&r, &Recepteur::Enregistreur_Repond);
        QVERIFY(!r.Commande_Enregistreur(true));
        r.Configure(Vers(gqrx.serveur.serverPort()));
        QTRY_VERIFY(r.Connecte());
        QVERIFY(r.Commande_Enregistreur(true));
        QVERIFY(r.Accorde(7'010'000));
        QVERIFY(r.Commande_Enregistreur(false));
        QTRY_COMPARE(reponses.size(), 2);
        QCOMPARE(reponses[0], (QList<QVariant>{true, 0}));
        QCOMPARE(reponses[1], (QList<QVariant>{false, 0}));
        QTRY_COMPARE(r.Derniere_Lecture().hz, 7'010'000);
        QCOMPARE(gqrx.ignorees, 0);
        QCOMPARE(gqrx.Commandes(), (QStringList{u"AOS"_s, u"LOS"_s, u"F 7010000"_s}));
        QCOMPARE(r.Statut(), u"connecté"_s);
        // Silent: both commands said lost when the connection ends.
        gqrx.reponse_enregistreur.clear();
        r.delai_reponse_ms = 300;
        reponses.clear();
        QVERIFY(r.Commande_Enregistreur(true));
        QVERIFY(r.Commande_Enregistreur(false));
        QTRY_COMPARE(reponses.size(), 2);
        QCOMPARE(reponses[0], (QList<QVariant>{true, -1}));
        QCOMPARE(reponses[1], (QList<QVariant>{false, -1}));
    }

    // Dropped each time another program takes GQRX's one connection: each time tried again
    // after the first delay, since every connection in between read well.
    void GQRXPrisParUnAutreProgramme() {
        Serveur_SDR gqrx;
        Recepteur r;
        r.delai_initial_ms = 300;
        r.Configure(Vers(gqrx.serveur.serverPort()));
        for (int fois = 0; fois < 3; ++fois) {
            QTRY_COMPARE(r.Statut(), u"connecté"_s);
            const qint64 tours = r.Tours();
            QTRY_VERIFY(r.Tours() > tours);
            gqrx.Autre_Client();
            QTRY_COMPARE(r.Statut(), u"rigctld s'est arrêté, nouvel essai dans 1\u00A0s"_s);
        }
        QTRY_COMPARE(r.Derniere_Lecture().hz, 14'200'000);
    }

    // A server that accepts and never answers still waits longer each time.
    void serveurMuetAttendDePlusEnPlus() {
        Serveur_Factice muet;
        Recepteur r;
        r.delai_initial_ms = 1000;
        r.delai_reponse_ms = 100;
        r.Configure(Vers(muet.serveur.serverPort()));
        QTRY_COMPARE(r.Statut(), u"pas de réponse du récepteur, nouvel essai dans 1\u00A0s"_s);
        QTRY_COMPARE_WITH_TIMEOUT(r.Statut(), u"pas de réponse du récepteur, nouvel essai dans 2\u00A0s"_s,
                                  5000);
    }

    // SDRangel: mode and passband on one line, or the mode alone.
    void lesReponsesDeSDRangel() {
        Serveur_SDR sdrangel;
        sdrangel.une_ligne = true;
        Recepteur r;
        r.Configure(Vers(sdrangel.serveur.serverPort()));
        QTRY_COMPARE(r.Derniere_Lecture(), (Lecture_Recepteur{14'200'000, u"USB"_s, 2400}));
        sdrangel.mode = "AM";
        sdrangel.largeur = 0;
        QTRY_COMPARE(r.Derniere_Lecture(), (Lecture_Recepteur{14'200'000, u"AM"_s, 0}));
        const qint64 tours = r.Tours();
        QTRY_VERIFY(r.Tours() > tours + 2);
        QCOMPARE(r.Statut(), u"connecté"_s);
    }

    void serveursQuiRepondentMal_data() {
        QTest::addColumn<QByteArray>("f");
        QTest::addColumn<QByteArray>("m");
        QTest::addColumn<QString>("statut");
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<bool>("une_lecture");

        QTest::newRow("muet") << QByteArray() << QByteArray()
                              << u"pas de réponse du récepteur, nouvel essai dans 1\u00A0s"_s << qint64(0)
                              << false;
        QTest::newRow("charabia") << QByteArray("\x01\x02\u00A0?\n") << QByteArray("\xff\n")
                                  << u"réponse illisible du récepteur, nouvel essai dans 1\u00A0s"_s
                                  << qint64(0) << false;
        QTest::newRow("un mégaoctet sur une ligne")
            << QByteArray(1 << 20, '1') + '\n'
            << QByteArray("USB\n2400\n") << u"réponse illisible du récepteur, nouvel essai dans 1\u00A0s"_s
            << qint64(0) << false;
        QTest::newRow("récepteur éteint")
            << QByteArray("RPRT -5\n") << QByteArray("RPRT -5\n")
            << u"pas de réponse du récepteur\u00A0: délai de communication dépassé (RPRT -5)"_s << qint64(0)
            << false;
        QTest::newRow("fréquence nulle")
            << QByteArray("0\n") << QByteArray("USB\n2400\n") << u"connecté"_s << qint64(0) << true;
        QTest::newRow("fréquence négative")
            << QByteArray("-7074000\n") << QByteArray("USB\n2400\n") << u"connecté"_s << qint64(0) << true;
        QTest::newRow("au-delà de 10 GHz")
            << QByteArray("10000000001\n") << QByteArray("USB\n2400\n") << u"connecté"_s << qint64(0) << true;
    }
    void serveursQuiRepondentMal() {
        QFETCH(QByteArray, f);
        QFETCH(QByteArray, m);
        QFETCH(QString, statut);
        QFETCH(qint64, hz);
        QFETCH(bool, une_lecture);
        Serveur_Factice serveur;
        serveur.reponse_f = f;
        serveur.reponse_m = m;
        Recepteur r;
        r.delai_reponse_ms = 300;
        QSignalSpy lectures(&r, &Recepteur::Lecture);
        r.Configure(Vers(serveur.serveur.serverPort()));
        QTRY_COMPARE(r.Statut(), statut);
        QCOMPARE(r.Derniere_Lecture().hz, hz);
        QCOMPARE(lectures.size(), une_lecture ? 1 : 0);
        if (une_lecture) {
            QCOMPARE(r.Derniere_Lecture().mode, u"USB"_s);
        }
    }
};

QTEST_GUILESS_MAIN(Tst_Recepteur_Hamlib)
#include "tst_recepteur_hamlib.moc"
