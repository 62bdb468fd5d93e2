#pragma once

#include <QString>

namespace swl {

// What the station window changes in the main window.
class Hote_Station {
public:
    virtual QString Indicatif_Station() const = 0;
    // Makes `indicatif` the current station and shows it ("_" read as "/").
    virtual void Fixe_Indicatif_Station(const QString& indicatif) = 0;
    // Selects the station's remembered band and mode in the entry form.
    virtual void Selectionne_Bande_Mode() = 0;
    // Reloads the list from the station's log; false when the program cannot go on.
    virtual bool Charge_Log() = 0;

protected:
    ~Hote_Station() = default;
};

} // namespace swl
