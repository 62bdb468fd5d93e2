#include "statistiques.h"

#include "adif.h"
#include "departements.h"
#include "fiche_qso.h"
#include "texte_1252.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// The columns of a log line (1-based, as the file holds them).
QByteArrayView Colonne(QByteArrayView l, qsizetype debut, qsizetype largeur) {
    if (l.size() < debut) {
        return {};
    }
    return l.sliced(debut - 1, std::min(largeur, l.size() - debut + 1)).trimmed();
}

int Deux_Chiffres(QByteArrayView v, qsizetype i) {
    const char a = v[i];
    const char b = v[i + 1];
    return a >= '0' && a <= '9' && b >= '0' && b <= '9' ? (a - '0') * 10 + (b - '0') : -1;
}

// A department code of the log as the map reads it ("01" to "95", "2a", "2b"), or empty.
QString Code_Departement(QByteArrayView v) {
    if (v.size() != 2) {
        return {};
    }
    const QString code = QString::fromLatin1(v).toLower();
    return Nom_Departement(code).isEmpty() ? QString() : code;
}

struct Station_Lue {
    QByteArrayView indicatif;
    QByteArrayView departement;
};

} // namespace

Statistiques Calcule_Statistiques(const Lignes_Log& log, const Fichier_Pays* fichier,
                                  const Filtre_Statistiques& filtre) {
    Statistiques s;
    const QStringList& bandes = Liste_Bandes();
    const QByteArray bande_filtre = Encode_1252(filtre.bande);
    const QByteArray mode_filtre = Encode_1252(filtre.mode);
    QSet<int> annees;
    QSet<QByteArray> stations;
    // Callsigns already resolved: a log hears the same stations again and again.
    QHash<QByteArray, int> entite_de; // -1: no country
    QHash<int, Pays_Entendu> pays;    // by the entity that counts for DXCC
    QMap<QString, Departement_Entendu> departements;
    QMap<QString, Departement_Entendu> outre_mer;
    const bool a = filtre.station != Filtre_Statistiques::Station::B;
    const bool b = filtre.station != Filtre_Statistiques::Station::A;

    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView l = log.Octets(i);
        const QByteArrayView date = Colonne(l, 48, 8);
        const QByteArrayView heure = Colonne(l, 57, 5);
        const QByteArrayView bande = Colonne(l, 67, 7);
        const QByteArrayView mode = Colonne(l, 63, 3);
        const int jour = date.size() == 8 ? Deux_Chiffres(date, 0) : -1;
        const int mois = date.size() == 8 ? Deux_Chiffres(date, 3) : -1;
        const int an = date.size() == 8 ? Deux_Chiffres(date, 6) : -1;
        const int h = heure.size() == 5 ? Deux_Chiffres(heure, 0) : -1;
        // A damaged line is counted apart, never as a QSO of some band.
        const QDate quand(an < 50 ? 2000 + an : 1900 + an, mois, jour);
        if (!quand.isValid() || an < 0 || h < 0 || h > 23 || !Moment_QSO(l) ||
            !bandes.contains(QString::fromLatin1(bande))) {
            ++s.lignes_illisibles;
            continue;
        }
        annees.insert(quand.year());
        if ((!bande_filtre.isEmpty() && bande != bande_filtre) ||
            (!mode_filtre.isEmpty() && mode != mode_filtre) ||
            (filtre.annee_de && quand.year() < filtre.annee_de) ||
            (filtre.annee_a && quand.year() > filtre.annee_a)) {
            continue;
        }
        const bool confirme = l.size() >= 114 && l[113] == '*';
        ++s.qso;
        s.confirmes += confirme ? 1 : 0;
        ++s.par_annee[quand.year()][QString::fromLatin1(bande)];
        ++s.par_heure[h];
        ++s.par_mode[QString::fromLatin1(mode)];

        Station_Lue lues[2];
        int n = 0;
        if (a) {
            lues[n++] = {Colonne(l, 1, 12), Colonne(l, 27, 2)};
        }
        if (b) {
            lues[n++] = {Colonne(l, 14, 12), Colonne(l, 29, 2)};
        }
        QSet<int> pays_du_qso;
        QSet<QString> continents_du_qso;
        QSet<QString> departements_du_qso;
        for (int k = 0; k < n; ++k) {
            const Station_Lue& st = lues[k];
            if (st.indicatif.isEmpty()) {
                continue;
            }
            const QByteArray indicatif = st.indicatif.toByteArray();
            stations.insert(indicatif);
            if (const QString code = Code_Departement(st.departement); !code.isEmpty()) {
                departements_du_qso.insert(code);
            }
            auto e = entite_de.constFind(indicatif);
            if (e == entite_de.cend()) {
                const auto p = fichier ? fichier->Cherche(QString::fromLatin1(indicatif)) : std::nullopt;
                e = entite_de.insert(indicatif, p ? static_cast<int>(fichier->Entite_DXCC(p->entite)) : -1);
                if (p) {
                    continents_du_qso.insert(p->continent);
                }
            } else if (*e >= 0) {
                continents_du_qso.insert(fichier->Entite(*e).continent);
            }
            if (*e < 0) {
                ++s.indicatifs_sans_pays;
                continue;
            }
            pays_du_qso.insert(*e);
        }
        for (const int e : pays_du_qso) {
            Pays_Entendu& p = pays[e];
            if (p.qso == 0) {
                const Entite_Pays& entite = fichier->Entite(e);
                p = {entite.nom, entite.prefixe, entite.continent, entite.dxcc, 0, quand, 0};
            }
            ++p.qso;
            p.confirmes += confirme ? 1 : 0;
            p.premier = std::min(p.premier, quand);
            if (const Departement_Outre_Mer* d = Departement_De_Entite(fichier->Entite(e).dxcc)) {
                Departement_Entendu& o = outre_mer[QString::fromUtf16(d->code)];
                o.code = QString::fromUtf16(d->code);
                o.nom = QString::fromUtf16(d->nom);
                ++o.qso;
                o.confirmes += confirme ? 1 : 0;
            }
        }
        for (const QString& c : continents_du_qso) {
            ++s.continents[c];
        }
        for (const QString& code : departements_du_qso) {
            Departement_Entendu& d = departements[code];
            d.code = code;
            d.nom = Nom_Departement(code);
            ++d.qso;
            d.confirmes += confirme ? 1 : 0;
        }
    }
    s.stations = static_cast<int>(stations.size());
    s.pays = pays.values();
    std::sort(s.pays.begin(), s.pays.end(),
              [](const Pays_Entendu& x, const Pays_Entendu& y) { return x.nom < y.nom; });
    s.departements = departements.values();
    s.departements_metropole = static_cast<int>(s.departements.size());
    s.departements += outre_mer.values();
    s.departements_outre_mer = static_cast<int>(outre_mer.size());
    s.annees = annees.values();
    std::sort(s.annees.begin(), s.annees.end());
    return s;
}

