#pragma once

// Confirmations brought in from eQSL (an inbox download) or any ADIF whose records say a QSL
// was received (QSL_RCVD, EQSL_QSL_RCVD or LOTW_QSL_RCVD = Y): each matched to the heard QSOs
// where the confirming station is station A or B, the same UTC day, within 15 minutes, on the
// same band and in the same mode group. A record from a listener (eQSL's APP_EQSL_SWL) is never
// a confirmation. The file is only read.
#include "core/log/fichier_log.h"

#include <QDate>
#include <QList>
#include <QString>

namespace swl {

struct Confirmation {
    int numero = 0; // the record's number in the file, from 1
    QString indicatif;
    QDate date;       // UTC
    int minutes = -1; // of the day
    QString bande;    // the log's caption
    int groupe = -1;  // mode group
    QString source;   // "eQSL", "LoTW", "QSL"
    QDate recue;      // when the QSL came, else the day it is read
};

struct Lecture_Confirmations {
    QList<Confirmation> confirmations;
    QList<QPair<int, QString>> ecartes; // records that are no confirmation: number, why
    QString erreur;                     // the file refused whole, in French
};
// Reads an ADI or ADX file's confirmations; `aujourdhui` for a record without its date of
// reception. At most 64 MB.
inline constexpr qsizetype Taille_Maximale_Confirmations = 64 * 1024 * 1024;
Lecture_Confirmations Lit_Confirmations(const QByteArray& contenu, bool adx, const QDate& aujourdhui);

struct Rapprochement {
    QList<int> lignes; // the QSOs confirmed, each once, in the log's order
    struct Sans_Qso {
        int numero = 0;
        QString indicatif;
        QString raison; // "aucun QSO de cette station", "autre bande (7.0 Mhz)"…
    };
    QList<Sans_Qso> sans_qso;
    struct Double {
        int numero = 0;
        QString indicatif;
        int ligne = 0; // the nearest, taken
        int autre = 0; // the other one
    };
    QList<Double> doubles;
    QHash<int, Confirmation> par_ligne; // what confirmed each line
};
// Matches each confirmation; the log read once, each station's QSOs found through an index.
Rapprochement Rapproche(const Lignes_Log& log, const QList<Confirmation>& confirmations);

// The French summary: QSOs confirmed, records that matched nothing (why), that matched two.
QString Texte_Rapprochement(const Rapprochement& r, const Lecture_Confirmations& l, int deja_confirmes);
// The records that matched nothing, as CSV (UTF-8, ";"): number, callsign, date, time, band, why.
QByteArray CSV_Sans_Qso(const Rapprochement& r, const QList<Confirmation>& confirmations);

} // namespace swl
