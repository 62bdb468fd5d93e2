#include "views/cluster.h"

#include "core/radio/recepteur.h"

#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/radio/cluster.h"
#include "core/radio/plan_bandes.h"
#include "core/reports/index_journal.h"
#include "platform/boites_message.h"
#include "platform/connexion_cluster.h"
#include "platform/fenetres.h"
#include "platform/navigateur.h"
#include "platform/sons.h"
#include "views/hote_cluster.h"
#include "views/modele_spots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Cluster::Cluster(const Services& services, std::function<QString()> indicatif, Hote_Cluster& hote,
                 QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), indicatif_(std::move(indicatif)), hote_(hote),
      spots_(new Modele_Spots(this)), connexion_(new Connexion_Cluster(this)) {
    setObjectName(u"Cluster"_s);
    setWindowTitle(u"Cluster"_s);

    Frame1 = Nomme_Controle(new QGroupBox(this), u"Frame1"_s, u"Choix de la bande"_s);
    Label2 =
        Nomme_Controle(new QLabel(u"Cluster (DxCluster)"_s, Frame1), u"Label2"_s, u"Cluster (DxCluster)"_s);
    QFont gras = Label2->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    Label2->setFont(gras);
    Label3 = Nomme_Controle(new QLabel(u"Bande"_s, Frame1), u"Label3"_s, u"Bande"_s);
    Bande_CL = Nouvelle_Combo_Editable(Frame1, u"Bande_CL"_s);
    Bande_CL->setAccessibleName(u"Bande"_s);
    QFont police_bande = Bande_CL->font();
    police_bande.setBold(true);
    police_bande.setPointSizeF(9.75);
    Bande_CL->setFont(police_bande);
    Label3->setBuddy(Bande_CL);
    Afficher = Nomme_Controle(new QPushButton(u"Afficher"_s, Frame1), u"Afficher"_s, u"Afficher"_s);
    auto* haut = new QHBoxLayout(Frame1);
    haut->addWidget(Label2);
    haut->addSpacing(24);
    haut->addWidget(Label3);
    haut->addWidget(Bande_CL);
    haut->addWidget(Afficher);
    haut->addStretch();

    Onglets = Nomme_Controle(new QTabWidget(this), u"Onglets"_s, u"Statistiques ou spots en direct"_s);
    auto* page_stats = new QWidget(Onglets);
    WebBrowser1 = services_.navigateurs.Nouveau(page_stats);
    WebBrowser1->Vue()->setObjectName(u"WebBrowser1"_s);
    WebBrowser1->Vue()->setMinimumSize(760, 520);
    Label1 = Nomme_Controle(new QLabel(u"Cluster remis a jour toutes les minutes"_s, page_stats), u"Label1"_s,
                            u"Cluster remis a jour toutes les minutes"_s);
    auto* l_stats = new QVBoxLayout(page_stats);
    l_stats->addWidget(WebBrowser1->Vue(), 1);
    l_stats->addWidget(Label1);
    Onglets->addTab(page_stats, u"Statistiques"_s);

    auto* page_spots = new QWidget(Onglets);
    Noeud = Nomme_Controle(new QLineEdit(page_spots), u"Noeud"_s, u"Nœud du cluster"_s);
    Port = Nomme_Controle(new QLineEdit(page_spots), u"Port"_s, u"Port"_s);
    Port->setMaximumWidth(80);
    Connecte = Nomme_Controle(new QPushButton(u"Connecter"_s, page_spots), u"Connecte"_s, u"Connecter"_s);
    Etat_Cluster = Nomme_Controle(new QLabel(page_spots), u"Etat_Cluster"_s, QString());
    Affiche_Valeur(Etat_Cluster, u"État de la connexion\u00A0:"_s, u"Déconnecté"_s);
    Etat_Cluster->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Table_Spots = Nomme_Controle(new QTableView(page_spots), u"Table_Spots"_s, u"Spots du cluster"_s);
    // "Seulement ce qui me manque": the spots whose station brings something, through a filter
    // of the table on its column "Nouveau".
    filtre_manque_ = new QSortFilterProxyModel(this);
    filtre_manque_->setSourceModel(spots_);
    filtre_manque_->setFilterKeyColumn(Modele_Spots::Nouveau);
    Table_Spots->setModel(filtre_manque_);
    Table_Spots->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_Spots->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_Spots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_Spots->verticalHeader()->hide();
    // One line a spot; every column as wide as what it shows, the comment taking the rest.
    Table_Spots->setWordWrap(false);
    Table_Spots->setFont(Police_Liste());
    {
        QHeaderView* entete = Table_Spots->horizontalHeader();
        entete->setStretchLastSection(false);
        const QFontMetrics texte(Table_Spots->font());
        const QFontMetrics titres(entete->font());
        const QStringList exemples = {u"00:00"_s,    u"10\u00A0489\u00A0500,0"_s,
                                      u"432 Mhz"_s,  u"VP2/XX9XXX/P"_s,
                                      u"XX9XXX-#"_s, QString(),
                                      u"JN18XX"_s,   u"nouveau pays sur 144 Mhz"_s};
        int largeur = 0;
        for (int c = 0; c < Modele_Spots::Nombre_Colonnes; ++c) {
            if (c == Modele_Spots::Commentaire) {
                entete->setSectionResizeMode(c, QHeaderView::Stretch);
                continue;
            }
            const QString titre = spots_->headerData(c, Qt::Horizontal).toString();
            entete->resizeSection(
                c, qMax(texte.horizontalAdvance(exemples[c]), titres.horizontalAdvance(titre)) + 16);
            largeur += entete->sectionSize(c);
        }
        // Room for a comment of some 30 characters beside the others.
        Table_Spots->setMinimumWidth(largeur + texte.horizontalAdvance(QString(30, u'x')) + 24);
        Table_Spots->verticalHeader()->setDefaultSectionSize(texte.lineSpacing() + 6);
    }
    Table_Spots->setToolTip(u"Double clique sur un spot pour le reprendre dans la saisie du QSO"_s);
    Journal_Noeud = Nomme_Controle(new QPlainTextEdit(page_spots), u"Journal_Noeud"_s, u"Messages du nœud"_s);
    Journal_Noeud->setReadOnly(true);
    Journal_Noeud->setMaximumBlockCount(500);
    Journal_Noeud->setFont(Police_Liste());
    Journal_Noeud->setMaximumHeight(QFontMetrics(Police_Liste()).lineSpacing() * 7);
    Commande = Nomme_Controle(new QLineEdit(page_spots), u"Commande"_s, u"Commande pour le nœud"_s);
    Commande->setPlaceholderText(u"Commande pour le nœud (par exemple sh/dx 20), puis Entrée"_s);
    auto* l_noeud = new QHBoxLayout;
    l_noeud->addWidget(new QLabel(u"Nœud"_s, page_spots));
    l_noeud->addWidget(Noeud, 1);
    l_noeud->addWidget(new QLabel(u"Port"_s, page_spots));
    l_noeud->addWidget(Port);
    l_noeud->addWidget(Connecte);
    Manque_Seulement = Nomme_Controle(new QCheckBox(u"Seulement ce qui me manque"_s, page_spots),
                                      u"Manque_Seulement"_s, u"Seulement ce qui me manque"_s);
    auto* l_spots = new QVBoxLayout(page_spots);
    l_spots->addLayout(l_noeud);
    l_spots->addWidget(Etat_Cluster);
    l_spots->addWidget(Manque_Seulement);
    l_spots->addWidget(Table_Spots, 1);
    l_spots->addWidget(new QLabel(u"Messages du nœud"_s, page_spots));
    l_spots->addWidget(Journal_Noeud);
    l_spots->addWidget(Commande);
    Onglets->addTab(page_spots, u"Spots en direct"_s);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(Onglets, 1);

    connect(Afficher, &QPushButton::clicked, this, &Cluster::Afficher_Click);
    connect(Bande_CL, &QComboBox::currentTextChanged, this,
            [this](const QString& texte) { spots_->Filtre(Position_Dans_Liste(Bande_CL, texte)); });
    connect(Connecte, &QPushButton::clicked, this, &Cluster::Connecte_Click);
    connect(Manque_Seulement, &QCheckBox::toggled, this, [this](bool seulement) {
        filtre_manque_->setFilterRegularExpression(seulement ? u"."_s : QString());
    });
    if (services_.nouveautes) {
        spots_->Fixe_Marqueur([this](const Spot& s) {
            return services_.nouveautes->Marque(s.indicatif,
                                                static_cast<int>(Liste_Bandes().indexOf(s.bande)),
                                                Groupe_Du_Spot(s.khz, s.commentaire));
        });
    }
    connect(Commande, &QLineEdit::returnPressed, this, &Cluster::Commande_Entree);
    connect(Table_Spots, &QTableView::doubleClicked, this, &Cluster::Spot_DblClick);
    connect(connexion_, &Connexion_Cluster::Etat, this, [this](const QString& etat) {
        Affiche_Valeur(Etat_Cluster, u"État de la connexion\u00A0:"_s, etat);
        Change_Legende(Connecte, connexion_->Active() ? u"Déconnecter"_s : u"Connecter"_s);
    });
    connect(connexion_, &Connexion_Cluster::Lignes, this, &Cluster::Lignes_Recues);
    Form_Load();
}

