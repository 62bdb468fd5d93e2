#include "station/fenetre_pays.h"

#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/fenetres.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Fenetre_Pays::Fenetre_Pays(const Services& services, Base_Pays& pays, std::function<void()> change,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), pays_(pays), change_(std::move(change)) {
    setObjectName(u"Fenetre_Pays"_s);
    setWindowTitle(u"Fichier des pays"_s);
    Chemin_Pays = Nomme_Controle(new QLabel(this), u"Chemin_Pays"_s, QString());
    Chemin_Pays->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Entites_Pays = Nomme_Controle(new QLabel(this), u"Entites_Pays"_s, QString());
    Date_Pays = Nomme_Controle(new QLabel(this), u"Date_Pays"_s, QString());
    Etat_Pays = Nomme_Controle(new QLabel(this), u"Etat_Pays"_s, QString());
    Etat_Pays->setWordWrap(true);
    Choisir_Pays = Nomme_Controle(new QPushButton(u"Choisir un autre fichier…"_s, this), u"Choisir_Pays"_s,
                                  u"Choisir un autre fichier…"_s);
    Pays_Debian = Nomme_Controle(new QPushButton(u"Reprendre le fichier de Debian"_s, this), u"Pays_Debian"_s,
                                 u"Reprendre le fichier de Debian"_s);
    Fermer_Pays = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Pays"_s, u"Fermer"_s);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(u"Fichier en usage\u00A0:"_s, Chemin_Pays);
    formulaire->addRow(u"Entités\u00A0:"_s, Entites_Pays);
    formulaire->addRow(u"Date du fichier\u00A0:"_s, Date_Pays);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Choisir_Pays);
    boutons->addWidget(Pays_Debian);
    boutons->addStretch();
    boutons->addWidget(Fermer_Pays);
    auto* colonne = new QVBoxLayout(this);
    auto* explication =
        new QLabel(u"Le pays de chaque indicatif vient du fichier des pays (cty.dat), celui du paquet "
                   u"hamradio-files de Debian par défaut. Une version plus récente est publiée sur "
                   u"<a href=\"https://www.country-files.com/\">www.country\u2011files.com</a>\u00A0: "
                   u"téléchargez son cty.dat, puis choisissez-le ici."_s,
                   this);
    explication->setObjectName(u"Explication_Pays"_s);
    explication->setWordWrap(true);
    explication->setOpenExternalLinks(true);
    colonne->addWidget(explication);
    colonne->addLayout(formulaire);
    colonne->addWidget(Etat_Pays);
    colonne->addLayout(boutons);

    connect(Choisir_Pays, &QPushButton::clicked, this, [this] {
        const QString chemin = services_.fichiers.Fichier_A_Ouvrir(
            this, u"Choisir le fichier des pays"_s, QFileInfo(pays_.Chemin()).absolutePath(),
            u"Fichiers des pays (*.dat);;Tous les fichiers (*)"_s);
        if (!chemin.isEmpty()) {
            Utilise(chemin);
        }
    });
    connect(Pays_Debian, &QPushButton::clicked, this, [this] { Utilise(Chemin_Pays_Debian); });
    connect(Fermer_Pays, &QPushButton::clicked, this, &QWidget::close);
    Affiche();
    resize(560, sizeHint().height());
    Centre_Sur_Parent(*this);
}

void Fenetre_Pays::Affiche() {
    const Fichier_Pays* f = pays_.Fichier();
    Affiche_Valeur(Chemin_Pays, u"Fichier en usage\u00A0:"_s, pays_.Chemin());
    Affiche_Valeur(Entites_Pays, u"Entités\u00A0:"_s, f ? Nombre_Francais(f->Nombre_Entites()) : u"aucune"_s);
    // The file's own version date, else the day it was written; and how old it is.
    QString date = u"inconnue"_s;
    if (f) {
        const bool version = f->Date_Version().isValid();
        const QDate jour = version ? f->Date_Version() : QFileInfo(pays_.Chemin()).lastModified().date();
        date = jour.toString(u"dd/MM/yyyy"_s) + (version ? QString() : u" (date du fichier)"_s) + u", "_s +
               Texte_Anciennete(jour, services_.horloge.Maintenant_Local().date());
    }
    Affiche_Valeur(Date_Pays, u"Date du fichier\u00A0:"_s, date);
    Affiche_Valeur(Etat_Pays, u"État\u00A0:"_s, pays_.Erreur());
    Etat_Pays->setVisible(!pays_.Erreur().isEmpty());
    // Debian's file already in use: nothing to take back.
    Pays_Debian->setEnabled(pays_.Chemin() != Chemin_Pays_Debian);
}

void Fenetre_Pays::Utilise(const QString& chemin) {
    // A file that cannot be used never replaces the one in use; the file checked is the one
    // used (read once, so a file replaced meanwhile is never used unchecked).
    Lecture_Pays essai = Lit_Fichier_Pays(chemin);
    if (!essai.fichier) {
        services_.messages.Message(essai.erreur + u"\r\nLe fichier en usage reste «\u00A0"_s +
                                   pays_.Chemin() + u"\u00A0»."_s);
        return;
    }
    pays_.Prend(chemin, std::move(essai));
    services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Fichier_Pays,
                                      chemin == Chemin_Pays_Debian ? QString() : chemin);
    Affiche();
    change_();
}

} // namespace swl
