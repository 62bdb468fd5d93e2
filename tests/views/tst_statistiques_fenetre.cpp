// Countries and statistics seen from the windows: the country beside each callsign as it is
// typed, the statistics window's tables and filters following the log, the chart as PNG and
// the tables as CSV, the country file window.
#include "core/countries/pays.h"
#include "core/program/reglages.h"
#include "main/main.h"
#include "station/fenetre_pays.h"
#include "support/doubles.h"
#include "views/fenetre_statistiques.h"
#include "views/graphiques_statistiques.h"

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <array>
#include <cmath>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray Fichier =
    "France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F,TM;\n"
    "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DA,DL;\n"
    "Guadeloupe:  08:  11:  NA:   16.13:    61.67:     4.0:  FG:\n    FG;\n";

const QStringList Journal = {
    Ligne_Test(u"F5ABC"_s, u"01/06/08"_s, u"10:00"_s),
    Ligne_Test(u"DL1XYZ"_s, u"02/06/09"_s, u"11:30"_s, QString()),
    Ligne_Test(u"FG5XX"_s, u"03/06/09"_s, u"23:15"_s, QString()),
};

struct Scene {
    Banc b;
    Base_Pays pays;
    std::unique_ptr<Main> w;

    explicit Scene(const QByteArray& fichier = Fichier) {
        b.Ecrit(u"cty.dat"_s, fichier);
        pays.Charge(b.Chemin(u"cty.dat"_s));
        b.services.pays = &pays;
        b.Station_Avec_Log(u"F1ABC"_s, Journal);
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
    }
    template <class T = QLineEdit> T* C(const QString& nom) const {
        T* c = w->findChild<T*>(nom);
        if (!c) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return c;
    }
    Fenetre_Statistiques* Statistiques() const {
        w->findChild<QAction*>(u"Mnu_Statistiques"_s)->trigger();
        return C<Fenetre_Statistiques>(u"Fenetre_Statistiques"_s);
    }
};

// A table's cells, a row "a | b | c" each.
QStringList Cellules(QTableView* t) {
    QStringList r;
    for (int i = 0; i < t->model()->rowCount(); ++i) {
        QStringList c;
        for (int j = 0; j < t->model()->columnCount(); ++j) {
            c << t->model()->index(i, j).data().toString();
        }
        r << c.join(u" | "_s);
    }
    return r;
}

// The mean difference of two images of one size, per pixel and channel (0 to 255).
double Ecart_Moyen(const QImage& a, const QImage& b) {
    double somme = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            somme +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return somme / (3.0 * a.width() * a.height());
}

// CIE L*a*b* of an sRGB colour (D65 white).
std::array<double, 3> Lab(const QColor& c) {
    const auto lineaire = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double r = lineaire(c.redF()), g = lineaire(c.greenF()), b = lineaire(c.blueF());
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

} // namespace

