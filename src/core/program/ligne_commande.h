#pragma once

#include <QString>
#include <QStringList>

namespace swl {

// What the command line asks before any window opens: the help, the version, or nothing (the
// program starts as usual). Qt's own options (-platform, -style, -geometry…) are left to Qt.
struct Reponse_Ligne_Commande {
    bool quitter = false; // the program writes `texte` and ends with `code`
    int code = 0;         // 0: `texte` goes to the standard output; otherwise to the error output
    QString texte;
};

// `arguments` as the program received them, the program's name first.
Reponse_Ligne_Commande Lit_Ligne_Commande(const QStringList& arguments);

// The help, in French, as `--help` writes it.
QString Aide_Ligne_Commande();

} // namespace swl
