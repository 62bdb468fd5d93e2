#include "core/reports/etiquettes.h"

#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"

#include <cmath>

namespace swl {

using namespace Qt::Literals::StringLiterals;

const std::array<Stock_Etiquettes, 4>& Stocks_Etiquettes() {
    static const std::array<Stock_Etiquettes, 4> stocks = {{
        {u"AVERY L7162                99.1 x 33.9     16 Etiquettes"_s, 16, 8, false, true, 99.06, 33.87,
         101.60, 33.87, 4.67, 13.02},
        {u"DECADRY OLW 4732       99.1 x 34     16 Etiquettes"_s, 16, 8, false, true, 99.1, 34, 101.6, 34,
         4.65, 12.5},
        {u"AVERY DP 167                  105 x 37      16 Etiquettes"_s, 16, 8, true, false, 105, 37, 105, 37,
         0, 0.5},
        {u"AVERY L7163                99.1 x 38.1     14 Etiquettes"_s, 14, 7, false, true, 99.06, 38.10,
         101.60, 38.10, 4.67, 15.15},
    }};
    return stocks;
}

const Stock_Etiquettes& Stock_Etiquettes_De(int k) {
    return Stocks_Etiquettes()[static_cast<std::size_t>(k >= 1 && k <= 4 ? k - 1 : 0)];
}

Pieces_Etiquette Pieces_De_Ligne(QStringView l) {
    const auto piece = [l](qsizetype colonne, qsizetype largeur) {
        return Piece(l, colonne, largeur).toString();
    };
    Pieces_Etiquette p;
    p.indicatif_a = piece(8, 12).trimmed();
    p.indicatif_b = piece(80, 12).trimmed();
    p.rst_a = piece(26, 3).trimmed();
    p.date = piece(103, 8);
    p.heure = piece(113, 5);
    p.mode = piece(120, 3).trimmed();
    p.bande = piece(125, 7);
    return p;
}

namespace {

// The integer part, rounded down, of a / 2.
int Moitie(int a) {
    return a >= 0 ? a / 2 : -((-a + 1) / 2);
}

QString Espaces(int n) {
    return QString(qMax(0, n), u' ');
}

} // namespace

Centrage Centre_Ligne(int largeur, int fixe, int variable) {
    Centrage c;
    c.pad = Moitie(largeur - fixe - variable);
    const int reste = largeur - (fixe + 2 * c.pad + variable);
    if (reste == 0) {
        c.pad -= 1;
        c.separateur = u"  "_s;
    } else {
        c.separateur = u" "_s;
    }
    return c;
}

std::array<QString, 6> Textes_Etiquette(const Pieces_Etiquette& p, bool droite, const Station_Etiquettes& s) {
    std::array<QString, 6> t;
    const bool fr = s.francais;
    const int n_a = static_cast<int>(p.indicatif_a.size());
    const int n_b = static_cast<int>(p.indicatif_b.size());

    // 1: who the card is for.
    const Centrage c1 = Centre_Ligne(droite ? 32 : 31, fr ? 16 : 14, n_a);
    t[0] = Espaces(c1.pad) + (fr ? u"Pour "_s : u"To "_s) + p.indicatif_a + c1.separateur + u"via        "_s +
           Espaces(c1.pad);

    // 2: whom station A was heard working. The right label reverses the separator choice.
    Centrage c2 = Centre_Ligne(42, 12, n_b);
    if (droite) {
        const int reste = 42 - (12 + 2 * Moitie(42 - 12 - n_b) + n_b);
        c2.pad = Moitie(42 - 12 - n_b) - (reste == 0 ? 1 : 0);
        c2.separateur = reste == 0 ? u" "_s : u"  "_s;
    }
    const QString avec = fr ? u"en QSO avec "_s : u"in QSO with "_s;
    t[1] = Espaces(c2.pad) + (droite ? u" "_s : QString()) + avec + c2.separateur + p.indicatif_b +
           Espaces(c2.pad);

    // 3: date and UTC time, in both languages "Time" and "UTC".
    t[2] =
        u"      Date "_s + p.date + u"   Time "_s + p.heure + u" UTC"_s + (droite ? QString() : Espaces(7));

    // 4: band, mode and report.
    const int n4 = static_cast<int>(p.bande.size() + p.mode.size() + p.rst_a.size());
    const Centrage c4 = Centre_Ligne(42, fr ? 16 : 15, n4);
    t[3] = Espaces(c4.pad) + (fr ? u"Bande "_s : u"Band "_s) + p.bande + u" Mode "_s + p.mode +
           c4.separateur + u"RST "_s + p.rst_a + (droite ? QString() : Espaces(c4.pad) + u' ');

    // 5: the listener's receiver and antenna.
    const int n5 = static_cast<int>(s.recepteur.size() + s.antenne.size());
    Centrage c5;
    c5.pad = Moitie(35 - n5);
    if (42 - (7 + 2 * c5.pad + n5) == 0) {
        c5.pad -= 1;
        c5.separateur = u"  "_s;
    } else {
        c5.separateur = u" "_s;
    }
    t[4] = Espaces(c5.pad) + u"TX "_s + s.recepteur + c5.separateur + u"Ant "_s + s.antenne +
           (droite ? QString() : Espaces(c5.pad) + u' ');

    // 6: the closing line with the listener's callsign; its pad is never reduced.
    const int n6 = static_cast<int>(s.indicatif.size());
    const int f6 = fr ? 16 : 18;
    const int pad6 = Moitie(42 - f6 - n6);
    const QString sep6 = 42 - (f6 + 2 * pad6 + n6) == 0 ? u" "_s : u"  "_s;
    t[5] = Espaces(pad6) + (droite ? u" "_s : QString()) +
           (fr ? u"Pse QSL   73 de"_s : u"Pse QSL   73 from"_s) + sep6 + s.indicatif + Espaces(pad6);
    return t;
}

QString Controle_Ligne_Station(const QString& recepteur, const QString& antenne) {
    if (antenne.size() > 12) {
        return u"12 caracteres maxi"_s;
    }
    if (recepteur.size() + antenne.size() >= 35) {
        return u"Le récepteur et l'antenne tiennent en 34 caractères au plus ensemble sur une étiquette "
               u"(ici "_s +
               QString::number(recepteur.size() + antenne.size()) +
               u").\r\nRaccourcissez l'un ou l'autre\u00A0: rien n'a été imprimé."_s;
    }
    return {};
}

namespace {

double Decalage_Stocke(const QString& texte) {
    bool ok = false;
    const double v = texte.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? std::round(qBound(-10.0, v, 10.0) * 2) / 2 : 0;
}

} // namespace

Parametres_Etiquettes Parametres_Retenus(const Reglages& r, const QString& section) {
    Parametres_Etiquettes p;
    p.station.recepteur = r.Lire_Reglage(section, cle::Transceiver, QString());
    p.station.antenne = r.Lire_Reglage(section, cle::Antenne, QString());
    const QString langue = r.Lire_Reglage(section, cle::Langue, true).trimmed();
    p.station.francais = langue.compare(u"true", Qt::CaseInsensitive) == 0 || langue == u"-1";
    bool ok = false;
    const int stock = r.Lire_Reglage(section, cle::Type_Etiquette, 1).trimmed().toInt(&ok);
    p.stock = ok && stock >= 1 && stock <= 4 ? stock : 1;
    p.depart = r.Lire_Reglage(section, cle::Etiquette_Depart, 1).trimmed().toInt();
    p.decalage_x = Decalage_Stocke(r.Lire_Reglage(section, cle::Decalage_X, 0));
    p.decalage_y = Decalage_Stocke(r.Lire_Reglage(section, cle::Decalage_Y, 0));
    return p;
}

void Retient_Parametres(Reglages& r, const QString& section, const Parametres_Etiquettes& p) {
    r.Ecrire_Reglage(section, cle::Transceiver, p.station.recepteur);
    r.Ecrire_Reglage(section, cle::Antenne, p.station.antenne);
    r.Ecrire_Reglage(section, cle::Langue, p.station.francais ? u"True"_s : u"False"_s);
    r.Ecrire_Reglage(section, cle::Type_Etiquette, p.stock);
    r.Ecrire_Reglage(section, cle::Etiquette_Depart, p.depart);
    r.Ecrire_Reglage(section, cle::Decalage_X, QString::number(p.decalage_x));
    r.Ecrire_Reglage(section, cle::Decalage_Y, QString::number(p.decalage_y));
}

namespace {

struct Ligne_Rangee {
    double points;
    bool gras;
    int texte; // 0 to 5, or -1 for the empty line
};

// The lines of a row, in their order, with their font.
QList<Ligne_Rangee> Lignes_Rangee(const Stock_Etiquettes& stock) {
    if (!stock.ligne_vide) {
        return {{15, true, 0},  {11, false, 1}, {11, false, 2},
                {11, false, 3}, {11, false, 4}, {11, stock.ligne6_grasse, 5}};
    }
    return {{15, true, 0},
            {11, false, 1},
            {8, false, -1},
            {11, false, 2},
            {11, false, 3},
            {11, false, 4},
            {11, stock.ligne6_grasse, 5}};
}

} // namespace

QList<Feuille_Etiquettes> Met_En_Page(const QStringList& lignes, const Parametres_Etiquettes& p) {
    QList<Feuille_Etiquettes> feuilles;
    if (lignes.isEmpty()) {
        return feuilles;
    }
    const Stock_Etiquettes& stock = Stock_Etiquettes_De(p.stock);
    const QList<Ligne_Rangee> modele = Lignes_Rangee(stock);
    double hauteur_rangee = 0;
    for (const Ligne_Rangee& l : modele) {
        hauteur_rangee += Hauteur_Ligne_Mm(l.points);
    }
    const int depart = qBound(1, p.depart, stock.etiquettes) - 1;
    // Labels are counted from the first label of the first sheet; the labels before `depart`
    // stay blank, and a last left label has its right neighbour printed with empty pieces.
    const qsizetype derniere = depart + lignes.size() - 1;
    const auto textes_de = [&](qsizetype place, bool droite) {
        const qsizetype i = place - depart;
        return Textes_Etiquette(Pieces_De_Ligne(i < lignes.size() ? QStringView(lignes[i]) : QStringView()),
                                droite, p.station);
    };
    for (qsizetype rangee_job = depart / 2; rangee_job <= derniere / 2; ++rangee_job) {
        const qsizetype gauche = 2 * rangee_job;
        const qsizetype feuille = gauche / stock.etiquettes;
        const int rangee = static_cast<int>(gauche % stock.etiquettes) / 2;
        while (feuilles.size() <= feuille) {
            feuilles.append(Feuille_Etiquettes{});
        }
        Feuille_Etiquettes& f = feuilles[feuille];
        const bool avec_gauche = gauche >= depart;
        const std::array<QString, 6> textes_g =
            avec_gauche ? textes_de(gauche, false) : std::array<QString, 6>{};
        const std::array<QString, 6> textes_d = textes_de(gauche + 1, true);
        const double x_g = stock.marge_gauche + p.decalage_x;
        const double x_d = x_g + stock.pas_x;
        double y =
            stock.marge_haut + rangee * stock.pas_y + (stock.hauteur - hauteur_rangee) / 2 + p.decalage_y;
        for (const Ligne_Rangee& l : modele) {
            if (l.texte >= 0) {
                const auto t = static_cast<std::size_t>(l.texte);
                if (avec_gauche) {
                    f.textes.append({x_g, y, l.points, l.gras, textes_g[t]});
                }
                f.textes.append({x_d, y, l.points, l.gras, textes_d[t]});
            }
            y += Hauteur_Ligne_Mm(l.points);
        }
        f.pleine = rangee == stock.rangees - 1;
    }
    return feuilles;
}

QList<QRectF> Contours_Etiquettes(const Parametres_Etiquettes& p) {
    const Stock_Etiquettes& stock = Stock_Etiquettes_De(p.stock);
    QList<QRectF> contours;
    for (int e = 0; e < stock.etiquettes; ++e) {
        contours.append(QRectF(stock.marge_gauche + (e % 2) * stock.pas_x + p.decalage_x,
                               stock.marge_haut + (e / 2) * stock.pas_y + p.decalage_y, stock.largeur,
                               stock.hauteur));
    }
    return contours;
}

} // namespace swl
