#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "core/reports/etiquettes.h"
#include "labels/select_qso.h"
#include "platform/fenetres.h"
#include "support/doubles.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList Log_De(int n) {
    QStringList l;
    for (int i = 1; i <= n; ++i) {
        l << Ligne_Test(u"F6A"_s + QString::number(i), u"14/01/06"_s, u"08:35"_s);
    }
    return l;
}

// The label choice on a log of n entries, inside a stand-in for the main window.
struct Scene {
    Banc b;
    QWidget principale;
    QPointer<Select_QSO> selection;
    explicit Scene(int n = 20) {
        b.Station_Avec_Log(u"F1ZZZ"_s, Log_De(n));
        selection = new Select_QSO(
            b.services, Lignes_Log(b.Lit(u"F1ZZZ_SWL.log"_s)), [] { return u"F1ZZZ"_s; }, &principale);
        // As the main window opens it: gone once closed.
        selection->setAttribute(Qt::WA_DeleteOnClose);
        selection->show();
    }
    QListView* Liste(const QString& nom) const { return selection->findChild<QListView*>(nom); }
    // The running numbers a list shows, in its order.
    QList<int> Numeros(const QString& nom) const {
        QList<int> r;
        const auto* m = Liste(nom)->model();
        for (int i = 0; i < m->rowCount(); ++i) {
            r << Numero_Ligne_Liste(m->index(i, 0).data().toString());
        }
        return r;
    }
    void Clique(const QString& nom, int numero) const {
        QListView* l = Liste(nom);
        const int rangee = static_cast<int>(Numeros(nom).indexOf(numero));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualRect(l->model()->index(rangee, 0)).center());
    }
    QWidget* Etiquettes() {
        QTest::mouseClick(selection->findChild<QPushButton*>(u"Impression"_s), Qt::LeftButton);
        return principale.findChild<QWidget*>(u"Etiquettes"_s);
    }
    void Choisit(std::initializer_list<int> numeros) const {
        for (int n : numeros) {
            Clique(u"Liste_QSO"_s, n);
        }
    }
};

template <class T> T* C(QWidget* w, const QString& nom) {
    T* c = w->findChild<T*>(nom);
    if (!c) {
        qFatal("control %s missing", qPrintable(nom));
    }
    return c;
}

} // namespace

