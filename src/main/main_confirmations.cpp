// The main window's confirmations: QSOs ticked confirmed from the reports window, or from a file
// of eQSL or any ADIF, each time one step that undo takes back.
#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/controles_saisie.h"
#include "core/log/fiche_qso.h"
#include "core/log/sauvegardes.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/qsl/confirmations.h"
#include "core/qsl/magasin_rapports.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"

#include <QDir>
#include <QFileInfo>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

bool Confirme(QByteArrayView l) {
    return l.size() >= Largeur_Ligne_Log && l[Largeur_Ligne_Log - 1] == '*';
}

} // namespace

bool Main::Confirme_QSO(const QList<int>& lignes, bool copie_avant) {
    if (Saisie_En_Cours()) {
        services_.messages.Message(
            u"Un QSO est en cours de saisie ou de modification\u00A0: enregistrez-le ou cliquez "
            u"sur «\u00A0Annuler saisie en cours\u00A0», puis confirmez de nouveau."_s);
        return false;
    }
    const Lignes_Log& log = modele_->Lignes();
    const auto a_cocher = std::count_if(lignes.begin(), lignes.end(), [&log](int i) {
        return i >= 0 && i < log.Nombre() && !Confirme(log.Octets(i));
    });
    if (a_cocher == 0) {
        return true;
    }
    Trace_Journal trace;
    const Resultat r = Log().Marque_QSL_Log(log, lignes, &trace, [this, copie_avant] {
        Avant_Changement();
        if (copie_avant) {
            Sauvegarde_Impossible(
                Sauvegardes(services_.repertoire, indicatif_station_)
                    .Copie_Avant(Sauvegardes::Sorte::Avant_Import, services_.horloge.Maintenant_Local()));
        }
    });
    if (!r) {
        services_.messages.Message(r.message + u"\r\nAucun QSO n'a été marqué confirmé."_s);
        return false;
    }
    if (Charge_Log()) {
        historique_->Ajoute(Nom_Etape_Confirmations(int(a_cocher)), std::move(trace));
    }
    return true;
}

void Main::Mnu_Confirmations_Click() {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return;
    }
    if (Saisie_En_Cours()) {
        services_.messages.Message(
            u"Un QSO est en cours de saisie ou de modification\u00A0: enregistrez-le ou cliquez "
            u"sur «\u00A0Annuler saisie en cours\u00A0», puis importez les confirmations."_s);
        return;
    }
    const QString chemin = services_.fichiers.Fichier_A_Ouvrir(
        this, u"Importer des confirmations"_s, Dossier_Fichiers(services_.reglages),
        u"Confirmations ADIF (*.adi *.adif *.adx);;Tous les fichiers (*)"_s);
    if (chemin.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    const QString nom = QFileInfo(chemin).fileName();
    const QString titre =
        u"Import des confirmations de «\u00A0"_s + Extrait_Visible(nom, 255) + u"\u00A0»\u00A0:\r\n"_s;
    // The file is only read; refused, nothing changes.
    if (QFileInfo(chemin).size() > Taille_Maximale_Confirmations) {
        services_.messages.Message(titre + u"le fichier fait plus de 64\u00A0Mo, ce n'est pas un fichier de "
                                           u"confirmations\u00A0: rien n'a changé."_s);
        return;
    }
    const Lecture_Fichier fichier = Lit_Fichier(chemin);
    const Lecture_Confirmations l =
        fichier.erreur == Lecture_Reussie
            ? Lit_Confirmations(fichier.contenu, chemin.endsWith(u".adx"_s, Qt::CaseInsensitive),
                                services_.horloge.Maintenant_Utc().date())
            : Lecture_Confirmations{{}, {}, u"Le fichier ne peut pas être lu."_s};
    if (!l.erreur.isEmpty()) {
        services_.messages.Message(titre + Apres_Deux_Points(l.erreur) + u" Rien n'a changé."_s);
        return;
    }
    const Lignes_Log& log = modele_->Lignes();
    const Rapprochement r = Rapproche(log, l.confirmations);
    const int deja = int(
        std::count_if(r.lignes.begin(), r.lignes.end(), [&log](int i) { return Confirme(log.Octets(i)); }));
    if (!r.lignes.isEmpty()) {
        // The reports first (a QSL counts only with the log's box ticked), then the log.
        Magasin_Rapports magasin(services_.repertoire, indicatif_station_);
        Resultat ecrit = magasin.Charge();
        if (ecrit) {
            QList<Magasin_Rapports::Reception> receptions;
            for (const int i : r.lignes) {
                const Confirmation& c = r.par_ligne[i];
                receptions.append({Magasin_Rapports::Cle(log.Octets(i), c.indicatif), c.recue, c.source});
            }
            ecrit = magasin.Marque_Recus(receptions);
        }
        if (!ecrit || !Confirme_QSO(r.lignes, true)) {
            if (!ecrit) {
                services_.messages.Message(titre + ecrit.message +
                                           u"\r\nAucun QSO n'a été marqué confirmé."_s);
            }
            return;
        }
    }
    services_.messages.Message(titre + Texte_Rapprochement(r, l, deja));
    if (!r.sans_qso.isEmpty() &&
        services_.messages.Question(
            u"Enregistrer les confirmations qui ne correspondent à aucun QSO dans un fichier CSV\u00A0?"_s)) {
        const QString csv = services_.fichiers.Fichier_A_Enregistrer(
            this, u"Confirmations sans QSO"_s,
            QDir(Dossier_Fichiers(services_.reglages))
                .filePath(QFileInfo(chemin).completeBaseName() + u"_sans_QSO.csv"_s),
            u"CSV (*.csv)"_s);
        if (!csv.isEmpty()) {
            const QFileInfo f(csv);
            const Resultat e = Ecrit_Fichier_Atomique(f.absolutePath(), u"."_s + f.fileName() + u".tmp"_s,
                                                      f.fileName(), CSV_Sans_Qso(r, l.confirmations));
            if (!e) {
                services_.messages.Message(e.message);
            }
        }
    }
}

} // namespace swl
