#include "labels/etiquettes.h"

#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "labels/select_qso.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/fenetres.h"
#include "platform/imprimante.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// The sample label, lines 1 to 6, in French and in English.
const std::array<QString, 6> Echantillon_Francais = {u"De F19999  pour F1ZZZ"_s,
                                                     u"en QSO avec F6ZZY"_s,
                                                     u"Date  14/01/06   QTR 08:35"_s,
                                                     u"Bande  7 Mhz   RST 59   Mode SSB"_s,
                                                     u"RX :  FT 847  Ant : Dipole 2x10m"_s,
                                                     u"Pse QSL        73's de F19999"_s};
const std::array<QString, 6> Echantillon_Anglais = {u"From F19999  to F1ZZZ"_s,
                                                    u"in QSO with F6ZZY"_s,
                                                    u" Date  14/01/06   QTR 08:35"_s,
                                                    u"Band  7 Mhz   RST 59   Mode SSB"_s,
                                                    u"RX :  FT 847  Ant : Dipole 2x10m"_s,
                                                    u"Pse QSL      73's from F19999"_s};

const QString Noms_Echantillon[] = {u"Label10"_s, u"Label5"_s,  u"Label11"_s,
                                    u"Label12"_s, u"Label13"_s, u"Label14"_s};

QDoubleSpinBox* Decalage(QWidget* parent, const QString& nom, const QString& accessible) {
    auto* d = Nomme_Controle(new QDoubleSpinBox(parent), nom, accessible);
    d->setRange(-10, 10);
    d->setSingleStep(0.5);
    d->setDecimals(1);
    d->setSuffix(u" mm"_s);
    d->setLocale(QLocale(QLocale::French));
    return d;
}

} // namespace

