#pragma once

#include "core/reports/etiquettes.h"
#include "platform/services.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace swl {

class Imprimante;
class Select_QSO;

// The label settings and their sample label, and the printing of the chosen QSOs' labels on
// sheets of the chosen stock: on paper, on screen before printing, or into a PDF file.
class Etiquettes final : public QWidget {
    Q_OBJECT
public:
    // `selection`: the window whose chosen lines are printed (none: nothing is printed);
    // `indicatif`: the current station.
    Etiquettes(const Services& services, Select_QSO* selection, std::function<QString()> indicatif,
               QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Etiquettes)

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void Form_Load();
    void Langue_Click();
    void Type_E_Click();
    int Rx_Tx_KeyPress(int code);
    int Antenne_KeyPress(int code);
    void Imprime_Click();
    void Apercu_Click();
    void Enregistre_Pdf_Click();

    QString Section_Station() const;
    // The refusal of the receiver and antenna as they stand, shown; false when the job may go on.
    bool Refuse_Station();
    void Ecrit_Reglages();
    Parametres_Etiquettes Parametres() const;
    // The job on `imprimante`. `interactif`: on paper, where "Page suivante ?" may be asked.
    // False when the user answered "Non".
    bool Travail(Imprimante& imprimante, bool interactif);
    void Remet_Couleurs();

    const Services& services_;
    QPointer<Select_QSO> selection_;
    std::function<QString()> indicatif_;

    QGroupBox* Frame1;
    QLabel* Label2;
    QGroupBox* Frame3;
    std::array<QLabel*, 6> echantillon_{}; // Label10, Label5, Label11, Label12, Label13, Label14
    QGroupBox* Frame4;
    std::array<QRadioButton*, 2> Langue{};
    QGroupBox* Frame5;
    std::array<QRadioButton*, 4> Type_E{};
    QGroupBox* Frame6;
    QLabel* Label1;
    QLineEdit* Rx_Tx;
    QLabel* Label20;
    QLabel* Label7;
    QLineEdit* Antenne;
    QLabel* Label21;
    QCheckBox* Arret_Imp;
    QGroupBox* Frame7;
    QSpinBox* Depart;
    QDoubleSpinBox* Decalage_X;
    QDoubleSpinBox* Decalage_Y;
    QPushButton* Apercu;
    QPushButton* Enregistre_Pdf;
    QPushButton* Imprime;
};

} // namespace swl
