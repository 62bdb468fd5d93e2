#pragma once

// Hamlib's dummy receiver (rigctld -m 1) for the tests of the receiver, as a listener may have
// started it, and a second connection to change it as another program would.
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
        // A rigctld started again on the same port may take some seconds to answer.
        QTRY_VERIFY_WITH_TIMEOUT(!Commande("f").isEmpty(), 30000);
    }
    void Arrete() {
        p_.kill();
        p_.waitForFinished();
    }
    // A command through a connection of its own, as another program would send it.
    QByteArray Commande(const QByteArray& commande) const {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port_);
        if (!s.waitForConnected(1000)) {
            return {};
        }
        s.write(commande + '\n');
        s.waitForBytesWritten(1000);
        QByteArray reponse;
        while (s.waitForReadyRead(300)) {
            reponse += s.readAll();
        }
        return reponse.trimmed();
    }
    quint16 port() const { return port_; }

private:
    quint16 port_;
    QProcess p_;
};

} // namespace swl::test
