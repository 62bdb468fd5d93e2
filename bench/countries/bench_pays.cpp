// Countries and statistics: the country file read, the callsigns of a full log resolved, the
// statistics window opened on that log with its tables and charts drawn, the country label
// following a key typed.
#include "commun.h"
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/log/fiche_qso.h"
#include "core/reports/statistiques.h"
#include "main/main.h"
#include "views/fenetre_statistiques.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

void Lecture_Du_Fichier_Des_Pays(benchmark::State& etat) {
    qsizetype entites = 0;
    for (auto _ : etat) {
        const Lecture_Pays l = Lit_Fichier_Pays(Chemin_Pays_Debian);
        entites = l.fichier ? l.fichier->Nombre_Entites() : 0;
    }
    etat.counters["entites"] = double(entites);
}
BENCHMARK(Lecture_Du_Fichier_Des_Pays)->Unit(benchmark::kMillisecond);

// Stations A and B of every line of a full log, each resolved.
void Pays_De_Tout_Le_Journal(benchmark::State& etat) {
    const Lecture_Pays l = Lit_Fichier_Pays(Chemin_Pays_Debian);
    const Lignes_Log log(bench::Journal_Varie());
    QStringList indicatifs;
    for (int i = 0; i < log.Nombre(); ++i) {
        indicatifs << Piece(log.Ligne_Log(i), 1, 12).trimmed().toString()
                   << Piece(log.Ligne_Log(i), 14, 12).trimmed().toString();
    }
    int connus = 0;
    for (auto _ : etat) {
        connus = 0;
        for (const QString& c : indicatifs) {
            connus += l.fichier->Cherche(c) ? 1 : 0;
        }
        benchmark::DoNotOptimize(connus);
    }
    etat.counters["indicatifs"] = double(indicatifs.size());
    etat.counters["connus"] = connus;
}
BENCHMARK(Pays_De_Tout_Le_Journal)->Unit(benchmark::kMillisecond);

// "Statistiques" opened on a full log: counted, tables filled, the window and its first chart
// drawn.
void Ouverture_Des_Statistiques(benchmark::State& etat) {
    bench::Log_Test dossier(1);
    bench::Services_Bench s(dossier.dossier.path());
    Base_Pays pays;
    pays.Charge(Chemin_Pays_Debian);
    s.services->pays = &pays;
    const Lignes_Log log(bench::Journal_Varie());
    for (auto _ : etat) {
        Fenetre_Statistiques f(*s.services, [&log]() -> const Lignes_Log& { return log; });
        f.show();
        QApplication::processEvents();
        f.findChild<QTabWidget*>(u"Onglets_Statistiques"_s)->setCurrentIndex(3);
        QApplication::processEvents();
        etat.counters["pays"] = double(f.Chiffres().pays.size());
    }
}
BENCHMARK(Ouverture_Des_Statistiques)->Unit(benchmark::kMillisecond);

// A key typed in station A's callsign of the main window: the country label follows.
void Pays_A_Chaque_Touche(benchmark::State& etat) {
    bench::Log_Test log(99999);
    bench::Services_Bench s(log.dossier.path());
    Base_Pays pays;
    pays.Charge(Chemin_Pays_Debian);
    s.services->pays = &pays;
    Main w(*s.services);
    w.Form_Load();
    auto* ind_a = w.findChild<QLineEdit*>(u"Ind_A"_s);
    int i = 0;
    for (auto _ : etat) {
        // "E", "EA", "EA8", "EA8A"… then back to empty.
        if (++i % 6 == 0) {
            ind_a->clear();
        } else {
            QTest::keyClick(ind_a, "EA8ABC"[i % 6 - 1]);
        }
    }
}
BENCHMARK(Pays_A_Chaque_Touche)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
