#include "radio/fenetre_recepteur.h"

#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/recepteur.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Role_Numero = Qt::UserRole + 1;
const QList<int> Vitesses = {0, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

} // namespace

Fenetre_Recepteur::Fenetre_Recepteur(const Services& services, Recepteur& recepteur, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), recepteur_(recepteur),
      enregistre_(Lit_Reglage_Recepteur(services.reglages)) {
    setObjectName(u"Fenetre_Recepteur"_s);
    setWindowTitle(u"Récepteur"_s);

    Sorte_Aucun =
        Nomme_Controle(new QRadioButton(u"Aucun récepteur"_s, this), u"Sorte_Aucun"_s, u"Aucun récepteur"_s);
    Sorte_Modele = Nomme_Controle(new QRadioButton(u"Un récepteur de la liste de Hamlib"_s, this),
                                  u"Sorte_Modele"_s, u"Un récepteur de la liste de Hamlib"_s);
    Sorte_Rigctld = Nomme_Controle(new QRadioButton(u"Un rigctld déjà lancé"_s, this), u"Sorte_Rigctld"_s,
                                   u"Un rigctld déjà lancé"_s);
    Sortes = new QButtonGroup(this);
    Sortes->addButton(Sorte_Aucun, int(Reglage_Recepteur::Sorte::Aucun));
    Sortes->addButton(Sorte_Modele, int(Reglage_Recepteur::Sorte::Modele));
    Sortes->addButton(Sorte_Rigctld, int(Reglage_Recepteur::Sorte::Rigctld));

    Recherche_Modele = Nomme_Controle(new QLineEdit(this), u"Recherche_Modele"_s, u"Rechercher un modèle"_s);
    Recherche_Modele->setPlaceholderText(u"Rechercher\u00A0: fabricant, modèle ou numéro"_s);
    Recherche_Modele->setClearButtonEnabled(true);
    for (QToolButton* effacer : Recherche_Modele->findChildren<QToolButton*>()) {
        effacer->setAccessibleName(u"Effacer la recherche"_s);
    }
    modeles_ = new QStandardItemModel(this);
    filtre_ = new QSortFilterProxyModel(this);
    filtre_->setSourceModel(modeles_);
    filtre_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    Liste_Modeles = Nomme_Controle(new QListView(this), u"Liste_Modeles"_s, u"Modèles de Hamlib"_s);
    Liste_Modeles->setModel(filtre_);
    Liste_Modeles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Modeles->setUniformItemSizes(true);
    Liste_Modeles->setMinimumHeight(160);
    Etat_Liste = Nomme_Controle(new QLabel(this), u"Etat_Liste"_s, QString());
    Peripherique = Nomme_Controle(new QLineEdit(this), u"Peripherique"_s, u"Port série"_s);
    Peripherique->setPlaceholderText(u"/dev/ttyUSB0 (vide\u00A0: celui du modèle)"_s);
    Vitesse = Nomme_Controle(new QComboBox(this), u"Vitesse"_s, u"Vitesse"_s);
    for (const int v : Vitesses) {
        Vitesse->addItem(v == 0 ? u"celle du modèle"_s : QString::number(v) + u" bauds"_s, v);
    }
    Hote = Nomme_Controle(new QLineEdit(this), u"Hote"_s, u"Adresse de rigctld"_s);
    Port = Nomme_Controle(new QSpinBox(this), u"Port"_s, u"Port de rigctld"_s);
    Port->setRange(1, 65535);
    Intervalle = Nomme_Controle(new QDoubleSpinBox(this), u"Intervalle"_s, u"Lire le récepteur toutes les"_s);
    Intervalle->setRange(Intervalle_Minimal_Ms / 1000.0, Intervalle_Maximal_Ms / 1000.0);
    Intervalle->setSingleStep(0.1);
    Intervalle->setDecimals(1);
    Intervalle->setSuffix(u"\u00A0s"_s);
    Intervalle->setLocale(QLocale(QLocale::French)); // "1,0 s" whatever the system's locale
    Tester = Nomme_Controle(new QPushButton(u"Tester"_s, this), u"Tester"_s, u"Tester"_s);
    Resultat_Test = Nomme_Controle(new QLabel(this), u"Resultat_Test"_s, QString());
    Resultat_Test->setWordWrap(true);
    Etat_Recepteur = Nomme_Controle(new QLabel(this), u"Etat_Recepteur"_s, QString());
    Etat_Recepteur->setWordWrap(true);
    Enregistrer = Nomme_Controle(new QPushButton(u"Enregistrer"_s, this), u"Enregistrer"_s, u"Enregistrer"_s);
    Fermer = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer"_s, u"Fermer"_s);

    auto* modele = new QGroupBox(u"Récepteur de la liste"_s, this);
    auto* colonne_modele = new QVBoxLayout(modele);
    colonne_modele->addWidget(Recherche_Modele);
    colonne_modele->addWidget(Liste_Modeles);
    colonne_modele->addWidget(Etat_Liste);
    auto* serie = new QFormLayout;
    serie->addRow(u"Port série"_s, Peripherique);
    serie->addRow(u"Vitesse"_s, Vitesse);
    colonne_modele->addLayout(serie);
    auto* distant = new QGroupBox(u"rigctld déjà lancé"_s, this);
    auto* adresse = new QFormLayout(distant);
    adresse->addRow(u"Adresse"_s, Hote);
    adresse->addRow(u"Port"_s, Port);
    auto* lecture = new QFormLayout;
    lecture->addRow(u"Lire le récepteur toutes les"_s, Intervalle);
    auto* test = new QHBoxLayout;
    test->addWidget(Tester);
    test->addWidget(Resultat_Test, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Enregistrer);
    boutons->addWidget(Fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Sorte_Aucun);
    colonne->addWidget(Sorte_Modele);
    colonne->addWidget(modele);
    colonne->addWidget(Sorte_Rigctld);
    colonne->addWidget(distant);
    colonne->addLayout(lecture);
    colonne->addLayout(test);
    colonne->addWidget(Etat_Recepteur);
    colonne->addLayout(boutons);
    resize(520, 640);
    Centre_Fenetre(*this);

    connect(Sortes, &QButtonGroup::idClicked, this, &Fenetre_Recepteur::Met_A_Jour_Controles);
    connect(Recherche_Modele, &QLineEdit::textChanged, filtre_, &QSortFilterProxyModel::setFilterFixedString);
    connect(Tester, &QPushButton::clicked, this, &Fenetre_Recepteur::Tester_Click);
    connect(Enregistrer, &QPushButton::clicked, this, &Fenetre_Recepteur::Enregistrer_Click);
    connect(Fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(&recepteur_, &Recepteur::Lecture, this, &Fenetre_Recepteur::Lecture_Recue);
    connect(&recepteur_, &Recepteur::Statut_Change, this, &Fenetre_Recepteur::Statut_Recu);
    connect(&liste_, &QProcess::finished, this, &Fenetre_Recepteur::Modeles_Lus);
    connect(&liste_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            Affiche_Valeur(Etat_Liste, u"Liste des modèles\u00A0:"_s,
                           u"rigctld est introuvable\u00A0: installez le paquet libhamlib-utils."_s);
        }
    });

    Affiche(enregistre_);
    Statut_Recu(recepteur_.Statut());
    Affiche_Valeur(Resultat_Test, u"Test\u00A0:"_s, QString());
    Charge_Modeles();
}

