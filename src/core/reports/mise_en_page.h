#pragma once

// Documents laid out on A4 paper before they are printed: texts and rules placed in mm from
// the paper's corner, page after page, in fonts whose widths are known (a fixed-pitch font for
// the tables), so that a table's columns line up and its headings are never cut.
#include <QList>
#include <QString>
#include <QStringList>

namespace swl {

inline constexpr double Largeur_A4_Mm = 210.0;
inline constexpr double Hauteur_A4_Mm = 297.0;

// A text printed at a place of the sheet: its first character `x` mm from the left edge, the top
// of its line `y` mm from the top edge.
struct Texte_Place {
    double x = 0;
    double y = 0;
    double points = 11;
    bool gras = false;
    QString texte;
    bool fixe = true; // the fixed-pitch font ("Courier New"), else the sans-serif one ("Arial")
};
struct Trait_Place {
    double x1_mm = 0, y1_mm = 0, x2_mm = 0, y2_mm = 0;
};
struct Page_Document {
    QList<Texte_Place> textes;
    QList<Trait_Place> traits;
    bool paysage = false; // A4 landscape (297 × 210 mm)
};

// The width of `caracteres` characters of the printed fixed-pitch font ("Courier New") at
// `points`, and the height of its line, in mm.
double Largeur_Fixe_Mm(qsizetype caracteres, double points);
double Hauteur_Ligne_Mm(double points);

// A text cut into lines of at most `largeur` characters, at blanks or hyphens where it can.
QStringList Coupe_Texte(const QString& texte, qsizetype largeur);

// A table over pages: a title block on the first page, the heading row again at the top of
// each page, rows one under the other (a cell too wide for its column goes on over more lines
// of its row), rules under the heading and at the table's end, lines after the table, and
// "page 1 sur 2" at the foot of each page.
struct Tableau_Document {
    QList<Texte_Place> titre; // placed from the top margin down, x from the left margin
    QStringList entetes;
    QList<qsizetype> largeurs; // in characters, one per heading
    QList<QStringList> rangees;
    QList<Texte_Place> fin; // after the table, one under the other (x, y ignored)
    double points = 9;
    double marge_mm = 15;
};
QList<Page_Document> Pages_Tableau(const Tableau_Document& t);

} // namespace swl
