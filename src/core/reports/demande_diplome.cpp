#include "core/reports/demande_diplome.h"

#include "core/base/texte_1252.h"
#include "core/exchange/adif.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Colonnes_Qso {
    QString indicatif, date, heure, bande, mode, rst;
};

Colonnes_Qso Colonnes(QByteArrayView l, char station) {
    const auto t = [&l](qsizetype debut, qsizetype largeur) {
        return Decode_1252(Colonne_Log(l, debut, largeur));
    };
    return {station == 'B' ? t(14, 12) : t(1, 12), t(48, 8), t(57, 5), t(67, 7), t(63, 3),
            station == 'B' ? t(79, 3) : t(75, 3)};
}

QString Code_Affiche(const Compte_Diplome& c, int element) {
    return c.diplome == Diplome::DDFM ? c.elements[element].code.toUpper() : c.elements[element].code;
}

QString Nom_Element(Diplome d) {
    return d == Diplome::DDFM ? u"Département"_s : d == Diplome::Pays ? u"Pays"_s : u"Continent"_s;
}

QString Total(const Compte_Diplome& c, const QList<Ligne_Demande>& lignes) {
    const qsizetype n = lignes.size();
    const QString quoi =
        c.diplome == Diplome::DDFM   ? (n > 1 ? u"départements confirmés"_s : u"département confirmé"_s)
        : c.diplome == Diplome::Pays ? u"pays confirmés"_s
                                     : (n > 1 ? u"continents confirmés"_s : u"continent confirmé"_s);
    return Nombre_Francais(n) + u' ' + quoi + u" sur "_s + Nombre_Francais(c.elements.size());
}

// Which station of the line counts for the element (B only when A's does not).
char Station_Comptee(const Compte_Diplome& c, int element, int ligne, QByteArrayView l) {
    if (c.diplome == Diplome::DDFM) {
        return Numero_Departement(Colonne_Log(l, 27, 2)) >= 0 &&
                       Code_Departement(Numero_Departement(Colonne_Log(l, 27, 2))) == c.elements[element].code
                   ? 'A'
                   : 'B';
    }
    Q_UNUSED(ligne);
    return 'A';
}

} // namespace

QList<Ligne_Demande> Liste_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f) {
    QList<Ligne_Demande> r;
    for (int e = 0; e < c.elements.size(); ++e) {
        int meilleure = -1;
        qint64 moment = 0;
        for (const int i : c.elements[e].comptent) {
            const QByteArrayView l = log.Octets(i);
            if (l.size() < 114 || l[113] != '*' || !Ligne_Dans_Filtre(l, f)) {
                continue;
            }
            const auto m = Moment_QSO(l);
            if (m && (meilleure < 0 || *m < moment)) {
                meilleure = i;
                moment = *m;
            }
        }
        if (meilleure >= 0) {
            r.append({e, meilleure});
        }
    }
    return r;
}

QString Titre_Diplome(Diplome d) {
    switch (d) {
    case Diplome::DDFM:
        return u"DDFM — Diplôme des Départements Français Métropolitains"_s;
    case Diplome::Pays:
        return u"Pays — diplôme des 100 pays et plus (ISWL)"_s;
    case Diplome::WAC:
        return u"WAC — les six continents"_s;
    }
    return {};
}

QString Texte_Portee(const Filtre_Diplome& f) {
    switch (f.portee) {
    case Filtre_Diplome::Portee::Toutes:
        return u"Toutes bandes"_s;
    case Filtre_Diplome::Portee::HF:
        return u"Toutes bandes HF"_s;
    case Filtre_Diplome::Portee::VHF:
        return u"Toutes bandes VHF/UHF"_s;
    case Filtre_Diplome::Portee::Bande:
        return Liste_Bandes().value(f.bande);
    }
    return {};
}

QString Texte_Groupe(int groupe) {
    switch (groupe) {
    case int(Groupe_Mode::CW):
        return u"CW"_s;
    case int(Groupe_Mode::Phonie):
        return u"Phonie (SSB, AM, FM)"_s;
    case int(Groupe_Mode::Autres):
        return u"Autres modes"_s;
    default:
        return u"Tous modes"_s;
    }
}

