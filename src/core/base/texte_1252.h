#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace swl {

// The program's files are 8-bit Windows-1252 text with CR LF line ends, so that logs move
// between Windows and Linux machines unchanged.

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined decode to the
// C1 control of the same value, so that any file decodes and encodes back to the same bytes.
QString Decode_1252(QByteArrayView octets);

// Position of the first character of `texte` that a log line cannot hold (outside
// Windows-1252, or a control character such as a tab or a line break), or -1.
qsizetype Premier_Caractere_Interdit(QStringView texte);

// Encodes text that Premier_Caractere_Interdit accepts. Characters it refuses are written
// as '?' so callers must check first.
QByteArray Encode_1252(QStringView texte);

// The French message that names a character the log cannot hold, at `position` in `texte`.
QString Message_Caractere_Interdit(QStringView texte, qsizetype position);

// The text in capitals as the log stores it: each character by its own capital, except where
// that capital is not in Windows-1252 ("µ" and "ƒ" stay as typed, never Greek or Latin-B).
QString Majuscules_1252(QStringView texte);
QChar Majuscule_1252(QChar c);

// The bytes without the spaces around them, as QString::trimmed() removes them from the
// decoded text: space, no-break space (0xA0), tab to carriage return.
QByteArrayView Sans_Espaces_Autour(QByteArrayView octets);

// Text of another program: UTF-8 when it reads as UTF-8, else Windows-1252.
QString Decode_Utf8_Ou_1252(QByteArrayView octets);

// Every line encoded and followed by CR LF, as the program's files hold them.
QByteArray Octets_Lignes(const QStringList& lignes);

// Splits file contents into lines: CR LF or LF ends a line; a last line without an end
// counts; nothing follows the last line end.
QList<QByteArrayView> Decoupe_Lignes(QByteArrayView contenu);

// A short, visible excerpt of a text from outside, for a message: at most `maximum` characters,
// a control or invisible character shown as "\x0D" (or "\u200E"); a longer text ends in "…"
// and its whole length: "F5ABCDEFGH… (52 428 800 caractères)".
QString Extrait_Visible(QStringView texte, qsizetype maximum = 40);

// A number as French writes it: "100 000", a no-break space between groups of three digits.
QString Nombre_Francais(qint64 n);
// A decimal as French writes it whatever the system's locale: "14 074,0", `decimales`
// digits after the comma.
QString Decimal_Francais(double x, int decimales);
// How long ago a date was, for a file's age: "aujourd'hui", "hier", "il y a 12 jours",
// "il y a 5 mois", "il y a 1 an", "il y a 3 ans"; "dans le futur" past today.
QString Texte_Anciennete(const QDate& date, const QDate& aujourdhui);

// A sentence put after a colon: its first letter in lower case ("Le journal…" → "le journal…"),
// unless its first word is in capitals ("ORBEL_SWL", "QSO").
QString Apres_Deux_Points(const QString& phrase);

// Whether `a` comes before `b` in French alphabetical order (accents after the plain letter,
// case ignored): "Écosse" between "Dominique" and "Égypte".
bool Avant_En_Francais(const QString& a, const QString& b);
// A file's size for the user: "512 octets", "12 Ko", "11,4 Mo".
QString Taille_Fichier_En_Texte(qint64 octets);

// The text with each character the code page cannot hold written "\u0141", so that a report
// keeps it legibly in the program's 8-bit files.
QString Marque_Hors_1252(QStringView texte);

// How many lines Decoupe_Lignes would find, without making them.
qsizetype Nombre_Lignes(QByteArrayView contenu);

// Joins lines, each followed by CR LF.
QByteArray Joint_Lignes(const QList<QByteArrayView>& lignes);

} // namespace swl
