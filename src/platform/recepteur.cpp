#include "platform/recepteur.h"

#include <QTcpServer>

#include <csignal>
#include <sys/prctl.h>
#include <utility>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Delai_Maximal_Ms = 60000;
// rigctld takes a moment to listen after it starts: the connection is tried again meanwhile.
constexpr int Essais_Connexion_Maximum = 50;
constexpr int Attente_Entre_Essais_Ms = 200;
// The most bytes read at once; the reader keeps no more than one short line of them.
constexpr qint64 Octets_Par_Lecture = 65536;
// A mode line followed by this long a silence is a mode given without its passband.
constexpr qint64 Silence_Apres_Mode_Ms = 100;

// A port nobody listens on now, for the rigctld the program starts.
quint16 Port_Libre() {
    QTcpServer essai;
    if (!essai.listen(QHostAddress::LocalHost, 0)) {
        return 4532;
    }
    return essai.serverPort();
}

QString Secondes(int ms) {
    return QString::number((ms + 999) / 1000) + u"\u00A0s"_s;
}

} // namespace

Recepteur::Recepteur(QObject* parent) : QObject(parent) {
    statut_ = u"non configuré"_s;
    reessai_.setSingleShot(true);
    socket_.setReadBufferSize(Octets_Par_Lecture);
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(&reessai_, &QTimer::timeout, this, &Recepteur::Demarre);
    connect(&sondage_, &QTimer::timeout, this, &Recepteur::Sonde);
    connect(&socket_, &QTcpSocket::connected, this, [this] {
        connecte_ = true;
        essais_connexion_ = 0;
        lecteur_.Oublie();
        Change_Statut(u"connecté"_s);
        sondage_.start(reglage_.intervalle_ms);
        Sonde();
    });
    connect(&socket_, &QTcpSocket::readyRead, this, &Recepteur::Lit);
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError erreur) {
        if (arret_voulu_) {
            return;
        }
        // The rigctld just started is not listening yet.
        if (!connecte_ && erreur == QAbstractSocket::ConnectionRefusedError &&
            reglage_.sorte == Reglage_Recepteur::Sorte::Modele && Rigctld_En_Marche() &&
            ++essais_connexion_ < Essais_Connexion_Maximum) {
            QTimer::singleShot(Attente_Entre_Essais_Ms, this, [this] {
                if (!connecte_ && Rigctld_En_Marche()) {
                    Ouvre_Socket();
                }
            });
            return;
        }
        Echec(Raison_Socket(erreur));
    });
}

Recepteur::~Recepteur() {
    Arrete();
}

void Recepteur::Configure(const Reglage_Recepteur& reglage) {
    Arrete();
    reglage_ = reglage;
    delai_ms_ = delai_initial_ms;
    if (lecture_ != Lecture_Recepteur{}) {
        lecture_ = {};
        Q_EMIT Lecture(lecture_);
    }
    if (reglage_.sorte == Reglage_Recepteur::Sorte::Aucun) {
        Change_Statut(u"non configuré"_s);
        return;
    }
    Demarre();
}

void Recepteur::Oublie_Demandes() {
    lecteur_.Oublie();
    accord_hz_ = 0;
    // The recorder's commands never answered: said so, in their order.
    for (const bool demarre : std::exchange(enregistreur_envoye_, {}) + std::exchange(enregistreur_, {})) {
        Q_EMIT Enregistreur_Repond(demarre, -1);
    }
}

void Recepteur::Arrete() {
    arret_voulu_ = true;
    sondage_.stop();
    reessai_.stop();
    socket_.abort();
    Arrete_Rigctld();
    Oublie_Demandes();
    connecte_ = false;
    arret_voulu_ = false;
}

void Recepteur::Demarre() {
    Change_Statut(u"connexion…"_s);
    essais_connexion_ = 0;
    if (reglage_.sorte == Reglage_Recepteur::Sorte::Modele) {
        Lance_Rigctld();
    } else {
        Ouvre_Socket();
    }
}

