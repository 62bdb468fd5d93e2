#include "core/radio/qso_entendus.h"

#include "core/base/texte_1252.h"
#include "core/radio/recepteur.h"

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// A decode carries its time of day: its date is the one that puts it nearest the clock (a
// decode of 23:59:45 read at 00:00:02 is of the day before).
QDateTime Moment_Decode(QTime heure, const QDateTime& maintenant) {
    const QDateTime utc = maintenant.toUTC();
    QDateTime m(utc.date(), heure, Qt::UTC);
    const qint64 ecart = utc.msecsTo(m);
    constexpr qint64 demi_jour = 12LL * 3600 * 1000;
    if (ecart > demi_jour) {
        m = m.addDays(-1);
    } else if (ecart < -demi_jour) {
        m = m.addDays(1);
    }
    return m;
}

QString Cle_Station(const QString& indicatif, const QString& bande) {
    return indicatif + u'|' + bande;
}

QString Cle_Paire(const QString& x, const QString& y, const QString& bande) {
    return x < y ? x + u'|' + y + u'|' + bande : y + u'|' + x + u'|' + bande;
}

bool Proche(const QDateTime& x, const QDateTime& y) {
    return qAbs(x.msecsTo(y)) <= Assemblage_QSO::Ecart_Maximal_Ms;
}

} // namespace

Fiche_QSO Fiche_De_QSO_Entendu(const QSO_Entendu& q) {
    Fiche_QSO f;
    f.Indicatif_A = q.indicatif_a;
    f.RST_A = Texte_Rapport_FT8(q.snr_a);
    f.Indicatif_B = q.indicatif_b;
    f.RST_B = Texte_Rapport_FT8(q.snr_b);
    f.Date = q.debut.toString(u"dd/MM/yy"_s);
    f.Heure = q.debut.toString(u"HH:mm"_s);
    f.Mode = q.mode == u"FT8" || q.mode == u"FT4" ? q.mode : u"DIG"_s;
    f.Bande = q.bande;
    return f;
}

QByteArray Octets_QSO_Entendu(const QSO_Entendu& qso) {
    return Encode_1252(Forme_Ligne_Log(Fiche_De_QSO_Entendu(qso)));
}

QList<QByteArray> Lignes_QSO_Complets(const Assemblage_QSO& a, int* sans_bande) {
    QList<QByteArray> lignes;
    *sans_bande = 0;
    for (quint64 n = a.Premier(); n < a.Fin(); ++n) {
        const QSO_Entendu& q = a.QSO(n);
        if (!q.Complet()) {
            continue;
        }
        if (q.bande.isEmpty()) {
            ++*sans_bande;
            continue;
        }
        lignes.append(Octets_QSO_Entendu(q));
    }
    return lignes;
}

QString Texte_Bilan_QSO_Entendus(const Bilan_Ajout& b, int sans_bande) {
    if (!b.ecriture) {
        return u"Aucun QSO n'a été enregistré\u00A0: "_s + Apres_Deux_Points(b.ecriture.message);
    }
    const auto nombre = [](int n, const QString& singulier, const QString& pluriel) -> QString {
        return Nombre_Francais(n) + u' ' + (n > 1 ? pluriel : singulier);
    };
    QStringList t;
    t << nombre(b.ajoutes, u"QSO ajouté au journal."_s, u"QSO ajoutés au journal."_s);
    if (b.deja_la > 0) {
        t << nombre(b.deja_la, u"QSO déjà dans le journal, laissé de côté."_s,
                    u"QSO déjà dans le journal, laissés de côté."_s);
    }
    if (sans_bande > 0) {
        t << nombre(sans_bande,
                    u"QSO sans bande connue, laissé de côté (WSJT-X n'a pas donné sa fréquence)."_s,
                    u"QSO sans bande connue, laissés de côté (WSJT-X n'a pas donné sa fréquence)."_s);
    }
    return t.join(u"\r\n"_s);
}

QList<quint64> Assemblage_QSO::Prend_Changes() {
    QList<quint64> c;
    c.swap(changes_);
    std::sort(c.begin(), c.end());
    c.erase(std::unique(c.begin(), c.end()), c.end());
    // Those no longer kept are gone from the list anyway.
    c.erase(c.begin(), std::lower_bound(c.begin(), c.end(), premier_));
    return c;
}

void Assemblage_QSO::Recoit(const Message_WSJTX& m, const QDateTime& maintenant) {
    Programme_Entendu(m, maintenant);
    if (m.sorte == Message_WSJTX::Sorte::Decode) {
        Decode(m, maintenant);
    }
}

const Assemblage_QSO::Etat_Programme* Assemblage_QSO::Trouve_Programme(QStringView client) const {
    client = client.left(Longueur_Id_Maximale);
    for (const Etat_Programme& e : etats_) {
        if (e.client == client) {
            return &e;
        }
    }
    return nullptr;
}

QPair<quint64, QString> Assemblage_QSO::Etat(const QString& client) const {
    const Etat_Programme* e = Trouve_Programme(client);
    return e ? QPair<quint64, QString>{e->frequence_hz, e->mode} : QPair<quint64, QString>{};
}

