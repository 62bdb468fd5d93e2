#pragma once

#include <QString>
#include <QStringView>

namespace swl {

// The French departments a listener counts: the 96 of metropolitan France and Corsica, by the
// code the log writes ("01" to "95", "2a", "2b"), and the five overseas ones, known by the
// country of the callsign.
inline constexpr int Nombre_Departements_Metropole = 96;

// The name of a metropolitan department ("Ain", "Corse-du-Sud"), empty for another code.
// The code is read as the log writes it, letter case aside.
QString Nom_Departement(QStringView code);

struct Departement_Outre_Mer {
    const char16_t* code; // "971"
    const char16_t* nom;  // "Guadeloupe"
    int dxcc;             // its entity for the country file
};
// The overseas department of an entity number, or nothing.
const Departement_Outre_Mer* Departement_De_Entite(int dxcc);

} // namespace swl
