// The awards window: totals, grid, map, the QSOs of an element and the claim list.
#include "views/fenetre_diplomes.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/log/fiche_qso.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/reports/demande_diplome.h"
#include "core/reports/index_journal.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/fenetres.h"
#include "platform/imprimante.h"
#include "views/modele_diplomes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

const QColor Fenetre_Diplomes::Couleur_Confirme = Modele_Grille_Diplome::Couleur_Confirme;
const QColor Fenetre_Diplomes::Couleur_Entendu = Modele_Grille_Diplome::Couleur_Entendu;
const QColor Fenetre_Diplomes::Couleur_Manquant = Modele_Grille_Diplome::Couleur_Manquant;

namespace {

// The band scope in a combo box's data: -3 all bands, -2 HF, -1 VHF/UHF, a band's index.
constexpr int Toutes = -3;
constexpr int HF = -2;
constexpr int VHF = -1;

QLabel* Pastille(const QColor& couleur, const QString& texte, QWidget* parent) {
    auto* p = new QLabel(texte, parent);
    p->setFixedSize(22, 16);
    p->setAlignment(Qt::AlignCenter);
    p->setFrameShape(QFrame::Box);
    p->setAutoFillBackground(true);
    Colore_Case(p, couleur);
    return p;
}

QString Quoi(Diplome d) {
    return d == Diplome::DDFM ? u"département"_s : d == Diplome::Pays ? u"pays"_s : u"continent"_s;
}

} // namespace

