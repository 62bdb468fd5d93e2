// The main window's menus: every window and command the program has, from the mouse or the
// keyboard.
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "labels/select_qso.h"
#include "main/formulaire_saisie.h"
#include "main/historique_journal.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/boites_message.h"
#include "platform/fenetres.h"
#include "platform/programme.h"
#include "views/carte.h"
#include "views/echange_journal.h"
#include "views/fenetre_guide.h"
#include "views/liste_qso.h"

#include <QAction>
#include <QMenuBar>
#include <QShortcut>

namespace swl {

using namespace Qt::Literals::StringLiterals;

void Main::Construit_Menus() {
    QMenuBar* barre = menuBar();
    const auto menu = [barre](const QString& nom, const QString& titre) {
        return Nomme(barre->addMenu(titre), nom);
    };
    const auto article = [this](QMenu* m, const QString& nom, const QString& titre) {
        return Nomme(m->addAction(titre), nom);
    };
    Mnu_Fichier = menu(u"Mnu_Fichier"_s, u"Fichier"_s);
    Mnu_Exporter = article(Mnu_Fichier, u"Mnu_Exporter"_s, u"Exporter le journal…"_s);
    Mnu_Importer = article(Mnu_Fichier, u"Mnu_Importer"_s, u"Importer un journal ADIF…"_s);
    Mnu_Sauvegardes = article(Mnu_Fichier, u"Mnu_Sauvegardes"_s, u"Sauvegardes…"_s);
    Mnu_Rapports = article(Mnu_Fichier, u"Mnu_Rapports"_s, u"Rapports d'écoute…"_s);
    Mnu_Confirmations = article(Mnu_Fichier, u"Mnu_Confirmations"_s, u"Importer des confirmations…"_s);
    Mnu_Fichier->addSeparator();
    Mnu_Quitter = article(Mnu_Fichier, u"Mnu_Quitter"_s, u"Quitter ORBEL_SWL"_s);
    Mnu_Edition = menu(u"Mnu_Edition"_s, u"Edition"_s);
    Mnu_Edition->addAction(historique_->Annuler());
    Mnu_Edition->addAction(historique_->Retablir());
    Mnu_Date = menu(u"Mnu_Date"_s, u"Date"_s);
    Mnu_Date_Auto = article(Mnu_Date, u"Mnu_Date_Auto"_s, u"Automatique"_s);
    Mnu_Date_Man = article(Mnu_Date, u"Mnu_Date_Man"_s, u"Manuelle"_s);
    Mnu_Date_Auto->setCheckable(true);
    Mnu_Date_Man->setCheckable(true);
    Mnu_Date_Auto->setChecked(true);
    Frame3->Prend_Menu_Date(Mnu_Date_Auto, Mnu_Date_Man);
    Mnu_Station = menu(u"Mnu_Station"_s, u"Station"_s);
    Mnu_New_Indicatif = article(Mnu_Station, u"Mnu_New_Indicatif"_s, u"Nouvel Indicatif"_s);
    Mnu_Recepteur = article(Mnu_Station, u"Mnu_Recepteur"_s, u"Récepteur…"_s);
    Mnu_Fichier_Pays = article(Mnu_Station, u"Mnu_Fichier_Pays"_s, u"Fichier des pays…"_s);
    Mnu_Fichier_Indicatifs = article(Mnu_Station, u"Mnu_Fichier_Indicatifs"_s, u"Fichier des indicatifs…"_s);
    Mnu_Alertes = article(Mnu_Station, u"Mnu_Alertes"_s, u"Alertes…"_s);
    Mnu_Enregistrement = article(Mnu_Station, u"Mnu_Enregistrement"_s, u"Enregistrement…"_s);
    Mnu_Afficher = menu(u"Mnu_Afficher"_s, u"Afficher"_s);
    Mnu_Liste_QSO = article(Mnu_Afficher, u"Mnu_Liste_QSO"_s, u"la liste des QSO"_s);
    Mnu_QSO_FT8 = article(Mnu_Afficher, u"Mnu_QSO_FT8"_s, u"les QSO entendus en FT8/FT4"_s);
    Mnu_Statistiques = article(Mnu_Afficher, u"Mnu_Statistiques"_s, u"Statistiques"_s);
    Mnu_Diplomes = article(Mnu_Afficher, u"Mnu_Diplomes"_s, u"Diplômes"_s);
    Mnu_Enregistrements = article(Mnu_Afficher, u"Mnu_Enregistrements"_s, u"Enregistrements"_s);
    Mnu_Carte = menu(u"Mnu_Carte"_s, u"Carte"_s);
    Mnu_Carte_HB = article(Mnu_Carte, u"Mnu_Carte_HB"_s, u"des départements entendus"_s);
    Mnu_Print_QSL = Nomme(barre->addAction(u"Impression etiquettes QSL"_s), u"Mnu_Print_QSL"_s);
    Mnu_Aide = menu(u"Mnu_Aide"_s, u"Aide"_s);
    Mnu_Guide = article(Mnu_Aide, u"Mnu_Guide"_s, u"Guide d'utilisation"_s);
    Mnu_Guide->setShortcut(QKeySequence::HelpContents);
    Mnu_Historique = article(Mnu_Aide, u"Mnu_Historique"_s, u"Historique"_s);
    Mnu_A_Propos = article(Mnu_Aide, u"Mnu_A_Propos"_s, u"A Propos"_s);

    // From the keyboard: F10 opens the menu bar, Alt and a title's letter its menu (the captions
    // as they are, no letter underlined in them).
    const auto touche = [this](QKeySequence sequence, auto action) {
        auto* raccourci = new QShortcut(sequence, this);
        connect(raccourci, &QShortcut::activated, this, action);
    };
    const auto ouvre = [this](QMenu* menu) {
        return [this, menu] { menuBar()->setActiveAction(menu->menuAction()); };
    };
    touche(QKeySequence(Qt::Key_F10), ouvre(Mnu_Fichier));
    for (const auto& [lettre, menu] : {std::pair{Qt::Key_F, Mnu_Fichier}, std::pair{Qt::Key_E, Mnu_Edition},
                                       std::pair{Qt::Key_D, Mnu_Date}, std::pair{Qt::Key_S, Mnu_Station},
                                       std::pair{Qt::Key_A, Mnu_Afficher}, std::pair{Qt::Key_C, Mnu_Carte},
                                       std::pair{Qt::Key_I, Mnu_Aide}}) {
        touche(QKeySequence(Qt::ALT | lettre), ouvre(menu));
    }
    touche(QKeySequence(Qt::ALT | Qt::Key_P), [this] { Mnu_Print_QSL->trigger(); });
    connect(Mnu_Quitter, &QAction::triggered, this, [this] {
        Retient_Geometrie();
        services_.programme.Termine();
    });
    connect(Mnu_A_Propos, &QAction::triggered, this,
            [this] { services_.messages.Message(Texte_A_Propos()); });
    connect(Mnu_Guide, &QAction::triggered, this,
            [this] { Montre_Fenetre(guide_, [this] { return new Fenetre_Guide(this); }); });
    connect(Mnu_Historique, &QAction::triggered, this, [this] { services_.messages.Message(Historique()); });
    connect(Mnu_New_Indicatif, &QAction::triggered, this, &Main::Montre_Station);
    connect(Mnu_Recepteur, &QAction::triggered, this, &Main::Mnu_Recepteur_Click);
    connect(Mnu_Exporter, &QAction::triggered, this, [this] {
        if (indicatif_station_ == Aucune_Station) {
            services_.messages.Message(Message_Indicatif_Station_Absent());
            return;
        }
        Echange_Journal(services_, this).Exporte(indicatif_station_);
    });
    connect(Mnu_Importer, &QAction::triggered, this, &Main::Mnu_Importer_Click);
    connect(Mnu_Sauvegardes, &QAction::triggered, this, &Main::Mnu_Sauvegardes_Click);
    connect(Mnu_Rapports, &QAction::triggered, this, &Main::Mnu_Rapports_Click);
    connect(Mnu_Confirmations, &QAction::triggered, this, &Main::Mnu_Confirmations_Click);
    connect(Mnu_Liste_QSO, &QAction::triggered, this, [this] {
        Montre_Fenetre(liste_qso_, [this] {
            return new Liste_QSO(
                services_, [this] { return indicatif_station_; }, this);
        });
    });
    connect(Mnu_QSO_FT8, &QAction::triggered, this, &Main::Mnu_QSO_FT8_Click);
    connect(Mnu_Statistiques, &QAction::triggered, this, &Main::Mnu_Statistiques_Click);
    connect(Mnu_Diplomes, &QAction::triggered, this, &Main::Mnu_Diplomes_Click);
    connect(Mnu_Fichier_Pays, &QAction::triggered, this, &Main::Mnu_Fichier_Pays_Click);
    connect(Mnu_Alertes, &QAction::triggered, this, &Main::Mnu_Alertes_Click);
    connect(Mnu_Enregistrement, &QAction::triggered, this, &Main::Mnu_Enregistrement_Click);
    connect(Mnu_Enregistrements, &QAction::triggered, this, [this] { Montre_Enregistrements(); });
    connect(Mnu_Fichier_Indicatifs, &QAction::triggered, this, &Main::Mnu_Fichier_Indicatifs_Click);
    connect(Mnu_Print_QSL, &QAction::triggered, this, [this] {
        Montre_Fenetre(select_qso_, [this] {
            return new Select_QSO(
                services_, modele_->Lignes(), [this] { return indicatif_station_; }, this);
        });
    });
    connect(Mnu_Carte_HB, &QAction::triggered, this, [this] {
        Montre_Fenetre(carte_, [this] {
            return new Carte(
                services_, [this] { return indicatif_station_; }, this);
        });
    });
}

} // namespace swl
