// The main window's changes of the log from files, the day's backup and the steps taken back.
#include "main/main.h"

#include "core/audio/clips.h"
#include "core/base/texte_1252.h"
#include "core/exchange/adif.h"
#include "core/log/sauvegardes.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/qsl/magasin_rapports.h"
#include "main/formulaire_saisie.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/enregistreur.h"
#include "platform/fenetres.h"
#include "views/echange_journal.h"
#include "views/fenetre_sauvegardes.h"

#include <QListView>
#include <QMenu>

namespace swl {

using namespace Qt::Literals::StringLiterals;

void Main::Ajoute_Etape(const QString& nom, Trace_Journal trace) {
    historique_->Ajoute(nom, std::move(trace));
}

void Main::Recharge_Et_Selectionne(int index) {
    if (!Charge_Log()) {
        return;
    }
    Init_Saisie();
    Selectionne_Ligne(qMin(index, modele_->Nombre() - 1));
    Liste_SWL->setFocus();
}

void Main::Mnu_Importer_Click() {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return;
    }
    // The list is read again after the import: a QSO being typed or edited would be lost (a
    // QSO only shown after a click is none).
    if (Saisie_En_Cours()) {
        services_.messages.Message(
            u"Un QSO est en cours de saisie ou de modification\u00A0: enregistrez-le ou "
            u"cliquez sur «\u00A0Annuler saisie en cours\u00A0», puis importez le "
            u"journal."_s);
        return;
    }
    // The day's copy, then the copy before the import, once the merge will write.
    const auto avant_import = [this] {
        Avant_Changement();
        Sauvegarde_Impossible(
            Sauvegardes(services_.repertoire, indicatif_station_)
                .Copie_Avant(Sauvegardes::Sorte::Avant_Import, services_.horloge.Maintenant_Local()));
    };
    Bilan_Import bilan = Echange_Journal(services_, this).Importe(indicatif_station_, avant_import);
    if (bilan.ajoutes > 0 && Charge_Log()) {
        historique_->Ajoute(Nom_Etape_Import(bilan.ajoutes), std::move(bilan.trace));
        Selectionne_Derniere_Ligne();
        Init_Saisie();
    }
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

void Main::Avant_Changement() {
    if (indicatif_station_ != Aucune_Station) {
        Sauvegarde_Impossible(Sauvegardes(services_.repertoire, indicatif_station_)
                                  .Copie_Du_Jour(services_.horloge.Maintenant_Local().date()));
    }
}

void Main::Sauvegarde_Impossible(const Resultat& r) {
    if (r || sauvegarde_impossible_dite_) {
        return;
    }
    sauvegarde_impossible_dite_ = true;
    services_.messages.Message(
        u"Aucune sauvegarde du journal n'a pu être faite\u00A0: "_s + Apres_Deux_Points(r.message) +
        u"\r\nLes changements sont bien enregistrés dans le journal\u00A0; ce message ne sera "
        u"plus montré jusqu'à la fermeture du programme."_s);
}

void Main::Mnu_Sauvegardes_Click() {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return;
    }
    Montre_Fenetre(sauvegardes_, [this] {
        return new Fenetre_Sauvegardes(
            services_, indicatif_station_,
            [this](const QString& nom, Trace_Journal trace) {
                const int ligne = trace.ligne_apres;
                historique_->Ajoute(nom, std::move(trace));
                Recharge_Et_Selectionne(ligne);
            },
            [this] { return Saisie_En_Cours(); }, this);
    });
}

void Main::Suit_Fichiers_Du_Journal() {
    const auto d = suivi_.Suit(indicatif_station_, modele_->Lignes().Octets_Fichier());
    if (!d) {
        return;
    }
    // A QSO edited takes its report rows along, then its clip (its undo brings them back);
    // nothing else moves or goes.
    if (d->retirees.size() == 1 && d->ajoutees.size() == 1) {
        Magasin_Rapports magasin(services_.repertoire, indicatif_station_);
        Resultat suivi = magasin.Charge();
        if (suivi) {
            suivi = magasin.Suit(*d);
        }
        if (!suivi) {
            services_.messages.Message(suivi.message);
        }
    }
    const QList<Renommage_Clip> renommages = Renommages_Clips(*d);
    if (!renommages.isEmpty()) {
        // Those still being written too, when the program records.
        const QString dossier = Dossier_Clips(services_.repertoire, indicatif_station_);
        if (const QString message = services_.enregistreur
                                        ? services_.enregistreur->Renomme_Clips(dossier, renommages)
                                        : Applique_Renommages(dossier, renommages);
            !message.isEmpty()) {
            services_.messages.Message(message);
        }
    }
}

void Main::Liste_SWL_Menu(const QPoint& ou) {
    const QModelIndex i = Liste_SWL->indexAt(ou);
    if (!i.isValid()) {
        return;
    }
    const auto base = Nom_Clip(modele_->Lignes().Octets(i.row()));
    const QString fichier =
        base ? Fichiers_Clip(Dossier_Clips(services_.repertoire, indicatif_station_), *base).value(0)
             : QString();
    QMenu menu(this);
    QAction* ecoute = menu.addAction(u"Écouter l'enregistrement"_s);
    ecoute->setObjectName(u"Mnu_Ecouter_QSO"_s);
    ecoute->setEnabled(!fichier.isEmpty());
    connect(ecoute, &QAction::triggered, this, [this, fichier] { Montre_Enregistrements(fichier, true); });
    menu.exec(Liste_SWL->viewport()->mapToGlobal(ou));
}

} // namespace swl
