// "Station → Enregistrement…": each choice kept at once in the settings and applied.
#include "station/fenetre_enregistrement.h"

#include "core/audio/clips.h"
#include "core/program/reglages.h"
#include "platform/choix_fichier.h"
#include "platform/enregistreur.h"
#include "platform/fenetres.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QThreadPool>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Fenetre_Enregistrement::Fenetre_Enregistrement(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(u"Fenetre_Enregistrement"_s);
    setWindowTitle(u"Enregistrement du récepteur"_s);
    auto* explication = new QLabel(
        u"ORBEL_SWL garde en mémoire les dernières minutes du son du récepteur. Quand un QSO est "
        u"enregistré, le son entendu depuis un peu avant le premier caractère tapé jusqu'à "
        u"l'enregistrement est gardé avec lui (pour un QSO entendu en FT8/FT4, celui de ses décodages)."_s,
        this);
    explication->setWordWrap(true);
    Enregistrement_Actif = Nomme_Controle(new QCheckBox(u"Enregistrer le son du récepteur"_s, this),
                                          u"Enregistrement_Actif"_s, u"Enregistrer le son du récepteur"_s);
    Source_Son = Nomme_Controle(new QComboBox(this), u"Source_Son"_s, u"Source du son"_s);
    Source_Son->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Source_Son->setMinimumContentsLength(40);
    Avant_Son = Nomme_Controle(new QSpinBox(this), u"Avant_Son"_s,
                               u"Secondes gardées avant le premier caractère tapé"_s);
    Avant_Son->setRange(0, Reglage_Enregistrement::Avant_Maximum_S);
    Avant_Son->setSingleStep(10);
    Avant_Son->setSuffix(u"\u00A0s avant le premier caractère tapé"_s);
    Etat_Enregistrement = Nomme_Controle(new QLabel(this), u"Etat_Enregistrement"_s, QString());
    Etat_Enregistrement->setWordWrap(true);
    Dossier_Enregistrements = Nomme_Controle(new QLabel(this), u"Dossier_Enregistrements"_s, QString());
    Dossier_Enregistrements->setWordWrap(true);
    Dossier_Enregistrements->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Affiche_Valeur(Dossier_Enregistrements, u"Dossier des enregistrements\u00A0:"_s,
                   QDir::toNativeSeparators(QDir(services_.repertoire).filePath(u"Enregistrements"_s)));
    Actualise_Sources = Nomme_Controle(new QPushButton(u"Actualiser la liste"_s, this),
                                       u"Actualise_Sources"_s, u"Actualiser la liste des sources"_s);
    Fermer_Enregistrement =
        Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Enregistrement"_s, u"Fermer"_s);

    // The SDR program's own recorder, started and stopped through its rigctl server.
    auto* sdr = new QGroupBox(u"Enregistreur de GQRX ou de SDR++"_s, this);
    auto* explication_sdr = new QLabel(
        u"Avec GQRX ou SDR++ comme récepteur (Station → Récepteur…, « Un rigctld déjà lancé »), "
        u"ORBEL_SWL lance leur enregistreur au premier caractère tapé et l'arrête quand le QSO est "
        u"enregistré ; le fichier WAV qu'ils ont écrit est gardé avec le QSO."_s,
        sdr);
    explication_sdr->setWordWrap(true);
    Enregistreur_SDR =
        Nomme_Controle(new QCheckBox(u"Faire enregistrer chaque QSO par GQRX ou SDR++"_s, sdr),
                       u"Enregistreur_SDR"_s, u"Faire enregistrer chaque QSO par GQRX ou SDR++"_s);
    Dossier_SDR = Nomme_Controle(new QLineEdit(sdr), u"Dossier_SDR"_s,
                                 u"Dossier où GQRX ou SDR++ écrit ses enregistrements"_s);
    Choisit_Dossier_SDR = Nomme_Controle(new QPushButton(u"Choisir…"_s, sdr), u"Choisit_Dossier_SDR"_s,
                                         u"Choisir le dossier de ses enregistrements"_s);
    auto* dossier_sdr = new QHBoxLayout;
    dossier_sdr->addWidget(Dossier_SDR, 1);
    dossier_sdr->addWidget(Choisit_Dossier_SDR);
    auto* formulaire_sdr = new QFormLayout;
    formulaire_sdr->addRow(u"Ses fichiers :"_s, dossier_sdr);
    auto* colonne_sdr = new QVBoxLayout(sdr);
    colonne_sdr->addWidget(explication_sdr);
    colonne_sdr->addWidget(Enregistreur_SDR);
    colonne_sdr->addLayout(formulaire_sdr);

    auto* formulaire = new QFormLayout;
    auto* source = new QHBoxLayout;
    source->addWidget(Source_Son, 1);
    source->addWidget(Actualise_Sources);
    formulaire->addRow(u"Source\u00A0:"_s, source);
    formulaire->addRow(u"Garder\u00A0:"_s, Avant_Son);
    formulaire->addRow(u"État\u00A0:"_s, Etat_Enregistrement);
    formulaire->addRow(u"Dossier\u00A0:"_s, Dossier_Enregistrements);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Fermer_Enregistrement);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(explication);
    colonne->addWidget(Enregistrement_Actif);
    colonne->addLayout(formulaire);
    colonne->addWidget(sdr);
    colonne->addLayout(boutons);
    // From the keyboard, in the order they are read, "Fermer" last.
    QWidget* ordre[] = {Enregistrement_Actif, Source_Son,  Actualise_Sources,   Avant_Son,
                        Enregistreur_SDR,     Dossier_SDR, Choisit_Dossier_SDR, Fermer_Enregistrement};
    for (size_t i = 1; i < std::size(ordre); ++i) {
        setTabOrder(ordre[i - 1], ordre[i]);
    }

    const Reglage_Enregistrement r = Lit_Reglage_Enregistrement(services_.reglages);
    en_remplissage_ = true;
    Enregistrement_Actif->setChecked(r.actif);
    Avant_Son->setValue(r.avant_s);
    Enregistreur_SDR->setChecked(r.sdr);
    Dossier_SDR->setText(QDir::toNativeSeparators(r.dossier_sdr));
    Source_Son->addItem(r.source.isEmpty() ? u"Source par défaut du serveur de son"_s : r.source, r.source);
    en_remplissage_ = false;
    connect(Enregistrement_Actif, &QCheckBox::toggled, this, &Fenetre_Enregistrement::Applique);
    connect(Source_Son, &QComboBox::currentIndexChanged, this, &Fenetre_Enregistrement::Applique);
    connect(Avant_Son, &QSpinBox::valueChanged, this, &Fenetre_Enregistrement::Applique);
    connect(Actualise_Sources, &QPushButton::clicked, this, &Fenetre_Enregistrement::Liste_Sources);
    connect(Enregistreur_SDR, &QCheckBox::toggled, this, &Fenetre_Enregistrement::Applique);
    connect(Dossier_SDR, &QLineEdit::editingFinished, this, &Fenetre_Enregistrement::Applique);
    connect(Choisit_Dossier_SDR, &QPushButton::clicked, this, &Fenetre_Enregistrement::Choisit_Dossier);
    connect(Fermer_Enregistrement, &QPushButton::clicked, this, &QWidget::close);
    if (services_.enregistreur) {
        connect(services_.enregistreur, &Enregistreur::Statut_Change, this,
                &Fenetre_Enregistrement::Affiche_Statut);
        Affiche_Statut(services_.enregistreur->Statut());
    } else {
        Affiche_Statut(u"pas d'enregistrement dans ce programme"_s);
    }
    Liste_Sources();
    setMinimumWidth(600);
    adjustSize();
    Centre_Fenetre(*this);
}

