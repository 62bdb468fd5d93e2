// The windows the main window opens beside it, each at most once.
#include "main/main.h"

#include "core/log/controles_saisie.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/reports/index_journal.h"
#include "main/completion_indicatifs.h"
#include "main/formulaire_saisie.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/enregistreur.h"
#include "platform/fenetres.h"
#include "platform/recepteur.h"
#include "radio/fenetre_qso_entendus.h"
#include "radio/fenetre_recepteur.h"
#include "station/fenetre_alertes.h"
#include "station/fenetre_enregistrement.h"
#include "station/fenetre_indicatifs.h"
#include "station/fenetre_pays.h"
#include "station/station.h"
#include "views/cluster.h"
#include "views/fenetre_diplomes.h"
#include "views/fenetre_enregistrements.h"
#include "views/fenetre_statistiques.h"
#include "views/rapports_ecoute.h"
#include "views/recherche_indicatif.h"

namespace swl {

void Main::Montre_Station() {
    Montre_Fenetre(station_, [this] { return new Station(services_, *this, this); });
}

void Main::Montre_Cluster() {
    Montre_Fenetre(cluster_, [this] {
        auto* f = new Cluster(
            services_, [this] { return indicatif_station_; }, *this, this);
        connect(this, &Main::Journal_Recharge, f, &Cluster::Journal_Change);
        return f;
    });
}

void Main::Mnu_Fichier_Indicatifs_Click() {
    Montre_Fenetre(fenetre_indicatifs_, [this] {
        return new Fenetre_Indicatifs(
            services_, [this] { Frame3->Indicatifs_Connus()->Reglage_Change(); }, this);
    });
}

void Main::Mnu_Enregistrement_Click() {
    Montre_Fenetre(enregistrement_, [this] { return new Fenetre_Enregistrement(services_, this); });
}

void Main::Montre_Enregistrements(const QString& fichier, bool joue) {
    Montre_Fenetre(enregistrements_, [this] {
        auto* f = new Fenetre_Enregistrements(
            services_, [this]() -> const Lignes_Log& { return modele_->Lignes(); },
            [this] { return indicatif_station_; }, this);
        connect(this, &Main::Journal_Recharge, f, &Fenetre_Enregistrements::Journal_Change);
        if (services_.enregistreur) {
            connect(services_.enregistreur, &Enregistreur::Clip_Termine, f,
                    &Fenetre_Enregistrements::Journal_Change);
        }
        return f;
    });
    if (!fichier.isEmpty()) {
        enregistrements_->Choisit(fichier, joue);
    }
}

void Main::Mnu_Rapports_Click() {
    if (indicatif_station_ == Aucune_Station) {
        services_.messages.Message(Message_Indicatif_Station_Absent());
        return;
    }
    Montre_Fenetre(rapports_, [this] {
        auto* f = new Rapports_Ecoute(
            services_, [this]() -> const Lignes_Log& { return modele_->Lignes(); },
            [this] { return indicatif_station_; },
            [this](const QList<int>& lignes) { return Confirme_QSO(lignes, false); }, this);
        connect(this, &Main::Journal_Recharge, f, &Rapports_Ecoute::Journal_Change);
        return f;
    });
}

void Main::Mnu_Alertes_Click() {
    Montre_Fenetre(alertes_, [this] { return new Fenetre_Alertes(services_, this); });
}

void Main::Montre_Recherche() {
    Montre_Fenetre(recherche_, [this] { return new Recherche_Indicatif(services_, *this, this); });
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

void Main::Mnu_Statistiques_Click() {
    Montre_Fenetre(statistiques_, [this] {
        auto* f = new Fenetre_Statistiques(
            services_, [this]() -> const Lignes_Log& { return modele_->Lignes(); }, this);
        connect(this, &Main::Journal_Recharge, f, &Fenetre_Statistiques::Journal_Change);
        return f;
    });
}

void Main::Mnu_Diplomes_Click() {
    Montre_Fenetre(diplomes_, [this] {
        auto* f = new Fenetre_Diplomes(
            services_, [this]() -> const Lignes_Log& { return modele_->Lignes(); },
            [this] { return indicatif_station_; }, this);
        connect(this, &Main::Journal_Recharge, f, &Fenetre_Diplomes::Journal_Change);
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
                // Another file: the countries shown, and what is new, follow it.
                if (services_.nouveautes) {
                    services_.nouveautes->Fixe_Pays(services_.pays->Fichier());
                }
                Frame3->Actualise_Pays();
                if (cluster_) {
                    cluster_->Journal_Change();
                }
                if (qso_entendus_) {
                    qso_entendus_->Journal_Change();
                }
                if (statistiques_) {
                    statistiques_->Journal_Change();
                }
                if (diplomes_) {
                    diplomes_->Journal_Change();
                }
            },
            this);
    });
}

} // namespace swl
