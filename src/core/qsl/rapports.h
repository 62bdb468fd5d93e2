#pragma once

// An SWL report a heard station accepts: its consecutive QSOs (same band and mode, at most 20
// minutes apart) with the stations it worked. The stations heard, each one's QSOs and runs, and
// the lines of a report, read from the log in one pass.
#include "core/log/colonnes_log.h"
#include "core/log/fichier_log.h"

#include <QHash>
#include <QList>
#include <QString>

namespace swl {

struct Station_Entendue {
    QString indicatif;
    int qso = 0;        // heard as station A or B
    qint64 dernier = 0; // the order of its latest QSO (Moment_QSO), 0 when none can be read
};
// Every station of the log, as A or B, by callsign; one pass.
QList<Station_Entendue> Stations_Entendues(const Lignes_Log& log);

// One QSO of a heard station: its line, whether the station was B, and the one it worked.
struct Qso_Station {
    int ligne = 0;
    bool comme_b = false;
    qint64 moment = 0; // minutes, UTC
};
// The station's QSOs (a line whose date or time cannot be read left out), in time order.
QList<Qso_Station> Qso_De_Station(const Lignes_Log& log, QStringView indicatif);

// Consecutive QSOs of the station: same band and mode, each at most `ecart_minutes` after the
// one before (across midnight too).
struct Serie {
    QList<Qso_Station> qso;
    // One QSO, or every one with the same counterpart: a report a station may not answer.
    bool incomplete = false;
};
inline constexpr int Ecart_Serie_Minutes = 20;
QList<Serie> Series(const Lignes_Log& log, const QList<Qso_Station>& qso,
                    int ecart_minutes = Ecart_Serie_Minutes);
// The QSOs a report takes by default: the three latest of the run.
QList<int> Choix_Par_Defaut(const Serie& serie);

// "24/11/2001": the day of a station's latest QSO; empty when none can be read.
QString Texte_Dernier_QSO(const Station_Entendue& s);

// "incomplet : un seul correspondant", and why a station may not answer it.
QString Texte_Serie_Incomplete();
QString Explication_Serie_Incomplete();

// One line of a report: what the station's card or label says of one QSO.
struct Ligne_Rapport {
    int ligne = 0;         // in the log
    QString date;          // "2026-12-08"
    QString heure;         // "14:32", UTC
    QString bande;         // the log's caption, "14 Mhz"
    QString mode;          // "SSB"
    QString rst;           // the report given to the station
    QString correspondant; // WKD: the station it worked
};
struct Rapport {
    QString station; // the heard station the report is for
    QList<Ligne_Rapport> lignes;
};
// The report to `station` of the QSOs `qso` (a QSO where it is not station A nor B left out),
// in time order.
Rapport Rapport_De(const Lignes_Log& log, QStringView station, const QList<Qso_Station>& qso);
// A report a station may not answer: one QSO, or every one with the same counterpart (as a run
// is marked); an empty one is none.
bool Rapport_Incomplet(const Rapport& r);

} // namespace swl
