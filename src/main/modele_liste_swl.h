// The log list's model.
#pragma once

#include "core/log/fichier_log.h"

#include <QAbstractListModel>

namespace swl {

// The lines of the main list, in file order (which is their sorted order: each starts with
// its running number right-aligned in 5 columns). Rebuilt whole from the file after every
// change; a list line is formed only when a row is shown or asked for, so a long log stays
// fast.
class Modele_Liste_SWL final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit Modele_Liste_SWL(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Modele_Liste_SWL)

    void Remplace(Lignes_Log lignes);
    // The list line at `index`, or an empty text past the end.
    QString Ligne(int index) const { return lignes_.Ligne_Liste(index); }
    int Nombre() const { return lignes_.Nombre(); }
    const Lignes_Log& Lignes() const { return lignes_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    Lignes_Log lignes_;
};

} // namespace swl
