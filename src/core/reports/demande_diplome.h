#pragma once

// The claim list an award manager asks for: one confirmed QSO per department, country or
// continent, with the listener's callsign, the award, the bands and mode, and the totals.
#include "core/reports/diplomes.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace swl {

struct Ligne_Demande {
    int element = 0; // in the award's elements
    int ligne = 0;   // in the log
};
// Each element's earliest confirmed QSO that counts under the filter (by date and time), in
// the award's order; an element with none is left out.
QList<Ligne_Demande> Liste_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f);

// "DDFM — Diplôme des Départements Français Métropolitains"…
QString Titre_Diplome(Diplome d);
// "Toutes bandes HF", "14 Mhz"; "Tous modes", "CW".
QString Texte_Portee(const Filtre_Diplome& f);
QString Texte_Groupe(int groupe);

struct Entete_Demande {
    QString indicatif_station; // the listener, "/" in place of "_"
    QDate date;                // the day it is made
};
// UTF-8 with its byte-order mark, ";" between fields, CR LF: the heading, a header row, one
// row a QSO, the totals.
QByteArray CSV_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f,
                       const QList<Ligne_Demande>& lignes, const Entete_Demande& e);
// The same as lines of fixed width for the printed list.
QStringList Texte_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f,
                          const QList<Ligne_Demande>& lignes, const Entete_Demande& e);

} // namespace swl
