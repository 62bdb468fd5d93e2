// The receiver's audio: the capture's cost (a fragment written to the ring, per second of
// audio), a 60 s clip encoded as Opus (time and size), the spectrogram of a 2-minute clip, the
// recordings window opened with 1,000 clips beside a 99,999-QSO log.
#include "commun.h"
#include "core/audio/clips.h"
#include "core/audio/tampon_audio.h"
#include "platform/enregistreur.h"
#include "platform/moteur_audio_pulse.h"
#include "views/fenetre_enregistrements.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

// A voice-like sound: a few tones moving, some noise.
QList<qint16> Son(int secondes) {
    QList<qint16> s(qsizetype(secondes) * Tampon_Audio::Frequence);
    quint32 hasard = 12345;
    for (qsizetype i = 0; i < s.size(); ++i) {
        hasard = hasard * 1664525u + 1013904223u;
        const double t = double(i) / Tampon_Audio::Frequence;
        const double v = 6000 * std::sin(2 * M_PI * (600 + 200 * std::sin(t)) * t) +
                         3000 * std::sin(2 * M_PI * 1500 * t) + double(int(hasard >> 20) - 2048);
        s[i] = qint16(v);
    }
    return s;
}

// One fragment of 100 ms written to a ring of 11 minutes: ten a second while recording.
void Capture_Dans_Le_Tampon(benchmark::State& etat) {
    Tampon_Audio t(660);
    const QList<qint16> fragment = Son(1).first(Tampon_Audio::Frequence / 10);
    qint64 ms = 0;
    const auto debut = std::chrono::steady_clock::now();
    for (auto _ : etat) {
        t.Ecrit(fragment.constData(), fragment.size(), ms += 100);
    }
    // The share of one core: the time spent over the audio's own length.
    const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    etat.counters["part_d_un_coeur_%"] = 100.0 * secondes / (double(etat.iterations()) * 0.1);
}
BENCHMARK(Capture_Dans_Le_Tampon)->Unit(benchmark::kMicrosecond);

void Clip_De_60_s(benchmark::State& etat) {
    QTemporaryDir d;
    Moteur_Audio_Pulse m;
    const QList<qint16> son = Son(60);
    const QString chemin = d.filePath(u"clip.opus"_s);
    for (auto _ : etat) {
        m.Ecrit_Son(chemin, son, Tampon_Audio::Frequence, Format_Clip::Opus);
    }
    etat.counters["Ko"] = double(QFileInfo(chemin).size()) / 1024;
}
BENCHMARK(Clip_De_60_s)->Unit(benchmark::kMillisecond);

void Spectrogramme_De_2_min(benchmark::State& etat) {
    Moteur_Audio_Pulse m;
    const QList<qint16> son = Son(120);
    for (auto _ : etat) {
        const Spectrogramme sp = m.Calcule_Spectrogramme(son, Tampon_Audio::Frequence);
        benchmark::DoNotOptimize(sp.db.data());
    }
}
BENCHMARK(Spectrogramme_De_2_min)->Unit(benchmark::kMillisecond);

void Fenetre_Avec_1000_Clips(benchmark::State& etat) {
    bench::Log_Test dossier(99999);
    bench::Services_Bench s(dossier.dossier.path());
    Moteur_Audio_Pulse m;
    Enregistreur e([&m](QString*) { return &m; });
    s.services->enregistreur = &e;
    const Lignes_Log log(dossier.octets);
    const QString clips = Dossier_Clips(dossier.dossier.path(), bench::Indicatif);
    QDir().mkpath(clips);
    const QList<qint16> son = Son(1);
    for (int i = 0; i < 1000; ++i) {
        const auto nom = Nom_Clip(log.Octets(i * 99));
        m.Ecrit_Son(QDir(clips).filePath(*nom + u".opus"_s), son, Tampon_Audio::Frequence, Format_Clip::Opus);
    }
    for (auto _ : etat) {
        Fenetre_Enregistrements f(
            *s.services, [&log]() -> const Lignes_Log& { return log; }, [] { return bench::Indicatif; });
        f.show();
        QApplication::processEvents();
    }
}
BENCHMARK(Fenetre_Avec_1000_Clips)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
