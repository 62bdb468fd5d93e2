#include "views/fenetre_sauvegardes.h"

#include "core/base/texte_1252.h"
#include "core/log/fichier_log.h"
#include "core/program/horloge.h"
#include "core/program/textes_programme.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/programme.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QString Sorte_En_Texte(Sauvegardes::Sorte sorte) {
    switch (sorte) {
    case Sauvegardes::Sorte::Quotidienne:
        return u"copie du jour"_s;
    case Sauvegardes::Sorte::Avant_Import:
        return u"avant un import"_s;
    case Sauvegardes::Sorte::Avant_Restauration:
        return u"avant une restauration"_s;
    }
    return {};
}

QString Moment_En_Texte(const Sauvegardes::Copie& c) {
    return c.sorte == Sauvegardes::Sorte::Quotidienne ? c.moment.toString(u"dd/MM/yyyy"_s)
                                                      : c.moment.toString(u"dd/MM/yyyy HH:mm:ss"_s);
}

} // namespace

Fenetre_Sauvegardes::Fenetre_Sauvegardes(const Services& services, const QString& indicatif,
                                         Restauree restauree, std::function<bool()> saisie_en_cours,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), sauvegardes_(services.repertoire, indicatif),
      restauree_(std::move(restauree)), saisie_en_cours_(std::move(saisie_en_cours)) {
    setObjectName(u"Fenetre_Sauvegardes"_s);
    setWindowTitle(u"Sauvegardes du journal"_s);
    Label1 = Nomme_Controle(new QLabel(this), u"Label1"_s, QString());
    Affiche_Valeur(Label1, {},
                   u"Copies du journal de "_s + Indicatif_Affiche(indicatif) +
                       u", les plus récentes d'abord"_s);
    Dossier_Sauvegardes = Nomme_Controle(new QLabel(this), u"Dossier_Sauvegardes"_s, QString());
    Dossier_Sauvegardes->setWordWrap(true);
    Dossier_Sauvegardes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Affiche_Valeur(Dossier_Sauvegardes, u"Dossier des sauvegardes\u00A0:"_s,
                   u"Dossier\u00A0: "_s + QDir::toNativeSeparators(sauvegardes_.Dossier()));
    Liste_Sauvegardes =
        Nomme_Controle(new QTableWidget(0, 4, this), u"Liste_Sauvegardes"_s, u"Sauvegardes"_s);
    Liste_Sauvegardes->setHorizontalHeaderLabels({u"Date et heure"_s, u"Sorte"_s, u"QSO"_s, u"Taille"_s});
    Liste_Sauvegardes->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_Sauvegardes->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_Sauvegardes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Sauvegardes->verticalHeader()->hide();
    Liste_Sauvegardes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Liste_Sauvegardes->horizontalHeader()->setStretchLastSection(true);
    Restaurer = Nomme_Controle(new QPushButton(u"Restaurer"_s, this), u"Restaurer"_s, u"Restaurer"_s);
    Ouvrir_Dossier = Nomme_Controle(new QPushButton(u"Ouvrir le dossier"_s, this), u"Ouvrir_Dossier"_s,
                                    u"Ouvrir le dossier"_s);
    Fermer = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer"_s, u"Fermer"_s);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Restaurer);
    boutons->addWidget(Ouvrir_Dossier);
    boutons->addStretch();
    boutons->addWidget(Fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Label1);
    colonne->addWidget(Dossier_Sauvegardes);
    colonne->addWidget(Liste_Sauvegardes, 1);
    colonne->addLayout(boutons);

    connect(Restaurer, &QPushButton::clicked, this, &Fenetre_Sauvegardes::Restaurer_Click);
    connect(Ouvrir_Dossier, &QPushButton::clicked, this, [this] {
        QDir().mkpath(sauvegardes_.Dossier());
        services_.programme.Ouvre_Dossier(sauvegardes_.Dossier());
    });
    connect(Fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(Liste_Sauvegardes, &QTableWidget::itemSelectionChanged, this,
            [this] { Restaurer->setEnabled(!Liste_Sauvegardes->selectedItems().isEmpty()); });
    Remplit();
    resize(620, 420);
    Centre_Fenetre(*this);
}

void Fenetre_Sauvegardes::Remplit() {
    copies_ = sauvegardes_.Liste();
    qso_.clear();
    Liste_Sauvegardes->setRowCount(static_cast<int>(copies_.size()));
    for (int i = 0; i < copies_.size(); ++i) {
        const Sauvegardes::Copie& c = copies_[i];
        const int qso = sauvegardes_.Nombre_QSO(c.nom);
        qso_.append(qso);
        const QStringList cellules = {
            Moment_En_Texte(c), Sorte_En_Texte(c.sorte), qso < 0 ? u"illisible"_s : Nombre_Francais(qso),
            Taille_Fichier_En_Texte(QFileInfo(QDir(sauvegardes_.Dossier()).filePath(c.nom)).size())};
        for (int k = 0; k < cellules.size(); ++k) {
            auto* cellule = new QTableWidgetItem(cellules[k]);
            if (k >= 2) {
                cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            Liste_Sauvegardes->setItem(i, k, cellule);
        }
    }
    Restaurer->setEnabled(false);
    if (!copies_.isEmpty()) {
        Liste_Sauvegardes->selectRow(0);
    }
}

void Fenetre_Sauvegardes::Restaurer_Click() {
    const int rangee = Liste_Sauvegardes->currentRow();
    if (rangee < 0 || rangee >= copies_.size()) {
        return;
    }
    if (saisie_en_cours_()) {
        services_.messages.Message(
            u"Un QSO est en cours de saisie ou de modification\u00A0: enregistrez-le ou cliquez "
            u"sur «\u00A0Annuler saisie en cours\u00A0» avant de restaurer une sauvegarde."_s);
        return;
    }
    const Sauvegardes::Copie copie = copies_[rangee];
    const int qso_copie = qso_[rangee];
    const Fichier_Log::Lecture actuel = Fichier_Log(services_.repertoire, sauvegardes_.Indicatif()).Lit_Log();
    const QString question =
        u"Remplacer le journal actuel ("_s + Nombre_Francais(actuel.lignes.Nombre()) +
        u" QSO) par la sauvegarde du "_s + Moment_En_Texte(copie) + u" ("_s + Sorte_En_Texte(copie.sorte) +
        u", "_s + Nombre_Francais(qMax(qso_copie, 0)) +
        u" QSO)\u00A0?\r\nLe journal actuel sera d'abord mis de côté dans les sauvegardes, et la "
        u"restauration pourra être annulée (Edition, Annuler)."_s;
    if (!services_.messages.Question_Non_Par_Defaut(question)) {
        return;
    }
    Trace_Journal trace;
    const Resultat r = sauvegardes_.Restaure(copie.nom, services_.horloge.Maintenant_Local(), &trace);
    if (!r) {
        services_.messages.Message(r.message);
        return;
    }
    restauree_(u"la restauration de la sauvegarde du "_s + Moment_En_Texte(copie), std::move(trace));
    Remplit();
    services_.messages.Message(u"Journal restauré\u00A0: "_s + Nombre_Francais(qMax(qso_copie, 0)) +
                               u" QSO, copie du "_s + copie.moment.toString(u"dd/MM/yyyy"_s) + u'.');
}

} // namespace swl
