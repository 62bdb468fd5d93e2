#include "core/countries/pays.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "core/reports/index_journal.h"
#include "platform/connexion_cluster.h"
#include "platform/fenetres.h"
#include "support/doubles.h"
#include "views/cluster.h"
#include "views/hote_cluster.h"
#include "views/modele_spots.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Hote_Test final : Hote_Cluster {
    QStringList pris;
    bool accepte = true;
    bool Prend_Spot(const QString& indicatif, const QString& bande) override {
        pris << indicatif + u" "_s + bande;
        return accepte;
    }
    QList<double> accords;
    bool recepteur = false;
    bool Accorde_Recepteur(double khz) override {
        accords << khz;
        return recepteur;
    }
};

struct Scene {
    Banc b;
    Hote_Test hote;
    std::unique_ptr<Cluster> c;
    QString station = u"F1ZZZ"_s;
    void Ouvre() {
        c = std::make_unique<Cluster>(
            b.services, [this] { return station; }, hote);
        c->show();
    }
    template <class T> T* C(const QString& nom) const {
        T* t = c->findChild<T*>(nom);
        if (!t) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return t;
    }
    QComboBox* Bande() const { return C<QComboBox>(u"Bande_CL"_s); }
    QString Reglage() const {
        return b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Bande_Cluster, u"absent"_s);
    }
    QStringList Indicatifs() const {
        QStringList l;
        const auto* m = C<QTableView>(u"Table_Spots"_s)->model();
        for (int i = 0; i < m->rowCount(); ++i) {
            l << m->index(i, Modele_Spots::Indicatif).data().toString();
        }
        return l;
    }
};

// A DX-cluster node on this machine: asks for the callsign, then sends what the test says.
struct Noeud {
    QTcpServer serveur;
    QTcpSocket* client = nullptr;
    QByteArray recu;
    int connexions = 0;
    Noeud() {
        serveur.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur, &QTcpServer::newConnection, &serveur, [this] {
            client = serveur.nextPendingConnection();
            ++connexions;
            recu.clear();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this] { recu += client->readAll(); });
            client->write("\xff\xfb\x01\xff\xfb\x03Bienvenue sur le noeud de test\r\nlogin: ");
        });
    }
    void Envoie(const QByteArray& octets) {
        client->write(octets);
        client->flush();
    }
};

const QByteArray Spots =
    "DX de F5ABC:     14025.0  K1ABC        CQ DX                          1234Z JN18\r\n"
    "WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms\r\n"
    "DX de DL1XYZ:     7012.5  JA1AAA       599 tnx QSO                    1235Z\r\n"
    "DX de G4XYZ:    144300.0  F6KXX        tropo                          1237Z IO91\r\n";

} // namespace

