// The log list's model.
#include "main/modele_liste_swl.h"

namespace swl {

Modele_Liste_SWL::Modele_Liste_SWL(QObject* parent) : QAbstractListModel(parent) {}

void Modele_Liste_SWL::Remplace(Lignes_Log lignes) {
    beginResetModel();
    lignes_ = std::move(lignes);
    endResetModel();
}

int Modele_Liste_SWL::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : lignes_.Nombre();
}

QVariant Modele_Liste_SWL::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return lignes_.Ligne_Liste(index.row());
}

} // namespace swl
