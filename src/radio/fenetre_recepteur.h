#pragma once

#include "core/radio/recepteur.h"
#include "platform/services.h"

#include <QProcess>
#include <QWidget>

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;

namespace swl {

class Recepteur;

// "Station → Récepteur…": how the program reaches the receiver — none, a model of Hamlib's
// list with its serial port and speed, or a rigctld already running — and how often it reads
// it. "Tester" puts the choice to work and shows the frequency read; "Enregistrer" keeps it.
// Closed without saving, the receiver goes back to the saved choice.
class Fenetre_Recepteur final : public QWidget {
    Q_OBJECT
public:
    Fenetre_Recepteur(const Services& services, Recepteur& recepteur, QWidget* parent = nullptr);
    ~Fenetre_Recepteur() override;
    Q_DISABLE_COPY_MOVE(Fenetre_Recepteur)

    // The choice as the window's controls show it.
    Reglage_Recepteur Reglage_Affiche() const;

private:
    void Affiche(const Reglage_Recepteur& r);
    void Met_A_Jour_Controles();
    void Charge_Modeles();
    void Modeles_Lus();
    void Selectionne_Modele(int numero);
    void Tester_Click();
    void Enregistrer_Click();
    void Lecture_Recue(const Lecture_Recepteur& lecture);
    void Statut_Recu(const QString& statut);

    const Services& services_;
    Recepteur& recepteur_;
    Reglage_Recepteur enregistre_;
    bool test_en_cours_ = false;
    QProcess liste_;

    QRadioButton* Sorte_Aucun;
    QRadioButton* Sorte_Modele;
    QRadioButton* Sorte_Rigctld;
    QButtonGroup* Sortes;
    QLineEdit* Recherche_Modele;
    QListView* Liste_Modeles;
    QStandardItemModel* modeles_;
    QSortFilterProxyModel* filtre_;
    QLabel* Etat_Liste;
    QLineEdit* Peripherique;
    QComboBox* Vitesse;
    QLineEdit* Hote;
    QSpinBox* Port;
    QDoubleSpinBox* Intervalle;
    QPushButton* Tester;
    QLabel* Resultat_Test;
    QLabel* Etat_Recepteur;
    QPushButton* Enregistrer;
    QPushButton* Fermer;
};

} // namespace swl
