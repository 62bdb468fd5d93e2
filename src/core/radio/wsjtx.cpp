#include "core/radio/wsjtx.h"

#include "core/program/reglages.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Reads big-endian fields one after another; once a field does not fit, every later read
// fails too.
class Lecteur {
public:
    explicit Lecteur(QByteArrayView octets) : octets_(octets) {}

    bool Valide() const { return valide_; }

    template <typename T> T Nombre() {
        if (!Prend(sizeof(T))) {
            return T{};
        }
        T v;
        std::memcpy(&v, octets_.data() + position_ - sizeof(T), sizeof(T));
        return qFromBigEndian(v);
    }
    bool Booleen() { return Nombre<quint8>() != 0; }
    double Reel() { return std::bit_cast<double>(Nombre<quint64>()); }
    // A byte array of a 32-bit length (0xffffffff: null), read as UTF-8.
    QString Texte() {
        const quint32 longueur = Nombre<quint32>();
        if (!valide_ || longueur == 0xffffffffU) {
            return {};
        }
        if (!Prend(longueur)) {
            return {};
        }
        return QString::fromUtf8(octets_.sliced(position_ - longueur, longueur));
    }

private:
    bool Prend(qsizetype n) {
        if (!valide_ || n > octets_.size() - position_) {
            valide_ = false;
            return false;
        }
        position_ += n;
        return true;
    }

    QByteArrayView octets_;
    qsizetype position_ = 0;
    bool valide_ = true;
};

} // namespace

std::optional<Message_WSJTX> Lit_Datagramme_WSJTX(QByteArrayView datagramme) {
    Lecteur l(datagramme);
    if (l.Nombre<quint32>() != Magique_WSJTX) {
        return std::nullopt;
    }
    const quint32 schema = l.Nombre<quint32>();
    if (schema != 2 && schema != 3) {
        return std::nullopt;
    }
    Message_WSJTX m;
    m.type = l.Nombre<quint32>();
    m.client = l.Texte();
    if (!l.Valide()) {
        return std::nullopt;
    }
    switch (m.type) {
    case 0:
        m.sorte = Message_WSJTX::Sorte::Battement;
        break;
    case 1:
        m.sorte = Message_WSJTX::Sorte::Etat;
        m.frequence_hz = l.Nombre<quint64>();
        m.mode = l.Texte();
        break;
    case 2: {
        m.sorte = Message_WSJTX::Sorte::Decode;
        m.nouveau = l.Booleen();
        const quint32 ms = l.Nombre<quint32>();
        m.snr = l.Nombre<qint32>();
        m.decalage_temps = l.Reel();
        m.decalage_frequence = l.Nombre<quint32>();
        m.marque_mode = l.Texte();
        m.texte = l.Texte();
        m.faible_confiance = l.Booleen();
        m.hors_antenne = l.Booleen();
        // A null time (0xffffffff) or one past midnight is no moment of a decode.
        if (ms >= 24U * 3600U * 1000U) {
            return std::nullopt;
        }
        m.heure = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
        break;
    }
    case 3:
        m.sorte = Message_WSJTX::Sorte::Effacement;
        break;
    case 6:
        m.sorte = Message_WSJTX::Sorte::Fermeture;
        break;
    default:
        break;
    }
    if (!l.Valide()) {
        return std::nullopt;
    }
    return m;
}

Reglage_Ecoute Lit_Reglage_Ecoute(const Reglages& reglages) {
    const QString section = Reglages::Section_Commune();
    Reglage_Ecoute r;
    r.active = reglages.Lire_Reglage(section, cle::Ecoute_FT8, u"Non"_s).trimmed() == u"Oui"_s;
    const QString adresse = reglages.Lire_Reglage(section, cle::Adresse_FT8, r.adresse).trimmed();
    if (!adresse.isEmpty()) {
        r.adresse = adresse;
    }
    bool ok = false;
    const int port = reglages.Lire_Reglage(section, cle::Port_FT8, r.port).trimmed().toInt(&ok);
    if (ok && port >= 1 && port <= 65535) {
        r.port = port;
    }
    return r;
}

void Ecrit_Reglage_Ecoute(Reglages& reglages, const Reglage_Ecoute& r) {
    reglages.Ecrire_Reglages(Reglages::Section_Commune(), {{cle::Ecoute_FT8, r.active ? u"Oui"_s : u"Non"_s},
                                                           {cle::Adresse_FT8, r.adresse},
                                                           {cle::Port_FT8, QString::number(r.port)}});
}

} // namespace swl