void Assemblage_QSO::Programme_Entendu(const Message_WSJTX& m, const QDateTime& maintenant) {
    // Any local process (or host of a multicast group) may send datagrams under ids of its
    // choosing: a bounded few programs are kept, never one an id.
    const QString client = m.client.left(Longueur_Id_Maximale);
    const auto ancien = std::find_if(etats_.begin(), etats_.end(),
                                     [&](const Etat_Programme& e) { return e.client == client; });
    Etat_Programme e;
    if (ancien != etats_.end()) {
        e = *ancien;
        etats_.erase(ancien);
    } else if (m.sorte != Message_WSJTX::Sorte::Etat) {
        return; // only a status makes a program known
    }
    if (m.sorte == Message_WSJTX::Sorte::Fermeture) {
        return;
    }
    e.client = client;
    e.vu = maintenant;
    if (m.sorte == Message_WSJTX::Sorte::Etat) {
        e.frequence_hz = m.frequence_hz;
        e.mode = m.mode.left(16);
    }
    etats_.removeIf([&](const Etat_Programme& p) { return p.vu.msecsTo(maintenant) > Silence_Programme_Ms; });
    // Full: a newcomer takes the place of the program silent longest, if it is silent for a
    // minute (a running WSJT-X says it is there every 15 s): a flood of ids never pushes out
    // the programs really heard.
    if (etats_.size() >= Programmes_Maximum) {
        if (etats_.constFirst().vu.msecsTo(maintenant) < Silence_Remplacable_Ms) {
            return;
        }
        etats_.removeFirst();
    }
    etats_.append(std::move(e));
}

QString Assemblage_QSO::Partenaire_De(const QString& autre, const QString& bande,
                                      const QDateTime& moment) const {
    const auto p = partenaires_.constFind(Cle_Station(autre, bande));
    return p != partenaires_.cend() && Proche(p->moment, moment) ? p->indicatif : QString();
}

void Assemblage_QSO::Decode(const Message_WSJTX& d, const QDateTime& maintenant) {
    // Replays and doubtful decodes are no signal heard.
    if (d.faible_confiance || d.hors_antenne) {
        return;
    }
    auto lu = Lit_Message_FT8(d.texte);
    if (!lu) {
        return;
    }
    const QDateTime moment = Moment_Decode(d.heure, maintenant);
    const QPair<quint64, QString> etat = Etat(d.client);
    const QString bande = Bande_Recepteur(static_cast<qint64>(qMin<quint64>(etat.first, 1ULL << 62)));
    ++decodes_lus_;
    if (++depuis_balayage_ >= 4096) {
        Balaie(moment);
    }
    if (lu->sorte == Message_FT8::Sorte::Appel) {
        appels_.insert(Cle_Station(lu->emetteur, bande), moment);
        return;
    }
    if (lu->destinataire_inconnu) {
        lu->destinataire = lu->emetteur_inconnu ? QString() : Partenaire_De(lu->emetteur, bande, moment);
    }
    if (lu->emetteur_inconnu) {
        lu->emetteur = lu->destinataire_inconnu ? QString() : Partenaire_De(lu->destinataire, bande, moment);
    }
    if (lu->destinataire.isEmpty() || lu->emetteur.isEmpty()) {
        ++mis_de_cote_;
        return;
    }
    if (lu->destinataire == lu->emetteur) {
        return;
    }
    partenaires_.insert(Cle_Station(lu->emetteur, bande), {lu->destinataire, moment});
    partenaires_.insert(Cle_Station(lu->destinataire, bande), {lu->emetteur, moment});

    Candidat& c = candidats_[Cle_Paire(lu->destinataire, lu->emetteur, bande)];
    if (c.qso.indicatif_a.isEmpty() || !Proche(c.qso.dernier, moment)) {
        // A new QSO of this pair: station A called CQ, else sends first.
        c = {};
        const auto appel = [&](const QString& indicatif) {
            const auto a = appels_.constFind(Cle_Station(indicatif, bande));
            return a != appels_.cend() && Proche(*a, moment);
        };
        const bool destinataire_a = appel(lu->destinataire);
        c.qso.indicatif_a = destinataire_a ? lu->destinataire : lu->emetteur;
        c.qso.indicatif_b = destinataire_a ? lu->emetteur : lu->destinataire;
        c.qso.debut = moment;
        c.qso.bande = bande;
    }
    QSO_Entendu& q = c.qso;
    q.debut = std::min(q.debut, moment);
    q.dernier = std::max(q.dernier, moment);
    const bool par_a = lu->emetteur == q.indicatif_a;
    bool& emet = par_a ? q.a_emet : q.b_emet;
    int& snr = par_a ? q.snr_a : q.snr_b;
    snr = emet ? std::max(snr, static_cast<int>(d.snr)) : static_cast<int>(d.snr);
    emet = true;
    (par_a ? q.a_rapport : q.b_rapport) |= lu->Avec_Rapport();
    q.cloture |= lu->Cloture();
    if (d.marque_mode == u"~") {
        q.mode = u"FT8"_s;
    } else if (d.marque_mode == u"+") {
        q.mode = u"FT4"_s;
    } else if (q.mode.isEmpty()) {
        q.mode = etat.second;
    }
    if (!q.Entendu()) {
        return;
    }
    if (!c.entendu) {
        c.entendu = true;
        q.numero = Fin();
        entendus_.push_back(q);
        Taille(maintenant);
    } else if (q.numero >= premier_) {
        entendus_[q.numero - premier_] = q;
    }
    changes_.append(q.numero);
}

void Assemblage_QSO::Taille(const QDateTime& maintenant) {
    const QDateTime limite = maintenant.addMSecs(-Duree_Gardee_Ms);
    while (!entendus_.empty() && (entendus_.size() > static_cast<std::size_t>(Nombre_Maximal) ||
                                  entendus_.front().dernier < limite)) {
        entendus_.pop_front();
        ++premier_;
    }
}

void Assemblage_QSO::Balaie(const QDateTime& moment) {
    depuis_balayage_ = 0;
    const auto vieux = [&](const QDateTime& t) { return !Proche(t, moment); };
    candidats_.removeIf([&](const auto& c) { return vieux(c.value().qso.dernier); });
    appels_.removeIf([&](const auto& a) { return vieux(a.value()); });
    partenaires_.removeIf([&](const auto& p) { return vieux(p.value().moment); });
}

} // namespace swl
