// The entry form of the main window, a widget of its own.
#pragma once

#include "core/base/resultat.h"
#include "core/log/controles_saisie.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/radio/recepteur.h"
#include "platform/services.h"

#include <QGroupBox>

#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace swl {

class Hote_Formulaire;
class Completion_Indicatifs;

// The entry form: its fields and buttons, their rules on each key and on Enter, the
// first-name lookups, the clock and date it copies, saving, editing and inserting an entry,
// the entry mode, and following the receiver.
class Formulaire_Saisie final : public QGroupBox {
    Q_OBJECT
public:
    Formulaire_Saisie(const Services& services, Hote_Formulaire& hote, QWidget* parent);
    Q_DISABLE_COPY_MOVE(Formulaire_Saisie)

    // The frames of the clock (with the receiver's frequency) and of the UTC date, which the
    // main window places beside the station.
    QGroupBox* Cadre_Horloge() const { return Frame2; }
    QGroupBox* Cadre_Date() const { return Frame7; }
    // The list of the callsigns known, which the main window places under the form.
    Completion_Indicatifs* Indicatifs_Connus() const { return completion_; }
    // What the form holds being typed, for a refusal: "la modification du QSO de F5ABC"…
    QString Texte_Saisie_En_Cours() const;
    // The date-mode items of the main window's menu "Date", which the form follows.
    void Prend_Menu_Date(QAction* automatique, QAction* manuelle);

    // The band and mode lists filled, the station's date mode read: the start-up's part.
    void Remplit_Listes();
    void Lit_Mode_Date();
    // The window shown: the clock runs and the first field takes the typing.
    void Demarre();
    // The list was read again: the first field takes typing, the callsigns known follow.
    void Apres_Chargement(const Lignes_Log& journal);

    // Resets the form for a new QSO.
    void Init_Saisie();
    // Selects the station's remembered band and mode.
    void Selectionne_Bande_Mode();
    // A list line clicked (shown, nothing editable) and double-clicked (edited).
    void Montre_Ligne(const QString& ligne);
    void Edite_Ligne();

    // The form waits for a new QSO: nothing typed, shown or being edited.
    bool Saisie_Au_Repos() const;
    // A QSO is being typed or edited.
    bool Saisie_En_Cours() const;
    QString Indicatif_A() const;

    bool Prend_Spot(const QString& indicatif, const QString& bande);
    bool Prend_QSO_Entendu(const Fiche_QSO& fiche, std::optional<std::pair<qint64, qint64>> plage_ms = {});
    // The clip of the QSO shown, to listen to: "Écouter" beside the form.
    QString Fichier_Clip_Montre() const { return clip_montre_; }
    // The country labels read again (another country file).
    void Actualise_Pays();

Q_SIGNALS:
    // "Rechercher un QSO" and "Cluster": windows the main window opens.
    void Recherche_Demandee();
    void Cluster_Demande();
    // "Écouter": the clip of the QSO shown (its folder and file name).
    void Ecoute_Demandee(const QString& dossier, const QString& fichier);

private:
    void Construit_Controles();
    void Installe_Regles_Saisie();
    QString Section_Station() const;
    bool Date_Automatique() const;

    // Clock and date mode.
    void Timer1_Timer();
    void Mnu_Date_Auto_Click();
    void Mnu_Date_Man_Click();

    // What a field holds: a line's text, a combo box's current text.
    static QString Texte(const QWidget* champ);

    // Entry field rules: each field's key handler, and Enter walking the chain.
    int KeyPress(QWidget* champ, int code);
    void Entree(QWidget* champ);
    bool Refuse(Champ_Saisie champ, const QString& texte);
    void Passe_A(QWidget* champ, QWidget* suivant);
    void Ecrit_Position(QComboBox* combo, const QString& cle);
    // The list position of the combo box to remember under `cle`, unless it is stored already.
    std::optional<QString> Position_A_Retenir(const QComboBox* combo, const QString& cle) const;
    void Cherche_Prenom_A();
    // Whether a spot or a heard QSO may go into the form (a QSO only shown is put aside).
    bool Libre_Pour_Un_QSO();
    void Cherche_Dpt_B();
    // The country of what `champ` holds, in `pays`.
    void Affiche_Pays(QLabel* pays, const QString& legende, const QString& indicatif);

    // Saving, editing, deleting, inserting.
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
    // Shows a list line in the fields. `colonnes_entieres`: station A's callsign, department,
    // report, first name and QTH keep their full column width (editing), else are trimmed.
    void Affiche_Ligne(const QString& ligne, bool colonnes_entieres);
    void Annule_Saisie_Click();
    void Ajout_QSO_Click();

    // The receiver: its frequency beside the clock; band and mode follow it while a new QSO
    // is typed or awaited, each when the receiver's own value changes.
    void Suit_Recepteur(const Lecture_Recepteur& lecture);
    void Applique_Recepteur(bool bande, bool mode);
    void Statut_Recepteur(const QString& statut);

    const Services& services_;
    Hote_Formulaire& hote_;
    QString ligne_selectionnee_;
    bool modif_en_cours_ = false;
    bool insertion_en_cours_ = false;
    bool liste_bloquee_ = false;
    QString spot_pris_;         // the callsign a cluster spot put in the form last
    bool entendu_pris_ = false; // the form holds a heard QSO: saved at its date and time
    // The callsign last taken from "Indicatifs connus" into a field, with the department its row
    // showed: given when the first-name directory has none.
    struct Indicatif_Pris {
        const QLineEdit* champ = nullptr;
        QString indicatif;
        QString departement;
    } pris_;
    // The receiver's audio kept with a QSO saved: from the pre-roll before the first character
    // typed in Ind_A (UTC, ms; 0: none typed yet), or a heard QSO's decodes, to the save.
    qint64 premier_caractere_ms_ = 0;
    std::optional<std::pair<qint64, qint64>> plage_entendue_ms_;
    QString clip_montre_; // the file of the clip of the QSO shown, or empty
    void Note_Premier_Caractere();
    void Oublie_Premier_Caractere();
    void Enregistre_Clip_Du_QSO(const QString& ligne);
    void Montre_Clip(const QString& ligne);
    QString Dossier_Clips_Station() const;
    Lecture_Recepteur recepteur_suivi_; // the receiver's last frequency and mode
    QAction* Mnu_Date_Auto = nullptr;
    QAction* Mnu_Date_Man = nullptr;

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
    QPushButton* Ecouter_QSO;
    QGroupBox* Frame2;
    QLabel* Label37;
    QLabel* Label34;
    QLabel* Frequence_Recepteur;
    QGroupBox* Frame7;
    QLabel* Label33;
    QTimer* Timer1;
    Completion_Indicatifs* completion_;
};

} // namespace swl
