// Taking changes back and making them again on a log of 99,999 entries, beside the change
// itself; the undo of a large import; a save that makes the day's backup first.
#include "commun.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/log/sauvegardes.h"

#include <QDate>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace swl::bench;
using namespace Qt::Literals::StringLiterals;

enum Sorte { Suppression, Modification, Insertion };

// The change itself, its trace recorded.
Resultat Change(const Fichier_Log& log, int sorte, Trace_Journal* trace) {
    switch (sorte) {
    case Suppression:
        return log.Supprime_QSO_Log(Ligne(50000), 50001, {}, trace);
    case Modification:
        return log.Remplace_QSO_Log(Ligne(1), Ligne(50000), 50001, {}, trace);
    default:
        return log.Insere_QSO_Log(Ligne(50000), trace);
    }
}

// The change alone (arg 1 = 0), its undo (1) or its redo (2), each on the log as it must find it.
void Etape(benchmark::State& etat) {
    const int sorte = static_cast<int>(etat.range(0));
    const int quoi = static_cast<int>(etat.range(1));
    const Log_Test t(Numero_Maximal - 1);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    Trace_Journal trace;
    if (!Change(log, sorte, &trace)) {
        etat.SkipWithError("change failed");
        return;
    }
    QFile f(t.Chemin());
    f.open(QIODevice::ReadOnly);
    const QByteArray apres = f.readAll();
    const auto remet = [&] {
        QFile e(t.Chemin());
        e.open(QIODevice::WriteOnly);
        e.write(quoi == 2 ? t.octets : apres);
    };
    if (quoi == 0) {
        t.Restaure();
    } else {
        remet();
    }
    for (auto _ : etat) {
        const bool ok = quoi == 0 ? bool(Change(log, sorte, nullptr)) : bool(log.Rejoue(trace, quoi == 2));
        if (!ok) {
            etat.SkipWithError("failed");
            break;
        }
        etat.PauseTiming();
        if (quoi == 0) {
            t.Restaure();
        } else {
            remet();
        }
        etat.ResumeTiming();
    }
    etat.counters["octets_gardes"] = double(trace.Memoire());
}
BENCHMARK(Etape)
    ->ArgNames({"sorte", "quoi"})
    ->ArgsProduct({{Suppression, Modification, Insertion}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// 50,000 QSOs merged into a log of 49,999, then the merge undone.
void Annulation_Import(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    QList<QByteArray> nouvelles;
    QByteArray existantes;
    for (int i = 0; i < Numero_Maximal; ++i) {
        const QByteArray l = Encode_1252(Ligne(i));
        if (i % 2) {
            nouvelles.append(l);
        } else {
            existantes += l + "\r\n";
        }
    }
    QTemporaryDir dossier;
    const Fichier_Log log(dossier.path(), Indicatif);
    const auto ecrit = [&](const QByteArray& o) {
        QFile f(log.Chemin());
        f.open(QIODevice::WriteOnly);
        f.write(o);
    };
    ecrit(existantes);
    Trace_Journal trace;
    if (!log.Fusionne_QSO_Log(log.Lit_Log().lignes, nouvelles, &trace)) {
        etat.SkipWithError("merge failed");
        return;
    }
    QFile f(log.Chemin());
    f.open(QIODevice::ReadOnly);
    const QByteArray apres = f.readAll();
    for (auto _ : etat) {
        if (!log.Rejoue(trace, false)) {
            etat.SkipWithError("undo failed");
            break;
        }
        etat.PauseTiming();
        ecrit(apres);
        etat.ResumeTiming();
    }
    etat.counters["ajoutees"] = double(nouvelles.size());
    etat.counters["Mo_gardes"] = double(trace.Memoire()) / 1e6;
}
BENCHMARK(Annulation_Import)->Unit(benchmark::kMillisecond);

// A save at the end of the log, with the day's backup made first (arg 1) or not (0).
void Sauvegarde_Du_Jour(benchmark::State& etat) {
    const bool copie = etat.range(0) == 1;
    const Log_Test t(Numero_Maximal - 1);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    const Sauvegardes sauvegardes(t.dossier.path(), Indicatif);
    for (auto _ : etat) {
        if (copie && !sauvegardes.Copie_Du_Jour(QDate(2026, 12, 7))) {
            etat.SkipWithError("backup failed");
            break;
        }
        if (!log.Ajoute_QSO_Log(Ligne(200000))) {
            etat.SkipWithError("save failed");
            break;
        }
        etat.PauseTiming();
        t.Restaure();
        QDir(sauvegardes.Dossier()).removeRecursively();
        etat.ResumeTiming();
    }
}
BENCHMARK(Sauvegarde_Du_Jour)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the backups window reads when it opens: 26 copies of a 99,999-entry log (the most
// the keeping rule leaves of day copies), listed and counted.
void Liste_Des_Sauvegardes(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal);
    const Sauvegardes sauvegardes(t.dossier.path(), Indicatif);
    QDate jour(2026, 1, 1);
    for (int i = 0; i < 26; ++i, jour = jour.addDays(14)) {
        sauvegardes.Copie_Du_Jour(jour);
    }
    qsizetype qso = 0;
    for (auto _ : etat) {
        qso = 0;
        for (const Sauvegardes::Copie& c : sauvegardes.Liste()) {
            qso += sauvegardes.Nombre_QSO(c.nom);
        }
    }
    etat.counters["copies"] = double(sauvegardes.Liste().size());
    etat.counters["qso"] = double(qso);
}
BENCHMARK(Liste_Des_Sauvegardes)->Unit(benchmark::kMillisecond);

// What 1,000 steps keep on a log that grows to 99,000 entries.
void Memoire_Mille_Etapes(benchmark::State& etat) {
    const Log_Test t(Numero_Maximal - 1000);
    const Fichier_Log log(t.dossier.path(), Indicatif);
    qsizetype total = 0;
    for (auto _ : etat) {
        etat.PauseTiming();
        t.Restaure();
        etat.ResumeTiming();
        total = 0;
        for (int i = 0; i < 1000; ++i) {
            Trace_Journal trace;
            const Resultat r =
                i % 2 ? log.Remplace_QSO_Log(Ligne(300000 + i), log.Lit_Log().lignes.Ligne_Log(i), i + 1, {},
                                             &trace)
                      : log.Ajoute_QSO_Log(Ligne(300000 + i), &trace);
            if (!r) {
                etat.SkipWithError("change failed");
                return;
            }
            total += trace.Memoire();
        }
    }
    etat.counters["Mo_gardes"] = double(total) / 1e6;
}
BENCHMARK(Memoire_Mille_Etapes)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
