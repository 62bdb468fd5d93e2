#pragma once

#include <QString>

namespace swl {

struct Controle_Indicatif {
    QString message;    // empty when the callsign is accepted
    bool vider = false; // the box is emptied after the message
};

// The checks of a new station callsign (already in upper case): not empty, at most 12
// characters, only A-Z, 0-9 and "_".
Controle_Indicatif Controle_Indicatif_Station(const QString& indicatif);

} // namespace swl
