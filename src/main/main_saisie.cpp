// The main window's entry form: field rules, saving a QSO, editing from the list, clock.
#include "main/main.h"

#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/log/liste_prenom.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "station/fenetre_pays.h"
#include "views/cluster.h"
#include "views/fenetre_statistiques.h"
#include "views/recherche_indicatif.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QString Texte(const QWidget* champ) {
    if (const auto* edition = qobject_cast<const QLineEdit*>(champ)) {
        return edition->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(champ)) {
        return combo->currentText();
    }
    return {};
}

// Selects the list entry that reads `texte`, else shows the text with no entry selected.
void Fixe_Texte_Combo(QComboBox* c, const QString& texte) {
    const int i = Position_Dans_Liste(c, texte);
    c->setCurrentIndex(i);
    if (i < 0) {
        c->setEditText(texte);
    }
}

} // namespace

void Main::Timer1_Timer() {
    Label37->setEnabled(true);
    Affiche_Valeur(Label37, u"Heure UTC"_s, Heure_Utc(services_.horloge).left(5) + u" Utc"_s);
    Label34->setEnabled(true);
    Affiche_Valeur(Label34, u"Heure locale"_s, Heure_Locale(services_.horloge).left(5) + u" Loc"_s);
    Affiche_Valeur(Label33, u"Date UTC"_s, Date_Utc(services_.horloge));
}

void Main::Mnu_Date_Auto_Click() {
    Mnu_Date_Auto->setChecked(true);
    Mnu_Date_Man->setChecked(false);
    Date_A->clear();
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Date_Auto, u"Oui"_s);
}

void Main::Mnu_Date_Man_Click() {
    Mnu_Date_Auto->setChecked(false);
    Mnu_Date_Man->setChecked(true);
    services_.reglages.Ecrire_Reglage(Section_Station(), cle::Date_Auto, u"Non"_s);
}

void Main::Installe_Regles_Saisie() {
    for (QWidget* champ : std::initializer_list<QWidget*>{Ind_A, Dpt_A, RST_A, Prenom_A, Rem_A, Ind_B, Dpt_B,
                                                          RST_B, Date_A, Heure_A, Mode_A, Bande_A, QSL_A}) {
        Installe_KeyPress(champ, [this, champ](int code) { return KeyPress(champ, code); });
    }
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    connect(Ind_A, &QLineEdit::textChanged, this,
            [this](const QString& t) { Affiche_Pays(Pays_A, u"Pays de la station A"_s, t); });
    connect(Ind_B, &QLineEdit::textChanged, this,
            [this](const QString& t) { Affiche_Pays(Pays_B, u"Pays de la station B"_s, t); });
    Affiche_Pays(Pays_A, u"Pays de la station A"_s, QString());
    Affiche_Pays(Pays_B, u"Pays de la station B"_s, QString());
    connect(Mnu_Date_Auto, &QAction::triggered, this, &Main::Mnu_Date_Auto_Click);
    connect(Mnu_Date_Man, &QAction::triggered, this, &Main::Mnu_Date_Man_Click);
    connect(Valide_A, &QPushButton::clicked, this, &Main::Valide_A_Click);
    connect(Efface_A, &QPushButton::clicked, this, &Main::Init_Saisie);
    connect(Annule_Saisie, &QPushButton::clicked, this, &Main::Annule_Saisie_Click);
    connect(Ajout_QSO, &QPushButton::clicked, this, &Main::Ajout_QSO_Click);
    connect(Command1, &QPushButton::clicked, this, [this] {
        Montre_Fenetre(cluster_, [this] {
            return new Cluster(
                services_, [this] { return indicatif_station_; }, *this, this);
        });
    });
    connect(Rechercher, &QPushButton::clicked, this, [this] {
        Montre_Fenetre(recherche_, [this] { return new Recherche_Indicatif(services_, *this, this); });
    });
    connect(Liste_SWL, &QListView::clicked, this, &Main::Liste_SWL_Click);
    connect(Liste_SWL, &QListView::doubleClicked, this, &Main::Liste_SWL_DblClick);
    // The view reports double clicks on a line only: one below the lines counts too.
    Installe_Double_Clic_Hors_Lignes(Liste_SWL, [this] { Liste_SWL_DblClick(); });
    // Moving through the list with the keyboard shows each entry, as a click does.
    connect(Liste_SWL->selectionModel(), &QItemSelectionModel::currentChanged, this, &Main::Liste_SWL_Click);
}