void Recepteur::Lance_Rigctld() {
    port_ = Port_Libre();
    // Every value is an argument of its own: nothing typed by the user goes through a shell.
    QStringList arguments = {u"-m"_s, QString::number(reglage_.modele)};
    if (!reglage_.peripherique.isEmpty()) {
        arguments << u"-r"_s << reglage_.peripherique;
    }
    if (reglage_.vitesse > 0) {
        arguments << u"-s"_s << QString::number(reglage_.vitesse);
    }
    arguments << u"-T"_s << u"127.0.0.1"_s << u"-t"_s << QString::number(port_);
    rigctld_ = new QProcess;
    rigctld_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A program ended by a signal still stops its rigctld, which would keep the serial port.
    rigctld_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    rigctld_->setStandardOutputFile(QProcess::nullDevice());
    connect(rigctld_, &QProcess::started, this, &Recepteur::Ouvre_Socket);
    connect(rigctld_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError erreur) {
        if (erreur == QProcess::FailedToStart) {
            Echec(u"rigctld n'a pas pu être lancé (paquet libhamlib-utils installé\u00A0?)"_s);
        }
    });
    connect(rigctld_, &QProcess::finished, this, [this] { Echec(u"rigctld s'est arrêté"_s); });
    rigctld_->start(programme, arguments);
}

bool Recepteur::Rigctld_En_Marche() const {
    return rigctld_ && rigctld_->state() == QProcess::Running;
}

void Recepteur::Arrete_Rigctld() {
    QProcess* p = std::exchange(rigctld_, nullptr);
    if (!p) {
        return;
    }
    disconnect(p, nullptr, this, nullptr);
    if (p->state() == QProcess::NotRunning) {
        p->deleteLater();
        return;
    }
    // Left to end on its own: the window never waits for a rigctld stuck on its serial port.
    connect(p, &QProcess::finished, p, &QObject::deleteLater);
    p->terminate();
    QTimer::singleShot(2000, p, [p] { p->kill(); });
}

void Recepteur::Ouvre_Socket() {
    socket_.abort();
    if (reglage_.sorte == Reglage_Recepteur::Sorte::Modele) {
        socket_.connectToHost(QHostAddress::LocalHost, port_);
    } else {
        socket_.connectToHost(reglage_.hote, quint16(reglage_.port));
    }
}

QString Recepteur::Raison_Socket(QAbstractSocket::SocketError erreur) const {
    const QString adresse = reglage_.sorte == Reglage_Recepteur::Sorte::Modele
                                ? QString(u"127.0.0.1:"_s + QString::number(port_))
                                : QString(reglage_.hote + u':' + QString::number(reglage_.port));
    switch (erreur) {
    case QAbstractSocket::RemoteHostClosedError:
        return u"rigctld s'est arrêté"_s;
    case QAbstractSocket::ConnectionRefusedError:
        return u"rigctld ne répond pas à "_s + adresse;
    case QAbstractSocket::HostNotFoundError:
        return u"la machine «\u00A0"_s + reglage_.hote + u"\u00A0» est introuvable"_s;
    case QAbstractSocket::SocketTimeoutError:
        return u"rigctld ne répond pas à "_s + adresse + u" (délai dépassé)"_s;
    default:
        return u"connexion impossible à "_s + adresse;
    }
}

void Recepteur::Echec(const QString& raison) {
    const bool etait_connecte = connecte_;
    sondage_.stop();
    socket_.abort();
    connecte_ = false;
    Oublie_Demandes();
    Arrete_Rigctld();
    if (etait_connecte && lecture_ != Lecture_Recepteur{}) {
        lecture_ = {};
        Q_EMIT Lecture(lecture_);
    }
    if (reglage_.sorte == Reglage_Recepteur::Sorte::Aucun) {
        return;
    }
    Change_Statut(raison + u", nouvel essai dans "_s + Secondes(delai_ms_));
    reessai_.start(delai_ms_);
    delai_ms_ = qMin(delai_ms_ * 2, Delai_Maximal_Ms);
}

void Recepteur::Sonde() {
    if (!connecte_) {
        return;
    }
    if (lecteur_.En_Attente() > 0) {
        // A mode without its passband (SDRangel): the server said nothing more since.
        if (depuis_demande_.elapsed() >= Silence_Apres_Mode_Ms) {
            if (const auto r = lecteur_.Mode_Sans_Largeur()) {
                Traite(*r);
                return;
            }
        }
        // A receiver that never answers: the connection starts again, its late answers lost.
        if (depuis_demande_.elapsed() > reglage_.intervalle_ms + delai_reponse_ms) {
            Echec(u"pas de réponse du récepteur"_s);
        }
        return;
    }
    Envoie(Lecteur_Rigctl::Demande::Frequence, "f\n");
}

