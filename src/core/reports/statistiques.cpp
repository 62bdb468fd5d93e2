#include "core/reports/statistiques.h"

#include "core/base/texte_1252.h"
#include "core/countries/departements.h"
#include "core/exchange/adif.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Station_Connue {
    int entite = -1;    // the entity that counts for DXCC, -1: no country
    int continent = -1; // index in the continents met
};

// Counts by a short text of the log (a mode), without an allocation a line.
struct Compteurs {
    QList<std::pair<QByteArray, int>> valeurs;
    void Ajoute(QByteArrayView v) {
        for (auto& [texte, n] : valeurs) {
            if (texte == v) {
                ++n;
                return;
            }
        }
        valeurs.append({v.toByteArray(), 1});
    }
};

} // namespace

Statistiques Calcule_Statistiques(const Lignes_Log& log, const Fichier_Pays* fichier,
                                  const Filtre_Statistiques& filtre) {
    Statistiques s;
    QList<QByteArray> bandes;
    for (const QString& b : Liste_Bandes()) {
        bandes << Encode_1252(b);
    }
    const QByteArray bande_filtre = Encode_1252(filtre.bande);
    const QByteArray mode_filtre = Encode_1252(filtre.mode);
    QSet<int> annees;
    QHash<int, std::array<int, 16>> par_annee; // year → QSOs of each band
    Compteurs modes;
    Compteurs tous_modes;
    // Callsigns already met: a log hears the same stations again and again.
    QHash<Cle_Indicatif, Station_Connue> stations;
    QStringList continents;
    QList<int> par_continent;
    QHash<int, Pays_Entendu> pays; // by the entity that counts for DXCC
    std::array<Departement_Entendu, 98> departements{};
    QMap<QString, Departement_Entendu> outre_mer;
    const bool a = filtre.station != Filtre_Statistiques::Station::B;
    const bool b = filtre.station != Filtre_Statistiques::Station::A;

    for (int i = 0; i < log.Nombre(); ++i) {
        const QByteArrayView l = log.Octets(i);
        const QByteArrayView date = Colonne_Log(l, 48, 8);
        const QByteArrayView heure = Colonne_Log(l, 57, 5);
        const QByteArrayView bande = Colonne_Log(l, 67, 7);
        const QByteArrayView mode = Colonne_Log(l, 63, 3);
        const int jour = date.size() == 8 ? Deux_Chiffres(date, 0) : -1;
        const int mois = date.size() == 8 ? Deux_Chiffres(date, 3) : -1;
        const int an = date.size() == 8 ? Deux_Chiffres(date, 6) : -1;
        const int h = heure.size() == 5 ? Deux_Chiffres(heure, 0) : -1;
        const qsizetype index_bande = bandes.indexOf(bande);
        // A damaged line is counted apart, never as a QSO of some band.
        const QDate quand(an < 50 ? 2000 + an : 1900 + an, mois, jour);
        if (!quand.isValid() || an < 0 || h < 0 || h > 23 || index_bande < 0 || !Moment_QSO(l)) {
            s.illisibles.Ajoute(i);
            continue;
        }
        annees.insert(quand.year());
        tous_modes.Ajoute(mode);
        if ((!bande_filtre.isEmpty() && bande != bande_filtre) ||
            (!mode_filtre.isEmpty() && mode != mode_filtre) ||
            (filtre.annee_de && quand.year() < filtre.annee_de) ||
            (filtre.annee_a && quand.year() > filtre.annee_a)) {
            continue;
        }
        const bool confirme = l.size() >= 114 && l[113] == '*';
        ++s.qso;
        s.confirmes += confirme ? 1 : 0;
        ++par_annee[quand.year()][index_bande];
        ++s.par_heure[h];
        modes.Ajoute(mode);

        // Each country, continent and department once a QSO, even when both stations share it.
        int pays_du_qso[2] = {-1, -1};
        unsigned continents_du_qso = 0;
        int departements_du_qso[2] = {-1, -1};
        int n = 0;
        for (const bool prise : {a, b}) {
            const QByteArrayView indicatif = n == 0 ? Colonne_Log(l, 1, 12) : Colonne_Log(l, 14, 12);
            const int dpt = Numero_Departement(n == 0 ? Colonne_Log(l, 27, 2) : Colonne_Log(l, 29, 2));
            const int k = n++;
            if (!prise || indicatif.isEmpty()) {
                continue;
            }
            if (dpt >= 0 && dpt != departements_du_qso[0]) {
                departements_du_qso[k] = dpt;
            }
            auto st = stations.find(Cle_Indicatif(indicatif));
            if (st == stations.end()) {
                Station_Connue c;
                if (const auto p =
                        fichier ? fichier->Cherche(QString::fromLatin1(indicatif)) : std::nullopt) {
                    c.entite = static_cast<int>(fichier->Entite_DXCC(p->entite));
                    c.continent = static_cast<int>(continents.indexOf(p->continent));
                    if (c.continent < 0) {
                        c.continent = static_cast<int>(continents.size());
                        continents << p->continent;
                        par_continent << 0;
                    }
                }
                st = stations.insert(Cle_Indicatif(indicatif), c);
            }
            if (st->entite < 0) {
                ++s.indicatifs_sans_pays;
                continue;
            }
            continents_du_qso |= 1u << st->continent;
            if (st->entite != pays_du_qso[0]) {
                pays_du_qso[k] = st->entite;
            }
        }
        for (const int e : pays_du_qso) {
            if (e < 0) {
                continue;
            }
            Pays_Entendu& p = pays[e];
            if (p.qso == 0) {
                const Entite_Pays& entite = fichier->Entite(e);
                p = {entite.nom_francais, entite.prefixe, entite.continent, entite.dxcc, 0, quand, 0};
            }
            ++p.qso;
            p.confirmes += confirme ? 1 : 0;
            p.premier = std::min(p.premier, quand);
            if (const Departement_Outre_Mer* d = Departement_De_Entite(p.dxcc)) {
                Departement_Entendu& o = outre_mer[QString::fromUtf16(d->code)];
                o.code = QString::fromUtf16(d->code);
                o.nom = QString::fromUtf16(d->nom);
                ++o.qso;
                o.confirmes += confirme ? 1 : 0;
            }
        }
        for (int c = 0; continents_du_qso >> c; ++c) {
            par_continent[c] += continents_du_qso >> c & 1u;
        }
        for (const int d : departements_du_qso) {
            if (d >= 0) {
                ++departements[d].qso;
                departements[d].confirmes += confirme ? 1 : 0;
            }
        }
    }
    s.stations = static_cast<int>(stations.size());
    for (qsizetype c = 0; c < continents.size(); ++c) {
        if (par_continent[c] > 0) {
            s.continents.insert(continents[c], par_continent[c]);
        }
    }
    for (auto i = par_annee.cbegin(); i != par_annee.cend(); ++i) {
        for (qsizetype k = 0; k < bandes.size(); ++k) {
            if (i.value()[k] > 0) {
                s.par_annee[i.key()][Liste_Bandes()[k]] = i.value()[k];
            }
        }
    }
    for (const auto& [texte, nombre] : modes.valeurs) {
        s.par_mode.insert(QString::fromLatin1(texte), nombre);
    }
    for (const auto& [texte, nombre] : tous_modes.valeurs) {
        s.modes << QString::fromLatin1(texte);
    }
    s.modes.sort();
    s.pays = pays.values();
    std::sort(s.pays.begin(), s.pays.end(),
              [](const Pays_Entendu& x, const Pays_Entendu& y) { return Avant_En_Francais(x.nom, y.nom); });
    // Metropolitan departments by code as the log writes them ("01" … "19", "21" … "95", "2a", "2b"),
    // then the overseas ones.
    QMap<QString, Departement_Entendu> metropole;
    for (int d = 1; d < 98; ++d) {
        if (departements[d].qso > 0) {
            Departement_Entendu e = departements[d];
            e.code = Code_Departement(d);
            e.nom = Nom_Departement(e.code);
            metropole.insert(e.code, e);
        }
    }
    s.departements = metropole.values();
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
    ligne({u"Lignes illisibles"_s, n(s.illisibles.nombre)});
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