int Main::KeyPress(QWidget* champ, int code) {
    if (champ == Ind_A && indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return code;
    }
    const bool departement = champ == Dpt_A || champ == Dpt_B;
    if (!departement && champ != QSL_A && code >= 'a' && code <= 'z') {
        code -= 32;
    }
    if (code == 13) {
        Entree(champ);
        return 0;
    }
    if (champ == Mode_A) {
        Ecrit_Position(Mode_A, cle::Mode_Utilise);
    } else if (champ == Bande_A) {
        Ecrit_Position(Bande_A, cle::Bande_Utilisee);
    }
    return code;
}

bool Main::Refuse(Champ_Saisie champ, const QString& texte) {
    const QString message = Controle_Saisie(champ, texte);
    if (message.isEmpty()) {
        return false;
    }
    services_.messages.Message(message);
    return true;
}

void Main::Passe_A(QWidget* champ, QWidget* suivant) {
    Fixe_Couleur_Fond(champ, Couleur_Repos);
    suivant->setEnabled(true);
    Fixe_Couleur_Fond(suivant, Couleur_Courante);
    suivant->setFocus();
    // What the field holds (the preset "59", the remembered mode) is selected: typing
    // replaces it, Enter keeps it.
    if (auto* edition = qobject_cast<QLineEdit*>(suivant)) {
        edition->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(suivant)) {
        combo->lineEdit()->selectAll();
    }
}

void Main::Ecrit_Position(QComboBox* combo, const QString& cle) {
    if (modif_en_cours_) {
        return;
    }
    if (const auto position = Position_A_Retenir(combo, cle)) {
        services_.reglages.Ecrire_Reglage(Section_Station(), cle, *position);
    }
}

std::optional<QString> Main::Position_A_Retenir(const QComboBox* combo, const QString& cle) const {
    // Rewriting the settings file for the value it holds would be wasted.
    const QString position = QString::number(Position_Dans_Liste(combo, combo->currentText()));
    if (services_.reglages.Lire_Reglage(Section_Station(), cle, QString()) == position) {
        return std::nullopt;
    }
    return position;
}

void Main::Entree(QWidget* champ) {
    if (champ == QSL_A) {
        Passe_A(QSL_A, Valide_A);
        return;
    }
    if (champ == Dpt_A || champ == Dpt_B) {
        // Lowered before the check: a refused department stays lowered.
        auto* dpt = static_cast<QLineEdit*>(champ);
        dpt->setText(dpt->text().toLower());
    }
    struct Etape {
        QWidget* champ;
        Champ_Saisie regle;
        QWidget* suivant;
    };
    const Etape chaine[] = {
        {Ind_A, Champ_Saisie::Indicatif, Dpt_A},   {Dpt_A, Champ_Saisie::Departement, RST_A},
        {RST_A, Champ_Saisie::Report, Prenom_A},   {Prenom_A, Champ_Saisie::Prenom, Rem_A},
        {Rem_A, Champ_Saisie::QTH, Ind_B},         {Ind_B, Champ_Saisie::Indicatif, Dpt_B},
        {Dpt_B, Champ_Saisie::Departement, RST_B}, {RST_B, Champ_Saisie::Report, Date_A},
        {Date_A, Champ_Saisie::Date, Heure_A},     {Heure_A, Champ_Saisie::Heure, Mode_A},
        {Mode_A, Champ_Saisie::Mode, Bande_A},     {Bande_A, Champ_Saisie::Bande, QSL_A},
    };
    const Etape* etape = std::find_if(std::begin(chaine), std::end(chaine),
                                      [champ](const Etape& e) { return e.champ == champ; });
    if (etape == std::end(chaine) || Refuse(etape->regle, Texte(champ))) {
        return;
    }
    QWidget* suivant = etape->suivant;
    if (champ == Ind_A) {
        Cherche_Prenom_A();
    } else if (champ == Ind_B) {
        Cherche_Dpt_B();
    } else if (champ == Mode_A) {
        Ecrit_Position(Mode_A, cle::Mode_Utilise);
    } else if (champ == Bande_A) {
        Ecrit_Position(Bande_A, cle::Bande_Utilisee);
    } else if (champ == RST_B && Mnu_Date_Auto->isChecked() && !modif_en_cours_ && !insertion_en_cours_ &&
               !entendu_pris_) {
        // The QSO is on the air now: date and time come from the UTC clock and are skipped (a
        // heard QSO keeps those of its decodes).
        Date_A->setText(Label33->text());
        Heure_A->setText(Label37->text().left(5));
        suivant = Mode_A;
    }
    Passe_A(champ, suivant);
}

