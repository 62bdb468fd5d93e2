#pragma once

#include <QString>
#include <QStringList>

namespace swl {

class Boites_Message;
class Choix_Fichier;
class Base_Pays;
class Ecoute_WSJTX;
class Horloge;
class Imprimante;
class Fabrique_Navigateur;
class Programme;
class Recepteur;
class Reglages;
class Index_Journal;
class Sons;
class Enregistreur;

// What every window is given at construction: the platform, and where the files lie.
struct Services {
    Boites_Message& messages;
    Horloge& horloge;
    Reglages& reglages;
    Programme& programme;
    Imprimante& imprimante;
    Fabrique_Navigateur& navigateurs;
    Choix_Fichier& fichiers;
    QString repertoire; // the program directory
    // Where the map and its markers are looked for; empty: Dossiers_Ressources().
    QStringList ressources = {};
    // The receiver read through Hamlib, or none.
    Recepteur* recepteur = nullptr;
    // The decodes of WSJT-X or JTDX listened to, or none.
    Ecoute_WSJTX* ecoute_wsjtx = nullptr;
    // The country file in use, or none (every country unknown).
    Base_Pays* pays = nullptr;
    // What the log holds, for the marks of what a station would bring; none: no marks.
    Index_Journal* nouveautes = nullptr;
    // The alert sounds; none: silent.
    Sons* sons = nullptr;
    // The receiver's audio kept with the QSOs; none: no recording.
    Enregistreur* enregistreur = nullptr;
};

} // namespace swl
