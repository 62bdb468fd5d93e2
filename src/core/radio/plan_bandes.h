#pragma once

// The mode group of a spot: the mode its comment names, else the part of the band its
// frequency lies in.
#include "core/log/fiche_qso.h"

#include <QStringView>

namespace swl {

// The group of the mode a spot's comment names as a word ("CW", "SSB", "FT8", "RTTY"…), or -1.
int Groupe_Du_Commentaire(QStringView commentaire);
// The group of the segment of the IARU Region 1 band plan `khz` lies in (CW, digital modes,
// phone), or -1 outside every band.
int Groupe_Du_Plan(double khz);
// The comment's mode, else the band plan's.
int Groupe_Du_Spot(double khz, QStringView commentaire);

} // namespace swl