Cluster::~Cluster() = default;

QString Cluster::Section_Station() const {
    return Reglages::Section_Station(indicatif_());
}

void Cluster::Form_Load() {
    Bande_CL->clear();
    Bande_CL->addItems(Choix_Bandes_Cluster());
    Bande_CL->setCurrentIndex(
        Index_Cluster_Stocke(services_.reglages.Lire_Reglage(Section_Station(), cle::Bande_Cluster, 0)));
    spots_->Filtre(Bande_CL->currentIndex());
    const QString commune = Reglages::Section_Commune();
    Noeud->setText(services_.reglages.Lire_Reglage(commune, cle::Noeud_Cluster, Noeud_Cluster_Defaut));
    Port->setText(services_.reglages.Lire_Reglage(commune, cle::Port_Cluster, Port_Cluster_Defaut));
    adjustSize();
    Centre_Fenetre(*this);
    Affiche_Cluster();
}

void Cluster::Affiche_Cluster() {
    const int index = Position_Dans_Liste(Bande_CL, Bande_CL->currentText());
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Bande_Cluster, index);
    const QString base = Base_Cluster(
        services_.reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Adresse_Cluster, QString()));
    WebBrowser1->Navigue(Adresse_Cluster(base, index));
}

void Cluster::Afficher_Click() {
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Bande_Cluster,
                                      Position_Dans_Liste(Bande_CL, Bande_CL->currentText()));
    Affiche_Cluster();
}

