#pragma once

#include <QByteArrayView>
#include <QString>
#include <QTime>

#include <optional>

namespace swl {

class Reglages;

// What WSJT-X and JTDX send on UDP to the programs that listen to them: big-endian numbers
// (Qt's data stream, version 5.4), a magic number and a schema number, then the message type
// and the sending program's id. Only the messages a listener needs are read.
inline constexpr quint32 Magique_WSJTX = 0xadbccbdaU;

struct Message_WSJTX {
    enum class Sorte {
        Battement,  // heartbeat (0)
        Etat,       // status (1): dial frequency and mode
        Decode,     // decode (2)
        Effacement, // clear (3)
        Fermeture,  // close (6)
        Autre       // any other type: skipped
    };
    Sorte sorte = Sorte::Autre;
    quint32 type = 0;
    QString client; // the sending program's id ("WSJT-X", "JTDX"…)
    // Status
    quint64 frequence_hz = 0;
    QString mode; // "FT8", "FT4"…
    // Decode
    bool nouveau = false;
    QTime heure; // UTC, to the millisecond
    qint32 snr = 0;
    double decalage_temps = 0;
    quint32 decalage_frequence = 0;
    QString marque_mode; // one character: "~" FT8, "+" FT4
    QString texte;       // the decoded message ("CQ F5ABC JN18")
    bool faible_confiance = false;
    bool hors_antenne = false; // a replay, not a signal heard now
};

// The message a datagram holds, or nothing when it cannot be read whole: shorter than its
// fields, another magic number, a schema other than 2 or 3, a length past its end, a time that
// is no time of day. Never reads past the datagram's end.
std::optional<Message_WSJTX> Lit_Datagramme_WSJTX(QByteArrayView datagramme);

// Where the decodes are listened to, and whether they are.
struct Reglage_Ecoute {
    bool active = false;
    QString adresse = QStringLiteral("127.0.0.1"); // or a multicast group, "239.255.0.1"
    int port = 2237;
    bool operator==(const Reglage_Ecoute&) const = default;
};
// What is stored, a damaged value read as its default.
Reglage_Ecoute Lit_Reglage_Ecoute(const Reglages& reglages);
void Ecrit_Reglage_Ecoute(Reglages& reglages, const Reglage_Ecoute& r);

} // namespace swl