Etiquettes::Etiquettes(const Services& services, Select_QSO* selection, std::function<QString()> indicatif,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), selection_(selection),
      indicatif_(std::move(indicatif)) {
    setObjectName(u"Etiquettes"_s);
    setWindowTitle(u"Impression d'étiquettes"_s);

    Frame1 = Nomme_Controle(new QGroupBox(this), u"Frame1"_s, u"Titre"_s);
    Label2 = Nomme_Controle(new QLabel(u"Impression d'étiquettes pour QSL"_s, Frame1), u"Label2"_s,
                            u"Impression d'étiquettes pour QSL"_s);
    Label2->setFont(Police_Titre());

    Frame3 = Nomme_Controle(new QGroupBox(this), u"Frame3"_s, u"Exemple d'étiquette"_s);
    Frame3->setAutoFillBackground(true);
    QPalette blanc = Frame3->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    Frame3->setPalette(blanc);
    auto* l_echantillon = new QVBoxLayout(Frame3);
    l_echantillon->setSpacing(2);
    l_echantillon->addStretch();
    for (std::size_t i = 0; i < echantillon_.size(); ++i) {
        QLabel* l = Nomme_Controle(new QLabel(Frame3), Noms_Echantillon[i],
                                   u"Exemple, ligne "_s + QString::number(i + 1));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l_echantillon->addWidget(l);
        echantillon_[i] = l;
    }
    l_echantillon->addStretch();
    QFont gras = echantillon_[0]->font();
    gras.setBold(true);
    gras.setPointSizeF(12);
    echantillon_[0]->setFont(gras);

    Frame4 = Nomme_Controle(new QGroupBox(u"Langue"_s, this), u"Frame4"_s, u"Langue"_s);
    Langue[0] = Nomme_Controle(new QRadioButton(u"Francais"_s, Frame4), u"Langue(1)"_s, u"Francais"_s);
    Langue[1] = Nomme_Controle(new QRadioButton(u"Anglais"_s, Frame4), u"Langue(2)"_s, u"Anglais"_s);
    auto* l_langue = new QHBoxLayout(Frame4);
    l_langue->addWidget(Langue[0]);
    l_langue->addWidget(Langue[1]);

    Frame5 =
        Nomme_Controle(new QGroupBox(u"Format d'etiquette"_s, this), u"Frame5"_s, u"Format d'etiquette"_s);
    auto* l_stock = new QVBoxLayout(Frame5);
    for (std::size_t k = 0; k < Type_E.size(); ++k) {
        const Stock_Etiquettes& stock = Stocks_Etiquettes()[k];
        QRadioButton* b = Nomme_Controle(new QRadioButton(stock.libelle, Frame5),
                                         u"Type_E("_s + QString::number(k + 1) + u')', stock.libelle);
        b->setToolTip(QString::number(stock.etiquettes) + u" étiquettes de "_s +
                      QLocale(QLocale::French).toString(stock.largeur) + u" x "_s +
                      QLocale(QLocale::French).toString(stock.hauteur) + u" mm sur une feuille A4"_s);
        l_stock->addWidget(b);
        Type_E[k] = b;
    }
    Type_E[2]->setToolTip(
        Type_E[2]->toolTip() +
        u".\nÉtiquettes bord à bord\u00A0: la marge que l'imprimante ne peut pas imprimer peut couper "
        u"le bord extérieur des étiquettes."_s);

    Frame6 = Nomme_Controle(new QGroupBox(u"Station"_s, this), u"Frame6"_s, u"Station"_s);
    Label1 = Nomme_Controle(new QLabel(u"Recepteur"_s, Frame6), u"Label1"_s, u"Recepteur"_s);
    Rx_Tx = Nomme_Controle(new QLineEdit(Frame6), u"Rx_Tx"_s, u"Recepteur"_s);
    Label20 =
        Nomme_Controle(new QLabel(u"16 caracteres maxi"_s, Frame6), u"Label20"_s, u"16 caracteres maxi"_s);
    Label7 = Nomme_Controle(new QLabel(u"Antenne"_s, Frame6), u"Label7"_s, u"Antenne"_s);
    Antenne = Nomme_Controle(new QLineEdit(Frame6), u"Antenne"_s, u"Antenne"_s);
    Label21 =
        Nomme_Controle(new QLabel(u"13 catacteres maxi"_s, Frame6), u"Label21"_s, u"13 catacteres maxi"_s);
    Label1->setBuddy(Rx_Tx);
    Label7->setBuddy(Antenne);
    auto* l_station = new QGridLayout(Frame6);
    l_station->addWidget(Label1, 0, 0);
    l_station->addWidget(Rx_Tx, 0, 1);
    l_station->addWidget(Label20, 0, 2);
    l_station->addWidget(Label7, 1, 0);
    l_station->addWidget(Antenne, 1, 1);
    l_station->addWidget(Label21, 1, 2);
    Arret_Imp = Nomme_Controle(new QCheckBox(u"Arret impression a chaque feuille"_s, this), u"Arret_Imp"_s,
                               u"Arret impression a chaque feuille"_s);

    Frame7 = Nomme_Controle(new QGroupBox(u"Feuille"_s, this), u"Frame7"_s, u"Feuille"_s);
    Depart = Nomme_Controle(new QSpinBox(Frame7), u"Depart"_s, u"Commencer à l'étiquette"_s);
    Depart->setToolTip(
        u"Sur une feuille déjà entamée\u00A0: les étiquettes avant celle-ci restent blanches"_s);
    Decalage_X = Decalage(Frame7, u"Decalage_X"_s, u"Décalage X"_s);
    Decalage_Y = Decalage(Frame7, u"Decalage_Y"_s, u"Décalage Y"_s);
    Decalage_X->setToolTip(u"Déplace toute l'impression vers la droite (ou la gauche si négatif)"_s);
    Decalage_Y->setToolTip(u"Déplace toute l'impression vers le bas (ou le haut si négatif)"_s);
    auto* l_feuille = new QFormLayout(Frame7);
    l_feuille->addRow(u"Commencer à l'étiquette"_s, Depart);
    l_feuille->addRow(u"Décalage X"_s, Decalage_X);
    l_feuille->addRow(u"Décalage Y"_s, Decalage_Y);

    Apercu = Nomme_Controle(new QPushButton(u"Aperçu"_s, this), u"Apercu"_s, u"Aperçu"_s);
    Enregistre_Pdf = Nomme_Controle(new QPushButton(u"Enregistrer en PDF…"_s, this), u"Enregistre_Pdf"_s,
                                    u"Enregistrer en PDF"_s);
    Imprime = Nomme_Controle(new QPushButton(u"Imprimer"_s, this), u"Imprime"_s, u"Imprimer"_s);
    Imprime->setAutoDefault(true);

    (new QHBoxLayout(Frame1))->addWidget(Label2, 0, Qt::AlignHCenter);
    auto* droite = new QVBoxLayout;
    droite->addWidget(Frame4);
    droite->addWidget(Frame5);
    droite->addWidget(Frame6);
    droite->addWidget(Arret_Imp);
    droite->addWidget(Frame7);
    auto* milieu = new QHBoxLayout;
    milieu->addWidget(Frame3, 1);
    milieu->addLayout(droite);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Apercu);
    boutons->addWidget(Enregistre_Pdf);
    boutons->addStretch();
    boutons->addWidget(Imprime);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addLayout(milieu, 1);
    colonne->addLayout(boutons);

    for (QRadioButton* b : Langue) {
        connect(b, &QRadioButton::clicked, this, &Etiquettes::Langue_Click);
    }
    for (QRadioButton* b : Type_E) {
        connect(b, &QRadioButton::toggled, this, &Etiquettes::Type_E_Click);
    }
    Installe_KeyPress(Rx_Tx, [this](int code) { return Rx_Tx_KeyPress(code); });
    Installe_KeyPress(Antenne, [this](int code) { return Antenne_KeyPress(code); });
    connect(Imprime, &QPushButton::clicked, this, &Etiquettes::Imprime_Click);
    connect(Apercu, &QPushButton::clicked, this, &Etiquettes::Apercu_Click);
    connect(Enregistre_Pdf, &QPushButton::clicked, this, &Etiquettes::Enregistre_Pdf_Click);
    Form_Load();
}

