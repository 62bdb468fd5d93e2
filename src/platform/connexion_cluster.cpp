#include "platform/connexion_cluster.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

Connexion_Cluster::Connexion_Cluster(QObject* parent) : QObject(parent) {
    reessai_.setSingleShot(true);
    limite_.setSingleShot(true);
    stable_.setSingleShot(true);
    connect(&stable_, &QTimer::timeout, this, [this] { essai_ = 0; });
    connect(&reessai_, &QTimer::timeout, this, &Connexion_Cluster::Ouvre);
    connect(&limite_, &QTimer::timeout, this, [this] {
        socket_.abort();
        Perdue(u"le nœud ne répond pas"_s);
    });
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        limite_.stop();
        stable_.start(duree_stable_ms);
        login_envoye_ = false;
        Q_EMIT Etat(u"Connecté à "_s + hote_ + u':' + QString::number(port_));
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &Connexion_Cluster::Lit);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this] { Perdue(Raison()); });
    connect(&socket_, &QTcpSocket::disconnected, this, [this] { Perdue(u"le nœud a fermé la connexion"_s); });
}

Connexion_Cluster::~Connexion_Cluster() {
    // The socket closes without telling anyone: its window is going too.
    active_ = false;
    socket_.disconnect(this);
    socket_.abort();
}

void Connexion_Cluster::Connecte(const QString& hote, quint16 port, const QString& indicatif) {
    hote_ = hote;
    port_ = port;
    indicatif_ = indicatif;
    active_ = true;
    essai_ = 0;
    Ouvre();
}

void Connexion_Cluster::Ouvre() {
    if (!active_) {
        return;
    }
    socket_.abort();
    flux_ = {};
    login_envoye_ = false;
    Q_EMIT Etat(u"Connexion à "_s + hote_ + u':' + QString::number(port_) + u"…"_s);
    limite_.start(delai_connexion_ms);
    socket_.connectToHost(hote_, port_);
}

void Connexion_Cluster::Deconnecte() {
    active_ = false;
    reessai_.stop();
    limite_.stop();
    stable_.stop();
    socket_.abort();
    Q_EMIT Etat(u"Déconnecté"_s);
}

void Connexion_Cluster::Envoie(const QString& commande) {
    if (Connectee()) {
        socket_.write(commande.toLatin1() + "\r\n");
    }
}

void Connexion_Cluster::Lit() {
    lecture_prevue_ = false;
    const QStringList lignes = flux_.Ajoute(socket_.read(octets_par_lecture));
    if (!lignes.isEmpty()) {
        Q_EMIT Lignes(lignes);
    }
    if (socket_.bytesAvailable() > 0 && !lecture_prevue_) {
        // The rest after the window has answered its events.
        lecture_prevue_ = true;
        QTimer::singleShot(0, this, &Connexion_Cluster::Lit);
    }
    if (login_envoye_) {
        return;
    }
    if (Demande_Indicatif(flux_.En_Attente())) {
        // The prompt is a line of its own: what follows the login starts a new one.
        Q_EMIT Lignes({flux_.Termine_En_Attente()});
    } else if (lignes.isEmpty() || !Demande_Indicatif(lignes.last())) {
        return;
    }
    login_envoye_ = true;
    socket_.write(indicatif_.toLatin1() + "\r\n");
}

void Connexion_Cluster::Perdue(const QString& raison) {
    limite_.stop();
    stable_.stop();
    if (!active_ || reessai_.isActive()) {
        return;
    }
    const int delai = Delai_Reconnexion_Ms(++essai_, delai_initial_ms);
    Q_EMIT Etat(u"Erreur\u00A0: "_s + raison + u" — nouvel essai dans "_s +
                QString::number((delai + 999) / 1000) + u"\u00A0s"_s);
    reessai_.start(delai);
}

QString Connexion_Cluster::Raison() const {
    switch (socket_.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return u"connexion refusée par le nœud"_s;
    case QAbstractSocket::HostNotFoundError:
        return u"nœud introuvable (pas de réseau, ou nom inconnu)"_s;
    case QAbstractSocket::RemoteHostClosedError:
        return u"le nœud a fermé la connexion"_s;
    case QAbstractSocket::SocketTimeoutError:
        return u"le nœud ne répond pas"_s;
    case QAbstractSocket::NetworkError:
        return u"réseau indisponible"_s;
    default:
        return socket_.errorString();
    }
}

} // namespace swl
