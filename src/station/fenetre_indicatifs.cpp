// "Station → Fichier des indicatifs…": the file of active callsigns, read once each time the
// window shows it or another is chosen.
#include "station/fenetre_indicatifs.h"

#include "core/base/texte_1252.h"
#include "core/log/indicatifs_connus.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/fenetres.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Fenetre_Indicatifs::Fenetre_Indicatifs(const Services& services, std::function<void()> change,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), change_(std::move(change)) {
    setObjectName(u"Fenetre_Indicatifs"_s);
    setWindowTitle(u"Fichier des indicatifs"_s);
    auto* explication =
        new QLabel(u"Sous la saisie, les indicatifs connus de ce que vous tapez\u00A0: ceux du "
                   u"journal, du répertoire des prénoms, puis ceux d'un fichier d'indicatifs "
                   u"actifs (MASTER.SCP, que Debian installe avec hamradio-files)."_s,
                   this);
    explication->setWordWrap(true);
    Chemin_Indicatifs = Nomme_Controle(new QLabel(this), u"Chemin_Indicatifs"_s, QString());
    Chemin_Indicatifs->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Chemin_Indicatifs->setWordWrap(true);
    Nombre_Indicatifs = Nomme_Controle(new QLabel(this), u"Nombre_Indicatifs"_s, QString());
    Nombre_Indicatifs->setWordWrap(true);
    Date_Indicatifs = Nomme_Controle(new QLabel(this), u"Date_Indicatifs"_s, QString());
    Etat_Indicatifs = Nomme_Controle(new QLabel(this), u"Etat_Indicatifs"_s, QString());
    Etat_Indicatifs->setWordWrap(true);
    Montre_Indicatifs =
        Nomme_Controle(new QCheckBox(u"Montrer les indicatifs connus sous la saisie"_s, this),
                       u"Montre_Indicatifs"_s, u"Montrer les indicatifs connus sous la saisie"_s);
    Choisir_Indicatifs = Nomme_Controle(new QPushButton(u"Choisir un autre fichier…"_s, this),
                                        u"Choisir_Indicatifs"_s, u"Choisir un autre fichier…"_s);
    Indicatifs_Debian = Nomme_Controle(new QPushButton(u"Reprendre le fichier de Debian"_s, this),
                                       u"Indicatifs_Debian"_s, u"Reprendre le fichier de Debian"_s);
    Fermer_Indicatifs =
        Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Indicatifs"_s, u"Fermer"_s);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(u"Fichier en usage\u00A0:"_s, Chemin_Indicatifs);
    formulaire->addRow(u"Indicatifs\u00A0:"_s, Nombre_Indicatifs);
    formulaire->addRow(u"Date du fichier\u00A0:"_s, Date_Indicatifs);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Choisir_Indicatifs);
    boutons->addWidget(Indicatifs_Debian);
    boutons->addStretch();
    boutons->addWidget(Fermer_Indicatifs);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(explication);
    colonne->addWidget(Montre_Indicatifs);
    colonne->addLayout(formulaire);
    colonne->addWidget(Etat_Indicatifs);
    colonne->addLayout(boutons);

    Montre_Indicatifs->setChecked(Liste_Indicatifs_Active(services_.reglages));
    connect(Montre_Indicatifs, &QCheckBox::toggled, this, [this](bool montre) {
        services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Indicatifs_Connus,
                                          montre ? u"Oui"_s : u"Non"_s);
        change_();
    });
    connect(Choisir_Indicatifs, &QPushButton::clicked, this, [this] {
        const QString chemin = services_.fichiers.Fichier_A_Ouvrir(
            this, u"Choisir le fichier des indicatifs"_s,
            QFileInfo(Chemin_Fichier_Indicatifs(services_.reglages)).absolutePath(),
            u"Fichiers d'indicatifs (*.scp *.SCP *.txt);;Tous les fichiers (*)"_s);
        if (!chemin.isEmpty()) {
            Utilise(chemin);
        }
    });
    connect(Indicatifs_Debian, &QPushButton::clicked, this, [this] { Utilise(Chemin_Indicatifs_Debian); });
    connect(Fermer_Indicatifs, &QPushButton::clicked, this, &QWidget::close);
    setMinimumWidth(560);
    Affiche();
    adjustSize();
    Centre_Fenetre(*this);
}

void Fenetre_Indicatifs::Affiche() {
    const QString chemin = Chemin_Fichier_Indicatifs(services_.reglages);
    const Fichier_Indicatifs f = Lit_Fichier_Indicatifs(chemin);
    Affiche_Valeur(Chemin_Indicatifs, u"Fichier en usage\u00A0:"_s, chemin);
    Affiche_Valeur(Nombre_Indicatifs, u"Indicatifs\u00A0:"_s,
                   Nombre_Francais(qsizetype(f.indicatifs.size())) +
                       (f.ignorees > 0
                            ? u", "_s + Nombre_Francais(f.ignorees) +
                                  u" lignes laissées de côté (trop longues ou d'autres caractères)"_s
                            : QString()));
    // The day the file was written, and how old it is: MASTER.SCP grows old as calls change.
    const QFileInfo fichier(chemin);
    const QDate jour = fichier.exists() ? fichier.lastModified().date() : QDate();
    Affiche_Valeur(Date_Indicatifs, u"Date du fichier\u00A0:"_s,
                   jour.isValid() ? jour.toString(u"dd/MM/yyyy"_s) + u", "_s +
                                        Texte_Anciennete(jour, services_.horloge.Maintenant_Local().date())
                                  : u"inconnue"_s);
    // A missing or broken file: said here, once; the log's and the directory's callsigns show
    // all the same.
    Affiche_Valeur(Etat_Indicatifs, u"État\u00A0:"_s,
                   f.erreur.isEmpty()
                       ? QString()
                       : u"Fichier inutilisable\u00A0: "_s + f.erreur +
                             u". Les indicatifs du journal et du répertoire restent proposés."_s);
    Etat_Indicatifs->setVisible(!f.erreur.isEmpty());
    Indicatifs_Debian->setEnabled(chemin != Chemin_Indicatifs_Debian);
}

void Fenetre_Indicatifs::Utilise(const QString& chemin) {
    services_.reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Fichier_Indicatifs,
                                      chemin == Chemin_Indicatifs_Debian ? QString() : chemin);
    Affiche();
    // A reason shown now wraps whole: the window takes the height it needs.
    adjustSize();
    change_();
}

} // namespace swl
