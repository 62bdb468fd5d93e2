// "Station → Enregistrement…": recording the receiver's audio — the sound server's source (a
// sound card's input, or the monitor of the output where an SDR program plays), on or off, and
// how much to keep before a QSO; or the SDR program's own recorder (GQRX, SDR++) and the folder
// of its files.
#pragma once

#include "platform/services.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace swl {

class Fenetre_Enregistrement final : public QWidget {
    Q_OBJECT
public:
    explicit Fenetre_Enregistrement(const Services& services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Fenetre_Enregistrement)

    // The sources listed (off the interface thread: a sound server that never answers freezes
    // nothing); true once the list is in.
    bool Sources_Lues() const { return sources_lues_; }

private:
    void Liste_Sources();
    void Applique();
    void Affiche_Statut(const QString& statut);
    void Choisit_Dossier();

    const Services& services_;
    bool sources_lues_ = false;
    bool en_remplissage_ = false;
    QCheckBox* Enregistrement_Actif;
    QComboBox* Source_Son;
    QSpinBox* Avant_Son;
    QLabel* Etat_Enregistrement;
    QLabel* Dossier_Enregistrements;
    QPushButton* Actualise_Sources;
    QCheckBox* Enregistreur_SDR;
    QLineEdit* Dossier_SDR;
    QPushButton* Choisit_Dossier_SDR;
    QPushButton* Fermer_Enregistrement;
};

} // namespace swl
