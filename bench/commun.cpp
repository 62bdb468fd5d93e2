#include "commun.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace swl::bench {

using namespace Qt::Literals::StringLiterals;

QString Ligne(int i) {
    Fiche_QSO f;
    f.Indicatif_A = u"F"_s + QString::number(i % 10) + u"ABC"_s + QString::number(i % 997);
    f.Dpt_A = QString::number(10 + i % 80);
    f.RST_A = u"59"_s;
    f.Prenom_A = u"Jérôme"_s;
    f.QTH_A = u"Saint-Étienne"_s;
    f.Indicatif_B = u"F5XYZ"_s;
    f.Dpt_B = u"13"_s;
    f.RST_B = u"57"_s;
    const QDateTime t = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(i) * 600);
    f.Date = t.toString(u"dd/MM/yy"_s);
    f.Heure = t.toString(u"HH:mm"_s);
    f.Mode = u"SSB"_s;
    f.Bande = u"7.0 Mhz"_s;
    f.QSL = i % 3 == 0;
    return Forme_Ligne_Log(f);
}

// A callsign of a busy log: many entities, some compound.
QString Indicatif_Varie(int n) {
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
        f.Indicatif_A = Indicatif_Varie(i * 7 % 20011);
        f.Indicatif_B = Indicatif_Varie(i * 13 % 19997);
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

Log_Test::Log_Test(int n) {
    octets.reserve(qsizetype(n) * 116);
    for (int i = 0; i < n; ++i) {
        octets += Encode_1252(Ligne(i)) + "\r\n";
    }
    Restaure();
    QFile(dossier.filePath(u"FXXXX.txt"_s)).open(QIODevice::WriteOnly);
    QFile(dossier.filePath(u"Liste_Prenom.txt"_s)).open(QIODevice::WriteOnly);
}

QString Log_Test::Chemin() const {
    return dossier.filePath(Fichier_Log::Nom_Log(Indicatif));
}

void Log_Test::Restaure() const {
    QFile f(Chemin());
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(octets);
}

Services_Bench::Services_Bench(const QString& repertoire, const QString& pdf)
    : reglages(std::make_unique<Reglages>(config.filePath(u"SWL.ini"_s))), imprimante(pdf) {
    reglages->Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Indicatif);
    services = std::make_unique<Services>(Services{messages, horloge, *reglages, programme, imprimante,
                                                   navigateur, fichiers_bench, repertoire});
}

namespace {

class Page_Vide final : public QWidget, public Navigateur {
public:
    using QWidget::QWidget;
    QWidget* Vue() override { return this; }
    void Navigue(const QString&) override {}
};

} // namespace

Navigateur* Sans_Navigateur::Nouveau(QWidget* parent) {
    return new Page_Vide(parent);
}

int Lance_Benchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

namespace {

// A value in kB of /proc/self/status ("VmHWM:", "VmRSS:").
long Valeur_Status_Ko(const std::string& cle) {
    std::ifstream status("/proc/self/status");
    std::string mot;
    while (status >> mot) {
        if (mot == cle) {
            long ko = 0;
            status >> ko;
            return ko;
        }
    }
    return 0;
}

} // namespace

long Pic_Memoire_Ko() {
    return Valeur_Status_Ko("VmHWM:");
}

long Memoire_Ko() {
    return Valeur_Status_Ko("VmRSS:");
}

} // namespace swl::bench
