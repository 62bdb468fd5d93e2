#include "core/program/ligne_commande.h"

#include "core/base/texte_1252.h"
#include "core/program/textes_programme.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// The options Qt's application objects read for themselves, with or without a value. The parser
// knows them so that "-platform offscreen" is not taken for an unknown option and its value.
const QStringList Options_Qt_Avec_Valeur = {u"platform"_s,      u"platformpluginpath"_s,
                                            u"platformtheme"_s, u"plugin"_s,
                                            u"qmljsdebugger"_s, u"qwindowgeometry"_s,
                                            u"qwindowicon"_s,   u"qwindowtitle"_s,
                                            u"session"_s,       u"display"_s,
                                            u"geometry"_s,      u"name"_s,
                                            u"title"_s,         u"visual"_s,
                                            u"style"_s,         u"stylesheet"_s,
                                            u"dialogs"_s};
const QStringList Options_Qt_Sans_Valeur = {u"reverse"_s, u"widgetcount"_s, u"nograb"_s, u"dograb"_s,
                                            u"sync"_s};

} // namespace

QString Aide_Ligne_Commande() {
    return u"Utilisation\u00A0: orbel_swl [options]\n"
           "\n"
           "ORBEL_SWL — carnet d'écoute SWL\u00A0: les QSO entendus entre deux radioamateurs, leurs\n"
           "départements, la carte des départements, les étiquettes QSL et le DX-cluster.\n"
           "\n"
           "Menus\u00A0:\n"
           "  Fichier    exporter le journal (ADIF, ADX, CSV), importer un journal ADIF ou ADX,\n"
           "             les rapports d'écoute, importer des confirmations (eQSL, ADIF),\n"
           "             les sauvegardes, quitter\n"
           "  Edition    annuler et rétablir chaque changement du journal\n"
           "  Date       automatique ou manuelle\n"
           "  Station    nouvel indicatif, récepteur (Hamlib, GQRX, SDR++, SDRangel), fichier des\n"
           "             pays, fichier des indicatifs, alertes, enregistrement du son du\n"
           "             récepteur (ou par GQRX, SDR++)\n"
           "  Afficher   la liste des QSO d'une bande, les QSO entendus en FT8/FT4 (WSJT-X,\n"
           "             JTDX), statistiques, diplômes (DDFM, pays, WAC), enregistrements\n"
           "  Carte      les départements entendus\n"
           "  Impression etiquettes QSL\n"
           "  Aide       guide d'utilisation (F1), historique, à propos\n"
           "Boutons\u00A0: Rechercher un QSO, Cluster (statistiques et spots en direct).\n"
           "\n"
           "Options\u00A0:\n"
           "  -h, --help     Affiche cette aide et s'arrête.\n"
           "  -v, --version  Affiche la version du programme et s'arrête.\n"
           "\n"
           "Fichiers\u00A0:\n"
           "  $XDG_DATA_HOME/ORBEL_SWL (par défaut ~/.local/share/ORBEL_SWL)\n"
           "      les journaux, la liste des prénoms et les sauvegardes.\n"
           "  $XDG_CONFIG_HOME/ORBEL_SWL/SWL.ini (par défaut ~/.config/ORBEL_SWL/SWL.ini)\n"
           "      les réglages.\n"
           "\n"
           "Voir aussi\u00A0: man orbel_swl, et le guide /usr/share/doc/orbel-swl/guide.md\n"_s;
}

Reponse_Ligne_Commande Lit_Ligne_Commande(const QStringList& arguments) {
    QCommandLineParser lecteur;
    // "-style" is one option, as Qt reads it, never "-s -t -y -l -e".
    lecteur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide({u"h"_s, u"help"_s}, u"Affiche cette aide."_s);
    const QCommandLineOption version({u"v"_s, u"version"_s}, u"Affiche la version."_s);
    lecteur.addOption(aide);
    lecteur.addOption(version);
    for (const QString& nom : Options_Qt_Avec_Valeur) {
        lecteur.addOption(QCommandLineOption(nom, {}, u"valeur"_s));
    }
    for (const QString& nom : Options_Qt_Sans_Valeur) {
        lecteur.addOption(QCommandLineOption(nom));
    }
    // An unknown option makes parse() return false; the known ones are read all the same.
    lecteur.parse(arguments);

    if (lecteur.isSet(aide)) {
        return {true, 0, Aide_Ligne_Commande()};
    }
    if (lecteur.isSet(version)) {
        return {true, 0, u"ORBEL_SWL "_s + Version() + u'\n'};
    }
    if (const QStringList inconnues = lecteur.unknownOptionNames(); !inconnues.isEmpty()) {
        // Quoted as the user typed it: "-x", "--verison", "--verison=2".
        const QString nom = inconnues.constFirst();
        QString ecrite = (nom.size() == 1 ? u"-"_s : u"--"_s) + nom;
        for (const QString& a : arguments.mid(1)) {
            const QString sans_tirets = QString(a).remove(QRegularExpression(u"^-+"_s));
            if (a.startsWith(u'-') && sans_tirets.section(u'=', 0, 0) == nom) {
                ecrite = a;
                break;
            }
        }
        return {true, 2,
                u"orbel_swl\u00A0: option inconnue «\u00A0"_s + Extrait_Visible(ecrite) +
                    u"\u00A0».\n«\u00A0orbel_swl --help\u00A0» liste les options.\n"_s};
    }
    return {};
}

} // namespace swl
