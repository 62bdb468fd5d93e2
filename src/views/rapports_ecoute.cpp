// The reports window: the stations heard, a station's runs, a report and where it stands.
#include "views/rapports_ecoute.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/reports/etiquettes.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/fenetres.h"
#include "platform/imprimante.h"
#include "platform/programme.h"
#include "views/modele_rapports.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

enum Colonne { C_Qso, C_Date, C_Heure, C_Bande, C_Mode, C_Rst, C_Wkd, C_Rapport };

} // namespace

Rapports_Ecoute::Rapports_Ecoute(const Services& services, std::function<const Lignes_Log&()> journal,
                                 std::function<QString()> indicatif,
                                 std::function<bool(const QList<int>&)> confirme, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), journal_(std::move(journal)),
      indicatif_(std::move(indicatif)), confirme_(std::move(confirme)), stations_(new Modele_Stations(this)),
      filtre_(new Filtre_Stations(this)), series_(new QStandardItemModel(this)) {
    setObjectName(u"Rapports_Ecoute"_s);
    setWindowTitle(u"Rapports d'écoute"_s);
    Cherche_Station = Nomme_Controle(new QLineEdit(this), u"Cherche_Station"_s, u"Chercher une station"_s);
    Cherche_Station->setPlaceholderText(u"Indicatif ou partie d'indicatif"_s);
    A_Envoyer = Nomme_Controle(new QCheckBox(u"Seulement les rapports à envoyer"_s, this), u"A_Envoyer"_s,
                               u"Seulement les rapports à envoyer"_s);
    Nombre_Stations = Nomme_Controle(new QLabel(this), u"Nombre_Stations"_s, QString());
    filtre_->setSourceModel(stations_);
    filtre_->setSortRole(Qt::EditRole);
    Liste_Stations_Entendues =
        Nomme_Controle(new QTableView(this), u"Liste_Stations_Entendues"_s, u"Stations entendues"_s);
    Liste_Stations_Entendues->setModel(filtre_);
    Liste_Stations_Entendues->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_Stations_Entendues->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_Stations_Entendues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Stations_Entendues->verticalHeader()->hide();
    Liste_Stations_Entendues->horizontalHeader()->setStretchLastSection(true);
    Liste_Stations_Entendues->setSortingEnabled(true);
    Liste_Stations_Entendues->sortByColumn(Modele_Stations::Dernier, Qt::DescendingOrder);

    Titre_Station = Nomme_Controle(new QLabel(this), u"Titre_Station"_s, QString());
    Titre_Station->setWordWrap(true);
    Series_Station =
        Nomme_Controle(new QTreeView(this), u"Series_Station"_s, u"QSO de la station, par série"_s);
    Series_Station->setModel(series_);
    Series_Station->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Series_Station->setUniformRowHeights(true);
    Avertissement_Serie = Nomme_Controle(new QLabel(this), u"Avertissement_Serie"_s, QString());
    Avertissement_Serie->setWordWrap(true);
    Quatre_Cartes = Nomme_Controle(new QCheckBox(u"Quatre cartes par page"_s, this), u"Quatre_Cartes"_s,
                                   u"Quatre cartes par page"_s);
    Carte_PDF = Nomme_Controle(new QPushButton(u"Carte PDF…"_s, this), u"Carte_PDF"_s, u"Carte PDF…"_s);
    Etiquette_PDF =
        Nomme_Controle(new QPushButton(u"Étiquette…"_s, this), u"Etiquette_PDF"_s, u"Étiquette…"_s);
    Courriel_Rapport =
        Nomme_Controle(new QPushButton(u"E-mail…"_s, this), u"Courriel_Rapport"_s, u"E-mail…"_s);
    ADIF_EQSL =
        Nomme_Controle(new QPushButton(u"ADIF pour eQSL…"_s, this), u"ADIF_EQSL"_s, u"ADIF pour eQSL…"_s);
    Voie_Envoi = Nomme_Controle(new QComboBox(this), u"Voie_Envoi"_s, u"Envoyé par"_s);
    Voie_Envoi->addItems({u"bureau"_s, u"direct"_s, u"eQSL"_s, u"e-mail"_s});
    Marque_Envoye = Nomme_Controle(new QPushButton(u"Marquer comme envoyé"_s, this), u"Marque_Envoye"_s,
                                   u"Marquer comme envoyé"_s);
    Marque_Recu = Nomme_Controle(new QPushButton(u"QSL reçue"_s, this), u"Marque_Recu"_s, u"QSL reçue"_s);
    Etat_Rapports = Nomme_Controle(new QLabel(this), u"Etat_Rapports"_s, QString());
    Etat_Rapports->setWordWrap(true);
    Fermer_Rapports = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Rapports"_s, u"Fermer"_s);

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(Cherche_Station);
    gauche->addWidget(A_Envoyer);
    gauche->addWidget(Liste_Stations_Entendues, 1);
    gauche->addWidget(Nombre_Stations);
    auto* formes = new QHBoxLayout;
    formes->addWidget(Carte_PDF);
    formes->addWidget(Quatre_Cartes);
    formes->addWidget(Etiquette_PDF);
    formes->addWidget(Courriel_Rapport);
    formes->addWidget(ADIF_EQSL);
    formes->addStretch();
    auto* suivi = new QHBoxLayout;
    auto* par = new QLabel(u"Envoyé par"_s, this);
    par->setBuddy(Voie_Envoi);
    suivi->addWidget(par);
    suivi->addWidget(Voie_Envoi);
    suivi->addWidget(Marque_Envoye);
    suivi->addSpacing(16);
    suivi->addWidget(Marque_Recu);
    suivi->addStretch();
    suivi->addWidget(Fermer_Rapports);
    auto* droite = new QVBoxLayout;
    droite->addWidget(Titre_Station);
    droite->addWidget(Series_Station, 1);
    droite->addWidget(Avertissement_Serie);
    droite->addLayout(formes);
    droite->addLayout(suivi);
    droite->addWidget(Etat_Rapports);
    auto* colonnes = new QHBoxLayout(this);
    colonnes->addLayout(gauche, 2);
    colonnes->addLayout(droite, 3);

    connect(Cherche_Station, &QLineEdit::textChanged, this, [this] {
        filtre_->Fixe(Cherche_Station->text(), A_Envoyer->isChecked());
        Affiche_Valeur(Nombre_Stations, u"Stations\u00A0:"_s,
                       Nombre_Francais(filtre_->rowCount()) + u" sur "_s +
                           Nombre_Francais(stations_->rowCount()));
    });
    connect(A_Envoyer, &QCheckBox::toggled, Cherche_Station,
            [this] { Q_EMIT Cherche_Station->textChanged(Cherche_Station->text()); });
    connect(Liste_Stations_Entendues->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid()) {
                    Choisit(i.data(Qt::UserRole).toString());
                }
            });
    connect(series_, &QStandardItemModel::itemChanged, this, [this] {
        if (!en_remplissage_) {
            const bool incomplet = Rapport_Incomplet(Rapport_Coche());
            Affiche_Valeur(Avertissement_Serie, u"Avertissement\u00A0:"_s,
                           incomplet ? u"Ce rapport est "_s + Texte_Serie_Incomplete() + u". "_s +
                                           Explication_Serie_Incomplete()
                                     : QString());
            Avertissement_Serie->setVisible(incomplet);
        }
    });
    connect(Carte_PDF, &QPushButton::clicked, this, &Rapports_Ecoute::Carte_Click);
    connect(Etiquette_PDF, &QPushButton::clicked, this, &Rapports_Ecoute::Etiquette_Click);
    connect(Courriel_Rapport, &QPushButton::clicked, this, &Rapports_Ecoute::Courriel_Click);
    connect(ADIF_EQSL, &QPushButton::clicked, this, &Rapports_Ecoute::EQSL_Click);
    connect(Marque_Envoye, &QPushButton::clicked, this, &Rapports_Ecoute::Envoye_Click);
    connect(Marque_Recu, &QPushButton::clicked, this, &Rapports_Ecoute::Recu_Click);
    connect(Fermer_Rapports, &QPushButton::clicked, this, &QWidget::close);
    Avertissement_Serie->hide();
    Journal_Change();
    resize(1200, 680);
    Centre_Fenetre(*this);
}

