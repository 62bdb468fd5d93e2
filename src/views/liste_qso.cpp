#include "views/liste_qso.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/program/horloge.h"
#include "core/reports/liste_bande.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/imprimante.h"
#include "platform/libelle_colonnes.h"
#include "platform/modele_lignes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Liste_QSO::Liste_QSO(const Services& services, std::function<QString()> indicatif, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), indicatif_(std::move(indicatif)),
      modele_(new Modele_Lignes(this)) {
    setObjectName(u"Liste_QSO"_s);
    setWindowTitle(u"Liste alphanumerique des QSO entendus"_s);
    Frame1 = Nomme_Controle(new QGroupBox(this), u"Frame1"_s, u"Bande et compteurs"_s);
    Label1 = Nomme_Controle(new QLabel(u"Bande"_s, Frame1), u"Label1"_s, u"Bande"_s);
    Bande_D = Nouvelle_Combo_Editable(Frame1, u"Bande_D"_s);
    Bande_D->setAccessibleName(u"Bande"_s);
    Label1->setBuddy(Bande_D);
    Afficher = Nomme_Controle(new QPushButton(u"Afficher"_s, Frame1), u"Afficher"_s, u"Afficher"_s);
    Label3 =
        Nomme_Controle(new QLabel(u"QSO entendus bande"_s, Frame1), u"Label3"_s, u"QSO entendus bande"_s);
    Compt_C = Nomme_Controle(new QLabel(Frame1), u"Compt_C"_s, u"Nombre de QSO entendus"_s);
    Label4 =
        Nomme_Controle(new QLabel(u"QSO confirmés bande"_s, Frame1), u"Label4"_s, u"QSO confirmés bande"_s);
    Compt_V = Nomme_Controle(new QLabel(Frame1), u"Compt_V"_s, u"Nombre de QSO confirmés"_s);
    QFont gras = Compt_C->font();
    gras.setBold(true);
    Compt_C->setFont(gras);
    Compt_V->setFont(gras);

    Frame2 = Nomme_Controle(new QGroupBox(this), u"Frame2"_s, u"QSO de la bande"_s);
    Label2 = new Libelle_Colonnes({{u"Date"_s, 2},
                                   {u"Heure"_s, 12},
                                   {u"Indicatif A"_s, 19},
                                   {u"Dpt"_s, 33},
                                   {u"RST"_s, 39},
                                   {u"Indicatif B"_s, 43},
                                   {u"Dpt"_s, 57},
                                   {u"RST"_s, 63},
                                   {u"Mode"_s, 70},
                                   {u"Bande"_s, 77},
                                   {u"QSL"_s, 85}},
                                  Frame2);
    Nomme_Controle(Label2, u"Label2"_s, u"Colonnes de la liste"_s);
    Liste_OM_Contacte = Nouvelle_Liste_Lignes(Frame2, u"Liste_OM_Contacte"_s, u"QSO entendus sur la bande"_s);
    Liste_OM_Contacte->setModel(modele_);
    Fixe_Taille_Lignes(Liste_OM_Contacte, 90, 20);
    Label2->Suit_Liste(Liste_OM_Contacte);

    Enregistrer = Nomme_Controle(new QPushButton(u"Enregistrer"_s, this), u"Enregistrer"_s, u"Enregistrer"_s);
    Imprimer = Nomme_Controle(new QPushButton(u"Imprimer"_s, this), u"Imprimer"_s, u"Imprimer"_s);
    Command1 = Nomme_Controle(new QPushButton(u"Quitter"_s, this), u"Command1"_s, u"Quitter"_s);

    auto* haut = new QGridLayout(Frame1);
    haut->addWidget(Label1, 0, 0);
    haut->addWidget(Bande_D, 0, 1);
    haut->addWidget(Afficher, 0, 2);
    haut->addWidget(Label3, 0, 4);
    haut->addWidget(Compt_C, 0, 5);
    haut->addWidget(Label4, 0, 7);
    haut->addWidget(Compt_V, 0, 8);
    haut->setColumnMinimumWidth(3, 24);
    haut->setColumnMinimumWidth(6, 24);
    haut->setColumnStretch(9, 1);
    auto* milieu = new QVBoxLayout(Frame2);
    milieu->addWidget(Label2);
    milieu->addWidget(Liste_OM_Contacte, 1);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Enregistrer);
    bas->addWidget(Imprimer);
    bas->addStretch();
    bas->addWidget(Command1);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(Frame2, 1);
    colonne->addLayout(bas);

    connect(Afficher, &QPushButton::clicked, this, &Liste_QSO::Afficher_Click);
    connect(Enregistrer, &QPushButton::clicked, this, &Liste_QSO::Enregistrer_Click);
    connect(Imprimer, &QPushButton::clicked, this, &Liste_QSO::Imprimer_Click);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

