#include "radio/modele_qso_entendus.h"

#include "platform/fenetres.h"

#include <QColor>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Modele_QSO_Entendus::Modele_QSO_Entendus(const Assemblage_QSO& assemblage, QObject* parent)
    : QAbstractTableModel(parent), assemblage_(assemblage), premier_(assemblage.Premier()),
      fin_(assemblage.Fin()) {}

const Modele_QSO_Entendus::Marque_QSO& Modele_QSO_Entendus::Marque_De(quint64 numero,
                                                                      const QSO_Entendu& q) const {
    auto m = marques_.find(numero);
    if (m == marques_.end()) {
        Marque_QSO marque;
        if (marqueur_) {
            const int bande = static_cast<int>(Liste_Bandes().indexOf(q.bande));
            const int groupe = static_cast<int>(Groupe_De_Mode(q.mode));
            // The station that brings the most; A when both bring as much.
            const Marque_Nouveaute a = marqueur_(q.indicatif_a, bande, groupe);
            const Marque_Nouveaute b = marqueur_(q.indicatif_b, bande, groupe);
            const bool par_b = b.sorte > a.sorte;
            marque.sorte = par_b ? b.sorte : a.sorte;
            if (marque.sorte != Nouveaute::Rien) {
                marque.texte =
                    (par_b ? q.indicatif_b : q.indicatif_a) + u"\u00A0: "_s + Texte_Nouveaute(par_b ? b : a);
            }
        }
        m = marques_.insert(numero, marque);
    }
    return *m;
}

void Modele_QSO_Entendus::Fixe_Marqueur(Marqueur marqueur) {
    marqueur_ = std::move(marqueur);
    Remarque();
}

void Modele_QSO_Entendus::Remarque() {
    marques_.clear();
    if (fin_ > premier_) {
        Q_EMIT dataChanged(index(0, Nouveau), index(rowCount() - 1, Nouveau));
    }
}

Nouveaute Modele_QSO_Entendus::Met_A_Jour(Assemblage_QSO& assemblage) {
    const QList<quint64> changes = assemblage.Prend_Changes();
    const quint64 fin = assemblage.Fin();
    const quint64 premier = std::min(assemblage.Premier(), fin);
    if (fin > fin_) {
        beginInsertRows({}, 0, static_cast<int>(fin - fin_) - 1);
        fin_ = fin;
        endInsertRows();
    }
    if (premier > premier_) {
        // Rows are numbered from the newest: the oldest are the last rows.
        const quint64 perdus = std::min(premier, fin_) - premier_;
        const int nombre = static_cast<int>(fin_ - premier_);
        beginRemoveRows({}, nombre - static_cast<int>(perdus), nombre - 1);
        premier_ = premier;
        endRemoveRows();
    }
    // The QSOs changed, marked again and redrawn in one stretch of rows.
    int haut = -1;
    int bas = -1;
    Nouveaute meilleure = Nouveaute::Rien;
    for (const quint64 n : changes) {
        if (n >= premier_ && n < fin_) {
            const int r = static_cast<int>(fin_ - 1 - n);
            haut = haut < 0 ? r : std::min(haut, r);
            bas = std::max(bas, r);
            marques_.remove(n);
            if (marqueur_ && n >= assemblage_.Premier()) {
                meilleure = std::max(meilleure, Marque_De(n, assemblage_.QSO(n)).sorte);
            }
        }
    }
    // The marks of QSOs no longer kept are forgotten.
    if (marques_.size() > rowCount() + 64) {
        marques_.removeIf([this](const auto& m) { return m.key() < premier_; });
    }
    if (haut >= 0) {
        Q_EMIT dataChanged(index(haut, 0), index(bas, Nombre_Colonnes - 1));
    }
    return meilleure;
}

void Modele_QSO_Entendus::Fixe_Pays(std::function<QString(const QString&)> pays) {
    pays_ = std::move(pays);
    if (fin_ > premier_) {
        Q_EMIT dataChanged(index(0, Pays_A), index(rowCount() - 1, Pays_B));
    }
}

void Modele_QSO_Entendus::Fixe_Journal(QSet<Cle_Doublon> cles) {
    cles_ = std::move(cles);
    if (fin_ > premier_) {
        Q_EMIT dataChanged(index(0, Etat), index(rowCount() - 1, Etat));
    }
}

bool Modele_QSO_Entendus::Au_Journal(const QSO_Entendu& qso) const {
    return !cles_.isEmpty() && cles_.contains(Cle_Doublon(Octets_QSO_Entendu(qso)));
}

const QSO_Entendu* Modele_QSO_Entendus::QSO_Affiche(int rangee) const {
    if (rangee < 0 || rangee >= rowCount()) {
        return nullptr;
    }
    const quint64 n = fin_ - 1 - static_cast<quint64>(rangee);
    return n >= assemblage_.Premier() && n < assemblage_.Fin() ? &assemblage_.QSO(n) : nullptr;
}

int Modele_QSO_Entendus::Nombre_Complets() const {
    int n = 0;
    for (quint64 i = premier_; i < fin_; ++i) {
        n += i >= assemblage_.Premier() && assemblage_.QSO(i).Complet() ? 1 : 0;
    }
    return n;
}

int Modele_QSO_Entendus::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(fin_ - premier_);
}

int Modele_QSO_Entendus::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Nombre_Colonnes;
}

QVariant Modele_QSO_Entendus::data(const QModelIndex& index, int role) const {
    const QSO_Entendu* q = QSO_Affiche(index.row());
    if (q && index.column() == Nouveau && role == Qt::BackgroundRole) {
        const Nouveaute sorte = Marque_De(fin_ - 1 - static_cast<quint64>(index.row()), *q).sorte;
        return sorte == Nouveaute::Rien ? QVariant() : QVariant(Couleur_Nouveaute(sorte));
    }
    if (!q || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    switch (index.column()) {
    case Heure:
        return q->debut.toString(u"HH:mm:ss"_s);
    case Indicatif_A:
        return q->indicatif_a;
    case Rapport_A:
        return Texte_Rapport_FT8(q->snr_a);
    case Indicatif_B:
        return q->indicatif_b;
    case Rapport_B:
        return Texte_Rapport_FT8(q->snr_b);
    case Bande:
        return q->bande.isEmpty() ? u"inconnue"_s : q->bande;
    case Mode:
        return q->mode;
    case Etat:
        if (!q->Complet()) {
            return u"partiel"_s;
        }
        return Au_Journal(*q) ? u"déjà au journal"_s : u"complet"_s;
    case Pays_A:
        return pays_ ? pays_(q->indicatif_a) : QString();
    case Pays_B:
        return pays_ ? pays_(q->indicatif_b) : QString();
    case Nouveau:
        return Marque_De(fin_ - 1 - static_cast<quint64>(index.row()), *q).texte;
    default:
        return {};
    }
}

QVariant Modele_QSO_Entendus::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList titres = {u"Heure"_s,     u"Indicatif A"_s, u"Rapport A"_s, u"Indicatif B"_s,
                                       u"Rapport B"_s, u"Bande"_s,       u"Mode"_s,      u"État"_s,
                                       u"Pays A"_s,    u"Pays B"_s,      u"Nouveau"_s};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= titres.size()) {
        return {};
    }
    return titres[section];
}

} // namespace swl
