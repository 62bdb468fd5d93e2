#pragma once

#include "core/radio/cluster.h"

#include <QAbstractTableModel>
#include <QList>

namespace swl {

// The last 500 spots of the node, newest on top, those of the band chosen shown. New spots
// take their place in the table in one insertion, without the table being rebuilt.
class Modele_Spots final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Nombre_Maximal = 500;
    enum Colonne { Heure, Frequence, Bande, Indicatif, Spotteur, Commentaire, Locator, Nombre_Colonnes };

    explicit Modele_Spots(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Modele_Spots)

    void Ajoute(const Spot& spot) { Ajoute(QList<Spot>{spot}); }
    // Spots in the order they came: one insertion at the top, one removal of the oldest.
    void Ajoute(const QList<Spot>& spots);
    // The choice of the band list (-1: none) whose spots are shown.
    void Filtre(int index_bande);
    const Spot& Spot_Affiche(int rangee) const { return visibles_[rangee]; }
    int Nombre_Total() const { return static_cast<int>(tous_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Spot> tous_;     // newest first
    QList<Spot> visibles_; // those of the band chosen, newest first
    int filtre_ = 0;
};

} // namespace swl
