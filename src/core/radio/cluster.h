#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace swl {

// The band choices of the cluster window, index 0 to 13: "All HF", the bands of the logbook
// but 27 Mhz, "All VHF".
const QStringList& Choix_Bandes_Cluster();

// The address of the statistics page of choice `index` on the site `base` (scheme and host):
// top 250 for "All HF" and "All VHF", top 50 otherwise ("430" for "432 Mhz"); an index
// outside the choices gives an empty page part.
QString Adresse_Cluster(const QString& base, int index);

// The remembered choice "bande Cluster": its leading whole number; -1 (no band chosen) is
// kept; any other value that is not a choice (not a number, out of range) reads as "All HF".
int Index_Cluster_Stocke(const QString& texte);

// The statistics site as stored (scheme and host): spaces and a final "/" left out, the
// default address when nothing is stored.
QString Base_Cluster(const QString& stockee);

inline const QString Adresse_Cluster_Defaut = QStringLiteral("http://dxcluster.sdr-radio.com");
inline const QString Noeud_Cluster_Defaut = QStringLiteral("hamqth.com");
inline constexpr int Port_Cluster_Defaut = 7300;

struct Noeud_Cluster {
    QString hote;
    quint16 port = 0;
    QString refus; // the French message when the node cannot be used, else empty
};
// The node of the live spots as typed: a host name without spaces and a port from 1 to 65535.
Noeud_Cluster Controle_Noeud(const QString& hote, const QString& port);

// The message that refuses a command for the node (empty, or a character a node does not
// take: outside printable ASCII), or an empty text.
QString Controle_Commande(const QString& commande);

// Why a page could not be shown, as the browser reports it.
enum class Domaine_Erreur { Connexion, Nom, Certificat, Http, Statut_Http, Autre };
// The reason in French, for the page shown instead.
QString Raison_Echec_Page(Domaine_Erreur domaine, int code);
// The short French page shown when the statistics site cannot be reached: the address, the
// reason, and that "Afficher" tries again; the Internet connection is named only when the
// site did not answer at all (`site_a_repondu` false).
QString Page_Hors_Ligne(const QString& adresse, const QString& raison, bool site_a_repondu = false);
// The French page shown while the site is asked for the page.
QString Page_Chargement(const QString& adresse);

// One spot of a DX-cluster node.
struct Spot {
    QString heure; // "HHMM", UTC
    double khz = 0;
    QString frequence; // as the node wrote it, kHz
    QString bande;     // logbook band, or empty
    QString indicatif; // the station spotted, in capitals
    QString spotteur;
    QString commentaire;
    QString locator; // may be empty
};

// A spot line: "DX de SPOTTER:  FREQ  CALL  comment  HHMMZ [locator]" (the spotter cut to 7
// characters, its colon then missing), up to the longest line the session takes; the comment
// kept is cut to `Longueur_Commentaire_Spot` characters. Anything else — announcements, WWV, talk, a line
// with control characters — is not a spot.
inline constexpr qsizetype Longueur_Commentaire_Spot = 200;
std::optional<Spot> Analyse_Spot(QStringView ligne);

// "12:28", the UTC time of a spot as the log writes times.
QString Heure_Spot(const Spot& spot);

// The band chosen in the cluster window lets a spot through: "All HF" below 30 MHz, "All VHF"
// from 30 MHz, a band its own spots, no choice every spot.
bool Spot_Dans_Choix(const Spot& spot, int index);

// The wait before the n-th attempt (from 1) to reconnect after a drop: 5 s, doubled each
// time, at most 5 minutes.
int Delai_Reconnexion_Ms(int essai, int initial_ms = 5000);

// The text of a telnet session cut into lines. Telnet commands are dropped (nothing is ever
// answered to them), lines end with LF (a CR before it is dropped) and are decoded as UTF-8
// when they are valid UTF-8, else as Windows-1252. A line that grows past `Longueur_Maximale`
// bytes without an end is dropped and counted, so that a hostile node never fills memory.
class Flux_Telnet final {
public:
    static constexpr qsizetype Longueur_Maximale = 4096;

    // The complete lines these bytes finish.
    QStringList Ajoute(QByteArrayView octets);
    // The start of a line not ended yet (a prompt such as "login: ").
    QString En_Attente() const;
    // That start taken as a whole line (a prompt answered): the next bytes begin a new line.
    QString Termine_En_Attente();
    int Lignes_Trop_Longues() const { return trop_longues_; }

private:
    enum class Etat { Texte, Iac, Option, Sous_Negociation, Sous_Iac };
    QByteArray ligne_;
    bool debordement_ = false;
    Etat etat_ = Etat::Texte;
    int trop_longues_ = 0;
};

// The node asks for the listener's callsign.
bool Demande_Indicatif(const QString& en_attente);

// A line shown in the node's raw log: control characters replaced, length limited.
QString Ligne_Affichable(QStringView ligne);

} // namespace swl