class Tst_Statistiques_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The label follows each key typed, with its caption for a screen reader.
    void pays_en_tapant() {
        Scene s;
        QLabel* pays_a = s.C<QLabel>(u"Pays_A"_s);
        QCOMPARE(pays_a->text(), QString());
        const QStringList attendus = {u"pays inconnu"_s, u"Allemagne  EU"_s, u"Allemagne  EU"_s,
                                      u"Allemagne  EU"_s};
        for (int i = 0; i < attendus.size(); ++i) {
            QTest::keyClick(s.C(u"Ind_A"_s), u"dl1x"_s[i].toLatin1());
            QCOMPARE(pays_a->text(), attendus[i]);
        }
        QCOMPARE(pays_a->accessibleName(), u"Pays de la station A Allemagne  EU"_s);
        QTest::keyClick(s.C(u"Ind_A"_s), Qt::Key_Return);
        // Station B's label, as a line of the list shows.
        s.w->Selectionne_Ligne(2);
        QCOMPARE(pays_a->text(), u"Guadeloupe  NA"_s);
        QCOMPARE(s.C<QLabel>(u"Pays_B"_s)->text(), u"France  EU"_s);
    }

    // A broken country file: countries unknown, the program goes on, the window says why.
    void fichier_casse() {
        Scene s("France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F,TM,\n");
        QTest::keyClicks(s.C(u"Ind_A"_s), u"F5"_s);
        QCOMPARE(s.C<QLabel>(u"Pays_A"_s)->text(), u"pays inconnu"_s);
        QVERIFY(s.C<QLabel>(u"Pays_A"_s)->toolTip().contains(s.b.Chemin(u"cty.dat"_s)));
        Fenetre_Statistiques* f = s.Statistiques();
        QCOMPARE(f->findChild<QLabel*>(u"Message_Pays"_s)->text(),
                 u"Le fichier des pays «\u00A0"_s + s.b.Chemin(u"cty.dat"_s) +
                     u"\u00A0» est illisible\u00A0: l'entité «\u00A0France\u00A0» de la ligne 1 n'est pas "
                     u"terminée par «\u00A0;\u00A0» "
                     u"(fichier tronqué\u00A0?)\u00A0: les pays des indicatifs ne sont pas connus."_s);
        QCOMPARE(f->Chiffres().qso, 3);
    }

    // The tables of a small log, a filter, and the log changing while the window is open.
    void tables_et_filtres() {
        Scene s;
        Fenetre_Statistiques* f = s.Statistiques();
        const auto table = [f](const QString& nom) { return Cellules(f->findChild<QTableView*>(nom)); };
        QCOMPARE(
            table(u"Table_Totaux"_s),
            (QStringList{u"QSO entendus | 3"_s, u"QSO confirmés | 0"_s, u"Stations différentes | 4"_s,
                         u"Pays (DXCC) | 3"_s, u"Continents | 2 (EU, NA)"_s,
                         u"Départements de métropole | 2 sur 96"_s,
                         u"Départements d'outre-mer | 1 sur 5 (Guadeloupe)"_s, u"Lignes illisibles | 0"_s}));
        QCOMPARE(table(u"Table_Pays"_s), (QStringList{u"Allemagne | DL | EU | 1 | 02/06/2009 | 0"_s,
                                                      u"France | F | EU | 3 | 01/06/2008 | 0"_s,
                                                      u"Guadeloupe | FG | NA | 1 | 03/06/2009 | 0"_s}));
        QCOMPARE(table(u"Table_Departements"_s),
                 (QStringList{u"13 | Bouches-du-Rhône | 3 | 0"_s, u"75 | Paris | 1 | 0"_s,
                              u"971 | Guadeloupe | 1 | 0"_s}));
        // Station A in 2009.
        f->findChild<QComboBox*>(u"Filtre_Station"_s)->setCurrentIndex(1);
        f->findChild<QComboBox*>(u"Annee_De"_s)->setCurrentText(u"2009"_s);
        QCOMPARE(table(u"Table_Pays"_s), (QStringList{u"Allemagne | DL | EU | 1 | 02/06/2009 | 0"_s,
                                                      u"Guadeloupe | FG | NA | 1 | 03/06/2009 | 0"_s}));
        QCOMPARE(f->findChild<QChartView*>(u"Graphique_Heures"_s)->accessibleDescription(),
                 u"QSO par heure UTC\u00A0: 11 h 1, 23 h 1"_s);
        // A QSO deleted from the main window: the window follows, the filter kept.
        s.b.messages.reponses = {true};
        s.w->Selectionne_Ligne(1);
        s.C<QPushButton>(u"Annule_Saisie"_s)->click();
        QCOMPARE(table(u"Table_Pays"_s), (QStringList{u"Guadeloupe | FG | NA | 1 | 03/06/2009 | 0"_s}));
        QCOMPARE(f->findChild<QComboBox*>(u"Annee_De"_s)->currentText(), u"2009"_s);
    }

    // No two bands or modes look alike: every two colours at least 25 apart in CIELAB (ΔE 1976),
    // one for each of the 13 bands.
    void couleurs_distinctes() {
        const QList<QColor>& c = Couleurs_Series();
        QCOMPARE(c.size(), 13);
        for (int i = 0; i < c.size(); ++i) {
            for (int j = i + 1; j < c.size(); ++j) {
                const auto a = Lab(c[i]), b = Lab(c[j]);
                const double d = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
                QVERIFY2(d >= 25, qPrintable(c[i].name() + u' ' + c[j].name() + u' ' + QString::number(d)));
            }
        }
    }

    // Each chart as a PNG twice its size: the whole chart, the same as on screen (not a corner
    // of it); the tables as CSV.
    void png_et_csv() {
        Scene s;
        Fenetre_Statistiques* f = s.Statistiques();
        f->resize(900, 650);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->findChild<QTabWidget*>(u"Onglets_Statistiques"_s)->setCurrentIndex(3);
        const QStringList noms = {u"annees"_s, u"heures"_s, u"modes"_s};
        for (int i = 0; i < noms.size(); ++i) {
            f->findChild<QTabWidget*>(u"Onglets_Graphiques"_s)->setCurrentIndex(i);
            QApplication::processEvents();
            auto* vue = qobject_cast<QChartView*>(
                f->findChild<QTabWidget*>(u"Onglets_Graphiques"_s)->currentWidget());
            s.b.fichiers.reponses = {s.b.Chemin(noms[i])};
            f->findChild<QPushButton*>(u"Enregistrer_Graphique"_s)->click();
            const QImage image(s.b.Chemin(noms[i] + u".png"_s));
            QCOMPARE(image.size(), vue->viewport()->size() * 2);
            const QImage ecran = vue->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const double ecart =
                Ecart_Moyen(image.scaled(ecran.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32),
                            ecran);
            QVERIFY2(ecart < 6, qPrintable(noms[i] + u" "_s + QString::number(ecart)));
            QCOMPARE(s.b.messages.textes.value(i),
                     u"Graphique enregistré dans le fichier «\u00A0"_s + noms[i] + u".png\u00A0»."_s);
        }
        s.b.fichiers.reponses = {s.b.Chemin(u"tableaux.csv"_s)};
        f->findChild<QPushButton*>(u"Exporter_Tableaux"_s)->click();
        const QList<QByteArray> lignes = s.b.Lit(u"tableaux.csv"_s).split('\n');
        QCOMPARE(lignes.value(0), QByteArray("\xEF\xBB\xBFTotaux\r"));
        QCOMPARE(lignes.value(1), QByteArray("QSO entendus;3\r"));
        QVERIFY(lignes.contains("France;F;EU;3;2008-06-01;0\r"));
        QVERIFY(lignes.contains("971;Guadeloupe;1;0\r"));
        QCOMPARE(s.b.messages.textes.value(3),
                 u"Tableaux exportés dans le fichier «\u00A0tableaux.csv\u00A0»."_s);
    }

    // Another country file chosen: used at once and remembered; a broken one never replaces it.
    // Its entity has a prefix of its own, so the name of the file shows.
    void fichier_des_pays() {
        Scene s;
        s.b.horloge.local = QDateTime(QDate(2028, 12, 7), QTime(10, 0));
        s.b.Ecrit(u"nouveau.dat"_s,
                  "Testland:  14:  27:  EU:   46.00:    -2.00:    -1.0:  TL9:\n    F,=VER20261201;\n");
        s.b.Ecrit(u"casse.dat"_s, QByteArray("F\x00", 2));
        QTest::keyClicks(s.C(u"Ind_A"_s), u"F5"_s);
        s.w->findChild<QAction*>(u"Mnu_Fichier_Pays"_s)->trigger();
        auto* f = s.C<Fenetre_Pays>(u"Fenetre_Pays"_s);
        QCOMPARE(f->findChild<QLabel*>(u"Entites_Pays"_s)->accessibleName(), u"Entités\u00A0: 3"_s);
        s.b.fichiers.reponses = {s.b.Chemin(u"casse.dat"_s), s.b.Chemin(u"nouveau.dat"_s)};
        f->findChild<QPushButton*>(u"Choisir_Pays"_s)->click();
        QVERIFY(s.b.messages.textes.value(0).endsWith(u"Le fichier en usage reste «\u00A0"_s +
                                                      s.b.Chemin(u"cty.dat"_s) + u"\u00A0»."_s));
        QCOMPARE(s.pays.Chemin(), s.b.Chemin(u"cty.dat"_s));
        f->findChild<QPushButton*>(u"Choisir_Pays"_s)->click();
        QCOMPARE(s.pays.Chemin(), s.b.Chemin(u"nouveau.dat"_s));
        QCOMPARE(f->findChild<QLabel*>(u"Date_Pays"_s)->text(), u"01/12/2026, il y a 2 ans"_s);
        QVERIFY(f->findChild<QPushButton*>(u"Pays_Debian"_s)->isEnabled());
        QCOMPARE(s.C<QLabel>(u"Pays_A"_s)->text(), u"Testland  EU"_s);
        QCOMPARE(Chemin_Fichier_Pays(*s.b.reglages), s.b.Chemin(u"nouveau.dat"_s));
    }
};

QTEST_MAIN(Tst_Statistiques_Fenetre)
#include "tst_statistiques_fenetre.moc"
