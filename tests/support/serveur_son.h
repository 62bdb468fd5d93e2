#pragma once

// A sound server of the test's own: PulseAudio in a temporary folder, a null sink "recepteur"
// whose monitor stands for the receiver's output, and tone sequences played into it with pacat.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace swl::test {

class Serveur_Son final {
public:
    Serveur_Son();
    ~Serveur_Son();
    Serveur_Son(const Serveur_Son&) = delete;
    Serveur_Son& operator=(const Serveur_Son&) = delete;

    // Started and answering; its address in PULSE_SERVER for this process and its children.
    bool Demarre();
    void Arrete();
    // Stops the server by a signal (it hangs, answering nothing) or lets it go on.
    void Suspend(bool suspendu);
    QString Erreur() const { return erreur_; }
    // pactl with these arguments; its output.
    QString Pactl(const QStringList& arguments) const;
    // Plays mono 16 kHz samples into the sink, in real time, from now (`latence_ms` held ahead
    // by the player: more keeps a busy machine from starving it).
    void Joue(const QByteArray& s16le, int latence_ms = 20);
    void Attend_Fin_Lecture();

    // `secondes` of tones, one a second: 500 Hz, 750 Hz, 1 000 Hz… (second k at 500 + 250 k Hz),
    // again from 500 Hz after 3 750 Hz (the 14th).
    static QByteArray Suite_De_Tons(int secondes, int frequence = 16000);
    static int Frequence_Du_Ton(int seconde) { return 500 + 250 * (seconde % 14); }

private:
    QTemporaryDir dossier_;
    QProcess serveur_;
    QProcess lecture_;
    QString erreur_;
};

} // namespace swl::test
