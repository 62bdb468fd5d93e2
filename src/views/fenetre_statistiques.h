#pragma once

#include "core/log/fichier_log.h"
#include "core/reports/statistiques.h"
#include "platform/services.h"

#include <QWidget>

#include <functional>

class QChartView;
class QImage;
class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace swl {

// The chart shown in a view, whole, at twice its size (what "Enregistrer le graphique…" writes).
QImage Image_Graphique(QChartView* vue);

// "Afficher → Statistiques": the log in figures — totals, countries heard, French departments
// heard — and in charts — QSOs per year by band, per hour of the day, the share of each mode —
// for the whole log or one band, mode, station and years. Follows the log while open.
class Fenetre_Statistiques final : public QWidget {
    Q_OBJECT
public:
    Fenetre_Statistiques(const Services& services, std::function<const Lignes_Log&()> journal,
                         QWidget* parent = nullptr);
    ~Fenetre_Statistiques() override;
    Q_DISABLE_COPY_MOVE(Fenetre_Statistiques)

    // The log changed: everything is counted again.
    void Journal_Change();
    const Statistiques& Chiffres() const { return chiffres_; }
    Filtre_Statistiques Filtre() const;

private:
    void Recalcule();
    void Remplit_Annees();
    void Affiche_Tables();
    void Affiche_Graphiques();
    void Enregistrer_Graphique_Click();
    void Exporter_Tableaux_Click();
    // Writes `octets` where the user chose, then says `fait` (with the file's name) or
    // `pas_fait` and why.
    void Ecrit(const QString& chemin, const QByteArray& octets, const QString& fait, const QString& pas_fait);

    const Services& services_;
    std::function<const Lignes_Log&()> journal_;
    Statistiques chiffres_;
    bool en_remplissage_ = false;

    QComboBox* Filtre_Bande;
    QComboBox* Filtre_Mode;
    QComboBox* Filtre_Station;
    QComboBox* Annee_De;
    QComboBox* Annee_A;
    QLabel* Message_Pays;
    QTabWidget* Onglets_Statistiques;
    QTableView* Table_Totaux;
    QTableView* Table_Pays;
    QTableView* Table_Departements;
    QTabWidget* Onglets_Graphiques;
    QChartView* Graphique_Annees_Vue;
    QChartView* Graphique_Heures_Vue;
    QChartView* Graphique_Modes_Vue;
    QPushButton* Enregistrer_Graphique;
    QPushButton* Exporter_Tableaux;
    QPushButton* Fermer_Statistiques;
    QStandardItemModel* totaux_;
    QStandardItemModel* pays_;
    QStandardItemModel* departements_;
};

} // namespace swl
