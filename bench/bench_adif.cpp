// Exchanging a whole log: ADI export of 99,999 QSOs, and their import into an empty log and
// into a log of 50,000.
#include "commun.h"
#include "core/adif.h"
#include "core/fiche_qso.h"
#include "core/fichier_log.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace swl::bench;
using namespace Qt::Literals::StringLiterals;

Entete_Export Entete() {
    return {Indicatif, u"IC-R75"_s, u"Long fil"_s, QDateTime::currentDateTimeUtc()};
}

// What the export reads: the log file, split into lines.
void Lecture_Du_Log(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    for (auto _ : etat) {
        benchmark::DoNotOptimize(log.Lit_Log().lignes.Nombre());
    }
}
BENCHMARK(Lecture_Du_Log)->Unit(benchmark::kMillisecond);

// The export of the whole log: ADI (arg 0) or ADX (arg 1).
void Export(benchmark::State& etat) {
    const bool adx = etat.range(0) == 1;
    const Log_Test t(Numero_Maximal);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    qsizetype taille = 0;
    for (auto _ : etat) {
        const Lignes_Log lignes = log.Lit_Log().lignes;
        taille = (adx ? Exporte_ADX(lignes, Entete()) : Exporte_ADI(lignes, Entete())).size();
        benchmark::DoNotOptimize(taille);
    }
    etat.counters["Mo"] = double(taille) / 1e6;
}
BENCHMARK(Export)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor of any import: the ADI file of 99,999 QSOs decoded and cut at each "<EOR>".
void Lecture_Brute_ADI(benchmark::State& etat) {
    const QByteArray adi = Exporte_ADI(
        Fichier_Log(Log_Test(Numero_Maximal).dossier.path(), Indicatif).Lit_Log().lignes, Entete());
    for (auto _ : etat) {
        const QString texte = QString::fromUtf8(adi);
        benchmark::DoNotOptimize(QStringView(texte).split(u"<EOR>").size());
    }
}
BENCHMARK(Lecture_Brute_ADI)->Unit(benchmark::kMillisecond);

// A 99,999-record file merged, rewrite included, into an empty log, and into a log that
// already holds its first 50,000 QSOs (the rest is added, up to the log's 99,999 entries);
// ADI, or ADX (second argument 1).
void Import(benchmark::State& etat) {
    const int existantes = static_cast<int>(etat.range(0));
    const bool adx = etat.range(1) == 1;
    const Log_Test cible(existantes);
    const Lignes_Log source =
        Fichier_Log(Log_Test(Numero_Maximal).dossier.path(), Indicatif).Lit_Log().lignes;
    const QByteArray adi = adx ? Exporte_ADX(source, Entete()) : Exporte_ADI(source, Entete());
    const Fichier_Log log(cible.dossier.path(), Indicatif);
    int ajoutes = 0;
    for (auto _ : etat) {
        const Bilan_Import b = Importe_ADIF(log, adi, adx);
        ajoutes = b.ajoutes;
        etat.PauseTiming();
        cible.Restaure();
        etat.ResumeTiming();
    }
    etat.counters["ajoutes"] = ajoutes;
    etat.counters["Mo"] = double(adi.size()) / 1e6;
}
BENCHMARK(Import)->Args({0, 0})->Args({50000, 0})->Args({0, 1})->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
