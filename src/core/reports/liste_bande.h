#pragma once

#include "core/log/fichier_log.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace swl {

// The screen line of one QSO in the per-band list: date, time, station A's callsign,
// department and report, station B's, mode, band (spaces around removed) and QSL flag, at
// fixed columns: 86 characters for a band caption of 6, 87 for one of 7.
QString Ligne_Bande(QStringView ligne_log);

struct Liste_Bande {
    QStringList lignes; // in ascending text order: day, month, year, time, callsign…
    int entendus = 0;
    int confirmes = 0; // QSL flag "*"
};

// Every QSO of the log whose band (columns 67-73, spaces around removed) is `bande` exactly.
Liste_Bande Construit_Liste_Bande(const Lignes_Log& log, const QString& bande);

// "JJ/MM/AAAA", the date in the title of a saved or printed list.
QString Date_Liste(const QDate& jour);

// The saved list's name: callsign + "_Liste_QSO_Bande_" + band + "_JJ_MM_AA.txt".
QString Nom_Fichier_Liste(const QString& indicatif, const QString& bande, const QDate& jour);

// The message that refuses a band text as part of a file name (a character a file name
// cannot hold on Linux or Windows, a control character, one the file cannot hold, nothing
// but dots, a name longer than a file system takes with the station's callsign), or an empty
// text.
QString Controle_Bande_Fichier(const QString& bande, const QString& indicatif);

// The lines of the saved file, each to be ended by CR LF: title, caption, numbered rows,
// footer.
QStringList Lignes_Fichier_Liste(const QString& indicatif, const QString& bande, const QDate& jour,
                                 const QStringList& lignes);

// The lines printed on paper: the same rows with the paper's indentation.
QStringList Lignes_Impression_Liste(const QString& indicatif, const QString& bande, const QDate& jour,
                                    const QStringList& lignes);

} // namespace swl
