#include "views/modele_spots.h"

#include "core/base/texte_1252.h"

#include "platform/fenetres.h"

#include <QColor>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Modele_Spots::Modele_Spots(QObject* parent) : QAbstractTableModel(parent) {}

Nouveaute Modele_Spots::Ajoute(const QList<Spot>& spots) {
    if (spots.isEmpty()) {
        return Nouveaute::Rien;
    }
    Nouveaute meilleure = Nouveaute::Rien;
    const auto marque = [&](const Spot& s) {
        Spot_Marque m{s, marqueur_ ? marqueur_(s) : Marque_Nouveaute{}};
        meilleure = std::max(meilleure, m.marque.sorte);
        return m;
    };
    if (spots.size() >= Nombre_Maximal) {
        // A flood replaces every spot: one reset.
        beginResetModel();
        tous_.clear();
        visibles_.clear();
        for (qsizetype i = spots.size() - 1; i >= spots.size() - Nombre_Maximal; --i) {
            tous_.append(marque(spots[i]));
            if (Spot_Dans_Choix(spots[i], filtre_)) {
                visibles_.append(tous_.last());
            }
        }
        endResetModel();
        return meilleure;
    }
    // The oldest spots make room; those of them that show are the last rows.
    const qsizetype surplus = qMax<qsizetype>(0, tous_.size() + spots.size() - Nombre_Maximal);
    int caches = 0;
    for (qsizetype i = tous_.size() - surplus; i < tous_.size(); ++i) {
        caches += Spot_Dans_Choix(tous_[i].spot, filtre_) ? 1 : 0;
    }
    tous_.resize(tous_.size() - surplus);
    if (caches > 0) {
        const int n = static_cast<int>(visibles_.size());
        beginRemoveRows({}, n - caches, n - 1);
        visibles_.resize(n - caches);
        endRemoveRows();
    }
    QList<Spot_Marque> nouveaux;
    QList<Spot_Marque> tous;
    tous.reserve(Nombre_Maximal);
    for (qsizetype i = spots.size() - 1; i >= 0; --i) {
        tous.append(marque(spots[i]));
        if (Spot_Dans_Choix(spots[i], filtre_)) {
            nouveaux.append(tous.last());
        }
    }
    tous_ = tous + tous_;
    if (!nouveaux.isEmpty()) {
        beginInsertRows({}, 0, static_cast<int>(nouveaux.size()) - 1);
        visibles_ = nouveaux + visibles_;
        endInsertRows();
    }
    return meilleure;
}

void Modele_Spots::Fixe_Marqueur(std::function<Marque_Nouveaute(const Spot&)> marqueur) {
    marqueur_ = std::move(marqueur);
    Remarque();
}

void Modele_Spots::Remarque() {
    for (QList<Spot_Marque>* liste : {&tous_, &visibles_}) {
        for (Spot_Marque& s : *liste) {
            s.marque = marqueur_ ? marqueur_(s.spot) : Marque_Nouveaute{};
        }
    }
    if (!visibles_.isEmpty()) {
        Q_EMIT dataChanged(index(0, Nouveau), index(rowCount() - 1, Nouveau));
    }
}

void Modele_Spots::Filtre(int index_bande) {
    beginResetModel();
    filtre_ = index_bande;
    visibles_.clear();
    for (const Spot_Marque& s : tous_) {
        if (Spot_Dans_Choix(s.spot, filtre_)) {
            visibles_.append(s);
        }
    }
    endResetModel();
}

int Modele_Spots::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visibles_.size());
}

int Modele_Spots::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Nombre_Colonnes;
}

QVariant Modele_Spots::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const Spot& s = visibles_[index.row()].spot;
    if (role == Qt::TextAlignmentRole && index.column() == Frequence) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::BackgroundRole && index.column() == Nouveau &&
        visibles_[index.row()].marque.sorte > Nouveaute::Mode_Inconnu) {
        return Couleur_Nouveaute(visibles_[index.row()].marque.sorte);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
    case Heure:
        return Heure_Spot(s);
    case Frequence:
        // Written the French way, whatever the node wrote: "14 074,0".
        return Decimal_Francais(s.khz, 1);
    case Bande:
        return s.bande;
    case Indicatif:
        return s.indicatif;
    case Spotteur:
        return s.spotteur;
    case Commentaire:
        return s.commentaire;
    case Locator:
        return s.locator;
    case Nouveau:
        return Texte_Nouveaute(visibles_[index.row()].marque);
    default:
        return {};
    }
}

QVariant Modele_Spots::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const QStringList titres = {u"Heure UTC"_s, u"Fréquence (kHz)"_s, u"Bande"_s,   u"Indicatif"_s,
                                       u"Spotteur"_s,  u"Commentaire"_s,     u"Locator"_s, u"Nouveau"_s};
    return section >= 0 && section < titres.size() ? titres[section] : QVariant();
}

} // namespace swl