class Tst_Cluster_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void ouvertureSansReglage() {
        Scene s;
        s.Ouvre();
        QCOMPARE(s.c->windowTitle(), u"Cluster"_s);
        QCOMPARE(s.Bande()->count(), 14);
        QCOMPARE(s.Bande()->currentText(), u"All HF"_s);
        QVERIFY(s.Bande()->font().bold());
        QCOMPARE(s.Bande()->font().pointSizeF(), 9.75);
        QCOMPARE(s.b.navigateurs.adresses,
                 QStringList({u"http://dxcluster.sdr-radio.com/dxc/top_250_HF.html"_s}));
        QCOMPARE(s.Reglage(), u"0"_s);
        QCOMPARE(s.C<QLabel>(u"Label2"_s)->text(), u"Cluster (DxCluster)"_s);
        QCOMPARE(s.C<QLabel>(u"Label3"_s)->text(), u"Bande"_s);
        QCOMPARE(s.C<QLabel>(u"Label1"_s)->text(), u"Cluster remis a jour toutes les minutes"_s);
        QVERIFY(s.c->findChild<QWidget*>(u"WebBrowser1"_s));
    }

    void bandeAfficheeEtRetenue() {
        Scene s;
        s.Ouvre();
        s.Bande()->setCurrentIndex(12);
        QTest::mouseClick(s.C<QPushButton>(u"Afficher"_s), Qt::LeftButton);
        QCOMPARE(s.b.navigateurs.adresses.last(),
                 u"http://dxcluster.sdr-radio.com/dxc/top_50_430_MHz.html"_s);
        QCOMPARE(s.Reglage(), u"12"_s);
        s.c.reset();
        s.Ouvre();
        QCOMPARE(s.Bande()->currentText(), u"432 Mhz"_s);
        QCOMPARE(s.b.navigateurs.adresses.last(),
                 u"http://dxcluster.sdr-radio.com/dxc/top_50_430_MHz.html"_s);
        s.Bande()->setCurrentIndex(13);
        QTest::mouseClick(s.C<QPushButton>(u"Afficher"_s), Qt::LeftButton);
        QCOMPARE(s.b.navigateurs.adresses.last(), u"http://dxcluster.sdr-radio.com/dxc/top_250_VHF.html"_s);
    }

    // A stored value that is not a choice opens on "All HF"; -1 (no band chosen) is kept.
    void reglageRelu_data() {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("ecrit");
        QTest::newRow("texte") << u"abc"_s << u"/dxc/top_250_HF.html"_s << u"0"_s;
        QTest::newRow("hors liste") << u"20"_s << u"/dxc/top_250_HF.html"_s << u"0"_s;
        QTest::newRow("nombre en tête") << u"3xyz"_s << u"/dxc/top_50_7_MHz.html"_s << u"3"_s;
        QTest::newRow("aucun choix") << u"-1"_s << u"/dxc/top_50__MHz.html"_s << u"-1"_s;
    }
    void reglageRelu() {
        QFETCH(QString, stocke);
        QFETCH(QString, chemin);
        QFETCH(QString, ecrit);
        Scene s;
        s.b.reglages->Ecrire_Reglage(u"Setup F1ZZZ"_s, cle::Bande_Cluster, stocke);
        s.b.reglages->Ecrire_Reglage(u"Setup "_s, cle::Adresse_Cluster, u"http://127.0.0.1:8080/"_s);
        s.Ouvre();
        QCOMPARE(s.b.navigateurs.adresses, QStringList({u"http://127.0.0.1:8080"_s + chemin}));
        QCOMPARE(s.Reglage(), ecrit);
    }

    // The live spots of a node: login, spots in order, other lines in the raw pane, filter,
    // a spot handed to the entry form, a command, a drop and the new connection.
    void spotsDuNoeud() {
        Scene s;
        Noeud n;
        s.Ouvre();
        s.c->Connexion().delai_initial_ms = 50;
        QAbstractItemModelTester testeur(s.C<QTableView>(u"Table_Spots"_s)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        s.C<QLineEdit>(u"Noeud"_s)->setText(u"127.0.0.1"_s);
        s.C<QLineEdit>(u"Port"_s)->setText(QString::number(n.serveur.serverPort()));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        QTRY_COMPARE(n.recu, QByteArray("F1ZZZ\r\n"));
        QCOMPARE(s.C<QLabel>(u"Etat_Cluster"_s)->text(),
                 u"Connecté à 127.0.0.1:"_s + QString::number(n.serveur.serverPort()));
        QCOMPARE(s.C<QPushButton>(u"Connecte"_s)->text(), u"Déconnecter"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, cle::Port_Cluster, u""_s),
                 QString::number(n.serveur.serverPort()));
        n.Envoie(Spots);
        QTRY_COMPARE(s.Indicatifs(), QStringList({u"JA1AAA"_s, u"K1ABC"_s}));
        QCOMPARE(s.c->Spots().Nombre_Total(), 3);
        auto* journal = s.C<QPlainTextEdit>(u"Journal_Noeud"_s);
        QVERIFY(journal->toPlainText().contains(u"WWV de W0MU"_s));
        QVERIFY(journal->toPlainText().contains(u"login:"_s));
        QVERIFY(!journal->toPlainText().contains(u"K1ABC"_s));
        // A hostile line: a megabyte without an end, control characters; then a good spot.
        n.Envoie(QByteArray(1 << 20, 'X') + "\r\nDX de F5A:  14030.0  K2\x01ZZ  CQ  1240Z\r\n" +
                 "DX de F5ZZ:     14030.0  K2ZZZ        CQ                             1240Z\r\n");
        QTRY_COMPARE(s.Indicatifs(), QStringList({u"K2ZZZ"_s, u"JA1AAA"_s, u"K1ABC"_s}));
        QVERIFY(journal->toPlainText().contains(u"K2·ZZ"_s));
        // The band chosen filters the table.
        s.Bande()->setCurrentIndex(5);
        QCOMPARE(s.Indicatifs(), QStringList({u"K2ZZZ"_s, u"K1ABC"_s}));
        s.Bande()->setCurrentIndex(13);
        QCOMPARE(s.Indicatifs(), QStringList({u"F6KXX"_s}));
        s.Bande()->setCurrentIndex(3);
        s.C<QTabWidget>(u"Onglets"_s)->setCurrentIndex(1);
        auto* table = s.C<QTableView>(u"Table_Spots"_s);
        const QRect r = table->visualRect(table->model()->index(0, Modele_Spots::Indicatif));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(s.hote.pris, QStringList({u"JA1AAA 7.0 Mhz"_s}));
        QVERIFY(s.b.messages.textes.isEmpty());
        // No receiver connected: the status stays the node's.
        QCOMPARE(s.hote.accords, QList<double>({7012.5}));
        QVERIFY(s.C<QLabel>(u"Etat_Cluster"_s)->text().startsWith(u"Connecté à"_s));
        s.hote.recepteur = true;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(s.hote.accords, QList<double>({7012.5, 7012.5}));
        QCOMPARE(s.C<QLabel>(u"Etat_Cluster"_s)->text(),
                 u"Récepteur accordé sur le spot de JA1AAA\u00A0: 7\u00A0012,5\u00A0kHz."_s);
        // A form that refuses the spot: the receiver stays where the QSO being typed is.
        s.hote.accepte = false;
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(s.hote.accords.size(), 2);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].startsWith(u"La saisie n'attend pas un nouveau QSO"_s));
        // A command of the user, and nothing else, goes to the node.
        n.recu.clear();
        s.C<QLineEdit>(u"Commande"_s)->setText(u"sh/dx 5"_s);
        QTest::keyClick(s.C<QLineEdit>(u"Commande"_s), Qt::Key_Return);
        QTRY_COMPARE(n.recu, QByteArray("sh/dx 5\r\n"));
        // The node drops the connection: after a short wait the window connects and logs in again.
        n.client->disconnectFromHost();
        QTRY_VERIFY(s.C<QLabel>(u"Etat_Cluster"_s)->text().contains(u"nouvel essai dans"_s));
        QTRY_COMPARE(n.connexions, 2);
        QTRY_COMPARE(n.recu, QByteArray("F1ZZZ\r\n"));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        QCOMPARE(s.C<QLabel>(u"Etat_Cluster"_s)->text(), u"Déconnecté"_s);
        QCOMPARE(s.C<QPushButton>(u"Connecte"_s)->text(), u"Connecter"_s);
    }

    // A node that cannot be used: a message, and no connection is tried.
    void noeudInutilisable_data() {
        QTest::addColumn<QString>("noeud");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("station");
        QTest::addColumn<QString>("debut");
        QTest::newRow("nom vide") << u""_s << u"7300"_s << u"F1ZZZ"_s
                                  << u"Indiquez le nom du nœud du cluster"_s;
        QTest::newRow("port 0") << u"127.0.0.1"_s << u"0"_s << u"F1ZZZ"_s
                                << u"Le nœud «\u00A0127.0.0.1\u00A0», port «\u00A00\u00A0»"_s;
        QTest::newRow("port 65536") << u"127.0.0.1"_s << u"65536"_s << u"F1ZZZ"_s << u"Le nœud"_s;
        QTest::newRow("port en lettres") << u"127.0.0.1"_s << u"telnet"_s << u"F1ZZZ"_s << u"Le nœud"_s;
        QTest::newRow("sans indicatif")
            << u"127.0.0.1"_s << u"7300"_s << u"FXXXX"_s << u"Le nœud demande votre indicatif"_s;
    }
    void noeudInutilisable() {
        QFETCH(QString, noeud);
        QFETCH(QString, port);
        QFETCH(QString, station);
        QFETCH(QString, debut);
        Scene s;
        s.station = station;
        s.Ouvre();
        s.C<QLineEdit>(u"Noeud"_s)->setText(noeud);
        s.C<QLineEdit>(u"Port"_s)->setText(port);
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY2(s.b.messages.textes[0].startsWith(debut), qPrintable(s.b.messages.textes[0]));
        QVERIFY(!s.c->Connexion().Active());
        QCOMPARE(s.C<QPushButton>(u"Connecte"_s)->text(), u"Connecter"_s);
    }

    void reglagesDuNoeudParDefaut() {
        Scene s;
        s.Ouvre();
        QCOMPARE(s.C<QLineEdit>(u"Noeud"_s)->text(), u"hamqth.com"_s);
        QCOMPARE(s.C<QLineEdit>(u"Port"_s)->text(), u"7300"_s);
    }

    // Each spot says what its station would bring; "Seulement ce qui me manque" keeps those; a
    // double click through the filter takes the spot shown; one sound a batch, none within 10 s.
    void ceQueLeSpotApporte() {
        const auto pays =
            Fichier_Pays::Lit("France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F;\n"
                              "Japan:  25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n    JA;\n"
                              "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n"
                              "    DL;\n");
        Fiche_QSO f;
        f.Indicatif_A = u"F5AAA"_s;
        f.Dpt_A = u"29"_s;
        f.Date = u"01/06/08"_s;
        f.Heure = u"10:00"_s;
        f.Mode = u"SSB"_s;
        f.Bande = u"14 Mhz"_s;
        f.QSL = true;
        const QByteArray log =
            Forme_Ligne_Log(f).toLatin1() + "\r\n" +
            QString(Forme_Ligne_Log(f)).replace(0, 5, u"DL1XY"_s).replace(26, 2, u"  "_s).toLatin1() + "\r\n";
        Index_Journal index;
        index.Fixe_Pays(&*pays);
        index.Fixe_Annuaire("F4DIR        35 JEAN\r\n");
        index.Suit(Lignes_Log(log));
        Sons_Test sons;
        Scene s;
        s.b.services.nouveautes = &index;
        s.b.services.sons = &sons;
        Ecrit_Reglage_Alertes(*s.b.reglages, {true, true});
        Noeud n;
        s.Ouvre();
        s.Bande()->setCurrentIndex(-1);
        s.C<QLineEdit>(u"Noeud"_s)->setText(u"127.0.0.1"_s);
        s.C<QLineEdit>(u"Port"_s)->setText(QString::number(n.serveur.serverPort()));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        QTRY_COMPARE(n.recu, QByteArray("F1ZZZ\r\n"));
        n.Envoie("DX de G4XYZ:     14205.0  F5AAA        ssb 59                         1230Z\r\n"
                 "DX de G4XYZ:     14025.0  F4DIR        CQ                             1231Z\r\n"
                 "DX de G4XYZ:      7012.5  JA1AAA       599                            1232Z\r\n"
                 "DX de G4XYZ:      7074.0  DL1XYZ       FT8 -12                        1233Z\r\n");
        QTRY_COMPARE(s.Indicatifs().size(), 4);
        auto* table = s.C<QTableView>(u"Table_Spots"_s);
        QStringList marques;
        for (int r = 0; r < 4; ++r) {
            marques << table->model()->index(r, Modele_Spots::Indicatif).data().toString() + u' ' +
                           table->model()->index(r, Modele_Spots::Nouveau).data().toString();
        }
        QCOMPARE(marques, (QStringList{u"DL1XYZ nouveau pays sur 7.0 Mhz"_s, u"JA1AAA nouveau pays"_s,
                                       u"F4DIR nouveau département (35)"_s, u"F5AAA "_s}));
        QCOMPARE(table->model()->index(2, Modele_Spots::Nouveau).data(Qt::BackgroundRole).value<QColor>(),
                 Couleur_Nouveaute(Nouveaute::Nouveau_Departement));
        QCOMPARE(sons.joues, QList<Son_Alerte>{Son_Alerte::Nouveau_Departement});
        s.C<QCheckBox>(u"Manque_Seulement"_s)->click();
        QCOMPARE(s.Indicatifs(), (QStringList{u"DL1XYZ"_s, u"JA1AAA"_s, u"F4DIR"_s}));
        s.C<QTabWidget>(u"Onglets"_s)->setCurrentIndex(1);
        const QRect r = table->visualRect(table->model()->index(2, Modele_Spots::Indicatif));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(s.hote.pris, QStringList{u"F4DIR 14 Mhz"_s});
        // Another new country 5 s later: no sound; 11 s later: its sound.
        s.b.horloge.utc = s.b.horloge.utc.addSecs(5);
        n.Envoie("DX de G4XYZ:     21074.0  JA2BBB       FT8                            1234Z\r\n");
        QTRY_COMPARE(s.Indicatifs().size(), 4);
        QCOMPARE(sons.joues.size(), 1);
        s.b.horloge.utc = s.b.horloge.utc.addSecs(11);
        n.Envoie("DX de G4XYZ:     21074.0  JA3CCC       FT8                            1235Z\r\n");
        QTRY_COMPARE(s.Indicatifs().size(), 5);
        QCOMPARE(sons.joues, (QList<Son_Alerte>{Son_Alerte::Nouveau_Departement, Son_Alerte::Nouveau_Pays}));
    }

    // The 11-metre calling frequency has its band; a spot outside every band leaves the band
    // to choose, and says so.
    void spotsDu27EtHorsBande() {
        Scene s;
        Noeud n;
        s.Ouvre();
        s.Bande()->setCurrentIndex(-1);
        s.C<QLineEdit>(u"Noeud"_s)->setText(u"127.0.0.1"_s);
        s.C<QLineEdit>(u"Port"_s)->setText(QString::number(n.serveur.serverPort()));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        QTRY_COMPARE(n.recu, QByteArray("F1ZZZ\r\n"));
        n.Envoie("DX de F5ABC:     27555.0  14RC1        DX                             1228Z\r\n"
                 "DX de W1AW:      5357.0  K2XX         FT8                            1229Z\r\n");
        QTRY_COMPARE(s.Indicatifs(), QStringList({u"K2XX"_s, u"14RC1"_s}));
        auto* table = s.C<QTableView>(u"Table_Spots"_s);
        QCOMPARE(table->model()->index(1, Modele_Spots::Heure).data().toString(), u"12:28"_s);
        QCOMPARE(table->model()->headerData(Modele_Spots::Frequence, Qt::Horizontal).toString(),
                 u"Fréquence (kHz)"_s);
        s.C<QTabWidget>(u"Onglets"_s)->setCurrentIndex(1);
        for (const int rangee : {1, 0}) {
            const QRect r = table->visualRect(table->model()->index(rangee, Modele_Spots::Indicatif));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        }
        QCOMPARE(s.hote.pris, QStringList({u"14RC1 27 Mhz"_s, u"K2XX "_s}));
        QCOMPARE(s.C<QLabel>(u"Etat_Cluster"_s)->text(),
                 u"Spot de K2XX sur 5\u00A0357,0\u00A0kHz\u00A0: cette fréquence n'est dans aucune bande du "
                 u"journal, "
                 u"choisissez la bande dans la saisie."_s);
        // The comment column takes what the others leave.
        const auto* entete = table->horizontalHeader();
        QVERIFY(entete->sectionSize(Modele_Spots::Commentaire) >
                entete->sectionSize(Modele_Spots::Indicatif));
    }

    // A node that closes right after the login is tried less and less often: the delay grows
    // until a connection has lasted.
    void delaiQuiCroitApresDesConnexionsBreves() {
        Scene s;
        QTcpServer ferme;
        ferme.listen(QHostAddress::LocalHost);
        QObject::connect(&ferme, &QTcpServer::newConnection, &ferme, [&ferme] {
            QTcpSocket* c = ferme.nextPendingConnection();
            c->write("login: ");
            QObject::connect(c, &QTcpSocket::readyRead, c, [c] { c->disconnectFromHost(); });
        });
        s.Ouvre();
        s.c->Connexion().delai_initial_ms = 300;
        QStringList etats;
        QObject::connect(&s.c->Connexion(), &Connexion_Cluster::Etat, &ferme,
                         [&etats](const QString& e) { etats << e; });
        s.C<QLineEdit>(u"Noeud"_s)->setText(u"127.0.0.1"_s);
        s.C<QLineEdit>(u"Port"_s)->setText(QString::number(ferme.serverPort()));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        const auto essais = [&etats] { return etats.filter(u"nouvel essai dans"_s); };
        QTRY_VERIFY_WITH_TIMEOUT(essais().size() >= 3, 30000);
        QVERIFY2(essais()[0].endsWith(u"nouvel essai dans 1\u00A0s"_s), qPrintable(essais()[0]));
        QVERIFY2(essais()[2].endsWith(u"nouvel essai dans 2\u00A0s"_s), qPrintable(essais()[2]));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
    }

    // 20,000 spot lines at once: the table takes them in a few insertions, and the window
    // answers its events between the parts.
    void deferlementDeSpots() {
        Scene s;
        Noeud n;
        s.Ouvre();
        s.Bande()->setCurrentIndex(0);
        auto* modele = s.C<QTableView>(u"Table_Spots"_s)->model();
        QAbstractItemModelTester testeur(modele, QAbstractItemModelTester::FailureReportingMode::QtTest);
        s.C<QLineEdit>(u"Noeud"_s)->setText(u"127.0.0.1"_s);
        s.C<QLineEdit>(u"Port"_s)->setText(QString::number(n.serveur.serverPort()));
        QTest::mouseClick(s.C<QPushButton>(u"Connecte"_s), Qt::LeftButton);
        QTRY_COMPARE(n.recu, QByteArray("F1ZZZ\r\n"));
        int changements = 0;
        int tics = 0;
        int tics_au_premier = -1;
        int tics_au_dernier = -1;
        const auto change = [&] {
            ++changements;
            tics_au_premier = tics_au_premier < 0 ? tics : tics_au_premier;
            tics_au_dernier = tics;
        };
        QObject::connect(modele, &QAbstractItemModel::rowsInserted, modele, change);
        QObject::connect(modele, &QAbstractItemModel::modelReset, modele, change);
        QTimer horloge;
        QObject::connect(&horloge, &QTimer::timeout, &horloge, [&tics] { ++tics; });
        QByteArray deferlement;
        for (int i = 0; i < 20000; ++i) {
            deferlement += "DX de F5ABC:     14025.0  K" + QByteArray::number(i) +
                           "ZZ       CQ DX                          1234Z JN18\r\n";
        }
        horloge.start(1);
        n.Envoie(deferlement);
        QTRY_VERIFY_WITH_TIMEOUT(s.Indicatifs().value(0) == u"K19999ZZ"_s, 60000);
        QCOMPARE(s.c->Spots().Nombre_Total(), Modele_Spots::Nombre_Maximal);
        QCOMPARE(modele->rowCount(), Modele_Spots::Nombre_Maximal);
        QVERIFY2(changements <= 20000 / 100, qPrintable(QString::number(changements)));
        // Taken in parts, the window's timer running between the first and the last.
        QVERIFY2(changements > 1, qPrintable(QString::number(changements)));
        QVERIFY2(tics_au_dernier > tics_au_premier,
                 qPrintable(QString::number(tics_au_premier) + u' ' + QString::number(tics_au_dernier)));
    }

    void cinqCentsSpotsAuPlus() {
        Modele_Spots m;
        QAbstractItemModelTester testeur(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.Filtre(5);
        for (int i = 0; i < 600; ++i) {
            Spot s;
            s.indicatif = u"K"_s + QString::number(i);
            s.khz = i % 2 ? 14025 : 7025;
            s.bande = Bande_De_Frequence(s.khz);
            m.Ajoute(s);
        }
        QCOMPARE(m.Nombre_Total(), 500);
        QCOMPARE(m.rowCount(), 250);
        QCOMPARE(m.Spot_Affiche(0).indicatif, u"K599"_s);
        QCOMPARE(m.Spot_Affiche(249).indicatif, u"K101"_s);
        m.Filtre(0);
        QCOMPARE(m.rowCount(), 500);
    }
};

QTEST_MAIN(Tst_Cluster_Fenetre)
#include "tst_cluster.moc"
