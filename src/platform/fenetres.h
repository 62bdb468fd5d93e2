#pragma once

#include "core/reports/index_journal.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QLabel;
class QListView;

namespace swl {

// The field that expects input, and every other entry field.
inline const QColor Couleur_Courante{192, 255, 192};
inline const QColor Couleur_Repos{255, 255, 192};

// "Terminal" 9 pt, or the nearest fixed-pitch font, so that the columns of log lines line up.
QFont Police_Liste();

// The bold sans-serif heading of a window, 12 pt.
QFont Police_Titre();

// Every window opens whole inside the available area of its screen (the main window's screen,
// taskbars excluded), its frame included: never larger, never past an edge.
// Makes the window no larger than that area (a layout's minimum still holds).
void Ajuste_A_L_Ecran(QWidget& fenetre);
// Centres the window on its screen: (screen - window) / 2, truncated, on each axis; brought
// inside the available area.
void Centre_Fenetre(QWidget& fenetre);
// Centres the window on the window it belongs to (its parent's window), else on its screen;
// kept whole on the screen.
void Centre_Sur_Parent(QWidget& fenetre);
// A place remembered (from a larger screen, another arrangement of screens), taken back
// inside the screen that holds most of it: the size cut to fit, the frame moved inside.
void Place_Dans_Ecran(QWidget& fenetre, const QRect& voulue);

// A window is loaded at most once: the first call makes it with `fabrique`, later calls
// bring the loaded one forward. It is destroyed when closed.
template <class Fenetre, class Fabrique>
Fenetre* Montre_Fenetre(QPointer<Fenetre>& fenetre, Fabrique&& fabrique) {
    if (!fenetre) {
        fenetre = fabrique();
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
    return fenetre;
}

// Calls `gestion` with the character code of every key typed in `champ` (13 for Enter,
// 8 for Backspace), before the field sees it. The code returned replaces the character;
// 0 swallows the key; the same code lets the key through unchanged.
void Installe_KeyPress(QWidget* champ, std::function<int(int)> gestion);

// Calls `gestion` on a double click in the view's empty area, below or beside its lines
// (the view itself reports double clicks on a line only).
void Installe_Double_Clic_Hors_Lignes(QAbstractItemView* vue, std::function<void()> gestion);

// Calls `gestion` when the control is clicked with the mouse (before the control handles it).
void Installe_Clic(QWidget* controle, std::function<void()> gestion);

// Gives a control, a menu or an action the program's name for it (its objectName).
template <class Objet> Objet* Nomme(Objet* o, const QString& nom) {
    o->setObjectName(nom);
    return o;
}

// Names a control: the program's name for it, and what a screen reader says of it.
template <class Controle>
Controle* Nomme_Controle(Controle* c, const QString& nom, const QString& accessible) {
    c->setObjectName(nom);
    c->setAccessibleName(accessible);
    return c;
}

// A label that shows a value: its text, and for a screen reader the caption with the value
// ("Heure UTC 13:02"), updated together.
void Affiche_Valeur(QLabel* label, const QString& legende, const QString& valeur);
// A button whose caption changes: the screen reader hears the new one.
void Change_Legende(QAbstractButton* bouton, const QString& legende);

// A list of fixed-column log lines: the fixed-pitch list font, light yellow, one line
// selected at a time, nothing editable.
QListView* Nouvelle_Liste_Lignes(QWidget* parent, const QString& nom, const QString& accessible);
// At least `caracteres` characters of its font wide, beside its scroll bar, and `lignes` lines high.
void Fixe_Taille_Lignes(QAbstractItemView* liste, int caracteres, int lignes);

// A combo box with a list and typed text, as the program's band and mode fields: typed text
// never joins the list and nothing is completed behind the user's back.
QComboBox* Nouvelle_Combo_Editable(QWidget* parent, const QString& nom);

// The list position of `texte` in a combo box: the entry that reads it exactly (letter case
// included), or -1 when none does.
int Position_Dans_Liste(const QComboBox* combo, const QString& texte);

// A background colour of an entry field, a list or a button.
void Fixe_Couleur_Fond(QWidget* controle, const QColor& couleur);
// The colour of each kind of what is new, from the most valuable (red) to heard but never
// confirmed (grey), the text always saying it too.
QColor Couleur_Nouveaute(Nouveaute sorte);
QColor Couleur_Fond(const QWidget* controle);

} // namespace swl
