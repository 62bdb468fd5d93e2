#pragma once

#include "core/log/fiche_qso.h"

#include <QString>

namespace swl {

// The fields of the entry form that check their text when Enter is pressed.
enum class Champ_Saisie { Indicatif, Departement, Report, Prenom, QTH, Date, Heure, Mode, Bande };

// 0 when `texte` (8 characters) reads as "JJ/MM/AA" with a day up to 31 and a month up to
// 12, else 1. No calendar check: a 31st of February passes.
int Controle_Date(QStringView texte);
// 0 when `texte` (5 characters) reads as "HH:MM" with hours up to 23 and minutes up to 59.
int Controle_Heure(QStringView texte);

// The message that refuses `texte` in `champ` on Enter, or an empty text when it is
// accepted. A department is checked as typed; the form lowers its case first.
QString Controle_Saisie(Champ_Saisie champ, QStringView texte);

// The message that refuses to save a QSO whose station A callsign, date or time is empty
// (spaces only count as empty), or an empty text.
QString Controle_Fiche_Complete(const Fiche_QSO& fiche);

// The first-installation guard of the first field: the station has no callsign yet.
QString Message_Indicatif_Station_Absent();

} // namespace swl
