#pragma once

#include "core/reports/statistiques.h"

#include <QColor>
#include <QList>
#include <QString>

class QChart;

namespace swl {

// The charts of the statistics window, each with the text a screen reader says of it.
struct Graphique {
    QChart* chart = nullptr; // owned by the caller
    QString description;     // every value with its caption
};

// The colours of the bands and modes, in order: a qualitative palette (Kelly's colours of
// greatest contrast) whose colours stay apart for any eye, taken again from the first past the
// last.
const QList<QColor>& Couleurs_Series();

// QSOs per year, one stacked bar a year, a part a band.
Graphique Graphique_Annees(const Statistiques& s);
// QSOs per hour of the day (UTC).
Graphique Graphique_Heures(const Statistiques& s);
// The share of each mode.
Graphique Graphique_Modes(const Statistiques& s);

} // namespace swl
