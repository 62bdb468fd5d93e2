// The entry form: its controls, the clock, the date mode and its state.
#include "main/formulaire_saisie.h"

#include "core/countries/pays.h"
#include "core/log/liste_prenom.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "main/completion_indicatifs.h"
#include "main/hote_formulaire.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/recepteur.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QLineEdit* Champ(QWidget* parent, const QString& nom, int caracteres) {
    auto* c = Nomme(new QLineEdit(parent), nom);
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(QString(caracteres, u'N')) + 12);
    return c;
}

// A caption above its field.
QVBoxLayout* Avec_Libelle(const QString& libelle, QWidget* champ) {
    auto* l = new QVBoxLayout;
    l->setSpacing(2);
    auto* legende = new QLabel(libelle);
    legende->setBuddy(champ);
    l->addWidget(legende);
    l->addWidget(champ);
    return l;
}

QPushButton* Bouton(QWidget* parent, const QString& nom, const QString& texte) {
    auto* b = Nomme(new QPushButton(texte, parent), nom);
    // Enter presses the button that has the focus: the form is walked from the keyboard.
    b->setAutoDefault(true);
    return b;
}

} // namespace

QString Formulaire_Saisie::Texte(const QWidget* champ) {
    if (const auto* edition = qobject_cast<const QLineEdit*>(champ)) {
        return edition->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(champ)) {
        return combo->currentText();
    }
    return {};
}

Formulaire_Saisie::Formulaire_Saisie(const Services& services, Hote_Formulaire& hote, QWidget* parent)
    : QGroupBox(u"Saisie ou modification d'un QSO"_s, parent), services_(services), hote_(hote) {
    setObjectName(u"Frame3"_s);
    Construit_Controles();
    Installe_Regles_Saisie();
    if (services_.recepteur) {
        connect(services_.recepteur, &Recepteur::Lecture, this, &Formulaire_Saisie::Suit_Recepteur);
        connect(services_.recepteur, &Recepteur::Statut_Change, this, &Formulaire_Saisie::Statut_Recepteur);
        Statut_Recepteur(services_.recepteur->Statut());
        Suit_Recepteur(services_.recepteur->Derniere_Lecture());
    }
}

