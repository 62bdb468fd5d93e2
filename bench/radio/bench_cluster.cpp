// The live spots of a cluster node: reading the node's lines, and the table taking a spot.
#include "commun.h"
#include "core/radio/cluster.h"
#include "views/modele_spots.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

// What a busy node sends: mostly spots, a few announcements.
QByteArray Flux_De_Noeud(int lignes) {
    const char* modeles[] = {
        "DX de F5ABC:     14025.0  K1ABC        CQ DX                          1234Z JN18\r\n",
        "DX de DL1XYZ:     7012.5  JA1AAA       599 tnx QSO                    1235Z\r\n",
        "DX de EA4ZZZ-#:  28074.0  VK2ABC       FT8 -12 dB                     1236Z IM79\r\n",
        "DX de G4XYZ:    144300.0  F6KXX        JN18 tropo                     1237Z IO91\r\n",
        "WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms\r\n",
    };
    QByteArray flux;
    for (int i = 0; i < lignes; ++i) {
        flux += modeles[i % 5];
    }
    return flux;
}

// The node's bytes cut into lines and each line read as a spot or not.
void Lecture_Des_Spots(benchmark::State& etat) {
    const QByteArray flux = Flux_De_Noeud(100000);
    int spots = 0;
    for (auto _ : etat) {
        Flux_Telnet f;
        spots = 0;
        for (const QString& ligne : f.Ajoute(flux)) {
            spots += Analyse_Spot(ligne) ? 1 : 0;
        }
        benchmark::DoNotOptimize(spots);
    }
    etat.counters["spots"] = spots;
    etat.counters["lignes_par_s"] =
        benchmark::Counter(100000.0 * double(etat.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(Lecture_Des_Spots)->Unit(benchmark::kMillisecond);

// A table already holding 500 spots, shown, takes one more.
void Nouveau_Spot_Dans_La_Table(benchmark::State& etat) {
    Modele_Spots modele;
    QTableView table;
    table.setModel(&modele);
    table.horizontalHeader()->setSectionResizeMode(Modele_Spots::Commentaire, QHeaderView::Stretch);
    table.resize(900, 600);
    table.show();
    const Spot spot = *Analyse_Spot(u"DX de F5ABC:     14025.0  K1ABC        CQ DX          1234Z JN18"_s);
    for (int i = 0; i < Modele_Spots::Nombre_Maximal; ++i) {
        modele.Ajoute(spot);
    }
    QApplication::processEvents();
    for (auto _ : etat) {
        modele.Ajoute(spot);
        QApplication::processEvents();
    }
    etat.counters["spots"] = modele.Nombre_Total();
}
BENCHMARK(Nouveau_Spot_Dans_La_Table)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
