#include "station/gestion_erreur.h"

#include "core/program/reglages.h"
#include "platform/fenetres.h"
#include "platform/programme.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* Nouveau_Label(QWidget* parent, const QString& nom, const QString& texte) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    return l;
}

} // namespace

Gestion_Erreur::Gestion_Erreur(const Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(u"Gestion_Erreur"_s);
    setWindowTitle(u"Gestion erreur"_s);
    auto* cadre = new QGroupBox(this);
    Label2 = Nouveau_Label(cadre, u"Label2"_s, u"ERREUR 53"_s);
    QFont gras = Label2->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.4);
    Label2->setFont(gras);
    (new QHBoxLayout(cadre))->addWidget(Label2, 0, Qt::AlignHCenter);

    Label3 =
        Nouveau_Label(this, u"Label3"_s, u"ORBEL_SWL a trouvé dans la base de registre l'indicatif  : "_s);
    Ind_Station = Nouveau_Label(this, u"Ind_Station"_s, {});
    Label6 =
        Nouveau_Label(this, u"Label6"_s, u"Il n'a par contre pas trouvé dans son répértoire le fichier :"_s);
    Ind_Station1 = Nouveau_Label(this, u"Ind_Station1"_s, {});
    Err_Departement = Nouveau_Label(this, u"Err_Departement"_s, {});
    Label7 = Nouveau_Label(this, u"Label7"_s,
                           u"Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\""_s);
    Label1 = Nouveau_Label(this, u"Label1"_s, u"Relancez ORBEL_SWL "_s);
    Label9 = Nouveau_Label(this, u"Label9"_s,
                           u"une boite de dialogue vous demandera alors de spécifier votre indicatif"_s);
    for (QLabel* l : {Ind_Station, Ind_Station1, Err_Departement}) {
        l->setFont(gras);
    }
    Initialisation = new QPushButton(u"Initialiser"_s, this);
    Initialisation->setObjectName(u"Initialisation"_s);
    Initialisation->setAutoDefault(false);
    Quitter = new QPushButton(u"Quitter"_s, this);
    Quitter->setObjectName(u"Quitter"_s);
    Quitter->setAutoDefault(false);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(cadre);
    auto* ligne1 = new QHBoxLayout;
    ligne1->addWidget(Label3);
    ligne1->addWidget(Ind_Station);
    ligne1->addStretch();
    colonne->addLayout(ligne1);
    colonne->addWidget(Label6);
    auto* ligne2 = new QHBoxLayout;
    ligne2->setSpacing(0);
    ligne2->addWidget(Ind_Station1);
    ligne2->addWidget(Err_Departement);
    ligne2->addStretch();
    colonne->addLayout(ligne2);
    colonne->addSpacing(12);
    colonne->addWidget(Label7);
    colonne->addWidget(Label1);
    colonne->addWidget(Label9);
    colonne->addSpacing(12);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Initialisation);
    boutons->addStretch();
    boutons->addWidget(Quitter);
    colonne->addLayout(boutons);

    connect(Initialisation, &QPushButton::clicked, this, [this] {
        services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station,
                                          Aucune_Station);
    });
    connect(Quitter, &QPushButton::clicked, this, [this] { services_.programme.Termine(); });
    Form_Load();
}

void Gestion_Erreur::Form_Load() {
    const QString indicatif =
        services_.reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Indicatif_Station, Aucune_Station);
    Ind_Station->setText(indicatif);
    Ind_Station1->setText(indicatif);
    adjustSize();
    Centre_Fenetre(*this);
}

void Gestion_Erreur::Fixe_Err_Departement(const QString& texte) {
    Err_Departement->setText(texte);
}

} // namespace swl
