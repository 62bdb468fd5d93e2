#include "core/qsl/magasin_rapports.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"

#include <QDir>
#include <QSet>

namespace swl {

using namespace Qt::Literals::StringLiterals;

const QString Magasin_Rapports::Entete =
    u"Date;Heure;Indicatif A;Indicatif B;Bande;Mode;Station;Envoye le;Voie;QSL recue le;Source"_s;

namespace {

constexpr qsizetype Champs_Cle = 7;
constexpr qsizetype Champs = 11;

QString Texte_Date(const QDate& d) {
    return d.isValid() ? d.toString(u"dd/MM/yyyy"_s) : QString();
}

} // namespace

Magasin_Rapports::Magasin_Rapports(QString repertoire, QString indicatif)
    : repertoire_(std::move(repertoire)), indicatif_(std::move(indicatif)) {}

QString Magasin_Rapports::Nom_Fichier(const QString& indicatif) {
    return indicatif + u"_Rapports.txt"_s;
}

QString Magasin_Rapports::Cle(QByteArrayView l, QStringView station) {
    QStringList champs;
    for (const auto& [debut, largeur] : {std::pair{48, 8}, std::pair{57, 5}, std::pair{1, 12},
                                         std::pair{14, 12}, std::pair{67, 7}, std::pair{63, 3}}) {
        champs << Decode_1252(Colonne_Log(l, debut, largeur));
    }
    champs << station.trimmed().toString().toUpper();
    return champs.join(u'|');
}

Resultat Magasin_Rapports::Charge() {
    rangees_.clear();
    index_.clear();
    abimees_.clear();
    erreur_.clear();
    const Lecture_Fichier l = Lit_Fichier(QDir(repertoire_).filePath(Nom_Fichier(indicatif_)));
    if (l.erreur == Fichier_Introuvable) {
        return Resultat::Succes();
    }
    if (l.erreur != Lecture_Reussie) {
        erreur_ = u"Le fichier des rapports «\u00A0"_s + Nom_Fichier(indicatif_) +
                  u"\u00A0» ne peut pas être lu\u00A0: rien n'y sera écrit."_s;
        return Resultat::Echec(erreur_);
    }
    bool premiere = true;
    for (const QByteArrayView octets : Decoupe_Lignes(l.contenu)) {
        const QString ligne = Decode_1252(octets);
        if (premiere) {
            premiere = false;
            if (ligne == Entete) {
                continue;
            }
        }
        if (ligne.trimmed().isEmpty()) {
            continue;
        }
        const QStringList c = ligne.split(u';');
        Etat_Rapport e;
        const auto date = [](const QString& t) {
            return t.isEmpty() ? QDate() : QDate::fromString(t, u"dd/MM/yyyy"_s);
        };
        if (c.size() == Champs) {
            e = {date(c[7]), c[8], date(c[9]), c[10]};
        }
        // A row that cannot be read whole is kept as it stands.
        const bool lisible = c.size() == Champs && !c[0].isEmpty() && !c[6].isEmpty() &&
                             (c[7].isEmpty() || e.envoye.isValid()) && (c[9].isEmpty() || e.recu.isValid());
        if (!lisible) {
            abimees_ << ligne;
            continue;
        }
        const QString cle = c.first(Champs_Cle).join(u'|');
        index_.insert(cle, rangees_.size());
        rangees_.append({cle, e});
    }
    return Resultat::Succes();
}

const Etat_Rapport* Magasin_Rapports::Etat(const QString& cle) const {
    const auto i = index_.constFind(cle);
    return i == index_.cend() ? nullptr : &rangees_[*i].etat;
}

QList<std::pair<QString, Etat_Rapport>> Magasin_Rapports::Rangees() const {
    QList<std::pair<QString, Etat_Rapport>> r;
    for (const Rangee& x : rangees_) {
        r.append({x.cle, x.etat});
    }
    return r;
}

Resultat Magasin_Rapports::Ecrit() {
    if (!erreur_.isEmpty()) {
        return Resultat::Echec(erreur_);
    }
    QStringList lignes{Entete};
    for (const Rangee& r : rangees_) {
        lignes << QString(r.cle).replace(u'|', u';') + u';' + Texte_Date(r.etat.envoye) + u';' + r.etat.voie +
                      u';' + Texte_Date(r.etat.recu) + u';' + r.etat.source;
    }
    lignes << abimees_;
    return Ecrit_Fichier_Atomique(repertoire_, u"."_s + Nom_Fichier(indicatif_) + u".tmp"_s,
                                  Nom_Fichier(indicatif_), Octets_Lignes(lignes));
}

Etat_Rapport& Magasin_Rapports::Etat_De(const QString& cle) {
    auto i = index_.constFind(cle);
    if (i == index_.cend()) {
        i = index_.insert(cle, rangees_.size());
        rangees_.append({cle, {}});
    }
    return rangees_[*i].etat;
}

Resultat Magasin_Rapports::Change(const QStringList& cles, const std::function<void(Etat_Rapport&)>& change) {
    for (const QString& cle : cles) {
        change(Etat_De(cle));
    }
    return Ecrit();
}

Resultat Magasin_Rapports::Marque_Envoye(const QStringList& cles, const QDate& date, const QString& voie) {
    return Change(cles, [&](Etat_Rapport& e) {
        e.envoye = date;
        e.voie = voie;
    });
}

Resultat Magasin_Rapports::Marque_Recu(const QStringList& cles, const QDate& date, const QString& source) {
    return Change(cles, [&](Etat_Rapport& e) {
        e.recu = date;
        e.source = source;
    });
}

Resultat Magasin_Rapports::Marque_Recus(const QList<Reception>& receptions) {
    for (const Reception& r : receptions) {
        Etat_Rapport& e = Etat_De(r.cle);
        e.recu = r.date;
        e.source = r.source;
    }
    return Ecrit();
}

Resultat Magasin_Rapports::Suit(const Difference_Journal& d) {
    if (d.retirees.size() != 1 || d.ajoutees.size() != 1 || rangees_.isEmpty()) {
        return Resultat::Succes();
    }
    const QByteArrayView avant = d.retirees[0];
    const QByteArrayView apres = d.ajoutees[0];
    bool change = false;
    // The row of each station of the QSO: as A then B before, as A then B after.
    for (const auto& [colonne_avant, colonne_apres] : {std::pair{1, 1}, std::pair{14, 14}}) {
        const QString de = Cle(avant, Decode_1252(Colonne_Log(avant, colonne_avant, 12)));
        const QString vers = Cle(apres, Decode_1252(Colonne_Log(apres, colonne_apres, 12)));
        const auto i = index_.constFind(de);
        if (de == vers || i == index_.cend() || index_.contains(vers)) {
            continue;
        }
        const qsizetype n = *i;
        index_.remove(de);
        rangees_[n].cle = vers;
        index_.insert(vers, n);
        change = true;
    }
    return change ? Ecrit() : Resultat::Succes();
}

QHash<QString, int> Magasin_Rapports::Lignes_Du_Journal(const Lignes_Log& log) const {
    QHash<QString, int> r;
    QSet<QString> moments;
    for (const Rangee& x : rangees_) {
        moments.insert(x.cle.section(u'|', 0, 1));
    }
    for (int i = 0; i < log.Nombre() && !moments.isEmpty(); ++i) {
        const QByteArrayView l = log.Octets(i);
        if (!moments.contains(Decode_1252(Colonne_Log(l, 48, 8)) + u'|' +
                              Decode_1252(Colonne_Log(l, 57, 5)))) {
            continue;
        }
        for (const qsizetype colonne : {qsizetype(1), qsizetype(14)}) {
            const QString cle = Cle(l, Decode_1252(Colonne_Log(l, colonne, 12)));
            if (index_.contains(cle)) {
                r.insert(cle, i);
            }
        }
    }
    return r;
}

QString Texte_Etat_Rapport(const Etat_Rapport* e) {
    if (!e) {
        return {};
    }
    QStringList t;
    if (e->envoye.isValid()) {
        t << u"envoyé le "_s + Texte_Date(e->envoye) + u" ("_s + e->voie + u')';
    }
    if (e->recu.isValid()) {
        t << u"QSL reçue le "_s + Texte_Date(e->recu) + u" ("_s + e->source + u')';
    }
    return t.join(u", "_s);
}

QString Avancement_Station::Texte() const {
    if (recu.isValid()) {
        return u"QSL reçue le "_s + recu.toString(u"dd/MM/yyyy"_s);
    }
    if (envoye.isValid()) {
        return u"envoyé le "_s + envoye.toString(u"dd/MM/yyyy"_s) + u" ("_s + voie + u')';
    }
    return u"à envoyer"_s;
}

QHash<QString, Avancement_Station> Avancements(const Magasin_Rapports& m, const Lignes_Log& log,
                                               const QHash<QString, int>& lignes) {
    QHash<QString, Avancement_Station> r;
    for (const auto& [cle, etat] : m.Rangees()) {
        const int ligne = lignes.value(cle, -1);
        if (ligne < 0) {
            continue; // a QSO deleted
        }
        Avancement_Station& a = r[cle.section(u'|', 6, 6)];
        if (etat.envoye.isValid() && (!a.envoye.isValid() || etat.envoye > a.envoye)) {
            a.envoye = etat.envoye;
            a.voie = etat.voie;
        }
        const QByteArrayView l = log.Octets(ligne);
        if (etat.recu.isValid() && l.size() >= Largeur_Ligne_Log && l[Largeur_Ligne_Log - 1] == '*' &&
            (!a.recu.isValid() || etat.recu > a.recu)) {
            a.recu = etat.recu;
        }
    }
    return r;
}

} // namespace swl
