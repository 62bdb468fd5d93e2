#include "core/audio/tampon_audio.h"

#include <QMutexLocker>

#include <algorithm>

namespace swl {

Tampon_Audio::Tampon_Audio(int secondes) : donnees_(std::size_t(std::max(secondes, 1)) * Frequence) {}

void Tampon_Audio::Ecrit(const qint16* echantillons, qsizetype nombre, qint64 fin_ms) {
    const QMutexLocker verrou(&mutex_);
    const qint64 capacite = Capacite();
    // More than the ring holds: only its end is kept.
    if (nombre > capacite) {
        echantillons += nombre - capacite;
        total_ += nombre - capacite;
        nombre = capacite;
    }
    const auto place = static_cast<qsizetype>(total_ % capacite);
    const qsizetype premiere = std::min<qsizetype>(nombre, capacite - place);
    std::copy(echantillons, echantillons + premiere, donnees_.begin() + place);
    std::copy(echantillons + premiere, echantillons + nombre, donnees_.begin());
    total_ += nombre;
    fin_ms_ = fin_ms;
}

void Tampon_Audio::Vide() {
    const QMutexLocker verrou(&mutex_);
    total_ = 0;
    fin_ms_ = 0;
}

qint64 Tampon_Audio::Total() const {
    const QMutexLocker verrou(&mutex_);
    return total_;
}

Tampon_Audio::Extrait Tampon_Audio::Lit(qint64 debut_ms, qint64 fin_ms) const {
    const QMutexLocker verrou(&mutex_);
    Extrait e;
    const qint64 capacite = Capacite();
    // A moment in samples from the first one ever written.
    const auto echantillon = [this](qint64 ms) { return total_ - (fin_ms_ - ms) * Frequence / 1000; };
    const qint64 tenu = std::max<qint64>(0, total_ - capacite);
    qint64 debut = echantillon(debut_ms);
    const qint64 fin = std::clamp<qint64>(echantillon(fin_ms), 0, total_);
    if (debut < tenu) {
        e.coupe = tenu > 0;
        debut = tenu;
    }
    if (total_ == 0 || debut >= fin) {
        return e;
    }
    e.debut_ms = fin_ms_ - (total_ - debut) * 1000 / Frequence;
    e.echantillons.resize(fin - debut);
    // At most two runs of the ring: to its end, then from its start.
    const auto a = static_cast<qsizetype>(debut % capacite);
    const qsizetype premiere = std::min<qsizetype>(fin - debut, capacite - a);
    std::copy(donnees_.begin() + a, donnees_.begin() + a + premiere, e.echantillons.begin());
    std::copy(donnees_.begin(), donnees_.begin() + (fin - debut - premiere),
              e.echantillons.begin() + premiere);
    return e;
}

} // namespace swl
