#include "radio/modele_qso_entendus.h"

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Modele_QSO_Entendus::Modele_QSO_Entendus(const Assemblage_QSO& assemblage, QObject* parent)
    : QAbstractTableModel(parent), assemblage_(assemblage), premier_(assemblage.Premier()),
      fin_(assemblage.Fin()) {}

void Modele_QSO_Entendus::Met_A_Jour(Assemblage_QSO& assemblage) {
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
    // The QSOs changed, redrawn in one stretch of rows.
    int haut = -1;
    int bas = -1;
    for (const quint64 n : changes) {
        if (n >= premier_ && n < fin_) {
            const int r = static_cast<int>(fin_ - 1 - n);
            haut = haut < 0 ? r : std::min(haut, r);
            bas = std::max(bas, r);
        }
    }
    if (haut >= 0) {
        Q_EMIT dataChanged(index(haut, 0), index(bas, Nombre_Colonnes - 1));
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
    default:
        return {};
    }
}

QVariant Modele_QSO_Entendus::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList titres = {u"Heure"_s,     u"Indicatif A"_s, u"Rapport A"_s, u"Indicatif B"_s,
                                       u"Rapport B"_s, u"Bande"_s,       u"Mode"_s,      u"État"_s};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= titres.size()) {
        return {};
    }
    return titres[section];
}

} // namespace swl
