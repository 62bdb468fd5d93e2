// The main window: its controls and menus, start-up, the log loaded into the list, the station.
#include "main/main.h"

#include "core/base/fichier_texte.h"
#include "core/log/indicatif.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/reports/index_journal.h"
#include "main/completion_indicatifs.h"
#include "main/formulaire_saisie.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/enregistreur.h"
#include "platform/fenetres.h"
#include "platform/libelle_colonnes.h"
#include "platform/programme.h"
#include "station/gestion_erreur.h"
#include "station/station.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Main::Main(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services), modele_(new Modele_Liste_SWL(this)),
      historique_(new Historique_Journal(services.messages, *this, this)) {
    setObjectName(u"Main"_s);
    setWindowTitle(u"ORBEL_SWL"_s);
    Construit_Controles();
    Construit_Menus();
    for (QLineEdit* champ : findChildren<QLineEdit*>()) {
        historique_->Route_Raccourcis(champ);
    }
    connect(Frame3, &Formulaire_Saisie::Cluster_Demande, this, &Main::Montre_Cluster);
    connect(Frame3, &Formulaire_Saisie::Recherche_Demandee, this, &Main::Montre_Recherche);
    connect(Frame3, &Formulaire_Saisie::Ecoute_Demandee, this,
            [this](const QString&, const QString& fichier) { Montre_Enregistrements(fichier, true); });
    Liste_SWL->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Liste_SWL, &QListView::customContextMenuRequested, this, &Main::Liste_SWL_Menu);
    if (services_.enregistreur) {
        // A clip that could not be written, or was cut: said once the QSO is saved.
        connect(services_.enregistreur, &Enregistreur::Clip_Termine, this,
                [this](const QString&, const QString& message) {
                    if (!message.isEmpty()) {
                        services_.messages.Message(message);
                    }
                });
    }
    connect(Liste_SWL, &QListView::clicked, this, &Main::Liste_SWL_Click);
    connect(Liste_SWL, &QListView::doubleClicked, Frame3, &Formulaire_Saisie::Edite_Ligne);
    // The view reports double clicks on a line only: one below the lines counts too.
    Installe_Double_Clic_Hors_Lignes(Liste_SWL, [this] { Frame3->Edite_Ligne(); });
    // Moving through the list with the keyboard shows each entry, as a click does.
    connect(Liste_SWL->selectionModel(), &QItemSelectionModel::currentChanged, this, &Main::Liste_SWL_Click);
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

    Frame3 = new Formulaire_Saisie(services_, *this, centre);
    I_Station->setAccessibleName(u"Indicatif de la station SWL"_s);

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
    haut->addWidget(Frame3->Cadre_Horloge());
    haut->addWidget(Frame3->Cadre_Date());
    auto* colonne = new QVBoxLayout(centre);
    colonne->addLayout(haut);
    colonne->addWidget(Frame3);
    colonne->addWidget(Frame3->Indicatifs_Connus());
    colonne->addWidget(Label_Liste_QSO);
    colonne->addWidget(Liste_SWL, 1);
    colonne->addWidget(L_Communes);
}

void Main::closeEvent(QCloseEvent* evenement) {
    Retient_Geometrie();
    QMainWindow::closeEvent(evenement);
}

void Main::Retient_Geometrie() {
    if (!isVisible() || isMaximized() || isFullScreen()) {
        return;
    }
    const QRect g = geometry();
    services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Fenetre_Principale,
                                      u"%1,%2,%3,%4"_s.arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height()));
}