void Formulaire_Saisie::Construit_Controles() {
    // The clock and the date: placed by the main window beside the station.
    Frame2 = Nomme(new QGroupBox(this), u"Frame2"_s);
    Label37 = Nomme(new QLabel(u"00:00 Utc"_s, Frame2), u"Label37"_s);
    Label34 = Nomme(new QLabel(u"00:00 Loc"_s, Frame2), u"Label34"_s);
    QFont gras = Label37->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    Label37->setFont(gras);
    Label34->setFont(gras);
    // The receiver's frequency, shown only when a receiver is chosen.
    Frequence_Recepteur = Nomme(new QLabel(Frame2), u"Frequence_Recepteur"_s);
    Frequence_Recepteur->setFont(gras);
    Frequence_Recepteur->setVisible(false);
    // Its gap from the local time is its own: hidden, it takes no room.
    Frequence_Recepteur->setContentsMargins(16, 0, 0, 0);
    auto* l2 = new QHBoxLayout(Frame2);
    l2->addWidget(Label37);
    l2->addSpacing(16);
    l2->addWidget(Label34);
    l2->addWidget(Frequence_Recepteur);

    Frame7 = Nomme(new QGroupBox(this), u"Frame7"_s);
    Label33 = Nomme(new QLabel(u"00/00/00"_s, Frame7), u"Label33"_s);
    Label33->setFont(gras);
    (new QHBoxLayout(Frame7))->addWidget(Label33);

    Ind_A = Champ(this, u"Ind_A"_s, 12);
    Dpt_A = Champ(this, u"Dpt_A"_s, 2);
    RST_A = Champ(this, u"RST_A"_s, 3);
    Prenom_A = Champ(this, u"Prenom_A"_s, 15);
    Rem_A = Champ(this, u"Rem_A"_s, 24);
    Ind_B = Champ(this, u"Ind_B"_s, 12);
    Dpt_B = Champ(this, u"Dpt_B"_s, 2);
    RST_B = Champ(this, u"RST_B"_s, 3);
    Date_A = Champ(this, u"Date_A"_s, 8);
    Heure_A = Champ(this, u"Heure_A"_s, 5);
    Mode_A = Nouvelle_Combo_Editable(this, u"Mode_A"_s);
    Bande_A = Nouvelle_Combo_Editable(this, u"Bande_A"_s);
    QSL_A = Nomme(new QCheckBox(this), u"QSL_A"_s);
    QSL_A->setEnabled(false);
    // The country of each callsign typed, in the room the buttons' column leaves under the fields.
    Pays_A = Nomme(new QLabel(this), u"Pays_A"_s);
    Pays_B = Nomme(new QLabel(this), u"Pays_B"_s);
    // A long text wraps in its own half, never under its neighbour.
    for (QLabel* pays : {Pays_A, Pays_B}) {
        pays->setTextFormat(Qt::PlainText);
        pays->setWordWrap(true);
        pays->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    Label10 = Nomme(new QLabel(u"Mode de saisie"_s, this), u"Label10"_s);
    Mode_Aff = Nomme(new QLabel(this), u"Mode_Aff"_s);
    Mode_Aff->setFont(gras);
    Valide_A = Bouton(this, u"Valide_A"_s, u"Valider le QSO"_s);
    Efface_A = Bouton(this, u"Efface_A"_s, u"Annuler saisie en cours"_s);
    Annule_Saisie = Bouton(this, u"Annule_Saisie"_s, u"Supprimer un QSO"_s);
    // Shown for a QSO of the log that has a clip.
    Ecouter_QSO = Bouton(this, u"Ecouter_QSO"_s, u"Écouter"_s);
    Ecouter_QSO->setAccessibleName(u"Écouter l'enregistrement du QSO"_s);
    Ecouter_QSO->hide();
    Annule_Saisie->setToolTip(u"Permet d'annuler la saisie d'un Code Postal contacté"_s);
    Ajout_QSO = Bouton(this, u"Ajout_QSO"_s, u"Inserer un QSO"_s);
    Rechercher = Bouton(this, u"Rechercher"_s, u"Rechercher un QSO"_s);
    Command1 = Bouton(this, u"Command1"_s, u"Cluster"_s);

    for (QWidget* c : std::initializer_list<QWidget*>{Ind_A, Dpt_A, RST_A, Prenom_A, Rem_A, Ind_B, Dpt_B,
                                                      RST_B, Date_A, Heure_A, Mode_A, Bande_A}) {
        Fixe_Couleur_Fond(c, Couleur_Repos);
    }
    // What a screen reader says of each field: both stations have a "Dpt" and a "RST".
    const std::pair<QWidget*, QString> noms[] = {{Ind_A, u"Indicatif station A"_s},
                                                 {Dpt_A, u"Département station A"_s},
                                                 {RST_A, u"RST station A"_s},
                                                 {Prenom_A, u"Prénom (optionnel)"_s},
                                                 {Rem_A, u"QTH (optionnel)"_s},
                                                 {Ind_B, u"Indicatif station B"_s},
                                                 {Dpt_B, u"Département station B"_s},
                                                 {RST_B, u"RST station B"_s},
                                                 {Date_A, u"Date"_s},
                                                 {Heure_A, u"Heure UTC"_s},
                                                 {Mode_A, u"Mode"_s},
                                                 {Bande_A, u"Bande"_s},
                                                 {QSL_A, u"QSL"_s},
                                                 {Mode_Aff, u"Mode de saisie"_s},
                                                 {Label37, u"Heure UTC"_s},
                                                 {Label34, u"Heure locale"_s},
                                                 {Label33, u"Date UTC"_s}};
    for (const auto& [controle, nom] : noms) {
        controle->setAccessibleName(nom);
    }

    auto* ligne_a = new QHBoxLayout;
    ligne_a->addLayout(Avec_Libelle(u"Indicatif station A"_s, Ind_A));
    ligne_a->addLayout(Avec_Libelle(u"Dpt"_s, Dpt_A));
    ligne_a->addLayout(Avec_Libelle(u"RST"_s, RST_A));
    ligne_a->addLayout(Avec_Libelle(u"Prénom  (optionnel)"_s, Prenom_A));
    ligne_a->addLayout(Avec_Libelle(u"QTH (optionnel)"_s, Rem_A));
    ligne_a->addStretch();
    auto* ligne_b = new QHBoxLayout;
    ligne_b->addLayout(Avec_Libelle(u"Indicatif station B"_s, Ind_B));
    ligne_b->addLayout(Avec_Libelle(u"Dpt"_s, Dpt_B));
    ligne_b->addLayout(Avec_Libelle(u"RST"_s, RST_B));
    ligne_b->addLayout(Avec_Libelle(u"Date"_s, Date_A));
    ligne_b->addLayout(Avec_Libelle(u"Heure UTC"_s, Heure_A));
    ligne_b->addLayout(Avec_Libelle(u"Mode"_s, Mode_A));
    ligne_b->addLayout(Avec_Libelle(u"Bande"_s, Bande_A));
    ligne_b->addLayout(Avec_Libelle(u"QSL"_s, QSL_A));
    ligne_b->addStretch();
    auto* ligne_pays = new QHBoxLayout;
    for (const auto& [legende, pays] :
         {std::pair{u"Pays A\u00A0:"_s, Pays_A}, std::pair{u"Pays B\u00A0:"_s, Pays_B}}) {
        auto* libelle = new QLabel(legende, this);
        libelle->setBuddy(pays);
        ligne_pays->addWidget(libelle);
        ligne_pays->addWidget(pays, 1);
    }
    auto* saisie = new QVBoxLayout;
    saisie->addLayout(ligne_a);
    saisie->addLayout(ligne_b);
    saisie->addLayout(ligne_pays);
    saisie->addStretch();

    auto* mode = new QHBoxLayout;
    mode->addWidget(Label10);
    mode->addWidget(Mode_Aff);
    mode->addStretch();
    auto* boutons = new QGridLayout;
    boutons->addWidget(Valide_A, 0, 0);
    boutons->addWidget(Efface_A, 0, 1);
    boutons->addWidget(Annule_Saisie, 1, 0);
    boutons->addWidget(Ajout_QSO, 1, 1);
    boutons->addWidget(Rechercher, 2, 0);
    boutons->addWidget(Command1, 2, 1);
    boutons->addWidget(Ecouter_QSO, 3, 0, 1, 2);
    auto* droite = new QVBoxLayout;
    droite->addLayout(mode);
    droite->addLayout(boutons);
    droite->addStretch();
    auto* l3 = new QHBoxLayout(this);
    l3->addLayout(saisie, 1);
    l3->addSpacing(12);
    l3->addLayout(droite);

    Timer1 = Nomme(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(1000);
    completion_ = new Completion_Indicatifs(services_, Ind_A, Ind_B, this);
    connect(completion_, &Completion_Indicatifs::Indicatif_Pris, this,
            [this](QLineEdit* champ, const QString& indicatif, const QString& departement) {
                pris_ = {champ, indicatif, departement};
            });
}

void Formulaire_Saisie::Installe_Regles_Saisie() {
    for (QWidget* champ : std::initializer_list<QWidget*>{Ind_A, Dpt_A, RST_A, Prenom_A, Rem_A, Ind_B, Dpt_B,
                                                          RST_B, Date_A, Heure_A, Mode_A, Bande_A, QSL_A}) {
        Installe_KeyPress(champ, [this, champ](int code) { return KeyPress(champ, code); });
    }
    connect(Timer1, &QTimer::timeout, this, &Formulaire_Saisie::Timer1_Timer);
    connect(Ind_A, &QLineEdit::textChanged, this,
            [this](const QString& t) { Affiche_Pays(Pays_A, u"Pays de la station A"_s, t); });
    connect(Ind_B, &QLineEdit::textChanged, this,
            [this](const QString& t) { Affiche_Pays(Pays_B, u"Pays de la station B"_s, t); });
    Affiche_Pays(Pays_A, u"Pays de la station A"_s, QString());
    Affiche_Pays(Pays_B, u"Pays de la station B"_s, QString());
    // The band and mode of the form change what a callsign would bring.
    for (QComboBox* combo : {Bande_A, Mode_A}) {
        connect(combo, &QComboBox::currentTextChanged, this, [this] {
            if (services_.nouveautes) {
                Actualise_Pays();
            }
        });
    }
    connect(Valide_A, &QPushButton::clicked, this, &Formulaire_Saisie::Valide_A_Click);
    connect(Efface_A, &QPushButton::clicked, this, &Formulaire_Saisie::Init_Saisie);
    connect(Ecouter_QSO, &QPushButton::clicked, this,
            [this] { Q_EMIT Ecoute_Demandee(Dossier_Clips_Station(), clip_montre_); });
    connect(Annule_Saisie, &QPushButton::clicked, this, &Formulaire_Saisie::Annule_Saisie_Click);
    connect(Ajout_QSO, &QPushButton::clicked, this, &Formulaire_Saisie::Ajout_QSO_Click);
    connect(Command1, &QPushButton::clicked, this, &Formulaire_Saisie::Cluster_Demande);
    connect(Rechercher, &QPushButton::clicked, this, &Formulaire_Saisie::Recherche_Demandee);
}

void Formulaire_Saisie::Prend_Menu_Date(QAction* automatique, QAction* manuelle) {
    Mnu_Date_Auto = automatique;
    Mnu_Date_Man = manuelle;
    connect(Mnu_Date_Auto, &QAction::triggered, this, &Formulaire_Saisie::Mnu_Date_Auto_Click);
    connect(Mnu_Date_Man, &QAction::triggered, this, &Formulaire_Saisie::Mnu_Date_Man_Click);
}

QString Formulaire_Saisie::Section_Station() const {
    return Reglages::Section_Station(hote_.Indicatif_Station());
}

bool Formulaire_Saisie::Date_Automatique() const {
    return Mnu_Date_Auto && Mnu_Date_Auto->isChecked();
}

void Formulaire_Saisie::Remplit_Listes() {
    Bande_A->clear();
    Bande_A->addItems(Liste_Bandes());
    Mode_A->clear();
    Mode_A->addItems(Liste_Modes());
}

void Formulaire_Saisie::Lit_Mode_Date() {
    const QString date_auto = services_.reglages.Lire_Reglage(Section_Station(), cle::Date_Auto, u"Oui"_s);
    if (date_auto == u"Oui") {
        Mnu_Date_Auto->setChecked(true);
        Mnu_Date_Man->setChecked(false);
    } else if (date_auto == u"Non") {
        Mnu_Date_Auto->setChecked(false);
        Mnu_Date_Man->setChecked(true);
    }
}

void Formulaire_Saisie::Demarre() {
    modif_en_cours_ = false;
    Timer1_Timer();
    Timer1->start();
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Saisie QSO"_s);
}

void Formulaire_Saisie::Apres_Chargement(const Lignes_Log& journal) {
    Ind_A->setEnabled(true);
    completion_->Journal_Change(journal);
}

void Formulaire_Saisie::Timer1_Timer() {
    Label37->setEnabled(true);
    Affiche_Valeur(Label37, u"Heure UTC"_s, Heure_Utc(services_.horloge).left(5) + u" Utc"_s);
    Label34->setEnabled(true);
    Affiche_Valeur(Label34, u"Heure locale"_s, Heure_Locale(services_.horloge).left(5) + u" Loc"_s);
    Affiche_Valeur(Label33, u"Date UTC"_s, Date_Utc(services_.horloge));
}

void Formulaire_Saisie::Mnu_Date_Auto_Click() {
    Mnu_Date_Auto->setChecked(true);
    Mnu_Date_Man->setChecked(false);
    Date_A->clear();
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Date_Auto, u"Oui"_s);
}

void Formulaire_Saisie::Mnu_Date_Man_Click() {
    Mnu_Date_Auto->setChecked(false);
    Mnu_Date_Man->setChecked(true);
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Date_Auto, u"Non"_s);
}

