#include "core/reports/index_journal.h"

#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/log/difference_journal.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// QSOs heard and confirmed per band and mode group.
struct Compteurs {
    std::array<quint32, Nombre_Bandes_Diplome * Nombre_Groupes_Mode> entendus{};
    std::array<quint32, Nombre_Bandes_Diplome * Nombre_Groupes_Mode> confirmes{};
    bool Entendu() const {
        return std::any_of(entendus.begin(), entendus.end(), [](quint32 n) { return n > 0; });
    }
    bool Entendu(int bande) const {
        for (int g = 0; g < Nombre_Groupes_Mode; ++g) {
            if (entendus[std::size_t(bande * Nombre_Groupes_Mode + g)] > 0) {
                return true;
            }
        }
        return false;
    }
    bool Entendu(int bande, int groupe) const {
        return entendus[std::size_t(bande * Nombre_Groupes_Mode + groupe)] > 0;
    }
    bool Confirme(int bande, int groupe) const {
        return confirmes[std::size_t(bande * Nombre_Groupes_Mode + groupe)] > 0;
    }
    void Ajoute(int bande, int groupe, bool confirme, int sens) {
        const std::size_t i = std::size_t(bande * Nombre_Groupes_Mode + groupe);
        entendus[i] += quint32(sens);
        if (confirme) {
            confirmes[i] += quint32(sens);
        }
    }
};

// The departments a callsign was logged with, each with the moment of its QSOs: how many QSOs
// of that department at that moment. The latest one answers, whatever the order of the edits
// that brought them, so that a deletion gives back the department the log itself now says.
struct Departement_Vu {
    qint64 moment = 0;
    qint16 numero = -1;
    quint32 fois = 0;
};
using Departements_Vus = std::vector<Departement_Vu>;

// A callsign typed or spotted as a key, in capitals, without an allocation.
QByteArrayView Octets_De(QStringView indicatif, std::array<char, 12>& octets) {
    const QStringView t = indicatif.trimmed();
    const qsizetype n = std::min<qsizetype>(t.size(), 12);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = t[i].unicode();
        octets[std::size_t(i)] = c >= u'a' && c <= u'z' ? char(c - 32) : c < 0x80 ? char(c) : '?';
    }
    return QByteArrayView(octets.data(), n);
}

} // namespace

struct Index_Journal::Etat {
    Evaluateur_Diplomes evaluateur;
    std::array<Compteurs, 98> departements{};
    std::vector<Compteurs> pays;
    QHash<Cle_Indicatif, Departements_Vus> vus;
    QHash<Cle_Indicatif, int> annuaire;
    Etat(const Fichier_Pays* p, const Reglage_Diplomes& r) : evaluateur(p, r) {
        pays.resize(std::size_t(evaluateur.Entites().size()));
    }
};

QString Texte_Nouveaute(const Marque_Nouveaute& m) {
    const QString bande = Liste_Bandes().value(m.bande);
    switch (m.sorte) {
    case Nouveaute::Rien:
        return {};
    case Nouveaute::Mode_Inconnu:
        return u"mode inconnu"_s;
    case Nouveaute::Entendu_Pas_Confirme:
        return u"entendu, pas confirmé"_s;
    case Nouveaute::Nouveau_Mode:
        return u"nouveau sur ce mode"_s;
    case Nouveaute::Departement_Bande:
        return u"nouveau département sur "_s + bande;
    case Nouveaute::Pays_Bande:
        return u"nouveau pays sur "_s + bande;
    case Nouveaute::Nouveau_Pays:
        return u"nouveau pays"_s;
    case Nouveaute::Nouveau_Departement:
        return u"nouveau département ("_s + Code_Departement(m.departement).toUpper() + u')';
    }
    return {};
}

Reglage_Alertes Lit_Reglage_Alertes(const Reglages& reglages) {
    const QString section = Reglages::Section_Commune();
    return {reglages.Lire_Reglage(section, cle::Alerte_Departement, u"Non"_s) == u"Oui",
            reglages.Lire_Reglage(section, cle::Alerte_Pays, u"Non"_s) == u"Oui"};
}

