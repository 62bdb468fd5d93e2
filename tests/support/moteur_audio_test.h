#pragma once

// The sound module's engine for the windows' tests: clips written, read and drawn for real
// (libsndfile, FFTW), the capture and the playback played by the test (no sound server).
#include "platform/moteur_audio_pulse.h"

#include <QStringList>

#include <atomic>

namespace swl::test {

class Moteur_Audio_Test final : public Moteur_Audio {
public:
    Moteur_Audio_Pulse vrai;
    // The ring the capture fills, once started (from the recorder's own thread).
    std::atomic<Tampon_Audio*> tampon = nullptr;
    QString source;
    QString refus;        // a capture that cannot start says this
    QStringList lectures; // "joue <first sample>", "arrête"
    bool joue = false;

    Sources_Son Sources() override {
        return {{{QStringLiteral("alsa_input.usb"), QStringLiteral("Carte son USB"), false},
                 {QStringLiteral("recepteur.monitor"), QStringLiteral("Monitor of Null Output"), true}},
                {}};
    }
    Resultat Demarre_Capture(const QString& s, Tampon_Audio* t,
                             std::function<void(const QString&)> a) override {
        if (!refus.isEmpty()) {
            return Resultat::Echec(refus);
        }
        source = s;
        tampon = t;
        arret = std::move(a);
        return Resultat::Succes();
    }
    void Arrete_Capture() override { tampon = nullptr; }
    // Called before each write, on the thread that writes (a test holds a clip back there).
    std::function<void()> avant_ecriture;
    Resultat Ecrit_Son(const QString& chemin, const QList<qint16>& e, int f, Format_Clip format) override {
        if (avant_ecriture) {
            avant_ecriture();
        }
        return vrai.Ecrit_Son(chemin, e, f, format);
    }
    Son_Lu Lit_Son(const QString& chemin) override { return vrai.Lit_Son(chemin); }
    qint64 Duree_Ms(const QString& chemin) override { return vrai.Duree_Ms(chemin); }
    Spectrogramme Calcule_Spectrogramme(const QList<qint16>& e, int f) override {
        return vrai.Calcule_Spectrogramme(e, f);
    }
    Resultat Joue(const QList<qint16>&, int, qint64 debut) override {
        lectures << QStringLiteral("joue ") + QString::number(debut);
        joue = true;
        return Resultat::Succes();
    }
    void Arrete_Lecture() override {
        if (joue) {
            lectures << QStringLiteral("arrête");
        }
        joue = false;
    }
    qint64 Position() const override { return 0; }
    bool En_Lecture() const override { return joue; }
    QString Erreur_Lecture() const override { return {}; }

    std::function<void(const QString&)> arret;
};

} // namespace swl::test