Fenetre_Diplomes::Fenetre_Diplomes(const Services& services, std::function<const Lignes_Log&()> journal,
                                   std::function<QString()> indicatif, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), journal_(std::move(journal)),
      indicatif_(std::move(indicatif)), grille_(new Modele_Grille_Diplome(this)),
      detail_(new Modele_Detail_Diplome(this)) {
    setObjectName(u"Fenetre_Diplomes"_s);
    setWindowTitle(u"Diplômes"_s);

    Choix_Diplome = Nomme_Controle(new QComboBox(this), u"Choix_Diplome"_s, u"Diplôme"_s);
    Choix_Diplome->addItems(
        {u"DDFM — départements français"_s, u"Pays — 100 pays et plus (ISWL)"_s, u"WAC — six continents"_s});
    Choix_Bandes = Nomme_Controle(new QComboBox(this), u"Choix_Bandes"_s, u"Bandes"_s);
    Choix_Mode = Nomme_Controle(new QComboBox(this), u"Choix_Mode"_s, u"Mode"_s);
    for (int g = -1; g < Nombre_Groupes_Mode; ++g) {
        Choix_Mode->addItem(Texte_Groupe(g), g);
    }
    Station_B = Nomme_Controle(new QCheckBox(u"Compter aussi la station B"_s, this), u"Station_B"_s,
                               u"Compter aussi la station B"_s);
    En_France =
        Nomme_Controle(new QCheckBox(u"Je réside en France (DDFM\u00A0: 50 en HF, 30 en VHF/UHF)"_s, this),
                       u"En_France"_s, u"Je réside en France"_s);
    Choix_Montres = Nomme_Controle(new QComboBox(this), u"Choix_Montres"_s, u"Afficher"_s);
    Choix_Montres->addItems({u"Tous"_s, u"Seulement les entendus"_s, u"Seulement les manquants"_s});
    auto* note =
        new QLabel(u"Les diplômes comptent la station A de chaque QSO (et la station B si «\u00A0Compter "
                   u"aussi la station B\u00A0» est coché, si le gestionnaire du diplôme l'accepte d'un "
                   u"écouteur)\u00A0; les statistiques comptent les stations A et B."_s,
                   this);
    note->setObjectName(u"Note_Stations"_s);
    note->setWordWrap(true);
    Avancement = Nomme_Controle(new QLabel(this), u"Avancement"_s, u"Avancement"_s);
    QFont gras = Avancement->font();
    gras.setBold(true);
    Avancement->setFont(gras);
    Avancement->setWordWrap(true);
    Cinq_Bandes = Nomme_Controle(new QLabel(this), u"Cinq_Bandes"_s, u"5 bandes"_s);
    Lignes_Illisibles = Nomme_Controle(new QLabel(this), u"Lignes_Illisibles"_s, u"Lignes illisibles"_s);
    Lignes_Illisibles->setWordWrap(true);
    Cinq_Bandes->setWordWrap(true);

    Onglets_Diplome = Nomme_Controle(new QTabWidget(this), u"Onglets_Diplome"_s, u"Grille et carte"_s);
    Grille = Nomme_Controle(new QTableView(this), u"Grille"_s, u"Grille du diplôme"_s);
    Grille->setModel(grille_);
    Grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grille->setSelectionMode(QAbstractItemView::SingleSelection);
    Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grille->verticalHeader()->hide();
    Grille->verticalHeader()->setDefaultSectionSize(Grille->fontMetrics().height() + 4);
    Grille->horizontalHeader()->setMinimumSectionSize(20);
    Onglets_Diplome->addTab(Grille, u"Grille"_s);
    auto* defile = new QScrollArea(this);
    carte_ = Construit_Fond_Carte(services_, defile);
    defile->setWidget(carte_.image);
    // The whole of France at the window's size, as in the map window.
    defile->setMinimumSize(carte_.image->size() + QSize(2, 2) * defile->frameWidth() + QSize(4, 4));
    defile->setAccessibleName(u"Carte des départements"_s);
    Onglets_Diplome->addTab(defile, u"Carte"_s);
    auto* legende = new QHBoxLayout;
    for (const auto& [couleur, lettre, texte] : {std::tuple{Couleur_Confirme, u"C"_s, u"confirmé"_s},
                                                 std::tuple{Couleur_Entendu, u"E"_s, u"entendu"_s},
                                                 std::tuple{Couleur_Manquant, u"–"_s, u"manquant"_s}}) {
        legende->addWidget(Pastille(couleur, lettre, this));
        legende->addWidget(new QLabel(texte, this));
        legende->addSpacing(12);
    }
    legende->addStretch();

    auto* cadre_detail = new QGroupBox(this);
    Titre_Detail = Nomme_Controle(new QLabel(cadre_detail), u"Titre_Detail"_s, u"QSO"_s);
    Titre_Detail->setWordWrap(true);
    Detail = Nomme_Controle(new QTableView(cadre_detail), u"Detail"_s, u"QSO de l'élément choisi"_s);
    Detail->setModel(detail_);
    Detail->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Detail->verticalHeader()->hide();
    Detail->verticalHeader()->setDefaultSectionSize(Detail->fontMetrics().height() + 4);
    Detail->horizontalHeader()->setStretchLastSection(true);
    Detail->setMinimumHeight(140);
    Sans_Element = Nomme_Controle(new QPushButton(cadre_detail), u"Sans_Element"_s, QString());
    auto* l_detail = new QVBoxLayout(cadre_detail);
    auto* titre = new QHBoxLayout;
    titre->addWidget(Titre_Detail, 1);
    titre->addWidget(Sans_Element);
    l_detail->addLayout(titre);
    l_detail->addWidget(Detail);

    Demande = Nomme_Controle(new QPushButton(u"Liste pour la demande…"_s, this), u"Demande"_s,
                             u"Liste pour la demande…"_s);
    Fermer_Diplomes = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Diplomes"_s, u"Fermer"_s);

    // Two columns, for a laptop's screen: the grid or the whole map on the left, the choices,
    // the totals and the QSOs on the right.
    auto* choix = new QGridLayout;
    int rang = 0;
    for (const auto& [legende_choix, controle] :
         {std::pair{u"Diplôme"_s, static_cast<QWidget*>(Choix_Diplome)},
          std::pair{u"Bandes"_s, static_cast<QWidget*>(Choix_Bandes)},
          std::pair{u"Mode"_s, static_cast<QWidget*>(Choix_Mode)},
          std::pair{u"Afficher"_s, static_cast<QWidget*>(Choix_Montres)}}) {
        auto* l = new QLabel(legende_choix, this);
        l->setBuddy(controle);
        choix->addWidget(l, rang / 2, (rang % 2) * 2);
        choix->addWidget(controle, rang / 2, (rang % 2) * 2 + 1);
        ++rang;
    }
    choix->setColumnStretch(1, 1);
    choix->setColumnStretch(3, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Demande);
    boutons->addStretch();
    boutons->addWidget(Fermer_Diplomes);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(Onglets_Diplome, 1);
    gauche->addLayout(legende);
    auto* droite = new QVBoxLayout;
    droite->addLayout(choix);
    droite->addWidget(Station_B);
    droite->addWidget(En_France);
    droite->addWidget(note);
    droite->addWidget(Avancement);
    droite->addWidget(Cinq_Bandes);
    droite->addWidget(Lignes_Illisibles);
    droite->addWidget(cadre_detail, 1);
    droite->addLayout(boutons);
    auto* colonnes = new QHBoxLayout(this);
    colonnes->addLayout(gauche, 0);
    colonnes->addLayout(droite, 1);

    const QString section = Reglages::Section_Commune();
    Station_B->setChecked(services_.reglages.Lire_Reglage(section, cle::Diplomes_Station_B, u"Non"_s) ==
                          u"Oui");
    En_France->setChecked(services_.reglages.Lire_Reglage(section, cle::Diplomes_En_France, u"Oui"_s) !=
                          u"Non");

    connect(Choix_Diplome, &QComboBox::currentIndexChanged, this, [this] {
        Remplit_Bandes();
        element_ = -1;
        Affiche();
    });
    connect(Choix_Bandes, &QComboBox::currentIndexChanged, this, [this] {
        if (!en_remplissage_) {
            Affiche();
        }
    });
    connect(Choix_Mode, &QComboBox::currentIndexChanged, this, &Fenetre_Diplomes::Affiche);
    connect(Choix_Montres, &QComboBox::currentIndexChanged, this, &Fenetre_Diplomes::Affiche);
    connect(Station_B, &QCheckBox::toggled, this, &Fenetre_Diplomes::Reglage_Change);
    connect(En_France, &QCheckBox::toggled, this, &Fenetre_Diplomes::Reglage_Change);
    connect(Grille->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid()) {
                    Montre_Element(grille_->Element(i.row()));
                }
            });
    connect(Sans_Element, &QPushButton::clicked, this, &Fenetre_Diplomes::Montre_Sans_Element);
    connect(Demande, &QPushButton::clicked, this, &Fenetre_Diplomes::Demande_Click);
    connect(Fermer_Diplomes, &QPushButton::clicked, this, &QWidget::close);
    // A click on a department's marker shows its QSOs, as a click on its row does.
    for (int i = 0; i < Nombre_Marqueurs; ++i) {
        const int n = i;
        Installe_Clic(carte_.marqueurs[std::size_t(i)], [this, n] {
            const QString code = Code_Departement(n);
            for (int e = 0; e < comptes_.ddfm.elements.size(); ++e) {
                if (comptes_.ddfm.elements[e].code == code && Diplome_Choisi() == Diplome::DDFM) {
                    if (grille_->Rangee(e) >= 0) {
                        Grille->selectRow(grille_->Rangee(e));
                    }
                    Montre_Element(e);
                }
            }
        });
    }

    Remplit_Bandes();
    Recompte();
    // The whole map beside the totals and the QSOs; brought inside a smaller screen.
    resize(std::max(1180, sizeHint().width()), 700);
    Centre_Fenetre(*this);
}

