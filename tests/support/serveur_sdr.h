#pragma once

// An SDR program's own rigctl server, as GQRX answers: one client at a time (a new one drops the
// one before), only the first of several requests that arrive together, its own mode names.
// `une_ligne`: as SDRangel, the mode and passband on one line ("USB 2700"), or the mode alone.
// `AOS` and `LOS` start and stop its recorder: answered `reponse_enregistreur` ("RPRT 0", even
// with its recording box off, as SDR++), after `enregistreur` did what the test asks.
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <functional>

namespace swl::test {

class Serveur_SDR final : public QObject {
public:
    QTcpServer serveur;
    qint64 hz = 14'200'000;
    QByteArray mode = "USB";
    qint64 largeur = 2400;
    bool une_ligne = false;
    QStringList recues; // every request answered
    int ignorees = 0;   // requests left unanswered
    QByteArray reponse_enregistreur = "RPRT 0\n";
    std::function<void(bool demarre)> enregistreur;
    Serveur_SDR() {
        serveur.listen(QHostAddress::LocalHost, 0);
        connect(&serveur, &QTcpServer::newConnection, this, [this] {
            if (client_) {
                client_->disconnectFromHost();
            }
            client_ = serveur.nextPendingConnection();
            QTcpSocket* s = client_;
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                QList<QByteArray> lignes = s->readAll().split('\n');
                lignes.removeAll(QByteArray());
                if (lignes.isEmpty()) {
                    return;
                }
                ignorees += int(lignes.size()) - 1;
                const QByteArray ligne = lignes.first().trimmed();
                recues.append(QString::fromLatin1(ligne));
                if (ligne == "f") {
                    s->write(QByteArray::number(hz) + '\n');
                } else if (ligne == "m") {
                    QByteArray reponse = mode;
                    if (!une_ligne) {
                        reponse += '\n' + QByteArray::number(largeur);
                    } else if (largeur > 0) {
                        reponse += ' ' + QByteArray::number(largeur);
                    }
                    s->write(reponse + '\n');
                } else if (ligne.startsWith("F ")) {
                    hz = ligne.mid(2).toLongLong();
                    s->write("RPRT 0\n");
                } else if (ligne == "AOS" || ligne == "LOS") {
                    if (enregistreur) {
                        enregistreur(ligne == "AOS");
                    }
                    s->write(reponse_enregistreur);
                }
            });
        });
    }
    // Another program takes the server's one connection, then leaves.
    void Autre_Client() {
        QTcpSocket autre;
        autre.connectToHost(QHostAddress::LocalHost, serveur.serverPort());
        QVERIFY(autre.waitForConnected(1000));
        QTRY_VERIFY(client_ && client_->peerPort() == autre.localPort());
        autre.disconnectFromHost();
    }
    // The requests received but the readings (`f`, `m`).
    QStringList Commandes() const {
        QStringList c;
        for (const QString& r : recues) {
            if (r != u"f" && r != u"m") {
                c << r;
            }
        }
        return c;
    }

private:
    QPointer<QTcpSocket> client_;
};

} // namespace swl::test
