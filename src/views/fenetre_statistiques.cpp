#include "views/fenetre_statistiques.h"

#include "views/graphiques_statistiques.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/fenetres.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QTableView* Nouvelle_Table(QWidget* parent, const QString& nom, const QString& accessible,
                           QStandardItemModel* m) {
    auto* t = Nomme_Controle(new QTableView(parent), nom, accessible);
    t->setModel(m);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->setWordWrap(false);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QList<QStandardItem*> Rangee(const QStringList& cellules) {
    QList<QStandardItem*> r;
    for (qsizetype i = 0; i < cellules.size(); ++i) {
        auto* item = new QStandardItem(cellules[i]);
        // Counts line up on the right.
        if (i > 0 && !cellules[i].isEmpty() && cellules[i][0].isDigit()) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        r << item;
    }
    return r;
}

QChartView* Nouvelle_Vue(QWidget* parent, const QString& nom, const QString& accessible) {
    auto* v = Nomme_Controle(new QChartView(parent), nom, accessible);
    v->setRenderHint(QPainter::Antialiasing);
    v->setMinimumSize(560, 320);
    return v;
}

} // namespace

Fenetre_Statistiques::Fenetre_Statistiques(const Services& services,
                                           std::function<const Lignes_Log&()> journal, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), journal_(std::move(journal)) {
    setObjectName(u"Fenetre_Statistiques"_s);
    setWindowTitle(u"Statistiques"_s);

    Filtre_Bande = Nomme_Controle(new QComboBox(this), u"Filtre_Bande"_s, u"Bande"_s);
    Filtre_Bande->addItem(u"Toutes"_s);
    Filtre_Bande->addItems(Liste_Bandes());
    Filtre_Mode = Nomme_Controle(new QComboBox(this), u"Filtre_Mode"_s, u"Mode"_s);
    Filtre_Station = Nomme_Controle(new QComboBox(this), u"Filtre_Station"_s, u"Station"_s);
    Filtre_Station->addItems({u"A et B"_s, u"A"_s, u"B"_s});
    Annee_De = Nomme_Controle(new QComboBox(this), u"Annee_De"_s, u"De l'année"_s);
    Annee_A = Nomme_Controle(new QComboBox(this), u"Annee_A"_s, u"À l'année"_s);
    Message_Pays = Nomme_Controle(new QLabel(this), u"Message_Pays"_s, QString());
    Message_Pays->setWordWrap(true);
    Message_Pays->setTextInteractionFlags(Qt::TextSelectableByMouse);

    totaux_ = new QStandardItemModel(this);
    pays_ = new QStandardItemModel(this);
    departements_ = new QStandardItemModel(this);
    Onglets_Statistiques = Nomme_Controle(new QTabWidget(this), u"Onglets_Statistiques"_s, u"Statistiques"_s);
    Table_Totaux = Nouvelle_Table(this, u"Table_Totaux"_s, u"Totaux"_s, totaux_);
    Table_Pays = Nouvelle_Table(this, u"Table_Pays"_s, u"Pays entendus"_s, pays_);
    Table_Departements =
        Nouvelle_Table(this, u"Table_Departements"_s, u"Départements entendus"_s, departements_);
    Table_Totaux->horizontalHeader()->setStretchLastSection(false);
    Onglets_Graphiques = Nomme_Controle(new QTabWidget(this), u"Onglets_Graphiques"_s, u"Graphiques"_s);
    Graphique_Annees_Vue = Nouvelle_Vue(this, u"Graphique_Annees"_s, u"QSO par année et par bande"_s);
    Graphique_Heures_Vue = Nouvelle_Vue(this, u"Graphique_Heures"_s, u"QSO par heure UTC"_s);
    Graphique_Modes_Vue = Nouvelle_Vue(this, u"Graphique_Modes"_s, u"Part de chaque mode"_s);
    Onglets_Graphiques->addTab(Graphique_Annees_Vue, u"Par année"_s);
    Onglets_Graphiques->addTab(Graphique_Heures_Vue, u"Par heure"_s);
    Onglets_Graphiques->addTab(Graphique_Modes_Vue, u"Par mode"_s);
    Onglets_Statistiques->addTab(Table_Totaux, u"Totaux"_s);
    Onglets_Statistiques->addTab(Table_Pays, u"Pays"_s);
    Onglets_Statistiques->addTab(Table_Departements, u"Départements"_s);
    Onglets_Statistiques->addTab(Onglets_Graphiques, u"Graphiques"_s);
    Enregistrer_Graphique = Nomme_Controle(new QPushButton(u"Enregistrer le graphique…"_s, this),
                                           u"Enregistrer_Graphique"_s, u"Enregistrer le graphique…"_s);
    Exporter_Tableaux = Nomme_Controle(new QPushButton(u"Exporter les tableaux…"_s, this),
                                       u"Exporter_Tableaux"_s, u"Exporter les tableaux…"_s);
    Fermer_Statistiques =
        Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Statistiques"_s, u"Fermer"_s);

    auto* filtres = new QHBoxLayout;
    for (const auto& [legende, combo] :
         {std::pair{u"Bande"_s, Filtre_Bande}, std::pair{u"Mode"_s, Filtre_Mode},
          std::pair{u"Station"_s, Filtre_Station}, std::pair{u"De"_s, Annee_De},
          std::pair{u"à"_s, Annee_A}}) {
        auto* libelle = new QLabel(legende, this);
        libelle->setBuddy(combo);
        filtres->addWidget(libelle);
        filtres->addWidget(combo);
    }
    filtres->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Enregistrer_Graphique);
    boutons->addWidget(Exporter_Tableaux);
    boutons->addWidget(Fermer_Statistiques);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(filtres);
    colonne->addWidget(Message_Pays);
    colonne->addWidget(Onglets_Statistiques, 1);
    colonne->addLayout(boutons);

    for (QComboBox* c : {Filtre_Bande, Filtre_Mode, Filtre_Station, Annee_De, Annee_A}) {
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (!en_remplissage_) {
                Recalcule();
            }
        });
    }
    connect(Onglets_Statistiques, &QTabWidget::currentChanged, this, [this] {
        Enregistrer_Graphique->setEnabled(Onglets_Statistiques->currentWidget() == Onglets_Graphiques);
    });
    connect(Enregistrer_Graphique, &QPushButton::clicked, this,
            &Fenetre_Statistiques::Enregistrer_Graphique_Click);
    connect(Exporter_Tableaux, &QPushButton::clicked, this, &Fenetre_Statistiques::Exporter_Tableaux_Click);
    connect(Fermer_Statistiques, &QPushButton::clicked, this, &QWidget::close);
    Enregistrer_Graphique->setEnabled(false);
    Journal_Change();
    resize(820, 600);
    Centre_Fenetre(*this);
}

