// "Afficher → Diplômes": how far the listener stands on the awards he chases.
#pragma once

#include "core/log/fichier_log.h"
#include "core/reports/diplomes.h"
#include "platform/services.h"
#include "views/fond_carte.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace swl {

class Modele_Grille_Diplome;
class Modele_Detail_Diplome;

// The award chosen (DDFM, countries, WAC) for a band scope and a mode group: the totals and the
// next threshold, the grid of its elements against the bands, the department map coloured
// three ways, the QSOs of the element clicked (those that count, the one kept for the claim,
// those that do not and why), and "Liste pour la demande…" (PDF and CSV). Follows the log.
class Fenetre_Diplomes final : public QWidget {
    Q_OBJECT
public:
    Fenetre_Diplomes(const Services& services, std::function<const Lignes_Log&()> journal,
                     std::function<QString()> indicatif, QWidget* parent = nullptr);
    ~Fenetre_Diplomes() override;
    Q_DISABLE_COPY_MOVE(Fenetre_Diplomes)

    // The log changed: everything is counted again.
    void Journal_Change();
    const Comptes_Diplomes& Comptes() const { return comptes_; }
    Filtre_Diplome Filtre() const;
    Diplome Diplome_Choisi() const;

    static const QColor Couleur_Confirme;
    static const QColor Couleur_Entendu;
    static const QColor Couleur_Manquant;

private:
    void Recompte();
    void Remplit_Bandes();
    void Affiche();
    void Affiche_Carte();
    void Montre_Element(int element);
    void Montre_Sans_Element();
    void Reglage_Change();
    void Demande_Click();
    Reglage_Diplomes Reglage() const;

    const Services& services_;
    std::function<const Lignes_Log&()> journal_;
    std::function<QString()> indicatif_;
    Comptes_Diplomes comptes_;
    int element_ = -1; // the element whose QSOs are shown, -1: those counting for none
    bool en_remplissage_ = false;

    QComboBox* Choix_Diplome;
    QComboBox* Choix_Bandes;
    QComboBox* Choix_Mode;
    QComboBox* Choix_Montres;
    QCheckBox* Station_B;
    QCheckBox* En_France;
    QLabel* Avancement;
    QLabel* Cinq_Bandes;
    QLabel* Lignes_Illisibles;
    QTabWidget* Onglets_Diplome;
    QTableView* Grille;
    Fond_Carte carte_;
    QLabel* Titre_Detail;
    QTableView* Detail;
    QPushButton* Sans_Element;
    QPushButton* Demande;
    QPushButton* Fermer_Diplomes;
    Modele_Grille_Diplome* grille_;
    Modele_Detail_Diplome* detail_;
};

} // namespace swl
