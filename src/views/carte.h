#pragma once

#include "core/reports/carte.h"
#include "platform/services.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace swl {

// The map of the departments heard: for the band chosen, the markers of the departments
// whose station A was heard turn green, the others stay yellow, and their number is shown.
class Carte final : public QWidget {
    Q_OBJECT
public:
    // `indicatif`: the current station, read each time the map is drawn.
    Carte(const Services& services, std::function<QString()> indicatif, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Carte)

    static const QColor Couleur_Entendu;
    static const QColor Couleur_Non_Entendu;

private:
    void Form_Load();
    void Affiche_Carte();
    void Afficher_Click();
    void Colore(const Marquage& marquage);
    QString Section_Station() const;

    const Services& services_;
    std::function<QString()> indicatif_;

    QLabel* Picture1;
    std::array<QLabel*, Nombre_Marqueurs> Dep{};
    QComboBox* Bande_A;
    QPushButton* Afficher;
    QLabel* NB_Dep;
    QLabel* Label5;
    QLabel* Bande_Carte;
    QLabel* Label1;
    QLabel* Label6;
    QLabel* Label8;
};

} // namespace swl
