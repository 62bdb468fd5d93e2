#pragma once

#include "core/base/resultat.h"

#include <QString>

#include <optional>

namespace swl {

// The first-name directory "Liste_Prenom.txt": for every station A callsign logged, the
// department and first name saved with it last. One record a line: callsign padded to 12,
// a space, department padded to 2, a space, the first name in capitals (not padded).
class Liste_Prenom final {
public:
    explicit Liste_Prenom(QString repertoire);

    struct Fiche {
        QString departement; // empty when the record holds none
        QString prenom;      // capitals; empty when the record holds none
    };
    // The record of the last line whose callsign column, spaces removed, is `indicatif`
    // (letter case counts); nothing when there is none or the file is missing.
    std::optional<Fiche> Cherche(const QString& indicatif) const;

    // Writes `enregistrement` in place of the first record of the same callsign (spaces
    // removed, as the lookup reads it) and drops the others, or adds it at the end; the file
    // is made when missing. Atomic: the directory is never half written.
    Resultat Maj_Liste_Prenom(const QString& enregistrement) const;

    static QString Enregistrement(const QString& indicatif, const QString& departement,
                                  const QString& prenom);

private:
    QString repertoire_;
};

} // namespace swl