QString Etiquettes::Section_Station() const {
    return Reglages::Section_Station(indicatif_());
}

void Etiquettes::Form_Load() {
    const Parametres_Etiquettes p = Parametres_Retenus(services_.reglages, Section_Station());
    Rx_Tx->setText(p.station.recepteur);
    Antenne->setText(p.station.antenne);
    Fixe_Couleur_Fond(Rx_Tx, Couleur_Courante);
    Fixe_Couleur_Fond(Antenne, Couleur_Repos);
    Langue[p.station.francais ? 0 : 1]->setChecked(true);
    Langue_Click();
    Type_E[static_cast<std::size_t>(p.stock - 1)]->setChecked(true);
    Type_E_Click();
    Depart->setValue(p.depart);
    Decalage_X->setValue(p.decalage_x);
    Decalage_Y->setValue(p.decalage_y);
    adjustSize();
    Centre_Fenetre(*this);
}

void Etiquettes::Langue_Click() {
    const auto& textes = Langue[0]->isChecked() ? Echantillon_Francais : Echantillon_Anglais;
    for (std::size_t i = 0; i < echantillon_.size(); ++i) {
        Affiche_Valeur(echantillon_[i], u"Exemple, ligne "_s + QString::number(i + 1) + u"\u00A0:"_s,
                       textes[i]);
    }
}

void Etiquettes::Type_E_Click() {
    Depart->setRange(1, Stock_Etiquettes_De(Parametres().stock).etiquettes);
}

int Etiquettes::Rx_Tx_KeyPress(int code) {
    if (code != 13) {
        return code;
    }
    if (Rx_Tx->text().trimmed().size() > 40) {
        services_.messages.Message(u"40 caracteres maxi"_s);
        return 0;
    }
    Fixe_Couleur_Fond(Rx_Tx, Couleur_Repos);
    Fixe_Couleur_Fond(Antenne, Couleur_Courante);
    Antenne->setFocus();
    return 0;
}

int Etiquettes::Antenne_KeyPress(int code) {
    if (code != 13) {
        return code;
    }
    if (Antenne->text().trimmed().size() > 15) {
        services_.messages.Message(u"15 caracteres maxi"_s);
        return 0;
    }
    Fixe_Couleur_Fond(Antenne, Couleur_Repos);
    Imprime->setFocus();
    return 0;
}

Parametres_Etiquettes Etiquettes::Parametres() const {
    Parametres_Etiquettes p;
    p.station.francais = Langue[0]->isChecked();
    p.station.recepteur = Rx_Tx->text();
    p.station.antenne = Antenne->text();
    // The callsign as it is written on the air: "/" where the log's name has "_".
    p.station.indicatif = Indicatif_Affiche(indicatif_());
    for (std::size_t k = 0; k < Type_E.size(); ++k) {
        if (Type_E[k]->isChecked()) {
            p.stock = static_cast<int>(k) + 1;
        }
    }
    p.depart = Depart->value();
    p.decalage_x = Decalage_X->value();
    p.decalage_y = Decalage_Y->value();
    return p;
}

