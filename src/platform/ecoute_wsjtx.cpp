#include "platform/ecoute_wsjtx.h"

#include "core/program/horloge.h"
#include "core/radio/recepteur.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Ecoute_WSJTX::Ecoute_WSJTX(const Horloge& horloge, QObject* parent) : QObject(parent), horloge_(horloge) {
    statut_ = u"écoute arrêtée"_s;
    connect(&socket_, &QUdpSocket::readyRead, this, &Ecoute_WSJTX::Lit);
    silence_.setInterval(15'000);
    connect(&silence_, &QTimer::timeout, this, &Ecoute_WSJTX::Verifie_Silence);
}

QString Ecoute_WSJTX::Controle_Adresse(const QString& adresse) {
    const QHostAddress a(adresse.trimmed());
    if (a.isNull()) {
        return u"L'adresse d'écoute «\u00A0"_s + adresse.trimmed().left(60) +
               u"\u00A0» n'est pas une adresse IP (exemples\u00A0: 127.0.0.1, ou le groupe multicast 239.255.0.1)."_s;
    }
    return {};
}

QString Ecoute_WSJTX::Ecoute() const {
    const QHostAddress a(reglage_.adresse);
    const QString hote =
        a.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + reglage_.adresse + u']' : reglage_.adresse;
    return hote + u':' + QString::number(reglage_.port);
}

void Ecoute_WSJTX::Configure(const Reglage_Ecoute& reglage) {
    socket_.close();
    silence_.stop();
    reglage_ = reglage;
    reglage_.adresse = reglage_.adresse.trimmed();
    complement_.clear();
    if (!reglage_.active) {
        Change_Statut(u"écoute arrêtée"_s);
        return;
    }
    if (const QString erreur = Controle_Adresse(reglage_.adresse); !erreur.isEmpty()) {
        Change_Statut(u"écoute impossible\u00A0: "_s + erreur);
        return;
    }
    const QHostAddress adresse(reglage_.adresse);
    const auto port = static_cast<quint16>(reglage_.port);
    bool lie = false;
    if (adresse.isMulticast()) {
        // A group is shared: every program listening to it gets each datagram.
        const QHostAddress tout = adresse.protocol() == QAbstractSocket::IPv6Protocol ? QHostAddress::AnyIPv6
                                                                                      : QHostAddress::AnyIPv4;
        lie = socket_.bind(tout, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
        if (lie) {
            bool rejoint = false;
            for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
                if (i.flags().testFlag(QNetworkInterface::IsUp) &&
                    (i.flags().testFlag(QNetworkInterface::CanMulticast) ||
                     i.flags().testFlag(QNetworkInterface::IsLoopBack))) {
                    rejoint |= socket_.joinMulticastGroup(adresse, i);
                }
            }
            rejoint = rejoint || socket_.joinMulticastGroup(adresse);
            if (!rejoint) {
                complement_ = u"le groupe "_s + reglage_.adresse + u" n'a pas pu être rejoint ("_s +
                              socket_.errorString() + u')';
            }
        }
    } else {
        // Not shared: another program on this port is said, instead of both missing datagrams.
        lie = socket_.bind(adresse, port, QAbstractSocket::DontShareAddress);
    }
    if (!lie) {
        if (socket_.error() == QAbstractSocket::AddressInUseError) {
            Change_Statut(u"port occupé\u00A0: "_s + Ecoute() +
                          u" est déjà utilisé par un autre programme. Fermez-le, choisissez un autre port, "
                          u"ou faites envoyer WSJT-X à un groupe multicast (239.255.0.1) que plusieurs "
                          u"programmes peuvent écouter ensemble."_s);
        } else {
            Change_Statut(u"écoute impossible sur "_s + Ecoute() + u"\u00A0: "_s + socket_.errorString());
        }
        socket_.close();
        return;
    }
    dernier_message_ = horloge_.Maintenant_Utc();
    recu_ = false;
    silence_.start();
    Change_Statut(u"à l'écoute de "_s + Ecoute() +
                  (complement_.isEmpty() ? QString() : u"\u00A0: "_s + complement_));
}

void Ecoute_WSJTX::Lit() {
    bool lu = false;
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_.receiveDatagram();
        const auto m = Lit_Datagramme_WSJTX(d.data());
        if (!m) {
            ++rejetes_;
            continue;
        }
        ++lus_;
        lu = true;
        recu_ = true;
        const QDateTime maintenant = horloge_.Maintenant_Utc();
        assemblage_.Recoit(*m, maintenant);
        dernier_message_ = maintenant;
        // The status names the program (its id is shown cut to a readable length).
        const QString client = m->client.left(30);
        if (m->sorte == Message_WSJTX::Sorte::Fermeture) {
            complement_ = client + u" fermé"_s;
        } else if (m->sorte == Message_WSJTX::Sorte::Etat || complement_.isEmpty() ||
                   client != dernier_client_) {
            const auto etat = assemblage_.Etat(m->client);
            const qint64 hz = static_cast<qint64>(qMin<quint64>(etat.first, 1ULL << 62));
            complement_ =
                Frequence_Valide(hz) ? client + u", "_s + Texte_Frequence(hz, etat.second.left(10)) : client;
        }
        dernier_client_ = client;
    }
    if (lu) {
        Change_Statut(u"à l'écoute de "_s + Ecoute() + u"\u00A0: "_s + complement_);
        Q_EMIT QSO_Changes();
    }
}

void Ecoute_WSJTX::Verifie_Silence() {
    const qint64 minutes = dernier_message_.secsTo(horloge_.Maintenant_Utc()) / 60;
    if (minutes >= 1 && !recu_) {
        // Nothing ever came: most often WSJT-X sends elsewhere.
        Change_Statut(
            u"à l'écoute de "_s + Ecoute() +
            u" — aucun message reçu\u00A0: vérifiez dans WSJT-X l'adresse UDP (Settings → Reporting → "
            u"UDP Server\u00A0: "_s +
            reglage_.adresse + u", port "_s + QString::number(reglage_.port) + u')');
    } else if (minutes >= 1) {
        Change_Statut(u"à l'écoute de "_s + Ecoute() + u"\u00A0: aucun message depuis "_s +
                      QString::number(minutes) + u" min"_s);
    }
}

void Ecoute_WSJTX::Change_Statut(const QString& statut) {
    if (statut != statut_) {
        statut_ = statut;
        Q_EMIT Statut_Change(statut_);
    }
}

} // namespace swl
