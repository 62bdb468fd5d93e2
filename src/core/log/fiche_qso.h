#pragma once

#include <QString>
#include <QStringList>

namespace swl {

// One heard QSO, as the entry form holds it.
struct Fiche_QSO {
    QString Indicatif_A;
    QString Dpt_A;
    QString RST_A;
    QString Prenom_A;
    QString QTH_A;
    QString Indicatif_B;
    QString Dpt_B;
    QString RST_B;
    QString Date;  // "JJ/MM/AA"
    QString Heure; // "HH:MM", UTC
    QString Mode;
    QString Bande; // the band caption, not its index
    bool QSL = false;
};

inline constexpr qsizetype Largeur_Ligne_Log = 114;
inline constexpr qsizetype Largeur_Ligne_Liste = 134;
// Running numbers take 5 columns: up to 9,999 right-aligned, then 10,000 to 99,999.
inline constexpr int Numero_Maximal = 99999;

const QStringList& Liste_Bandes();
const QStringList& Liste_Modes();

// Mode groups, as the awards' endorsements and the marks of what is new count them: CW; phone
// (SSB, LSB, USB, AM, FM); every other mode.
enum class Groupe_Mode { CW, Phonie, Autres };
inline constexpr int Nombre_Groupes_Mode = 3;
Groupe_Mode Groupe_De_Mode(QStringView mode);
QString Nom_Groupe_Mode(Groupe_Mode groupe); // "CW", "phonie", "autres modes"

// The logbook band of a frequency in kHz ("27 Mhz" included), or an empty text when it lies
// outside every band.
QString Bande_De_Frequence(double khz);

// The caption above the main list.
QString Libelle_Colonnes_Liste();

// Text at 1-based `colonne`, `largeur` characters, or what is left of the line when it is
// shorter (possibly nothing). Never fails.
QStringView Piece(QStringView ligne, qsizetype colonne, qsizetype largeur);

// The QTH as it is stored: trimmed and cut to its first 30 characters (not yet upper case).
QString QTH_Conserve(const QString& qth);

// The 114-column log line. Prénom and QTH go to upper case, the QTH trimmed and cut to 30;
// every field is padded or cut to its width so that later columns keep their place.
QString Forme_Ligne_Log(const Fiche_QSO& fiche);

// The 114-column log line of fields taken exactly as they are: each padded or cut to its
// width, nothing else changed.
QString Place_Colonnes_Log(const Fiche_QSO& fiche);

// The 134-column list line of a log line with its running number (1 to 99,999).
QString Forme_Ligne_Liste(QStringView ligne_log, int numero);

// The log line a list line was made from (exact for every line Forme_Ligne_Log writes).
QString Ligne_Log_De_Liste(QStringView ligne_liste);

// The fields of a list line, each the text at its columns (spaces kept, not trimmed).
Fiche_QSO Fiche_De_Ligne_Liste(QStringView ligne_liste);

// The running number in columns 1-5 of a list line, or 0 when there is none.
int Numero_Ligne_Liste(QStringView ligne_liste);

} // namespace swl