Rapports_Ecoute::~Rapports_Ecoute() = default;

void Rapports_Ecoute::Dit(const QString& texte) {
    Affiche_Valeur(Etat_Rapports, u"État\u00A0:"_s, texte);
}

void Rapports_Ecoute::Journal_Change() {
    ++chargements_;
    magasin_ = std::make_unique<Magasin_Rapports>(services_.repertoire, indicatif_());
    if (const Resultat r = magasin_->Charge(); !r) {
        Dit(r.message);
    } else if (!magasin_->Abimees().isEmpty()) {
        Dit(Nombre_Francais(magasin_->Abimees().size()) +
            u" ligne(s) illisible(s) du fichier des rapports, gardée(s) telle(s) quelle(s)\u00A0: «\u00A0"_s +
            Extrait_Visible(magasin_->Abimees().first(), 60) + u"\u00A0»"_s);
    }
    Liste_Stations();
    if (!station_.isEmpty()) {
        Choisit(station_);
    }
}

void Rapports_Ecoute::Liste_Stations() {
    const Lignes_Log& log = journal_();
    const QHash<QString, Avancement_Station> avancements =
        Avancements(*magasin_, log, magasin_->Lignes_Du_Journal(log));
    QList<Modele_Stations::Rangee> rangees;
    for (const Station_Entendue& s : Stations_Entendues(log)) {
        const Avancement_Station a = avancements.value(s.indicatif);
        rangees.append({s.indicatif, s.qso, Texte_Dernier_QSO(s), s.dernier, a.Texte(),
                        !a.envoye.isValid() && !a.recu.isValid()});
    }
    stations_->Remplace(std::move(rangees));
    Q_EMIT Cherche_Station->textChanged(Cherche_Station->text());
}

