#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "support/doubles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Scene {
    Banc b;
    std::unique_ptr<Main> w;
    Scene() {
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s),
                                        Ligne_Test(u"F6BBB"_s, u"03/06/08"_s, u"10:00"_s)});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Transceiver, u"IC-R75"_s);
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
    }
    void Menu(const QString& nom) const { w->findChild<QAction*>(nom)->trigger(); }
    QByteArray Fichier(const QString& chemin) const {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

class Tst_Echange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void menus() {
        Scene s;
        QCOMPARE(s.w->findChild<QAction*>(u"Mnu_Exporter"_s)->text(), u"Exporter le journal…"_s);
        QCOMPARE(s.w->findChild<QAction*>(u"Mnu_Importer"_s)->text(), u"Importer un journal ADIF…"_s);
    }

    // A damaged line is left out of the file and named in the summary.
    void exportSansLaLigneAbimee() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s),
                                        u"F6ABC"_s + QString(109, u' '),
                                        Ligne_Test(u"F6BBB"_s, u"03/06/08"_s, u"10:00"_s)});
        Main w(b.services);
        w.Form_Load();
        b.fichiers.reponses = {b.dossier.filePath(u"journal.adi"_s)};
        w.findChild<QAction*>(u"Mnu_Exporter"_s)->trigger();
        QCOMPARE(b.messages.textes,
                 QStringList({u"Journal exporté\u00A0: 2 QSO dans le fichier "
                              u"«\u00A0journal.adi\u00A0».\r\nUne ligne abîmée n'a "
                              u"pas été exportée\u00A0: le journal ne pourrait pas la relire (date ou heure "
                              u"illisible, caractère interdit). Ligne\u00A0: 2."_s}));
    }

    // The three formats, by the name's extension or, without one, by the filter chosen.
    void exportDansLesTroisFormats_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QString>("ecrit");
        QTest::addColumn<QByteArray>("debut");
        QTest::newRow("ADI") << u"journal.adi"_s << u""_s << u"journal.adi"_s
                             << QByteArray("Journal SWL de F1ABC");
        QTest::newRow("ADX") << u"journal.adx"_s << u""_s << u"journal.adx"_s << QByteArray("<?xml");
        QTest::newRow("CSV") << u"journal.csv"_s << u""_s << u"journal.csv"_s
                             << QByteArray("\xEF\xBB\xBFIndicatif A;");
        QTest::newRow("ADX par le filtre")
            << u"journal"_s << u"ADX, ADIF en XML (*.adx)"_s << u"journal.adx"_s << QByteArray("<?xml");
    }
    void exportDansLesTroisFormats() {
        QFETCH(QString, nom);
        QFETCH(QString, filtre);
        QFETCH(QString, ecrit);
        QFETCH(QByteArray, debut);
        Scene s;
        s.b.fichiers.reponses = {s.b.dossier.filePath(nom)};
        s.b.fichiers.filtre_choisi = filtre;
        s.Menu(u"Mnu_Exporter"_s);
        QCOMPARE(
            s.b.fichiers.appels,
            QStringList(
                {u"enregistrer Exporter le journal | "_s + QDir::homePath() +
                 u"/F1ABC_SWL.adi | ADIF (*.adi);;ADX, ADIF en XML (*.adx);;CSV pour tableur (*.csv)"_s}));
        const QByteArray fichier = s.Fichier(s.b.dossier.filePath(ecrit));
        QVERIFY(fichier.startsWith(debut));
        QVERIFY(fichier.contains("F6BBB"));
        QCOMPARE(s.b.messages.textes, QStringList({u"Journal exporté\u00A0: 2 QSO dans le fichier «\u00A0"_s +
                                                   ecrit + u"\u00A0»."_s}));
        QCOMPARE(QDir(s.b.dossier.path()).entryList({u".*tmp"_s}, QDir::Files | QDir::Hidden), QStringList());
        if (ecrit.endsWith(u"adi"_s)) {
            QVERIFY(fichier.contains("<MY_RIG:6>IC-R75"));
        }
    }

    void exportAnnule() {
        Scene s;
        s.Menu(u"Mnu_Exporter"_s);
        QCOMPARE(s.b.messages.textes, QStringList());
    }

    // The import through the window: the summary, the report beside the logs, the list read again.
    void importAvecBilan() {
        Scene s;
        const QString adi = s.b.dossier.filePath(u"autre.adi"_s);
        QFile f(adi);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("autre logiciel\n<EOH>\n"
                "<CALL:5>F6CCC<QSO_DATE:8>20080602<TIME_ON:4>1000<BAND:3>40m<MODE:4>JT65<EOR>\n"
                "<CALL:5>F6AAA<QSO_DATE:8>20080601<TIME_ON:4>1000<BAND:3>40m<MODE:3>SSB"
                "<APP_ORBELSWL_CALL_B:5>F5XYZ<APP_ORBELSWL_BANDE:7>7.0 Mhz<EOR>\n"
                "<CALL:5>F6DDD<QSO_DATE:8>19490602<TIME_ON:4>1000<BAND:3>40m<EOR>\n");
        f.close();
        s.b.fichiers.reponses = {adi};
        s.b.horloge.local = QDateTime(QDate(2026, 12, 7), QTime(12, 30, 15));
        s.Menu(u"Mnu_Importer"_s);
        QCOMPARE(s.b.fichiers.appels,
                 QStringList({u"ouvrir Importer un journal ADIF | "_s + QDir::homePath() +
                              u" | Journaux ADIF (*.adi *.adif *.adx);;Tous les fichiers (*)"_s}));
        QCOMPARE(s.b.messages.textes.size(), 1);
        const QString bilan = s.b.messages.textes[0];
        QVERIFY2(bilan.startsWith(
                     u"Import du fichier «\u00A0autre.adi\u00A0»\u00A0:\r\n1 QSO ajouté au "
                     u"journal.\r\n1 QSO déjà dans le "
                     u"journal, laissé de côté.\r\n1 QSO d'un autre mode numérique, noté DIG.\r\n"
                     u"1 QSO sans station B (ni APP_ORBELSWL_CALL_B, ni «\u00A0en QSO avec…\u00A0» dans "
                     u"COMMENT ou NOTES).\r\n1 "
                     u"enregistrement refusé\u00A0:\r\n  n° 3\u00A0: année 1949"_s),
                 qPrintable(bilan));
        QVERIFY(bilan.endsWith(u"\r\nRapport complet\u00A0: Import_ADIF_07_12_26_123015.txt"_s));
        QVERIFY(s.b.Lit(u"Import_ADIF_07_12_26_123015.txt"_s)
                    .contains("n\xB0 3\xA0: ann\xE9"
                              "e 1949"));
        QCOMPARE(s.w->Modele().Nombre(), 3);
        QVERIFY(s.w->Modele().Ligne(1).startsWith(u"    2  F6CCC"_s));
        QCOMPARE(s.w->findChild<QLineEdit*>(u"Ind_A"_s)->text(), QString());
        // The log as it was is copied aside first, and the whole import is one step to undo.
        const QByteArray avant = s.b.Lit(u"Sauvegardes/F1ABC_SWL_2026-12-07_123015_avant_import.log"_s);
        QCOMPARE(Decoupe_Lignes(avant).size(), 2);
        QCOMPARE(s.b.Lit(u"Sauvegardes/F1ABC_SWL_2026-12-07.log"_s), avant);
        QAction* annuler = s.w->findChild<QAction*>(u"Mnu_Annuler"_s);
        QCOMPARE(annuler->text(), u"Annuler l'import de 1 QSO"_s);
        annuler->trigger();
        QCOMPARE(s.b.Lit(u"F1ABC_SWL.log"_s), avant);
        QCOMPARE(s.w->Modele().Nombre(), 2);
    }

    // Refused only while a QSO is typed or edited; a QSO shown after a click is none.
    void importRefusePendantUneSaisie() {
        Scene s;
        QTest::keyClicks(s.w->findChild<QLineEdit*>(u"Ind_A"_s), u"f6"_s);
        s.Menu(u"Mnu_Importer"_s);
        QCOMPARE(
            s.b.messages.textes,
            QStringList({u"Un QSO est en cours de saisie ou de modification\u00A0: enregistrez-le ou "
                         u"cliquez sur «\u00A0Annuler saisie en cours\u00A0», puis importez le journal."_s}));
        QCOMPARE(s.b.fichiers.appels, QStringList());
    }
    void importAvecUnQSOAffiche() {
        Scene s;
        auto* liste = s.w->findChild<QListView*>(u"Liste_SWL"_s);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualRect(liste->model()->index(0, 0)).center());
        QCOMPARE(s.w->findChild<QLineEdit*>(u"Ind_A"_s)->text(), u"F6AAA"_s);
        s.Menu(u"Mnu_Importer"_s);
        QCOMPARE(s.b.messages.textes, QStringList());
        QCOMPARE(s.b.fichiers.appels.size(), 1);
    }

    // Nothing to add: the log and the copies are left as they were.
    void importSansRienAAjouterNeCopiePas() {
        Scene s;
        const QString adi = s.b.dossier.filePath(u"memes.adi"_s);
        QFile f(adi);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<EOH>\n<CALL:5>F6AAA<QSO_DATE:8>20080601<TIME_ON:4>1000<BAND:3>40m<MODE:3>SSB"
                "<APP_ORBELSWL_CALL_B:5>F5XYZ<APP_ORBELSWL_BANDE:7>7.0 Mhz<EOR>\n");
        f.close();
        const QByteArray log = s.b.Lit(u"F1ABC_SWL.log"_s);
        s.b.fichiers.reponses = {adi};
        s.Menu(u"Mnu_Importer"_s);
        QVERIFY(s.b.messages.textes.value(0).contains(u"déjà dans le journal"_s));
        QCOMPARE(s.b.Lit(u"F1ABC_SWL.log"_s), log);
        QCOMPARE(QDir(s.b.repertoire + u"/Sauvegardes"_s).entryList(QDir::Files), QStringList());
    }

    // The dialogs open in the folder of the last file chosen, remembered for the next start.
    void dossierDuDernierFichier() {
        Scene s;
        s.b.fichiers.reponses = {s.b.dossier.filePath(u"journal.adi"_s)};
        s.Menu(u"Mnu_Exporter"_s);
        s.Menu(u"Mnu_Importer"_s);
        QCOMPARE(s.b.fichiers.appels.value(1).section(u" | "_s, 1, 1), s.b.dossier.path());
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, u"Dossier Fichiers"_s, QString()),
                 s.b.dossier.path());
    }
};

QTEST_MAIN(Tst_Echange)
#include "tst_echange.moc"
