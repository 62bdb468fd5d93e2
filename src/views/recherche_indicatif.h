#pragma once

#include "core/reports/recherche.h"
#include "platform/services.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace swl {

class Hote_Recherche;
class Libelle_Colonnes;
class Modele_Lignes;

// Finds entries of the main list by part of station A's callsign, by date or by station A's
// department; a double click on a result selects its entry in the main list.
class Recherche_Indicatif final : public QWidget {
    Q_OBJECT
public:
    Recherche_Indicatif(const Services& services, Hote_Recherche& hote, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Recherche_Indicatif)

    const Modele_Lignes& Resultats() const { return *resultats_; }

private:
    void Form_Load();
    int Indica_KeyPress(int code);
    int Data_KeyPress(int code);
    int Depa_KeyPress(int code);
    void Recherche_QSO();
    void QSO_Effectues_DblClick();
    Critere Critere_Choisi() const;
    QLineEdit* Boite(Critere critere) const;

    const Services& services_;
    Hote_Recherche& hote_;
    Modele_Lignes* resultats_;

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    std::array<QRadioButton*, 3> Option1{};
    QButtonGroup* options_;
    QLineEdit* Indica;
    QLineEdit* Data;
    QLineEdit* Depa;
    QLabel* Label3;
    Libelle_Colonnes* Label13;
    QListView* QSO_Effectues;
    QPushButton* Command1;
};

} // namespace swl
