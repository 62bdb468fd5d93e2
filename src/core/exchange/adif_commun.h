#pragma once

// What the ADIF reader, writer and import share: the tables read both ways and the forms of
// dates, times and our own fields. Not for the windows: they use adif.h.

#include "core/exchange/adif.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace swl::adif {

struct Paire_Mode {
    const char16_t* log;
    const char16_t* mode;
    const char16_t* sous_mode;
};

// The ADIF band of a logbook band, a view of the table; empty when ADIF has none.
QStringView Bande_ADIF(QStringView bande);
// The table's entry of a logbook mode, or nothing.
const Paire_Mode* Mode_Du_Log(QStringView mode);

// "JJ/MM/AA" of an ADIF "YYYYMMDD" of 1950 to 2049; `refus` says why not.
std::optional<QString> Date_De_ADIF(QStringView d, QString* refus = nullptr);
// "HH:MM" of an ADIF "HHMM" or "HHMMSS".
std::optional<QString> Heure_De_ADIF(QStringView h);
// ADIF "HHMM" of a log time "HH:MM".
std::optional<QString> Heure_Vers_ADIF(QStringView h);
// Only printable ASCII.
bool Ascii(QStringView t);

// Reading a file record after record, each handed over as soon as it is read (the same
// record object is used again for the next one): what Lit_ADI and Lit_ADX do, without keeping
// every record. The result has no records.
using Recoit_Enregistrement = std::function<void(Enregistrement_ADIF& e)>;
Lecture_ADIF Parcourt_ADI(const QByteArray& octets, const Progression& progression,
                          const Recoit_Enregistrement& recoit);
Lecture_ADIF Parcourt_ADX(const QByteArray& octets, const Progression& progression,
                          const Recoit_Enregistrement& recoit);

// A large ADI file read in two halves at once, on a machine of two cores or more: each half's
// records go to `recoit` with the half (0 or 1), the second half's numbered from 1 again (add
// `premiers`). When the halves cannot be read apart (the middle inside a value, a file not in
// UTF-8), `recommence` is called and the file read whole, its records going to half 0. The
// result is what reading the whole file gives.
inline constexpr qsizetype Taille_Lecture_En_Deux = 4 * 1024 * 1024;
using Recoit_Partie = std::function<void(int partie, Enregistrement_ADIF& e)>;
struct Lecture_En_Deux {
    Lecture_ADIF lecture;
    int premiers = 0; // records of the first half
};
Lecture_En_Deux Parcourt_ADI_En_Deux(const QByteArray& octets, const Progression& progression,
                                     const Recoit_Partie& recoit, const std::function<void()>& recommence);

// Whether the import takes the field (of that name in capitals) into a column: a value too
// long for any column refuses its record.
bool Champ_Lu(QStringView nom);

// Our own fields carry this before their name.
inline const QString Prefixe_Propre = QStringLiteral("APP_ORBELSWL_");

} // namespace swl::adif
