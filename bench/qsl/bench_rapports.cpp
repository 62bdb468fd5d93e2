// SWL reports on a full log: the stations heard with every station's runs, 10,000
// confirmations read and matched against 99,999 QSOs, the reports window opened, a card as PDF.
#include "commun.h"
#include "core/base/texte_1252.h"
#include "core/exchange/adif.h"
#include "core/log/colonnes_log.h"
#include "core/qsl/confirmations.h"
#include "core/qsl/formes_rapport.h"
#include "core/qsl/rapports.h"
#include "platform/imprimante.h"
#include "views/rapports_ecoute.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

void Stations_Et_Series(benchmark::State& etat) {
    const Lignes_Log log(bench::Journal_Varie());
    for (auto _ : etat) {
        const QList<Station_Entendue> stations = Stations_Entendues(log);
        // The busiest station's runs, as the window shows them when it is chosen.
        const auto la_plus = std::max_element(
            stations.begin(), stations.end(),
            [](const Station_Entendue& a, const Station_Entendue& b) { return a.qso < b.qso; });
        const QList<Serie> series = Series(log, Qso_De_Station(log, la_plus->indicatif));
        etat.counters["stations"] = double(stations.size());
        etat.counters["series"] = double(series.size());
    }
}
BENCHMARK(Stations_Et_Series)->Unit(benchmark::kMillisecond);

void Confirmations_10000(benchmark::State& etat) {
    const Lignes_Log log(bench::Journal_Varie());
    // 10,000 confirmations of QSOs of the log, spread over it.
    QByteArray adi = "Received eQSLs for F1ABC\r\n<EOH>\r\n";
    for (int i = 0; i < 10000; ++i) {
        const QByteArrayView l = log.Octets(i * 9);
        const QString call = Decode_1252(Colonne_Log(l, 1, 12));
        const QDate d = Date_Ligne_Log(l);
        const QString heure = Decode_1252(Colonne_Log(l, 57, 5)).remove(u':');
        const Mode_ADIF mode = Mode_Vers_ADIF(Decode_1252(Colonne_Log(l, 63, 3)));
        adi += Enregistrement_ADI({{u"CALL"_s, call},
                                   {u"QSO_DATE"_s, d.toString(u"yyyyMMdd"_s)},
                                   {u"TIME_ON"_s, heure},
                                   {u"BAND"_s, Bande_Vers_ADIF(Decode_1252(Colonne_Log(l, 67, 7)))},
                                   {u"MODE"_s, mode.mode.isEmpty() ? u"RTTY"_s : mode.mode},
                                   {u"SUBMODE"_s, mode.sous_mode}});
    }
    int confirmes = 0;
    for (auto _ : etat) {
        const Lecture_Confirmations l = Lit_Confirmations(adi, false, QDate(2026, 12, 8));
        const Rapprochement r = Rapproche(log, l.confirmations);
        confirmes = int(r.lignes.size());
        etat.counters["lues"] = double(l.confirmations.size());
    }
    etat.counters["confirmes"] = confirmes;
}
BENCHMARK(Confirmations_10000)->Unit(benchmark::kMillisecond);

void Fenetre_Rapports(benchmark::State& etat) {
    bench::Log_Test dossier(1);
    bench::Services_Bench s(dossier.dossier.path());
    const Lignes_Log log(bench::Journal_Varie());
    for (auto _ : etat) {
        Rapports_Ecoute f(
            *s.services, [&log]() -> const Lignes_Log& { return log; }, [] { return bench::Indicatif; },
            [](const QList<int>&) { return true; });
        f.show();
        QApplication::processEvents();
    }
}
BENCHMARK(Fenetre_Rapports)->Unit(benchmark::kMillisecond);

void Carte_Pdf(benchmark::State& etat) {
    const Lignes_Log log(bench::Journal_Varie());
    const QList<Station_Entendue> stations = Stations_Entendues(log);
    const Rapport r =
        Rapport_De(log, stations.first().indicatif, Qso_De_Station(log, stations.first().indicatif).first(3));
    QTemporaryDir dossier;
    Imprimante_Qt imprimante;
    for (auto _ : etat) {
        const QList<Page_Document> pages =
            Pages_Cartes({r}, {u"F1ABC"_s, u"IC-R75"_s, u"Long fil"_s, false}, false);
        imprimante.Vers_Pdf(dossier.filePath(u"carte.pdf"_s),
                            [&pages](Imprimante& i) { Imprime_Pages(i, pages); });
    }
}
BENCHMARK(Carte_Pdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
