#pragma once

// The claim list an award manager asks for: one confirmed QSO per department, country or
// continent, with the listener's callsign, the award, the bands and mode, and the totals.
#include "core/reports/diplomes.h"
#include "core/reports/mise_en_page.h"

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
    int seuil = 0;             // the award's threshold: below it the list says so
};
// UTF-8 with its byte-order mark, ";" between fields, CR LF: the heading, a header row, one
// row a QSO, the totals.
QByteArray CSV_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f,
                       const QList<Ligne_Demande>& lignes, const Entete_Demande& e);
// The same as a document to send, on A4 with margins: the award, the listener and the date as
// its title, a table whose headings are whole, the totals and the threshold not reached.
QList<Page_Document> Pages_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f,
                                   const QList<Ligne_Demande>& lignes, const Entete_Demande& e);

} // namespace swl
