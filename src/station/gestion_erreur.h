#pragma once

#include "platform/services.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace swl {

// Shown when the log of the stored callsign is missing: names the missing file and lets
// the user forget the callsign, so that the next start asks for one again.
class Gestion_Erreur final : public QDialog {
    Q_OBJECT
public:
    explicit Gestion_Erreur(const Services& services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Gestion_Erreur)

    // The end of the missing file's name, beside the callsign.
    void Fixe_Err_Departement(const QString& texte);

private:
    void Form_Load();

    const Services& services_;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Ind_Station;
    QLabel* Label6;
    QLabel* Ind_Station1;
    QLabel* Err_Departement;
    QLabel* Label7;
    QLabel* Label1;
    QLabel* Label9;
    QPushButton* Initialisation;
    QPushButton* Quitter;
};

} // namespace swl
