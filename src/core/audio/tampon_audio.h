#pragma once

// The last minutes of the receiver's audio, kept in memory while recording is on: mono,
// 16 kHz, 16 bits, in a ring of fixed size. The capture writes to it from its own thread; a
// clip is read from it on another.
#include <QList>
#include <QMutex>

#include <vector>

namespace swl {

class Tampon_Audio final {
public:
    static constexpr int Frequence = 16000; // samples a second
    // Holds `secondes` of audio; the memory is taken once, here.
    explicit Tampon_Audio(int secondes);

    // Samples just heard, the last one ending at `fin_ms` (UTC, ms since the epoch).
    void Ecrit(const qint16* echantillons, qsizetype nombre, qint64 fin_ms);
    // Forgets what was heard (a capture started again: its clock starts anew).
    void Vide();

    struct Extrait {
        QList<qint16> echantillons;
        qint64 debut_ms = 0; // the moment of the first sample given
        // The start asked for was heard but is no longer held: the clip is cut to the buffer.
        bool coupe = false;
    };
    // The audio from `debut_ms` to `fin_ms`, as much of it as was heard and is still held.
    Extrait Lit(qint64 debut_ms, qint64 fin_ms) const;

    qint64 Capacite() const { return static_cast<qint64>(donnees_.size()); }
    qint64 Total() const; // samples written since it was made or emptied

private:
    mutable QMutex mutex_;
    std::vector<qint16> donnees_;
    qint64 total_ = 0;
    qint64 fin_ms_ = 0;
};

} // namespace swl
