// The radio in the main window: the receiver's frequency beside the clock, the band and mode
// of a new QSO following it, a cluster spot tuning it, its window; and the QSOs heard in
// FT8/FT4 taken into the form or the log.
#include "main/main.h"

#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/recepteur.h"
#include "radio/fenetre_qso_entendus.h"
#include "radio/fenetre_recepteur.h"

#include <QCheckBox>
#include <QPushButton>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace swl {

using namespace Qt::Literals::StringLiterals;

void Main::Suit_Recepteur(const Lecture_Recepteur& lecture) {
    Affiche_Valeur(Frequence_Recepteur, u"Fréquence du récepteur"_s,
                   Texte_Frequence(lecture.hz, lecture.mode));
    // An unknown frequency changes nothing in the form.
    if (!Frequence_Valide(lecture.hz)) {
        return;
    }
    const bool bande = lecture.hz != recepteur_suivi_.hz;
    const bool mode = lecture.mode != recepteur_suivi_.mode;
    recepteur_suivi_ = lecture;
    Applique_Recepteur(bande, mode);
}

void Main::Applique_Recepteur(bool bande, bool mode) {
    // Not while an entry is edited or inserted, nor over a QSO shown after a click.
    if (modif_en_cours_ || insertion_en_cours_ || entendu_pris_ || !Ind_A->isEnabled() ||
        !Frequence_Valide(recepteur_suivi_.hz) || !services_.recepteur || !services_.recepteur->Connecte()) {
        return;
    }
    // Remembered as when the user chooses them, the settings file written once for both.
    QList<std::pair<QString, QString>> a_retenir;
    const auto retient = [&](const QComboBox* combo, const QString& cle) {
        if (const auto position = Position_A_Retenir(combo, cle)) {
            a_retenir.append({cle, *position});
        }
    };
    // Out of every band, the band stays as it is.
    if (const QString b = Bande_Recepteur(recepteur_suivi_.hz); bande && !b.isEmpty()) {
        Bande_A->setCurrentIndex(Position_Dans_Liste(Bande_A, b));
        retient(Bande_A, cle::Bande_Utilisee);
    }
    if (const QString m = Mode_Journal(recepteur_suivi_.mode); mode && !m.isEmpty()) {
        const int index = Position_Dans_Liste(Mode_A, m);
        Mode_A->setCurrentIndex(index);
        if (index < 0) {
            // "AM" is no mode of the list: typed as the user would type it, never remembered.
            Mode_A->setEditText(m);
        } else {
            retient(Mode_A, cle::Mode_Utilise);
        }
    }
    if (!a_retenir.isEmpty()) {
        services_.reglages.Ecrire_Reglages(Section_Station(), a_retenir);
    }
}

void Main::Statut_Recepteur(const QString& statut) {
    const bool choisi =
        services_.recepteur && services_.recepteur->Reglage().sorte != Reglage_Recepteur::Sorte::Aucun;
    Frequence_Recepteur->setVisible(choisi);
    Frequence_Recepteur->setToolTip(u"Récepteur : "_s + statut);
    Frequence_Recepteur->setAccessibleDescription(u"Récepteur : "_s + statut);
    if (!choisi || !services_.recepteur->Connecte()) {
        recepteur_suivi_ = {};
        Affiche_Valeur(Frequence_Recepteur, u"Fréquence du récepteur"_s, Texte_Frequence(0, {}));
    }
}

bool Main::Accorde_Recepteur(double khz) {
    return services_.recepteur && services_.recepteur->Accorde(qRound64(khz * 1000.0));
}

void Main::Mnu_Recepteur_Click() {
    if (!services_.recepteur) {
        return;
    }
    Montre_Fenetre(fenetre_recepteur_,
                   [this] { return new Fenetre_Recepteur(services_, *services_.recepteur, this); });
}

void Main::Mnu_QSO_FT8_Click() {
    if (!services_.ecoute_wsjtx) {
        return;
    }
    Montre_Fenetre(qso_entendus_, [this] {
        auto* f = new Fenetre_QSO_Entendus(services_, *services_.ecoute_wsjtx, *this, this);
        connect(this, &Main::Journal_Recharge, f, &Fenetre_QSO_Entendus::Journal_Change);
        return f;
    });
}

bool Main::Prend_QSO_Entendu(const Fiche_QSO& fiche) {
    // As a cluster spot: only a form waiting for a new QSO, or holding a spot, takes it.
    if (indicatif_station_ == Aucune_Station || !Saisie_Au_Repos() ||
        (!Ind_A->text().isEmpty() && Ind_A->text() != spot_pris_)) {
        return false;
    }
    spot_pris_.clear();
    entendu_pris_ = true;
    Ind_A->setText(fiche.Indicatif_A);
    Cherche_Prenom_A();
    RST_A->setText(fiche.RST_A);
    Ind_B->setText(fiche.Indicatif_B);
    Cherche_Dpt_B();
    RST_B->setText(fiche.RST_B);
    Date_A->setText(fiche.Date);
    Heure_A->setText(fiche.Heure);
    for (const auto& [combo, texte] : {std::pair{Mode_A, fiche.Mode}, std::pair{Bande_A, fiche.Bande}}) {
        const int index = Position_Dans_Liste(combo, texte);
        combo->setCurrentIndex(index);
        if (index < 0) {
            combo->setEditText(texte);
        }
    }
    // Every field open to a correction, as when an entry is edited; Enter saves.
    for (QWidget* c : std::initializer_list<QWidget*>{Ind_A, Dpt_A, RST_A, Prenom_A, Rem_A, Ind_B, Dpt_B,
                                                      RST_B, Date_A, Heure_A, Mode_A, Bande_A, QSL_A}) {
        c->setEnabled(true);
        Fixe_Couleur_Fond(c, Couleur_Repos);
    }
    Valide_A->setEnabled(true);
    Fixe_Couleur_Fond(Valide_A, Couleur_Courante);
    activateWindow();
    Valide_A->setFocus();
    return true;
}

std::optional<Bilan_Ajout> Main::Enregistre_QSO_Entendus(const QList<QByteArray>& lignes) {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return std::nullopt;
    }
    // The list is read again after the merge: a QSO being typed would be lost.
    if (Saisie_En_Cours()) {
        services_.messages.Message(u"Enregistrez ou annulez le QSO en cours de saisie avant d'enregistrer "
                                   u"les QSO entendus."_s);
        return std::nullopt;
    }
    Avant_Changement();
    Bilan_Ajout bilan = Ajoute_Sans_Doublon(Log(), lignes);
    if (bilan.ajoutes > 0 && Charge_Log()) {
        historique_->Ajoute(Nom_Etape_QSO_Entendus(bilan.ajoutes), std::move(bilan.trace));
        Selectionne_Derniere_Ligne();
        Init_Saisie();
    }
    return bilan;
}

} // namespace swl
