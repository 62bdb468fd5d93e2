#pragma once

#include "platform/services.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QSortFilterProxyModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace swl {

class Connexion_Cluster;
class Hote_Cluster;
class Modele_Spots;
class Navigateur;

// The DX cluster: the statistics page of a band in the embedded browser, and the live spots
// of a cluster node, filtered by the same band; a double click on a spot hands its callsign
// and band to the entry form.
class Cluster final : public QWidget {
    Q_OBJECT
public:
    // `indicatif`: the current station, read at each display and connection.
    Cluster(const Services& services, std::function<QString()> indicatif, Hote_Cluster& hote,
            QWidget* parent = nullptr);
    ~Cluster() override;
    Q_DISABLE_COPY_MOVE(Cluster)

    Connexion_Cluster& Connexion() { return *connexion_; }
    // The log changed: every spot marked again.
    void Journal_Change();
    const Modele_Spots& Spots() const { return *spots_; }

private:
    void Form_Load();
    void Affiche_Cluster();
    void Afficher_Click();
    void Connecte_Click();
    void Commande_Entree();
    void Lignes_Recues(const QStringList& lignes);
    void Spot_DblClick(const QModelIndex& index);
    QString Section_Station() const;

    const Services& services_;
    std::function<QString()> indicatif_;
    Hote_Cluster& hote_;
    Modele_Spots* spots_;
    QSortFilterProxyModel* filtre_manque_;
    Connexion_Cluster* connexion_;

    QGroupBox* Frame1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* Bande_CL;
    QPushButton* Afficher;
    QTabWidget* Onglets;
    Navigateur* WebBrowser1;
    QLabel* Label1;
    QLineEdit* Noeud;
    QLineEdit* Port;
    QPushButton* Connecte;
    QLabel* Etat_Cluster;
    QTableView* Table_Spots;
    QCheckBox* Manque_Seulement;
    QPlainTextEdit* Journal_Noeud;
    QLineEdit* Commande;
};

} // namespace swl
