#pragma once

#include "platform/services.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace swl {

// "Station → Fichier des pays…": the country file in use, its number of entities and its
// date; another one chosen (a newer file the user downloaded), or Debian's again.
class Fenetre_Pays final : public QWidget {
    Q_OBJECT
public:
    // `change`: called once another file is in use.
    Fenetre_Pays(const Services& services, Base_Pays& pays, std::function<void()> change,
                 QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Fenetre_Pays)

private:
    void Affiche();
    void Utilise(const QString& chemin);

    const Services& services_;
    Base_Pays& pays_;
    std::function<void()> change_;

    QLabel* Chemin_Pays;
    QLabel* Entites_Pays;
    QLabel* Date_Pays;
    QLabel* Etat_Pays;
    QPushButton* Choisir_Pays;
    QPushButton* Pays_Debian;
    QPushButton* Fermer_Pays;
};

} // namespace swl
