// The receiver: what one reading costs the window (the answer read, the form following it on
// a log of 99,999 QSOs), and 10,000 readings against Hamlib's dummy receiver without memory
// growing.
#include "commun.h"
#include "core/radio/recepteur.h"
#include "main/main.h"
#include "platform/recepteur.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

// Hamlib's dummy receiver on a free port, for the length of a benchmark.
struct Rigctld {
    QProcess p;
    quint16 port = 0;
    Rigctld() {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        port = s.serverPort();
        s.close();
        p.start(u"rigctld"_s, {u"-m"_s, u"1"_s, u"-T"_s, u"127.0.0.1"_s, u"-t"_s, QString::number(port)});
        p.waitForStarted();
    }
    ~Rigctld() {
        p.kill();
        p.waitForFinished();
    }
    Reglage_Recepteur Reglage(int intervalle_ms) const {
        Reglage_Recepteur r;
        r.sorte = Reglage_Recepteur::Sorte::Rigctld;
        r.port = port;
        r.intervalle_ms = intervalle_ms;
        return r;
    }
};

bool Attend(const std::function<bool()>& condition, int ms) {
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return condition();
}

// The answer to "f" and "m" read.
void Lecture_D_Une_Reponse(benchmark::State& etat) {
    const QByteArray reponse = "14074000\nUSB\n2400\n";
    for (auto _ : etat) {
        Lecteur_Rigctl lecteur;
        lecteur.Attend(Lecteur_Rigctl::Demande::Frequence);
        lecteur.Attend(Lecteur_Rigctl::Demande::Mode);
        benchmark::DoNotOptimize(lecteur.Ajoute(reponse));
    }
}
BENCHMARK(Lecture_D_Une_Reponse)->Unit(benchmark::kMicrosecond);

// A new frequency and mode reaching the main window of a log of 99,999 QSOs: the label, the
// band and mode of the form, and both remembered in the settings. Argument 1: each reading
// changes band and mode; 0: the frequency moves within the band (the usual reading).
void Formulaire_Qui_Suit(benchmark::State& etat) {
    bench::Log_Test log(99999);
    bench::Services_Bench s(log.dossier.path());
    Rigctld rigctld;
    Recepteur recepteur;
    s.services->recepteur = &recepteur;
    recepteur.Configure(rigctld.Reglage(Intervalle_Maximal_Ms));
    Main w(*s.services);
    w.Form_Load();
    if (!Attend([&] { return recepteur.Connecte(); }, 10000)) {
        etat.SkipWithError("rigctld -m 1 does not answer");
        return;
    }
    auto* bande = w.findChild<QComboBox*>(u"Bande_A"_s);
    const Lecture_Recepteur lectures[] = {{7'074'000, u"PKTUSB"_s, 3000},
                                          etat.range(0) == 1
                                              ? Lecture_Recepteur{14'074'000, u"USB"_s, 2400}
                                              : Lecture_Recepteur{7'075'000, u"PKTUSB"_s, 3000}};
    int i = 0;
    for (auto _ : etat) {
        Q_EMIT recepteur.Lecture(lectures[++i % 2]);
    }
    etat.counters["bande"] = bande->currentIndex();
}
BENCHMARK(Formulaire_Qui_Suit)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// 10,000 readings of the dummy as fast as it answers: the memory before and after.
void Dix_Mille_Lectures(benchmark::State& etat) {
    Rigctld rigctld;
    Recepteur recepteur;
    for (auto _ : etat) {
        recepteur.Configure(rigctld.Reglage(1));
        Attend([&] { return recepteur.Tours() >= 1000; }, 60000);
        const long avant = bench::Memoire_Ko();
        const qint64 depart = recepteur.Tours();
        Attend([&] { return recepteur.Tours() >= depart + 10000; }, 300000);
        etat.counters["tours"] = double(recepteur.Tours() - depart);
        etat.counters["memoire_avant_Ko"] = double(avant);
        etat.counters["memoire_apres_Ko"] = double(bench::Memoire_Ko());
        recepteur.Configure({});
    }
}
BENCHMARK(Dix_Mille_Lectures)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
