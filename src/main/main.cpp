#include "main/main.h"

#include "core/exchange/adif.h"
#include "core/log/sauvegardes.h"
#include "core/program/horloge.h"
#include "views/fenetre_sauvegardes.h"

#include "core/base/fichier_texte.h"
#include "core/log/fiche_qso.h"
#include "core/log/indicatif.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "labels/select_qso.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/libelle_colonnes.h"
#include "platform/programme.h"
#include "platform/recepteur.h"
#include "station/gestion_erreur.h"
#include "station/station.h"
#include "views/carte.h"
#include "views/echange_journal.h"
#include "views/liste_qso.h"
#include "views/recherche_indicatif.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

template <class Controle> Controle* Nomme(Controle* c, const QString& nom) {
    c->setObjectName(nom);
    return c;
}

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

Main::Main(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services), modele_(new Modele_Liste_SWL(this)),
      historique_(new Historique_Journal(services.messages, *this, this)) {
    setObjectName(u"Main"_s);
    setWindowTitle(u"ORBEL_SWL"_s);
    Construit_Controles();
    Construit_Menus();
    Installe_Regles_Saisie();
    for (QLineEdit* champ : findChildren<QLineEdit*>()) {
        historique_->Route_Raccourcis(champ);
    }
    if (services_.recepteur) {
        connect(services_.recepteur, &Recepteur::Lecture, this, &Main::Suit_Recepteur);
        connect(services_.recepteur, &Recepteur::Statut_Change, this, &Main::Statut_Recepteur);
        Statut_Recepteur(services_.recepteur->Statut());
        Suit_Recepteur(services_.recepteur->Derniere_Lecture());
    }
}

Main::~Main() = default;

