#include "modele_spots.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

Modele_Spots::Modele_Spots(QObject* parent) : QAbstractTableModel(parent) {}

void Modele_Spots::Ajoute(const Spot& spot) {
    tous_.prepend(spot);
    if (tous_.size() > Nombre_Maximal) {
        // The oldest spot, last of the visible ones when it shows.
        const Spot ancien = tous_.takeLast();
        if (Spot_Dans_Choix(ancien, filtre_) && !visibles_.isEmpty()) {
            const int derniere = static_cast<int>(visibles_.size()) - 1;
            beginRemoveRows({}, derniere, derniere);
            visibles_.removeLast();
            endRemoveRows();
        }
    }
    if (Spot_Dans_Choix(spot, filtre_)) {
        beginInsertRows({}, 0, 0);
        visibles_.prepend(spot);
        endInsertRows();
    }
}

void Modele_Spots::Filtre(int index_bande) {
    beginResetModel();
    filtre_ = index_bande;
    visibles_.clear();
    for (const Spot& s : tous_) {
        if (Spot_Dans_Choix(s, filtre_)) {
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
    const Spot& s = visibles_[index.row()];
    if (role == Qt::TextAlignmentRole && index.column() == Frequence) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
    case Heure:
        return s.heure;
    case Frequence:
        return s.frequence;
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
    default:
        return {};
    }
}

QVariant Modele_Spots::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const QStringList titres = {u"Heure"_s,    u"Fréquence"_s,   u"Bande"_s,  u"Indicatif"_s,
                                       u"Spotteur"_s, u"Commentaire"_s, u"Locator"_s};
    return section >= 0 && section < titres.size() ? titres[section] : QVariant();
}

} // namespace swl
