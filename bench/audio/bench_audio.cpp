// The receiver's audio: the capture's cost (a fragment written to the ring, per second of
// audio), a 60 s clip encoded as Opus (time and size), an SDR program's 60 s at 48 kHz brought
// to 16 kHz, the spectrogram of a 2-minute clip, the recordings window opened with 1,000 clips
// beside a 99,999-QSO log; no sample lost by the capture from a real sound server while
// 99,999-QSO imports keep both cores busy.
#include "commun.h"
#include "core/audio/clips.h"
#include "core/audio/enregistrement_sdr.h"
#include "core/audio/tampon_audio.h"
#include "core/exchange/adif.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "platform/enregistreur.h"
#include "platform/moteur_audio_pulse.h"
#include "platform/registres_vectoriels.h"
#include "support/serveur_son.h"
#include "views/fenetre_enregistrements.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

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

// GQRX's 60 s at 48 kHz brought to the clips' 16 kHz (the encoding as above follows).
void Reechantillonnage_De_60_s(benchmark::State& etat) {
    QList<qint16> son;
    for (const qint16 v : Son(60)) {
        son << v << v << v;
    }
    for (auto _ : etat) {
        Libere_Registres_AVX(); // as the recorder does before it
        const QList<qint16> r = Reechantillonne(son, 48000, Tampon_Audio::Frequence);
        benchmark::DoNotOptimize(r.constData());
    }
}
BENCHMARK(Reechantillonnage_De_60_s)->Unit(benchmark::kMillisecond);

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

// The tone of `hz` in `n` samples from `debut` (Goertzel): its power, in no unit.
double Puissance(const QList<qint16>& s, qsizetype debut, qsizetype n, double hz) {
    const double k = 2 * std::cos(2 * M_PI * hz / Tampon_Audio::Frequence);
    double a = 0, b = 0;
    for (qsizetype i = debut; i < debut + n; ++i) {
        const double c = s[i] + k * a - b;
        b = a;
        a = c;
    }
    return a * a + b * b - k * a * b;
}

// The first and the last loud sample.
std::pair<qsizetype, qsizetype> Bornes(const QList<qint16>& son) {
    qsizetype debut = 0, fin = son.size() - 1;
    while (debut < son.size() && std::abs(son[debut]) < 1000) {
        ++debut;
    }
    while (fin > debut && std::abs(son[fin]) < 1000) {
        --fin;
    }
    return {debut, fin};
}

// A real sound server plays the tone sequence (one tone a second, no gap) into its null sink
// while the capture reads its monitor and 99,999-record ADIF imports run one after another on
// this thread (the reading split on both cores). The clip of the whole sequence must be as long
// as what was played and hold each second's tone in turn: a sample lost shortens it or puts a
// second out of place.
void Capture_Pendant_Un_Import(benchmark::State& etat) {
    swl::test::Serveur_Son serveur;
    if (!serveur.Demarre()) {
        etat.SkipWithError(qPrintable(serveur.Erreur()));
        return;
    }
    const bench::Log_Test cible(0);
    const QByteArray adi = Exporte_ADI(
        Fichier_Log(bench::Log_Test(Numero_Maximal).dossier.path(), bench::Indicatif).Lit_Log().lignes,
        {bench::Indicatif, u"IC-R75"_s, u"Long fil"_s, QDateTime::currentDateTimeUtc()});
    const Fichier_Log log(cible.dossier.path(), bench::Indicatif);
    constexpr int Secondes = 20;
    Moteur_Audio_Pulse m;
    Tampon_Audio tampon(60);
    const QByteArray sequence = swl::test::Serveur_Son::Suite_De_Tons(Secondes);
    const QList<qint16> joue(reinterpret_cast<const qint16*>(sequence.constData()),
                             reinterpret_cast<const qint16*>(sequence.constData()) + sequence.size() / 2);
    for (auto _ : etat) {
        tampon.Vide();
        const Resultat r = m.Demarre_Capture(u"recepteur.monitor"_s, &tampon, [](const QString&) {});
        if (!r) {
            etat.SkipWithError(qPrintable(r.message));
            return;
        }
        // A second of silence first: the sink wakes up before the first tone.
        serveur.Joue(QByteArray(Tampon_Audio::Frequence * 2, '\0') + sequence, 500);
        QElapsedTimer depuis;
        depuis.start();
        int imports = 0;
        while (etat.range(0) == 1 && depuis.elapsed() < (Secondes - 2) * 1000) {
            Importe_ADIF(log, adi, false);
            cible.Restaure();
            ++imports;
        }
        serveur.Attend_Fin_Lecture();
        QThread::msleep(1500);
        m.Arrete_Capture();
        const QList<qint16> son = tampon.Lit(0, QDateTime::currentMSecsSinceEpoch()).echantillons;
        // Where the sequence starts and ends: the first and last loud samples, the same way in
        // what was played and in what was heard.
        const auto [debut, fin] = Bornes(son);
        const auto [debut_joue, fin_joue] = Bornes(joue);
        // The sound server's resampling softens both edges by a few samples, at rest as under
        // load; a lost fragment of the server would be hundreds.
        const qint64 perdus = (fin_joue - debut_joue) - (fin - debut);
        // Each second's middle half: the loudest of the fourteen tones must be its own.
        int fausses = 0;
        for (int k = 0; k < Secondes; ++k) {
            const qsizetype milieu =
                debut + qsizetype(k) * Tampon_Audio::Frequence + Tampon_Audio::Frequence / 4;
            if (milieu + Tampon_Audio::Frequence / 2 > son.size()) {
                ++fausses;
                continue;
            }
            int meilleur = 0;
            for (int t = 1; t < 14; ++t) {
                if (Puissance(son, milieu, Tampon_Audio::Frequence / 2,
                              swl::test::Serveur_Son::Frequence_Du_Ton(t)) >
                    Puissance(son, milieu, Tampon_Audio::Frequence / 2,
                              swl::test::Serveur_Son::Frequence_Du_Ton(meilleur))) {
                    meilleur = t;
                }
            }
            fausses += meilleur != k % 14 ? 1 : 0;
        }
        etat.counters["imports"] = imports;
        etat.counters["echantillons_perdus"] = double(perdus);
        etat.counters["secondes_fausses"] = fausses;
    }
}
// Argument 0: the machine at rest, for comparison; 1: the imports running.
BENCHMARK(Capture_Pendant_Un_Import)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
