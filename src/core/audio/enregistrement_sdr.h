#pragma once

// A QSO's clip from the SDR program's own recorder (GQRX, SDR++): the program is asked to record
// (`AOS`) at the first character typed and to stop (`LOS`) at the save; it never says which file
// it wrote, so the clip is the newest WAV of the folder the listener named, written since.
#include <QList>
#include <QString>

#include <optional>

namespace swl {

struct Fichier_Son {
    QString nom;
    qint64 modifie_ms = 0; // last written (UTC, ms since the epoch)
    qint64 octets = 0;
};
// The two clocks of a folder shared over the network may differ by this much.
inline constexpr qint64 Ecart_Horloges_Ms = 2000;
// The SDR program's recording of a QSO among the files of its folder: the WAV (".wav" in any
// case) last written, if written since `depuis_ms` (when `AOS` was sent); nothing otherwise.
std::optional<Fichier_Son> Enregistrement_SDR_Du_QSO(const QList<Fichier_Son>& fichiers, qint64 depuis_ms);
// A recording longer than the time between `AOS` and `LOS` (with some seconds for the program
// to start it) started before the QSO: the listener's own, never taken for the QSO's.
bool Commence_Avant_Le_QSO(qint64 duree_ms, qint64 aos_ms, qint64 los_ms);

// Mono samples at `de` Hz brought to `vers` Hz: low-pass filtered below the lower rate's half
// (a windowed sinc), so that nothing above it folds back into what is heard.
QList<qint16> Reechantillonne(const QList<qint16>& echantillons, int de, int vers);

} // namespace swl
