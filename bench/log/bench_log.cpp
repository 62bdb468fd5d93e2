// Loading and changing a 99,999-line log: what the user waits for at start-up and after
// every saved, modified or deleted QSO.
#include "commun.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/log/liste_prenom.h"
#include "core/program/reglages.h"
#include "core/reports/carte.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/horloge_systeme.h"
#include "platform/imprimante.h"
#include "platform/navigateur.h"
#include "platform/programme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

namespace {

using namespace swl::bench;

void Recharge(const Fichier_Log& log, Modele_Liste_SWL& modele) {
    modele.Remplace(log.Lit_Log().lignes);
    benchmark::DoNotOptimize(modele.Nombre());
}

void Lecture_Brute(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    for (auto _ : etat) {
        QFile f(t.Chemin());
        f.open(QIODevice::ReadOnly);
        const QByteArray contenu = f.readAll();
        benchmark::DoNotOptimize(Decoupe_Lignes(contenu).size());
    }
}
BENCHMARK(Lecture_Brute)->Unit(benchmark::kMillisecond);

void Chargement_Liste(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    Modele_Liste_SWL modele;
    for (auto _ : etat) {
        Recharge(log, modele);
    }
    etat.counters["lignes"] = modele.Nombre();
}
BENCHMARK(Chargement_Liste)->Unit(benchmark::kMillisecond);

// Every list line formed once, as a window that walks the whole list does.
void Toutes_Les_Lignes_Liste(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Lignes_Log lignes = Fichier_Log(t.dossier.path(), Indicatif).Lit_Log().lignes;
    for (auto _ : etat) {
        qsizetype total = 0;
        for (int i = 0; i < lignes.Nombre(); ++i) {
            total += lignes.Ligne_Liste(i).size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(Toutes_Les_Lignes_Liste)->Unit(benchmark::kMillisecond);

// Each change is made on a log of 99,998 lines, then the list is reloaded.
template <class Operation> void Changement(benchmark::State& etat, Operation operation) {
    const Log_Test t(Numero_Maximal - 1);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    Modele_Liste_SWL modele;
    for (auto _ : etat) {
        if (!operation(log)) {
            etat.SkipWithError("operation failed");
            break;
        }
        Recharge(log, modele);
        etat.PauseTiming();
        t.Restaure();
        etat.ResumeTiming();
    }
}

void Ajout(benchmark::State& etat) {
    Changement(etat, [](const Fichier_Log& log) { return bool(log.Ajoute_QSO_Log(Ligne(200000))); });
}
BENCHMARK(Ajout)->Unit(benchmark::kMillisecond);

void Insertion_Au_Milieu(benchmark::State& etat) {
    Changement(etat, [](const Fichier_Log& log) { return bool(log.Insere_QSO_Log(Ligne(50000))); });
}
BENCHMARK(Insertion_Au_Milieu)->Unit(benchmark::kMillisecond);

void Remplacement(benchmark::State& etat) {
    Changement(etat, [](const Fichier_Log& log) {
        return bool(log.Remplace_QSO_Log(Ligne(1), Ligne(50000), 50001));
    });
}
BENCHMARK(Remplacement)->Unit(benchmark::kMillisecond);

void Suppression(benchmark::State& etat) {
    Changement(etat, [](const Fichier_Log& log) { return bool(log.Supprime_QSO_Log(Ligne(50000), 50001)); });
}
BENCHMARK(Suppression)->Unit(benchmark::kMillisecond);

// The department map drawn for a band: the log read and every line marked.
void Marquage_Carte(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    int nombre = 0;
    for (auto _ : etat) {
        nombre = Marque_Departements(log.Lit_Log().lignes, u"7.0 Mhz"_s).nombre;
        benchmark::DoNotOptimize(nombre);
    }
    etat.counters["departements"] = nombre;
}
BENCHMARK(Marquage_Carte)->Unit(benchmark::kMillisecond);

// A first-name directory of 50,000 callsigns; the one looked up is near the end.
void Recherche_Prenom(benchmark::State& etat) {
    QTemporaryDir dossier;
    QByteArray octets;
    for (int i = 0; i < 50000; ++i) {
        octets += Encode_1252(Liste_Prenom::Enregistrement(u"F"_s + QString::number(100000 + i), u"75"_s,
                                                           u"Jean"_s)) +
                  "\r\n";
    }
    QFile f(dossier.filePath(Nom_Liste_Prenom));
    f.open(QIODevice::WriteOnly);
    f.write(octets);
    f.close();
    const Liste_Prenom liste(dossier.path());
    for (auto _ : etat) {
        benchmark::DoNotOptimize(liste.Cherche(u"F149990"_s));
    }
}
BENCHMARK(Recherche_Prenom)->Unit(benchmark::kMillisecond);

// The whole program (main window, list shown) holding the log: peak resident memory.
void Memoire_Programme(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Services_Bench s(t.dossier.path());
    for (auto _ : etat) {
        Main fenetre(*s.services);
        fenetre.Form_Load();
        QApplication::processEvents();
        benchmark::DoNotOptimize(fenetre.Modele().Nombre());
    }
    etat.counters["pic_Mo"] = double(Pic_Memoire_Ko()) / 1024.0;
}
BENCHMARK(Memoire_Programme)->Unit(benchmark::kMillisecond)->Iterations(3);

// "Valider le QSO" in the main window on a 99,998-line log: a new QSO appended, or the
// entry in the middle of the log modified; the list read again either way.
void Enregistrement_Fenetre(benchmark::State& etat, bool modification) {
    const Log_Test t(Numero_Maximal - 1);
    Services_Bench s(t.dossier.path());
    s.messages.oui = true;
    Main fenetre(*s.services);
    fenetre.Form_Load();
    auto* liste = fenetre.findChild<QAbstractItemView*>(u"Liste_SWL"_s);
    auto* valide = fenetre.findChild<QPushButton*>(u"Valide_A"_s);
    const Fiche_QSO f = Fiche_De_Ligne_Liste(Forme_Ligne_Liste(Ligne(123456), 1));
    for (auto _ : etat) {
        etat.PauseTiming();
        t.Restaure();
        fenetre.Charge_Log();
        if (modification) {
            fenetre.Selectionne_Ligne(50000);
            liste->doubleClicked(liste->currentIndex());
        }
        fenetre.findChild<QLineEdit*>(u"Ind_A"_s)->setText(f.Indicatif_A.trimmed());
        fenetre.findChild<QLineEdit*>(u"Date_A"_s)->setText(f.Date);
        fenetre.findChild<QLineEdit*>(u"Heure_A"_s)->setText(f.Heure);
        valide->setEnabled(true);
        etat.ResumeTiming();
        valide->click();
    }
    etat.counters["lignes"] = fenetre.Modele().Nombre();
}
BENCHMARK_CAPTURE(Enregistrement_Fenetre, nouveau_qso, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Enregistrement_Fenetre, modification, true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
