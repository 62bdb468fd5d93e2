#pragma once

#include <QString>
#include <QStringList>

namespace swl {

// The folder that holds every file of the program: $XDG_DATA_HOME/ORBEL_SWL.
QString Chemin_Repertoire_Programme();
// The settings file: $XDG_CONFIG_HOME/ORBEL_SWL/SWL.ini.
QString Chemin_Fichier_Reglages();

// Where the program's pictures and tables (the map, its markers) are looked for:
// ../share/orbel-swl from the executable's folder `dossier_programme`, the same in the
// installed program and in every build tree (the build copies them there).
QStringList Dossiers_Ressources(const QString& dossier_programme);
QStringList Dossiers_Ressources();

// The files the program reads from those folders.
inline const QString Fichier_Carte = QStringLiteral("carte_departements.png");
inline const QString Fichier_Marqueurs = QStringLiteral("marqueurs_departements.csv");

struct Ressource {
    QString chemin;  // the file found, or empty
    QString message; // when missing: which file, and where it was looked for, in French
};
Ressource Trouve_Ressource(const QString& nom, const QStringList& dossiers);
// The message of each of the program's files found in none of `dossiers`, in their order.
QStringList Ressources_Manquantes(const QStringList& dossiers);

} // namespace swl