class Tst_Etiquettes_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void selectionALOuverture() {
        Scene s(5);
        QCOMPARE(s.selection->windowTitle(), u"Selection QSO"_s);
        QCOMPARE(C<QLabel>(s.selection, u"Label3"_s)->text(), u"Cliquez sur un QSO pour le selectionner "_s);
        QCOMPARE(
            C<QLabel>(s.selection, u"Label4"_s)->text(),
            u"QSO selectionné(s) pour impression d'etiquettes . Cliquez sur un QSO pour le déselectionner."_s);
        QCOMPARE(C<QLabel>(s.selection, u"Label2"_s)->text(),
                 u"Selection des QSO pour impression d'etiquettes"_s);
        QVERIFY(C<QLabel>(s.selection, u"Label2"_s)->font().bold());
        QCOMPARE(s.Numeros(u"Liste_QSO"_s), QList<int>({1, 2, 3, 4, 5}));
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>());
        QCOMPARE(s.Liste(u"Liste_QSO"_s)->model()->index(1, 0).data().toString(),
                 Forme_Ligne_Liste(Log_De(5)[1], 2));
        for (const QString& nom : {u"Liste_QSO"_s, u"Liste_Imprime"_s}) {
            QCOMPARE(Couleur_Fond(s.Liste(nom)), QColor(255, 255, 192));
            QVERIFY(QFontInfo(s.Liste(nom)->font()).fixedPitch());
        }
    }

    // Lines move in the order of the log whatever the order of the clicks, one per click.
    void clicsDansLOrdreDuLog() {
        Scene s;
        QAbstractItemModelTester t1(s.Liste(u"Liste_QSO"_s)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(s.Liste(u"Liste_Imprime"_s)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
        s.Choisit({12, 3, 7});
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>({3, 7, 12}));
        QCOMPARE(s.Numeros(u"Liste_QSO"_s).size(), 17);
        QVERIFY(!s.Numeros(u"Liste_QSO"_s).contains(7));
        QCOMPARE(s.selection->Lignes_Choisies().size(), 3);
        QVERIFY(s.selection->Lignes_Choisies()[0].startsWith(u"    3  F6A3"_s));
        // Back in its place, between its neighbours; nothing is left selected.
        s.Clique(u"Liste_Imprime"_s, 7);
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>({3, 12}));
        QCOMPARE(s.Numeros(u"Liste_QSO"_s).mid(4, 3), QList<int>({6, 7, 8}));
        QVERIFY(!s.Liste(u"Liste_QSO"_s)->selectionModel()->hasSelection());
        QVERIFY(!s.Liste(u"Liste_Imprime"_s)->selectionModel()->hasSelection());
    }

    // Two quick presses on the top line: the second comes as a double click, and moves the
    // line that took the place of the first.
    void clicsRapprochesSurLaPremiereLigne() {
        Scene s;
        QListView* l = s.Liste(u"Liste_QSO"_s);
        const QPoint haut = l->visualRect(l->model()->index(0, 0)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, haut);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, haut);
        QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, haut);
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>({1, 2}));
        QCOMPARE(s.Numeros(u"Liste_QSO"_s).value(0), 3);
    }

    void toutesLesLignesPuisRetour() {
        Scene s(3);
        s.Choisit({2, 1, 3});
        QCOMPARE(s.Numeros(u"Liste_QSO"_s), QList<int>());
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>({1, 2, 3}));
        // A click below the lines moves nothing.
        QTest::mouseClick(s.Liste(u"Liste_QSO"_s)->viewport(), Qt::LeftButton, {}, QPoint(20, 100));
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s).size(), 3);
    }

    // The arrows and End only move the current line; Enter or Space moves it to the other
    // list, the next line becoming the current one.
    void deplacementAuClavier() {
        Scene s(6);
        QListView* liste = s.Liste(u"Liste_QSO"_s);
        QApplication::setActiveWindow(s.selection);
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Up);
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>());
        QCOMPARE(liste->currentIndex().row(), 1);
        QTest::keyClick(liste, Qt::Key_Return);
        QTest::keyClick(liste, Qt::Key_Space);
        QTest::keyClick(liste, Qt::Key_End);
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>({2, 3}));
        QTest::keyClick(liste, Qt::Key_Enter);
        QCOMPARE(s.Numeros(u"Liste_Imprime"_s), QList<int>({2, 3, 6}));
        QCOMPARE(s.Numeros(u"Liste_QSO"_s), QList<int>({1, 4, 5}));
        // Back from the print list the same way.
        QListView* imprime = s.Liste(u"Liste_Imprime"_s);
        imprime->setFocus();
        QTest::keyClick(imprime, Qt::Key_Home);
        QTest::keyClick(imprime, Qt::Key_Return);
        QCOMPARE(s.Numeros(u"Liste_QSO"_s), QList<int>({1, 2, 4, 5}));
    }

    void premiereOuvertureDesEtiquettes() {
        Scene s;
        QWidget* e = s.Etiquettes();
        QVERIFY(e);
        QCOMPARE(e->windowTitle(), u"Impression d'étiquettes"_s);
        QCOMPARE(C<QLineEdit>(e, u"Rx_Tx"_s)->text(), QString());
        QCOMPARE(C<QLineEdit>(e, u"Antenne"_s)->text(), QString());
        QVERIFY(C<QRadioButton>(e, u"Langue(1)"_s)->isChecked());
        QVERIFY(C<QRadioButton>(e, u"Type_E(1)"_s)->isChecked());
        QCOMPARE(C<QRadioButton>(e, u"Type_E(1)"_s)->text(),
                 u"AVERY L7162                99.1 x 33.9     16 Etiquettes"_s);
        QCOMPARE(C<QRadioButton>(e, u"Type_E(4)"_s)->text(),
                 u"AVERY L7163                99.1 x 38.1     14 Etiquettes"_s);
        QVERIFY(C<QRadioButton>(e, u"Type_E(3)"_s)->toolTip().contains(u"bord à bord"_s));
        QCOMPARE(C<QLabel>(e, u"Label20"_s)->text(), u"16 caracteres maxi"_s);
        QCOMPARE(C<QLabel>(e, u"Label21"_s)->text(), u"13 catacteres maxi"_s);
        QCOMPARE(Couleur_Fond(C<QLineEdit>(e, u"Rx_Tx"_s)), QColor(192, 255, 192));
        QCOMPARE(Couleur_Fond(C<QLineEdit>(e, u"Antenne"_s)), QColor(255, 255, 192));
        QCOMPARE(C<QSpinBox>(e, u"Depart"_s)->value(), 1);
        QCOMPARE(C<QSpinBox>(e, u"Depart"_s)->maximum(), 16);
        QCOMPARE(C<QDoubleSpinBox>(e, u"Decalage_X"_s)->value(), 0.0);
        QCOMPARE(C<QLabel>(e, u"Label10"_s)->text(), u"De F19999  pour F1ZZZ"_s);
        QVERIFY(C<QLabel>(e, u"Label10"_s)->font().bold());
        C<QRadioButton>(e, u"Type_E(4)"_s)->click();
        QCOMPARE(C<QSpinBox>(e, u"Depart"_s)->maximum(), 14);
        // A second press brings the same window forward.
        QCOMPARE(s.Etiquettes(), e);
        QCOMPARE(s.principale.findChildren<QWidget*>(u"Etiquettes"_s).size(), 1);
    }

    void echantillonDansLesDeuxLangues() {
        Scene s;
        QWidget* e = s.Etiquettes();
        C<QRadioButton>(e, u"Langue(2)"_s)->click();
        const QStringList noms = {u"Label10"_s, u"Label5"_s,  u"Label11"_s,
                                  u"Label12"_s, u"Label13"_s, u"Label14"_s};
        const QStringList anglais = {u"From F19999  to F1ZZZ"_s,
                                     u"in QSO with F6ZZY"_s,
                                     u" Date  14/01/06   QTR 08:35"_s,
                                     u"Band  7 Mhz   RST 59   Mode SSB"_s,
                                     u"RX :  FT 847  Ant : Dipole 2x10m"_s,
                                     u"Pse QSL      73's from F19999"_s};
        const QStringList francais = {u"De F19999  pour F1ZZZ"_s,
                                      u"en QSO avec F6ZZY"_s,
                                      u"Date  14/01/06   QTR 08:35"_s,
                                      u"Bande  7 Mhz   RST 59   Mode SSB"_s,
                                      u"RX :  FT 847  Ant : Dipole 2x10m"_s,
                                      u"Pse QSL        73's de F19999"_s};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(C<QLabel>(e, noms[i])->text(), anglais[i]);
            // A screen reader hears the sample's text, not only which line it is.
            QCOMPARE(C<QLabel>(e, noms[i])->accessibleName(),
                     u"Exemple, ligne "_s + QString::number(i + 1) + u"\u00A0: "_s + anglais[i].trimmed());
        }
        C<QRadioButton>(e, u"Langue(1)"_s)->click();
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(C<QLabel>(e, noms[i])->text(), francais[i]);
        }
    }

    void reglesDEntree() {
        Scene s;
        QWidget* e = s.Etiquettes();
        QApplication::setActiveWindow(e);
        auto* rx = C<QLineEdit>(e, u"Rx_Tx"_s);
        auto* ant = C<QLineEdit>(e, u"Antenne"_s);
        rx->setFocus();
        rx->setText(QString(41, u'R'));
        QTest::keyClick(rx, Qt::Key_Return);
        QCOMPARE(s.b.messages.textes, QStringList({u"40 caracteres maxi"_s}));
        QCOMPARE(e->focusWidget(), rx);
        QCOMPARE(rx->text().size(), 41);
        rx->setText(u"  IC-R75  "_s);
        QTest::keyClick(rx, Qt::Key_Return);
        QCOMPARE(Couleur_Fond(rx), QColor(255, 255, 192));
        QCOMPARE(Couleur_Fond(ant), QColor(192, 255, 192));
        QCOMPARE(e->focusWidget(), ant);
        QTest::keyClicks(ant, QString(16, u'A'));
        QTest::keyClick(ant, Qt::Key_Return);
        QCOMPARE(s.b.messages.textes.last(), u"15 caracteres maxi"_s);
        ant->setText(u"Long fil 20m"_s);
        QTest::keyClick(ant, Qt::Key_Return);
        QCOMPARE(Couleur_Fond(ant), QColor(255, 255, 192));
        QCOMPARE(e->focusWidget(), C<QPushButton>(e, u"Imprime"_s));
    }

    // Refusals before anything is saved or printed: an antenna over 12 characters, or a
    // receiver and antenna with no room on line 5.
    void refusAvantLImpression_data() {
        QTest::addColumn<QString>("recepteur");
        QTest::addColumn<QString>("antenne");
        QTest::addColumn<QString>("debut");
        QTest::newRow("antenne de 13") << u"IC-R75"_s << u"Dipole 2x10mm"_s << u"12 caracteres maxi"_s;
        QTest::newRow("35 en tout") << QString(23, u'R') << QString(12, u'A')
                                    << u"Le récepteur et l'antenne tiennent en 34 caractères au plus"_s;
    }
    void refusAvantLImpression() {
        QFETCH(QString, recepteur);
        QFETCH(QString, antenne);
        QFETCH(QString, debut);
        Scene s;
        s.Choisit({1, 2});
        QWidget* e = s.Etiquettes();
        C<QLineEdit>(e, u"Rx_Tx"_s)->setText(recepteur);
        C<QLineEdit>(e, u"Antenne"_s)->setText(antenne);
        for (const QString& bouton : {u"Imprime"_s, u"Apercu"_s, u"Enregistre_Pdf"_s}) {
            s.b.messages.textes.clear();
            QTest::mouseClick(C<QPushButton>(e, bouton), Qt::LeftButton);
            QCOMPARE(s.b.messages.textes.size(), 1);
            QVERIFY2(s.b.messages.textes[0].startsWith(debut), qPrintable(s.b.messages.textes[0]));
        }
        QCOMPARE(s.b.imprimante.appels, QStringList());
        QCOMPARE(s.b.fichiers.appels, QStringList());
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Antenne, u"absent"_s), u"absent"_s);
    }

    // The whole job of two labels on stock 1, as the printer receives it.
    void travailDeDeuxEtiquettes() {
        Scene s;
        s.Choisit({2, 1});
        QWidget* e = s.Etiquettes();
        C<QLineEdit>(e, u"Rx_Tx"_s)->setText(u"IC-R75"_s);
        C<QLineEdit>(e, u"Antenne"_s)->setText(u"Long fil"_s);
        Fixe_Couleur_Fond(C<QLineEdit>(e, u"Antenne"_s), Couleur_Courante);
        QTest::mouseClick(C<QPushButton>(e, u"Imprime"_s), Qt::LeftButton);
        Parametres_Etiquettes p;
        p.station = {true, u"IC-R75"_s, u"Long fil"_s, u"F1ZZZ"_s};
        const QList<Feuille_Etiquettes> f = Met_En_Page(s.selection->Lignes_Choisies(), p);
        QStringList attendu = {u"choix"_s, u"police Courier New"_s};
        const auto place = [](const Texte_Place& t) -> QString {
            return u"a "_s + QString::number(t.x, 'f', 2) + u' ' + QString::number(t.y, 'f', 2) + u' ' +
                   t.texte;
        };
        const QList<Texte_Place>& t = f[0].textes;
        attendu << u"gras 1"_s << u"taille 15"_s << place(t[0]) << place(t[1]);
        attendu << u"gras 0"_s << u"taille 11"_s;
        for (int i = 2; i < 12; ++i) {
            attendu << place(t[i]);
        }
        attendu << u"fin"_s << u"police Arial"_s << u"taille 10"_s;
        QCOMPARE(s.b.imprimante.appels, attendu);
        QVERIFY(t[0].texte.contains(u"Pour F6A1"_s));
        QVERIFY(t[1].texte.contains(u"Pour F6A2"_s));
        // Settings saved; colours back to the field to fill next.
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Transceiver, u""_s), u"IC-R75"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Antenne, u""_s), u"Long fil"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Langue, u""_s), u"True"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Type_Etiquette, u""_s), u"1"_s);
        QCOMPARE(Couleur_Fond(C<QLineEdit>(e, u"Antenne"_s)), QColor(255, 255, 192));
        QCOMPARE(Couleur_Fond(C<QLineEdit>(e, u"Rx_Tx"_s)), QColor(192, 255, 192));
    }

    // "Page suivante ?" after each full sheet; "Non" prints the sheet just completed and stops.
    void pageSuivante_data() {
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("entrees");
        QTest::addColumn<QList<bool>>("reponses");
        QTest::addColumn<QStringList>("documents");
        QTest::newRow("stock 4, Oui") << 4 << 15 << QList<bool>{true} << QStringList({u"fin"_s, u"fin"_s});
        QTest::newRow("stock 4, Non") << 4 << 15 << QList<bool>{false} << QStringList({u"fin"_s});
        QTest::newRow("stock 2, plein, Oui")
            << 2 << 16 << QList<bool>{true} << QStringList({u"fin"_s, u"annule"_s});
        QTest::newRow("stock 3, deux feuilles")
            << 3 << 33 << QList<bool>{true, true} << QStringList({u"fin"_s, u"fin"_s, u"fin"_s});
    }
    void pageSuivante() {
        QFETCH(int, stock);
        QFETCH(int, entrees);
        QFETCH(QList<bool>, reponses);
        QFETCH(QStringList, documents);
        Scene s(entrees);
        QListView* liste = s.Liste(u"Liste_QSO"_s);
        for (int i = 0; i < entrees; ++i) {
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualRect(liste->model()->index(0, 0)).center());
        }
        QWidget* e = s.Etiquettes();
        C<QRadioButton>(e, u"Type_E("_s + QString::number(stock) + u')')->click();
        C<QCheckBox>(e, u"Arret_Imp"_s)->setChecked(true);
        s.b.messages.reponses = reponses;
        QTest::mouseClick(C<QPushButton>(e, u"Imprime"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes, QStringList(reponses.size(), u"Page suivante ?"_s));
        QCOMPARE(s.b.messages.inattendues, 0);
        QStringList fins;
        int textes = 0;
        for (const QString& a : s.b.imprimante.appels) {
            if (a == u"fin" || a == u"annule") {
                fins << a;
            }
            textes += a.startsWith(u"a "_s) ? 1 : 0;
        }
        QCOMPARE(fins, documents);
        const int par_feuille = Stock_Etiquettes_De(stock).etiquettes;
        const int imprimees =
            reponses.last() ? entrees + entrees % 2 : par_feuille * static_cast<int>(reponses.size());
        QCOMPARE(textes, imprimees * 6);
        QCOMPARE(s.b.imprimante.appels.last(), u"taille 10"_s);
    }

    // "Annuler" in the printer choice: no sheet used, the colours back, the settings kept.
    void annulerLeChoixDImprimante() {
        Scene s;
        s.Choisit({1});
        QWidget* e = s.Etiquettes();
        C<QLineEdit>(e, u"Rx_Tx"_s)->setText(u"IC-R75"_s);
        Fixe_Couleur_Fond(C<QLineEdit>(e, u"Rx_Tx"_s), Couleur_Repos);
        s.b.imprimante.choix = false;
        QTest::mouseClick(C<QPushButton>(e, u"Imprime"_s), Qt::LeftButton);
        QCOMPARE(s.b.imprimante.appels, QStringList({u"choix"_s}));
        QCOMPARE(Couleur_Fond(C<QLineEdit>(e, u"Rx_Tx"_s)), QColor(192, 255, 192));
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ZZZ"_s, cle::Transceiver, u""_s), u"IC-R75"_s);
    }

    void aucuneEntreeAnnuleLeDocument() {
        Scene s;
        QTest::mouseClick(C<QPushButton>(s.Etiquettes(), u"Imprime"_s), Qt::LeftButton);
        QCOMPARE(s.b.imprimante.appels, QStringList({u"choix"_s, u"police Courier New"_s, u"annule"_s,
                                                     u"police Arial"_s, u"taille 10"_s}));
    }

    // The stored choices per station, and a stored stock outside 1 to 4 read as the first.
    void reglagesRelus_data() {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<int>("attendu");
        QTest::newRow("3") << u"3"_s << 3;
        QTest::newRow("7") << u"7"_s << 1;
        QTest::newRow("texte") << u"deux"_s << 1;
    }
    void reglagesRelus() {
        QFETCH(QString, stock);
        QFETCH(int, attendu);
        Scene s;
        const QString section = u"Setup F1ZZZ"_s;
        s.b.reglages->Ecrire_Reglage(section, cle::Type_Etiquette, stock);
        s.b.reglages->Ecrire_Reglage(section, cle::Langue, u"False"_s);
        s.b.reglages->Ecrire_Reglage(section, cle::Transceiver, u"IC-R75"_s);
        s.b.reglages->Ecrire_Reglage(section, cle::Etiquette_Depart, u"5"_s);
        s.b.reglages->Ecrire_Reglage(section, cle::Decalage_X, u"-2.5"_s);
        s.b.reglages->Ecrire_Reglage(section, cle::Decalage_Y, u"99"_s);
        QWidget* e = s.Etiquettes();
        QVERIFY(C<QRadioButton>(e, u"Type_E("_s + QString::number(attendu) + u')')->isChecked());
        QVERIFY(C<QRadioButton>(e, u"Langue(2)"_s)->isChecked());
        QCOMPARE(C<QLabel>(e, u"Label10"_s)->text(), u"From F19999  to F1ZZZ"_s);
        QCOMPARE(C<QLineEdit>(e, u"Rx_Tx"_s)->text(), u"IC-R75"_s);
        QCOMPARE(C<QSpinBox>(e, u"Depart"_s)->value(), 5);
        QCOMPARE(C<QDoubleSpinBox>(e, u"Decalage_X"_s)->value(), -2.5);
        QCOMPARE(C<QDoubleSpinBox>(e, u"Decalage_Y"_s)->value(), 10.0);
        // The job writes every choice back.
        C<QDoubleSpinBox>(e, u"Decalage_Y"_s)->setValue(1.5);
        QTest::mouseClick(C<QPushButton>(e, u"Imprime"_s), Qt::LeftButton);
        QCOMPARE(s.b.reglages->Lire_Reglage(section, cle::Langue, u""_s), u"False"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(section, cle::Type_Etiquette, u""_s), QString::number(attendu));
        QCOMPARE(s.b.reglages->Lire_Reglage(section, cle::Decalage_Y, u""_s), u"1.5"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(section, cle::Etiquette_Depart, u""_s), u"5"_s);
    }

    void apercuPuisImpression() {
        Scene s;
        s.Choisit({1, 2, 3});
        QWidget* e = s.Etiquettes();
        QTest::mouseClick(C<QPushButton>(e, u"Apercu"_s), Qt::LeftButton);
        QCOMPARE(s.b.imprimante.appels.first(), u"apercu"_s);
        QVERIFY(!s.b.imprimante.appels.contains(u"choix"_s));
        QCOMPARE(s.b.imprimante.appels.filter(u"a "_s).size(), 4 * 6);
        QCOMPARE(s.b.imprimante.contours.size(), 16);
        // Printing from the preview is the same job, with the printer choice.
        s.b.imprimante.appels.clear();
        s.b.imprimante.apercu_imprime = true;
        QTest::mouseClick(C<QPushButton>(e, u"Apercu"_s), Qt::LeftButton);
        const int choix = static_cast<int>(s.b.imprimante.appels.indexOf(u"choix"_s));
        QVERIFY(choix > 0);
        QCOMPARE(s.b.imprimante.appels.mid(choix).filter(u"a "_s).size(), 4 * 6);
    }

    void enregistrementEnPdf() {
        Scene s;
        s.Choisit({1});
        QWidget* e = s.Etiquettes();
        s.b.horloge.local = QDateTime(QDate(2026, 12, 6), QTime(10, 0));
        s.b.fichiers.reponses = {u"/ailleurs/mes etiquettes"_s};
        QTest::mouseClick(C<QPushButton>(e, u"Enregistre_Pdf"_s), Qt::LeftButton);
        QCOMPARE(s.b.fichiers.appels,
                 QStringList({u"enregistrer Enregistrer les étiquettes en PDF | "_s + QDir::homePath() +
                              u"/F1ZZZ_Etiquettes_QSL_06_12_26.pdf | Fichiers PDF (*.pdf)"_s}));
        QCOMPARE(s.b.imprimante.appels.first(), u"pdf mes etiquettes.pdf"_s);
        QVERIFY(!s.b.imprimante.appels.contains(u"choix"_s));
        QCOMPARE(s.b.messages.textes,
                 QStringList({u"Étiquettes enregistrées dans le fichier\u00A0: mes etiquettes.pdf"_s}));
        // "Annuler" in the file dialog writes nothing.
        s.b.imprimante.appels.clear();
        QTest::mouseClick(C<QPushButton>(e, u"Enregistre_Pdf"_s), Qt::LeftButton);
        QCOMPARE(s.b.imprimante.appels, QStringList());
    }

    void fermerLesEtiquettesFermeLaSelection() {
        Scene s;
        QPointer<QWidget> e = s.Etiquettes();
        e->close();
        QTRY_VERIFY(!s.selection);
        // The other way round, the label window stays and then prints nothing.
        Scene t;
        QPointer<QWidget> e2 = t.Etiquettes();
        t.Choisit({1});
        t.selection->close();
        QTRY_VERIFY(!t.selection);
        QVERIFY(e2);
        QTest::mouseClick(C<QPushButton>(e2, u"Imprime"_s), Qt::LeftButton);
        QVERIFY(t.b.imprimante.appels.filter(u"a "_s).isEmpty());
    }
};

QTEST_MAIN(Tst_Etiquettes_Fenetre)
#include "tst_etiquettes_fenetre.moc"
