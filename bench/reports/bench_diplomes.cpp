// The awards on a full log: every award counted, the window opened with its grid and map, and
// the claim list of 96 departments written as CSV and PDF.
#include "commun.h"
#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/log/fiche_qso.h"
#include "core/reports/demande_diplome.h"
#include "core/reports/diplomes.h"
#include "platform/imprimante.h"
#include "views/fenetre_diplomes.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

void Comptage_Des_Diplomes(benchmark::State& etat) {
    const Lecture_Pays pays = Lit_Fichier_Pays(Chemin_Pays_Debian);
    const Lignes_Log log(bench::Journal_Varie());
    int departements = 0;
    for (auto _ : etat) {
        const Comptes_Diplomes c = Compte_Diplomes(log, pays.fichier ? &*pays.fichier : nullptr, {});
        departements = Totaux(c.ddfm, {}).entendus;
        benchmark::DoNotOptimize(c.pays.elements.size());
    }
    etat.counters["departements"] = departements;
}
BENCHMARK(Comptage_Des_Diplomes)->Unit(benchmark::kMillisecond);

void Ouverture_Des_Diplomes(benchmark::State& etat) {
    bench::Log_Test dossier(1);
    bench::Services_Bench s(dossier.dossier.path());
    Base_Pays pays;
    pays.Charge(Chemin_Pays_Debian);
    s.services->pays = &pays;
    const Lignes_Log log(bench::Journal_Varie());
    for (auto _ : etat) {
        Fenetre_Diplomes f(
            *s.services, [&log]() -> const Lignes_Log& { return log; }, [] { return u"F1ABC"_s; });
        f.show();
        QApplication::processEvents();
    }
}
BENCHMARK(Ouverture_Des_Diplomes)->Unit(benchmark::kMillisecond);

// The claim list of the 96 departments, each confirmed on 14 MHz.
void Liste_Pour_La_Demande(benchmark::State& etat) {
    QByteArray octets;
    for (int n = 1; n <= 97; ++n) {
        if (n == 20) {
            continue;
        }
        Fiche_QSO f;
        f.Indicatif_A = u"F5A"_s + QString::number(n);
        f.Dpt_A = n == 96 ? u"2a"_s : n == 97 ? u"2b"_s : QString::number(n).rightJustified(2, u'0');
        f.Date = u"01/06/08"_s;
        f.Heure = u"10:00"_s;
        f.Mode = u"SSB"_s;
        f.Bande = u"14 Mhz"_s;
        f.QSL = true;
        octets += Encode_1252(Forme_Ligne_Log(f)) + "\r\n";
    }
    const Lignes_Log log(octets);
    const Comptes_Diplomes c = Compte_Diplomes(log, nullptr, {});
    QTemporaryDir dossier;
    Imprimante_Qt imprimante;
    for (auto _ : etat) {
        const QList<Ligne_Demande> lignes = Liste_Demande(c.ddfm, log, {});
        const Entete_Demande e{u"F1ABC"_s, QDate(2026, 12, 7)};
        const QByteArray csv = CSV_Demande(c.ddfm, log, {}, lignes, e);
        const QList<Page_Document> pages = Pages_Demande(c.ddfm, log, {}, lignes, e);
        Ecrit_Fichier_Atomique(dossier.path(), u".demande.csv.tmp"_s, u"demande.csv"_s, csv);
        imprimante.Vers_Pdf(dossier.filePath(u"demande.pdf"_s),
                            [&pages](Imprimante& i) { Imprime_Pages(i, pages); });
        etat.counters["lignes"] = double(lignes.size());
    }
}
BENCHMARK(Liste_Pour_La_Demande)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
