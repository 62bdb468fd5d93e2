// What the sound module does with the receiver's audio: the sound server's sources, the capture
// into the ring buffer, clips written and read (Ogg/Opus, WAV), their spectrogram, their
// playback. Loaded with the module at the first sound or when recording is switched on, so that
// start-up maps none of the libraries it needs (the sound server's, libsndfile, FFTW).
#pragma once

#include "core/audio/tampon_audio.h"
#include "core/base/resultat.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace swl {

// A source of the sound server: a sound card's input, or the monitor of an output (where an SDR
// program plays).
struct Source_Son {
    QString nom;         // the server's name, kept in the settings
    QString description; // as the system shows it
    bool moniteur = false;
};

struct Sources_Son {
    QList<Source_Son> sources;
    QString erreur; // in French: no sound server
};

// A clip read back: mono samples and their rate.
struct Son_Lu {
    QList<qint16> echantillons;
    int frequence = 0;
    QString erreur; // in French, when it cannot be read
};

// Time against frequency (0 to 4 kHz): one column each `pas_ms`, `lignes` rows from 0 Hz up,
// each value the power in dB (0 the loudest of the clip, down to -90).
struct Spectrogramme {
    int colonnes = 0;
    int lignes = 0;
    double pas_ms = 0;
    double hz_par_ligne = 0;
    QList<float> db; // column after column
    float Valeur(int colonne, int ligne) const { return db[qsizetype(colonne) * lignes + ligne]; }
};

enum class Format_Clip { Opus, Wav };

class Moteur_Audio {
public:
    virtual ~Moteur_Audio() = default;
    virtual Sources_Son Sources() = 0;
    // Starts reading `source` into `tampon` (mono, 16 kHz, 16 bits, the sound server converting)
    // on a thread of its own; `arret` is called, from that thread, with the reason in French
    // when the capture stops by itself (the device gone, the server stopped).
    virtual Resultat Demarre_Capture(const QString& source, Tampon_Audio* tampon,
                                     std::function<void(const QString&)> arret) = 0;
    virtual void Arrete_Capture() = 0;
    // Writes the samples to `chemin` through a temporary file beside it, renamed when whole: a
    // failure (a full disk) leaves no file.
    virtual Resultat Ecrit_Son(const QString& chemin, const QList<qint16>& echantillons, int frequence,
                               Format_Clip format) = 0;
    virtual Son_Lu Lit_Son(const QString& chemin) = 0;
    // Its length in ms, read from its header alone; -1 when it cannot be read.
    virtual qint64 Duree_Ms(const QString& chemin) = 0;
    virtual Spectrogramme Calcule_Spectrogramme(const QList<qint16>& echantillons, int frequence) = 0;
    // Plays from `debut` (a sample) on a thread of its own, the sound server reached there too
    // (one that hangs freezes nothing); `Position` is the sample playing. A playback that could
    // not go on ends, `Erreur_Lecture` saying why in French.
    virtual Resultat Joue(const QList<qint16>& echantillons, int frequence, qint64 debut) = 0;
    // Returns at once, whatever the sound server does.
    virtual void Arrete_Lecture() = 0;
    virtual qint64 Position() const = 0;
    virtual bool En_Lecture() const = 0;
    virtual QString Erreur_Lecture() const = 0;
};

} // namespace swl

#define Swl_Moteur_Audio_Iid "fr.orbel.swl.Moteur_Audio/2"
Q_DECLARE_INTERFACE(swl::Moteur_Audio, Swl_Moteur_Audio_Iid)
