#include "core/reports/mise_en_page.h"

#include <algorithm>
#include <numeric>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double Mm_Par_Point = 25.4 / 72.0;
// A fixed-pitch character is 0.6 em wide (Courier New, Liberation Mono); its line is its ascent
// 0.833 em plus its descent 0.300 em.
constexpr double Chasse = 0.6;
constexpr double Interligne = 1.1328;

} // namespace

double Largeur_Fixe_Mm(qsizetype caracteres, double points) {
    return double(caracteres) * Chasse * points * Mm_Par_Point;
}

double Hauteur_Ligne_Mm(double points) {
    return Interligne * points * Mm_Par_Point;
}

QStringList Coupe_Texte(const QString& texte, qsizetype largeur) {
    QStringList lignes;
    QString reste = texte.trimmed();
    largeur = std::max<qsizetype>(largeur, 1);
    while (reste.size() > largeur) {
        qsizetype coupe = largeur;
        for (qsizetype i = largeur; i > 0; --i) {
            if (reste[i] == u' ') {
                coupe = i;
                break;
            }
            if (reste[i - 1] == u'-') {
                coupe = i;
                break;
            }
        }
        lignes << reste.left(coupe).trimmed();
        reste = reste.mid(coupe).trimmed();
    }
    lignes << reste;
    return lignes;
}

QList<Page_Document> Pages_Tableau(const Tableau_Document& t) {
    QList<Page_Document> pages;
    const double ligne = Hauteur_Ligne_Mm(t.points) * 1.15;
    const double gauche = t.marge_mm;
    const double droite = gauche + Largeur_Fixe_Mm(std::accumulate(t.largeurs.begin(), t.largeurs.end(),
                                                                   qsizetype(t.largeurs.size() - 1)),
                                                   t.points);
    const double bas = Hauteur_A4_Mm - t.marge_mm - ligne * 2; // the page number under it
    double y = 0;
    const auto nouvelle_page = [&] {
        pages.append(Page_Document{});
        y = t.marge_mm;
        if (pages.size() == 1) {
            for (Texte_Place titre : t.titre) {
                titre.x += gauche;
                titre.y = y;
                pages.last().textes.append(titre);
                y += Hauteur_Ligne_Mm(titre.points) * 1.15;
            }
            y += ligne;
        }
        Page_Document& p = pages.last();
        p.traits.append({gauche, y - 0.8, droite, y - 0.8});
        double x = gauche;
        for (qsizetype k = 0; k < t.entetes.size(); ++k) {
            p.textes.append({x, y, t.points, true, t.entetes[k], true});
            x += Largeur_Fixe_Mm(t.largeurs.value(k) + 1, t.points);
        }
        y += ligne;
        p.traits.append({gauche, y + 0.4, droite, y + 0.4});
        y += 1.2;
    };
    nouvelle_page();
    for (const QStringList& rangee : t.rangees) {
        QList<QStringList> cellules;
        qsizetype hauteur = 1;
        for (qsizetype k = 0; k < t.largeurs.size(); ++k) {
            cellules << Coupe_Texte(rangee.value(k), t.largeurs[k]);
            hauteur = std::max(hauteur, cellules.last().size());
        }
        if (y + ligne * double(hauteur) > bas) {
            pages.last().traits.append({gauche, y + 0.4, droite, y + 0.4});
            nouvelle_page();
        }
        double x = gauche;
        for (qsizetype k = 0; k < cellules.size(); ++k) {
            for (qsizetype n = 0; n < cellules[k].size(); ++n) {
                if (!cellules[k][n].isEmpty()) {
                    pages.last().textes.append(
                        {x, y + ligne * double(n), t.points, false, cellules[k][n], true});
                }
            }
            x += Largeur_Fixe_Mm(t.largeurs[k] + 1, t.points);
        }
        y += ligne * double(hauteur);
    }
    pages.last().traits.append({gauche, y + 0.4, droite, y + 0.4});
    y += ligne;
    for (Texte_Place f : t.fin) {
        const double h = Hauteur_Ligne_Mm(f.points) * 1.15;
        if (y + h > bas) {
            nouvelle_page();
        }
        f.x = gauche;
        f.y = y;
        pages.last().textes.append(f);
        y += h;
    }
    for (qsizetype n = 0; n < pages.size(); ++n) {
        const QString numero =
            u"page "_s + QString::number(n + 1) + u" sur "_s + QString::number(pages.size());
        pages[n].textes.append({Largeur_A4_Mm - t.marge_mm - Largeur_Fixe_Mm(numero.size(), 8),
                                Hauteur_A4_Mm - t.marge_mm - Hauteur_Ligne_Mm(8), 8, false, numero, true});
    }
    return pages;
}

} // namespace swl