void Main::Construit_Controles() {
    auto* centre = new QWidget(this);
    setCentralWidget(centre);

    Frame1 = Nomme(new QGroupBox(centre), u"Frame1"_s);
    Label2 = Nomme(new QLabel(u"INDICATIF DE LA STATION SWL : "_s, Frame1), u"Label2"_s);
    I_Station = Nomme(new QLabel(Frame1), u"I_Station"_s);
    QFont gras = I_Station->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    Label2->setFont(gras);
    I_Station->setFont(gras);
    auto* l1 = new QHBoxLayout(Frame1);
    l1->addWidget(Label2);
    l1->addWidget(I_Station);
    l1->addStretch();

    Frame2 = Nomme(new QGroupBox(centre), u"Frame2"_s);
    Label37 = Nomme(new QLabel(u"00:00 Utc"_s, Frame2), u"Label37"_s);
    Label34 = Nomme(new QLabel(u"00:00 Loc"_s, Frame2), u"Label34"_s);
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

    Frame7 = Nomme(new QGroupBox(centre), u"Frame7"_s);
    Label33 = Nomme(new QLabel(u"00/00/00"_s, Frame7), u"Label33"_s);
    Label33->setFont(gras);
    (new QHBoxLayout(Frame7))->addWidget(Label33);

    Frame3 = Nomme(new QGroupBox(u"Saisie ou modification d'un QSO"_s, centre), u"Frame3"_s);
    Ind_A = Champ(Frame3, u"Ind_A"_s, 12);
    Dpt_A = Champ(Frame3, u"Dpt_A"_s, 2);
    RST_A = Champ(Frame3, u"RST_A"_s, 3);
    Prenom_A = Champ(Frame3, u"Prenom_A"_s, 15);
    Rem_A = Champ(Frame3, u"Rem_A"_s, 24);
    Ind_B = Champ(Frame3, u"Ind_B"_s, 12);
    Dpt_B = Champ(Frame3, u"Dpt_B"_s, 2);
    RST_B = Champ(Frame3, u"RST_B"_s, 3);
    Date_A = Champ(Frame3, u"Date_A"_s, 8);
    Heure_A = Champ(Frame3, u"Heure_A"_s, 5);
    Mode_A = Nouvelle_Combo_Editable(Frame3, u"Mode_A"_s);
    Bande_A = Nouvelle_Combo_Editable(Frame3, u"Bande_A"_s);
    QSL_A = Nomme(new QCheckBox(Frame3), u"QSL_A"_s);
    QSL_A->setEnabled(false);
    // The country of each callsign typed, in the room the buttons' column leaves under the fields.
    Pays_A = Nomme(new QLabel(Frame3), u"Pays_A"_s);
    Pays_B = Nomme(new QLabel(Frame3), u"Pays_B"_s);
    for (QLabel* pays : {Pays_A, Pays_B}) {
        pays->setTextFormat(Qt::PlainText);
        pays->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    Label10 = Nomme(new QLabel(u"Mode de saisie"_s, Frame3), u"Label10"_s);
    Mode_Aff = Nomme(new QLabel(Frame3), u"Mode_Aff"_s);
    Mode_Aff->setFont(gras);
    Valide_A = Bouton(Frame3, u"Valide_A"_s, u"Valider le QSO"_s);
    Efface_A = Bouton(Frame3, u"Efface_A"_s, u"Annuler saisie en cours"_s);
    Annule_Saisie = Bouton(Frame3, u"Annule_Saisie"_s, u"Supprimer un QSO"_s);
    Annule_Saisie->setToolTip(u"Permet d'annuler la saisie d'un Code Postal contacté"_s);
    Ajout_QSO = Bouton(Frame3, u"Ajout_QSO"_s, u"Inserer un QSO"_s);
    Rechercher = Bouton(Frame3, u"Rechercher"_s, u"Rechercher un QSO"_s);
    Command1 = Bouton(Frame3, u"Command1"_s, u"Cluster"_s);

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
                                                 {I_Station, u"Indicatif de la station SWL"_s},
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
    for (const auto& [legende, pays] : {std::pair{u"Pays A :"_s, Pays_A}, std::pair{u"Pays B :"_s, Pays_B}}) {
        auto* libelle = new QLabel(legende, Frame3);
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
    auto* droite = new QVBoxLayout;
    droite->addLayout(mode);
    droite->addLayout(boutons);
    droite->addStretch();
    auto* l3 = new QHBoxLayout(Frame3);
    l3->addLayout(saisie, 1);
    l3->addSpacing(12);
    l3->addLayout(droite);

    // Each word of the caption over the column it names.
    Label_Liste_QSO = Nomme(new Libelle_Colonnes({{u"N°"_s, 4},
                                                  {u"Indicatif A"_s, 8},
                                                  {u"Dpt"_s, 22},
                                                  {u"RST"_s, 26},
                                                  {u"Prenom"_s, 31},
                                                  {u"QTH"_s, 48},
                                                  {u"Indicatif B"_s, 80},
                                                  {u"Dpt"_s, 94},
                                                  {u"RST"_s, 98},
                                                  {u"Date"_s, 103},
                                                  {u"QTR"_s, 113},
                                                  {u"Mode"_s, 120},
                                                  {u"QRG"_s, 125},
                                                  {u"QSL"_s, 132}},
                                                 centre),
                            u"Label_Liste_QSO"_s);
    Liste_SWL = Nomme(new QListView(centre), u"Liste_SWL"_s);
    Liste_SWL->setModel(modele_);
    Liste_SWL->setFont(Police_Liste());
    Liste_SWL->setUniformItemSizes(true);
    Liste_SWL->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_SWL->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_SWL->setAccessibleName(u"Journal des QSO"_s);
    Label_Liste_QSO->setAccessibleName(u"Colonnes du journal"_s);
    Liste_SWL->setToolTip(
        u"Un clique sur un QSO pour l'afficher ou le supprimer, un double clique pour l'editer"_s);
    Fixe_Couleur_Fond(Liste_SWL, Couleur_Repos);
    Fixe_Taille_Lignes(Liste_SWL, Largeur_Ligne_Liste + 3, 18);
    Label_Liste_QSO->Suit_Liste(Liste_SWL);
    L_Communes = Nomme(
        new QLabel(u"Un clique sur un QSO pour l'afficher ou le supprimer, un double clique pour l'editer"_s,
                   centre),
        u"L_Communes"_s);
    QFont arial(u"Arial"_s);
    L_Communes->setFont(arial);

    auto* haut = new QHBoxLayout;
    haut->addWidget(Frame1, 1);
    haut->addWidget(Frame2);
    haut->addWidget(Frame7);
    auto* colonne = new QVBoxLayout(centre);
    colonne->addLayout(haut);
    colonne->addWidget(Frame3);
    colonne->addWidget(Label_Liste_QSO);
    colonne->addWidget(Liste_SWL, 1);
    colonne->addWidget(L_Communes);

    Timer1 = Nomme(new QTimer(this), u"Timer1"_s);
    Timer1->setInterval(1000);
}

void Main::Construit_Menus() {
    QMenuBar* barre = menuBar();
    const auto menu = [barre](const QString& nom, const QString& titre) {
        return Nomme(barre->addMenu(titre), nom);
    };
    const auto article = [this](QMenu* m, const QString& nom, const QString& titre) {
        return Nomme(m->addAction(titre), nom);
    };
    Mnu_Fichier = menu(u"Mnu_Fichier"_s, u"Fichier"_s);
    Mnu_Exporter = article(Mnu_Fichier, u"Mnu_Exporter"_s, u"Exporter le journal…"_s);
    Mnu_Importer = article(Mnu_Fichier, u"Mnu_Importer"_s, u"Importer un journal ADIF…"_s);
    Mnu_Sauvegardes = article(Mnu_Fichier, u"Mnu_Sauvegardes"_s, u"Sauvegardes…"_s);
    Mnu_Fichier->addSeparator();
    Mnu_Quitter = article(Mnu_Fichier, u"Mnu_Quitter"_s, u"Quitter ORBEL_SWL"_s);
    Mnu_Edition = menu(u"Mnu_Edition"_s, u"Edition"_s);
    Mnu_Edition->addAction(historique_->Annuler());
    Mnu_Edition->addAction(historique_->Retablir());
    Mnu_Date = menu(u"Mnu_Date"_s, u"Date"_s);
    Mnu_Date_Auto = article(Mnu_Date, u"Mnu_Date_Auto"_s, u"Automatique"_s);
    Mnu_Date_Man = article(Mnu_Date, u"Mnu_Date_Man"_s, u"Manuelle"_s);
    Mnu_Date_Auto->setCheckable(true);
    Mnu_Date_Man->setCheckable(true);
    Mnu_Date_Auto->setChecked(true);
    Mnu_Station = menu(u"Mnu_Station"_s, u"Station"_s);
    Mnu_New_Indicatif = article(Mnu_Station, u"Mnu_New_Indicatif"_s, u"Nouvel Indicatif"_s);
    Mnu_Recepteur = article(Mnu_Station, u"Mnu_Recepteur"_s, u"Récepteur…"_s);
    Mnu_Fichier_Pays = article(Mnu_Station, u"Mnu_Fichier_Pays"_s, u"Fichier des pays…"_s);
    Mnu_Afficher = menu(u"Mnu_Afficher"_s, u"Afficher"_s);
    Mnu_Liste_QSO = article(Mnu_Afficher, u"Mnu_Liste_QSO"_s, u"la liste des QSO"_s);
    Mnu_QSO_FT8 = article(Mnu_Afficher, u"Mnu_QSO_FT8"_s, u"les QSO entendus en FT8/FT4"_s);
    Mnu_Statistiques = article(Mnu_Afficher, u"Mnu_Statistiques"_s, u"Statistiques"_s);
    Mnu_Carte = menu(u"Mnu_Carte"_s, u"Carte"_s);
    Mnu_Carte_HB = article(Mnu_Carte, u"Mnu_Carte_HB"_s, u"des départements entendus"_s);
    Mnu_Print_QSL = Nomme(barre->addAction(u"Impression etiquettes QSL"_s), u"Mnu_Print_QSL"_s);
    Mnu_Aide = menu(u"Mnu_Aide"_s, u"Aide"_s);
    Mnu_Historique = article(Mnu_Aide, u"Mnu_Historique"_s, u"Historique"_s);
    Mnu_A_Propos = article(Mnu_Aide, u"Mnu_A_Propos"_s, u"A Propos"_s);

    connect(Mnu_Quitter, &QAction::triggered, this, [this] { services_.programme.Termine(); });
    connect(Mnu_A_Propos, &QAction::triggered, this,
            [this] { services_.messages.Message(Texte_A_Propos()); });
    connect(Mnu_Historique, &QAction::triggered, this, [this] { services_.messages.Message(Historique()); });
    connect(Mnu_New_Indicatif, &QAction::triggered, this, &Main::Montre_Station);
    connect(Mnu_Recepteur, &QAction::triggered, this, &Main::Mnu_Recepteur_Click);
    connect(Mnu_Exporter, &QAction::triggered, this, [this] {
        if (indicatif_station_ == Aucune_Station) {
            services_.messages.Message(Message_Indicatif_Station_Absent());
            return;
        }
        Echange_Journal(services_, this).Exporte(indicatif_station_);
    });
    connect(Mnu_Importer, &QAction::triggered, this, &Main::Mnu_Importer_Click);
    connect(Mnu_Sauvegardes, &QAction::triggered, this, &Main::Mnu_Sauvegardes_Click);
    connect(Mnu_Liste_QSO, &QAction::triggered, this, [this] {
        Montre_Fenetre(liste_qso_, [this] {
            return new Liste_QSO(
                services_, [this] { return indicatif_station_; }, this);
        });
    });
    connect(Mnu_QSO_FT8, &QAction::triggered, this, &Main::Mnu_QSO_FT8_Click);
    connect(Mnu_Statistiques, &QAction::triggered, this, &Main::Mnu_Statistiques_Click);
    connect(Mnu_Fichier_Pays, &QAction::triggered, this, &Main::Mnu_Fichier_Pays_Click);
    connect(Mnu_Print_QSL, &QAction::triggered, this, [this] {
        Montre_Fenetre(select_qso_, [this] {
            return new Select_QSO(
                services_, modele_->Lignes(), [this] { return indicatif_station_; }, this);
        });
    });
    connect(Mnu_Carte_HB, &QAction::triggered, this, [this] {
        Montre_Fenetre(carte_, [this] {
            return new Carte(
                services_, [this] { return indicatif_station_; }, this);
        });
    });
}

Fichier_Log Main::Log() const {
    return {services_.repertoire, indicatif_station_};
}

QString Main::Section_Station() const {
    return Reglages::Section_Station(indicatif_station_);
}

void Main::Form_Load() {
    adjustSize();
    Centre_Fenetre(*this);
    Bande_A->clear();
    Bande_A->addItems(Liste_Bandes());
    Mode_A->clear();
    Mode_A->addItems(Liste_Modes());
    Affiche_Valeur(Label_Liste_QSO, u"Colonnes du journal :"_s, Libelle_Colonnes_Liste());
    Fixe_Indicatif_Station(Indicatif_Stocke());
    Selectionne_Bande_Mode();
    const QString date_auto = services_.reglages.Lire_Reglage(Section_Station(), cle::Date_Auto, u"Oui"_s);
    if (date_auto == u"Oui") {
        Mnu_Date_Auto->setChecked(true);
        Mnu_Date_Man->setChecked(false);
    } else if (date_auto == u"Non") {
        Mnu_Date_Auto->setChecked(false);
        Mnu_Date_Man->setChecked(true);
    }
    services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Chemin_Repertoire,
                                      services_.repertoire);
    if (const QString raison = services_.reglages.Raison_Non_Enregistres(); !raison.isEmpty()) {
        services_.messages.Message(u"Les réglages de ORBEL_SWL ne peuvent pas être enregistrés dans « "_s +
                                   services_.reglages.Fichier() + u" » : "_s + raison +
                                   u".\r\nVos choix (indicatif, bande, mode, date, étiquettes) seront "
                                   u"oubliés à la fermeture du programme : vérifiez que ce fichier peut "
                                   u"être modifié."_s);
    }

    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Premiere_Installation());
        station_ = new Station(services_, *this, this);
        station_->setAttribute(Qt::WA_DeleteOnClose);
        station_->exec();
    }

    modif_en_cours_ = false;
    show();
    Timer1_Timer();
    Timer1->start();
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Saisie QSO"_s);
    setWindowTitle(Titre_Fenetre_Principale());

    if (indicatif_station_ != Aucune_Station && !Charge_Log()) {
        // The program only waits to be ended; the form stays at rest so that nothing is saved.
        Init_Saisie();
        return;
    }
    Selectionne_Derniere_Ligne();
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Revision, Revision());
    Init_Saisie();
}

