#pragma once

#include "core/radio/qso_entendus.h"
#include "core/radio/wsjtx.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

namespace swl {

class Horloge;

// Listens to the UDP messages of WSJT-X or JTDX and assembles their decodes into heard QSOs.
// Bound to an address of this computer (127.0.0.1 by default), or to a multicast group that
// other programs listen to as well. Reads every datagram as it comes, never blocking.
class Ecoute_WSJTX final : public QObject {
    Q_OBJECT
public:
    explicit Ecoute_WSJTX(const Horloge& horloge, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Ecoute_WSJTX)

    // Stops listening, then listens as `reglage` says (nothing when it is off).
    void Configure(const Reglage_Ecoute& reglage);
    const Reglage_Ecoute& Reglage() const { return reglage_; }
    bool A_L_Ecoute() const { return socket_.state() == QAbstractSocket::BoundState; }
    QString Statut() const { return statut_; }

    const Assemblage_QSO& Assemblage() const { return assemblage_; }
    Assemblage_QSO& Assemblage() { return assemblage_; }
    // Datagrams read whole, and those dropped (not a message of these programs).
    qint64 Lus() const { return lus_; }
    qint64 Rejetes() const { return rejetes_; }

    // Says in the status how long no message came, from a minute on (every 15 s by a timer).
    void Verifie_Silence();

    // Why an address cannot be listened to (in French), or empty.
    static QString Controle_Adresse(const QString& adresse);

Q_SIGNALS:
    // In French: "à l'écoute de 127.0.0.1:2237", "port occupé : …", "écoute arrêtée"…
    void Statut_Change(const QString& statut);
    // Datagrams were read: the heard QSOs may have changed.
    void QSO_Changes();

private:
    void Lit();
    void Change_Statut(const QString& statut);
    QString Ecoute() const;

    const Horloge& horloge_;
    Reglage_Ecoute reglage_;
    QUdpSocket socket_;
    QTimer silence_;
    Assemblage_QSO assemblage_;
    QDateTime dernier_message_; // or the start of listening
    QString dernier_client_;
    bool recu_ = false;  // a message read since listening started
    QString complement_; // what the last message said (program, frequency), or a joining failure
    QString statut_;
    qint64 lus_ = 0;
    qint64 rejetes_ = 0;
};

} // namespace swl
