// The composition root: builds the real services and starts the main window.
#include "main/main.h"
#include "core/base/fichier_texte.h"
#include "core/countries/pays.h"
#include "core/log/fichier_log.h"
#include "core/program/ligne_commande.h"
#include "core/program/reglages.h"
#include "core/reports/index_journal.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/ecoute_wsjtx.h"
#include "platform/emplacements.h"
#include "platform/enregistreur.h"
#include "platform/horloge_systeme.h"
#include "platform/imprimante.h"
#include "platform/navigateur_differe.h"
#include "platform/programme.h"
#include "platform/recepteur.h"
#include "platform/sons.h"
#include "platform/verrou_programme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The program's icon when the desktop's icon theme does not have it (started from the tree it
// was built in).
QIcon Icone_Du_Programme() {
    QIcon icone;
    for (const QString& dossier : swl::Dossiers_Ressources()) {
        for (const int taille : {16, 24, 32, 48, 64, 128, 256}) {
            const QString chemin = dossier + u"/icones/orbel_swl_"_s + QString::number(taille) + u".png"_s;
            if (QFile::exists(chemin)) {
                icone.addFile(chemin);
            }
        }
    }
    return icone;
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer before any window, so they work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (const swl::Reponse_Ligne_Commande r = swl::Lit_Ligne_Commande(arguments); r.quitter) {
        std::fputs(r.texte.toLocal8Bit().constData(), r.code == 0 ? stdout : stderr);
        return r.code;
    }

    // The web engine of the cluster window will not start as root inside its sandbox.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"ORBEL_SWL"_s);
    QApplication::setStyle(u"Fusion"_s);

    // Standard buttons and the print dialog in French.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), u"qtbase"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduction);
    }

    // A file missing from the installation is named at once, for whoever started the program
    // from a terminal; the window that needs it says so again when it opens.
    for (const QString& manque : swl::Ressources_Manquantes(swl::Dossiers_Ressources())) {
        std::fputs(qPrintable(u"orbel_swl\u00A0: "_s + manque + u'\n'), stderr);
    }
    QApplication::setDesktopFileName(u"fr.orbel.swl"_s);
    QApplication::setWindowIcon(QIcon::fromTheme(u"fr.orbel.swl"_s, Icone_Du_Programme()));

    swl::Boites_Message_Qt messages;
    const QString repertoire = swl::Chemin_Repertoire_Programme();
    const swl::Resultat prepare = swl::Prepare_Repertoire_Programme(repertoire);
    if (!prepare) {
        messages.Message(prepare.message);
        return 1;
    }

    // Two copies of the program would overwrite each other's changes to the log.
    swl::Verrou_Programme verrou(QDir(repertoire).filePath(u"ORBEL_SWL.lock"_s));
    if (const auto etat = verrou.Prend(); etat != swl::Verrou_Programme::Etat::Pris) {
        messages.Message(verrou.Message());
        return etat == swl::Verrou_Programme::Etat::Deja_Ouvert ? 0 : 1;
    }

    swl::Horloge_Systeme horloge;
    swl::Reglages reglages(swl::Chemin_Fichier_Reglages());
    swl::Programme_Qt programme;
    swl::Imprimante_Qt imprimante;
    // The web engine is loaded when the cluster page is first shown, not at start-up.
    swl::Fabrique_Navigateur_Differee navigateurs(
        swl::Chemin_Module_Web(QCoreApplication::applicationDirPath()));
    swl::Choix_Fichier_Qt fichiers;
    // The receiver chosen in "Station → Récepteur…"; none by default.
    swl::Recepteur recepteur;
    recepteur.Configure(swl::Lit_Reglage_Recepteur(reglages));
    // The decodes of WSJT-X or JTDX, listened to when "Afficher → les QSO entendus en FT8/FT4"
    // turned it on.
    swl::Ecoute_WSJTX ecoute(horloge);
    ecoute.Configure(swl::Lit_Reglage_Ecoute(reglages));
    // The country of every callsign, from the field's own country file; without it, the
    // program works as before and says why on the error output.
    swl::Base_Pays pays;
    pays.Charge(swl::Chemin_Fichier_Pays(reglages));
    if (!pays.Erreur().isEmpty()) {
        std::fputs(qPrintable(u"orbel_swl\u00A0: "_s + pays.Erreur() + u'\n'), stderr);
    }
    // What the log holds, for the marks of what a spot, a heard QSO or a callsign typed would
    // bring: built when first asked, never at start-up.
    swl::Index_Journal nouveautes;
    nouveautes.Fixe_Pays(pays.Fichier());
    nouveautes.Fixe_Reglage(swl::Lit_Reglage_Diplomes(reglages));
    nouveautes.Fixe_Lecture_Annuaire(
        [repertoire] { return swl::Lit_Fichier(QDir(repertoire).filePath(swl::Nom_Liste_Prenom)).contenu; });
    // The alert sounds, from a module loaded at the first sound.
    swl::Sons_Module sons(swl::Chemin_Module_Son(QCoreApplication::applicationDirPath()),
                          swl::Dossiers_Ressources().value(0) + u"/sons"_s);
    // The receiver's audio, kept when the listener switched recording on (the sound module is
    // loaded then, never otherwise at start-up).
    const QString module_son = swl::Chemin_Module_Son(QCoreApplication::applicationDirPath());
    swl::Enregistreur enregistreur(
        [module_son](QString* erreur) { return swl::Charge_Moteur_Audio(module_son, erreur); });
    enregistreur.Fixe_Recepteur(&recepteur);
    if (const swl::Reglage_Enregistrement r = swl::Lit_Reglage_Enregistrement(reglages); r.actif || r.sdr) {
        enregistreur.Applique(r);
    }
    const swl::Services services{messages,    horloge,  reglages,    programme, imprimante,
                                 navigateurs, fichiers, repertoire,  {},        &recepteur,
                                 &ecoute,     &pays,    &nouveautes, &sons,     &enregistreur};

    swl::Main fenetre(services);
    // Started from the event loop, so that ending the program during start-up ends it.
    QTimer::singleShot(0, &fenetre, &swl::Main::Form_Load);
    return QApplication::exec();
}