bool Etiquettes::Refuse_Station() {
    const QString refus = Controle_Ligne_Station(Rx_Tx->text(), Antenne->text());
    if (!refus.isEmpty()) {
        services_.messages.Message(refus);
        return true;
    }
    return false;
}

void Etiquettes::Ecrit_Reglages() {
    Retient_Parametres(services_.reglages, Section_Station(), Parametres());
}

void Etiquettes::Remet_Couleurs() {
    Fixe_Couleur_Fond(Antenne, Couleur_Repos);
    Fixe_Couleur_Fond(Rx_Tx, Couleur_Courante);
}

bool Etiquettes::Travail(Imprimante& imprimante, bool interactif) {
    const QString police = imprimante.Nom_Police();
    const double taille = imprimante.Taille_Police();
    imprimante.Fixe_Nom_Police(u"Courier New"_s);
    const QList<Feuille_Etiquettes> feuilles =
        Met_En_Page(selection_ ? selection_->Lignes_Choisies() : QStringList(), Parametres());
    std::optional<bool> gras;
    std::optional<double> points;
    const auto fin = [&] {
        if (gras.value_or(false)) {
            imprimante.Fixe_Gras(false);
        }
        imprimante.Fixe_Nom_Police(police);
        imprimante.Fixe_Taille_Police(taille);
    };
    for (const Feuille_Etiquettes& f : feuilles) {
        for (const Texte_Place& t : f.textes) {
            if (gras != t.gras) {
                gras = t.gras;
                imprimante.Fixe_Gras(t.gras);
            }
            if (points != t.points) {
                points = t.points;
                imprimante.Fixe_Taille_Police(t.points);
            }
            imprimante.Imprime_A(t.x, t.y, t.texte);
        }
        if (!f.pleine) {
            break; // the last sheet, partly used
        }
        if (interactif && Arret_Imp->isChecked() && !services_.messages.Question(u"Page suivante ?"_s)) {
            imprimante.Fin_Document();
            fin();
            return false;
        }
        imprimante.Fin_Document();
    }
    // A full last sheet has gone already: nothing is waiting.
    if (feuilles.isEmpty() || feuilles.last().pleine) {
        imprimante.Annule_Document();
    } else {
        imprimante.Fin_Document();
    }
    fin();
    return true;
}

void Etiquettes::Imprime_Click() {
    if (Refuse_Station()) {
        return;
    }
    Ecrit_Reglages();
    // "Annuler" in the printer choice ends the job: no sheet is used.
    if (services_.imprimante.Choix_Imprimante(this) && !Travail(services_.imprimante, true)) {
        return;
    }
    Remet_Couleurs();
}

void Etiquettes::Apercu_Click() {
    if (Refuse_Station()) {
        return;
    }
    Ecrit_Reglages();
    if (services_.imprimante.Apercu(
            this, [this](Imprimante& imprimante) { Travail(imprimante, false); },
            Contours_Etiquettes(Parametres()))) {
        Imprime_Click();
    }
}

void Etiquettes::Enregistre_Pdf_Click() {
    if (Refuse_Station()) {
        return;
    }
    const QString propose =
        QDir(Dossier_Fichiers(services_.reglages))
            .filePath(indicatif_() + u"_Etiquettes_QSL_"_s +
                      services_.horloge.Maintenant_Local().date().toString(u"dd_MM_yy"_s) + u".pdf"_s);
    QString fichier = services_.fichiers.Fichier_A_Enregistrer(this, u"Enregistrer les étiquettes en PDF"_s,
                                                               propose, u"Fichiers PDF (*.pdf)"_s);
    if (fichier.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, fichier);
    if (!fichier.endsWith(u".pdf"_s, Qt::CaseInsensitive)) {
        fichier += u".pdf"_s;
    }
    Ecrit_Reglages();
    const Resultat ecrit = services_.imprimante.Vers_Pdf(
        fichier, [this](Imprimante& imprimante) { Travail(imprimante, false); });
    services_.messages.Message(ecrit ? u"Étiquettes enregistrées dans le fichier\u00A0: "_s +
                                           QFileInfo(fichier).fileName()
                                     : ecrit.message);
}

void Etiquettes::closeEvent(QCloseEvent* evenement) {
    // The chosen QSOs go with the label window.
    if (selection_) {
        selection_->close();
    }
    QWidget::closeEvent(evenement);
}

} // namespace swl
