// "Station → Alertes…": a short sound when a spot or a heard QSO brings a new department or a
// new country.
#pragma once

#include "platform/services.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace swl {

class Fenetre_Alertes final : public QWidget {
    Q_OBJECT
public:
    explicit Fenetre_Alertes(const Services& services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Fenetre_Alertes)

private:
    void Enregistre();

    const Services& services_;
    QCheckBox* Alerte_Departement;
    QCheckBox* Alerte_Pays;
    QPushButton* Ecoute_Departement;
    QPushButton* Ecoute_Pays;
    QLabel* Etat_Son; // why "Écouter" played nothing
    QPushButton* Fermer_Alertes;
};

} // namespace swl
