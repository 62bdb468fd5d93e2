// The QSL labels: choosing among 99,999 entries, and a PDF of 1,000 labels.
#include "commun.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "labels/select_qso.h"

#include <QApplication>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace swl::bench;
using namespace Qt::Literals::StringLiterals;

Lignes_Log Lignes(const Log_Test& t) {
    return Fichier_Log(t.dossier.path(), Indicatif).Lit_Log().lignes;
}

// "Impression etiquettes QSL": the window made and shown with both lists.
void Ouverture_Selection(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Services_Bench s(t.dossier.path());
    const Lignes_Log lignes = Lignes(t);
    for (auto _ : etat) {
        Select_QSO fenetre(*s.services, lignes, [] { return Indicatif; });
        fenetre.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenetre.Lignes_Choisies().size());
    }
}
BENCHMARK(Ouverture_Selection)->Unit(benchmark::kMillisecond);

// One click moving a line of the middle of the log down, then back.
void Deplacement_Ligne(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Services_Bench s(t.dossier.path());
    Select_QSO fenetre(*s.services, Lignes(t), [] { return Indicatif; });
    fenetre.show();
    auto* haut = fenetre.findChild<QListView*>(u"Liste_QSO"_s);
    auto* bas = fenetre.findChild<QListView*>(u"Liste_Imprime"_s);
    haut->scrollTo(haut->model()->index(50000, 0), QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    const QPoint ligne = haut->visualRect(haut->model()->index(50000, 0)).center();
    bool aller = true;
    for (auto _ : etat) {
        if (aller) {
            QTest::mouseClick(haut->viewport(), Qt::LeftButton, {}, ligne);
        } else {
            QTest::mouseClick(bas->viewport(), Qt::LeftButton, {},
                              bas->visualRect(bas->model()->index(0, 0)).center());
        }
        QApplication::processEvents();
        aller = !aller;
    }
    etat.counters["choisies"] = double(fenetre.Lignes_Choisies().size());
}
BENCHMARK(Deplacement_Ligne)->Unit(benchmark::kMillisecond);

// 1,000 labels laid out and written into a PDF file ("Enregistrer en PDF…").
void Pdf_Mille_Etiquettes(benchmark::State& etat) {
    const Log_Test t(1000);
    Services_Bench s(t.dossier.path());
    QWidget principale;
    auto* selection = new Select_QSO(
        *s.services, Lignes(t), [] { return Indicatif; }, &principale);
    auto* haut = selection->findChild<QListView*>(u"Liste_QSO"_s);
    haut->setFocus();
    for (int i = 0; i < 1000; ++i) {
        QTest::keyClick(haut, Qt::Key_Down);
    }
    selection->findChild<QPushButton*>(u"Impression"_s)->click();
    auto* etiquettes = principale.findChild<QWidget*>(u"Etiquettes"_s);
    auto* pdf = etiquettes->findChild<QPushButton*>(u"Enregistre_Pdf"_s);
    const QString fichier = t.dossier.filePath(u"etiquettes.pdf"_s);
    s.fichiers_bench.chemin = fichier;
    for (auto _ : etat) {
        pdf->click();
    }
    etat.counters["etiquettes"] = double(selection->Lignes_Choisies().size());
    etat.counters["octets"] = double(QFileInfo(fichier).size());
}
BENCHMARK(Pdf_Mille_Etiquettes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
