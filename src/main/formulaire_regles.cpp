// The entry form's rules: each field's key handler, Enter walking the chain, the lookups.
#include "main/formulaire_saisie.h"

#include "core/countries/pays.h"
#include "core/log/liste_prenom.h"
#include "core/program/reglages.h"
#include "core/reports/index_journal.h"
#include "main/hote_formulaire.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

int Formulaire_Saisie::KeyPress(QWidget* champ, int code) {
    if (champ == Ind_A && hote_.Indicatif_Station() == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return code;
    }
    if (champ == Ind_A && code >= 32) {
        Note_Premier_Caractere();
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

bool Formulaire_Saisie::Refuse(Champ_Saisie champ, const QString& texte) {
    const QString message = Controle_Saisie(champ, texte);
    if (message.isEmpty()) {
        return false;
    }
    services_.messages.Message(message);
    return true;
}

void Formulaire_Saisie::Passe_A(QWidget* champ, QWidget* suivant) {
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

void Formulaire_Saisie::Ecrit_Position(QComboBox* combo, const QString& cle) {
    if (modif_en_cours_) {
        return;
    }
    if (const auto position = Position_A_Retenir(combo, cle)) {
        services_.reglages.Ecrire_Reglage(Section_Station(), cle, *position);
    }
}

std::optional<QString> Formulaire_Saisie::Position_A_Retenir(const QComboBox* combo,
                                                             const QString& cle) const {
    // Rewriting the settings file for the value it holds would be wasted.
    const QString position = QString::number(Position_Dans_Liste(combo, combo->currentText()));
    if (services_.reglages.Lire_Reglage(Section_Station(), cle, QString()) == position) {
        return std::nullopt;
    }
    return position;
}

void Formulaire_Saisie::Entree(QWidget* champ) {
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
    } else if (champ == RST_B && Date_Automatique() && !modif_en_cours_ && !insertion_en_cours_ &&
               !entendu_pris_) {
        // The QSO is on the air now: date and time come from the UTC clock and are skipped (a
        // heard QSO keeps those of its decodes).
        Date_A->setText(Label33->text());
        Heure_A->setText(Label37->text().left(5));
        suivant = Mode_A;
    }
    Passe_A(champ, suivant);
}

void Formulaire_Saisie::Affiche_Pays(QLabel* pays, const QString& legende, const QString& indicatif) {
    // Without a country file every country is unknown, as with a file that cannot be read.
    static const Base_Pays aucun;
    const Base_Pays& base = services_.pays ? *services_.pays : aucun;
    QString texte = base.Texte_Pays(indicatif);
    // What this station would bring on the band and mode of the form: for a QSO being typed,
    // once its band is chosen; never for one only shown from the log.
    if (services_.nouveautes && !indicatif.trimmed().isEmpty() && Ind_A->isEnabled() &&
        Liste_Bandes().contains(Bande_A->currentText())) {
        const Marque_Nouveaute m = services_.nouveautes->Marque(
            indicatif, static_cast<int>(Liste_Bandes().indexOf(Bande_A->currentText())),
            static_cast<int>(Groupe_De_Mode(Mode_A->currentText())));
        if (m.sorte != Nouveaute::Rien) {
            texte += u" — "_s + Texte_Nouveaute(m);
        }
    }
    Affiche_Valeur(pays, legende, texte);
    // The whole text in the tooltip too, with why countries are unknown when the file is missing.
    pays->setToolTip(base.Erreur().isEmpty() ? texte : texte + u'\n' + base.Erreur());
}

void Formulaire_Saisie::Actualise_Pays() {
    Affiche_Pays(Pays_A, u"Pays de la station A"_s, Ind_A->text());
    Affiche_Pays(Pays_B, u"Pays de la station B"_s, Ind_B->text());
}

void Formulaire_Saisie::Cherche_Prenom_A() {
    if (modif_en_cours_) {
        return;
    }
    if (const auto fiche = Liste_Prenom(services_.repertoire).Cherche(Ind_A->text())) {
        Dpt_A->setText(fiche->departement);
        Prenom_A->setText(fiche->prenom);
    } else if (pris_.champ == Ind_A && pris_.indicatif == Ind_A->text()) {
        Dpt_A->setText(pris_.departement);
    }
}

void Formulaire_Saisie::Cherche_Dpt_B() {
    if (modif_en_cours_) {
        return;
    }
    if (const auto fiche = Liste_Prenom(services_.repertoire).Cherche(Ind_B->text())) {
        Dpt_B->setEnabled(true);
        Dpt_B->setText(fiche->departement);
    } else if (pris_.champ == Ind_B && pris_.indicatif == Ind_B->text()) {
        Dpt_B->setEnabled(true);
        Dpt_B->setText(pris_.departement);
    }
}

} // namespace swl
