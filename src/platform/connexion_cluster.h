#pragma once

#include "core/radio/cluster.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>

namespace swl {

// A telnet session with a DX-cluster node, never blocking the window: logs in with the
// listener's callsign when the node asks for it, hands every line over, and after a drop
// tries again after a growing delay. Nothing is sent but the login and the user's commands.
class Connexion_Cluster final : public QObject {
    Q_OBJECT
public:
    explicit Connexion_Cluster(QObject* parent = nullptr);
    ~Connexion_Cluster() override;
    Q_DISABLE_COPY_MOVE(Connexion_Cluster)

    void Connecte(const QString& hote, quint16 port, const QString& indicatif);
    // Asked by the user: no new attempt follows.
    void Deconnecte();
    // Connected, connecting, or waiting to try again.
    bool Active() const { return active_; }
    bool Connectee() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // A command typed by the user, followed by CR LF.
    void Envoie(const QString& commande);

    // The first wait before trying again after a drop, in ms; it doubles at each failure.
    int delai_initial_ms = 5000;
    // How long a connection may take to be made, in ms.
    int delai_connexion_ms = 15000;
    // How long a connection must last before a drop waits the first delay again, in ms: a
    // node that closes right after the login is tried less and less often.
    int duree_stable_ms = 60000;
    // The most bytes read at once: a flood is handed over in parts, the window answering
    // between them.
    qint64 octets_par_lecture = 32768;

Q_SIGNALS:
    // The status line, in French.
    void Etat(const QString& texte);
    // The complete lines of the node, in order, a part of what arrived at a time.
    void Lignes(const QStringList& lignes);

private:
    void Ouvre();
    void Lit();
    void Perdue(const QString& raison);
    QString Raison() const;

    QTcpSocket socket_;
    QTimer reessai_;
    QTimer limite_;
    QTimer stable_;
    bool lecture_prevue_ = false;
    Flux_Telnet flux_;
    QString hote_;
    quint16 port_ = 0;
    QString indicatif_;
    bool active_ = false;
    bool login_envoye_ = false;
    int essai_ = 0;
};

} // namespace swl