void Rapports_Ecoute::Choisit(const QString& indicatif) {
    station_ = indicatif;
    const Lignes_Log& log = journal_();
    qso_station_ = Qso_De_Station(log, indicatif);
    const QList<Serie> series = Series(log, qso_station_);
    en_remplissage_ = true;
    series_->clear();
    series_->setHorizontalHeaderLabels(
        {u"QSO"_s, u"Date"_s, u"UTC"_s, u"Bande"_s, u"Mode"_s, u"RST"_s, u"WKD"_s, u"Rapport"_s});
    const QList<int> par_defaut = series.isEmpty() ? QList<int>() : Choix_Par_Defaut(series.last());
    int k = 0;
    for (qsizetype n = 0; n < series.size(); ++n) {
        const Serie& s = series[n];
        const Rapport r = Rapport_De(log, indicatif, s.qso);
        const Ligne_Rapport& premier = r.lignes.first();
        auto* serie = new QStandardItem(u"Série du "_s + premier.date + u", "_s + premier.bande + u' ' +
                                        premier.mode + u", "_s + Nombre_Francais(s.qso.size()) + u" QSO"_s);
        QList<QStandardItem*> tete{serie};
        for (int c = C_Date; c <= C_Rapport; ++c) {
            tete << new QStandardItem(c == C_Rapport && s.incomplete ? Texte_Serie_Incomplete() : QString());
        }
        series_->appendRow(tete);
        for (qsizetype i = 0; i < r.lignes.size(); ++i) {
            const Ligne_Rapport& l = r.lignes[i];
            auto* qso = new QStandardItem(u"QSO "_s + QString::number(l.ligne + 1));
            qso->setCheckable(true);
            qso->setCheckState(par_defaut.contains(l.ligne) ? Qt::Checked : Qt::Unchecked);
            qso->setData(k++, Qt::UserRole);
            QList<QStandardItem*> rangee{qso};
            const QString cle = Magasin_Rapports::Cle(log.Octets(l.ligne), indicatif);
            for (const QString& t : {l.date, l.heure, l.bande, l.mode, l.rst, l.correspondant,
                                     Texte_Etat_Rapport(magasin_->Etat(cle))}) {
                rangee << new QStandardItem(t);
            }
            serie->appendRow(rangee);
        }
    }
    Series_Station->expandAll();
    for (int c = 0; c <= C_Rapport; ++c) {
        Series_Station->resizeColumnToContents(c);
    }
    en_remplissage_ = false;
    Q_EMIT series_->itemChanged(nullptr);
    Affiche_Valeur(Titre_Station, u"Station\u00A0:"_s,
                   indicatif + u"\u00A0: "_s + Nombre_Francais(qso_station_.size()) +
                       (qso_station_.size() > 1 ? u" QSO entendus en "_s : u" QSO entendu en "_s) +
                       Nombre_Francais(series.size()) + (series.size() > 1 ? u" séries"_s : u" série"_s));
}