bool Main::Charge_Log() {
    modele_->Remplace({});
    Fichier_Log::Lecture lecture = Log().Lit_Log();
    if (!lecture.message.isEmpty()) {
        services_.messages.Message(lecture.message);
        services_.programme.Termine();
        return false;
    }
    if (lecture.erreur == Fichier_Introuvable) {
        Gestion_Erreur fenetre(services_, this);
        fenetre.Fixe_Err_Departement(u"_SWL.log"_s);
        fenetre.exec();
        return false;
    }
    if (lecture.erreur != Lecture_Reussie) {
        services_.messages.Message(u"Erreur N° "_s + QString::number(lecture.erreur));
        services_.programme.Termine();
        return false;
    }
    modele_->Remplace(std::move(lecture.lignes));
    Ind_A->setEnabled(true);
    Q_EMIT Journal_Recharge();
    return true;
}

QString Main::Indicatif_Stocke() {
    const QString indicatif =
        services_.reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Aucune_Station);
    // The callsign names the log file: one the station window would refuse is never used.
    if (indicatif != Aucune_Station && !Controle_Indicatif_Station(indicatif).message.isEmpty()) {
        services_.messages.Message(u"L'indicatif « "_s + indicatif +
                                   u" » trouvé dans les réglages n'est pas valable : ORBEL_SWL ne "
                                   u"l'utilise pas.\r\nChoisissez de nouveau votre indicatif."_s);
        return Aucune_Station;
    }
    return indicatif;
}

