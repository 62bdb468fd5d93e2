#pragma once

#include "core/radio/recepteur.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>

namespace swl {

// The receiver, read through Hamlib's rigctld over TCP, never blocking the window: a rigctld
// the program starts itself (on 127.0.0.1, a free port, stopped with the program or when the
// choice changes, started again after a growing delay if it dies) or one already running.
// Every interval it asks the frequency and mode (`f`, `m`); it sends nothing else but a
// tuning (`F`) the user asks for.
class Recepteur final : public QObject {
    Q_OBJECT
public:
    explicit Recepteur(QObject* parent = nullptr);
    ~Recepteur() override;
    Q_DISABLE_COPY_MOVE(Recepteur)

    // Stops what runs and starts with `reglage` ("Aucun": nothing runs).
    void Configure(const Reglage_Recepteur& reglage);
    const Reglage_Recepteur& Reglage() const { return reglage_; }
    // Sends `F hz` when a receiver is connected; false otherwise, and nothing is sent.
    bool Accorde(qint64 hz);
    // Asks an SDR program (GQRX, SDR++) to start its recorder (`AOS`) or to stop it (`LOS`),
    // after the request on its way; false when no receiver is connected, and nothing is sent.
    // `Enregistreur_Repond` tells the answer.
    bool Commande_Enregistreur(bool demarre);
    bool Connecte() const { return connecte_; }
    QString Statut() const { return statut_; }
    // What the receiver said last (frequency 0 when unknown or not valid).
    const Lecture_Recepteur& Derniere_Lecture() const { return lecture_; }
    // How many readings (frequency and mode) were answered since the program started.
    qint64 Tours() const { return tours_; }

    // The program started as rigctld (tests give another).
    QString programme = QStringLiteral("rigctld");
    // How long an answer may take beyond the interval before the receiver counts as silent.
    int delai_reponse_ms = 2000;
    // The first wait before starting rigctld again (or reaching it again), in ms; it doubles
    // at each failure up to a minute, and starts again from here once a reading succeeded.
    int delai_initial_ms = 1000;

Q_SIGNALS:
    // The frequency or mode read changed (a frequency not valid reads as 0).
    void Lecture(const swl::Lecture_Recepteur& lecture);
    // The status, in French: "non configuré", "connexion…", "connecté"…
    void Statut_Change(const QString& statut);
    // The answer to `AOS` (`demarre`) or `LOS`: 0, or Hamlib's error code; -1 when the
    // connection ended before it came.
    void Enregistreur_Repond(bool demarre, int erreur);

private:
    void Arrete();
    // Forgets every request sent or waiting (the connection ends).
    void Oublie_Demandes();
    void Demarre();
    void Lance_Rigctld();
    bool Rigctld_En_Marche() const;
    // Asks the program's rigctld to end, without waiting for it.
    void Arrete_Rigctld();
    void Ouvre_Socket();
    void Echec(const QString& raison);
    void Sonde();
    void Envoie(Lecteur_Rigctl::Demande demande, const QByteArray& ligne);
    // The tuning or the recorder's command waiting, once nothing is on its way.
    void Envoie_Suivante();
    void Lit();
    // Takes one answer; false when it ended the connection.
    bool Traite(const Lecteur_Rigctl::Reponse& r);
    void Change_Statut(const QString& statut);
    QString Raison_Socket(QAbstractSocket::SocketError erreur) const;

    Reglage_Recepteur reglage_;
    QProcess* rigctld_ = nullptr; // the one the program started, while it runs
    QTcpSocket socket_;
    QTimer sondage_;
    QTimer reessai_;
    QElapsedTimer depuis_demande_;
    Lecteur_Rigctl lecteur_;
    Lecture_Recepteur lecture_;
    Lecture_Recepteur en_cours_; // the frequency of this round, waiting for its mode
    QString statut_;
    QString erreur_tour_; // a Hamlib error of this round's answers
    quint16 port_ = 0;
    int delai_ms_ = 0;
    qint64 tours_ = 0;
    qint64 accord_hz_ = 0;            // a tuning asked while an answer was awaited, sent after it
    QList<bool> enregistreur_;        // AOS (true) and LOS waiting to be sent, in their order
    QList<bool> enregistreur_envoye_; // those sent, waiting for their answer
    int essais_connexion_ = 0;
    bool connecte_ = false;
    bool arret_voulu_ = false;
};

} // namespace swl
