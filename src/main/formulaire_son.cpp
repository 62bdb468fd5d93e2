// The entry form and the receiver's audio: the moment the first character is typed, the clip
// written when a QSO is saved, and "Écouter" for a QSO shown that has one.
#include "core/audio/clips.h"
#include "core/base/texte_1252.h"
#include "core/program/horloge.h"
#include "main/formulaire_saisie.h"
#include "main/hote_formulaire.h"
#include "platform/enregistreur.h"
#include "platform/fenetres.h"

#include <QDateTime>
#include <QPushButton>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Formulaire_Saisie::Dossier_Clips_Station() const {
    return Dossier_Clips(services_.repertoire, hote_.Indicatif_Station());
}

void Formulaire_Saisie::Note_Premier_Caractere() {
    if (premier_caractere_ms_ == 0 && !modif_en_cours_) {
        premier_caractere_ms_ = services_.horloge.Maintenant_Utc().toMSecsSinceEpoch();
        if (services_.enregistreur) {
            services_.enregistreur->Debut_QSO();
        }
    }
}

void Formulaire_Saisie::Oublie_Premier_Caractere() {
    premier_caractere_ms_ = 0;
    plage_entendue_ms_.reset();
    // A QSO given up: the SDR program's recorder stops (after a save, nothing is left to stop).
    if (services_.enregistreur) {
        services_.enregistreur->QSO_Abandonne();
    }
}

void Formulaire_Saisie::Enregistre_Clip_Du_QSO(const QString& ligne) {
    Enregistreur* e = services_.enregistreur;
    const auto base = Nom_Clip(Encode_1252(ligne));
    if (!e || !base || modif_en_cours_) {
        return;
    }
    const qint64 maintenant = services_.horloge.Maintenant_Utc().toMSecsSinceEpoch();
    // A heard QSO keeps its decodes; a QSO typed, the pre-roll before its first character.
    const auto [debut, fin] = plage_entendue_ms_
                                  ? *plage_entendue_ms_
                                  : std::pair{(premier_caractere_ms_ ? premier_caractere_ms_ : maintenant) -
                                                  qint64(e->Reglage().avant_s) * 1000,
                                              maintenant};
    e->Enregistre_Clip(Dossier_Clips_Station(), *base, debut, std::min(fin, maintenant));
}

void Formulaire_Saisie::Montre_Clip(const QString& ligne) {
    clip_montre_.clear();
    if (const auto base = Nom_Clip(Encode_1252(Ligne_Log_De_Liste(ligne)))) {
        clip_montre_ = Fichiers_Clip(Dossier_Clips_Station(), *base).value(0);
    }
    Ecouter_QSO->setVisible(!clip_montre_.isEmpty());
}

} // namespace swl
