#include "labels/select_qso.h"

#include "core/log/fiche_qso.h"
#include "labels/etiquettes.h"
#include "labels/modele_choix.h"
#include "platform/fenetres.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Enter, Return or Space in a list calls `gestion`.
void Installe_Touches_Deplacement(QListView* liste, std::function<void()> gestion) {
    Installe_KeyPress(liste, [gestion = std::move(gestion)](int code) {
        if (code == 13 || code == ' ') {
            gestion();
            return 0;
        }
        return code;
    });
}

// A click on a line of a list moves that line at once. The list itself never sees the click:
// the line that takes its place under the pointer must not be chosen by the same click.
class Clic_Sur_Ligne final : public QObject {
public:
    Clic_Sur_Ligne(QListView* liste, std::function<void(const QModelIndex&)> gestion)
        : QObject(liste), liste_(liste), gestion_(std::move(gestion)) {}

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        switch (evenement->type()) {
        // The second of two quick presses comes as a double click: it moves its line too.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* souris = static_cast<QMouseEvent*>(evenement);
            liste_->setFocus(Qt::MouseFocusReason);
            const QModelIndex ligne = liste_->indexAt(souris->position().toPoint());
            if (souris->button() == Qt::LeftButton && ligne.isValid()) {
                gestion_(ligne);
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            return true;
        default:
            return false;
        }
    }

private:
    QListView* liste_;
    std::function<void(const QModelIndex&)> gestion_;
};

} // namespace

Select_QSO::Select_QSO(const Services& services, Lignes_Log lignes, std::function<QString()> indicatif,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), indicatif_(std::move(indicatif)),
      lignes_(std::move(lignes)) {
    setObjectName(u"Select_QSO"_s);
    setWindowTitle(u"Selection QSO"_s);
    non_choisies_ = new Modele_Choix(lignes_, true, this);
    choisies_ = new Modele_Choix(lignes_, false, this);

    Frame1 = Nomme_Controle(new QGroupBox(this), u"Frame1"_s, u"Titre"_s);
    Label2 = Nomme_Controle(new QLabel(u"Selection des QSO pour impression d'etiquettes"_s, Frame1),
                            u"Label2"_s, u"Selection des QSO pour impression d'etiquettes"_s);
    Label2->setFont(Police_Titre());
    Frame2 = Nomme_Controle(new QGroupBox(this), u"Frame2"_s, u"Listes des QSO"_s);
    Label3 = Nomme_Controle(new QLabel(u"Cliquez sur un QSO pour le selectionner "_s, Frame2), u"Label3"_s,
                            u"Cliquez sur un QSO pour le selectionner"_s);
    Label4 = Nomme_Controle(
        new QLabel(
            u"QSO selectionné(s) pour impression d'etiquettes . Cliquez sur un QSO pour le déselectionner."_s,
            Frame2),
        u"Label4"_s, u"QSO selectionnés pour impression d'étiquettes"_s);
    Liste_QSO = Nouvelle_Liste_Lignes(Frame2, u"Liste_QSO"_s, u"QSO non sélectionnés"_s);
    Liste_Imprime =
        Nouvelle_Liste_Lignes(Frame2, u"Liste_Imprime"_s, u"QSO sélectionnés pour les étiquettes"_s);
    Label3->setBuddy(Liste_QSO);
    Label4->setBuddy(Liste_Imprime);
    Liste_QSO->setModel(non_choisies_);
    Liste_Imprime->setModel(choisies_);
    for (QListView* liste : {Liste_QSO, Liste_Imprime}) {
        // As wide as the main list: the columns line up as there.
        Fixe_Taille_Lignes(liste, Largeur_Ligne_Liste + 3, 12);
    }
    Impression = Nomme_Controle(new QPushButton(u"Impression"_s, this), u"Impression"_s, u"Impression"_s);

    (new QHBoxLayout(Frame1))->addWidget(Label2, 0, Qt::AlignHCenter);
    auto* listes = new QVBoxLayout(Frame2);
    listes->addWidget(Label3);
    listes->addWidget(Liste_QSO, 1);
    listes->addWidget(Label4);
    listes->addWidget(Liste_Imprime, 1);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(Impression);
    bas->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(Frame2, 1);
    colonne->addLayout(bas);

    // A click moves its line at once. From the keyboard the arrows, Page Up/Down, Home and End
    // only move the current line, Enter or Space moves it: a QSO far down the list can be
    // reached without moving every QSO above it.
    for (QListView* liste : {Liste_QSO, Liste_Imprime}) {
        liste->viewport()->installEventFilter(
            new Clic_Sur_Ligne(liste, [this, liste](const QModelIndex& ligne) { Deplace(liste, ligne); }));
        liste->setToolTip(
            u"Un clic, ou Entrée ou Espace sur la ligne courante, déplace le QSO dans l'autre liste."_s);
        Installe_Touches_Deplacement(liste, [this, liste] {
            const int rangee = liste->currentIndex().row();
            Deplace(liste, liste->currentIndex());
            // The next line becomes the current one, so that Enter can go on down the list.
            const QModelIndex suivante =
                liste->model()->index(std::min(rangee, liste->model()->rowCount() - 1), 0);
            if (suivante.isValid()) {
                liste->selectionModel()->setCurrentIndex(suivante, QItemSelectionModel::ClearAndSelect);
            }
        });
    }
    connect(Impression, &QPushButton::clicked, this, &Select_QSO::Impression_Click);
    Form_Load();
}

Select_QSO::~Select_QSO() = default;

void Select_QSO::Form_Load() {
    adjustSize();
    Centre_Fenetre(*this);
}

void Select_QSO::Deplace(QListView* de, const QModelIndex& courante) {
    if (deplacement_ || !courante.isValid()) {
        return;
    }
    deplacement_ = true;
    Modele_Choix* source = de == Liste_QSO ? non_choisies_ : choisies_;
    Modele_Choix* cible = de == Liste_QSO ? choisies_ : non_choisies_;
    cible->Ajoute(source->Retire(courante.row()));
    // Afterwards no line of the list is selected nor current: the arrow keys start again from
    // the first line.
    de->selectionModel()->clear();
    deplacement_ = false;
}

QStringList Select_QSO::Lignes_Choisies() const {
    QStringList lignes;
    lignes.reserve(choisies_->Nombre());
    for (int i = 0; i < choisies_->Nombre(); ++i) {
        lignes << choisies_->Ligne(i);
    }
    return lignes;
}

void Select_QSO::Impression_Click() {
    Montre_Fenetre(etiquettes_,
                   [this] { return new Etiquettes(services_, this, indicatif_, parentWidget()); });
}

} // namespace swl