void Ecrit_Reglage_Alertes(Reglages& reglages, const Reglage_Alertes& r) {
    reglages.Ecrire_Reglages(Reglages::Section_Commune(),
                             {{cle::Alerte_Departement, r.departement ? u"Oui"_s : u"Non"_s},
                              {cle::Alerte_Pays, r.pays ? u"Oui"_s : u"Non"_s}});
}

std::optional<Son_Alerte> Index_Journal::Alerte(Nouveaute meilleure, const Reglage_Alertes& r,
                                                qint64 maintenant_ms) {
    std::optional<Son_Alerte> son;
    if (meilleure == Nouveaute::Nouveau_Departement && r.departement) {
        son = Son_Alerte::Nouveau_Departement;
    } else if ((meilleure == Nouveaute::Nouveau_Departement || meilleure == Nouveaute::Nouveau_Pays) &&
               r.pays) {
        son = Son_Alerte::Nouveau_Pays;
    }
    if (!son || (dernier_son_ms_ && maintenant_ms - *dernier_son_ms_ < Intervalle_Sons_Ms &&
                 maintenant_ms >= *dernier_son_ms_)) {
        return std::nullopt;
    }
    dernier_son_ms_ = maintenant_ms;
    return son;
}

Index_Journal::Index_Journal() = default;
Index_Journal::~Index_Journal() = default;

void Index_Journal::Suit(const Lignes_Log& journal) {
    a_lire_ = journal;
    en_attente_ = true;
}

void Index_Journal::Fixe_Pays(const Fichier_Pays* pays) {
    pays_ = pays;
    a_construire_ = true;
}

void Index_Journal::Fixe_Reglage(const Reglage_Diplomes& r) {
    if (r.station_b != reglage_.station_b) {
        a_construire_ = true;
    }
    reglage_ = r;
}

void Index_Journal::Fixe_Annuaire(const QByteArray& liste_prenom) {
    annuaire_ = liste_prenom;
    a_construire_ = true;
}

void Index_Journal::Fixe_Lecture_Annuaire(std::function<QByteArray()> lecture) {
    lecture_annuaire_ = std::move(lecture);
    a_construire_ = true;
}

void Index_Journal::Construit() {
    etat_ = std::make_unique<Etat>(pays_, reglage_);
    if (lecture_annuaire_) {
        annuaire_ = lecture_annuaire_();
    }
    // The directory, one record a line: callsign padded to 12, a space, the department; the
    // last record of a callsign counts.
    for (const QByteArrayView l : Decoupe_Lignes(annuaire_)) {
        const int n = Numero_Departement(Colonne_Log(l, 14, 2));
        const QByteArrayView indicatif = Colonne_Log(l, 1, 12);
        if (!indicatif.isEmpty()) {
            etat_->annuaire.insert(Cle_Indicatif(indicatif), n);
        }
    }
    contenu_ = a_lire_.Octets_Fichier();
    for (int i = 0; i < a_lire_.Nombre(); ++i) {
        Compte(a_lire_.Octets(i), 1);
    }
    a_construire_ = false;
    en_attente_ = false;
}

void Index_Journal::Compte(QByteArrayView l, int sens) {
    ++lignes_lues_;
    const Ligne_Evaluee e = etat_->evaluateur.Evalue(l);
    if (e.lisible && e.bande != Bande_CB) {
        for (int k = 0; k < e.nombre_stations; ++k) {
            const Station_Evaluee& s = e.stations[std::size_t(k)];
            if (s.raison_departement == Raison::Compte) {
                etat_->departements[std::size_t(s.departement)].Ajoute(e.bande, e.groupe, e.confirme, sens);
            }
            if (s.raison_pays == Raison::Compte) {
                etat_->pays[std::size_t(s.pays)].Ajoute(e.bande, e.groupe, e.confirme, sens);
            }
        }
    }
    // A station's department, as either station, whatever counts for the awards.
    const qint64 moment = Moment_QSO(l).value_or(0);
    for (const auto& [colonne_indicatif, colonne_dpt] : {std::pair{1, 27}, std::pair{14, 29}}) {
        const QByteArrayView indicatif = Colonne_Log(l, colonne_indicatif, 12);
        const int n = Numero_Departement(Colonne_Log(l, colonne_dpt, 2));
        if (indicatif.isEmpty() || n < 0) {
            continue;
        }
        const Cle_Indicatif cle(indicatif);
        Departements_Vus& vus = etat_->vus[cle];
        const auto celui = std::find_if(vus.begin(), vus.end(), [&](const Departement_Vu& v) {
            return v.numero == n && v.moment == moment;
        });
        if (sens > 0) {
            if (celui == vus.end()) {
                vus.push_back({moment, qint16(n), 1});
            } else {
                ++celui->fois;
            }
        } else if (celui != vus.end() && --celui->fois == 0) {
            vus.erase(celui);
            if (vus.empty()) {
                etat_->vus.remove(cle);
            }
        }
    }
}

