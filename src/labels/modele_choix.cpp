#include "labels/modele_choix.h"

#include <algorithm>
#include <numeric>

namespace swl {

Modele_Choix::Modele_Choix(const Lignes_Log& lignes, bool toutes, QObject* parent)
    : QAbstractListModel(parent), lignes_(lignes) {
    if (toutes) {
        index_.resize(lignes.Nombre());
        std::iota(index_.begin(), index_.end(), 0);
    }
}

QString Modele_Choix::Ligne(int rangee) const {
    return rangee >= 0 && rangee < index_.size() ? lignes_.Ligne_Liste(index_[rangee]) : QString();
}

int Modele_Choix::Retire(int rangee) {
    beginRemoveRows({}, rangee, rangee);
    const int index = index_.takeAt(rangee);
    endRemoveRows();
    return index;
}

void Modele_Choix::Ajoute(int index) {
    const auto place = std::lower_bound(index_.begin(), index_.end(), index);
    const int rangee = static_cast<int>(place - index_.begin());
    beginInsertRows({}, rangee, rangee);
    index_.insert(rangee, index);
    endInsertRows();
}

int Modele_Choix::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Nombre();
}

QVariant Modele_Choix::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return Ligne(index.row());
}

} // namespace swl