void Main::Affiche_Pays(QLabel* pays, const QString& legende, const QString& indicatif) {
    // Without a country file every country is unknown, as with a file that cannot be read.
    static const Base_Pays aucun;
    const Base_Pays& base = services_.pays ? *services_.pays : aucun;
    Affiche_Valeur(pays, legende, base.Texte_Pays(indicatif));
    pays->setToolTip(base.Erreur());
}

void Main::Cherche_Prenom_A() {
    if (modif_en_cours_) {
        return;
    }
    if (const auto fiche = Liste_Prenom(services_.repertoire).Cherche(Ind_A->text())) {
        Dpt_A->setText(fiche->departement);
        Prenom_A->setText(fiche->prenom);
    }
}

void Main::Cherche_Dpt_B() {
    if (modif_en_cours_) {
        return;
    }
    if (const auto fiche = Liste_Prenom(services_.repertoire).Cherche(Ind_B->text())) {
        Dpt_B->setEnabled(true);
        Dpt_B->setText(fiche->departement);
    }
}

Fiche_QSO Main::Fiche_Du_Formulaire() const {
    Fiche_QSO f;
    f.Indicatif_A = Ind_A->text();
    f.Dpt_A = Dpt_A->text();
    f.RST_A = RST_A->text();
    f.Prenom_A = Majuscules_1252(Prenom_A->text());
    f.QTH_A = Rem_A->text();
    f.Indicatif_B = Ind_B->text();
    f.Dpt_B = Dpt_B->text();
    f.RST_B = RST_B->text();
    f.Date = Date_A->text();
    f.Heure = Heure_A->text();
    f.Mode = Mode_A->currentText();
    f.Bande = Bande_A->currentText();
    f.QSL = QSL_A->isChecked();
    return f;
}

void Main::Valide_A_Click() {
    // With the manual date, the date just used is kept for the next QSO; the reselection of
    // the last entry that follows a save would otherwise show that entry's date instead.
    const QString date = Date_A->text();
    // Whatever led here, a QSO without its callsign, date or time never reaches the log.
    const QString incomplet = Controle_Fiche_Complete(Fiche_Du_Formulaire());
    if (!incomplet.isEmpty()) {
        services_.messages.Message(incomplet);
        return;
    }
    if (services_.messages.Question(u"Voulez vous enregistrer ces données ?"_s) && !Enregistre()) {
        // Nothing was written: the form keeps the QSO so that the user can try again.
        return;
    }
    Remet_En_Attente();
    if (!Mnu_Date_Auto->isChecked()) {
        Date_A->setText(date);
    }
}

