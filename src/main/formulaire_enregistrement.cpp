// The entry form's changes of the log: saving, editing, deleting, inserting, spots and heard QSOs.
#include "main/formulaire_saisie.h"

#include "core/base/texte_1252.h"
#include "core/log/liste_prenom.h"
#include "core/program/reglages.h"
#include "main/historique_journal.h"
#include "main/hote_formulaire.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Selects the list entry that reads `texte`, else shows the text with no entry selected.
void Fixe_Texte_Combo(QComboBox* c, const QString& texte) {
    const int i = Position_Dans_Liste(c, texte);
    c->setCurrentIndex(i);
    if (i < 0) {
        c->setEditText(texte);
    }
}

} // namespace

Fiche_QSO Formulaire_Saisie::Fiche_Du_Formulaire() const {
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

void Formulaire_Saisie::Valide_A_Click() {
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
    if (!Date_Automatique()) {
        Date_A->setText(date);
    }
}

bool Formulaire_Saisie::Enregistre() {
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
    hote_.Avant_Changement();
    Resultat ecrit;
    Trace_Journal trace;
    Sorte_Etape sorte = Sorte_Etape::Sauvegarde;
    const Fichier_Log log = hote_.Journal();
    if (modif_en_cours_) {
        sorte = Sorte_Etape::Modification;
        ecrit = log.Remplace_QSO_Log(ligne, Ligne_Log_De_Liste(ligne_selectionnee_),
                                     Numero_Ligne_Liste(ligne_selectionnee_), ligne_selectionnee_, &trace);
    } else if (!Date_Automatique() || insertion_en_cours_ || entendu_pris_) {
        sorte = insertion_en_cours_ ? Sorte_Etape::Insertion : Sorte_Etape::Sauvegarde;
        ecrit = log.Insere_QSO_Log(ligne, &trace);
    } else {
        ecrit = log.Ajoute_QSO_Log(ligne, &trace);
    }
    if (!ecrit) {
        services_.messages.Message(ecrit.message);
        return false;
    }
    hote_.Ajoute_Etape(Nom_Etape(sorte, trace.ligne_apres + 1, fiche.Indicatif_A), std::move(trace));
    // The QSO is in the log: what was heard goes with it, written off this thread.
    Enregistre_Clip_Du_QSO(ligne);
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

bool Formulaire_Saisie::Apres_Changement(const Resultat& resultat) {
    if (!resultat) {
        services_.messages.Message(resultat.message);
        return false;
    }
    if (!hote_.Charge_Log()) {
        return false;
    }
    hote_.Selectionne_Derniere_Ligne();
    return true;
}

void Formulaire_Saisie::Remet_En_Attente() {
    hote_.Selectionne_Derniere_Ligne();
    modif_en_cours_ = false;
    insertion_en_cours_ = false;
    entendu_pris_ = false;
    liste_bloquee_ = false;
    // The next QSO's clip starts from its own first character.
    Oublie_Premier_Caractere();
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Saisie QSO"_s);
    Valide_A->setPalette(QPalette());
    Valide_A->setEnabled(false);
    for (QLineEdit* c : {Ind_A, Dpt_A, Dpt_B, Prenom_A, Ind_B, Heure_A, Rem_A}) {
        c->clear();
    }
    // With the manual date, the date stays for the next QSO.
    if (Date_Automatique()) {
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

void Formulaire_Saisie::Affiche_Ligne(const QString& ligne, bool colonnes_entieres) {
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

void Formulaire_Saisie::Montre_Ligne(const QString& ligne) {
    if (liste_bloquee_) {
        return;
    }
    ligne_selectionnee_ = ligne;
    Annule_Saisie->setEnabled(true);
    // Disabled first: a QSO only shown says nothing of what would be new.
    Ind_A->setEnabled(false);
    Affiche_Ligne(ligne_selectionnee_, false);
    Montre_Clip(ligne_selectionnee_);
}

void Formulaire_Saisie::Edite_Ligne() {
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

void Formulaire_Saisie::Annule_Saisie_Click() {
    if (ligne_selectionnee_.isEmpty()) {
        services_.messages.Message(u"Cliquez sur une ligne pour l'effacer"_s);
        return;
    }
    const QString ligne = Ligne_Log_De_Liste(ligne_selectionnee_);
    if (services_.messages.Question(u"Voulez vous Supprimer ce QSO ?"_s)) {
        hote_.Avant_Changement();
        Trace_Journal trace;
        const Resultat r = hote_.Journal().Supprime_QSO_Log(ligne, Numero_Ligne_Liste(ligne_selectionnee_),
                                                            ligne_selectionnee_, &trace);
        if (r) {
            hote_.Ajoute_Etape(Nom_Etape(Sorte_Etape::Suppression, trace.ligne_avant + 1, ligne.left(12)),
                               std::move(trace));
        }
        Apres_Changement(r);
    }
    Annule_Saisie->setEnabled(false);
    Init_Saisie();
}

void Formulaire_Saisie::Ajout_QSO_Click() {
    insertion_en_cours_ = true;
    Affiche_Valeur(Mode_Aff, u"Mode de saisie"_s, u"Insertion QSO"_s);
    // After a click on an entry the first field is disabled: it must take the typing again.
    Ind_A->setEnabled(true);
    Fixe_Couleur_Fond(Ind_A, Couleur_Courante);
    Ind_A->setFocus();
}

bool Formulaire_Saisie::Prend_Spot(const QString& indicatif, const QString& bande) {
    // Only a form waiting for a new QSO takes a spot: nothing typed or shown is overwritten,
    // but a spot taken before may give way to another.
    if (!Libre_Pour_Un_QSO()) {
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
    window()->activateWindow();
    Ind_A->setFocus();
    return true;
}

QString Formulaire_Saisie::Texte_Saisie_En_Cours() const {
    const QString indicatif = Ind_A->text().trimmed();
    const QString de = indicatif.isEmpty() ? QString() : u" de "_s + indicatif;
    return modif_en_cours_       ? u"la modification du QSO"_s + de
           : insertion_en_cours_ ? u"l'insertion d'un QSO"_s + de
                                 : u"la saisie du QSO"_s + de;
}

bool Formulaire_Saisie::Libre_Pour_Un_QSO() {
    // A QSO only shown from the log is no QSO being typed: the form is emptied for the new one.
    if (!Saisie_En_Cours() && !Ind_A->isEnabled()) {
        Init_Saisie();
    }
    return Saisie_Au_Repos() && (Ind_A->text().isEmpty() || Ind_A->text() == spot_pris_);
}

bool Formulaire_Saisie::Prend_QSO_Entendu(const Fiche_QSO& fiche,
                                          std::optional<std::pair<qint64, qint64>> plage_ms) {
    // As a cluster spot: only a form waiting for a new QSO, showing one of the log or holding a
    // spot, takes it.
    if (hote_.Indicatif_Station() == Aucune_Station || !Libre_Pour_Un_QSO()) {
        return false;
    }
    spot_pris_.clear();
    entendu_pris_ = true;
    plage_entendue_ms_ = plage_ms;
    Ind_A->setText(fiche.Indicatif_A);
    Cherche_Prenom_A();
    RST_A->setText(fiche.RST_A);
    Ind_B->setText(fiche.Indicatif_B);
    Cherche_Dpt_B();
    RST_B->setText(fiche.RST_B);
    Date_A->setText(fiche.Date);
    Heure_A->setText(fiche.Heure);
    for (const auto& [combo, texte] : {std::pair{Mode_A, fiche.Mode}, std::pair{Bande_A, fiche.Bande}}) {
        Fixe_Texte_Combo(combo, texte);
    }
    // Every field open to a correction, as when an entry is edited; Enter saves.
    for (QWidget* c : std::initializer_list<QWidget*>{Ind_A, Dpt_A, RST_A, Prenom_A, Rem_A, Ind_B, Dpt_B,
                                                      RST_B, Date_A, Heure_A, Mode_A, Bande_A, QSL_A}) {
        c->setEnabled(true);
        Fixe_Couleur_Fond(c, Couleur_Repos);
    }
    Valide_A->setEnabled(true);
    Fixe_Couleur_Fond(Valide_A, Couleur_Courante);
    window()->activateWindow();
    Valide_A->setFocus();
    return true;
}

} // namespace swl
