#pragma once

#include "core/log/fichier_log.h"

#include <QAbstractListModel>
#include <QList>

namespace swl {

// One of the two lists of the label choice: some lines of the main list, always in list
// order (each main list line begins with its running number, so that is their text order).
// A line moved in takes its place at once, whatever the list's length.
class Modele_Choix final : public QAbstractListModel {
    Q_OBJECT
public:
    // `lignes`: the main list as it stood when the choice began; `toutes`: the list starts
    // with every line, else with none.
    Modele_Choix(const Lignes_Log& lignes, bool toutes, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Modele_Choix)

    int Nombre() const { return static_cast<int>(index_.size()); }
    QString Ligne(int rangee) const;
    // Takes the line at `rangee` out of the list; its index in the main list.
    int Retire(int rangee);
    // Puts the line of the main list at `index` in its place.
    void Ajoute(int index);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const Lignes_Log& lignes_;
    QList<int> index_; // ascending
};

} // namespace swl
