#include "core/qsl/formes_rapport.h"

#include "core/exchange/adif.h"

#include <numeric>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// The table's columns, in characters: Date, UTC, Band, Mode, RST, WKD.
constexpr std::array<qsizetype, 6> Largeurs = {10, 5, 7, 4, 3, 12};

QStringList Entetes(bool francais) {
    return {u"Date"_s, u"UTC"_s, francais ? u"Bande"_s : u"Band"_s, u"Mode"_s, u"RST"_s, u"WKD"_s};
}

QStringList Cellules(const Ligne_Rapport& l) {
    return {l.date, l.heure, l.bande, l.mode, l.rst, l.correspondant};
}

// The table's width in characters: its columns and the two spaces between them.
qsizetype Largeur_Table() {
    return std::accumulate(Largeurs.begin(), Largeurs.end(), qsizetype(2 * (Largeurs.size() - 1)));
}

// A row of the table as one fixed-pitch text.
QString Rangee(const QStringList& cellules) {
    QString t;
    for (std::size_t k = 0; k < Largeurs.size(); ++k) {
        t += cellules.value(qsizetype(k))
                 .left(Largeurs[k])
                 .leftJustified(Largeurs[k] + (k + 1 < Largeurs.size() ? 2 : 0));
    }
    return t.trimmed();
}

QString Ligne_Station(const Station_Rapport& s) {
    QStringList t;
    if (!s.recepteur.trimmed().isEmpty()) {
        t << (s.francais ? u"Récepteur\u00A0: "_s : u"Rx: "_s) + s.recepteur.trimmed();
    }
    if (!s.antenne.trimmed().isEmpty()) {
        t << (s.francais ? u"Antenne\u00A0: "_s : u"Ant: "_s) + s.antenne.trimmed();
    }
    return t.join(u"   "_s);
}

// Reports cut to at most `n` QSOs each.
QList<Rapport> Decoupe(const QList<Rapport>& rapports, int n) {
    QList<Rapport> r;
    for (const Rapport& x : rapports) {
        for (qsizetype i = 0; i < x.lignes.size() || (i == 0 && x.lignes.isEmpty()); i += n) {
            r.append({x.station, x.lignes.mid(i, n)});
            if (x.lignes.isEmpty()) {
                break;
            }
        }
    }
    return r;
}

void Cadre(Page_Document& p, double x, double y, double l, double h) {
    p.traits << Trait_Place{x, y, x + l, y} << Trait_Place{x + l, y, x + l, y + h}
             << Trait_Place{x, y + h, x + l, y + h} << Trait_Place{x, y, x, y + h};
}

void Carte(Page_Document& p, double ox, double oy, const Rapport& r, const Station_Rapport& s) {
    Cadre(p, ox, oy, Largeur_Carte_Mm, Hauteur_Carte_Mm);
    p.textes << Texte_Place{ox + 6, oy + 6, 15, true, Titre_Rapport(r, s.francais), false}
             << Texte_Place{ox + 6,
                            oy + 15,
                            11,
                            false,
                            (s.francais ? u"De "_s : u"From "_s) + s.indicatif +
                                (s.francais ? u" (écouteur SWL)"_s : u" (short-wave listener)"_s),
                            false};
    const double points = 9;
    const double ligne = Hauteur_Ligne_Mm(points) * 1.2;
    double y = oy + 26;
    const double fin = ox + 6 + Largeur_Fixe_Mm(Largeur_Table(), points);
    p.traits << Trait_Place{ox + 6, y - 0.8, fin, y - 0.8};
    p.textes << Texte_Place{ox + 6, y, points, true, Rangee(Entetes(s.francais)), true};
    y += ligne;
    p.traits << Trait_Place{ox + 6, y + 0.2, fin, y + 0.2};
    y += 1;
    for (const Ligne_Rapport& l : r.lignes) {
        p.textes << Texte_Place{ox + 6, y, points, false, Rangee(Cellules(l)), true};
        y += ligne;
    }
    p.traits << Trait_Place{ox + 6, y + 0.2, fin, y + 0.2};
    if (const QString station = Ligne_Station(s); !station.isEmpty()) {
        p.textes << Texte_Place{ox + 6, oy + Hauteur_Carte_Mm - 18, 9, false, station, false};
    }
    p.textes << Texte_Place{ox + 6, oy + Hauteur_Carte_Mm - 11, 12, true, u"PSE QSL TNX 73"_s, false};
}

} // namespace

QString Titre_Rapport(const Rapport& r, bool francais) {
    return francais ? u"À "_s + r.station + u" — rapport d'écoute SWL"_s
                    : u"To "_s + r.station + u" — SWL report"_s;
}

QList<Page_Document> Pages_Cartes(const QList<Rapport>& rapports, const Station_Rapport& s, bool quatre) {
    QList<Page_Document> pages;
    const QList<Rapport> cartes = Decoupe(rapports, Qso_Par_Carte);
    // Four: A4 landscape (297 × 210), two columns of 140 and two rows of 90, centred.
    const double mx = (Hauteur_A4_Mm - 2 * Largeur_Carte_Mm) / 2;
    const double my = (Largeur_A4_Mm - 2 * Hauteur_Carte_Mm) / 2;
    for (qsizetype i = 0; i < cartes.size(); ++i) {
        const int place = quatre ? int(i % 4) : 0;
        if (place == 0) {
            pages.append(Page_Document{});
            pages.last().paysage = quatre;
        }
        const double x = quatre ? mx + (place % 2) * Largeur_Carte_Mm : 15;
        const double y = quatre ? my + (place / 2) * Hauteur_Carte_Mm : 15;
        Carte(pages.last(), x, y, cartes[i], s);
    }
    return pages;
}

