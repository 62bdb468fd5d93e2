#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/fenetres.h"
#include "support/doubles.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

template <class T> T* Controle(const QWidget& w, const QString& nom) {
    T* c = w.findChild<T*>(nom);
    if (!c) {
        qFatal("control %s missing", qPrintable(nom));
    }
    return c;
}

QStringList Trois_Lignes() {
    return {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s),
            Ligne_Test(u"F6BBB"_s, u"02/06/08"_s, u"11:00"_s),
            Ligne_Test(u"F6CCC"_s, u"03/06/08"_s, u"12:00"_s)};
}

// Columns of the window's picture, left to right, that hold a dark pixel between rows y0 and
// y1 (window pixels).
QList<int> Colonnes_Sombres(const QImage& image, int y0, int y1) {
    QList<int> x_sombres;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = qMax(0, y0); y < qMin(image.height(), y1); ++y) {
            if (qGray(image.pixel(x, y)) < 110) {
                x_sombres << x;
                break;
            }
        }
    }
    return x_sombres;
}

int Premiere_Dans(const QList<int>& colonnes, double de, double a) {
    for (int x : colonnes) {
        if (x >= de && x < a) {
            return x;
        }
    }
    return -1;
}

} // namespace

class Tst_Main : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void premiereInstallationDemandeUnIndicatif() {
        Banc b;
        Main w(b.services);
        bool station_modale = false;
        Quand_Modal([&](QWidget* modal) {
            station_modale =
                modal->objectName() == u"Station" && modal->windowTitle() == u"Selection Indicaif";
            QTest::keyClicks(Controle<QLineEdit>(*modal, u"New_Indicatif"_s), u"f1abc"_s);
            QTest::mouseClick(Controle<QPushButton>(*modal, u"Validation"_s), Qt::LeftButton);
        });
        w.Form_Load();
        QCOMPARE(b.messages.textes,
                 QStringList({u"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"_s}));
        QVERIFY(station_modale);
        QCOMPARE(w.Indicatif_Station(), u"F1ABC"_s);
        QCOMPARE(Controle<QLabel>(w, u"I_Station"_s)->text(), u"F1ABC"_s);
        QVERIFY(QFile::exists(b.Chemin(u"F1ABC_SWL.log"_s)));
        QCOMPARE(w.Modele().Nombre(), 0);
        QVERIFY(Controle<QLineEdit>(w, u"Ind_A"_s)->isEnabled());
        QCOMPARE(w.focusWidget(), Controle<QLineEdit>(w, u"Ind_A"_s));
        QCOMPARE(b.reglages->Lire_Reglage(u"Setup "_s, cle::Indicatif_Station, u""_s), u"F1ABC"_s);
    }

    void premiereInstallationSansIndicatifNeChargeRien() {
        Banc b;
        Main w(b.services);
        Quand_Modal([](QWidget* modal) { modal->close(); });
        w.Form_Load();
        QCOMPARE(w.Indicatif_Station(), u"FXXXX"_s);
        QCOMPARE(w.Modele().Nombre(), 0);
        QCOMPARE(b.messages.textes.size(), 1);
        QCOMPARE(w.windowTitle(), u"  ORBEL_SWL    Revision  1.0.5"_s);
    }

    void logDeTroisEntrees() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, Trois_Lignes());
        Main w(b.services);
        w.Form_Load();
        QVERIFY(b.messages.textes.isEmpty());
        auto* liste = Controle<QListView>(w, u"Liste_SWL"_s);
        QAbstractItemModelTester testeur(liste->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(liste->model()->rowCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(liste->model()->index(i, 0).data().toString(),
                     Forme_Ligne_Liste(Trois_Lignes()[i], i + 1));
        }
        QCOMPARE(liste->currentIndex().row(), 2);
        QVERIFY(liste->selectionModel()->isSelected(liste->model()->index(2, 0)));
        // The form is reset for the next QSO while the last entry stays selected.
        QCOMPARE(Controle<QLineEdit>(w, u"Ind_A"_s)->text(), u""_s);
        QCOMPARE(Controle<QLineEdit>(w, u"RST_A"_s)->text(), u"59"_s);
        QVERIFY(!Controle<QPushButton>(w, u"Annule_Saisie"_s)->isEnabled());
        QCOMPARE(Controle<QLabel>(w, u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        QCOMPARE(b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Revision, u""_s), u" 1.0.5"_s);
        QCOMPARE(b.reglages->Lire_Reglage(u"Setup "_s, cle::Chemin_Repertoire, u""_s), b.repertoire);
    }

    void selectionRemplitLeFormulaire() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, Trois_Lignes());
        Main w(b.services);
        w.Form_Load();
        w.Selectionne_Ligne(1);
        QCOMPARE(Controle<QLineEdit>(w, u"Ind_A"_s)->text(), u"F6BBB"_s);
        QVERIFY(!Controle<QLineEdit>(w, u"Ind_A"_s)->isEnabled());
        QCOMPARE(Controle<QLineEdit>(w, u"Prenom_A"_s)->text(), u"JEAN"_s);
        QCOMPARE(Controle<QLineEdit>(w, u"Date_A"_s)->text(), u"02/06/08"_s);
        QCOMPARE(Controle<QLineEdit>(w, u"Heure_A"_s)->text(), u"11:00"_s);
        QCOMPARE(Controle<QComboBox>(w, u"Bande_A"_s)->currentText(), u"7.0 Mhz"_s);
        QCOMPARE(Controle<QComboBox>(w, u"Bande_A"_s)->currentIndex(), 2);
        QVERIFY(Controle<QPushButton>(w, u"Annule_Saisie"_s)->isEnabled());
    }

    void modeDeDateAuDemarrage_data() {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<bool>("automatique");
        QTest::addColumn<bool>("manuelle");
        QTest::newRow("Oui") << u"Oui"_s << true << false;
        QTest::newRow("Non") << u"Non"_s << false << true;
        QTest::newRow("autre valeur\u00A0: comme dessiné") << u"oui"_s << true << false;
    }
    void modeDeDateAuDemarrage() {
        QFETCH(QString, stocke);
        QFETCH(bool, automatique);
        QFETCH(bool, manuelle);
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Date_Auto, stocke);
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(Controle<QAction>(w, u"Mnu_Date_Auto"_s)->isChecked(), automatique);
        QCOMPARE(Controle<QAction>(w, u"Mnu_Date_Man"_s)->isChecked(), manuelle);
    }

    void bandeEtModeRetenus_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("index_bande");
        QTest::addColumn<int>("index_mode");
        QTest::newRow("valides") << u"8"_s << u"3"_s << 8 << 3;
        QTest::newRow("hors des listes") << u"13"_s << u"4"_s << 0 << 0;
        QTest::newRow("pas des nombres") << u"sept"_s << u""_s << 0 << 0;
    }
    void bandeEtModeRetenus() {
        QFETCH(QString, bande);
        QFETCH(QString, mode);
        QFETCH(int, index_bande);
        QFETCH(int, index_mode);
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, bande);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Mode_Utilise, mode);
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(Controle<QComboBox>(w, u"Bande_A"_s)->currentIndex(), index_bande);
        QCOMPARE(Controle<QComboBox>(w, u"Mode_A"_s)->currentIndex(), index_mode);
        QCOMPARE(Controle<QComboBox>(w, u"Bande_A"_s)->count(), 13);
        QCOMPARE(Controle<QComboBox>(w, u"Mode_A"_s)->count(), 4);
    }

    void logManquantOuvreGestionErreur() {
        Banc b;
        b.reglages->Ecrire_Reglage(u"Setup "_s, cle::Indicatif_Station, u"F1ABC"_s);
        Main w(b.services);
        QString err_departement, ind_station, titre;
        bool modale = false;
        Quand_Modal([&](QWidget* modal) {
            modale = modal->objectName() == u"Gestion_Erreur";
            titre = modal->windowTitle();
            err_departement = Controle<QLabel>(*modal, u"Err_Departement"_s)->text();
            ind_station = Controle<QLabel>(*modal, u"Ind_Station1"_s)->text();
            modal->close();
        });
        w.Form_Load();
        QVERIFY(modale);
        QCOMPARE(titre, u"Gestion erreur"_s);
        QCOMPARE(err_departement, u"_SWL.log"_s);
        QCOMPARE(ind_station, u"F1ABC"_s);
        // Start-up does not go on past the missing log.
        QCOMPARE(b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Revision, u"absent"_s), u"absent"_s);
        QVERIFY(b.messages.textes.isEmpty());
        QCOMPARE(b.programme.fins, 0);
    }

    // The recovery window closed by its frame: the program only waits to be ended, with the
    // form at rest, and no path saves a blank QSO into the missing log.
    void gestionErreurFermeeLaisseLeFormulaireAuRepos() {
        Banc b;
        b.reglages->Ecrire_Reglage(u"Setup "_s, cle::Indicatif_Station, u"F1ABC"_s);
        Main w(b.services);
        Quand_Modal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        w.Form_Load();
        QVERIFY(Controle<QLineEdit>(w, u"Ind_A"_s)->isEnabled());
        for (const QString& nom : {u"Dpt_A"_s, u"RST_A"_s, u"Prenom_A"_s, u"Rem_A"_s, u"Ind_B"_s, u"Dpt_B"_s,
                                   u"RST_B"_s, u"Date_A"_s, u"Heure_A"_s}) {
            QVERIFY2(!Controle<QLineEdit>(w, nom)->isEnabled(), qPrintable(nom));
        }
        QVERIFY(!Controle<QComboBox>(w, u"Mode_A"_s)->isEnabled());
        QVERIFY(!Controle<QComboBox>(w, u"Bande_A"_s)->isEnabled());
        auto* valide = Controle<QPushButton>(w, u"Valide_A"_s);
        QVERIFY(!valide->isEnabled());
        QVERIFY(!Controle<QPushButton>(w, u"Annule_Saisie"_s)->isEnabled());
        // Even when the button is reached, the save refuses the empty form before asking.
        valide->setEnabled(true);
        b.messages.reponses = {true};
        QTest::mouseClick(valide, Qt::LeftButton);
        QCOMPARE(b.messages.textes.size(), 1);
        QVERIFY2(b.messages.textes[0].startsWith(u"Ce QSO ne peut pas être enregistré\u00A0: il manque "
                                                 u"l'indicatif de la station A, la date et "
                                                 u"l'heure."_s),
                 qPrintable(b.messages.textes[0]));
        QVERIFY(!QFile::exists(b.Chemin(u"F1ABC_SWL.log"_s)));
    }

    // A stored callsign the station window would refuse names no file: the program starts as
    // at the first installation.
    void indicatifStockeRefuse_data() {
        QTest::addColumn<QString>("stocke");
        QTest::newRow("chemin") << u"../../ESCAPE"_s;
        QTest::newRow("minuscules") << u"f1abc"_s;
        QTest::newRow("trop long") << u"F1ABCDEFGHIJK"_s;
    }
    void indicatifStockeRefuse() {
        QFETCH(QString, stocke);
        Banc b;
        b.reglages->Ecrire_Reglage(u"Setup "_s, cle::Indicatif_Station, stocke);
        Main w(b.services);
        bool station = false;
        Quand_Modal([&](QWidget* modal) {
            station = modal->objectName() == u"Station";
            modal->close();
        });
        w.Form_Load();
        QVERIFY(station);
        QCOMPARE(b.messages.textes.size(), 2);
        QCOMPARE(b.messages.textes[0],
                 u"L'indicatif «\u00A0"_s + stocke +
                     u"\u00A0» trouvé dans les réglages n'est pas valable\u00A0: ORBEL_SWL ne "
                     u"l'utilise pas.\r\nChoisissez de nouveau votre indicatif."_s);
        QCOMPARE(b.messages.textes[1],
                 u"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"_s);
        QCOMPARE(w.Indicatif_Station(), u"FXXXX"_s);
        QCOMPARE(w.Modele().Nombre(), 0);
        QDir racine(b.dossier.path());
        QCOMPARE(racine.entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(b.repertoire).entryList(QDir::Files),
                 QStringList({u"FXXXX.txt"_s, u"Liste_Prenom.txt"_s}));
    }

    // Settings that cannot be written are reported once, at start-up.
    void reglagesQuiNePeuventEtreEcrits() {
        Banc b;
        QVERIFY(QDir().mkpath(b.dossier.filePath(u"bloque/SWL.ini"_s)));
        Reglages reglages(b.dossier.filePath(u"bloque/SWL.ini"_s));
        Services avec{b.messages,   b.horloge,     reglages,   b.programme,
                      b.imprimante, b.navigateurs, b.fichiers, b.repertoire};
        Main w(avec);
        Quand_Modal([](QWidget* modal) { modal->close(); });
        w.Form_Load();
        QCOMPARE(b.messages.textes.size(), 2);
        QCOMPARE(b.messages.textes[0],
                 u"Les réglages de ORBEL_SWL ne peuvent pas être enregistrés dans «\u00A0"_s +
                     b.dossier.filePath(u"bloque/SWL.ini"_s) +
                     u"\u00A0»\u00A0: un dossier porte ce nom.\r\nVos choix (indicatif, bande, mode, date, "
                     u"étiquettes) "
                     u"seront "
                     u"oubliés à la fermeture du programme\u00A0: vérifiez que ce fichier peut "
                     u"être modifié."_s);
        // Writable settings say nothing, even when the file held garbage: it is written again.
        Banc ok;
        ok.Station_Avec_Log(u"F1ABC"_s, {});
        Main w2(ok.services);
        w2.Form_Load();
        QVERIFY(ok.messages.textes.isEmpty());
        Banc dechet;
        dechet.Station_Avec_Log(u"F1ABC"_s, {});
        QFile ini(dechet.reglages->Fichier());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        static constexpr char dechets[] = "\x01\xFF[[[=\n\0\0garbage]]\n=\n";
        ini.write(dechets, sizeof dechets - 1);
        ini.close();
        {
            Reglages relus(dechet.reglages->Fichier());
            Services avec_dechet{dechet.messages,   dechet.horloge,     relus,           dechet.programme,
                                 dechet.imprimante, dechet.navigateurs, dechet.fichiers, dechet.repertoire};
            Main w3(avec_dechet);
            Quand_Modal([](QWidget* modal) { modal->close(); });
            w3.Form_Load();
            QCOMPARE(dechet.messages.textes.value(0).startsWith(u"Les réglages"_s), false);
        }
        Reglages relus(dechet.reglages->Fichier());
        QCOMPARE(relus.Lire_Reglage(Reglages::Section_Commune(), cle::Chemin_Repertoire, QString()),
                 dechet.repertoire);
    }

    // The caption's words stand on the first character of their columns, as the list draws
    // them, also after a change of font and while the list is scrolled sideways.
    void libelleAligneSurLesColonnes() {
        Banc b;
        QString l = Ligne_Test(u"IAAAA"_s, u"01/06/08"_s, u"10:00"_s);
        l.replace(13, 5, u"IBBBB"_s);
        b.Station_Avec_Log(u"F1ABC"_s, {l, l});
        Main w(b.services);
        w.Form_Load();
        auto* liste = Controle<QListView>(w, u"Liste_SWL"_s);
        auto* libelle = Controle<QLabel>(w, u"Label_Liste_QSO"_s);
        int un = -1;
        const auto verifie = [&](const QList<int>& colonnes) {
            QApplication::processEvents();
            const QImage image = w.grab().toImage();
            const QRect r = liste->visualRect(liste->model()->index(0, 0));
            const QPoint haut_ligne = liste->viewport()->mapTo(&w, r.topLeft());
            const QList<int> dans_liste =
                Colonnes_Sombres(image, haut_ligne.y(), haut_ligne.y() + r.height());
            const QPoint haut_libelle = libelle->mapTo(&w, QPoint(0, 0));
            const QList<int> dans_libelle =
                Colonnes_Sombres(image, haut_libelle.y(), haut_libelle.y() + libelle->height());
            const double largeur = QFontMetricsF(liste->font()).horizontalAdvance(u'0');
            // The running number's "1" stands in column 5 of the unscrolled line.
            const int defile = liste->horizontalScrollBar()->value();
            if (defile == 0) {
                un = Premiere_Dans(dans_liste, liste->viewport()->mapTo(&w, QPoint(0, 0)).x(), 1e9);
            }
            QVERIFY(un >= 0);
            for (int colonne : colonnes) {
                const double attendu = un - defile + (colonne - 5) * largeur;
                const int x_liste = Premiere_Dans(dans_liste, attendu - largeur / 2, attendu + largeur / 2);
                const int x_libelle =
                    Premiere_Dans(dans_libelle, attendu - largeur / 2, attendu + largeur / 2);
                QVERIFY2(x_liste >= 0, qPrintable(QString::number(colonne)));
                QVERIFY2(qAbs(x_libelle - x_liste) <= 1,
                         qPrintable(u"colonne "_s + QString::number(colonne) + u"\u00A0: libellé "_s +
                                    QString::number(x_libelle) + u", liste "_s + QString::number(x_liste)));
            }
        };
        verifie({8, 80});
        QFont grande = liste->font();
        grande.setPointSize(15);
        liste->setFont(grande);
        verifie({8, 80});
        auto* defilement = liste->horizontalScrollBar();
        QVERIFY(defilement->maximum() > 0);
        defilement->setValue(defilement->maximum() / 2);
        verifie({80});
    }

    void autreErreurDeLectureTermineLeProgramme() {
        Banc b;
        b.reglages->Ecrire_Reglage(u"Setup "_s, cle::Indicatif_Station, u"F1ABC"_s);
        QDir(b.repertoire).mkdir(u"F1ABC_SWL.log"_s);
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(b.messages.textes, QStringList({u"Erreur N° 75"_s}));
        QCOMPARE(b.programme.fins, 1);
    }

    void logTropLongTermineSansToucherLeFichier() {
        Banc b;
        QStringList lignes;
        for (int i = 0; i <= Numero_Maximal; ++i) {
            lignes << u"x"_s;
        }
        b.Station_Avec_Log(u"F1ABC"_s, lignes);
        const QByteArray avant = b.Lit(u"F1ABC_SWL.log"_s);
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(b.messages.textes.size(), 1);
        QVERIFY(b.messages.textes[0].contains(u"plus de 99\u00A0999 QSO"_s));
        QCOMPARE(b.programme.fins, 1);
        QCOMPARE(b.Lit(u"F1ABC_SWL.log"_s), avant);
    }

    void titreHistoriqueEtAPropos() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(w.windowTitle(), u"  ORBEL_SWL    Revision  1.0.5"_s);
        Controle<QAction>(w, u"Mnu_Historique"_s)->trigger();
        Controle<QAction>(w, u"Mnu_A_Propos"_s)->trigger();
        QCOMPARE(b.messages.textes.size(), 2);
        QCOMPARE(b.messages.textes[0],
                 u"V1.0.0   le 10/06/2008 creation\r\n"
                 u"V1.0.1   le 10/06/2008 Ajouté Afficher la Liste QSO dans la barre Menu\r\n"
                 u"V1.0.2   le 16/06/2008 Ajouté Dpt station B\r\n"
                 u"V1.0.3   le 06/04/2009 Ajouté Impression etiquettes QSL\r\n"
                 u"V1.0.4   le 31/10/2009 Ajouté 'via'dans Impression etiquettes QSL\r\n"
                 u"V1.0.5   le 10/02/2012 Ajouté Bande 27 MHz\r\n"_s);
        QVERIFY(b.messages.textes[1].startsWith(u"ORBEL_SWL  Révision  1.0.5\r\n\r\n"_s));
        QVERIFY(b.messages.textes[1].size() > 30);
        Controle<QAction>(w, u"Mnu_Quitter"_s)->trigger();
        QCOMPARE(b.programme.fins, 1);
    }

    // "Aide → Guide d'utilisation" shows the guide, which names every menu and item of the menu
    // bar: a window that lands without its page in the guide fails here.
    void guideNommeChaqueMenu() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        Main w(b.services);
        w.Form_Load();
        Controle<QAction>(w, u"Mnu_Guide"_s)->trigger();
        auto* texte = Controle<QTextBrowser>(w, u"Texte_Guide"_s);
        QCOMPARE(texte->accessibleName(), u"Guide d'utilisation"_s);
        const QString guide = texte->toPlainText();
        QVERIFY(guide.startsWith(u"Guide d'utilisation d'ORBEL_SWL"_s));
        QStringList absents;
        for (QAction* a : w.menuBar()->actions()) {
            QList<QAction*> articles{a};
            if (a->menu()) {
                articles += a->menu()->actions();
            }
            for (QAction* article : articles) {
                const QString titre = article->text().remove(u'…').trimmed();
                if (!article->isSeparator() && !guide.contains(titre)) {
                    absents << titre;
                }
            }
        }
        QVERIFY2(absents.isEmpty(), qPrintable(absents.join(u", "_s)));
    }

    // The window's size and place kept at closing and taken back at the next start; made larger,
    // the log list takes the room; a place off every screen, or unreadable, is left aside.
    void tailleEtPlaceRetenues() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        QSize defaut;
        int hauteur_liste = 0;
        {
            Main w(b.services);
            w.Form_Load();
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            defaut = w.size();
            hauteur_liste = Controle<QListView>(w, u"Liste_SWL"_s)->height();
            w.setGeometry(40, 30, defaut.width() + 200, defaut.height() + 150);
            QApplication::processEvents();
            QCOMPARE(Controle<QListView>(w, u"Liste_SWL"_s)->height(), hauteur_liste + 150);
            Controle<QAction>(w, u"Mnu_Quitter"_s)->trigger();
        }
        QCOMPARE(b.reglages->Lire_Reglage(Reglages::Section_Commune(), cle::Fenetre_Principale, QString()),
                 u"40,30,%1,%2"_s.arg(defaut.width() + 200).arg(defaut.height() + 150));
        for (const QString& valeur : {u"40,30,%1,%2"_s.arg(defaut.width() + 200).arg(defaut.height() + 150),
                                      u"90000,90000,800,600"_s, u"40,trente,800,600"_s}) {
            b.reglages->Ecrire_Reglage(Reglages::Section_Commune(), cle::Fenetre_Principale, valeur);
            Main w(b.services);
            w.Form_Load();
            const bool retenue = !valeur.startsWith(u"9"_s) && !valeur.contains(u"trente"_s);
            QCOMPARE(w.size(), retenue ? defaut + QSize(200, 150) : defaut);
        }
    }

    // Without a mouse: F10 opens the menu bar, Alt and a title's letter its menu, never typing
    // the letter into the field that has the focus; the captions stay as they are.
    void menusAuClavier_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("menu");
        QTest::newRow("F10") << int(Qt::Key_F10) << u"Mnu_Fichier"_s;
        QTest::newRow("Alt+F") << (int(Qt::AltModifier) | int(Qt::Key_F)) << u"Mnu_Fichier"_s;
        QTest::newRow("Alt+E") << (int(Qt::AltModifier) | int(Qt::Key_E)) << u"Mnu_Edition"_s;
        QTest::newRow("Alt+D") << (int(Qt::AltModifier) | int(Qt::Key_D)) << u"Mnu_Date"_s;
        QTest::newRow("Alt+S") << (int(Qt::AltModifier) | int(Qt::Key_S)) << u"Mnu_Station"_s;
        QTest::newRow("Alt+A") << (int(Qt::AltModifier) | int(Qt::Key_A)) << u"Mnu_Afficher"_s;
        QTest::newRow("Alt+C") << (int(Qt::AltModifier) | int(Qt::Key_C)) << u"Mnu_Carte"_s;
        QTest::newRow("Alt+I") << (int(Qt::AltModifier) | int(Qt::Key_I)) << u"Mnu_Aide"_s;
        QTest::newRow("Alt+Z, sans menu") << (int(Qt::AltModifier) | int(Qt::Key_Z)) << QString();
    }
    void menusAuClavier() {
        QFETCH(int, touche);
        QFETCH(QString, menu);
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        Main w(b.services);
        w.Form_Load();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* ind_a = Controle<QLineEdit>(w, u"Ind_A"_s);
        ind_a->setFocus();
        QTest::keyClicks(ind_a, u"f5"_s);
        QTest::keyClick(ind_a, Qt::Key(touche & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(touche & Qt::KeyboardModifierMask));
        QCOMPARE(ind_a->text(), u"F5"_s);
        if (!menu.isEmpty()) {
            QTRY_VERIFY(Controle<QMenu>(w, menu)->isVisible());
            Controle<QMenu>(w, menu)->close();
        }
        QCOMPARE(Controle<QMenu>(w, u"Mnu_Fichier"_s)->title(), u"Fichier"_s);
    }

    void menusEtControles() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC_P"_s, {});
        Main w(b.services);
        w.Form_Load();
        QStringList barre;
        for (QAction* a : w.menuBar()->actions()) {
            barre << a->text();
        }
        // "Edition" (undo and redo) comes right after "Fichier".
        QCOMPARE(barre, QStringList({u"Fichier"_s, u"Edition"_s, u"Date"_s, u"Station"_s, u"Afficher"_s,
                                     u"Carte"_s, u"Impression etiquettes QSL"_s, u"Aide"_s}));
        QVERIFY(!Controle<QAction>(w, u"Mnu_Print_QSL"_s)->menu());
        QCOMPARE(Controle<QAction>(w, u"Mnu_Carte_HB"_s)->text(), u"des départements entendus"_s);
        QCOMPARE(Controle<QAction>(w, u"Mnu_Liste_QSO"_s)->text(), u"la liste des QSO"_s);
        QCOMPARE(Controle<QAction>(w, u"Mnu_New_Indicatif"_s)->text(), u"Nouvel Indicatif"_s);
        QCOMPARE(Controle<QLabel>(w, u"I_Station"_s)->text(), u"F1ABC/P"_s);
        QCOMPARE(Controle<QLabel>(w, u"Label2"_s)->text(), u"INDICATIF DE LA STATION SWL : "_s);
        QCOMPARE(Controle<QGroupBox>(w, u"Frame3"_s)->title(), u"Saisie ou modification d'un QSO"_s);
        QCOMPARE(Controle<QPushButton>(w, u"Annule_Saisie"_s)->toolTip(),
                 u"Permet d'annuler la saisie d'un Code Postal contacté"_s);
        QCOMPARE(Controle<QListView>(w, u"Liste_SWL"_s)->toolTip(),
                 u"Un clique sur un QSO pour l'afficher ou le supprimer, un double clique pour l'editer"_s);
        QCOMPARE(Controle<QLabel>(w, u"Label_Liste_QSO"_s)->text(), Libelle_Colonnes_Liste());
        QVERIFY(QFontInfo(Controle<QListView>(w, u"Liste_SWL"_s)->font()).fixedPitch());
        const QStringList boutons = {u"Valide_A"_s,  u"Efface_A"_s,   u"Annule_Saisie"_s,
                                     u"Ajout_QSO"_s, u"Rechercher"_s, u"Command1"_s};
        const QStringList textes = {u"Valider le QSO"_s, u"Annuler saisie en cours"_s, u"Supprimer un QSO"_s,
                                    u"Inserer un QSO"_s, u"Rechercher un QSO"_s,       u"Cluster"_s};
        for (int i = 0; i < boutons.size(); ++i) {
            QCOMPARE(Controle<QPushButton>(w, boutons[i])->text(), textes[i]);
        }
        // At rest: Ind_A expects input, every other field waits, disabled.
        QCOMPARE(Couleur_Fond(Controle<QLineEdit>(w, u"Ind_A"_s)), QColor(192, 255, 192));
        for (const QString& nom : {u"Dpt_A"_s, u"RST_A"_s, u"Prenom_A"_s, u"Rem_A"_s, u"Ind_B"_s, u"Dpt_B"_s,
                                   u"RST_B"_s, u"Date_A"_s, u"Heure_A"_s}) {
            auto* c = Controle<QLineEdit>(w, nom);
            QCOMPARE(Couleur_Fond(c), QColor(255, 255, 192));
            QVERIFY2(!c->isEnabled(), qPrintable(nom));
        }
        QVERIFY(!Controle<QPushButton>(w, u"Valide_A"_s)->isEnabled());
        QVERIFY(!Controle<QCheckBox>(w, u"QSL_A"_s)->isChecked());
    }
};

QTEST_MAIN(Tst_Main)
#include "tst_main.moc"
