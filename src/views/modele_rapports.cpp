#include "views/modele_rapports.h"

namespace swl {

using namespace Qt::Literals::StringLiterals;

void Modele_Stations::Remplace(QList<Rangee> rangees) {
    beginResetModel();
    rangees_ = std::move(rangees);
    endResetModel();
}

int Modele_Stations::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rangees_.size());
}

int Modele_Stations::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Nombre_Colonnes;
}

QVariant Modele_Stations::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Rangee& r = rangees_[index.row()];
    if (role == Qt::UserRole) {
        return r.indicatif;
    }
    // What the columns sort by: the latest QSO by its moment, not its text.
    if (role == Qt::EditRole) {
        return index.column() == Dernier ? QVariant(r.ordre) : data(index, Qt::DisplayRole);
    }
    if (role == Qt::TextAlignmentRole && index.column() == Qso) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    switch (index.column()) {
    case Indicatif:
        return r.indicatif;
    case Qso:
        return r.qso;
    case Dernier:
        return r.dernier;
    case Avancement:
        return r.avancement;
    default:
        return {};
    }
}

QVariant Modele_Stations::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const QStringList titres = {u"Station"_s, u"QSO"_s, u"Dernier QSO"_s, u"Rapport"_s};
    return titres.value(section);
}

void Filtre_Stations::Fixe(const QString& texte, bool a_envoyer) {
    texte_ = texte.trimmed().toUpper();
    a_envoyer_ = a_envoyer;
    invalidateRowsFilter();
}

bool Filtre_Stations::filterAcceptsRow(int rangee, const QModelIndex&) const {
    const auto* m = static_cast<const Modele_Stations*>(sourceModel());
    const Modele_Stations::Rangee& r = m->At(rangee);
    return (!a_envoyer_ || r.a_envoyer) && (texte_.isEmpty() || r.indicatif.contains(texte_));
}

} // namespace swl
