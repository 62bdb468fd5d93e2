#include "platform/modele_lignes.h"

namespace swl {

Modele_Lignes::Modele_Lignes(QObject* parent) : QAbstractListModel(parent) {}

void Modele_Lignes::Remplace(int nombre, Forme forme) {
    beginResetModel();
    nombre_ = nombre;
    forme_ = std::move(forme);
    endResetModel();
}

QString Modele_Lignes::Ligne(int index) const {
    return index >= 0 && index < nombre_ ? forme_(index) : QString();
}

int Modele_Lignes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : nombre_;
}

QVariant Modele_Lignes::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return forme_(index.row());
}

} // namespace swl
