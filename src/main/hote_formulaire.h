// What the entry form asks of the main window.
#pragma once

#include "core/log/fichier_log.h"
#include "core/log/trace_journal.h"

#include <QString>

namespace swl {

class Hote_Formulaire {
public:
    virtual QString Indicatif_Station() const = 0;
    virtual Fichier_Log Journal() const = 0;
    // Just before the log is written (the day's backup).
    virtual void Avant_Changement() = 0;
    // A change just written to the log, for "Edition → Annuler".
    virtual void Ajoute_Etape(const QString& nom, Trace_Journal trace) = 0;
    // The list read again from the log; false when the program cannot go on.
    virtual bool Charge_Log() = 0;
    virtual void Selectionne_Derniere_Ligne() = 0;

protected:
    ~Hote_Formulaire() = default;
};

} // namespace swl
