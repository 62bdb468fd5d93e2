#pragma once

#include "main/historique_journal.h"

#include "core/log/controles_saisie.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/radio/recepteur.h"
#include "platform/services.h"
#include "radio/hote_qso_entendus.h"
#include "station/hote_station.h"
#include "views/hote_cluster.h"
#include "views/hote_recherche.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QTimer;

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

// The main window: the entry form, the log list and the menus. It holds the program-wide
// state for the whole run: the station callsign and the entry mode.
class Main final : public QMainWindow,
                   public Hote_Station,
                   public Hote_Recherche,
                   public Hote_Cluster,
                   public Hote_QSO_Entendus,
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
    bool Prend_QSO_Entendu(const Fiche_QSO& fiche) override;
    std::optional<Bilan_Ajout> Enregistre_QSO_Entendus(const QList<QByteArray>& lignes) override;
    void Selectionne_Derniere_Ligne();

    const Modele_Liste_SWL& Modele() const { return *modele_; }
    Historique_Journal& Historique_Changements() { return *historique_; }

    // What the history of the log's changes asks.
    Fichier_Log Journal() const override { return Log(); }
    bool Saisie_En_Cours() const override;
    void Recharge_Et_Selectionne(int index) override;
    // The day's backup of the log, before its first change of the day. A backup that cannot
    // be made never stops the change: one message a run says so.
    void Avant_Changement() override;

Q_SIGNALS:
    // The list was read again from the log: the windows that show the log follow it.
    void Journal_Recharge();

private:
    void Construit_Controles();
    void Construit_Menus();
    Fichier_Log Log() const;
    // The stored callsign, or "FXXXX" when it is missing or one the station window would refuse.
    QString Indicatif_Stocke();
    QString Section_Station() const;
    void Montre_Station();
    void Mnu_Importer_Click();
    void Mnu_Sauvegardes_Click();
    // Says once a run that no backup could be made.
    void Sauvegarde_Impossible(const Resultat& r);
    // The entry form waits for a new QSO: nothing typed, shown or being edited.
    bool Saisie_Au_Repos() const;

    // The receiver: its frequency beside the clock; band and mode follow it while a new QSO
    // is typed or awaited, each when the receiver's own value changes.
    void Suit_Recepteur(const Lecture_Recepteur& lecture);
    void Applique_Recepteur(bool bande, bool mode);
    void Statut_Recepteur(const QString& statut);
    void Mnu_Recepteur_Click();
    void Mnu_QSO_FT8_Click();
    void Mnu_Statistiques_Click();
    void Mnu_Fichier_Pays_Click();

    // Clock and date mode.
    void Timer1_Timer();
    void Mnu_Date_Auto_Click();
    void Mnu_Date_Man_Click();

    // Entry field rules: each field's key handler, and Enter walking the chain.
    void Installe_Regles_Saisie();
    int KeyPress(QWidget* champ, int code);
    void Entree(QWidget* champ);
    bool Refuse(Champ_Saisie champ, const QString& texte);
    void Passe_A(QWidget* champ, QWidget* suivant);
    void Ecrit_Position(QComboBox* combo, const QString& cle);
    // The list position of the combo box to remember under `cle`, unless it is stored already.
    std::optional<QString> Position_A_Retenir(const QComboBox* combo, const QString& cle) const;
    void Cherche_Prenom_A();
    void Cherche_Dpt_B();
    // The country of what `champ` holds, in `pays`.
    void Affiche_Pays(QLabel* pays, const QString& legende, const QString& indicatif);

    // Saving.
    void Valide_A_Click();
    bool Enregistre();
    void Remet_En_Attente();
    // Disabled, in the rest colour.
    void Au_Repos(std::initializer_list<QWidget*> champs);
    // The first field emptied, expecting input, with the focus.
    void Attend_Ind_A();
    Fiche_QSO Fiche_Du_Formulaire() const;
    // After a change of the log: the list read again and its last entry selected. On
    // failure the message, and nothing else changes.
    bool Apres_Changement(const Resultat& resultat);

    // List editing.
    // Shows a list line in the fields. `colonnes_entieres`: station A's callsign, department,
    // report, first name and QTH keep their full column width (editing), else are trimmed.
    void Affiche_Ligne(const QString& ligne, bool colonnes_entieres);
    void Liste_SWL_Click();
    void Liste_SWL_DblClick();
    void Annule_Saisie_Click();
    void Ajout_QSO_Click();

    const Services& services_;
    QString indicatif_station_;
    QString ligne_selectionnee_;
    bool modif_en_cours_ = false;
    bool insertion_en_cours_ = false;
    bool liste_bloquee_ = false;
    QString spot_pris_; // the callsign a cluster spot put in the form last
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
    bool entendu_pris_ = false;         // the form holds a heard QSO: saved at its date and time
    Lecture_Recepteur recepteur_suivi_; // the receiver's last frequency and mode
    bool sauvegarde_impossible_dite_ = false;
    Modele_Liste_SWL* modele_;
    Historique_Journal* historique_;

    QGroupBox* Frame3;
    QLineEdit* Ind_A;
    QLineEdit* Dpt_A;
    QLineEdit* RST_A;
    QLineEdit* Prenom_A;
    QLineEdit* Rem_A;
    QLineEdit* Ind_B;
    QLineEdit* Dpt_B;
    QLineEdit* RST_B;
    QLineEdit* Date_A;
    QLineEdit* Heure_A;
    QComboBox* Mode_A;
    QComboBox* Bande_A;
    QCheckBox* QSL_A;
    QLabel* Pays_A;
    QLabel* Pays_B;
    QLabel* Label10;
    QLabel* Mode_Aff;
    QPushButton* Valide_A;
    QPushButton* Efface_A;
    QPushButton* Annule_Saisie;
    QPushButton* Ajout_QSO;
    QPushButton* Rechercher;
    QPushButton* Command1;
    QListView* Liste_SWL;
    Libelle_Colonnes* Label_Liste_QSO;
    QLabel* L_Communes;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLabel* I_Station;
    QGroupBox* Frame2;
    QLabel* Label37;
    QLabel* Label34;
    QLabel* Frequence_Recepteur;
    QGroupBox* Frame7;
    QLabel* Label33;
    QTimer* Timer1;

    QMenu* Mnu_Fichier;
    QMenu* Mnu_Edition;
    QAction* Mnu_Exporter;
    QAction* Mnu_Importer;
    QAction* Mnu_Sauvegardes;
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
    QAction* Mnu_Fichier_Pays;
    QMenu* Mnu_Carte;
    QAction* Mnu_Carte_HB;
    QAction* Mnu_Print_QSL;
    QMenu* Mnu_Aide;
    QAction* Mnu_Historique;
    QAction* Mnu_A_Propos;
};

} // namespace swl
