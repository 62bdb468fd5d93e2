#include "radio/fenetre_qso_entendus.h"

#include "radio/hote_qso_entendus.h"
#include "radio/modele_qso_entendus.h"

#include "core/base/texte_1252.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/ecoute_wsjtx.h"
#include "platform/fenetres.h"
#include "platform/sons.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Fenetre_QSO_Entendus::Fenetre_QSO_Entendus(const Services& services, Ecoute_WSJTX& ecoute,
                                           Hote_QSO_Entendus& hote, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), ecoute_(ecoute), hote_(hote),
      modele_(new Modele_QSO_Entendus(ecoute.Assemblage(), this)) {
    setObjectName(u"Fenetre_QSO_Entendus"_s);
    setWindowTitle(u"QSO entendus en FT8/FT4"_s);

    Ecoute_FT8 = Nomme_Controle(new QCheckBox(u"Écouter WSJT-X / JTDX"_s, this), u"Ecoute_FT8"_s,
                                u"Écouter WSJT-X / JTDX"_s);
    Adresse_FT8 = Nomme_Controle(new QLineEdit(this), u"Adresse_FT8"_s, u"Adresse d'écoute"_s);
    Adresse_FT8->setPlaceholderText(u"127.0.0.1 ou 239.255.0.1"_s);
    Port_FT8 = Nomme_Controle(new QSpinBox(this), u"Port_FT8"_s, u"Port UDP"_s);
    Port_FT8->setRange(1, 65535);
    Statut_FT8 = Nomme_Controle(new QLabel(this), u"Statut_FT8"_s, QString());
    Statut_FT8->setWordWrap(true);
    Statut_FT8->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Table_QSO_FT8 = Nomme_Controle(new QTableView(this), u"Table_QSO_FT8"_s, u"QSO entendus"_s);
    // "Seulement ce qui me manque": the QSOs one of whose stations brings something.
    filtre_manque_ = new QSortFilterProxyModel(this);
    filtre_manque_->setSourceModel(modele_);
    filtre_manque_->setFilterKeyColumn(Modele_QSO_Entendus::Nouveau);
    Table_QSO_FT8->setModel(filtre_manque_);
    Table_QSO_FT8->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table_QSO_FT8->setSelectionMode(QAbstractItemView::SingleSelection);
    Table_QSO_FT8->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_QSO_FT8->setWordWrap(false);
    Table_QSO_FT8->setFont(Police_Liste());
    Table_QSO_FT8->verticalHeader()->hide();
    Table_QSO_FT8->verticalHeader()->setDefaultSectionSize(QFontMetrics(Table_QSO_FT8->font()).height() + 6);
    {
        // Every column as wide as what it shows, so that a busy period never resizes them.
        QHeaderView* entete = Table_QSO_FT8->horizontalHeader();
        const QFontMetrics texte(Table_QSO_FT8->font());
        const QFontMetrics titres(entete->font());
        const QStringList exemples = {u"00:00:00"_s,
                                      u"VP2E/DL1ABC"_s,
                                      u"-00"_s,
                                      u"VP2E/DL1ABC"_s,
                                      u"-00"_s,
                                      u"432 Mhz"_s,
                                      u"FT8"_s,
                                      u"déjà au journal"_s,
                                      u"Royaume-Uni  EU"_s,
                                      u"Royaume-Uni  EU"_s,
                                      u"DL1ABC\u00A0: nouveau pays sur 14 Mhz"_s};
        for (int c = 0; c < Modele_QSO_Entendus::Nombre_Colonnes; ++c) {
            const QString titre = modele_->headerData(c, Qt::Horizontal).toString();
            entete->resizeSection(
                c, qMax(texte.horizontalAdvance(exemples[c]), titres.horizontalAdvance(titre)) + 16);
        }
        entete->setStretchLastSection(true);
    }
    Table_QSO_FT8->setMinimumHeight(320);
    Manque_Seulement_FT8 = Nomme_Controle(new QCheckBox(u"Seulement ce qui me manque"_s, this),
                                          u"Manque_Seulement_FT8"_s, u"Seulement ce qui me manque"_s);
    Nombre_QSO_FT8 = Nomme_Controle(new QLabel(this), u"Nombre_QSO_FT8"_s, QString());
    Enregistrer_QSO_FT8 = Nomme_Controle(new QPushButton(u"Enregistrer les QSO complets"_s, this),
                                         u"Enregistrer_QSO_FT8"_s, u"Enregistrer les QSO complets"_s);
    Fermer_FT8 = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_FT8"_s, u"Fermer"_s);

    auto* ecoute_ligne = new QHBoxLayout;
    ecoute_ligne->addWidget(Ecoute_FT8);
    ecoute_ligne->addSpacing(12);
    auto* libelle_adresse = new QLabel(u"Adresse"_s, this);
    libelle_adresse->setBuddy(Adresse_FT8);
    ecoute_ligne->addWidget(libelle_adresse);
    ecoute_ligne->addWidget(Adresse_FT8, 1);
    auto* libelle_port = new QLabel(u"Port"_s, this);
    libelle_port->setBuddy(Port_FT8);
    ecoute_ligne->addWidget(libelle_port);
    ecoute_ligne->addWidget(Port_FT8);
    // The captions shown before the values (a screen reader hears them with each value).
    auto* statut = new QHBoxLayout;
    statut->addWidget(new QLabel(u"État de l'écoute\u00A0:"_s, this));
    statut->addWidget(Statut_FT8, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(new QLabel(u"QSO entendus\u00A0:"_s, this));
    boutons->addWidget(Nombre_QSO_FT8, 1);
    boutons->addWidget(Enregistrer_QSO_FT8);
    boutons->addWidget(Fermer_FT8);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(ecoute_ligne);
    colonne->addLayout(statut);
    colonne->addWidget(Manque_Seulement_FT8);
    colonne->addWidget(Table_QSO_FT8, 1);
    colonne->addLayout(boutons);

    const Reglage_Ecoute& r = ecoute_.Reglage();
    Adresse_FT8->setText(r.adresse);
    Port_FT8->setValue(r.port);
    Ecoute_FT8->setChecked(r.active);
    Adresse_FT8->setEnabled(!r.active);
    Port_FT8->setEnabled(!r.active);
    Statut_Recu(ecoute_.Statut());
    Journal_Change();

    connect(Ecoute_FT8, &QCheckBox::clicked, this, &Fenetre_QSO_Entendus::Ecoute_Click);
    connect(Manque_Seulement_FT8, &QCheckBox::toggled, this, [this](bool seulement) {
        filtre_manque_->setFilterRegularExpression(seulement ? u"."_s : QString());
    });
    if (services_.pays) {
        modele_->Fixe_Pays(
            [this](const QString& indicatif) { return services_.pays->Texte_Pays(indicatif); });
    }
    if (services_.nouveautes) {
        modele_->Fixe_Marqueur([this](const QString& indicatif, int bande, int groupe) {
            return services_.nouveautes->Marque(indicatif, bande, groupe);
        });
    }
    connect(&ecoute_, &Ecoute_WSJTX::Statut_Change, this, &Fenetre_QSO_Entendus::Statut_Recu);
    connect(&ecoute_, &Ecoute_WSJTX::QSO_Changes, this, &Fenetre_QSO_Entendus::QSO_Changes);
    connect(Table_QSO_FT8, &QTableView::doubleClicked, this, &Fenetre_QSO_Entendus::QSO_DblClick);
    connect(Enregistrer_QSO_FT8, &QPushButton::clicked, this, &Fenetre_QSO_Entendus::Enregistrer_Click);
    connect(Fermer_FT8, &QPushButton::clicked, this, &QWidget::close);
    resize(1180, 520);
    Centre_Sur_Parent(*this);
}

Fenetre_QSO_Entendus::~Fenetre_QSO_Entendus() = default;

void Fenetre_QSO_Entendus::Ecoute_Click(bool active) {
    Reglage_Ecoute r;
    r.active = active;
    r.adresse = Adresse_FT8->text().trimmed();
    r.port = Port_FT8->value();
    if (const QString erreur = Ecoute_WSJTX::Controle_Adresse(r.adresse); active && !erreur.isEmpty()) {
        services_.messages.Message(erreur);
        Ecoute_FT8->setChecked(false);
        Adresse_FT8->setFocus();
        return;
    }
    ecoute_.Configure(r);
    Ecrit_Reglage_Ecoute(services_.reglages, r);
    // The address and port are those listened to while listening lasts.
    Adresse_FT8->setEnabled(!active);
    Port_FT8->setEnabled(!active);
}

void Fenetre_QSO_Entendus::QSO_Changes() {
    const Nouveaute meilleure = modele_->Met_A_Jour(ecoute_.Assemblage());
    if (services_.nouveautes && services_.sons) {
        if (const auto son =
                services_.nouveautes->Alerte(meilleure, Lit_Reglage_Alertes(services_.reglages),
                                             services_.horloge.Maintenant_Utc().toMSecsSinceEpoch())) {
            services_.sons->Joue(*son);
        }
    }
    Affiche_Nombres();
}

void Fenetre_QSO_Entendus::Journal_Change() {
    modele_->Fixe_Journal(Cles_Doublons(hote_.Lignes_Liste()));
    modele_->Remarque();
    Affiche_Nombres();
}

void Fenetre_QSO_Entendus::Statut_Recu(const QString& statut) {
    Affiche_Valeur(Statut_FT8, u"État de l'écoute\u00A0:"_s, statut);
}

void Fenetre_QSO_Entendus::Affiche_Nombres() {
    const int complets = modele_->Nombre_Complets();
    Affiche_Valeur(Nombre_QSO_FT8, u"QSO entendus\u00A0:"_s,
                   Nombre_Francais(modele_->rowCount()) + u", dont "_s + Nombre_Francais(complets) +
                       (complets > 1 ? u" complets"_s : u" complet"_s));
}

void Fenetre_QSO_Entendus::QSO_DblClick(const QModelIndex& vue) {
    const QSO_Entendu* q = modele_->QSO_Affiche(filtre_manque_->mapToSource(vue).row());
    if (!q) {
        return;
    }
    // Its clip: from the first decode's period to the end of the last one's, a few seconds around.
    const qint64 periode_ms = q->mode == u"FT4"_s ? 7500 : 15000;
    if (!hote_.Prend_QSO_Entendu(Fiche_De_QSO_Entendu(*q), q->debut.toMSecsSinceEpoch() - 2000,
                                 q->dernier.toMSecsSinceEpoch() + periode_ms + 2000)) {
        services_.messages.Message(
            u"Le formulaire de saisie n'attend pas de nouveau QSO\u00A0: "_s + hote_.Texte_Saisie_En_Cours() +
            u" est en cours. Enregistrez-le ou effacez-le, puis double-cliquez de nouveau."_s);
    }
}

void Fenetre_QSO_Entendus::Enregistrer_Click() {
    int sans_bande = 0;
    const QList<QByteArray> lignes = Lignes_QSO_Complets(ecoute_.Assemblage(), &sans_bande);
    if (lignes.isEmpty()) {
        services_.messages.Message(sans_bande > 0 ? Texte_Bilan_QSO_Entendus({}, sans_bande)
                                                  : u"Aucun QSO complet à enregistrer pour le moment."_s);
        return;
    }
    if (const auto bilan = hote_.Enregistre_QSO_Entendus(lignes)) {
        Journal_Change();
        services_.messages.Message(Texte_Bilan_QSO_Entendus(*bilan, sans_bande));
    }
}

} // namespace swl