void Fenetre_Enregistrement::Affiche_Statut(const QString& statut) {
    Affiche_Valeur(Etat_Enregistrement, u"État\u00A0:"_s, statut);
}

void Fenetre_Enregistrement::Liste_Sources() {
    Moteur_Audio* moteur = services_.enregistreur ? services_.enregistreur->Moteur() : nullptr;
    if (!moteur) {
        Affiche_Statut(services_.enregistreur
                           ? u"enregistrement impossible\u00A0: "_s + services_.enregistreur->Erreur_Module()
                           : u"pas d'enregistrement dans ce programme"_s);
        sources_lues_ = true;
        return;
    }
    sources_lues_ = false;
    Actualise_Sources->setEnabled(false);
    QPointer<Fenetre_Enregistrement> moi(this);
    QThreadPool::globalInstance()->start([moi, moteur] {
        const Sources_Son sources = moteur->Sources();
        QMetaObject::invokeMethod(
            moi.data(),
            [moi, sources] {
                if (!moi) {
                    return;
                }
                const QString choisie = moi->Source_Son->currentData().toString();
                moi->en_remplissage_ = true;
                moi->Source_Son->clear();
                moi->Source_Son->addItem(u"Source par défaut du serveur de son"_s, QString());
                for (const swl::Source_Son& s : sources.sources) {
                    // The monitor of an output: where an SDR program's sound can be taken.
                    moi->Source_Son->addItem(s.description + (s.moniteur ? u" (sortie)"_s : QString()),
                                             s.nom);
                }
                const int i = moi->Source_Son->findData(choisie);
                if (i < 0) {
                    moi->Source_Son->addItem(choisie + u" (absente)"_s, choisie);
                }
                moi->Source_Son->setCurrentIndex(i >= 0 ? i : moi->Source_Son->count() - 1);
                moi->en_remplissage_ = false;
                if (!sources.erreur.isEmpty()) {
                    moi->Affiche_Statut(sources.erreur);
                }
                moi->Actualise_Sources->setEnabled(true);
                moi->sources_lues_ = true;
            },
            Qt::QueuedConnection);
    });
}

void Fenetre_Enregistrement::Applique() {
    if (en_remplissage_) {
        return;
    }
    Reglage_Enregistrement r;
    r.actif = Enregistrement_Actif->isChecked();
    r.source = Source_Son->currentData().toString();
    r.avant_s = Avant_Son->value();
    r.sdr = Enregistreur_SDR->isChecked();
    r.dossier_sdr = QDir::fromNativeSeparators(Dossier_SDR->text().trimmed());
    Ecrit_Reglage_Enregistrement(services_.reglages, r);
    if (services_.enregistreur) {
        services_.enregistreur->Applique(r);
    }
}

void Fenetre_Enregistrement::Choisit_Dossier() {
    const QString dossier = services_.fichiers.Dossier(
        this, u"Dossier des enregistrements de GQRX ou de SDR++"_s,
        Dossier_SDR->text().trimmed().isEmpty() ? QDir::homePath() : Dossier_SDR->text().trimmed());
    if (!dossier.isEmpty()) {
        Dossier_SDR->setText(QDir::toNativeSeparators(dossier));
        Applique();
    }
}

} // namespace swl
