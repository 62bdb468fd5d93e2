#pragma once

// Reading a log line's columns as bytes, without an allocation: for the passes over a whole log
// (statistics, awards, the index of what it holds).
#include <QByteArrayView>
#include <QDate>
#include <QHashFunctions>
#include <QString>

#include <algorithm>
#include <array>

namespace swl {

// The columns of a log line (1-based, as the file holds them), spaces around removed.
QByteArrayView Colonne_Log(QByteArrayView ligne, qsizetype debut, qsizetype largeur);
// The number written by the two digits at `i`, or -1.
int Deux_Chiffres(QByteArrayView v, qsizetype i);
// A metropolitan department of a log code, as the map numbers them: "01" to "95" but "20",
// "2a" 96, "2b" 97 (either case); -1 for any other code.
int Numero_Departement(QByteArrayView code);
// The code the log writes for that number: "01", "2a".
QString Code_Departement(int numero);
// The date of a log line ("JJ/MM/AA", 00-49 in the 2000s, 50-99 in the 1900s), invalid when it
// cannot be read.
QDate Date_Ligne_Log(QByteArrayView ligne);

// A callsign of the log (its 12 columns) as a key, without an allocation.
struct Cle_Indicatif {
    std::array<char, 12> octets{};
    explicit Cle_Indicatif(QByteArrayView v) {
        std::copy(v.begin(), v.begin() + std::min<qsizetype>(v.size(), 12), octets.begin());
    }
    friend bool operator==(const Cle_Indicatif& x, const Cle_Indicatif& y) { return x.octets == y.octets; }
    friend size_t qHash(const Cle_Indicatif& c, size_t graine = 0) {
        return qHashBits(c.octets.data(), c.octets.size(), graine);
    }
};

} // namespace swl
