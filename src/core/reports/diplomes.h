#pragma once

// The awards a listener chases, counted from the log: the REF's DDFM (French departments),
// the ISWL's country award (100 countries, then every 25; "5 bandes") and WAC (six continents).
#include "core/countries/pays.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"

#include <QHash>

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace swl {

enum class Diplome { DDFM, Pays, WAC };

// The logbook's bands by their index in Liste_Bandes(); 27 Mhz (CB) is no amateur band and
// never counts.
inline constexpr int Nombre_Bandes_Diplome = 13;
inline constexpr int Bande_CB = 8;
// From 50 MHz on, VHF/UHF; below, HF.
bool Bande_VHF(int bande);

// Why a QSO does not count (or that it does).
enum class Raison : quint8 {
    Compte,
    Bande_CB,            // 27 Mhz
    Sans_Departement,    // DDFM: no department
    Departement_Inconnu, // DDFM: not one of the 96 (20, 00, 97, X1…)
    Avant_1957,          // DDFM: before 30/06/1957
    WARC_Avant_1982,     // DDFM: 10, 18 or 24 MHz before 01/01/1982
    Dix_Mhz_Hors_CW,     // DDFM: 10 MHz in another mode than CW
    Sans_Pays,           // a callsign the country file does not know: it counts for nothing
    Maritime_Mobile,     // "/MM": no country, no department
    Aeronautique_Mobile, // "/AM": no country, no department
    Hors_Metropole,      // DDFM: no department, a station of another country than France
    Sans_Fichier_Pays,   // countries, WAC: no country file
    Hors_Continents,     // WAC: an entity of no continent of the six (Antarctica)
};
// "10 MHz : CW seulement", "avant le 30/06/1957"… for a QSO on `bande` (the log's caption).
QString Texte_Raison(Raison raison, const QString& bande, const QString& departement = {});

// What a listener's awards allow, kept in the common section of the settings.
struct Reglage_Diplomes {
    bool station_b = false; // whether station B of a heard QSO counts too
    bool en_france = true;  // DDFM thresholds of a French applicant (50 HF, 30 VHF) or not (40, 20)
};

class Reglages;
// What is stored in the common section ("Diplomes Station B", "Diplomes En France").
Reglage_Diplomes Lit_Reglage_Diplomes(const Reglages& reglages);
void Ecrit_Reglage_Diplomes(Reglages& reglages, const Reglage_Diplomes& r);

struct QSO_Refuse {
    int ligne = 0; // index in the log
    Raison raison = Raison::Compte;
    char station = 'A';
};

// One department, country or continent: per band, the mode groups heard and confirmed, and
// the QSOs that count for it and those that do not.
struct Element_Diplome {
    QString code; // "01", "2a"; a country's prefix "DL"; a continent "EU"
    QString nom;  // "Ain", "Fed. Rep. of Germany", "Europe"
    std::array<quint8, Nombre_Bandes_Diplome> entendu{};  // bit per mode group
    std::array<quint8, Nombre_Bandes_Diplome> confirme{}; // bit per mode group
    QList<int> comptent;                                  // lines, in the log's order
    QList<QSO_Refuse> refuses;
};

struct Compte_Diplome {
    Diplome diplome = Diplome::DDFM;
    QList<Element_Diplome> elements; // in the award's order
    QList<QSO_Refuse> sans_element;  // QSOs that count for no element, with the reason
};

struct Comptes_Diplomes {
    Compte_Diplome ddfm;
    Compte_Diplome pays;
    Compte_Diplome wac;
    Illisibles_Journal illisibles; // date, time or band unreadable: never counted
    const Compte_Diplome& De(Diplome d) const {
        return d == Diplome::DDFM ? ddfm : d == Diplome::Pays ? pays : wac;
    }
};

// How one log line counts for the awards, station by station.
struct Station_Evaluee {
    char station = 'A';
    QByteArrayView indicatif; // views into the line
    QByteArrayView code;      // the department as written
    int departement = -1;     // as the map numbers them (1 to 95, 2a 96, 2b 97), or -1
    int pays = -1;            // the award's country (index in its elements), or -1
    int continent = -1;       // one of the six (AF, AS, EU, NA, OC, SA), or -1
    Raison raison_departement = Raison::Compte;
    Raison raison_pays = Raison::Sans_Pays;
    Raison raison_continent = Raison::Sans_Pays;
};
struct Ligne_Evaluee {
    bool lisible = false; // date, time and band read: else it counts for nothing
    int bande = -1;
    int groupe = 0;
    bool confirme = false;
    std::array<Station_Evaluee, 2> stations{};
    int nombre_stations = 0; // A, and B when the listener counts it
};
// Reads lines for the awards, each callsign's country looked up once.
class Evaluateur_Diplomes final {
public:
    Evaluateur_Diplomes(const Fichier_Pays* pays, const Reglage_Diplomes& r);
    Ligne_Evaluee Evalue(QByteArrayView ligne);
    // The file's DXCC entities in the countries award's order (by name).
    const QList<qsizetype>& Entites() const { return entites_; }
    struct Pays_Station {
        int element = -1;   // the award's country, -1: none
        int continent = -1; // one of the six, -1: none
        bool connu = false;
        bool metropole = false; // France or Corsica
    };
    // A callsign's country, looked up once.
    const Pays_Station& Pays_De(QByteArrayView indicatif);

private:
    const Fichier_Pays* fichier_;
    Reglage_Diplomes reglage_;
    QList<QByteArray> bandes_;
    QList<qsizetype> entites_;
    QHash<qsizetype, int> element_entite_;
    QHash<Cle_Indicatif, Pays_Station> stations_;
};

// Every award counted in one pass over the log; countries from `pays` (none: every country
// unknown).
Comptes_Diplomes Compte_Diplomes(const Lignes_Log& log, const Fichier_Pays* pays, const Reglage_Diplomes& r);

// Which part of the awards is looked at: all bands, HF, VHF/UHF or one band; all modes or one
// group.
struct Filtre_Diplome {
    enum class Portee { Toutes, HF, VHF, Bande };
    Portee portee = Portee::HF;
    int bande = 0;   // with Portee::Bande
    int groupe = -1; // a Groupe_Mode, -1: all
    bool Contient(int bande) const;
    bool operator==(const Filtre_Diplome&) const = default;
};

enum class Etat_Case { Manquant, Entendu, Confirme };
Etat_Case Etat_Element(const Element_Diplome& e, const Filtre_Diplome& f);
// One band of an element, under the filter's mode group.
Etat_Case Etat_Bande(const Element_Diplome& e, int bande, int groupe);
QString Texte_Etat(Etat_Case etat); // "confirmé", "entendu", "manquant"

struct Totaux_Diplome {
    int entendus = 0; // elements heard (confirmed ones included)
    int confirmes = 0;
    int total = 0; // elements of the award
};
Totaux_Diplome Totaux(const Compte_Diplome& c, const Filtre_Diplome& f);

// "DDFM — 43 départements entendus, 21 confirmés sur 96 ; encore 29 confirmés pour le
// diplôme (50 en HF)", and the next threshold once the award is won.
QString Texte_Avancement(const Compte_Diplome& c, const Filtre_Diplome& f, const Reglage_Diplomes& r);
// The threshold the award asks under the filter: DDFM 50 (HF) or 30 (VHF/UHF) in France, 40
// or 20 otherwise; 100 countries; 6 continents.
int Seuil_Diplome(Diplome d, const Filtre_Diplome& f, const Reglage_Diplomes& r);
// "seuil non atteint : 31 confirmés sur 50", or nothing once it is reached.
QString Texte_Seuil_Non_Atteint(int confirmes, int seuil);

// Countries only: "5 bandes : 3.5 Mhz 12, 7.0 Mhz 45, 14 Mhz 98, 21 Mhz 33, 28 Mhz 20 confirmés
// (100 sur chacune)".
QString Texte_Cinq_Bandes(const Compte_Diplome& c, int groupe);

// Whether a line counts under the filter (its band and mode group).
bool Ligne_Dans_Filtre(QByteArrayView ligne, const Filtre_Diplome& f);

} // namespace swl
