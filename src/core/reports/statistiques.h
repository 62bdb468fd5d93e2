#pragma once

#include "core/countries/pays.h"
#include "core/log/fichier_log.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include <array>

namespace swl {

// Which part of the log the figures are about.
struct Filtre_Statistiques {
    enum class Station { A, B, Les_Deux };
    QString bande;                       // a band of the logbook, empty: all
    QString mode;                        // empty: all
    Station station = Station::Les_Deux; // whose callsigns and departments count
    int annee_de = 0;                    // 0: no bound
    int annee_a = 0;
    bool operator==(const Filtre_Statistiques&) const = default;
};

struct Pays_Entendu {
    QString nom;
    QString prefixe;
    QString continent;
    int dxcc = 0;
    int qso = 0;
    QDate premier; // first heard
    int confirmes = 0;
};

struct Departement_Entendu {
    QString code; // "01" to "95", "2a", "2b", or "971" to "976" overseas
    QString nom;
    int qso = 0;
    int confirmes = 0;
};

// The log in figures.
struct Statistiques {
    int qso = 0;
    int confirmes = 0;
    int stations = 0;              // distinct callsigns
    Illisibles_Journal illisibles; // lines of the log whose date, time or band cannot be read
    int indicatifs_sans_pays = 0;
    QList<Pays_Entendu> pays;                // by name; an entity that does not count for DXCC in its own
    QMap<QString, int> continents;           // QSOs with a station of each continent
    QList<Departement_Entendu> departements; // metropolitan by code, then overseas
    int departements_metropole = 0;          // out of 96
    int departements_outre_mer = 0;          // out of 5
    QMap<int, QMap<QString, int>> par_annee; // year → band → QSOs
    std::array<int, 24> par_heure{};         // hour UTC → QSOs
    QMap<QString, int> par_mode;
    QList<int> annees; // every year of the log, for the choice of years
    QStringList modes; // every mode of the log, for the choice of modes
};

// The figures of the log's lines that pass the filter; countries from `pays` (none: unknown).
Statistiques Calcule_Statistiques(const Lignes_Log& log, const Fichier_Pays* pays,
                                  const Filtre_Statistiques& filtre);

// The tables as the export writes them: UTF-8 with a byte-order mark, ";" between fields,
// CR LF; one titled block a table.
QByteArray CSV_Statistiques(const Statistiques& s);

} // namespace swl