QList<Page_Document> Pages_Etiquettes_Rapport(const QList<Rapport>& rapports, const Station_Rapport& s,
                                              const Parametres_Etiquettes& p) {
    QList<Page_Document> pages;
    const Stock_Etiquettes& stock = Stock_Etiquettes_De(p.stock);
    const QList<QRectF> places = Contours_Etiquettes(p);
    const QList<Rapport> etiquettes = Decoupe(rapports, Qso_Par_Etiquette);
    const int depart = qBound(1, p.depart, stock.etiquettes) - 1;
    const double points = 7;
    const double ligne = Hauteur_Ligne_Mm(points) * 1.1;
    const qsizetype largeur = qsizetype((stock.largeur - 6) / Largeur_Fixe_Mm(1, points));
    for (qsizetype i = 0; i < etiquettes.size(); ++i) {
        const qsizetype place = depart + i;
        if (i == 0 || place % stock.etiquettes == 0) {
            pages.append(Page_Document{});
        }
        const QRectF& etiquette = places[place % stock.etiquettes];
        const double x = etiquette.left() + 3;
        double y = etiquette.top() + 2;
        Page_Document& page = pages.last();
        const auto texte = [&](const QString& t, bool gras) {
            page.textes << Texte_Place{x, y, points, gras, t.left(largeur), true};
            y += ligne;
        };
        texte(Titre_Rapport(etiquettes[i], s.francais), true);
        texte(Rangee(Entetes(s.francais)), false);
        for (const Ligne_Rapport& l : etiquettes[i].lignes) {
            texte(Rangee(Cellules(l)), false);
        }
        y = etiquette.top() + 2 + 5 * ligne;
        if (const QString station = Ligne_Station(s); !station.isEmpty()) {
            texte(station, false);
        }
        texte(u"PSE QSL TNX 73 — "_s + s.indicatif + u" SWL"_s, true);
    }
    return pages;
}

Courriel Courriel_Rapport(const Rapport& r, const Station_Rapport& s) {
    Courriel c;
    const QString jour = r.lignes.isEmpty() ? QString() : r.lignes.first().date;
    QStringList corps;
    if (s.francais) {
        c.sujet = u"Rapport d'écoute SWL de "_s + s.indicatif + u" pour "_s + r.station + u", "_s + jour;
        corps << u"Cher OM,"_s << QString()
              << u"Écouteur des ondes courtes, j'ai entendu votre station\u00A0:"_s << QString();
    } else {
        c.sujet = u"SWL report from "_s + s.indicatif + u" for "_s + r.station + u", "_s + jour;
        corps << u"Dear OM,"_s << QString() << u"As a short-wave listener, I heard your station:"_s
              << QString();
    }
    corps << Rangee(Entetes(s.francais));
    for (const Ligne_Rapport& l : r.lignes) {
        corps << Rangee(Cellules(l));
    }
    corps << QString();
    if (const QString station = Ligne_Station(s); !station.isEmpty()) {
        corps << station;
    }
    corps << (s.francais ? u"Votre carte QSL me ferait plaisir (en direct, par le bureau ou par eQSL)."_s
                         : u"I would appreciate your QSL card (direct, via the bureau or eQSL)."_s)
          << u"PSE QSL TNX 73"_s << QString() << s.indicatif + u" (SWL)"_s;
    c.corps = corps.join(u'\n') + u'\n';
    return c;
}

QByteArray ADIF_eQSL(const QList<Rapport>& rapports, const Station_Rapport& s,
                     const QDateTime& maintenant_utc) {
    QByteArray o = Entete_ADI(u"Rapports SWL de "_s + s.indicatif + u" pour eQSL"_s, maintenant_utc);
    for (const Rapport& r : rapports) {
        for (const Ligne_Rapport& l : r.lignes) {
            const Mode_ADIF mode = Mode_Vers_ADIF(l.mode);
            o += Enregistrement_ADI({{u"CALL"_s, r.station},
                                     {u"QSO_DATE"_s, QString(l.date).remove(u'-')},
                                     {u"TIME_ON"_s, QString(l.heure).remove(u':')},
                                     {u"BAND"_s, Bande_Vers_ADIF(l.bande)},
                                     {u"MODE"_s, mode.mode},
                                     {u"SUBMODE"_s, mode.sous_mode},
                                     {u"RST_SENT"_s, l.rst},
                                     {u"STATION_CALLSIGN"_s, s.indicatif},
                                     {u"SWL"_s, u"Y"_s},
                                     {u"QSLMSG"_s, (s.francais ? u"Rapport d'écoute SWL\u00A0: en QSO avec "_s
                                                               : u"SWL report: wkd "_s) +
                                                       l.correspondant}});
        }
    }
    return o;
}

} // namespace swl