void Main::Reprend_Geometrie() {
    const QStringList v =
        services_.reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Fenetre_Principale, QString())
            .split(u',');
    if (v.size() != 4) {
        return;
    }
    QList<int> n;
    for (const QString& t : v) {
        bool ok = false;
        n << t.trimmed().toInt(&ok);
        if (!ok) {
            return;
        }
    }
    // Never smaller than the form needs; left aside when it lies off every screen (one unplugged
    // since), else brought back whole inside the screen that holds it (a smaller one now).
    const QRect g(n[0], n[1], std::max(n[2], minimumSizeHint().width()),
                  std::max(n[3], minimumSizeHint().height()));
    for (const QScreen* ecran : QGuiApplication::screens()) {
        const QRect commun = ecran->availableGeometry().intersected(g);
        if (commun.width() >= 100 && commun.height() >= 100) {
            Place_Dans_Ecran(*this, g);
            return;
        }
    }
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
    Reprend_Geometrie();
    Frame3->Remplit_Listes();
    Affiche_Valeur(Label_Liste_QSO, u"Colonnes du journal\u00A0:"_s, Libelle_Colonnes_Liste());
    Fixe_Indicatif_Station(Indicatif_Stocke());
    Selectionne_Bande_Mode();
    Frame3->Lit_Mode_Date();
    services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Chemin_Repertoire,
                                      services_.repertoire);
    if (const QString raison = services_.reglages.Raison_Non_Enregistres(); !raison.isEmpty()) {
        services_.messages.Message(
            u"Les réglages de ORBEL_SWL ne peuvent pas être enregistrés dans «\u00A0"_s +
            services_.reglages.Fichier() + u"\u00A0»\u00A0: "_s + raison +
            u".\r\nVos choix (indicatif, bande, mode, date, étiquettes) seront "
            u"oubliés à la fermeture du programme\u00A0: vérifiez que ce fichier peut "
            u"être modifié."_s);
    }

    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Premiere_Installation());
        station_ = new Station(services_, *this, this);
        station_->setAttribute(Qt::WA_DeleteOnClose);
        station_->exec();
    }

    show();
    Frame3->Demarre();
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
    Suit_Fichiers_Du_Journal();
    if (services_.nouveautes) {
        services_.nouveautes->Suit(modele_->Lignes());
    }
    Frame3->Apres_Chargement(modele_->Lignes());
    Q_EMIT Journal_Recharge();
    return true;
}

QString Main::Indicatif_Stocke() {
    const QString indicatif =
        services_.reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Aucune_Station);
    // The callsign names the log file: one the station window would refuse is never used.
    if (indicatif != Aucune_Station && !Controle_Indicatif_Station(indicatif).message.isEmpty()) {
        services_.messages.Message(u"L'indicatif «\u00A0"_s + indicatif +
                                   u"\u00A0» trouvé dans les réglages n'est pas valable\u00A0: ORBEL_SWL ne "
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
    Frame3->Selectionne_Bande_Mode();
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

void Main::Liste_SWL_Click() {
    if (Liste_SWL->currentIndex().isValid()) {
        Frame3->Montre_Ligne(modele_->Ligne(Liste_SWL->currentIndex().row()));
    }
}

const Lignes_Log& Main::Lignes_Liste() const {
    return modele_->Lignes();
}

void Main::Selectionne_Derniere_Ligne() {
    Selectionne_Ligne(modele_->Nombre() - 1);
}

void Main::Init_Saisie() {
    Frame3->Init_Saisie();
}

bool Main::Saisie_En_Cours() const {
    return Frame3->Saisie_En_Cours();
}

bool Main::Prend_Spot(const QString& indicatif, const QString& bande) {
    return Frame3->Prend_Spot(indicatif, bande);
}

QString Main::Texte_Saisie_En_Cours() const {
    return Frame3->Texte_Saisie_En_Cours();
}

bool Main::Prend_QSO_Entendu(const Fiche_QSO& fiche, qint64 debut_ms, qint64 fin_ms) {
    if (!Frame3->Prend_QSO_Entendu(fiche, std::pair{debut_ms, fin_ms})) {
        return false;
    }
    // The form just filled comes to the front, "Valider le QSO" focused: Enter saves it.
    raise();
    activateWindow();
    return true;
}

} // namespace swl
