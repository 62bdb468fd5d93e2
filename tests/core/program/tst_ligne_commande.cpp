// The command line: help and version in French before any window, an unknown option refused,
// Qt's own options left to Qt.
#include "core/program/ligne_commande.h"
#include "core/program/textes_programme.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class Tst_Ligne_Commande : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reponses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("quitter");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("debut");

        const QString aide = u"Utilisation\u00A0: orbel_swl [options]\n"_s;
        QTest::newRow("sans option") << QStringList{} << false << 0 << QString();
        QTest::newRow("--help") << QStringList{u"--help"_s} << true << 0 << aide;
        QTest::newRow("-h") << QStringList{u"-h"_s} << true << 0 << aide;
        QTest::newRow("--version") << QStringList{u"--version"_s} << true << 0 << u"ORBEL_SWL 1.0.5\n"_s;
        QTest::newRow("-v") << QStringList{u"-v"_s} << true << 0 << u"ORBEL_SWL 1.0.5\n"_s;
        QTest::newRow("aide avant version") << QStringList{u"--version"_s, u"--help"_s} << true << 0 << aide;
        QTest::newRow("aide parmi les options de Qt")
            << QStringList{u"-platform"_s, u"offscreen"_s, u"--help"_s} << true << 0 << aide;
        // "-stylesheet" holds an "h": read as one word, it never asks for the help.
        QTest::newRow("options de Qt")
            << QStringList{u"-platform"_s, u"offscreen"_s,      u"-stylesheet"_s,      u"a.qss"_s,
                           u"-reverse"_s,  u"--style=fusion"_s, u"-qwindowgeometry"_s, u"800x600"_s}
            << false << 0 << QString();
        QTest::newRow("option inconnue") << QStringList{u"--verison"_s} << true << 2
                                         << u"orbel_swl\u00A0: option inconnue «\u00A0--verison\u00A0».\n"
                                            "«\u00A0orbel_swl --help\u00A0» liste les options.\n"_s;
        QTest::newRow("option inconnue à un tiret")
            << QStringList{u"-x"_s} << true << 2 << u"orbel_swl\u00A0: option inconnue «\u00A0-x\u00A0»."_s;
        QTest::newRow("option inconnue avec valeur")
            << QStringList{u"--journal=F1ABC"_s} << true << 2
            << u"orbel_swl\u00A0: option inconnue «\u00A0--journal=F1ABC\u00A0»."_s;
        QTest::newRow("option inconnue illisible")
            << QStringList{u"--a\u202Eb"_s} << true << 2
            << u"orbel_swl\u00A0: option inconnue «\u00A0--a\\u202Eb\u00A0»."_s;
    }
    void reponses() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, quitter);
        QFETCH(int, code);
        QFETCH(QString, debut);
        const swl::Reponse_Ligne_Commande r =
            swl::Lit_Ligne_Commande(QStringList{u"orbel_swl"_s} + arguments);
        QCOMPARE(r.quitter, quitter);
        QCOMPARE(r.code, code);
        QVERIFY2(r.texte.startsWith(debut), qPrintable(r.texte));
        QCOMPARE(r.texte.isEmpty(), debut.isEmpty());
    }

    // The help names both options in French and where the program keeps its files.
    void aideEnFrancais() {
        const QString aide = swl::Aide_Ligne_Commande();
        for (const QString& ligne :
             {u"  -h, --help     Affiche cette aide et s'arrête."_s,
              u"  -v, --version  Affiche la version du programme et s'arrête."_s,
              u"  $XDG_DATA_HOME/ORBEL_SWL (par défaut ~/.local/share/ORBEL_SWL)"_s,
              u"  $XDG_CONFIG_HOME/ORBEL_SWL/SWL.ini (par défaut ~/.config/ORBEL_SWL/SWL.ini)"_s}) {
            QVERIFY2(aide.split(u'\n').contains(ligne), qPrintable(ligne));
        }
        QVERIFY(!aide.contains(u"Displays"_s));
    }

    // One version for the caption, the About box and --version.
    void uneSeuleVersion() {
        QCOMPARE(swl::Revision(), u" "_s + swl::Version());
        QCOMPARE(swl::Titre_Fenetre_Principale(), u"  ORBEL_SWL    Revision  1.0.5"_s);
    }
};

QTEST_APPLESS_MAIN(Tst_Ligne_Commande)
#include "tst_ligne_commande.moc"
