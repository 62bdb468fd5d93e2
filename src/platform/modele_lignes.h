#pragma once

#include <QAbstractListModel>

#include <functional>

namespace swl {

// A read-only list of text lines formed when they are shown or asked for, so that a list
// holding a whole log (search results, a band's QSOs, the label choice) fills at once.
class Modele_Lignes final : public QAbstractListModel {
    Q_OBJECT
public:
    using Forme = std::function<QString(int)>;

    explicit Modele_Lignes(QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Modele_Lignes)

    // `nombre` lines, line i being forme(i).
    void Remplace(int nombre, Forme forme);
    void Vide() { Remplace(0, {}); }
    int Nombre() const { return nombre_; }
    // The line at `index`, or an empty text outside the list.
    QString Ligne(int index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int nombre_ = 0;
    Forme forme_;
};

} // namespace swl
