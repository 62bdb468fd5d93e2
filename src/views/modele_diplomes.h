// The tables of the awards window: the grid of elements against bands, and the QSOs of one.
#pragma once

#include "core/reports/diplomes.h"

#include <QAbstractTableModel>

namespace swl {

// One row an element (department, country, continent), one column its name then one a band of
// the filter's; each cell "C" confirmed, "E" heard or "–" missing, coloured, the whole word for
// screen readers and in the tooltip.
class Modele_Grille_Diplome final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    // Which elements are rows: all, those heard under the filter, or those missing.
    enum class Montres { Tous, Entendus, Manquants };
    void Affiche(const Compte_Diplome* compte, const Filtre_Diplome& filtre, Montres montres = Montres::Tous);
    QList<int> Bandes() const { return bandes_; }
    // The element of a row, and the row of an element (-1 when it is not shown).
    int Element(int rangee) const { return elements_.value(rangee, -1); }
    int Rangee(int element) const { return static_cast<int>(elements_.indexOf(element)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static const QColor Couleur_Confirme;
    static const QColor Couleur_Entendu;
    static const QColor Couleur_Manquant;

private:
    const Compte_Diplome* compte_ = nullptr;
    Filtre_Diplome filtre_;
    QList<int> bandes_;   // Liste_Bandes() indexes shown
    QList<int> elements_; // the elements shown, in the award's order
};

// The QSOs of one element, or those that count for none: the ones that count under the
// filter (the one kept for the claim said so), then the ones that do not, with the reason.
class Modele_Detail_Diplome final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    struct Rangee {
        int ligne = 0;
        char station = 'A';
        QString compte; // "retenu pour la demande", "compte", or the reason it does not
    };
    void Affiche(const Lignes_Log* log, QList<Rangee> rangees);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const Lignes_Log* log_ = nullptr;
    QList<Rangee> rangees_;
};

} // namespace swl