bool Main::Enregistre() {
    // Fields edited without Enter (an entry being modified) are checked here too.
    for (QWidget* champ : std::initializer_list<QWidget*>{Ind_A, Dpt_A, RST_A, Prenom_A, Rem_A, Ind_B, Dpt_B,
                                                          RST_B, Date_A, Heure_A, Mode_A, Bande_A}) {
        const QString texte = Texte(champ);
        const qsizetype interdit = Premier_Caractere_Interdit(texte);
        if (interdit >= 0) {
            services_.messages.Message(Message_Caractere_Interdit(texte, interdit) +
                                       u"\r\nLe QSO n'a pas été enregistré."_s);
            champ->setFocus();
            return false;
        }
    }
    const Fiche_QSO fiche = Fiche_Du_Formulaire();
    const QString ligne = Forme_Ligne_Log(fiche);
    Avant_Changement();
    Resultat ecrit;
    Trace_Journal trace;
    Sorte_Etape sorte = Sorte_Etape::Sauvegarde;
    if (modif_en_cours_) {
        sorte = Sorte_Etape::Modification;
        ecrit = Log().Remplace_QSO_Log(ligne, Ligne_Log_De_Liste(ligne_selectionnee_),
                                       Numero_Ligne_Liste(ligne_selectionnee_), ligne_selectionnee_, &trace);
    } else if (!Mnu_Date_Auto->isChecked() || insertion_en_cours_ || entendu_pris_) {
        sorte = insertion_en_cours_ ? Sorte_Etape::Insertion : Sorte_Etape::Sauvegarde;
        ecrit = Log().Insere_QSO_Log(ligne, &trace);
    } else {
        ecrit = Log().Ajoute_QSO_Log(ligne, &trace);
    }
    if (!ecrit) {
        services_.messages.Message(ecrit.message);
        return false;
    }
    historique_->Ajoute(Nom_Etape(sorte, trace.ligne_apres + 1, fiche.Indicatif_A), std::move(trace));
    Prenom_A->setText(fiche.Prenom_A);
    const QString qth = QTH_Conserve(Rem_A->text());
    if (Rem_A->text().trimmed().size() > 30) {
        Rem_A->setText(qth);
    }
    // The first name is recorded once the QSO itself is safely in the log.
    const Resultat prenom =
        Liste_Prenom(services_.repertoire)
            .Maj_Liste_Prenom(Liste_Prenom::Enregistrement(Ind_A->text(), Dpt_A->text(),
                                                           QStringView(fiche.Prenom_A).trimmed().toString()));
    if (!prenom) {
        services_.messages.Message(prenom.message + u"\r\nLe QSO est bien enregistré dans le journal."_s);
    }
    return Apres_Changement(Resultat::Succes());
}

bool Main::Apres_Changement(const Resultat& resultat) {
    if (!resultat) {
        services_.messages.Message(resultat.message);
        return false;
    }
    if (!Charge_Log()) {
        return false;
    }
    Selectionne_Derniere_Ligne();
    return true;
}

void Main::Remet_En_Attente() {
    Selectionne_Derniere_Ligne();
    modif_en_cours_ = false;
    insertion_en_cours_ = false;
    entendu_pris_ = false;
    liste_bloquee_ = false;
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Saisie QSO"_s);
    Valide_A->setPalette(QPalette());
    Valide_A->setEnabled(false);
    for (QLineEdit* c : {Ind_A, Dpt_A, Dpt_B, Prenom_A, Ind_B, Heure_A, Rem_A}) {
        c->clear();
    }
    // With the manual date, the date stays for the next QSO.
    if (Mnu_Date_Auto->isChecked()) {
        Date_A->clear();
    }
    RST_A->setText(u"59"_s);
    RST_B->setText(u"59"_s);
    Au_Repos({Ind_A, Dpt_A, Dpt_B, Prenom_A, Ind_B, Date_A, Heure_A, Mode_A, Bande_A, RST_A, RST_B, Rem_A});
    QSL_A->setChecked(false);
    QSL_A->setEnabled(false);
    Attend_Ind_A();
    Selectionne_Bande_Mode();
}

void Main::Affiche_Ligne(const QString& ligne, bool colonnes_entieres) {
    const Fiche_QSO f = Fiche_De_Ligne_Liste(ligne);
    const auto a = [colonnes_entieres](const QString& texte) {
        return colonnes_entieres ? texte : texte.trimmed();
    };
    Ind_A->setText(a(f.Indicatif_A));
    Dpt_A->setText(a(f.Dpt_A));
    RST_A->setText(a(f.RST_A));
    Prenom_A->setText(a(f.Prenom_A));
    Rem_A->setText(a(f.QTH_A));
    Ind_B->setText(f.Indicatif_B.trimmed());
    Dpt_B->setText(f.Dpt_B.trimmed());
    RST_B->setText(f.RST_B.trimmed());
    Date_A->setText(f.Date);
    Heure_A->setText(f.Heure);
    Fixe_Texte_Combo(Mode_A, f.Mode.trimmed());
    Fixe_Texte_Combo(Bande_A, f.Bande.trimmed());
    QSL_A->setChecked(f.QSL);
}

