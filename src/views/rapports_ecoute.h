// "Fichier → Rapports d'écoute…": every station heard, where its report stands; the one chosen
// with its QSOs in runs, a report of the QSOs ticked sent on a card, a label, by e-mail or for
// eQSL, marked sent, and the QSL received. Follows the log.
#pragma once

#include "core/log/fichier_log.h"
#include "core/qsl/formes_rapport.h"
#include "core/qsl/magasin_rapports.h"
#include "core/qsl/rapports.h"
#include "platform/services.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTreeView;

namespace swl {

class Modele_Stations;
class Filtre_Stations;

class Rapports_Ecoute final : public QWidget {
    Q_OBJECT
public:
    // `confirme`: ticks the QSL box of these QSOs as one step undo takes back; false when the
    // log cannot be changed now (the user was told why).
    Rapports_Ecoute(const Services& services, std::function<const Lignes_Log&()> journal,
                    std::function<QString()> indicatif, std::function<bool(const QList<int>&)> confirme,
                    QWidget* parent = nullptr);
    ~Rapports_Ecoute() override;
    Q_DISABLE_COPY_MOVE(Rapports_Ecoute)

    void Journal_Change();
    // The station shown, by callsign.
    void Choisit(const QString& indicatif);

private:
    void Liste_Stations();
    void Montre_Station();
    QList<Qso_Station> Qso_Coches() const;
    Rapport Rapport_Coche() const;
    Station_Rapport Moi() const;
    void Carte_Click();
    void Etiquette_Click();
    void Courriel_Click();
    void EQSL_Click();
    void Envoye_Click();
    void Recu_Click();
    QStringList Cles_Cochees() const;
    // The file a form of the report goes to ("<debut><station><extension>" proposed), or empty.
    QString Fichier_Du_Rapport(const Rapport& r, const QString& titre, const QString& debut,
                               const QString& extension, const QString& filtre);
    void Ecrit_Pdf(const QString& chemin, const QList<Page_Document>& pages, const QString& quoi,
                   const QString& echec);
    void Dit(const QString& texte);

    const Services& services_;
    std::function<const Lignes_Log&()> journal_;
    std::function<QString()> indicatif_;
    std::function<bool(const QList<int>&)> confirme_;
    std::unique_ptr<Magasin_Rapports> magasin_;
    int chargements_ = 0; // the store and the log read again, since the window opened
    QString station_;
    QList<Qso_Station> qso_station_;
    bool en_remplissage_ = false;

    QLineEdit* Cherche_Station;
    QCheckBox* A_Envoyer;
    QLabel* Nombre_Stations;
    QTableView* Liste_Stations_Entendues;
    Modele_Stations* stations_;
    Filtre_Stations* filtre_;
    QLabel* Titre_Station;
    QTreeView* Series_Station;
    QStandardItemModel* series_;
    QLabel* Avertissement_Serie;
    QCheckBox* Quatre_Cartes;
    QPushButton* Carte_PDF;
    QPushButton* Etiquette_PDF;
    QPushButton* Courriel_Rapport;
    QPushButton* ADIF_EQSL;
    QComboBox* Voie_Envoi;
    QPushButton* Marque_Envoye;
    QPushButton* Marque_Recu;
    QLabel* Etat_Rapports;
    QPushButton* Fermer_Rapports;
};

} // namespace swl
