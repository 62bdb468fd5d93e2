// "Station → Alertes…": which marks ask for a sound, each kept at once in the settings.
#include "station/fenetre_alertes.h"

#include "core/reports/index_journal.h"
#include "platform/fenetres.h"
#include "platform/sons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Fenetre_Alertes::Fenetre_Alertes(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(u"Fenetre_Alertes"_s);
    setWindowTitle(u"Alertes"_s);
    auto* explication = new QLabel(u"Un son court quand un spot du cluster ou un QSO entendu en FT8/FT4 "
                                   u"apporte ce que le journal n'a pas encore. Au plus un son toutes les "
                                   u"10 secondes."_s,
                                   this);
    explication->setWordWrap(true);
    Alerte_Departement = Nomme_Controle(new QCheckBox(u"Un nouveau département"_s, this),
                                        u"Alerte_Departement"_s, u"Un son pour un nouveau département"_s);
    Alerte_Pays = Nomme_Controle(new QCheckBox(u"Un nouveau pays"_s, this), u"Alerte_Pays"_s,
                                 u"Un son pour un nouveau pays"_s);
    Ecoute_Departement = Nomme_Controle(new QPushButton(u"Écouter"_s, this), u"Ecoute_Departement"_s,
                                        u"Écouter le son d'un nouveau département"_s);
    Ecoute_Pays = Nomme_Controle(new QPushButton(u"Écouter"_s, this), u"Ecoute_Pays"_s,
                                 u"Écouter le son d'un nouveau pays"_s);
    Fermer_Alertes = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Alertes"_s, u"Fermer"_s);
    auto* grille = new QGridLayout;
    grille->addWidget(Alerte_Departement, 0, 0);
    grille->addWidget(Ecoute_Departement, 0, 1);
    grille->addWidget(Alerte_Pays, 1, 0);
    grille->addWidget(Ecoute_Pays, 1, 1);
    auto* fermer = new QHBoxLayout;
    fermer->addStretch();
    fermer->addWidget(Fermer_Alertes);
    Etat_Son = Nomme_Controle(new QLabel(this), u"Etat_Son"_s, QString());
    Etat_Son->setWordWrap(true);
    Etat_Son->hide();
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(explication);
    colonne->addLayout(grille);
    colonne->addWidget(Etat_Son);
    colonne->addLayout(fermer);

    const Reglage_Alertes r = Lit_Reglage_Alertes(services_.reglages);
    Alerte_Departement->setChecked(r.departement);
    Alerte_Pays->setChecked(r.pays);
    connect(Alerte_Departement, &QCheckBox::toggled, this, &Fenetre_Alertes::Enregistre);
    connect(Alerte_Pays, &QCheckBox::toggled, this, &Fenetre_Alertes::Enregistre);
    for (const auto& [bouton, son] : {std::pair{Ecoute_Departement, Son_Alerte::Nouveau_Departement},
                                      std::pair{Ecoute_Pays, Son_Alerte::Nouveau_Pays}}) {
        connect(bouton, &QPushButton::clicked, this, [this, son] {
            const QString erreur =
                services_.sons ? services_.sons->Joue(son) : u"Pas de son dans ce programme."_s;
            Affiche_Valeur(Etat_Son, u"Son\u00A0:"_s, erreur);
            Etat_Son->setVisible(!erreur.isEmpty());
        });
    }
    connect(Fermer_Alertes, &QPushButton::clicked, this, &QWidget::close);
    setMinimumWidth(420);
    adjustSize();
    Centre_Fenetre(*this);
}

void Fenetre_Alertes::Enregistre() {
    Ecrit_Reglage_Alertes(services_.reglages, {Alerte_Departement->isChecked(), Alerte_Pays->isChecked()});
}

} // namespace swl
