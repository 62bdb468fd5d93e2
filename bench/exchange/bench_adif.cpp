// Exchanging a whole log: ADI export of 99,999 QSOs, and their import into an empty log and
// into a log of 50,000.
#include "commun.h"
#include "core/exchange/adif.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"

#include <QAction>
#include <QApplication>
#include <QDir>
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

// Messages answered without a user, but the real progress box of an import.
class Progression_Reelle final : public Boites_Message {
public:
    void Message(const QString&) override {}
    bool Question(const QString&) override { return true; }
    bool Question_Non_Par_Defaut(const QString&) override { return true; }
    void Avec_Progression(const QString& texte, const std::function<void(const Avance&)>& travail) override {
        qt_.Avec_Progression(texte, travail);
    }

private:
    Boites_Message_Qt qt_;
};

// "Fichier → Importer un journal ADIF…" as the user runs it, from the file chosen to the
// summary: the file read, the copies of the log, the merge under its progress box, the report
// file and the list read again, 99,999 records into an empty log.
void Import_Fenetre(benchmark::State& etat) {
    const Log_Test cible(0);
    const QByteArray adi = Exporte_ADI(
        Fichier_Log(Log_Test(Numero_Maximal).dossier.path(), Indicatif).Lit_Log().lignes, Entete());
    QTemporaryDir source;
    const QString chemin = source.filePath(u"source.adi"_s);
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(adi);
    f.close();
    Services_Bench s(cible.dossier.path());
    Progression_Reelle messages;
    const Services& services = *s.services;
    s.fichiers_bench.chemin = chemin;
    Services avec_progression{messages,           services.horloge,      services.reglages,
                              services.programme, services.imprimante,   services.navigateurs,
                              services.fichiers,  services.repertoire,   services.ressources,
                              services.recepteur, services.ecoute_wsjtx, services.pays};
    Main fenetre(avec_progression);
    fenetre.show();
    fenetre.Form_Load();
    auto* importer = fenetre.findChild<QAction*>(u"Mnu_Importer"_s);
    for (auto _ : etat) {
        importer->trigger();
        QApplication::processEvents();
        etat.PauseTiming();
        if (fenetre.Modele().Nombre() != Numero_Maximal) {
            etat.SkipWithError("import failed");
            break;
        }
        cible.Restaure();
        QDir(cible.dossier.filePath(u"Sauvegardes"_s)).removeRecursively();
        for (const QString& rapport : QDir(cible.dossier.path()).entryList({u"Import_ADIF_*"_s})) {
            QFile::remove(cible.dossier.filePath(rapport));
        }
        fenetre.Charge_Log();
        etat.ResumeTiming();
    }
}
BENCHMARK(Import_Fenetre)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
