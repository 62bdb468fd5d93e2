// The decodes of WSJT-X: datagrams read and assembled into heard QSOs, and the table of the
// heard QSOs taking one busy FT8 period.
#include "commun.h"
#include "core/log/doublons.h"
#include "core/log/fichier_log.h"
#include "core/radio/qso_entendus.h"
#include "radio/modele_qso_entendus.h"
#include "support/wsjtx_factice.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

using namespace swl;
using namespace Qt::Literals::StringLiterals;

constexpr int Par_Periode = 50;
const QDateTime Origine(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC);

QByteArray Indicatif(const char* prefixe, int n) {
    QByteArray c(prefixe);
    c += char('0' + n % 10);
    n /= 10;
    for (int i = 0; i < 3; ++i) {
        c += char('A' + n % 26);
        n /= 26;
    }
    return c;
}

// Period `p` (15 s each) of a busy band: 50 QSOs under way, each at its own step of the usual
// sequence (CQ, grid, report, R-report, RR73, 73).
QList<QByteArray> Periode(int p) {
    QList<QByteArray> d;
    const QTime t = Origine.addSecs(15LL * p).time();
    for (int j = 0; j < Par_Periode; ++j) {
        const int qso = (p + j) / 6 * Par_Periode + j;
        const QByteArray a = Indicatif("F", qso);
        const QByteArray b = Indicatif("DL", qso);
        static const char* fins[] = {"", " JO62", " -10", " R-12", " RR73", " 73"};
        const int etape = (p + j) % 6;
        const bool par_a = etape % 2 == 0;
        const QByteArray texte = etape == 0
                                     ? QByteArray("CQ " + a + " JN18")
                                     : QByteArray((par_a ? b : a) + ' ' + (par_a ? a : b) + fins[etape]);
        d << swl_test::Decode(t, -20 + (qso + etape) % 30, texte);
    }
    return d;
}

void Recoit(Assemblage_QSO& a, const QList<QByteArray>& datagrammes, int p) {
    const QDateTime maintenant = Origine.addSecs(15LL * p + 2);
    for (const QByteArray& d : datagrammes) {
        if (const auto m = Lit_Datagramme_WSJTX(d)) {
            a.Recoit(*m, maintenant);
        }
    }
}

// 100,000 decodes (2,000 periods) read from their datagrams and assembled.
void Lecture_Et_Assemblage(benchmark::State& etat) {
    QList<QList<QByteArray>> periodes;
    for (int p = 0; p < 2000; ++p) {
        periodes << Periode(p);
    }
    const QByteArray statut = swl_test::Etat(14074000, "FT8");
    quint64 entendus = 0;
    for (auto _ : etat) {
        Assemblage_QSO a;
        a.Recoit(*Lit_Datagramme_WSJTX(statut), Origine);
        for (int p = 0; p < periodes.size(); ++p) {
            Recoit(a, periodes[p], p);
        }
        entendus = a.Fin();
    }
    etat.counters["qso_entendus"] = double(entendus);
    etat.counters["decodes_par_s"] =
        benchmark::Counter(100000.0 * double(etat.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(Lecture_Et_Assemblage)->Unit(benchmark::kMillisecond);

// The table shown, 20,000 QSOs heard, the log of 99,999 QSOs known: one period of 50 decodes
// read, assembled, taken by the table and drawn.
void Periode_Dans_La_Table(benchmark::State& etat) {
    Assemblage_QSO a;
    a.Recoit(*Lit_Datagramme_WSJTX(swl_test::Etat(14074000, "FT8")), Origine);
    int p = 0;
    while (a.Fin() < quint64(Assemblage_QSO::Nombre_Maximal)) {
        Recoit(a, Periode(p), p);
        ++p;
    }
    const bench::Log_Test log(Numero_Maximal);
    Modele_QSO_Entendus modele(a);
    modele.Met_A_Jour(a);
    modele.Fixe_Journal(Cles_Doublons(Lignes_Log(log.octets)));
    QTableView table;
    table.setModel(&modele);
    table.resize(760, 520);
    table.show();
    QApplication::processEvents();
    for (auto _ : etat) {
        etat.PauseTiming();
        const QList<QByteArray> periode = Periode(p);
        etat.ResumeTiming();
        Recoit(a, periode, p);
        modele.Met_A_Jour(a);
        QApplication::processEvents();
        ++p;
    }
    etat.counters["lignes"] = modele.rowCount();
}
BENCHMARK(Periode_Dans_La_Table)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return swl::bench::Lance_Benchmarks(argc, argv);
}
