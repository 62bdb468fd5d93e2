// The main window.
#pragma once

#include "main/historique_journal.h"
#include "main/hote_formulaire.h"

#include "core/log/difference_journal.h"
#include "core/log/doublons.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "platform/services.h"
#include "radio/hote_qso_entendus.h"
#include "station/hote_station.h"
#include "views/hote_cluster.h"
#include "views/hote_recherche.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QListView;
class QMenu;

namespace swl {

class Libelle_Colonnes;
class Carte;
class Cluster;
class Liste_QSO;
class Recherche_Indicatif;
class Select_QSO;
class Modele_Liste_SWL;
class Station;
class Fenetre_Sauvegardes;
class Fenetre_Recepteur;
class Fenetre_QSO_Entendus;
class Fenetre_Statistiques;
class Fenetre_Pays;
class Fenetre_Diplomes;
class Fenetre_Alertes;
class Fenetre_Indicatifs;
class Fenetre_Guide;
class Fenetre_Enregistrement;
class Fenetre_Enregistrements;
class Rapports_Ecoute;
class Formulaire_Saisie;

// The main window: the menus, the log list, the station and the windows it opens; the entry
// form is a widget of its own. It holds the program-wide state for the whole run: the station
// callsign.
class Main final : public QMainWindow,
                   public Hote_Station,
                   public Hote_Recherche,
                   public Hote_Cluster,
                   public Hote_QSO_Entendus,
                   public Hote_Formulaire,
                   public Historique_Journal::Hote {
    Q_OBJECT
public:
    explicit Main(const Services& services, QWidget* parent = nullptr);
    ~Main() override;
    Q_DISABLE_COPY_MOVE(Main)

    // The start-up sequence. Stops early when the log cannot be loaded.
    void Form_Load();

    // Empties the list and fills it from the station's log. False when the program cannot
    // go on: the missing-log window was shown, or an error message that ends the program.
    bool Charge_Log() override;

    QString Indicatif_Station() const override { return indicatif_station_; }
    void Fixe_Indicatif_Station(const QString& indicatif) override;
    void Selectionne_Bande_Mode() override;

    // Resets the entry form for a new QSO.
    void Init_Saisie();
    // Selects a list line as a click does (nothing when the list is empty).
    void Selectionne_Ligne(int index) override;
    const Lignes_Log& Lignes_Liste() const override;
    bool Prend_Spot(const QString& indicatif, const QString& bande) override;
    bool Accorde_Recepteur(double khz) override;
    bool Prend_QSO_Entendu(const Fiche_QSO& fiche, qint64 debut_ms, qint64 fin_ms) override;
    QString Texte_Saisie_En_Cours() const override;
    std::optional<Bilan_Ajout> Enregistre_QSO_Entendus(const QList<QByteArray>& lignes) override;
    void Selectionne_Derniere_Ligne() override;

    const Modele_Liste_SWL& Modele() const { return *modele_; }
    Historique_Journal& Historique_Changements() { return *historique_; }

    // What the history of the log's changes and the entry form ask.
    Fichier_Log Journal() const override { return Log(); }
    bool Saisie_En_Cours() const override;
    void Recharge_Et_Selectionne(int index) override;
    // The day's backup of the log, before its first change of the day. A backup that cannot
    // be made never stops the change: one message a run says so.
    void Avant_Changement() override;
    void Ajoute_Etape(const QString& nom, Trace_Journal trace) override;

Q_SIGNALS:
    // The list was read again from the log: the windows that show the log follow it.
    void Journal_Recharge();

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    // The window's place and size kept for the next start, and taken back at start.
    void Retient_Geometrie();
    void Reprend_Geometrie();
    void Construit_Controles();
    void Construit_Menus();
    Fichier_Log Log() const;
    // The stored callsign, or "FXXXX" when it is missing or one the station window would refuse.
    QString Indicatif_Stocke();
    QString Section_Station() const;
    void Liste_SWL_Click();

    // The windows it opens, and the log's changes from files.
    void Montre_Station();
    void Montre_Cluster();
    void Montre_Recherche();
    void Mnu_Importer_Click();
    void Mnu_Sauvegardes_Click();
    void Mnu_Recepteur_Click();
    void Mnu_QSO_FT8_Click();
    void Mnu_Statistiques_Click();
    void Mnu_Diplomes_Click();
    void Mnu_Alertes_Click();
    void Mnu_Fichier_Indicatifs_Click();
    void Mnu_Fichier_Pays_Click();
    void Mnu_Enregistrement_Click();
    void Mnu_Rapports_Click();
    void Mnu_Confirmations_Click();
    // Ticks the QSL box of these QSOs as one step undo takes back (the day's copy first);
    // false, said why, when a QSO is being typed or the log cannot be written.
    bool Confirme_QSO(const QList<int>& lignes, bool copie_avant);
    // "Afficher → Enregistrements", a clip chosen (and played) when one is named.
    void Montre_Enregistrements(const QString& fichier = {}, bool joue = false);
    void Liste_SWL_Menu(const QPoint& ou);
    // What follows the log beside it (the clips) after a change read from the file.
    void Suit_Fichiers_Du_Journal();
    // Says once a run that no backup could be made.
    void Sauvegarde_Impossible(const Resultat& r);

    const Services& services_;
    QString indicatif_station_;
    QPointer<Station> station_;
    QPointer<Carte> carte_;
    QPointer<Cluster> cluster_;
    QPointer<Recherche_Indicatif> recherche_;
    QPointer<Liste_QSO> liste_qso_;
    QPointer<Select_QSO> select_qso_;
    QPointer<Fenetre_Sauvegardes> sauvegardes_;
    QPointer<Fenetre_Recepteur> fenetre_recepteur_;
    QPointer<Fenetre_QSO_Entendus> qso_entendus_;
    QPointer<Fenetre_Statistiques> statistiques_;
    QPointer<Fenetre_Pays> fenetre_pays_;
    QPointer<Fenetre_Diplomes> diplomes_;
    QPointer<Fenetre_Alertes> alertes_;
    QPointer<Fenetre_Indicatifs> fenetre_indicatifs_;
    QPointer<Fenetre_Guide> guide_;
    QPointer<Fenetre_Enregistrement> enregistrement_;
    QPointer<Fenetre_Enregistrements> enregistrements_;
    QPointer<Rapports_Ecoute> rapports_;
    Suivi_Journal suivi_;
    bool sauvegarde_impossible_dite_ = false;
    Modele_Liste_SWL* modele_;
    Historique_Journal* historique_;

    Formulaire_Saisie* Frame3;
    QListView* Liste_SWL;
    Libelle_Colonnes* Label_Liste_QSO;
    QLabel* L_Communes;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLabel* I_Station;

    QMenu* Mnu_Fichier;
    QMenu* Mnu_Edition;
    QAction* Mnu_Exporter;
    QAction* Mnu_Importer;
    QAction* Mnu_Sauvegardes;
    QAction* Mnu_Rapports;
    QAction* Mnu_Confirmations;
    QAction* Mnu_Quitter;
    QMenu* Mnu_Date;
    QAction* Mnu_Date_Auto;
    QAction* Mnu_Date_Man;
    QMenu* Mnu_Station;
    QAction* Mnu_New_Indicatif;
    QAction* Mnu_Recepteur;
    QMenu* Mnu_Afficher;
    QAction* Mnu_Liste_QSO;
    QAction* Mnu_QSO_FT8;
    QAction* Mnu_Statistiques;
    QAction* Mnu_Diplomes;
    QAction* Mnu_Fichier_Pays;
    QAction* Mnu_Alertes;
    QAction* Mnu_Enregistrement;
    QAction* Mnu_Enregistrements;
    QAction* Mnu_Fichier_Indicatifs;
    QMenu* Mnu_Carte;
    QAction* Mnu_Carte_HB;
    QAction* Mnu_Print_QSL;
    QMenu* Mnu_Aide;
    QAction* Mnu_Guide;
    QAction* Mnu_Historique;
    QAction* Mnu_A_Propos;
};

} // namespace swl