void Main::Fixe_Indicatif_Station(const QString& indicatif) {
    // The history is the log's: another station's log starts without one.
    if (indicatif != indicatif_station_) {
        historique_->Efface();
    }
    indicatif_station_ = indicatif;
    Affiche_Valeur(I_Station, u"Indicatif de la station SWL"_s, Indicatif_Affiche(indicatif));
}

void Main::Selectionne_Bande_Mode() {
    Bande_A->setCurrentIndex(services_.reglages.Lire_Index(Section_Station(), cle::Bande_Utilisee,
                                                           static_cast<int>(Liste_Bandes().size())));
    Mode_A->setCurrentIndex(services_.reglages.Lire_Index(Section_Station(), cle::Mode_Utilise,
                                                          static_cast<int>(Liste_Modes().size())));
}

void Main::Selectionne_Ligne(int index) {
    if (index < 0 || index >= modele_->Nombre()) {
        return;
    }
    const QModelIndex i = modele_->index(index);
    const bool deja = Liste_SWL->currentIndex() == i;
    // A new current entry shows itself (currentChanged); the same one is shown again here.
    Liste_SWL->setCurrentIndex(i);
    Liste_SWL->scrollTo(i);
    if (deja) {
        Liste_SWL_Click();
    }
}

const Lignes_Log& Main::Lignes_Liste() const {
    return modele_->Lignes();
}

