#pragma once

namespace swl {

class Lignes_Log;

// What the search window reads and changes in the main window: the lines of its list as they
// stand, and the line it selects on the way back.
class Hote_Recherche {
public:
    // The main list's lines, numbered from 1 in list order.
    virtual const Lignes_Log& Lignes_Liste() const = 0;
    // Selects the line at `index` (from 0) as a click on it does.
    virtual void Selectionne_Ligne(int index) = 0;

protected:
    ~Hote_Recherche() = default;
};

} // namespace swl