Fenetre_Recepteur::~Fenetre_Recepteur() {
    // A choice tried but not saved gives way to the saved one.
    if (recepteur_.Reglage() != enregistre_) {
        recepteur_.Configure(enregistre_);
    }
    if (liste_.state() != QProcess::NotRunning) {
        liste_.kill();
        liste_.waitForFinished(1000);
    }
}

void Fenetre_Recepteur::Affiche(const Reglage_Recepteur& r) {
    Sortes->button(int(r.sorte))->setChecked(true);
    Peripherique->setText(r.peripherique);
    Vitesse->setCurrentIndex(qMax(0, Vitesse->findData(r.vitesse)));
    if (Vitesse->findData(r.vitesse) < 0) {
        Vitesse->addItem(QString::number(r.vitesse) + u" bauds"_s, r.vitesse);
        Vitesse->setCurrentIndex(Vitesse->count() - 1);
    }
    Hote->setText(r.hote);
    Port->setValue(r.port);
    Intervalle->setValue(r.intervalle_ms / 1000.0);
    Selectionne_Modele(r.modele);
    Met_A_Jour_Controles();
}

Reglage_Recepteur Fenetre_Recepteur::Reglage_Affiche() const {
    Reglage_Recepteur r = enregistre_;
    r.sorte = Reglage_Recepteur::Sorte(qMax(0, Sortes->checkedId()));
    const QModelIndex choisi = Liste_Modeles->currentIndex();
    if (choisi.isValid()) {
        r.modele = choisi.data(Role_Numero).toInt();
    }
    r.peripherique = Peripherique->text().trimmed();
    r.vitesse = Vitesse->currentData().toInt();
    r.hote = Hote->text().trimmed();
    r.port = Port->value();
    r.intervalle_ms = qRound(Intervalle->value() * 1000);
    return r;
}