void Main::Selectionne_Derniere_Ligne() {
    Selectionne_Ligne(modele_->Nombre() - 1);
}

void Main::Init_Saisie() {
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
    Annule_Saisie->setEnabled(false);
    Valide_A->setEnabled(false);
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Saisie QSO"_s);
    // A new QSO starts on the band and mode the receiver is on.
    Applique_Recepteur(true, true);
}

void Main::Au_Repos(std::initializer_list<QWidget*> champs) {
    for (QWidget* c : champs) {
        c->setEnabled(false);
        Fixe_Couleur_Fond(c, Couleur_Repos);
    }
}

void Main::Attend_Ind_A() {
    Ind_A->clear();
    Fixe_Couleur_Fond(Ind_A, Couleur_Courante);
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
}

bool Main::Saisie_Au_Repos() const {
    return !modif_en_cours_ && !insertion_en_cours_ && Ind_A->isEnabled() && !Dpt_A->isEnabled();
}

bool Main::Saisie_En_Cours() const {
    // A line shown after a click is no QSO being typed.
    return modif_en_cours_ || insertion_en_cours_ || Dpt_A->isEnabled() ||
           (Ind_A->isEnabled() && !Ind_A->text().isEmpty());
}

void Main::Recharge_Et_Selectionne(int index) {
    if (!Charge_Log()) {
        return;
    }
    Init_Saisie();
    Selectionne_Ligne(qMin(index, modele_->Nombre() - 1));
    Liste_SWL->setFocus();
}

