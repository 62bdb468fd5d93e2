#pragma once

#include "core/log/fichier_log.h"

#include <QByteArrayView>
#include <QList>
#include <QSet>

#include <array>

namespace swl {

// What makes two QSOs the same: stations A and B (columns 1-25), date, time, mode and band
// (columns 48-73), as the log file holds them. Kept in place, without an allocation per line.
struct Cle_Doublon {
    std::array<char, 51> octets{};
    quint8 debut = 0; // how many of columns 1-25 the line has
    quint8 fin = 0;   // how many of columns 48-73

    explicit Cle_Doublon(QByteArrayView ligne);
    friend bool operator==(const Cle_Doublon& x, const Cle_Doublon& y) {
        return x.debut == y.debut && x.fin == y.fin && x.octets == y.octets;
    }
    friend size_t qHash(const Cle_Doublon& c, size_t graine = 0) {
        return qHashBits(c.octets.data(), c.octets.size(), graine ^ (c.debut * 31u + c.fin));
    }
};

// The keys of every line of a log; `reserve`: room for that many more.
QSet<Cle_Doublon> Cles_Doublons(const Lignes_Log& lignes, qsizetype reserve = 0);

struct Bilan_Ajout {
    int ajoutes = 0;
    int deja_la = 0;     // already in the log, or earlier in the same batch
    Resultat ecriture;   // the log rewritten, or why not (then nothing changed)
    Trace_Journal trace; // what the merge did to the log, when it wrote it
};

// Why a log just read cannot take new lines ("… : rien n'a été `fait`."), or nothing when it can.
std::optional<Resultat> Log_Illisible(const Fichier_Log::Lecture& lecture, const QString& fait);

// Merges the log lines (as the file holds them) that are not in the log yet, each at its date
// and time, in one rewrite.
Bilan_Ajout Ajoute_Sans_Doublon(const Fichier_Log& log, const QList<QByteArray>& lignes);

} // namespace swl
