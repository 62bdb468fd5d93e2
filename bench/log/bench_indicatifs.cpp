// The callsigns known on a full log and Debian's MASTER.SCP: the index built (off the window's
// thread in the program), a query of what holds a text, one that finds nothing but what is one
// character away.
#include "commun.h"
#include "core/log/indicatifs_connus.h"

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

void Construction(benchmark::State& etat) {
    const Lignes_Log log(bench::Journal_Varie());
    for (auto _ : etat) {
        auto fichier =
            std::make_shared<const Fichier_Indicatifs>(Lit_Fichier_Indicatifs(Chemin_Indicatifs_Debian));
        const Index_Indicatifs index = Index_Indicatifs::Construit(log, {}, fichier);
        benchmark::DoNotOptimize(index.Nombre_Journal());
        etat.counters["fichier"] = double(fichier->indicatifs.size());
    }
}
BENCHMARK(Construction)->Unit(benchmark::kMillisecond);

void Requete(benchmark::State& etat, const QString& texte) {
    const Lignes_Log log(bench::Journal_Varie());
    auto fichier =
        std::make_shared<const Fichier_Indicatifs>(Lit_Fichier_Indicatifs(Chemin_Indicatifs_Debian));
    const Index_Indicatifs index = Index_Indicatifs::Construit(log, {}, fichier);
    qsizetype n = 0;
    for (auto _ : etat) {
        n = index.Cherche(texte).size();
        benchmark::DoNotOptimize(n);
    }
    etat.counters["lignes"] = double(n);
}
BENCHMARK_CAPTURE(Requete, contient, u"F5A"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Requete, rare, u"ZZ9Q"_s)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Requete, a_un_caractere, u"F9QQQX"_s)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
