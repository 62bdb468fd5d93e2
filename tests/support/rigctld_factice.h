#pragma once

// Hamlib's dummy receiver (rigctld -m 1) for the tests of the receiver, as a listener may have
// started it, and a second connection to change it as another program would.
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace swl::test {

inline quint16 Port_Libre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// Hamlib's dummy receiver on `port`, as a listener may have started it.
class Rigctld_Factice final {
public:
    explicit Rigctld_Factice(quint16 port) : port_(port) { Demarre(); }
    ~Rigctld_Factice() { Arrete(); }
    void Demarre() {
        p_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p_.start(QStringLiteral("rigctld"),
                 {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                  QStringLiteral("127.0.0.1"), QStringLiteral("-t"), QString::number(port_)});
        QVERIFY(p_.waitForStarted());
        // rigctld may take some seconds before it answers (more when started again on the same
        // port): waited for in real time, each try patient.
        QElapsedTimer depuis;
        depuis.start();
        QByteArray reponse;
        while ((reponse = Commande("f")).isEmpty() && depuis.elapsed() < 30000) {
            QTest::qWait(100);
        }
        QVERIFY2(!reponse.isEmpty(), "rigctld -m 1 does not answer");
    }
    void Arrete() {
        p_.kill();
        p_.waitForFinished();
    }
    // A command through a connection of its own, as another program would send it. Hamlib's
    // rigctld now and then leaves a new connection unanswered: the command is sent again on
    // another one (each command here may be sent twice without harm).
    QByteArray Commande(const QByteArray& commande) const {
        QByteArray reponse;
        for (int essai = 0; essai < 3 && reponse.isEmpty(); ++essai) {
            reponse = Une_Commande(commande);
        }
        return reponse;
    }
    quint16 port() const { return port_; }

private:
    QByteArray Une_Commande(const QByteArray& commande) const {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port_);
        if (!s.waitForConnected(1000)) {
            return {};
        }
        s.write(commande + '\n');
        s.waitForBytesWritten(1000);
        QByteArray reponse;
        if (s.waitForReadyRead(3000)) {
            reponse = s.readAll();
            while (s.waitForReadyRead(100)) {
                reponse += s.readAll();
            }
        }
        return reponse.trimmed();
    }

    quint16 port_;
    QProcess p_;
};

} // namespace swl::test
