// What is new for the listener on a full log: the index built, brought up to date after a QSO
// saved, one mark, and a flood of 20,000 spots marked as the cluster window takes them.
#include "commun.h"
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/log/fiche_qso.h"
#include "core/radio/cluster.h"
#include "core/radio/plan_bandes.h"
#include "core/reports/index_journal.h"
#include "views/modele_spots.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

void Construction_De_L_Index(benchmark::State& etat) {
    const Lecture_Pays pays = Lit_Fichier_Pays(Chemin_Pays_Debian);
    const Lignes_Log log(bench::Journal_Varie());
    for (auto _ : etat) {
        Index_Journal index;
        index.Fixe_Pays(pays.fichier ? &*pays.fichier : nullptr);
        index.Suit(log);
        benchmark::DoNotOptimize(index.Marque(u"F5ABC"_s, 4, 0).sorte);
    }
}
BENCHMARK(Construction_De_L_Index)->Unit(benchmark::kMillisecond);

// A QSO saved at the end of a full log: the index follows it.
void Mise_A_Jour_Apres_Sauvegarde(benchmark::State& etat) {
    const Lecture_Pays pays = Lit_Fichier_Pays(Chemin_Pays_Debian);
    const QByteArray octets = bench::Journal_Varie();
    const Lignes_Log avant(octets.left(octets.lastIndexOf("\r\n", octets.size() - 3) + 2));
    const Lignes_Log apres(octets);
    Index_Journal index;
    index.Fixe_Pays(pays.fichier ? &*pays.fichier : nullptr);
    index.Suit(avant);
    index.Marque(u"F5ABC"_s, 4, 0);
    for (auto _ : etat) {
        index.Suit(apres);
        benchmark::DoNotOptimize(index.Marque(u"F5ABC"_s, 4, 0).sorte);
        etat.PauseTiming();
        index.Suit(avant);
        index.Marque(u"F5ABC"_s, 4, 0);
        etat.ResumeTiming();
    }
    etat.counters["lignes_lues"] = double(index.Lignes_Lues());
}
BENCHMARK(Mise_A_Jour_Apres_Sauvegarde)->Unit(benchmark::kMicrosecond);

void Une_Marque(benchmark::State& etat) {
    const Lecture_Pays pays = Lit_Fichier_Pays(Chemin_Pays_Debian);
    Index_Journal index;
    index.Fixe_Pays(pays.fichier ? &*pays.fichier : nullptr);
    index.Suit(Lignes_Log(bench::Journal_Varie()));
    QStringList indicatifs;
    for (int i = 0; i < 1000; ++i) {
        indicatifs << bench::Indicatif_Varie(i * 37);
    }
    for (const QString& i : indicatifs) {
        index.Marque(i, 4, 0); // each callsign's country looked up once
    }
    int i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(index.Marque(indicatifs[i % 1000], i % 13, i % 3).sorte);
        ++i;
    }
}
BENCHMARK(Une_Marque)->Unit(benchmark::kMicrosecond);

// 20,000 spots in batches of 50 (as the node's lines come) into the table shown, each marked:
// the longest batch, the window's longest pause.
void Flot_De_Spots_Marques(benchmark::State& etat) {
    const Lecture_Pays pays = Lit_Fichier_Pays(Chemin_Pays_Debian);
    Index_Journal index;
    index.Fixe_Pays(pays.fichier ? &*pays.fichier : nullptr);
    index.Suit(Lignes_Log(bench::Journal_Varie()));
    QList<Spot> spots;
    for (int i = 0; i < 20000; ++i) {
        Spot s = *Analyse_Spot(u"DX de F5ABC:     14025.0  K1ABC        CQ DX          1234Z JN18"_s);
        s.indicatif = bench::Indicatif_Varie(i * 13);
        s.khz = 14025.0 + i % 300;
        spots << s;
    }
    qint64 pire = 0;
    for (auto _ : etat) {
        Modele_Spots modele;
        modele.Fixe_Marqueur([&index](const Spot& s) {
            return index.Marque(s.indicatif, static_cast<int>(Liste_Bandes().indexOf(s.bande)),
                                Groupe_Du_Spot(s.khz, s.commentaire));
        });
        QTableView table;
        table.setModel(&modele);
        table.horizontalHeader()->setSectionResizeMode(Modele_Spots::Commentaire, QHeaderView::Stretch);
        table.resize(1000, 600);
        table.show();
        for (qsizetype i = 0; i < spots.size(); i += 50) {
            QElapsedTimer t;
            t.start();
            modele.Ajoute(spots.mid(i, 50));
            QApplication::processEvents();
            pire = std::max(pire, t.elapsed());
        }
    }
    etat.counters["pire_pause_ms"] = double(pire);
}
BENCHMARK(Flot_De_Spots_Marques)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
