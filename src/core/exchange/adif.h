#pragma once

#include "core/log/fichier_log.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace swl {

class Fichier_Pays;

// Exchanging the log with other programs in ADIF 3.1.6: ADI text, its XML form ADX, and CSV
// for a spreadsheet. One record a QSO heard (SWL Y): station A in CALL, the listener in
// STATION_CALLSIGN, station B and what ADIF has no field for in our own APP_ORBELSWL_ fields,
// so that reading our own file back gives the very same log lines.

inline const QString Programme_ADIF = QStringLiteral("ORBELSWL");

// The ADIF band of a logbook band ("7.0 Mhz" → "40m"); empty for 27 Mhz, which ADIF has not.
QString Bande_Vers_ADIF(const QString& bande);
// The logbook band of an ADIF band, any letter case ("40M" → "7.0 Mhz"; the CB's "11m" →
// "27 Mhz"), or empty.
QString Bande_De_ADIF(QStringView band);

struct Mode_ADIF {
    QString mode;
    QString sous_mode;
};
// The ADIF mode of a logbook mode: SSB, CW, FM, AM, FT8 as they are, LSB and USB as SSB with
// that submode, FT4 as MFSK/FT4, PSK, RTY as RTTY; anything else (DIG) has none.
Mode_ADIF Mode_Vers_ADIF(const QString& mode);
// The table read backwards; any other mode is "DIG" (`autre` set). Without a mode, the one
// its submode belongs to; without either, nothing.
QString Mode_De_ADIF(QStringView mode, QStringView sous_mode, bool* autre = nullptr);

// "YYYYMMDD" of a log date "JJ/MM/AA" (50-99 → 19xx, 00-49 → 20xx), when it is a real date.
std::optional<QString> Date_Vers_ADIF(QStringView date);

// The French department of a log code ("01" to "95" but "20", "2a", "2b") as ADIF's STATE
// ("2A", "2B" in capitals) with its DXCC entity (227 France, 214 Corsica); nothing otherwise.
struct Departement_ADIF {
    QString state;
    int dxcc = 0;
};
std::optional<Departement_ADIF> Departement_Vers_ADIF(QStringView code);

// ASCII for an ADI string: letters without their accent (é → e, œ → oe, ° → o), other
// characters outside ASCII as "?".
QString Sans_Accents(QStringView texte);

struct Entete_Export {
    QString indicatif_station; // the listener, "/" in place of "_"
    QString recepteur;         // MY_RIG, when not empty
    QString antenne;           // MY_ANTENNA, when not empty
    QDateTime maintenant_utc;
    // DXCC, COUNTRY and CONT of station A, when this country file knows its callsign.
    const Fichier_Pays* pays = nullptr;
};

// Our own file reads back into the very same lines: a line the import could not give back
// byte for byte (a damaged one: a date or time the log cannot place, a character it cannot
// hold) is left out, its number (from 1) added to `ecartees` when given.
QByteArray Exporte_ADI(const Lignes_Log& log, const Entete_Export& entete, QList<int>* ecartees = nullptr);
QByteArray Exporte_ADX(const Lignes_Log& log, const Entete_Export& entete, QList<int>* ecartees = nullptr);
// What the export's summary adds for the lines left out ("\r\n2 lignes abîmées…"), the first
// 20 numbers named; empty when none was.
QString Texte_Lignes_Ecartees(const QList<int>& ecartees);
// The header of an ADI file of ours: `titre` on its first line (ASCII), ADIF_VER, PROGRAMID,
// PROGRAMVERSION, CREATED_TIMESTAMP, <EOH>.
QByteArray Entete_ADI(const QString& titre, const QDateTime& maintenant_utc);
// One ADI record: each field "<NAME:length>value " in ASCII (letters without their accent), an
// empty value left out, then "<EOR>" and CR LF.
QByteArray Enregistrement_ADI(const QList<std::pair<QString, QString>>& champs);
// UTF-8 (with its byte-order mark), ";" between fields, a header row, dates AAAA-MM-JJ.
QByteArray Exporte_CSV(const Lignes_Log& log);
// One cell of those CSV files: quoted when it holds ";", a quote, a line end or outer spaces; a
// text a spreadsheet would take for a formula ("=", "+", "@", "-" not before a digit) kept a text.
QString Cellule_CSV(QString v);