Fenetre_Statistiques::~Fenetre_Statistiques() = default;

Filtre_Statistiques Fenetre_Statistiques::Filtre() const {
    Filtre_Statistiques f;
    f.bande = Filtre_Bande->currentIndex() > 0 ? Filtre_Bande->currentText() : QString();
    f.mode = Filtre_Mode->currentIndex() > 0 ? Filtre_Mode->currentText() : QString();
    f.station = Filtre_Station->currentIndex() == 1   ? Filtre_Statistiques::Station::A
                : Filtre_Station->currentIndex() == 2 ? Filtre_Statistiques::Station::B
                                                      : Filtre_Statistiques::Station::Les_Deux;
    f.annee_de = Annee_De->currentIndex() > 0 ? Annee_De->currentText().toInt() : 0;
    f.annee_a = Annee_A->currentIndex() > 0 ? Annee_A->currentText().toInt() : 0;
    return f;
}

void Fenetre_Statistiques::Journal_Change() {
    // Counted once with the filter chosen; the choices of modes and years are those of the whole
    // log, and what was chosen stays chosen.
    const Filtre_Statistiques avant = Filtre();
    Recalcule();
    en_remplissage_ = true;
    const auto remplit = [](QComboBox* c, const QString& premier, const QStringList& valeurs) {
        const QString choisi = c->currentText();
        c->clear();
        c->addItem(premier);
        c->addItems(valeurs);
        c->setCurrentIndex(std::max(0, c->findText(choisi)));
    };
    remplit(Filtre_Mode, u"Tous"_s, chiffres_.modes);
    QStringList annees;
    for (const int a : chiffres_.annees) {
        annees << QString::number(a);
    }
    remplit(Annee_De, u"le début"_s, annees);
    remplit(Annee_A, u"aujourd'hui"_s, annees);
    en_remplissage_ = false;
    // A mode or year chosen that the log no longer has: the choice went back to all.
    if (Filtre() != avant) {
        Recalcule();
    }
}

void Fenetre_Statistiques::Recalcule() {
    chiffres_ =
        Calcule_Statistiques(journal_(), services_.pays ? services_.pays->Fichier() : nullptr, Filtre());
    Affiche_Tables();
    Affiche_Graphiques();
}

