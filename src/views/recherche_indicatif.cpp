#include "views/recherche_indicatif.h"

#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/libelle_colonnes.h"
#include "platform/modele_lignes.h"
#include "views/hote_recherche.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Libelle_Resultats =
    u"   N°   Indicatif A      Dpt RST      Indicatif B      Dpt RST     Date     Heure Mode  Bande  QSL"_s;

QLineEdit* Boite_Critere(QWidget* parent, const QString& nom, const QString& accessible) {
    auto* b = Nomme_Controle(new QLineEdit(parent), nom, accessible);
    QFont police(u"Arial"_s);
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(8.25);
    police.setBold(true);
    b->setFont(police);
    Fixe_Couleur_Fond(b, Couleur_Repos);
    return b;
}

} // namespace

Recherche_Indicatif::Recherche_Indicatif(const Services& services, Hote_Recherche& hote, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), hote_(hote), resultats_(new Modele_Lignes(this)) {
    setObjectName(u"Recherche_Indicatif"_s);
    Frame1 = Nomme_Controle(new QGroupBox(this), u"Frame1"_s, u"Critère de recherche"_s);
    Label3 = Nomme_Controle(new QLabel(Frame1), u"Label3"_s, u"Rechercher un QSO par ..."_s);
    QFont gras = Label3->font();
    gras.setBold(true);
    Label3->setFont(gras);
    Frame2 = Nomme_Controle(new QGroupBox(Frame1), u"Frame2"_s, u"Rechercher par"_s);
    options_ = new QButtonGroup(this);
    const QString textes[] = {u"Indicatif"_s, u"Date"_s, u"Dpt"_s};
    for (int i = 0; i < 3; ++i) {
        Option1[static_cast<std::size_t>(i)] = Nomme_Controle(
            new QRadioButton(textes[i], Frame2), u"Option1("_s + QString::number(i + 1) + u')', textes[i]);
        options_->addButton(Option1[static_cast<std::size_t>(i)], i + 1);
    }
    Indica = Boite_Critere(Frame1, u"Indica"_s, u"Indicatif recherché"_s);
    Data = Boite_Critere(Frame1, u"Data"_s, u"Date recherchée, JJ/MM/AA"_s);
    Depa = Boite_Critere(Frame1, u"Depa"_s, u"Département recherché"_s);
    Indica->setToolTip(u"Une partie de l'indicatif de la station A, puis Entrée"_s);
    Data->setToolTip(u"La date exacte du QSO, JJ/MM/AA, puis Entrée"_s);
    Depa->setToolTip(u"Le département de la station A, puis Entrée"_s);

    Label13 = new Libelle_Colonnes({{u"N°"_s, 4},
                                    {u"Indicatif A"_s, 8},
                                    {u"Dpt"_s, 22},
                                    {u"RST"_s, 26},
                                    {u"Indicatif B"_s, 33},
                                    {u"Dpt"_s, 47},
                                    {u"RST"_s, 51},
                                    {u"Date"_s, 56},
                                    {u"Heure"_s, 66},
                                    {u"Mode"_s, 73},
                                    {u"Bande"_s, 78},
                                    {u"QSL"_s, 85}},
                                   this);
    Nomme_Controle(Label13, u"Label13"_s, u"Colonnes des QSO trouvés"_s);
    QSO_Effectues = Nouvelle_Liste_Lignes(this, u"QSO_Effectues"_s, u"QSO trouvés"_s);
    QSO_Effectues->setModel(resultats_);
    QSO_Effectues->setToolTip(u"Double clique sur le QSO pour retour au log"_s);
    Fixe_Taille_Lignes(QSO_Effectues, 90, 16);
    Label13->Suit_Liste(QSO_Effectues);
    Command1 = Nomme_Controle(new QPushButton(u"Quitter"_s, this), u"Command1"_s, u"Quitter"_s);

    auto* l_options = new QVBoxLayout(Frame2);
    for (QRadioButton* o : Option1) {
        l_options->addWidget(o);
    }
    auto* l_boites = new QGridLayout;
    l_boites->addWidget(Indica, 0, 0);
    l_boites->addWidget(Data, 1, 0);
    l_boites->addWidget(Depa, 2, 0);
    auto* l_cadre = new QGridLayout(Frame1);
    l_cadre->addWidget(Label3, 0, 0, 1, 2);
    l_cadre->addWidget(Frame2, 1, 0);
    l_cadre->addLayout(l_boites, 1, 1);
    l_cadre->setColumnStretch(2, 1);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(Command1);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(Label13);
    colonne->addWidget(QSO_Effectues, 1);
    colonne->addLayout(bas);

    Installe_KeyPress(Indica, [this](int code) { return Indica_KeyPress(code); });
    Installe_KeyPress(Data, [this](int code) { return Data_KeyPress(code); });
    Installe_KeyPress(Depa, [this](int code) { return Depa_KeyPress(code); });
    // A click in a box chooses its criterion; tabbing into it does not.
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = Option1[static_cast<std::size_t>(i)];
        Installe_Clic(Boite(static_cast<Critere>(i + 1)), [option] { option->setChecked(true); });
        connect(option, &QRadioButton::clicked, this,
                [this, i] { Boite(static_cast<Critere>(i + 1))->setFocus(); });
    }
    connect(QSO_Effectues, &QListView::doubleClicked, this, &Recherche_Indicatif::QSO_Effectues_DblClick);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

