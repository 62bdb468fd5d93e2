// The sound module's engine: the sound server through libpulse (PulseAudio, or PipeWire's
// PulseAudio server), clips through libsndfile, spectra through FFTW.
#pragma once

#include "platform/moteur_audio.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace swl {

class Moteur_Audio_Pulse final : public Moteur_Audio {
public:
    Moteur_Audio_Pulse();
    ~Moteur_Audio_Pulse() override;
    Moteur_Audio_Pulse(const Moteur_Audio_Pulse&) = delete;
    Moteur_Audio_Pulse& operator=(const Moteur_Audio_Pulse&) = delete;

    Sources_Son Sources() override;
    Resultat Demarre_Capture(const QString& source, Tampon_Audio* tampon,
                             std::function<void(const QString&)> arret) override;
    void Arrete_Capture() override;
    Resultat Ecrit_Son(const QString& chemin, const QList<qint16>& echantillons, int frequence,
                       Format_Clip format) override;
    Son_Lu Lit_Son(const QString& chemin) override;
    qint64 Duree_Ms(const QString& chemin) override;
    Spectrogramme Calcule_Spectrogramme(const QList<qint16>& echantillons, int frequence) override;
    Resultat Joue(const QList<qint16>& echantillons, int frequence, qint64 debut) override;
    void Arrete_Lecture() override;
    qint64 Position() const override { return position_.load(); }
    bool En_Lecture() const override { return en_lecture_.load(); }
    QString Erreur_Lecture() const override;

private:
    struct Capture;
    std::unique_ptr<Capture> capture_;
    std::thread lecture_;
    std::atomic_bool arret_lecture_ = false;
    std::atomic_bool en_lecture_ = false;
    std::atomic<qint64> position_ = 0;
    mutable std::mutex erreur_mutex_;
    QString erreur_lecture_;
};

} // namespace swl
