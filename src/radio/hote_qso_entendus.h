#pragma once

#include "core/log/doublons.h"
#include "core/log/fiche_qso.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace swl {

// What the window of the heard QSOs asks of the main window.
class Hote_QSO_Entendus {
public:
    // Puts a heard QSO in the entry form, ready to be saved, if the form waits for a new QSO;
    // false otherwise. Its decodes span `debut_ms` to `fin_ms` (UTC): the audio its clip keeps.
    virtual bool Prend_QSO_Entendu(const Fiche_QSO& fiche, qint64 debut_ms, qint64 fin_ms) = 0;
    // What the form holds being typed when it refuses one: "la saisie du QSO de F5ABC".
    virtual QString Texte_Saisie_En_Cours() const = 0;
    // Merges these log lines into the log, those it holds already left out, as one change to
    // take back; nothing when the log cannot be changed now (the user was told why).
    virtual std::optional<Bilan_Ajout> Enregistre_QSO_Entendus(const QList<QByteArray>& lignes) = 0;
    // The log as the main list shows it.
    virtual const Lignes_Log& Lignes_Liste() const = 0;

protected:
    ~Hote_QSO_Entendus() = default;
};

} // namespace swl