void Recherche_Indicatif::Form_Load() {
    Option1[0]->setChecked(true);
    Indica->clear();
    setWindowTitle(u"Rechercher un QSO"_s);
    Label3->setText(u"Rechercher un QSO par ..."_s);
    Affiche_Valeur(Label13, u"Colonnes des QSO trouvés\u00A0:"_s, Libelle_Resultats);
    adjustSize();
    Centre_Fenetre(*this);
    Indica->setFocus();
}

Critere Recherche_Indicatif::Critere_Choisi() const {
    return static_cast<Critere>(options_->checkedId());
}

QLineEdit* Recherche_Indicatif::Boite(Critere critere) const {
    switch (critere) {
    case Critere::Indicatif:
        return Indica;
    case Critere::Date:
        return Data;
    case Critere::Departement:
        break;
    }
    return Depa;
}

int Recherche_Indicatif::Indica_KeyPress(int code) {
    if (code != 13) {
        return code >= 'a' && code <= 'z' ? code - 32 : code;
    }
    if (Indica->text().size() > 12) {
        services_.messages.Message(u"12 caracteres maxi pour l'indicatif"_s);
    }
    if (Indica->text().isEmpty()) {
        services_.messages.Message(u"Entrez un indicatif"_s);
        Indica->clear();
        return 0;
    }
    Recherche_QSO();
    return 0;
}

int Recherche_Indicatif::Data_KeyPress(int code) {
    if (code != 13) {
        return code;
    }
    if (Data->text().size() == 8) {
        Recherche_QSO();
    } else {
        services_.messages.Message(u"8 caracteres maxi pour la référence ex: 12/06/08"_s);
    }
    return 0;
}

int Recherche_Indicatif::Depa_KeyPress(int code) {
    if (code != 13) {
        return code;
    }
    Depa->setText(Depa->text().toLower());
    if (Depa->text().size() > 2) {
        services_.messages.Message(u"2 caracteres maxi pour le département"_s);
    } else if (!Depa->text().isEmpty()) {
        Recherche_QSO();
    } else {
        services_.messages.Message(u"Entrez un Canton"_s);
        Depa->clear();
    }
    return 0;
}

void Recherche_Indicatif::Recherche_QSO() {
    resultats_->Vide();
    const Critere critere = Critere_Choisi();
    QLineEdit* boite = Boite(critere);
    // A snapshot of the main list: the results keep showing what was found.
    const Lignes_Log lignes = hote_.Lignes_Liste();
    if (lignes.Nombre() > 0) {
        // The box is looked at before the first line is compared.
        if (boite->text().startsWith(u"\r\n")) {
            boite->setText(boite->text().mid(2));
        }
        if (boite->text().isEmpty()) {
            switch (critere) {
            case Critere::Indicatif:
                services_.messages.Message(u"Entrez un indicatif"_s);
                boite->clear();
                break;
            case Critere::Date:
                services_.messages.Message(u"Entrez une date"_s);
                break;
            case Critere::Departement:
                services_.messages.Message(u"Entrez un departement"_s);
                break;
            }
            return;
        }
        const QList<int> trouvees = Lignes_Trouvees(lignes, critere, Texte_Recherche(critere, boite->text()));
        resultats_->Remplace(static_cast<int>(trouvees.size()), [lignes, trouvees](int i) {
            return Ligne_Resultat(lignes.Ligne_Liste(trouvees[i]));
        });
    }
    if (resultats_->Nombre() == 0) {
        services_.messages.Message(u"Pas de QSO trouvé"_s);
    }
    Indica->clear();
    Data->clear();
    Depa->clear();
}

void Recherche_Indicatif::QSO_Effectues_DblClick() {
    const QModelIndex choisi = QSO_Effectues->currentIndex();
    if (!choisi.isValid()) {
        return;
    }
    const QString resultat = resultats_->Ligne(choisi.row());
    const int numero = Numero_Ligne_Liste(resultat);
    // The number leads back to the entry only while the main list still shows that entry
    // there: a deletion or an insertion since the search renumbers the list.
    const Lignes_Log& lignes = hote_.Lignes_Liste();
    if (numero < 1 || numero > lignes.Nombre() ||
        Ligne_Resultat(lignes.Ligne_Liste(numero - 1)) != resultat) {
        services_.messages.Message(
            u"Le journal a changé depuis cette recherche\u00A0: ce QSO n'est plus à la même "
            u"place dans la liste.\r\nRelancez la recherche."_s);
        return;
    }
    hote_.Selectionne_Ligne(numero - 1);
    close();
}

} // namespace swl
