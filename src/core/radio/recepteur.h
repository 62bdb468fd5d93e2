#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace swl {

class Reglages;

// What the receiver said last: its frequency (0 when unknown) and its mode as Hamlib names it.
struct Lecture_Recepteur {
    qint64 hz = 0;
    QString mode;
    qint64 passband = 0;
    bool operator==(const Lecture_Recepteur&) const = default;
};

// A frequency a receiver can be on: above 0 and at most 10 GHz.
bool Frequence_Valide(qint64 hz);
// "14 074,0 kHz USB" (no-break space every three digits, decimal comma), "14 074,0 kHz" without
// a mode, "fréquence inconnue" when the frequency is not valid.
QString Texte_Frequence(qint64 hz, const QString& mode);
// The logbook band of a frequency in Hz, or empty (out of every band, or not valid).
QString Bande_Recepteur(qint64 hz);
// The logbook mode of a Hamlib mode (or of an SDR program's own name): USB, LSB → SSB; CW, CWR,
// CWU, CWL → CW; FM, WFM, WFM_… → FM; AM, SAM, AMS, DSB → AM; any other (RTTY, PKTUSB, RAW…)
// → DIG. Empty for an empty mode or OFF (GQRX, its demodulator off).
QString Mode_Journal(const QString& mode_hamlib);
// A Hamlib error code (the n of "RPRT -n") in French words.
QString Erreur_Hamlib(int code);

// Reads the answers of rigctld's plain protocol to the requests sent, in their order:
// `f` (one line: the frequency in Hz), `m` (two lines: mode and passband; one line "USB 2700"
// or the mode alone from SDRangel), `F`, and the SDR programs' `AOS` and `LOS` (one line:
// "RPRT 0"). Any request may be answered
// "RPRT -n" instead. Lines are bounded: a longer one is dropped whole and counts as unreadable.
class Lecteur_Rigctl final {
public:
    enum class Demande { Frequence, Mode, Accord, Enregistreur };
    struct Reponse {
        Demande demande = Demande::Frequence;
        bool lisible = true; // false: not an answer to that request (the stream is lost)
        int erreur = 0;      // the n of "RPRT -n" (0: none)
        qint64 hz = 0;       // Frequence
        QString mode;        // Mode
        qint64 passband = 0; // Mode
    };
    static constexpr qsizetype Longueur_Ligne_Maximale = 64;

    void Attend(Demande demande) { attendues_.append(demande); }
    qsizetype En_Attente() const { return attendues_.size(); }
    // Forgets what was sent and what was received (after a new connection).
    void Oublie();
    // The answers completed by `octets`. Bytes with no request waiting are unreadable.
    QList<Reponse> Ajoute(QByteArrayView octets);
    // When a mode line came and its passband did not follow (the caller saw the server fall
    // silent): the answer to `m` with the mode alone, passband 0. Nothing otherwise.
    std::optional<Reponse> Mode_Sans_Largeur();

private:
    void Ligne_Complete(QByteArrayView ligne, QList<Reponse>& reponses);
    QList<Demande> attendues_;
    QByteArray ligne_;
    bool trop_longue_ = false;
    QString mode_; // the first line of an answer to `m`
    bool mode_lu_ = false;
};

// One receiver of Hamlib's list: "rigctld -l".
struct Modele_Hamlib {
    int numero = 0;
    QString fabricant;
    QString modele;
};
// The models of "rigctld -l", in its order; lines that are not a model are skipped.
QList<Modele_Hamlib> Lit_Liste_Modeles(QByteArrayView sortie);

// How the program reaches the receiver, as remembered in the common section.
struct Reglage_Recepteur {
    enum class Sorte { Aucun, Modele, Rigctld };
    Sorte sorte = Sorte::Aucun;
    int modele = 1;                             // Hamlib's model number (1: its dummy receiver)
    QString peripherique;                       // serial port, "/dev/ttyUSB0"; empty: the model's own
    int vitesse = 0;                            // serial speed; 0: the model's own
    QString hote = QStringLiteral("127.0.0.1"); // a rigctld already running
    int port = 4532;
    int intervalle_ms = 1000; // 200 to 5,000
    bool operator==(const Reglage_Recepteur&) const = default;
};
inline constexpr int Intervalle_Minimal_Ms = 200;
inline constexpr int Intervalle_Maximal_Ms = 5000;
// What is stored, every damaged or hand-edited value read as its default or brought in range.
Reglage_Recepteur Lit_Reglage_Recepteur(const Reglages& reglages);
void Ecrit_Reglage_Recepteur(Reglages& reglages, const Reglage_Recepteur& r);
// Why the choice cannot be used (in French), or empty.
QString Controle_Reglage_Recepteur(const Reglage_Recepteur& r);

} // namespace swl