// A record read: fields by name in capitals; our own APP fields under "APP_ORBELSWL_<NAME>",
// their exact text restored. Values are views into `textes`, which the record shares: the
// file's text is never copied field by field.
struct Enregistrement_ADIF {
    int numero = 0;                                // from 1, in the file
    QList<std::pair<QString, QStringView>> champs; // a name given twice: the last one counts
    QString refus;      // why reading already refuses it (a field too long, unreadable), or empty
    QStringList textes; // what the values are views into (shared, not copied)

    // The field's value, or nothing when the record has no such field.
    std::optional<QStringView> Trouve(QStringView nom) const;
    void Fixe(const QString& nom, const QString& valeur);
    // A value that is a view into text the record already holds.
    void Ajoute(const QString& nom, QStringView valeur) { champs.append({nom, valeur}); }
};

struct Lecture_ADIF {
    QList<Enregistrement_ADIF> enregistrements;
    QString arret;  // why and where reading stopped before the end, in French, or empty
    QString detail; // the parser's own words on it, for the report
    bool annulee = false;
};

// Reports progress (0 to 100); false stops the reading.
using Progression = std::function<bool(int pour_cent)>;

// No field of the log holds more: a longer value is dropped while reading, never copied, and
// its record refused when the import reads that field.
inline constexpr qsizetype Longueur_Maximale_Champ = 255;

// ADI: tags in any case, a header or none, text between fields ignored, lengths in characters.
// The file is UTF-8 (a byte-order mark or not), else Windows-1252.
Lecture_ADIF Lit_ADI(const QByteArray& octets, const Progression& progression = {});
// ADX: a DTD or an entity of the file's own stops the reading.
Lecture_ADIF Lit_ADX(const QByteArray& octets, const Progression& progression = {});

// The log line of a record, or the reason it cannot be taken.
struct Conversion_ADIF {
    QString ligne;
    QByteArray octets;     // the line as the log file holds it
    QString refus;         // empty when the line is made
    bool mode_dig = false; // another digital mode, logged as DIG
    bool sans_b = false;   // no station B: neither our own field nor a comment naming it
    int coupes = 0;        // texts cut to their column
};
// Station B as other programs write it in a comment: "en QSO avec LU1WA" (our own export's
// wording), "QSO with LU1WA", "wkd LU1WA"; empty when none names a callsign.
QString Station_B_Du_Commentaire(QStringView commentaire);
Conversion_ADIF Ligne_De_Enregistrement(const Enregistrement_ADIF& e);

struct Bilan_Import {
    int lus = 0; // records of the file
    int ajoutes = 0;
    int sans_b = 0;  // added without station B
    int deja_la = 0; // already in the log, or earlier in the same file
    int modes_dig = 0;
    int textes_coupes = 0;
    QList<QPair<int, QString>> refus; // record number, reason
    QString arret;
    QString arret_detail; // the parser's own words, for the report
    bool annule = false;
    Resultat ecriture;   // the log rewritten, or why not (then nothing changed)
    Trace_Journal trace; // what the merge did to the log, when it wrote it
};

// Reads an ADI (or ADX) file and merges every record that can be taken into the log, in
// date-and-time order, in one rewrite. Records equal to an entry (stations A and B, date,
// time, band, mode) are skipped. Cancelled or failed: the log stays exactly as it was.
// `avant_ecriture` runs just before the merge writes (never when nothing is to be written or
// the merge is refused).
Bilan_Import Importe_ADIF(const Fichier_Log& log, const QByteArray& contenu, bool adx,
                          const Progression& progression = {},
                          const std::function<void()>& avant_ecriture = {});

// The French summary of an import, `limite` refused records listed at most.
QString Texte_Bilan(const Bilan_Import& bilan, const QString& fichier, int limite);
// The report file of an import: the whole summary, every refused record, the parser's words;
// a character the file's code page cannot hold written "\u0141".
QByteArray Octets_Rapport_Import(const Bilan_Import& bilan, const QString& fichier);

} // namespace swl
