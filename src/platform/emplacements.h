#pragma once

#include <QString>

namespace swl {

// The folder that holds every file of the program: $XDG_DATA_HOME/ORBEL_SWL.
QString Chemin_Repertoire_Programme();
// The settings file: $XDG_CONFIG_HOME/ORBEL_SWL/SWL.ini.
QString Chemin_Fichier_Reglages();

} // namespace swl