QList<Qso_Station> Rapports_Ecoute::Qso_Coches() const {
    QList<Qso_Station> r;
    for (int s = 0; s < series_->rowCount(); ++s) {
        const QStandardItem* serie = series_->item(s);
        for (int i = 0; i < serie->rowCount(); ++i) {
            const QStandardItem* q = serie->child(i);
            if (q->checkState() == Qt::Checked) {
                r << qso_station_.value(q->data(Qt::UserRole).toInt());
            }
        }
    }
    return r;
}

Rapport Rapports_Ecoute::Rapport_Coche() const {
    return Rapport_De(journal_(), station_, Qso_Coches());
}

QStringList Rapports_Ecoute::Cles_Cochees() const {
    QStringList cles;
    for (const Qso_Station& q : Qso_Coches()) {
        cles << Magasin_Rapports::Cle(journal_().Octets(q.ligne), station_);
    }
    return cles;
}

Station_Rapport Rapports_Ecoute::Moi() const {
    const Parametres_Etiquettes p =
        Parametres_Retenus(services_.reglages, Reglages::Section_Station(indicatif_()));
    return {Indicatif_Affiche(indicatif_()), p.station.recepteur, p.station.antenne, p.station.francais};
}

QString Rapports_Ecoute::Fichier_Du_Rapport(const Rapport& r, const QString& titre, const QString& debut,
                                            const QString& extension, const QString& filtre) {
    if (r.lignes.isEmpty()) {
        Dit(u"Cochez les QSO du rapport."_s);
        return {};
    }
    QString chemin = services_.fichiers.Fichier_A_Enregistrer(
        this, titre,
        QDir(Dossier_Fichiers(services_.reglages))
            .filePath(debut + QString(r.station).replace(u'/', u'-') + extension),
        filtre);
    if (chemin.isEmpty()) {
        return {};
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    return chemin.endsWith(extension, Qt::CaseInsensitive) ? chemin : chemin + extension;
}

void Rapports_Ecoute::Ecrit_Pdf(const QString& chemin, const QList<Page_Document>& pages, const QString& quoi,
                                const QString& echec) {
    const Resultat fait = services_.imprimante.Vers_Pdf(
        chemin, [&pages](Imprimante& i) { Imprime_Pages(i, pages); }, {echec, u"Rien à enregistrer."_s});
    Dit(fait ? quoi + u" enregistrée dans «\u00A0"_s + QFileInfo(chemin).fileName() + u"\u00A0»."_s
             : fait.message);
}

void Rapports_Ecoute::Carte_Click() {
    const Rapport r = Rapport_Coche();
    if (const QString chemin =
            Fichier_Du_Rapport(r, u"Carte QSL"_s, u"Carte_"_s, u".pdf"_s, u"PDF (*.pdf)"_s);
        !chemin.isEmpty()) {
        Ecrit_Pdf(chemin, Pages_Cartes({r}, Moi(), Quatre_Cartes->isChecked()), u"Carte"_s,
                  u"La carte n'a pas été enregistrée"_s);
    }
}

void Rapports_Ecoute::Etiquette_Click() {
    const Rapport r = Rapport_Coche();
    if (const QString chemin =
            Fichier_Du_Rapport(r, u"Étiquette du rapport"_s, u"Etiquette_"_s, u".pdf"_s, u"PDF (*.pdf)"_s);
        !chemin.isEmpty()) {
        Ecrit_Pdf(
            chemin,
            Pages_Etiquettes_Rapport(
                {r}, Moi(), Parametres_Retenus(services_.reglages, Reglages::Section_Station(indicatif_()))),
            u"Étiquette"_s, u"L'étiquette n'a pas été enregistrée"_s);
    }
}

void Rapports_Ecoute::Courriel_Click() {
    const Rapport r = Rapport_Coche();
    if (r.lignes.isEmpty()) {
        Dit(u"Cochez les QSO du rapport."_s);
        return;
    }
    const Courriel c = swl::Courriel_Rapport(r, Moi());
    services_.programme.Copie(c.sujet + u"\n\n"_s + c.corps);
    services_.programme.Ouvre_Adresse(u"mailto:?subject="_s +
                                      QString::fromLatin1(QUrl::toPercentEncoding(c.sujet)) + u"&body="_s +
                                      QString::fromLatin1(QUrl::toPercentEncoding(c.corps)));
    Dit(u"Le rapport est copié dans le presse-papiers et ouvert dans le programme de courrier."_s);
}

void Rapports_Ecoute::EQSL_Click() {
    const Rapport r = Rapport_Coche();
    const QString chemin =
        Fichier_Du_Rapport(r, u"ADIF pour eQSL"_s, u"eQSL_"_s, u".adi"_s, u"ADIF (*.adi)"_s);
    if (chemin.isEmpty()) {
        return;
    }
    const QFileInfo f(chemin);
    const Resultat fait =
        Ecrit_Fichier_Atomique(f.absolutePath(), u"."_s + f.fileName() + u".tmp"_s, f.fileName(),
                               ADIF_eQSL({r}, Moi(), services_.horloge.Maintenant_Utc()));
    Dit(fait ? u"Fichier pour eQSL enregistré dans «\u00A0"_s + f.fileName() + u"\u00A0»\u00A0: "_s +
                   Nombre_Francais(r.lignes.size()) + u" QSO."_s
             : fait.message);
}

void Rapports_Ecoute::Envoye_Click() {
    const QStringList cles = Cles_Cochees();
    if (cles.isEmpty()) {
        Dit(u"Cochez les QSO du rapport."_s);
        return;
    }
    const Resultat r =
        magasin_->Marque_Envoye(cles, services_.horloge.Maintenant_Local().date(), Voie_Envoi->currentText());
    Dit(r ? u"Rapport à "_s + station_ + u" marqué envoyé ("_s + Voie_Envoi->currentText() + u")."_s
          : r.message);
    Liste_Stations();
    Choisit(station_);
}

void Rapports_Ecoute::Recu_Click() {
    const QList<Qso_Station> qso = Qso_Coches();
    if (qso.isEmpty()) {
        Dit(u"Cochez les QSO que la QSL confirme."_s);
        return;
    }
    // The store first: a QSL counts only once the log's box is ticked too.
    const Resultat r =
        magasin_->Marque_Recu(Cles_Cochees(), services_.horloge.Maintenant_Local().date(), u"QSL"_s);
    if (!r) {
        Dit(r.message);
        return;
    }
    QList<int> lignes;
    for (const Qso_Station& q : qso) {
        lignes << q.ligne;
    }
    const QString station = station_;
    const int chargements = chargements_;
    if (confirme_ && confirme_(lignes)) {
        Dit(u"QSL de "_s + station + u" reçue\u00A0: "_s + Nombre_Francais(lignes.size()) +
            u" QSO confirmé(s) (Edition, Annuler le reprend)."_s);
    }
    // The log rewritten has shown everything again already; else the store's mark is shown.
    if (chargements_ == chargements) {
        Liste_Stations();
        Choisit(station_);
    }
}

} // namespace swl