QByteArray CSV_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f,
                       const QList<Ligne_Demande>& lignes, const Entete_Demande& e) {
    QString t;
    const auto ligne = [&t](const QStringList& cellules) {
        for (qsizetype k = 0; k < cellules.size(); ++k) {
            t += (k ? u";"_s : QString()) + Cellule_CSV(cellules[k]);
        }
        t += u"\r\n"_s;
    };
    ligne({u"Liste pour la demande"_s, Titre_Diplome(c.diplome)});
    ligne({u"Écouteur"_s, e.indicatif_station});
    ligne({u"Bandes"_s, Texte_Portee(f)});
    ligne({u"Mode"_s, Texte_Groupe(f.groupe)});
    ligne({u"Établie le"_s, e.date.toString(u"dd/MM/yyyy"_s)});
    ligne({u"N°"_s, Nom_Element(c.diplome), u"Nom"_s, u"Indicatif"_s, u"Date"_s, u"Heure UTC"_s, u"Bande"_s,
           u"Mode"_s, u"Report"_s, u"QSL"_s});
    int n = 0;
    for (const Ligne_Demande& d : lignes) {
        const QByteArrayView l = log.Octets(d.ligne);
        const Colonnes_Qso q = Colonnes(l, Station_Comptee(c, d.element, d.ligne, l));
        ligne({QString::number(++n), Code_Affiche(c, d.element), c.elements[d.element].nom, q.indicatif,
               q.date, q.heure, q.bande, q.mode, q.rst, u"oui"_s});
    }
    ligne({u"Total"_s, Total(c, lignes)});
    if (const QString seuil = Texte_Seuil_Non_Atteint(int(lignes.size()), e.seuil); !seuil.isEmpty()) {
        ligne({u"Seuil"_s, seuil});
    }
    return "\xEF\xBB\xBF" + t.toUtf8();
}

QList<Page_Document> Pages_Demande(const Compte_Diplome& c, const Lignes_Log& log, const Filtre_Diplome& f,
                                   const QList<Ligne_Demande>& lignes, const Entete_Demande& e) {
    Tableau_Document t;
    t.titre = {{0, 0, 11, false, u"Liste pour la demande"_s, false},
               {0, 0, 14, true, Titre_Diplome(c.diplome), false},
               {0, 0, 10, false,
                u"Écouteur\u00A0: "_s + e.indicatif_station + u"     Établie le "_s +
                    e.date.toString(u"dd/MM/yyyy"_s),
                false},
               {0, 0, 10, false,
                u"Bandes\u00A0: "_s + Texte_Portee(f) + u"     Mode\u00A0: "_s + Texte_Groupe(f.groupe),
                false}};
    const QString element = Nom_Element(c.diplome);
    t.entetes = {u"N°"_s,  element,    u"Nom"_s,  u"Indicatif"_s, u"Date"_s,
                 u"UTC"_s, u"Bande"_s, u"Mode"_s, u"RST"_s};
    t.largeurs = {4, std::max<qsizetype>(element.size(), 4), 26, 12, 8, 5, 7, 4, 3};
    int n = 0;
    for (const Ligne_Demande& d : lignes) {
        const QByteArrayView l = log.Octets(d.ligne);
        const Colonnes_Qso q = Colonnes(l, Station_Comptee(c, d.element, d.ligne, l));
        t.rangees.append({QString::number(++n), Code_Affiche(c, d.element), c.elements[d.element].nom,
                          q.indicatif, q.date, q.heure, q.bande.trimmed(), q.mode, q.rst});
    }
    t.fin.append({0, 0, 10, true, u"Total\u00A0: "_s + Total(c, lignes), false});
    if (const QString seuil = Texte_Seuil_Non_Atteint(int(lignes.size()), e.seuil); !seuil.isEmpty()) {
        t.fin.append({0, 0, 10, false, seuil, false});
    }
    return Pages_Tableau(t);
}

} // namespace swl
