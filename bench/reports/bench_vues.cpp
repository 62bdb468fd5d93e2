// The windows that read a whole log: the search (beside a plain scan of the same list lines)
// and the per-band list, on 99,999 QSOs.
#include "commun.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/reports/recherche.h"
#include "platform/modele_lignes.h"
#include "views/hote_recherche.h"
#include "views/liste_qso.h"
#include "views/recherche_indicatif.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace swl::bench;
using namespace Qt::Literals::StringLiterals;

// The main list of a 99,999-QSO log, whose entry 77,777 alone was heard from TK5XYZ.
struct Liste_Principale final : Hote_Recherche {
    Lignes_Log lignes;
    QStringList lignes_liste; // the same list lines, formed once, for the plain scan
    Liste_Principale() {
        QByteArray octets;
        octets.reserve(qsizetype(Numero_Maximal) * 116);
        for (int i = 0; i < Numero_Maximal; ++i) {
            QString l = Ligne(i);
            if (i == 77777) {
                l.replace(0, 12, u"TK5XYZ      "_s);
            }
            octets += Encode_1252(l) + "\r\n";
        }
        lignes = Lignes_Log(octets);
        for (int i = 0; i < lignes.Nombre(); ++i) {
            lignes_liste << lignes.Ligne_Liste(i);
        }
    }
    const Lignes_Log& Lignes_Liste() const override { return lignes; }
    void Selectionne_Ligne(int) override {}
};

Liste_Principale& Principale() {
    static Liste_Principale liste;
    return liste;
}

struct Cas {
    Critere critere;
    QString texte;
};
const Cas Un_Indicatif{Critere::Indicatif, u"TK5XYZ"_s};
const Cas Tous_Les_Indicatifs{Critere::Indicatif, u"ABC"_s};
const Cas Une_Date{Critere::Date, u"15/06/01"_s};
const Cas Un_Departement{Critere::Departement, u"75"_s};

// What any program would do at least: look at the field of every list line.
void Parcours_Simple(benchmark::State& etat, Cas cas) {
    const QStringList& lignes = Principale().lignes_liste;
    for (auto _ : etat) {
        int n = 0;
        for (const QString& l : lignes) {
            const QStringView v(l);
            switch (cas.critere) {
            case Critere::Indicatif:
                n += v.mid(7, 12).trimmed().contains(cas.texte) ? 1 : 0;
                break;
            case Critere::Date:
                n += v.mid(102, 8).trimmed() == cas.texte ? 1 : 0;
                break;
            case Critere::Departement:
                n += v.mid(21, 2) == cas.texte ? 1 : 0;
                break;
            }
        }
        benchmark::DoNotOptimize(n);
        etat.counters["trouves"] = n;
    }
}
BENCHMARK_CAPTURE(Parcours_Simple, indicatif_un, Un_Indicatif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parcours_Simple, indicatif_tous, Tous_Les_Indicatifs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parcours_Simple, date, Une_Date)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parcours_Simple, departement, Un_Departement)->Unit(benchmark::kMillisecond);

// The user's search in the window: text typed, Enter, results shown in the list.
void Recherche_Fenetre(benchmark::State& etat, Cas cas) {
    Log_Test vide(0);
    Services_Bench s(vide.dossier.path());
    Recherche_Indicatif fenetre(*s.services, Principale());
    fenetre.show();
    const QString noms[] = {u"Indica"_s, u"Data"_s, u"Depa"_s};
    const int i = static_cast<int>(cas.critere) - 1;
    fenetre.findChild<QRadioButton*>(u"Option1("_s + QString::number(i + 1) + u')')->setChecked(true);
    auto* boite = fenetre.findChild<QLineEdit*>(noms[i]);
    for (auto _ : etat) {
        boite->setText(cas.texte);
        QTest::keyClick(boite, Qt::Key_Return);
        QApplication::processEvents();
        etat.counters["trouves"] = fenetre.Resultats().Nombre();
    }
}
BENCHMARK_CAPTURE(Recherche_Fenetre, indicatif_un, Un_Indicatif)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche_Fenetre, indicatif_tous, Tous_Les_Indicatifs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche_Fenetre, date, Une_Date)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recherche_Fenetre, departement, Un_Departement)->Unit(benchmark::kMillisecond);

// "Afficher" of the per-band list on a 99,999-QSO log, every QSO on the band: the log read,
// filtered, sorted, counted and shown.
void Liste_Bande_Affichee(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    Services_Bench s(t.dossier.path());
    Liste_QSO fenetre(*s.services, [] { return Indicatif; });
    fenetre.show();
    auto* afficher = fenetre.findChild<QPushButton*>(u"Afficher"_s);
    for (auto _ : etat) {
        afficher->click();
        QApplication::processEvents();
    }
    etat.counters["lignes"] = fenetre.Lignes().Nombre();
}
BENCHMARK(Liste_Bande_Affichee)->Unit(benchmark::kMillisecond);

// "Enregistrer" of a band of 20,000 QSOs.
void Liste_Bande_Enregistree(benchmark::State& etat) {
    const Log_Test t(20000);
    Services_Bench s(t.dossier.path());
    Liste_QSO fenetre(*s.services, [] { return Indicatif; });
    fenetre.findChild<QPushButton*>(u"Afficher"_s)->click();
    auto* enregistrer = fenetre.findChild<QPushButton*>(u"Enregistrer"_s);
    for (auto _ : etat) {
        enregistrer->click();
    }
    etat.counters["lignes"] = fenetre.Lignes().Nombre();
}
BENCHMARK(Liste_Bande_Enregistree)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