Fenetre_Diplomes::~Fenetre_Diplomes() = default;

Diplome Fenetre_Diplomes::Diplome_Choisi() const {
    return Diplome(Choix_Diplome->currentIndex());
}

Filtre_Diplome Fenetre_Diplomes::Filtre() const {
    Filtre_Diplome f;
    const int portee = Choix_Bandes->currentData().toInt();
    f.portee = portee == Toutes ? Filtre_Diplome::Portee::Toutes
               : portee == HF   ? Filtre_Diplome::Portee::HF
               : portee == VHF  ? Filtre_Diplome::Portee::VHF
                                : Filtre_Diplome::Portee::Bande;
    f.bande = std::max(portee, 0);
    f.groupe = Choix_Mode->currentData().toInt();
    return f;
}

Reglage_Diplomes Fenetre_Diplomes::Reglage() const {
    return {Station_B->isChecked(), En_France->isChecked()};
}

void Fenetre_Diplomes::Remplit_Bandes() {
    // The DDFM counts HF and VHF/UHF apart: it has no "all bands".
    en_remplissage_ = true;
    const int avant = Choix_Bandes->currentData().isValid() ? Choix_Bandes->currentData().toInt() : HF;
    Choix_Bandes->clear();
    if (Diplome_Choisi() != Diplome::DDFM) {
        Choix_Bandes->addItem(u"Toutes bandes"_s, Toutes);
    }
    Choix_Bandes->addItem(u"Toutes bandes HF"_s, HF);
    Choix_Bandes->addItem(u"Toutes bandes VHF/UHF"_s, VHF);
    for (int b = 0; b < Nombre_Bandes_Diplome; ++b) {
        if (b != Bande_CB) {
            Choix_Bandes->addItem(Liste_Bandes()[b], b);
        }
    }
    const int i = Choix_Bandes->findData(avant);
    Choix_Bandes->setCurrentIndex(i >= 0 ? i : Choix_Bandes->findData(HF));
    en_remplissage_ = false;
}

