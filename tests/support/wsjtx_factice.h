#pragma once

// Datagrams as WSJT-X and JTDX send them, written the way they write them: Qt's data stream,
// version 5.4, big-endian. Used by the tests and the benchmarks.
#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QTime>

namespace swl_test {

inline constexpr quint32 Magique = 0xadbccbdaU;

// A datagram of `type` from program `id`: the header, then what `corps` writes.
template <typename Corps>
QByteArray Datagramme(quint32 type, const QByteArray& id, quint32 schema, Corps corps) {
    QByteArray d;
    QDataStream s(&d, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_4);
    s << Magique << schema << type << id;
    corps(s);
    return d;
}

inline QByteArray Battement(const QByteArray& id = "WSJT-X", quint32 schema = 2) {
    return Datagramme(0, id, schema,
                      [](QDataStream& s) { s << quint32{3} << QByteArray("2.6.1") << QByteArray(""); });
}

// A status of every field a program sends; only the dial frequency and mode are read.
inline QByteArray Etat(quint64 hz, const QByteArray& mode, const QByteArray& id = "WSJT-X",
                       quint32 schema = 2) {
    return Datagramme(1, id, schema, [&](QDataStream& s) {
        s << hz << mode << QByteArray("DL1ABC") << QByteArray("-12") << mode << true << false << true
          << quint32{1500} << quint32{1200} << QByteArray("F5XYZ") << QByteArray("JN18") << QByteArray("JO62")
          << false << QByteArray() << false << quint8{0} << quint32{10} << quint32{15} << QByteArray("Défaut")
          << QByteArray("DL1ABC F5XYZ -12");
    });
}

inline QByteArray Decode(const QTime& heure, qint32 snr, const QByteArray& texte,
                         const QByteArray& marque = "~", const QByteArray& id = "WSJT-X", bool faible = false,
                         bool hors = false, quint32 schema = 2) {
    return Datagramme(2, id, schema, [&](QDataStream& s) {
        s << true << heure << snr << 0.2 << quint32{1234} << marque << texte << faible << hors;
    });
}

inline QByteArray Simple(quint32 type, const QByteArray& id = "WSJT-X", quint32 schema = 2) {
    return Datagramme(type, id, schema, [](QDataStream&) {});
}

} // namespace swl_test
