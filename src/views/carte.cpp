#include "views/carte.h"

#include "views/fond_carte.h"

#include "core/base/fichier_texte.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

const QColor Carte::Couleur_Entendu{128, 255, 128};
const QColor Carte::Couleur_Non_Entendu{255, 255, 128};

namespace {

QLabel* Etiquette(const QString& nom, const QString& texte, QWidget* parent) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    return l;
}

// A small coloured square beside a legend text.
QLabel* Pastille(const QColor& couleur, QWidget* parent) {
    auto* p = new QLabel(parent);
    p->setFixedSize(18, 14);
    p->setFrameShape(QFrame::Box);
    p->setAutoFillBackground(true);
    Colore_Case(p, couleur);
    return p;
}

} // namespace

Carte::Carte(const Services& services, std::function<QString()> indicatif, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), indicatif_(std::move(indicatif)) {
    setObjectName(u"Carte"_s);
    setWindowTitle(u"Carte des départements entendus"_s);

    const Fond_Carte fond = Construit_Fond_Carte(services_, this);
    Picture1 = fond.image;
    Dep = fond.marqueurs;

    Label1 = Etiquette(u"Label1"_s, u"Bande"_s, this);
    Bande_A = Nouvelle_Combo_Editable(this, u"Bande_A"_s);
    Bande_A->setAccessibleName(u"Bande"_s);
    Label1->setBuddy(Bande_A);
    Afficher = new QPushButton(u"Afficher"_s, this);
    Afficher->setObjectName(u"Afficher"_s);
    QFont gras = font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.2);
    NB_Dep = Etiquette(u"NB_Dep"_s, {}, this);
    Affiche_Valeur(NB_Dep, u"Nombre de départements entendus"_s, u"0"_s);
    Label5 = Etiquette(u"Label5"_s, u"départements entendus sur"_s, this);
    Bande_Carte = Etiquette(u"Bande_Carte"_s, {}, this);
    for (QLabel* l : {NB_Dep, Label5, Bande_Carte}) {
        l->setFont(gras);
    }
    Label6 = Etiquette(u"Label6"_s, u"Départements entendus"_s, this);
    Label8 = Etiquette(u"Label8"_s, u"Départements non entendus"_s, this);

    auto* choix = new QHBoxLayout;
    choix->addWidget(Label1);
    choix->addWidget(Bande_A);
    choix->addWidget(Afficher);
    choix->addStretch();
    auto* phrase = new QHBoxLayout;
    phrase->addWidget(NB_Dep);
    phrase->addWidget(Label5);
    phrase->addWidget(Bande_Carte);
    phrase->addStretch();
    auto* legende = new QHBoxLayout;
    legende->addWidget(Pastille(Couleur_Entendu, this));
    legende->addWidget(Label6);
    legende->addSpacing(16);
    legende->addWidget(Pastille(Couleur_Non_Entendu, this));
    legende->addWidget(Label8);
    legende->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(choix);
    colonne->addLayout(phrase);
    colonne->addWidget(Picture1);
    colonne->addLayout(legende);
    colonne->setSizeConstraint(QLayout::SetFixedSize);

    connect(Afficher, &QPushButton::clicked, this, &Carte::Afficher_Click);
    Form_Load();
}

QString Carte::Section_Station() const {
    return Reglages::Section_Station(indicatif_());
}

void Carte::Form_Load() {
    adjustSize();
    Centre_Fenetre(*this);
    Bande_A->clear();
    Bande_A->addItems(Liste_Bandes());
    Bande_A->setCurrentIndex(0);
    // -1 (no band chosen) is kept; anything else outside the list reads as the first band.
    const QString stocke = services_.reglages.Lire_Reglage(Section_Station(), cle::Bande_Carte, 0).trimmed();
    Bande_A->setCurrentIndex(stocke == u"-1" ? -1
                                             : services_.reglages.Lire_Index(
                                                   Section_Station(), cle::Bande_Carte, Bande_A->count()));
    for (QLabel* d : Dep) {
        Colore_Case(d, Couleur_Non_Entendu);
    }
    Affiche_Carte();
}

void Carte::Affiche_Carte() {
    const QString bande = Bande_A->currentText();
    if (bande.isEmpty()) {
        services_.messages.Message(u"Selectionnez une bande"_s);
        return;
    }
    const Fichier_Log log(services_.repertoire, indicatif_());
    const Fichier_Log::Lecture lecture = log.Lit_Log();
    if (lecture.erreur != Lecture_Reussie || !lecture.message.isEmpty()) {
        // The map stays as it was.
        services_.messages.Message(u"Le journal «\u00A0"_s + Fichier_Log::Nom_Log(indicatif_()) +
                                   u"\u00A0» ne peut pas être lu (Erreur N° "_s +
                                   QString::number(lecture.erreur ? lecture.erreur : Erreur_Acces) +
                                   u")\u00A0: la carte n'a pas été mise à jour."_s);
        return;
    }
    const int index = Position_Dans_Liste(Bande_A, bande);
    Affiche_Valeur(Bande_Carte, u"Bande de la carte"_s, index >= 0 ? Bande_A->itemText(index) : bande);
    const Marquage marquage = Marque_Departements(lecture.lignes, bande);
    Colore(marquage);
    Affiche_Valeur(NB_Dep, u"Nombre de départements entendus"_s, QString::number(marquage.nombre));
}

void Carte::Colore(const Marquage& marquage) {
    for (std::size_t i = 0; i < Dep.size(); ++i) {
        Colore_Case(Dep[i], marquage.entendu[i] ? Couleur_Entendu : Couleur_Non_Entendu);
        // The colour said in words for a screen reader.
        Dep[i]->setAccessibleName(u"Département "_s + Texte_Marqueur(static_cast<int>(i)) +
                                  (marquage.entendu[i] ? u", entendu"_s : u", non entendu"_s));
    }
}

void Carte::Afficher_Click() {
    Affiche_Carte();
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Bande_Carte,
                                      Position_Dans_Liste(Bande_A, Bande_A->currentText()));
}

} // namespace swl