void Index_Journal::A_Jour() {
    if (a_construire_ || !etat_) {
        Construit();
        return;
    }
    if (!en_attente_) {
        return;
    }
    en_attente_ = false;
    const QByteArray nouveau = a_lire_.Octets_Fichier();
    const QByteArray& ancien = contenu_;
    if (nouveau.constData() == ancien.constData() && nouveau.size() == ancien.size()) {
        return;
    }
    const Difference_Journal d = Difference_Lignes(ancien, nouveau);
    // A change of most of the log (another station's log, a large import) is read whole.
    if (d.octets > nouveau.size() / 2 + 4096) {
        Construit();
        return;
    }
    for (const QByteArrayView l : d.retirees) {
        Compte(l, -1);
    }
    for (const QByteArrayView l : d.ajoutees) {
        Compte(l, 1);
    }
    contenu_ = nouveau;
}

int Index_Journal::Departement_De(QStringView indicatif) {
    A_Jour();
    std::array<char, 12> octets;
    const Cle_Indicatif cle(Octets_De(indicatif, octets));
    const auto vus = etat_->vus.constFind(cle);
    if (vus != etat_->vus.cend()) {
        // The latest QSO's department; at one moment, the smallest number, as a rebuilt index
        // would answer whatever the order the lines came in.
        const auto dernier = std::max_element(vus->begin(), vus->end(), [](const auto& a, const auto& b) {
            return a.moment != b.moment ? a.moment < b.moment : a.numero > b.numero;
        });
        if (dernier != vus->end()) {
            return dernier->numero;
        }
    }
    return etat_->annuaire.value(cle, -1);
}

Marque_Nouveaute Index_Journal::Marque(QStringView indicatif, int bande, int groupe) {
    Marque_Nouveaute m;
    if (bande < 0 || bande >= Nombre_Bandes_Diplome || bande == Bande_CB || indicatif.trimmed().isEmpty()) {
        return m;
    }
    const int d = Departement_De(indicatif);
    std::array<char, 12> octets;
    const int c = pays_ ? etat_->evaluateur.Pays_De(Octets_De(indicatif, octets)).element : -1;
    m.departement = d;
    m.bande = bande;
    const bool groupe_connu = groupe >= 0 && groupe < Nombre_Groupes_Mode;
    if (d < 0 && c < 0) {
        return m;
    }
    const Compteurs* dpt = d >= 0 ? &etat_->departements[std::size_t(d)] : nullptr;
    const Compteurs* pays = c >= 0 ? &etat_->pays[std::size_t(c)] : nullptr;
    // The department tells more than the country: it decides the mode and the confirmation.
    const Compteurs* precis = dpt ? dpt : pays;
    m.sorte = dpt && !dpt->Entendu()             ? Nouveaute::Nouveau_Departement
              : pays && !pays->Entendu()         ? Nouveaute::Nouveau_Pays
              : dpt && !dpt->Entendu(bande)      ? Nouveaute::Departement_Bande
              : pays && !pays->Entendu(bande)    ? Nouveaute::Pays_Bande
              : !groupe_connu                    ? Nouveaute::Mode_Inconnu
              : !precis->Entendu(bande, groupe)  ? Nouveaute::Nouveau_Mode
              : !precis->Confirme(bande, groupe) ? Nouveaute::Entendu_Pas_Confirme
                                                 : Nouveaute::Rien;
    return m;
}

} // namespace swl
