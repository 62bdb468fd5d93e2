#pragma once

#include "core/reports/mise_en_page.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>

namespace swl {

// A sheet of self-adhesive labels: A4, two columns. Lengths in mm from the sheet's corner.
struct Stock_Etiquettes {
    QString libelle; // the caption of its option in the label window
    int etiquettes;  // labels per sheet
    int rangees;     // rows per sheet
    bool ligne6_grasse;
    bool ligne_vide; // an empty line at 8 points under line 2
    double largeur, hauteur;
    double pas_x, pas_y;
    double marge_gauche, marge_haut;
};

// The four stocks, Type_E(1) to Type_E(4).
const std::array<Stock_Etiquettes, 4>& Stocks_Etiquettes();
// The stock of option k (1 to 4); any other k is stock 1.
const Stock_Etiquettes& Stock_Etiquettes_De(int k);

// What a label takes from one chosen main list line.
struct Pieces_Etiquette {
    QString indicatif_a; // trimmed
    QString indicatif_b; // trimmed
    QString rst_a;       // trimmed
    QString date;        // 8 columns as they are
    QString heure;       // 5 columns as they are
    QString mode;        // trimmed
    QString bande;       // all 7 columns, trailing spaces included
};
Pieces_Etiquette Pieces_De_Ligne(QStringView ligne_liste);

// The centring of a line of width W whose fixed words take F characters and variable pieces n:
// pad spaces on each side and the separator between words and pieces.
struct Centrage {
    int pad = 0;
    QString separateur;
};
Centrage Centre_Ligne(int largeur, int fixe, int variable);

struct Station_Etiquettes {
    bool francais = true;
    QString recepteur; // as typed
    QString antenne;   // as typed
    QString indicatif; // the listener's callsign as printed
};

// The six texts of one label, for the left or the right column of a row.
std::array<QString, 6> Textes_Etiquette(const Pieces_Etiquette& pieces, bool droite,
                                        const Station_Etiquettes& s);

// The message that refuses the receiver and antenna of a job: an antenna over 12 characters,
// or both together leaving line 5 no room (35 characters or more); else an empty text.
QString Controle_Ligne_Station(const QString& recepteur, const QString& antenne);

struct Parametres_Etiquettes {
    Station_Etiquettes station;
    int stock = 1;         // 1 to 4
    int depart = 1;        // the first label used on the first sheet, from 1
    double decalage_x = 0; // mm, the whole layout moved right
    double decalage_y = 0; // mm, moved down
};

class Reglages;

// The label choices remembered for a station (all but its callsign), each read back safely:
// French unless "Langue" says false, a stock outside 1 to 4 read as the first (it would print
// nothing), offsets from -10 to +10 mm by half millimetres, else 0.
Parametres_Etiquettes Parametres_Retenus(const Reglages& reglages, const QString& section);
// Writes them back, as every job does.
void Retient_Parametres(Reglages& reglages, const QString& section, const Parametres_Etiquettes& p);

struct Feuille_Etiquettes {
    QList<Texte_Place> textes; // row by row, line by line, left label then right label
    bool pleine = false;       // its last row is used: the sheet is complete
};

// The sheets of a job: one label per chosen line in their order, two per row, the labels
// before `depart` left blank; when the last row holds one label, the right one is printed with
// its fixed words only. Each row stands on its own label row of the stock.
QList<Feuille_Etiquettes> Met_En_Page(const QStringList& lignes_liste, const Parametres_Etiquettes& p);

// The outline of every label of a sheet, with the offsets, in mm.
QList<QRectF> Contours_Etiquettes(const Parametres_Etiquettes& p);

} // namespace swl
