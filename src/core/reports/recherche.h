#pragma once

#include "core/log/fichier_log.h"

#include <QList>
#include <QString>

namespace swl {

// What the search compares: station A's callsign (part of it), the date, or station A's
// department.
enum class Critere { Indicatif = 1, Date = 2, Departement = 3 };

// Whether a main list line matches `texte`, read at the list line's columns:
// - callsign: columns 8-19 without spaces around contain `texte` (letter case counts);
// - date: columns 103-110 without spaces around equal `texte`;
// - department: columns 22-23, taken as they are, equal `texte` (letter case counts).
// `texte` is the criterion's text as the search compares it (see Texte_Recherche).
bool Correspond(QStringView ligne_liste, Critere critere, QStringView texte);

// The text the search compares for what the user typed: in capitals for the callsign and the
// date, unchanged for the department.
QString Texte_Recherche(Critere critere, const QString& saisie);

// The result line of a list line: its columns 1-29, three spaces, its columns 80-134 (87
// characters for a full line): number, station A's callsign, department and report, then
// station B, date, time, mode, band and QSL flag.
QString Ligne_Resultat(QStringView ligne_liste);

// The indexes (from 0) of the lines of the main list that match, in list order. Fast on a
// whole log: a full-width line is compared on its bytes, at the log columns its list line
// copies; any other line through its list line.
QList<int> Lignes_Trouvees(const Lignes_Log& lignes, Critere critere, const QString& texte);

} // namespace swl