void Recepteur::Envoie(Lecteur_Rigctl::Demande demande, const QByteArray& ligne) {
    lecteur_.Attend(demande);
    depuis_demande_.start();
    socket_.write(ligne);
}

bool Recepteur::Accorde(qint64 hz) {
    if (!connecte_ || !Frequence_Valide(hz)) {
        return false;
    }
    // One request at a time: an SDR program (GQRX) answers only the first of two sent
    // together. The tuning waits for the answer on its way; the last one asked wins.
    accord_hz_ = hz;
    if (lecteur_.En_Attente() == 0) {
        Envoie_Suivante();
    }
    return true;
}

bool Recepteur::Commande_Enregistreur(bool demarre) {
    if (!connecte_) {
        return false;
    }
    enregistreur_.append(demarre);
    if (lecteur_.En_Attente() == 0) {
        Envoie_Suivante();
    }
    return true;
}

void Recepteur::Envoie_Suivante() {
    if (!enregistreur_.isEmpty()) {
        const bool demarre = enregistreur_.takeFirst();
        enregistreur_envoye_.append(demarre);
        Envoie(Lecteur_Rigctl::Demande::Enregistreur, demarre ? "AOS\n" : "LOS\n");
    } else if (accord_hz_ > 0) {
        Envoie(Lecteur_Rigctl::Demande::Accord,
               "F " + QByteArray::number(std::exchange(accord_hz_, 0)) + '\n');
    }
}

void Recepteur::Lit() {
    while (connecte_ && socket_.bytesAvailable() > 0) {
        const QByteArray octets = socket_.read(Octets_Par_Lecture);
        for (const Lecteur_Rigctl::Reponse& r : lecteur_.Ajoute(octets)) {
            if (!Traite(r)) {
                return;
            }
        }
        depuis_demande_.start();
    }
}

bool Recepteur::Traite(const Lecteur_Rigctl::Reponse& r) {
    if (!r.lisible) {
        Echec(u"réponse illisible du récepteur"_s);
        return false;
    }
    if (r.erreur != 0) {
        erreur_tour_ =
            (r.erreur == 5 ? u"pas de réponse du récepteur\u00A0: "_s : u"erreur du récepteur\u00A0: "_s) +
            Erreur_Hamlib(r.erreur);
    }
    switch (r.demande) {
    case Lecteur_Rigctl::Demande::Frequence:
        en_cours_.hz = r.erreur == 0 && Frequence_Valide(r.hz) ? r.hz : 0;
        Envoie(Lecteur_Rigctl::Demande::Mode, "m\n");
        return true;
    case Lecteur_Rigctl::Demande::Mode:
        // The round is complete: its frequency and mode together.
        ++tours_;
        en_cours_.mode = r.erreur == 0 ? r.mode : QString();
        en_cours_.passband = r.erreur == 0 ? r.passband : 0;
        Change_Statut(erreur_tour_.isEmpty() ? u"connecté"_s : erreur_tour_);
        // A server that read well is no failing server: the next drop (another program taking
        // GQRX's one connection) is tried again after the first delay.
        if (erreur_tour_.isEmpty()) {
            delai_ms_ = delai_initial_ms;
        }
        erreur_tour_.clear();
        if (en_cours_ != lecture_) {
            lecture_ = en_cours_;
            Q_EMIT Lecture(lecture_);
        }
        break;
    case Lecteur_Rigctl::Demande::Accord:
        if (r.erreur != 0) {
            Change_Statut(u"accord refusé\u00A0: "_s + Erreur_Hamlib(r.erreur));
            erreur_tour_.clear();
        }
        break;
    case Lecteur_Rigctl::Demande::Enregistreur:
        erreur_tour_.clear();
        if (!enregistreur_envoye_.isEmpty()) {
            Q_EMIT Enregistreur_Repond(enregistreur_envoye_.takeFirst(), r.erreur);
        }
        break;
    }
    if (lecteur_.En_Attente() == 0) {
        Envoie_Suivante();
    }
    return true;
}

void Recepteur::Change_Statut(const QString& statut) {
    if (statut != statut_) {
        statut_ = statut;
        Q_EMIT Statut_Change(statut_);
    }
}

} // namespace swl
