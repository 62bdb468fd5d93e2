#pragma once

#include "platform/services.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;

namespace swl {

class Libelle_Colonnes;
class Modele_Lignes;

// The QSOs heard on one band, in text order, with how many were heard and confirmed; saved as
// a dated text file in the program directory or printed.
class Liste_QSO final : public QWidget {
    Q_OBJECT
public:
    // `indicatif`: the current station, read at each display and save.
    Liste_QSO(const Services& services, std::function<QString()> indicatif, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Liste_QSO)

    const Modele_Lignes& Lignes() const { return *modele_; }

private:
    void Form_Load();
    void Afficher_Click();
    void Enregistrer_Click();
    void Imprimer_Click();

    const Services& services_;
    std::function<QString()> indicatif_;
    QStringList lignes_; // the rows of the last display
    Modele_Lignes* modele_;

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QLabel* Label1;
    QComboBox* Bande_D;
    QPushButton* Afficher;
    Libelle_Colonnes* Label2;
    QListView* Liste_OM_Contacte;
    QLabel* Label3;
    QLabel* Compt_C;
    QLabel* Label4;
    QLabel* Compt_V;
    QPushButton* Enregistrer;
    QPushButton* Imprimer;
    QPushButton* Command1;
};

} // namespace swl
