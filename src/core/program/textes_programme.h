#pragma once

#include <QString>
#include <QStringList>

namespace swl {

// "1.0.5": the program's version, one value in the build, shared by the package.
QString Version();
// " 1.0.5", with its leading space: shown in the caption and the About box.
QString Revision();
// "  ORBEL_SWL    Revision  1.0.5"
QString Titre_Fenetre_Principale();
// The six lines of the version history, oldest first, each ended by a line break.
QString Historique();
// The short notice that names the program, its years and its makers: footer of the About box
// and of every saved or printed list.
QString Notice_Programme();
// The About box text.
QString Texte_A_Propos();
// The first-installation message at start-up.
QString Message_Premiere_Installation();
// The callsign as the user reads it: "_" shown as "/".
QString Indicatif_Affiche(QString indicatif);

} // namespace swl
