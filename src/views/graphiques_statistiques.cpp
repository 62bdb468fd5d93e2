#include "views/graphiques_statistiques.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// The legend beside the chart, one caption a row: whole at any width ("1.8 Mhz", not "1.8 …").
QChart* Nouveau_Graphique(const QString& titre) {
    auto* c = new QChart;
    c->setTitle(titre);
    c->setAnimationOptions(QChart::NoAnimation);
    c->legend()->setAlignment(Qt::AlignRight);
    return c;
}

QColor Couleur_Serie(qsizetype i) {
    return Couleurs_Series()[i % Couleurs_Series().size()];
}

// The vertical axis of a count: whole numbers from 0.
void Axes(QChart* c, QAbstractSeries* serie, const QStringList& categories, int maximum) {
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    // Many years side by side: each year upright rather than cut to "2…".
    if (categories.size() > 10 && categories.value(0).size() > 2) {
        x->setLabelsAngle(-90);
    }
    auto* y = new QValueAxis;
    y->setLabelFormat(u"%d"_s);
    // Whole numbers only: below 10, a tick a QSO.
    const int haut = std::max(1, maximum);
    y->setRange(0, haut);
    if (haut <= 10) {
        y->setTickCount(haut + 1);
    } else {
        y->applyNiceNumbers();
    }
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    serie->attachAxis(x);
    serie->attachAxis(y);
}

} // namespace

const QList<QColor>& Couleurs_Series() {
    static const QList<QColor> couleurs = {
        QColor(0x0067A5), QColor(0xF3C300), QColor(0xBE0032), QColor(0x008856), QColor(0xE68FAC),
        QColor(0x654522), QColor(0xA1CAF1), QColor(0xE25822), QColor(0x875692), QColor(0x8DB600),
        QColor(0x848482), QColor(0xF99379), QColor(0xC2B280)};
    return couleurs;
}

Graphique Graphique_Annees(const Statistiques& s) {
    Graphique g{Nouveau_Graphique(u"QSO par année et par bande"_s), u"QSO par année et par bande\u00A0: "_s};
    auto* serie = new QStackedBarSeries;
    QStringList annees;
    QStringList texte;
    int maximum = 0;
    for (auto a = s.par_annee.cbegin(); a != s.par_annee.cend(); ++a) {
        annees << QString::number(a.key());
        int total = 0;
        QStringList parts;
        for (auto b = a.value().cbegin(); b != a.value().cend(); ++b) {
            total += b.value();
            parts << b.key() + u' ' + Nombre_Francais(b.value());
        }
        maximum = std::max(maximum, total);
        texte << QString::number(a.key()) + u"\u00A0: "_s + parts.join(u", "_s);
    }
    // The bands in the logbook's order, each a part of every year's bar.
    for (const QString& bande : Liste_Bandes()) {
        QList<qreal> valeurs;
        bool presente = false;
        for (auto a = s.par_annee.cbegin(); a != s.par_annee.cend(); ++a) {
            const int n = a.value().value(bande);
            presente |= n > 0;
            valeurs << n;
        }
        if (presente) {
            auto* ensemble = new QBarSet(bande);
            ensemble->setColor(Couleur_Serie(serie->count()));
            ensemble->setBorderColor(Qt::white);
            ensemble->append(valeurs);
            serie->append(ensemble);
        }
    }
    g.chart->addSeries(serie);
    Axes(g.chart, serie, annees, maximum);
    g.description += texte.isEmpty() ? u"aucun QSO"_s : texte.join(u"\u00A0; "_s);
    return g;
}

Graphique Graphique_Heures(const Statistiques& s) {
    Graphique g{Nouveau_Graphique(u"QSO par heure de la journée (UTC)"_s), u"QSO par heure UTC\u00A0: "_s};
    auto* serie = new QBarSeries;
    auto* ensemble = new QBarSet(u"QSO"_s);
    QStringList heures;
    QStringList texte;
    int maximum = 0;
    for (int h = 0; h < 24; ++h) {
        const QString heure = (h < 10 ? u"0"_s : QString()) + QString::number(h);
        heures << heure;
        ensemble->append(s.par_heure[h]);
        maximum = std::max(maximum, s.par_heure[h]);
        if (s.par_heure[h] > 0) {
            texte << heure + u" h "_s + Nombre_Francais(s.par_heure[h]);
        }
    }
    serie->append(ensemble);
    g.chart->addSeries(serie);
    g.chart->legend()->hide();
    Axes(g.chart, serie, heures, maximum);
    g.description += texte.isEmpty() ? u"aucun QSO"_s : texte.join(u", "_s);
    return g;
}

Graphique Graphique_Modes(const Statistiques& s) {
    Graphique g{Nouveau_Graphique(u"Part de chaque mode"_s), u"Part de chaque mode\u00A0: "_s};
    auto* serie = new QPieSeries;
    QStringList texte;
    for (auto m = s.par_mode.cbegin(); m != s.par_mode.cend(); ++m) {
        const int pourcent = s.qso > 0 ? static_cast<int>(std::lround(100.0 * m.value() / s.qso)) : 0;
        const QString libelle = m.key() + u' ' + QString::number(pourcent) + u"\u00a0%"_s;
        QPieSlice* part = serie->append(libelle, m.value());
        part->setColor(Couleur_Serie(serie->count() - 1));
        part->setBorderColor(Qt::white);
        part->setLabelVisible(true);
        texte << libelle + u" ("_s + Nombre_Francais(m.value()) + u" QSO)"_s;
    }
    g.chart->addSeries(serie);
    g.description += texte.isEmpty() ? u"aucun QSO"_s : texte.join(u", "_s);
    return g;
}

} // namespace swl