void Formulaire_Saisie::Selectionne_Bande_Mode() {
    Bande_A->setCurrentIndex(services_.reglages.Lire_Index(Section_Station(), cle::Bande_Utilisee,
                                                           static_cast<int>(Liste_Bandes().size())));
    Mode_A->setCurrentIndex(services_.reglages.Lire_Index(Section_Station(), cle::Mode_Utilise,
                                                          static_cast<int>(Liste_Modes().size())));
}

void Formulaire_Saisie::Init_Saisie() {
    for (QLineEdit* c : {Dpt_A, Dpt_B, Prenom_A, Ind_B, Date_A, Heure_A, Rem_A}) {
        c->clear();
    }
    RST_A->setText(u"59"_s);
    RST_B->setText(u"59"_s);
    Au_Repos({Dpt_A, Dpt_B, Prenom_A, Ind_B, Date_A, Heure_A, Mode_A, RST_A, RST_B, Rem_A});
    Selectionne_Bande_Mode();
    Bande_A->setEnabled(false);
    QSL_A->setChecked(false);
    Attend_Ind_A();
    modif_en_cours_ = false;
    liste_bloquee_ = false;
    insertion_en_cours_ = false;
    entendu_pris_ = false;
    Oublie_Premier_Caractere();
    Ecouter_QSO->hide();
    Annule_Saisie->setEnabled(false);
    Valide_A->setEnabled(false);
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Saisie QSO"_s);
    // A new QSO starts on the band and mode the receiver is on.
    Applique_Recepteur(true, true);
}

void Formulaire_Saisie::Au_Repos(std::initializer_list<QWidget*> champs) {
    for (QWidget* c : champs) {
        c->setEnabled(false);
        Fixe_Couleur_Fond(c, Couleur_Repos);
    }
}

void Formulaire_Saisie::Attend_Ind_A() {
    Ind_A->clear();
    Fixe_Couleur_Fond(Ind_A, Couleur_Courante);
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
}

bool Formulaire_Saisie::Saisie_Au_Repos() const {
    return !modif_en_cours_ && !insertion_en_cours_ && Ind_A->isEnabled() && !Dpt_A->isEnabled();
}

bool Formulaire_Saisie::Saisie_En_Cours() const {
    // A line shown after a click is no QSO being typed.
    return modif_en_cours_ || insertion_en_cours_ || Dpt_A->isEnabled() ||
           (Ind_A->isEnabled() && !Ind_A->text().isEmpty());
}

QString Formulaire_Saisie::Indicatif_A() const {
    return Ind_A->text();
}

} // namespace swl
