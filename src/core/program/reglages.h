#pragma once

#include <QSettings>
#include <QString>

namespace swl {

// The user's remembered choices: application "SWL", the common section "Setup " (with its
// trailing space) and one section "Setup " + callsign per station. Every value is text.
class Reglages final {
public:
    // `fichier`: the INI file of the store.
    explicit Reglages(const QString& fichier);
    Q_DISABLE_COPY_MOVE(Reglages)

    static QString Section_Commune();
    static QString Section_Station(const QString& indicatif);

    // The stored text, or `defaut` when the section or key is absent. Never creates anything.
    QString Lire_Reglage(const QString& section, const QString& cle, const QString& defaut) const;
    QString Lire_Reglage(const QString& section, const QString& cle, int defaut) const;
    QString Lire_Reglage(const QString& section, const QString& cle, bool defaut) const;
    void Ecrire_Reglage(const QString& section, const QString& cle, const QString& valeur);
    void Ecrire_Reglage(const QString& section, const QString& cle, int valeur);
    // Several keys of a section, the file written once.
    void Ecrire_Reglages(const QString& section, const QList<std::pair<QString, QString>>& valeurs);

    // Why the last change could not be written to the file (a read-only file or disk, a folder
    // in its place), in French; empty when it was. Then the choices would be forgotten when
    // the program ends. A file that could not be read as INI is no such fault: the next
    // change writes it whole again.
    QString Raison_Non_Enregistres() const;
    QString Fichier() const { return store_.fileName(); }

    // A remembered list position: the stored whole number when it is an index of a list of
    // `taille` entries, else 0 (a damaged or hand-edited value never selects nothing).
    int Lire_Index(const QString& section, const QString& cle, int taille) const;

private:
    mutable QSettings store_;
};

// Keys of the store.
namespace cle {
inline const QString Indicatif_Station = QStringLiteral("Indicatif Station");
inline const QString Chemin_Repertoire = QStringLiteral("Chemin Repertoire");
inline const QString Bande_Utilisee = QStringLiteral("bande Utilisee");
inline const QString Mode_Utilise = QStringLiteral("Mode Utilise");
inline const QString Date_Auto = QStringLiteral("Date Auto");
inline const QString Revision = QStringLiteral("Revision");
inline const QString Bande_Cluster = QStringLiteral("bande Cluster");
inline const QString Bande_Carte = QStringLiteral("bande Carte");
inline const QString Transceiver = QStringLiteral("Transceiver");
inline const QString Antenne = QStringLiteral("Antenne");
inline const QString Langue = QStringLiteral("Langue");
inline const QString Type_Etiquette = QStringLiteral("Type Etiquette");
// The DX cluster, in the common section: the statistics site (scheme and host) and the node
// of the live spots.
inline const QString Adresse_Cluster = QStringLiteral("Adresse Cluster");
inline const QString Noeud_Cluster = QStringLiteral("Noeud Cluster");
inline const QString Port_Cluster = QStringLiteral("Port Cluster");
// The receiver, in the common section: how it is reached (aucun, modele, rigctld), Hamlib's
// model number, serial port and speed, the host and port of a rigctld already running, and
// how often it is read.
inline const QString Recepteur_Sorte = QStringLiteral("Recepteur Sorte");
inline const QString Recepteur_Modele = QStringLiteral("Recepteur Modele");
inline const QString Recepteur_Peripherique = QStringLiteral("Recepteur Peripherique");
inline const QString Recepteur_Vitesse = QStringLiteral("Recepteur Vitesse");
inline const QString Recepteur_Hote = QStringLiteral("Recepteur Hote");
inline const QString Recepteur_Port = QStringLiteral("Recepteur Port");
inline const QString Recepteur_Intervalle = QStringLiteral("Recepteur Intervalle ms");
// The decodes of WSJT-X or JTDX, in the common section: listening on or off ("Oui", "Non"),
// the address (or multicast group) and the UDP port listened to.
inline const QString Ecoute_FT8 = QStringLiteral("FT8 Ecoute");
inline const QString Adresse_FT8 = QStringLiteral("FT8 Adresse");
inline const QString Port_FT8 = QStringLiteral("FT8 Port");
// The country file, in the common section: its path; empty, Debian's.
inline const QString Fichier_Pays = QStringLiteral("Fichier Pays");
// The main window's place and size when it was last closed, in the common section:
// "x,y,largeur,hauteur" in pixels.
inline const QString Fenetre_Principale = QStringLiteral("Fenetre Principale");
// The awards, in the common section: whether station B of a heard QSO counts too, and whether
// the listener applies from France (the DDFM's thresholds) — "Oui" or "Non".
inline const QString Diplomes_Station_B = QStringLiteral("Diplomes Station B");
inline const QString Diplomes_En_France = QStringLiteral("Diplomes En France");
// The short sounds of "Station → Alertes…", in the common section: a spot or a heard QSO that
// brings a new department, a new country ("Oui" or "Non", off by default).
inline const QString Alerte_Departement = QStringLiteral("Alerte Nouveau Departement");
inline const QString Alerte_Pays = QStringLiteral("Alerte Nouveau Pays");
// Recording the receiver's audio: "Oui"/"Non", the sound server's source, the seconds kept
// before the first character typed.
inline const QString Enregistrement_Actif = QStringLiteral("Enregistrement Actif");
inline const QString Enregistrement_Source = QStringLiteral("Enregistrement Source");
inline const QString Enregistrement_Avant = QStringLiteral("Enregistrement Avant");
// The SDR program's own recorder (GQRX, SDR++) started and stopped with each QSO typed
// ("Oui"/"Non"), and the folder where it writes its WAV files.
inline const QString Enregistrement_SDR = QStringLiteral("Enregistrement SDR");
inline const QString Enregistrement_Dossier_SDR = QStringLiteral("Enregistrement Dossier SDR");
// The callsigns known before they are typed, in the common section: the list under the entry
// form shown or not ("Oui", "Non") and the file of active callsigns (empty: Debian's).
inline const QString Indicatifs_Connus = QStringLiteral("Indicatifs Connus");
inline const QString Fichier_Indicatifs = QStringLiteral("Fichier Indicatifs");
// The folder of the last file imported, exported or saved from a window, in the common section.
inline const QString Dossier_Fichiers = QStringLiteral("Dossier Fichiers");
// The label sheet beyond the stock: first label used, offsets of the layout in mm.
inline const QString Etiquette_Depart = QStringLiteral("Etiquette Depart");
inline const QString Decalage_X = QStringLiteral("Decalage X");
inline const QString Decalage_Y = QStringLiteral("Decalage Y");
} // namespace cle

// Where the file dialogs of import, export and saving open: the folder used last when it still
// exists, else the user's home folder (never the program's hidden folder).
QString Dossier_Fichiers(const Reglages& reglages);
// Remembers the folder of a file just chosen in one of those dialogs.
void Retient_Dossier_Fichiers(Reglages& reglages, const QString& fichier);

// "FXXXX": no station chosen yet.
inline const QString Aucune_Station = QStringLiteral("FXXXX");

} // namespace swl