void Fenetre_Diplomes::Journal_Change() {
    Recompte();
}

void Fenetre_Diplomes::Reglage_Change() {
    const QString section = Reglages::Section_Commune();
    services_.reglages.Ecrire_Reglage(section, cle::Diplomes_Station_B,
                                      Station_B->isChecked() ? u"Oui"_s : u"Non"_s);
    services_.reglages.Ecrire_Reglage(section, cle::Diplomes_En_France,
                                      En_France->isChecked() ? u"Oui"_s : u"Non"_s);
    Recompte();
}

void Fenetre_Diplomes::Recompte() {
    comptes_ = Compte_Diplomes(journal_(), services_.pays ? services_.pays->Fichier() : nullptr, Reglage());
    Affiche();
}

void Fenetre_Diplomes::Affiche() {
    const Diplome d = Diplome_Choisi();
    const Compte_Diplome& c = comptes_.De(d);
    const Filtre_Diplome f = Filtre();
    grille_->Affiche(&c, f, Modele_Grille_Diplome::Montres(Choix_Montres->currentIndex()));
    Grille->resizeColumnsToContents();
    // A threshold for the DDFM only.
    En_France->setVisible(d == Diplome::DDFM);
    Affiche_Valeur(Avancement, u"Avancement"_s, Texte_Avancement(c, f, Reglage()));
    Cinq_Bandes->setVisible(d == Diplome::Pays);
    if (d == Diplome::Pays) {
        Affiche_Valeur(Cinq_Bandes, u"5 bandes"_s, Texte_Cinq_Bandes(c, f.groupe));
    }
    Lignes_Illisibles->setVisible(comptes_.illisibles.nombre > 0);
    Affiche_Valeur(Lignes_Illisibles, u"Lignes illisibles"_s,
                   Texte_Illisibles(comptes_.illisibles, journal_()));
    if (d == Diplome::Pays && !services_.pays) {
        Affiche_Valeur(Lignes_Illisibles, u"Fichier des pays"_s,
                       u"Pas de fichier des pays\u00A0: aucun pays n'est connu."_s);
        Lignes_Illisibles->setVisible(true);
    }
    Onglets_Diplome->setTabEnabled(1, d == Diplome::DDFM);
    Change_Legende(Sans_Element, u"QSO qui ne comptent pour aucun "_s + Quoi(d) + u" ("_s +
                                     Nombre_Francais(c.sans_element.size()) + u')');
    Affiche_Carte();
    if (element_ >= 0 && element_ < c.elements.size()) {
        Montre_Element(element_);
    } else {
        Montre_Sans_Element();
    }
}

