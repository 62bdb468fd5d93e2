#pragma once

#include "core/radio/cluster.h"
#include "core/reports/index_journal.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

namespace swl {

// The last 500 spots of the node, newest on top, those of the band chosen shown. New spots
// take their place in the table in one insertion, without the table being rebuilt. Each spot
// is marked with what its station would bring the listener ("Nouveau"), with the batch.
class Modele_Spots final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Nombre_Maximal = 500;
    enum Colonne {
        Heure,
        Frequence,
        Bande,
        Indicatif,
        Spotteur,
        Commentaire,
        Locator,
        Nouveau,
        Nombre_Colonnes
    };

    explicit Modele_Spots(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Modele_Spots)

    void Ajoute(const Spot& spot) { Ajoute(QList<Spot>{spot}); }
    // Spots in the order they came: one insertion at the top, one removal of the oldest. The
    // most valuable mark of the batch.
    Nouveaute Ajoute(const QList<Spot>& spots);
    // The choice of the band list (-1: none) whose spots are shown.
    void Filtre(int index_bande);
    const Spot& Spot_Affiche(int rangee) const { return visibles_[rangee].spot; }
    const Marque_Nouveaute& Marque_Affichee(int rangee) const { return visibles_[rangee].marque; }
    // What marks a spot (none: no mark); every spot marked again (the log changed).
    void Fixe_Marqueur(std::function<Marque_Nouveaute(const Spot&)> marqueur);
    void Remarque();
    int Nombre_Total() const { return static_cast<int>(tous_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Spot_Marque {
        Spot spot;
        Marque_Nouveaute marque;
    };
    QList<Spot_Marque> tous_;     // newest first
    QList<Spot_Marque> visibles_; // those of the band chosen, newest first
    std::function<Marque_Nouveaute(const Spot&)> marqueur_;
    int filtre_ = 0;
};

} // namespace swl