QByteArray CSV_Statistiques(const Statistiques& s) {
    QString t;
    const auto ligne = [&t](const QStringList& cellules) {
        for (qsizetype k = 0; k < cellules.size(); ++k) {
            t += (k ? u";"_s : QString()) + Cellule_CSV(cellules[k]);
        }
        t += u"\r\n"_s;
    };
    const auto n = [](qint64 v) { return QString::number(v); };
    ligne({u"Totaux"_s});
    ligne({u"QSO entendus"_s, n(s.qso)});
    ligne({u"QSO confirmés"_s, n(s.confirmes)});
    ligne({u"Stations différentes"_s, n(s.stations)});
    ligne({u"Pays (DXCC)"_s, n(s.pays.size())});
    ligne({u"Continents"_s, n(s.continents.size())});
    ligne({u"Départements de métropole (sur 96)"_s, n(s.departements_metropole)});
    ligne({u"Départements d'outre-mer (sur 5)"_s, n(s.departements_outre_mer)});
    ligne({u"Lignes illisibles"_s, n(s.lignes_illisibles)});
    t += u"\r\n"_s;
    ligne({u"Pays"_s, u"Préfixe"_s, u"Continent"_s, u"QSO"_s, u"Premier QSO"_s, u"Confirmés"_s});
    for (const Pays_Entendu& p : s.pays) {
        ligne({p.nom, p.prefixe, p.continent, n(p.qso), p.premier.toString(u"yyyy-MM-dd"_s), n(p.confirmes)});
    }
    t += u"\r\n"_s;
    ligne({u"Département"_s, u"Nom"_s, u"QSO"_s, u"Confirmés"_s});
    for (const Departement_Entendu& d : s.departements) {
        ligne({d.code, d.nom, n(d.qso), n(d.confirmes)});
    }
    return "\xEF\xBB\xBF" + t.toUtf8();
}

} // namespace swl