void Fenetre_Diplomes::Affiche_Carte() {
    const Filtre_Diplome f = Filtre();
    for (int i = 0; i < Nombre_Marqueurs; ++i) {
        Colore_Case(carte_.marqueurs[std::size_t(i)], Couleur_Manquant);
    }
    for (const Element_Diplome& e : comptes_.ddfm.elements) {
        const int i = Numero_Departement(e.code.toLatin1());
        const Etat_Case etat = Etat_Element(e, f);
        QLabel* m = carte_.marqueurs[std::size_t(i)];
        Colore_Case(m, etat == Etat_Case::Confirme  ? Couleur_Confirme
                       : etat == Etat_Case::Entendu ? Couleur_Entendu
                                                    : Couleur_Manquant);
        // The colour said in words for a screen reader.
        m->setAccessibleName(u"Département "_s + e.code.toUpper() + u", "_s + Texte_Etat(etat));
    }
}

void Fenetre_Diplomes::Montre_Element(int element) {
    const Diplome d = Diplome_Choisi();
    const Compte_Diplome& c = comptes_.De(d);
    if (element < 0 || element >= c.elements.size()) {
        return;
    }
    element_ = element;
    const Element_Diplome& e = c.elements[element];
    const Lignes_Log& log = journal_();
    const Filtre_Diplome f = Filtre();
    // The one kept for the claim: the earliest confirmed one that counts under the filter.
    Compte_Diplome seul;
    seul.diplome = d;
    seul.elements = {e};
    const QList<Ligne_Demande> retenue = Liste_Demande(seul, log, f);
    QList<Modele_Detail_Diplome::Rangee> rangees;
    for (const int i : e.comptent) {
        if (Ligne_Dans_Filtre(log.Octets(i), f)) {
            const bool b = d == Diplome::DDFM && Numero_Departement(Colonne_Log(log.Octets(i), 27, 2)) >= 0 &&
                           Code_Departement(Numero_Departement(Colonne_Log(log.Octets(i), 27, 2))) != e.code;
            rangees.append(
                {i, b ? 'B' : 'A',
                 !retenue.isEmpty() && retenue[0].ligne == i ? u"retenu pour la demande"_s : u"compte"_s});
        }
    }
    const qsizetype comptent = rangees.size();
    for (const QSO_Refuse& r : e.refuses) {
        const QByteArrayView l = log.Octets(r.ligne);
        rangees.append(
            {r.ligne, r.station,
             u"ne compte pas\u00A0: "_s + Texte_Raison(r.raison, Decode_1252(Colonne_Log(l, 67, 7)))});
    }
    detail_->Affiche(&log, std::move(rangees));
    Detail->resizeColumnsToContents();
    const QString nom =
        (d == Diplome::DDFM ? u"Département "_s + e.code.toUpper() : e.code) + u" — "_s + e.nom;
    Affiche_Valeur(Titre_Detail, u"QSO"_s,
                   nom + u"\u00A0: "_s + Nombre_Francais(comptent) +
                       (comptent > 1 ? u" QSO comptent, "_s : u" QSO compte, "_s) +
                       Nombre_Francais(e.refuses.size()) +
                       (e.refuses.size() > 1 ? u" ne comptent pas"_s : u" ne compte pas"_s));
}

void Fenetre_Diplomes::Montre_Sans_Element() {
    const Diplome d = Diplome_Choisi();
    const Compte_Diplome& c = comptes_.De(d);
    element_ = -1;
    const Lignes_Log& log = journal_();
    QList<Modele_Detail_Diplome::Rangee> rangees;
    for (const QSO_Refuse& r : c.sans_element) {
        const QByteArrayView l = log.Octets(r.ligne);
        const QString dpt = Decode_1252(r.station == 'B' ? Colonne_Log(l, 29, 2) : Colonne_Log(l, 27, 2));
        rangees.append(
            {r.ligne, r.station,
             u"ne compte pas\u00A0: "_s + Texte_Raison(r.raison, Decode_1252(Colonne_Log(l, 67, 7)), dpt)});
    }
    detail_->Affiche(&log, std::move(rangees));
    Detail->resizeColumnsToContents();
    Affiche_Valeur(Titre_Detail, u"QSO"_s,
                   u"QSO qui ne comptent pour aucun "_s + Quoi(d) + u"\u00A0: "_s +
                       Nombre_Francais(c.sans_element.size()));
}

} // namespace swl
