// The entry form following the receiver: its frequency, and the band and mode of a new QSO.
#include "main/formulaire_saisie.h"

#include "core/program/reglages.h"
#include "platform/fenetres.h"
#include "platform/recepteur.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace swl {

using namespace Qt::Literals::StringLiterals;

void Formulaire_Saisie::Suit_Recepteur(const Lecture_Recepteur& lecture) {
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

void Formulaire_Saisie::Applique_Recepteur(bool bande, bool mode) {
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

void Formulaire_Saisie::Statut_Recepteur(const QString& statut) {
    const bool choisi =
        services_.recepteur && services_.recepteur->Reglage().sorte != Reglage_Recepteur::Sorte::Aucun;
    Frequence_Recepteur->setVisible(choisi);
    Frequence_Recepteur->setToolTip(u"Récepteur\u00A0: "_s + statut);
    Frequence_Recepteur->setAccessibleDescription(u"Récepteur\u00A0: "_s + statut);
    if (!choisi || !services_.recepteur->Connecte()) {
        recepteur_suivi_ = {};
        Affiche_Valeur(Frequence_Recepteur, u"Fréquence du récepteur"_s, Texte_Frequence(0, {}));
    }
}

} // namespace swl
