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

// A callsign of a busy log: many entities, some compound.
QString Indicatif(int n) {
    static const QStringList prefixes = {u"F"_s,  u"DL"_s,  u"G"_s,   u"EA8"_s, u"K"_s,  u"JA"_s, u"VK"_s,
                                         u"PY"_s, u"I"_s,   u"ON"_s,  u"OH"_s,  u"SP"_s, u"UA"_s, u"LU"_s,
                                         u"ZS"_s, u"KH6"_s, u"VP8"_s, u"TK"_s,  u"FG"_s, u"W"_s};
    QString c = prefixes[n % prefixes.size()] + QString::number(n / 20 % 10);
    for (int k = n / 200, i = 0; i < 3; ++i, k /= 26) {
        c += QChar(u'A' + k % 26);
    }
    if (n % 17 == 0) {
        c += u"/P"_s;
    } else if (n % 29 == 0) {
        c = u"EA8/"_s + c;
    }
    return c;
}

// 99,999 QSOs over 20 years, every band and mode, some 20,000 stations.
QByteArray Journal_Varie() {
    QByteArray octets;
    const QStringList& bandes = Liste_Bandes();
    const QStringList modes = {u"SSB"_s, u"CW"_s, u"FT8"_s, u"FM"_s, u"DIG"_s};
    for (int i = 0; i < Numero_Maximal; ++i) {
        Fiche_QSO f;
        f.Indicatif_A = Indicatif(i * 7 % 20011);
        f.Indicatif_B = Indicatif(i * 13 % 19997);
        f.Dpt_A = f.Indicatif_A.startsWith(u'F') ? QString::number(10 + i % 80) : QString();
        f.RST_A = u"59"_s;
        f.RST_B = u"57"_s;
        const QDateTime t = QDateTime(QDate(2006, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(i) * 6311);
        f.Date = t.toString(u"dd/MM/yy"_s);
        f.Heure = t.toString(u"HH:mm"_s);
        f.Mode = modes[i % modes.size()];
        f.Bande = bandes[i % bandes.size()];
        f.QSL = i % 3 == 0;
        octets += Encode_1252(Forme_Ligne_Log(f)) + "\r\n";
    }
    return octets;
}

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
    const Lignes_Log log(Journal_Varie());
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
    const Lignes_Log log(Journal_Varie());
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