void Fenetre_Recepteur::Met_A_Jour_Controles() {
    const bool modele = Sorte_Modele->isChecked();
    const bool distant = Sorte_Rigctld->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{Recherche_Modele, Liste_Modeles, Peripherique, Vitesse}) {
        w->setEnabled(modele);
    }
    Hote->setEnabled(distant);
    Port->setEnabled(distant);
    Intervalle->setEnabled(modele || distant);
    Tester->setEnabled(modele || distant);
}

void Fenetre_Recepteur::Charge_Modeles() {
    Affiche_Valeur(Etat_Liste, u"Liste des modèles\u00A0:"_s, u"lecture de la liste de Hamlib…"_s);
    liste_.setStandardErrorFile(QProcess::nullDevice());
    liste_.start(recepteur_.programme, {u"-l"_s});
}

void Fenetre_Recepteur::Modeles_Lus() {
    const QList<Modele_Hamlib> modeles = Lit_Liste_Modeles(liste_.readAllStandardOutput());
    modeles_->clear();
    for (const Modele_Hamlib& m : modeles) {
        auto* article =
            new QStandardItem(m.fabricant + u' ' + m.modele + u" ("_s + QString::number(m.numero) + u')');
        article->setData(m.numero, Role_Numero);
        modeles_->appendRow(article);
    }
    Affiche_Valeur(Etat_Liste, u"Liste des modèles\u00A0:"_s,
                   modeles.isEmpty() ? u"rigctld n'a donné aucun modèle."_s
                                     : QString::number(modeles.size()) + u" modèles"_s);
    Selectionne_Modele(enregistre_.modele);
}

void Fenetre_Recepteur::Selectionne_Modele(int numero) {
    for (int i = 0; i < filtre_->rowCount(); ++i) {
        const QModelIndex index = filtre_->index(i, 0);
        if (index.data(Role_Numero).toInt() == numero) {
            Liste_Modeles->setCurrentIndex(index);
            Liste_Modeles->scrollTo(index);
            return;
        }
    }
}

void Fenetre_Recepteur::Tester_Click() {
    const Reglage_Recepteur r = Reglage_Affiche();
    if (r.sorte == Reglage_Recepteur::Sorte::Modele && !Liste_Modeles->currentIndex().isValid()) {
        services_.messages.Message(u"Choisissez le récepteur dans la liste des modèles."_s);
        return;
    }
    if (const QString refus = Controle_Reglage_Recepteur(r); !refus.isEmpty()) {
        services_.messages.Message(refus);
        return;
    }
    test_en_cours_ = true;
    Affiche_Valeur(Resultat_Test, u"Test\u00A0:"_s, u"connexion au récepteur…"_s);
    recepteur_.Configure(r);
}

void Fenetre_Recepteur::Enregistrer_Click() {
    const Reglage_Recepteur r = Reglage_Affiche();
    if (const QString refus = Controle_Reglage_Recepteur(r); !refus.isEmpty()) {
        services_.messages.Message(refus);
        return;
    }
    Ecrit_Reglage_Recepteur(services_.reglages, r);
    enregistre_ = r;
    if (recepteur_.Reglage() != r) {
        recepteur_.Configure(r);
    }
    close();
}

void Fenetre_Recepteur::Lecture_Recue(const Lecture_Recepteur& lecture) {
    if (test_en_cours_ && Frequence_Valide(lecture.hz)) {
        Affiche_Valeur(Resultat_Test, u"Test\u00A0:"_s,
                       u"fréquence lue\u00A0: "_s + Texte_Frequence(lecture.hz, lecture.mode));
    }
}

void Fenetre_Recepteur::Statut_Recu(const QString& statut) {
    Affiche_Valeur(Etat_Recepteur, {}, u"État du récepteur\u00A0: "_s + statut);
    if (test_en_cours_ && statut != u"connecté"_s && statut != u"connexion…"_s) {
        Affiche_Valeur(Resultat_Test, u"Test\u00A0:"_s, statut);
    }
}

} // namespace swl
