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
    // Opens an address in the program the system gives it (a "mailto:" in the mail program).
    virtual void Ouvre_Adresse(const QString& adresse) = 0;
    // Puts a text on the clipboard.
    virtual void Copie(const QString& texte) = 0;
};

class Programme_Qt final : public Programme {
public:
    void Termine() override;
    void Ouvre_Dossier(const QString& chemin) override;
    void Ouvre_Adresse(const QString& adresse) override;
    void Copie(const QString& texte) override;
};

} // namespace swl