void Cluster::Connecte_Click() {
    if (connexion_->Active()) {
        connexion_->Deconnecte();
        return;
    }
    const Noeud_Cluster noeud = Controle_Noeud(Noeud->text(), Port->text());
    if (!noeud.refus.isEmpty()) {
        services_.messages.Message(noeud.refus);
        return;
    }
    const QString indicatif = indicatif_();
    if (indicatif == Aucune_Station) {
        services_.messages.Message(
            u"Le nœud demande votre indicatif pour se connecter\u00A0: choisissez-le d'abord "
            u"dans Station, Nouvel Indicatif."_s);
        return;
    }
    const QString commune = Reglages::Section_Commune();
    services_.reglages.Ecrire_Reglage(commune, cle::Noeud_Cluster, noeud.hote);
    services_.reglages.Ecrire_Reglage(commune, cle::Port_Cluster, noeud.port);
    connexion_->Connecte(noeud.hote, noeud.port, Indicatif_Affiche(indicatif));
    Change_Legende(Connecte, u"Déconnecter"_s);
}

void Cluster::Commande_Entree() {
    const QString commande = Commande->text().trimmed();
    if (commande.isEmpty()) {
        return;
    }
    if (const QString refus = Controle_Commande(commande); !refus.isEmpty()) {
        services_.messages.Message(refus);
        return;
    }
    if (!connexion_->Connectee()) {
        services_.messages.Message(
            u"Le cluster n'est pas connecté\u00A0: la commande n'a pas été envoyée."_s);
        return;
    }
    connexion_->Envoie(commande);
    Journal_Noeud->appendPlainText(u"> "_s + commande);
    Commande->clear();
}

void Cluster::Lignes_Recues(const QStringList& lignes) {
    // One insertion into the table and one addition to the raw pane for all of them.
    QList<Spot> spots;
    QStringList autres;
    for (const QString& ligne : lignes) {
        if (auto spot = Analyse_Spot(ligne)) {
            spots.append(std::move(*spot));
        } else if (!ligne.trimmed().isEmpty()) {
            autres.append(Ligne_Affichable(ligne));
        }
    }
    const Nouveaute meilleure = spots_->Ajoute(spots);
    if (services_.nouveautes && services_.sons) {
        if (const auto son =
                services_.nouveautes->Alerte(meilleure, Lit_Reglage_Alertes(services_.reglages),
                                             services_.horloge.Maintenant_Utc().toMSecsSinceEpoch())) {
            services_.sons->Joue(*son);
        }
    }
    if (!autres.isEmpty()) {
        // The pane keeps its last 500 lines anyway.
        Journal_Noeud->appendPlainText(autres.mid(qMax<qsizetype>(0, autres.size() - 500)).join(u'\n'));
    }
}

void Cluster::Journal_Change() {
    spots_->Remarque();
}

void Cluster::Spot_DblClick(const QModelIndex& vue) {
    const QModelIndex index = filtre_manque_->mapToSource(vue);
    if (!index.isValid()) {
        return;
    }
    const Spot& spot = spots_->Spot_Affiche(index.row());
    if (hote_.Prend_Spot(spot.indicatif, spot.bande)) {
        // The receiver goes to the spot too, once the form took it.
        if (hote_.Accorde_Recepteur(spot.khz)) {
            Affiche_Valeur(Etat_Cluster, u"État de la connexion\u00A0:"_s,
                           u"Récepteur accordé sur le spot de "_s + spot.indicatif + u"\u00A0: "_s +
                               Texte_Frequence(qRound64(spot.khz * 1000.0), {}) + u'.');
        }
        if (spot.bande.isEmpty()) {
            Affiche_Valeur(
                Etat_Cluster, u"État de la connexion\u00A0:"_s,
                u"Spot de "_s + spot.indicatif + u" sur "_s + Decimal_Francais(spot.khz, 1) +
                    u"\u00A0kHz\u00A0: cette fréquence n'est dans aucune bande du journal, choisissez "
                    u"la bande dans la saisie."_s);
        }
    } else {
        services_.messages.Message(
            u"La saisie n'attend pas un nouveau QSO\u00A0: un QSO y est en cours ou affiché.\r\n"
            u"Cliquez sur «\u00A0Annuler saisie en cours\u00A0», puis double-cliquez de nouveau sur le "
            u"spot."_s);
    }
}

} // namespace swl
