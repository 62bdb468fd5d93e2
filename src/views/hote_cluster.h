#pragma once

#include <QString>

namespace swl {

// What the cluster window hands to the main window: a spotted station to log.
class Hote_Cluster {
public:
    // Puts the callsign in the entry form and selects the band (left empty when it is none
    // of the logbook's), if the form waits for a new QSO; false otherwise.
    virtual bool Prend_Spot(const QString& indicatif, const QString& bande) = 0;
    // Tunes the receiver to `khz`; false when no receiver is connected (nothing is sent).
    virtual bool Accorde_Recepteur(double khz) = 0;

protected:
    ~Hote_Cluster() = default;
};

} // namespace swl