void Fenetre_Statistiques::Affiche_Tables() {
    const Statistiques& s = chiffres_;
    const QString erreur =
        !services_.pays ? u"Aucun fichier des pays\u00A0: les pays des indicatifs ne sont pas connus."_s
                        : services_.pays->Erreur();
    Affiche_Valeur(Message_Pays, u"Fichier des pays\u00A0:"_s, erreur);
    Message_Pays->setVisible(!erreur.isEmpty());

    totaux_->clear();
    totaux_->setHorizontalHeaderLabels({u"Total"_s, u"Valeur"_s});
    QStringList continents;
    for (auto c = s.continents.cbegin(); c != s.continents.cend(); ++c) {
        continents << c.key();
    }
    QStringList outre_mer;
    for (const Departement_Entendu& d : s.departements) {
        if (d.code.size() == 3) {
            outre_mer << d.nom;
        }
    }
    const auto n = [](qint64 v) { return Nombre_Francais(v); };
    const QList<QStringList> lignes = {
        {u"QSO entendus"_s, n(s.qso)},
        {u"QSO confirmés"_s, n(s.confirmes)},
        {u"Stations différentes"_s, n(s.stations)},
        {u"Pays (DXCC)"_s, n(s.pays.size())},
        {u"Continents"_s, n(s.continents.size()) +
                              (continents.isEmpty() ? QString() : u" ("_s + continents.join(u", "_s) + u')')},
        {u"Départements de métropole"_s, n(s.departements_metropole) + u" sur 96"_s},
        {u"Départements d'outre-mer"_s,
         n(s.departements_outre_mer) + u" sur 5"_s +
             (outre_mer.isEmpty() ? QString() : u" ("_s + outre_mer.join(u", "_s) + u')')},
        {u"Lignes illisibles"_s, s.illisibles.nombre ? Texte_Illisibles(s.illisibles, journal_()) : n(0)},
    };
    for (const QStringList& l : lignes) {
        totaux_->appendRow(Rangee(l));
    }

    pays_->clear();
    pays_->setHorizontalHeaderLabels(
        {u"Pays"_s, u"Préfixe"_s, u"Continent"_s, u"QSO"_s, u"Premier QSO"_s, u"Confirmés"_s});
    for (const Pays_Entendu& p : s.pays) {
        pays_->appendRow(Rangee(
            {p.nom, p.prefixe, p.continent, n(p.qso), p.premier.toString(u"dd/MM/yyyy"_s), n(p.confirmes)}));
    }
    departements_->clear();
    departements_->setHorizontalHeaderLabels({u"Département"_s, u"Nom"_s, u"QSO"_s, u"Confirmés"_s});
    for (const Departement_Entendu& d : s.departements) {
        departements_->appendRow(Rangee({d.code, d.nom, n(d.qso), n(d.confirmes)}));
    }
    for (QTableView* t : {Table_Totaux, Table_Pays, Table_Departements}) {
        t->resizeColumnsToContents();
    }
}

void Fenetre_Statistiques::Affiche_Graphiques() {
    const std::pair<QChartView*, Graphique> graphiques[] = {
        {Graphique_Annees_Vue, Graphique_Annees(chiffres_)},
        {Graphique_Heures_Vue, Graphique_Heures(chiffres_)},
        {Graphique_Modes_Vue, Graphique_Modes(chiffres_)}};
    for (const auto& [vue, g] : graphiques) {
        QChart* ancien = vue->chart();
        vue->setChart(g.chart);
        delete ancien;
        vue->setAccessibleDescription(g.description);
    }
}

void Fenetre_Statistiques::Ecrit(const QString& chemin, const QByteArray& octets, const QString& fait,
                                 const QString& pas_fait) {
    const QFileInfo f(chemin);
    const Resultat r =
        Ecrit_Fichier_Atomique(f.absolutePath(), u"."_s + f.fileName() + u".tmp"_s, f.fileName(), octets);
    services_.messages.Message(
        r ? QString(fait + u" dans le fichier «\u00A0"_s + f.fileName() + u"\u00A0»."_s)
          : QString(pas_fait + u"\r\n"_s + r.message));
}

// The whole chart as shown, drawn again at twice its size: sharp on paper and on a screen that
// zooms (the scene is drawn, not the widget's pixels, which would give a corner of it).
QImage Image_Graphique(QChartView* vue) {
    QImage image(vue->viewport()->size() * 2, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    vue->scene()->render(&p, QRectF(image.rect()), vue->mapToScene(vue->viewport()->rect()).boundingRect());
    return image;
}

void Fenetre_Statistiques::Enregistrer_Graphique_Click() {
    auto* vue = qobject_cast<QChartView*>(Onglets_Graphiques->currentWidget());
    if (!vue) {
        return;
    }
    QString chemin = services_.fichiers.Fichier_A_Enregistrer(
        this, u"Enregistrer le graphique"_s,
        QDir(Dossier_Fichiers(services_.reglages)).filePath(vue->objectName() + u".png"_s),
        u"Images PNG (*.png)"_s);
    if (chemin.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    if (QFileInfo(chemin).suffix().toLower() != u"png") {
        chemin += u".png"_s;
    }
    const QImage image = Image_Graphique(vue);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    Ecrit(chemin, octets, u"Graphique enregistré"_s, u"Le graphique n'a pas été enregistré."_s);
}

void Fenetre_Statistiques::Exporter_Tableaux_Click() {
    QString chemin = services_.fichiers.Fichier_A_Enregistrer(
        this, u"Exporter les tableaux"_s,
        QDir(Dossier_Fichiers(services_.reglages)).filePath(u"Statistiques.csv"_s),
        u"Tableaux CSV (*.csv)"_s);
    if (chemin.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    if (QFileInfo(chemin).suffix().toLower() != u"csv") {
        chemin += u".csv"_s;
    }
    Ecrit(chemin, CSV_Statistiques(chiffres_), u"Tableaux exportés"_s,
          u"Les tableaux n'ont pas été exportés."_s);
}

} // namespace swl