void Main::Liste_SWL_Click() {
    if (liste_bloquee_ || !Liste_SWL->currentIndex().isValid()) {
        return;
    }
    ligne_selectionnee_ = modele_->Ligne(Liste_SWL->currentIndex().row());
    Annule_Saisie->setEnabled(true);
    Affiche_Ligne(ligne_selectionnee_, false);
    Ind_A->setEnabled(false);
}

void Main::Liste_SWL_DblClick() {
    if (liste_bloquee_) {
        return;
    }
    if (ligne_selectionnee_.isEmpty()) {
        services_.messages.Message(u"Cliquez sur une ligne pour l'editer"_s);
        return;
    }
    liste_bloquee_ = true;
    modif_en_cours_ = true;
    for (QWidget* c : std::initializer_list<QWidget*>{Dpt_A, Dpt_B, Prenom_A, Ind_B, Date_A, Heure_A, Mode_A,
                                                      Bande_A, RST_A, RST_B, Rem_A, QSL_A, Valide_A}) {
        c->setEnabled(true);
    }
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Modification QSO"_s);
    // The fields keep their columns' full width, trailing spaces included.
    Ind_A->setEnabled(false);
    Affiche_Ligne(ligne_selectionnee_, true);
    Ind_A->setEnabled(true);
    Fixe_Couleur_Fond(Ind_A, Couleur_Courante);
    Ind_A->setFocus();
}

void Main::Annule_Saisie_Click() {
    if (ligne_selectionnee_.isEmpty()) {
        services_.messages.Message(u"Cliquez sur une ligne pour l'effacer"_s);
        return;
    }
    const QString ligne = Ligne_Log_De_Liste(ligne_selectionnee_);
    if (services_.messages.Question(u"Voulez vous Supprimer ce QSO ?"_s)) {
        Avant_Changement();
        Trace_Journal trace;
        const Resultat r = Log().Supprime_QSO_Log(ligne, Numero_Ligne_Liste(ligne_selectionnee_),
                                                  ligne_selectionnee_, &trace);
        if (r) {
            historique_->Ajoute(Nom_Etape(Sorte_Etape::Suppression, trace.ligne_avant + 1, ligne.left(12)),
                                std::move(trace));
        }
        Apres_Changement(r);
    }
    Annule_Saisie->setEnabled(false);
    Init_Saisie();
}

bool Main::Prend_Spot(const QString& indicatif, const QString& bande) {
    // Only a form waiting for a new QSO takes a spot: nothing typed or shown is overwritten,
    // but a spot taken before may give way to another.
    if (!Saisie_Au_Repos() || (!Ind_A->text().isEmpty() && Ind_A->text() != spot_pris_)) {
        return false;
    }
    spot_pris_ = indicatif.left(12);
    Ind_A->setText(spot_pris_);
    // A spot outside every band leaves the band to choose, never the one of the last QSO.
    const int index = Position_Dans_Liste(Bande_A, bande);
    Bande_A->setCurrentIndex(index);
    if (index < 0) {
        Bande_A->setEditText(QString());
    }
    activateWindow();
    Ind_A->setFocus();
    return true;
}

void Main::Ajout_QSO_Click() {
    insertion_en_cours_ = true;
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Insertion QSO"_s);
    // After a click on an entry the first field is disabled: it must take the typing again.
    Ind_A->setEnabled(true);
    Fixe_Couleur_Fond(Ind_A, Couleur_Courante);
    Ind_A->setFocus();
}

void Main::Mnu_Statistiques_Click() {
    Montre_Fenetre(statistiques_, [this] {
        auto* f = new Fenetre_Statistiques(
            services_, [this]() -> const Lignes_Log& { return modele_->Lignes(); }, this);
        connect(this, &Main::Journal_Recharge, f, &Fenetre_Statistiques::Journal_Change);
        return f;
    });
}

void Main::Mnu_Fichier_Pays_Click() {
    if (!services_.pays) {
        return;
    }
    Montre_Fenetre(fenetre_pays_, [this] {
        return new Fenetre_Pays(
            services_, *services_.pays,
            [this] {
                // Another file: the countries shown follow it.
                Affiche_Pays(Pays_A, u"Pays de la station A"_s, Ind_A->text());
                Affiche_Pays(Pays_B, u"Pays de la station B"_s, Ind_B->text());
                if (statistiques_) {
                    statistiques_->Journal_Change();
                }
            },
            this);
    });
}

} // namespace swl
