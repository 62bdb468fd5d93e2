#pragma once

#include "platform/services.h"

#include <QWidget>

class QCheckBox;
class QSortFilterProxyModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace swl {

class Ecoute_WSJTX;
class Hote_QSO_Entendus;
class Modele_QSO_Entendus;

// "Afficher → les QSO entendus en FT8/FT4": the QSOs that WSJT-X or JTDX decode, as they form.
// The switch turns listening on and off (remembered); a double click puts a QSO in the entry
// form; "Enregistrer les QSO complets" logs every complete QSO the log does not hold yet.
class Fenetre_QSO_Entendus final : public QWidget {
    Q_OBJECT
public:
    Fenetre_QSO_Entendus(const Services& services, Ecoute_WSJTX& ecoute, Hote_QSO_Entendus& hote,
                         QWidget* parent = nullptr);
    ~Fenetre_QSO_Entendus() override;
    Q_DISABLE_COPY_MOVE(Fenetre_QSO_Entendus)

    // The log was read again: the states "déjà au journal" follow it.
    void Journal_Change();

private:
    void Ecoute_Click(bool active);
    void QSO_Changes();
    void Statut_Recu(const QString& statut);
    void QSO_DblClick(const QModelIndex& index);
    void Enregistrer_Click();
    void Affiche_Nombres();

    const Services& services_;
    Ecoute_WSJTX& ecoute_;
    Hote_QSO_Entendus& hote_;
    Modele_QSO_Entendus* modele_;
    QSortFilterProxyModel* filtre_manque_;

    QCheckBox* Ecoute_FT8;
    QLineEdit* Adresse_FT8;
    QSpinBox* Port_FT8;
    QLabel* Statut_FT8;
    QCheckBox* Manque_Seulement_FT8;
    QTableView* Table_QSO_FT8;
    QLabel* Nombre_QSO_FT8;
    QPushButton* Enregistrer_QSO_FT8;
    QPushButton* Fermer_FT8;
};

} // namespace swl
