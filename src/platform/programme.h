#pragma once

#include <QString>

namespace swl {

// Ends the program: every window closes and the event loop stops.
class Programme {
public:
    virtual ~Programme() = default;
    virtual void Termine() = 0;
    // Shows the folder in the system's file manager.
    virtual void Ouvre_Dossier(const QString& chemin) = 0;
};

class Programme_Qt final : public Programme {
public:
    void Termine() override;
    void Ouvre_Dossier(const QString& chemin) override;
};

} // namespace swl