void Liste_QSO::Form_Load() {
    Bande_D->clear();
    Bande_D->addItems(Liste_Bandes());
    Bande_D->setCurrentIndex(2);
    Enregistrer->setEnabled(false);
    Imprimer->setEnabled(false);
    adjustSize();
    Centre_Fenetre(*this);
}

void Liste_QSO::Afficher_Click() {
    const QString indicatif = indicatif_();
    const Fichier_Log::Lecture lecture = Fichier_Log(services_.repertoire, indicatif).Lit_Log();
    if (lecture.erreur != Lecture_Reussie || !lecture.message.isEmpty()) {
        // The list and the counts stay as they were.
        services_.messages.Message(u"Le journal «\u00A0"_s + Fichier_Log::Nom_Log(indicatif) +
                                   u"\u00A0» ne peut pas être lu (Erreur N° "_s +
                                   QString::number(lecture.erreur ? lecture.erreur : Erreur_Acces) +
                                   u")\u00A0: la liste n'a pas été mise à jour."_s);
        return;
    }
    Affiche_Valeur(Label2, u"Colonnes de la liste\u00A0:"_s,
                   u"      Date     Heure  Indicatif A       Dpt    RST Indicatif B      Dpt    RST    Mode  "
                   u"   Bande    QSL"_s);
    Liste_Bande liste = Construit_Liste_Bande(lecture.lignes, Bande_D->currentText());
    lignes_ = std::move(liste.lignes);
    modele_->Remplace(static_cast<int>(lignes_.size()), [this](int i) { return lignes_[i]; });
    Affiche_Valeur(Compt_C, u"Nombre de QSO entendus"_s, QString::number(liste.entendus));
    Affiche_Valeur(Compt_V, u"Nombre de QSO confirmés"_s, QString::number(liste.confirmes));
    Enregistrer->setEnabled(true);
    Imprimer->setEnabled(true);
}

void Liste_QSO::Enregistrer_Click() {
    // The rows are those of the last display; the title and the name take the band shown now.
    const QString bande = Bande_D->currentText();
    const QString refus = Controle_Bande_Fichier(bande, indicatif_());
    if (!refus.isEmpty()) {
        services_.messages.Message(refus);
        return;
    }
    const QDate jour = services_.horloge.Maintenant_Local().date();
    const QString nom = Nom_Fichier_Liste(indicatif_(), bande, jour);
    const Resultat ecrit =
        Ecrit_Fichier_Atomique(services_.repertoire, Nom_Temporaire, nom,
                               Octets_Lignes(Lignes_Fichier_Liste(indicatif_(), bande, jour, lignes_)));
    if (!ecrit) {
        services_.messages.Message(u"La liste n'a pas été enregistrée sous le nom «\u00A0"_s + nom +
                                   u"\u00A0».\r\n"_s + ecrit.message);
        return;
    }
    services_.messages.Message(u"Fichier enregistré sous le nom : "_s + nom);
}

void Liste_QSO::Imprimer_Click() {
    Imprimante& imprimante = services_.imprimante;
    const QString police = imprimante.Nom_Police();
    const double taille = imprimante.Taille_Police();
    imprimante.Fixe_Nom_Police(u"Courier New"_s);
    imprimante.Fixe_Gras(true);
    imprimante.Fixe_Taille_Police(9);
    // "Annuler" in the printer choice ends the job: nothing is printed.
    if (imprimante.Choix_Imprimante(this)) {
        for (const QString& ligne :
             Lignes_Impression_Liste(indicatif_(), Bande_D->currentText(),
                                     services_.horloge.Maintenant_Local().date(), lignes_)) {
            imprimante.Imprime_Ligne(ligne);
        }
        imprimante.Fin_Document();
    }
    imprimante.Fixe_Gras(false);
    imprimante.Fixe_Nom_Police(police);
    imprimante.Fixe_Taille_Police(taille);
}

} // namespace swl