void Main::Mnu_Importer_Click() {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return;
    }
    // The list is read again after the import: a QSO being typed would be lost.
    if (!Saisie_Au_Repos() || !Ind_A->text().isEmpty()) {
        services_.messages.Message(
            u"Enregistrez ou annulez le QSO en cours de saisie avant d'importer un journal."_s);
        return;
    }
    // The day's copy, then the copy before the import, once a file is chosen and read.
    const auto avant_import = [this] {
        Avant_Changement();
        Sauvegarde_Impossible(
            Sauvegardes(services_.repertoire, indicatif_station_)
                .Copie_Avant(Sauvegardes::Sorte::Avant_Import, services_.horloge.Maintenant_Local()));
    };
    Bilan_Import bilan = Echange_Journal(services_, this).Importe(indicatif_station_, avant_import);
    if (bilan.ajoutes > 0 && Charge_Log()) {
        historique_->Ajoute(Nom_Etape_Import(bilan.ajoutes), std::move(bilan.trace));
        Selectionne_Derniere_Ligne();
        Init_Saisie();
    }
}

void Main::Avant_Changement() {
    if (indicatif_station_ != Aucune_Station) {
        Sauvegarde_Impossible(Sauvegardes(services_.repertoire, indicatif_station_)
                                  .Copie_Du_Jour(services_.horloge.Maintenant_Local().date()));
    }
}

void Main::Sauvegarde_Impossible(const Resultat& r) {
    if (r || sauvegarde_impossible_dite_) {
        return;
    }
    sauvegarde_impossible_dite_ = true;
    services_.messages.Message(
        u"Aucune sauvegarde du journal n'a pu être faite : "_s + r.message +
        u"\r\nLes changements sont bien enregistrés dans le journal ; ce message ne sera "
        u"plus montré jusqu'à la fermeture du programme."_s);
}

void Main::Mnu_Sauvegardes_Click() {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return;
    }
    Montre_Fenetre(sauvegardes_, [this] {
        return new Fenetre_Sauvegardes(
            services_, indicatif_station_,
            [this](const QString& nom, Trace_Journal trace) {
                const int ligne = trace.ligne_apres;
                historique_->Ajoute(nom, std::move(trace));
                Recharge_Et_Selectionne(ligne);
            },
            [this] { return Saisie_En_Cours(); }, this);
    });
}

void Main::Montre_Station() {
    Montre_Fenetre(station_, [this] { return new Station(services_, *this, this); });
}

} // namespace swl
