// The station list of the reports window: each station heard with its QSOs, the latest, and
// where its report stands; filtered by callsign and by "à envoyer" without going back to the log.
#pragma once

#include "core/qsl/magasin_rapports.h"
#include "core/qsl/rapports.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace swl {

class Modele_Stations final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonne { Indicatif, Qso, Dernier, Avancement, Nombre_Colonnes };
    using QAbstractTableModel::QAbstractTableModel;
    struct Rangee {
        QString indicatif;
        int qso = 0;
        QString dernier;    // "08/12/2026"
        qint64 ordre = 0;   // of the latest QSO, for sorting
        QString avancement; // "à envoyer", "envoyé le …", "QSL reçue le …"
        bool a_envoyer = true;
    };
    void Remplace(QList<Rangee> rangees);
    const Rangee& At(int rangee) const { return rangees_[rangee]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Rangee> rangees_;
};

// A callsign's part, and "à envoyer" only.
class Filtre_Stations final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void Fixe(const QString& texte, bool a_envoyer);

protected:
    bool filterAcceptsRow(int rangee, const QModelIndex& parent) const override;

private:
    QString texte_;
    bool a_envoyer_ = false;
};

} // namespace swl
