// The real embedded browser: a page that loads, and the French page shown when it cannot.
#include "platform/navigateur_differe.h"
#include "platform/navigateur_web.h"

#include <QApplication>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

namespace {

// A web server on this machine answering every request with one status and body.
struct Serveur_Web {
    QTcpServer serveur;
    QByteArray reponse;
    Serveur_Web(int statut, const QByteArray& corps) {
        reponse = "HTTP/1.1 " + QByteArray::number(statut) + (statut == 200 ? " OK" : " Not Found") +
                  "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                  QByteArray::number(corps.size()) + "\r\nConnection: close\r\n\r\n" + corps;
        serveur.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur, &QTcpServer::newConnection, &serveur, [this] {
            QTcpSocket* s = serveur.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                if (s->readAll().contains("\r\n\r\n")) {
                    s->write(reponse);
                    s->disconnectFromHost();
                }
            });
        });
    }
    QString Adresse() const {
        return u"http://127.0.0.1:"_s + QString::number(serveur.serverPort()) + u"/dxc/top_250_HF.html"_s;
    }
};

QString Texte(QWebEngineView* vue) {
    QString texte;
    bool fini = false;
    vue->page()->toPlainText([&](const QString& t) {
        texte = t;
        fini = true;
    });
    for (int i = 0; i < 500 && !fini; ++i) {
        QTest::qWait(10);
    }
    return texte;
}

} // namespace

class Tst_Navigateur_Web : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The same page through the web module the program loads when the page is first shown.
    void pageAffichee_data() {
        QTest::addColumn<bool>("module");
        QTest::newRow("lié") << false;
        QTest::newRow("module chargé à la demande") << true;
    }
    void pageAffichee() {
        QFETCH(bool, module);
        Serveur_Web serveur(200, "<html><body><h1>Top 250 HF</h1><p>TX5S 412</p></body></html>");
        QWidget fenetre;
        Fabrique_Navigateur_Web liee;
        Fabrique_Navigateur_Differee differee(QStringLiteral(SWL_MODULE_WEB));
        Navigateur* n = module ? differee.Nouveau(&fenetre) : liee.Nouveau(&fenetre);
        QCOMPARE(differee.Erreur(), QString());
        fenetre.show();
        n->Navigue(serveur.Adresse());
        auto* vue = qobject_cast<QWebEngineView*>(n->Vue());
        QVERIFY(vue);
        QCOMPARE(vue->objectName(), u"WebBrowser1"_s);
        QTRY_VERIFY_WITH_TIMEOUT(Texte(vue).contains(u"TX5S 412"_s), 90000);
    }

    // A module missing from the installation: a French page in place of the browser, once.
    void moduleAbsent() {
        QTemporaryDir d;
        const QString chemin = d.filePath(u"orbel_swl_web.so"_s);
        Fabrique_Navigateur_Differee fabrique(chemin);
        QWidget fenetre;
        Navigateur* n = fabrique.Nouveau(&fenetre);
        n->Navigue(u"http://127.0.0.1:1/dxc/top_250_HF.html"_s);
        auto* page = qobject_cast<QLabel*>(n->Vue());
        QVERIFY(page);
        QCOMPARE(page->objectName(), u"WebBrowser1"_s);
        QVERIFY2(page->text().startsWith(
                     u"La page du cluster ne peut pas être affichée\u00A0: le module web «\u00A0"_s + chemin +
                     u"\u00A0» n'a pas pu être chargé ("_s),
                 qPrintable(page->text()));
        QVERIFY(page->text().endsWith(u"). Réinstallez le programme pour le retrouver."_s));
        QCOMPARE(fabrique.Nouveau(&fenetre)->Vue()->objectName(), u"WebBrowser1"_s);
    }

    // A refused connection or an HTTP error: our French page naming the address and why.
    void pageIndisponible_data() {
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("raison");
        QTest::newRow("connexion refusée") << 0 << u"le site a refusé la connexion"_s;
        QTest::newRow("erreur 404") << 404 << u"erreur HTTP 404"_s;
    }
    void pageIndisponible() {
        QFETCH(int, statut);
        QFETCH(QString, raison);
        Serveur_Web serveur(statut ? statut : 404, "<html><body>page du serveur</body></html>");
        const QString adresse = serveur.Adresse();
        if (statut == 0) {
            serveur.serveur.close(); // nothing listens there any more
        }
        QWidget fenetre;
        Fabrique_Navigateur_Web fabrique;
        Navigateur* n = fabrique.Nouveau(&fenetre);
        fenetre.show();
        n->Navigue(adresse);
        auto* vue = qobject_cast<QWebEngineView*>(n->Vue());
        QTRY_VERIFY_WITH_TIMEOUT(Texte(vue).contains(u"ne peut pas être affichée"_s), 90000);
        const QString texte = Texte(vue);
        QVERIFY2(texte.contains(adresse), qPrintable(texte));
        QVERIFY2(texte.contains(raison), qPrintable(texte));
        QVERIFY(texte.contains(u"«\u00A0Afficher\u00A0»"_s));
        QVERIFY(!texte.contains(u"page du serveur"_s));
        // The site answered with an error: the Internet connection is not to blame.
        QCOMPARE(texte.contains(u"connexion à Internet"_s), statut == 0);
    }

    // A site that accepts the connection and never answers: a loading page first, then ours.
    void siteQuiNeRepondPas() {
        QTcpServer muet;
        QList<QTcpSocket*> clients;
        muet.listen(QHostAddress::LocalHost);
        QObject::connect(&muet, &QTcpServer::newConnection, &muet,
                         [&] { clients << muet.nextPendingConnection(); });
        const QString adresse =
            u"http://127.0.0.1:"_s + QString::number(muet.serverPort()) + u"/dxc/top_250_HF.html"_s;
        QWidget fenetre;
        Fabrique_Navigateur_Web fabrique(10000);
        Navigateur* n = fabrique.Nouveau(&fenetre);
        fenetre.show();
        n->Navigue(adresse);
        auto* vue = qobject_cast<QWebEngineView*>(n->Vue());
        QTRY_VERIFY_WITH_TIMEOUT(Texte(vue).contains(u"veuillez patienter"_s), 90000);
        QTRY_VERIFY_WITH_TIMEOUT(!clients.isEmpty(), 90000);
        QTRY_VERIFY_WITH_TIMEOUT(Texte(vue).contains(u"le site ne répond pas"_s), 90000);
        QVERIFY(Texte(vue).contains(adresse));
    }
};

QTEST_MAIN(Tst_Navigateur_Web)
#include "tst_navigateur_web.moc"
