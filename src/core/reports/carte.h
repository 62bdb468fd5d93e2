#pragma once

#include "core/log/fichier_log.h"

#include <QList>
#include <QString>

#include <array>

namespace swl {

// The map has 100 markers, indexes 0 to 99: departments 1 to 95 by their number, Corsica's
// "2a" at 96 and "2b" at 97; 0, 20, 98 and 99 only complete the range and stay hidden.
inline constexpr int Nombre_Marqueurs = 100;

struct Marquage {
    std::array<bool, Nombre_Marqueurs> entendu{};
    int nombre = 0; // markers 1 to 99 heard (0 is not counted)
};

// The marker of a department code (spaces around it removed), or -1 when the code selects
// none: empty, not starting with a digit, or a digit followed by something else.
int Index_Marqueur(QStringView code);

// The departments whose station A was heard on `bande` (compared exactly, letter case
// included); station B's department is never used.
Marquage Marque_Departements(const Lignes_Log& log, const QString& bande);

struct Marqueur {
    QString code; // as the log writes it: "01" to "95", "2a", "2b"
    int x = 0;    // top-left corner on the map picture, pixels
    int y = 0;
};

// The marker table "code,x,y" shipped with the map picture; lines starting with '#' and the
// header are skipped.
QList<Marqueur> Lit_Marqueurs(QByteArrayView csv);

// The text a marker shows: "01" to "95", "2a", "2b", and "00" or "X" for the hidden ones.
QString Texte_Marqueur(int index);

} // namespace swl
