#pragma once

#include "core/log/doublons.h"
#include "core/log/fiche_qso.h"
#include "core/radio/message_ft8.h"
#include "core/radio/wsjtx.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <deque>

namespace swl {

// Two stations decoded working each other on one band: what the listener logs.
struct QSO_Entendu {
    quint64 numero = 0;  // in the order the QSOs were heard, from 0
    QString indicatif_a; // the station that called CQ, or the first one decoded sending
    QString indicatif_b;
    int snr_a = 0; // each station's strongest decode in this QSO, as heard here, in dB
    int snr_b = 0;
    bool a_emet = false; // decoded sending to the other
    bool b_emet = false;
    bool a_rapport = false; // sent a report
    bool b_rapport = false;
    bool cloture = false; // R-report, RRR, RR73 or 73 decoded
    QDateTime debut;      // the first decode, UTC
    QDateTime dernier;    // the last decode, UTC
    QString bande;        // the logbook band, empty when no dial frequency was received
    QString mode;         // "FT8", "FT4", or the mode of the program's status

    // Each station decoded sending to the other.
    bool Entendu() const { return a_emet && b_emet; }
    // And each sent a report, and a closing was decoded.
    bool Complet() const { return Entendu() && a_rapport && b_rapport && cloture; }
};

// The log entry of a heard QSO: both callsigns, each report ("-12"), date "JJ/MM/AA" and time
// "HH:MM" of the first decode, band, mode ("FT8", "FT4"; another mode is logged as "DIG").
Fiche_QSO Fiche_De_QSO_Entendu(const QSO_Entendu& qso);

// The log line of a heard QSO, as the file holds it.
QByteArray Octets_QSO_Entendu(const QSO_Entendu& qso);

class Assemblage_QSO;
// The log lines of the complete QSOs kept; `sans_bande` counts the complete ones left out
// because no dial frequency told their band.
QList<QByteArray> Lignes_QSO_Complets(const Assemblage_QSO& assemblage, int* sans_bande);

// The French summary of heard QSOs written to the log; `sans_bande`: complete QSOs left out
// because no dial frequency told their band.
QString Texte_Bilan_QSO_Entendus(const Bilan_Ajout& bilan, int sans_bande);

// Turns the decodes of WSJT-X or JTDX into heard QSOs. A QSO is the pair of callsigns on one
// band, its messages no more than 3 minutes apart. The last 24 hours of heard QSOs are kept,
// 20,000 at most.
class Assemblage_QSO final {
public:
    static constexpr qint64 Ecart_Maximal_Ms = 3 * 60 * 1000;
    static constexpr qint64 Duree_Gardee_Ms = 24LL * 3600 * 1000;
    static constexpr qsizetype Nombre_Maximal = 20000;

    // Takes one message; `maintenant`: the clock's UTC time, which dates the decodes (they
    // carry only their time of day).
    void Recoit(const Message_WSJTX& message, const QDateTime& maintenant);

    // The heard QSOs kept: numbers Premier() to Fin() - 1.
    quint64 Premier() const { return premier_; }
    quint64 Fin() const { return premier_ + entendus_.size(); }
    const QSO_Entendu& QSO(quint64 numero) const { return entendus_[numero - premier_]; }
    // The numbers of the heard QSOs changed (or heard) since last asked; forgets them.
    QList<quint64> Prend_Changes();

    // Decodes taken into a QSO, and those left aside: a hashed callsign that no QSO heard
    // explains.
    qint64 Decodes_Lus() const { return decodes_lus_; }
    qint64 Mis_De_Cote() const { return mis_de_cote_; }
    // The dial frequency (Hz) and mode last given by a program, 0 and empty when none.
    QPair<quint64, QString> Etat(const QString& client) const;
    // The programs whose status is kept: a few, none that said "Close" or was silent for 10
    // minutes, a newcomer taking the place of one silent for a minute; each id and mode kept
    // to a readable length.
    static constexpr qsizetype Programmes_Maximum = 8;
    static constexpr qint64 Silence_Programme_Ms = 10 * 60 * 1000;
    static constexpr qint64 Silence_Remplacable_Ms = 60 * 1000;
    static constexpr qsizetype Longueur_Id_Maximale = 64;
    qsizetype Programmes_Connus() const { return etats_.size(); }

private:
    struct Candidat {
        QSO_Entendu qso;
        bool entendu = false; // in entendus_, as qso.numero
    };
    struct Partenaire {
        QString indicatif;
        QDateTime moment;
    };
    struct Etat_Programme {
        QString client;
        quint64 frequence_hz = 0;
        QString mode;
        QDateTime vu; // the clock when it was last heard
    };
    // What a datagram says of its program: its status, that it is there, or that it closed.
    void Programme_Entendu(const Message_WSJTX& message, const QDateTime& maintenant);
    const Etat_Programme* Trouve_Programme(QStringView client) const;
    void Decode(const Message_WSJTX& message, const QDateTime& maintenant);
    // The callsign a "<...>" stands for: the one `autre` is working on `bande`.
    QString Partenaire_De(const QString& autre, const QString& bande, const QDateTime& moment) const;
    // Forgets what no later decode can join.
    void Balaie(const QDateTime& moment);
    void Taille(const QDateTime& maintenant);

    QList<Etat_Programme> etats_;            // the most recently heard last
    QHash<QString, Candidat> candidats_;     // pair and band
    QHash<QString, QDateTime> appels_;       // the last CQ of a callsign on a band
    QHash<QString, Partenaire> partenaires_; // who a callsign works on a band
    std::deque<QSO_Entendu> entendus_;
    quint64 premier_ = 0;
    QList<quint64> changes_;
    qint64 decodes_lus_ = 0;
    qint64 mis_de_cote_ = 0;
    qint64 depuis_balayage_ = 0;
};

} // namespace swl
