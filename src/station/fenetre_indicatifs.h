// "Station → Fichier des indicatifs…": the file of active callsigns in use, how many it holds,
// another chosen, and whether the list under the entry form is shown.
#pragma once

#include "platform/services.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace swl {

class Fenetre_Indicatifs final : public QWidget {
    Q_OBJECT
public:
    // `change`: called once the choice changed.
    Fenetre_Indicatifs(const Services& services, std::function<void()> change, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Fenetre_Indicatifs)

private:
    void Affiche();
    void Utilise(const QString& chemin);

    const Services& services_;
    std::function<void()> change_;
    QLabel* Chemin_Indicatifs;
    QLabel* Nombre_Indicatifs;
    QLabel* Date_Indicatifs;
    QLabel* Etat_Indicatifs;
    QCheckBox* Montre_Indicatifs;
    QPushButton* Choisir_Indicatifs;
    QPushButton* Indicatifs_Debian;
    QPushButton* Fermer_Indicatifs;
};

} // namespace swl
