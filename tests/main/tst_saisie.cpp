#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/fenetres.h"
#include "support/doubles.h"
#include "support/scene_main.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QColor Vert(192, 255, 192);
const QColor Jaune(255, 255, 192);

QStringList Cinq_Lignes() {
    QStringList l;
    for (int i = 1; i <= 5; ++i) {
        l << Ligne_Test(u"F6AA"_s + QString::number(i), u"0"_s + QString::number(i) + u"/06/08"_s,
                        u"10:00"_s);
    }
    return l;
}

} // namespace

class Tst_Saisie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void horlogeAffichee() {
        Scene s({});
        QCOMPARE(s.C<QLabel>(u"Label37"_s)->text(), u"09:05 Utc"_s);
        QCOMPARE(s.C<QLabel>(u"Label34"_s)->text(), u"10:05 Loc"_s);
        QCOMPARE(s.C<QLabel>(u"Label33"_s)->text(), u"05/03/09"_s);
        s.b.horloge.utc = QDateTime(QDate(2010, 12, 31), QTime(23, 59, 0), Qt::UTC);
        // The next tick, within a second.
        QTRY_COMPARE(s.C<QLabel>(u"Label37"_s)->text(), u"23:59 Utc"_s);
        QCOMPARE(s.C<QLabel>(u"Label33"_s)->text(), u"31/12/10"_s);
        QCOMPARE(s.w->findChild<QTimer*>(u"Timer1"_s)->interval(), 1000);
    }

    void qsoCompletEnDateAutomatique() {
        const QString premiere = Ligne_Test(u"F6AAA"_s, u"01/03/09"_s, u"08:00"_s);
        Scene s({premiere});
        QCOMPARE(s.Focus(), s.C(u"Ind_A"_s));
        s.Jusqu_Au_Report_B();
        QCOMPARE(s.Focus(), s.C(u"RST_B"_s));
        s.Tape(u""_s);
        // Date and time come from the UTC clock; the chain skips them.
        QCOMPARE(s.C(u"Date_A"_s)->text(), u"05/03/09"_s);
        QCOMPARE(s.C(u"Heure_A"_s)->text(), u"09:05"_s);
        QVERIFY(!s.C(u"Date_A"_s)->isEnabled());
        QCOMPARE(s.Focus(), s.C<QComboBox>(u"Mode_A"_s));
        QCOMPARE(Couleur_Fond(s.C<QComboBox>(u"Mode_A"_s)), Vert);
        QCOMPARE(Couleur_Fond(s.C(u"RST_B"_s)), Jaune);
        s.Tape(u""_s);
        s.Tape(u""_s);
        QCOMPARE(s.Focus(), s.C<QCheckBox>(u"QSL_A"_s));
        QTest::keyClick(s.Focus(), Qt::Key_Space);
        QVERIFY(s.C<QCheckBox>(u"QSL_A"_s)->isChecked());
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        auto* valide = s.C<QPushButton>(u"Valide_A"_s);
        QCOMPARE(s.Focus(), valide);
        QVERIFY(valide->isEnabled());
        QCOMPARE(Couleur_Fond(valide), Vert);
        s.b.messages.reponses = {true};
        QTest::keyClick(valide, Qt::Key_Space);

        QCOMPARE(s.b.messages.textes, QStringList({u"Voulez vous enregistrer ces données ?"_s}));
        const QString attendue = u"F6XYZ        F5ABC        7513 JEAN            05/03/09 09:05 CW  7.0 Mhz "
                                 u"59  59  PARIS                          *"_s;
        QCOMPARE(attendue.size(), 114);
        QCOMPARE(s.Log(), Octets_Log({premiere, attendue}));
        QCOMPARE(s.b.Lit(u"Liste_Prenom.txt"_s), QByteArray("F6XYZ        75 JEAN\r\n"));
        QCOMPARE(s.w->Modele().Nombre(), 2);
        QCOMPARE(s.Liste()->currentIndex().row(), 1);
        // The form waits for the next QSO.
        for (const QString& nom : {u"Ind_A"_s, u"Dpt_A"_s, u"Prenom_A"_s, u"Rem_A"_s, u"Ind_B"_s, u"Dpt_B"_s,
                                   u"Date_A"_s, u"Heure_A"_s}) {
            QVERIFY2(s.C(nom)->text().isEmpty(), qPrintable(nom));
        }
        QCOMPARE(s.C(u"RST_A"_s)->text(), u"59"_s);
        QCOMPARE(s.C(u"RST_B"_s)->text(), u"59"_s);
        QCOMPARE(s.C<QComboBox>(u"Bande_A"_s)->currentIndex(), 2);
        QCOMPARE(s.C<QComboBox>(u"Mode_A"_s)->currentIndex(), 1);
        QVERIFY(!s.C<QCheckBox>(u"QSL_A"_s)->isChecked());
        QVERIFY(!valide->isEnabled());
        QCOMPARE(Couleur_Fond(valide), QApplication::palette().color(QPalette::Button));
        QCOMPARE(s.Focus(), s.C(u"Ind_A"_s));
        QCOMPARE(Couleur_Fond(s.C(u"Ind_A"_s)), Vert);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        QVERIFY(s.C<QPushButton>(u"Annule_Saisie"_s)->isEnabled());

        // The same callsign again: the directory gives back its department and first name.
        s.Tape(u"F6XYZ"_s);
        QCOMPARE(s.C(u"Dpt_A"_s)->text(), u"75"_s);
        QCOMPARE(s.C(u"Prenom_A"_s)->text(), u"JEAN"_s);
    }

    void dateManuelleInsereDansLOrdre() {
        const QStringList log = {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s),
                                 Ligne_Test(u"F6BBB"_s, u"02/06/08"_s, u"11:00"_s),
                                 Ligne_Test(u"F6CCC"_s, u"03/06/08"_s, u"12:00"_s)};
        Scene s(log, u"Non"_s);
        s.Jusqu_Au_Report_B();
        s.Tape(u""_s);
        QCOMPARE(s.Focus(), s.C(u"Date_A"_s));
        s.Tape(u"02/06/08"_s);
        s.Tape(u"11:30"_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.b.messages.reponses = {true};
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        QCOMPARE(s.w->Modele().Nombre(), 4);
        QVERIFY(s.w->Modele().Ligne(2).startsWith(u"    3  F6XYZ"_s));
        QVERIFY(s.w->Modele().Ligne(3).startsWith(u"    4  F6CCC"_s));
        QCOMPARE(s.C(u"Date_A"_s)->text(), u"02/06/08"_s);
        QVERIFY(!s.C(u"Date_A"_s)->isEnabled());
    }

    void modificationGardeSaPlace() {
        Scene s(Cinq_Lignes());
        s.Double_Clique(2);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Modification QSO"_s);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA3       "_s);
        QVERIFY(s.C(u"Ind_A"_s)->isEnabled());
        QCOMPARE(s.Focus(), s.C(u"Ind_A"_s));
        QVERIFY(s.C<QPushButton>(u"Valide_A"_s)->isEnabled());
        s.C(u"Heure_A"_s)->setText(u"23:59"_s);
        s.C(u"Date_A"_s)->setText(u"30/12/08"_s);
        // Typing in the mode while editing leaves the remembered mode alone.
        QTest::keyClicks(s.C<QComboBox>(u"Mode_A"_s), u"x"_s);
        s.C<QComboBox>(u"Mode_A"_s)->setCurrentIndex(0);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Mode_Utilise, u""_s), u"1"_s);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
        QStringList attendu = Cinq_Lignes();
        attendu[2] = Ligne_Test(u"F6AA3"_s, u"30/12/08"_s, u"23:59"_s);
        QCOMPARE(s.Log(), Octets_Log(attendu));
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        // The remembered band and mode were not touched by the edit.
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, u""_s), u"2"_s);
    }

    void modificationDUnDeDeuxDoublesNeChangeQueLui() {
        const QString l = Ligne_Test(u"F6DUP"_s, u"01/06/08"_s, u"10:00"_s);
        Scene s({l, l});
        s.Double_Clique(1);
        s.C(u"Heure_A"_s)->setText(u"11:00"_s);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
        QCOMPARE(s.Log(), Octets_Log({l, Ligne_Test(u"F6DUP"_s, u"01/06/08"_s, u"11:00"_s)}));
    }

    void nonALaConfirmationNeChangeRien() {
        Scene s(Cinq_Lignes());
        const QByteArray avant = s.Log();
        s.Double_Clique(1);
        s.C(u"Heure_A"_s)->setText(u"23:59"_s);
        s.b.messages.reponses = {false};
        QTest::mouseClick(s.C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
        QCOMPARE(s.Log(), avant);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        QCOMPARE(s.C(u"Heure_A"_s)->text(), u""_s);
        // The list is no longer locked: a click shows the entry again.
        s.Clique(0);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA1"_s);
    }

    void suppressionAvecOuiEtNon() {
        Scene s(Cinq_Lignes());
        s.Clique(1);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA2"_s);
        QVERIFY(!s.C(u"Ind_A"_s)->isEnabled());
        s.b.messages.reponses = {false};
        QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
        QCOMPARE(s.Log(), Octets_Log(Cinq_Lignes()));
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u""_s);
        QVERIFY(!s.C<QPushButton>(u"Annule_Saisie"_s)->isEnabled());
        s.Clique(1);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
        QStringList attendu = Cinq_Lignes();
        attendu.removeAt(1);
        QCOMPARE(s.Log(), Octets_Log(attendu));
        QCOMPARE(s.b.messages.textes,
                 QStringList({u"Voulez vous Supprimer ce QSO ?"_s, u"Voulez vous Supprimer ce QSO ?"_s}));
        QCOMPARE(s.w->Modele().Nombre(), 4);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u""_s);
        QVERIFY(!s.C<QPushButton>(u"Annule_Saisie"_s)->isEnabled());
    }

    void suppressionDUnDeDeuxDoubles() {
        const QString l = Ligne_Test(u"F6DUP"_s, u"01/06/08"_s, u"10:00"_s);
        const QString autre = Ligne_Test(u"F6X"_s, u"01/06/08"_s, u"11:00"_s);
        Scene s({l, autre, l});
        s.Clique(2);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
        QCOMPARE(s.Log(), Octets_Log({l, autre}));
    }

    void listeBloqueePendantLaModification() {
        Scene s(Cinq_Lignes());
        s.Double_Clique(0);
        s.Clique(3);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA1       "_s);
        s.Double_Clique(4);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA1       "_s);
        QTest::mouseClick(s.C<QPushButton>(u"Efface_A"_s), Qt::LeftButton);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        s.Clique(3);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA4"_s);
    }

    // The view reports double clicks on a line only; one on the empty list is caught too.
    void doubleCliqueSansSelection() {
        Scene s({});
        QTest::mouseDClick(s.Liste()->viewport(), Qt::LeftButton, {}, QPoint(40, 30));
        QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes, QStringList({u"Cliquez sur une ligne pour l'editer"_s}));
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
    }

    // An entry whose bytes do not come back the same from its list line is deleted all the same.
    void entreeEndommageeSupprimee() {
        Scene s({Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        const QByteArray bon = s.Log();
        s.b.Ecrit(u"F1ABC_SWL.log"_s, bon + QByteArray(60, '\0') + "\xff\x81\r\n");
        s.w->Charge_Log();
        s.Clique(1);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes, QStringList({u"Voulez vous Supprimer ce QSO ?"_s}));
        QCOMPARE(s.Log(), bon);
        QCOMPARE(s.w->Modele().Nombre(), 1);
    }

    // Letters whose capitals the log cannot hold are saved as typed.
    void microEtFlorinEnregistresCommeTapes() {
        Scene s({});
        Tape_Jusqu_A(s, u"µlodie"_s, u"ƒécamp"_s);
        s.b.messages.reponses = {true};
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        QCOMPARE(s.b.messages.textes, QStringList({u"Voulez vous enregistrer ces données ?"_s}));
        const QByteArray log = s.Log();
        QCOMPARE(log.mid(31, 15), QByteArray("\xB5LODIE         "));
        QCOMPARE(log.mid(82, 30), QByteArray("\x83\xC9"
                                             "CAMP")
                                      .leftJustified(30, ' '));
    }

    void insertionPuisEffaceRevientALAjout() {
        Scene s({Ligne_Test(u"F6AAA"_s, u"05/03/09"_s, u"10:00"_s)});
        QTest::mouseClick(s.C<QPushButton>(u"Ajout_QSO"_s), Qt::LeftButton);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Insertion QSO"_s);
        s.Jusqu_Au_Report_B();
        s.Tape(u""_s);
        // Inserting: the date is typed even with the automatic date.
        QCOMPARE(s.Focus(), s.C(u"Date_A"_s));
        QTest::mouseClick(s.C<QPushButton>(u"Efface_A"_s), Qt::LeftButton);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        s.Jusqu_Au_Report_B();
        s.Tape(u""_s);
        QCOMPARE(s.Focus(), s.C<QComboBox>(u"Mode_A"_s));
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.b.messages.reponses = {true};
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        // Appended at the end although 09:05 is earlier than the entry of 10:00.
        QVERIFY(s.w->Modele().Ligne(1).startsWith(u"    2  F6XYZ"_s));
    }

    void insertionApresUnClicReprendLaSaisie() {
        Scene s(Cinq_Lignes(), u"Non"_s);
        s.Clique(4);
        QTest::mouseClick(s.C<QPushButton>(u"Ajout_QSO"_s), Qt::LeftButton);
        QVERIFY(s.C(u"Ind_A"_s)->isEnabled());
        QCOMPARE(s.Focus(), s.C(u"Ind_A"_s));
    }

    void refusGardeTexteEtFocus_data() {
        QTest::addColumn<int>("etape");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("reste");
        QTest::addColumn<QString>("message");
        QTest::newRow("indicatif 13")
            << 0 << u"f1abcdefghijk"_s << u"F1ABCDEFGHIJK"_s << u"12 caracteres maxi pour l'indicatif"_s;
        QTest::newRow("dpt 3") << 1 << u"2A1"_s << u"2a1"_s << u"2 caracteres maxi pour le Departement"_s;
        QTest::newRow("rst vide") << 2 << u""_s << u""_s << u"Entrez un Report"_s;
        QTest::newRow("rst 69") << 2 << u"69"_s << u"69"_s << u"R (de RST)doit etre compris entre 0 et 5"_s;
        QTest::newRow("rst 5999") << 7 << u"5999"_s << u"5999"_s << u"3 caracteres maxi pour le Report"_s;
        QTest::newRow("prénom 16") << 3 << u"abcdefghijklmnop"_s << u"ABCDEFGHIJKLMNOP"_s
                                   << u"15 caracteres maxi pour le Prenom"_s;
        QTest::newRow("indicatif B vide") << 5 << u""_s << u""_s << u"Entrez un indicatif"_s;
        QTest::newRow("date vide") << 8 << u""_s << u""_s << u"Entrez une date"_s;
        QTest::newRow("date 1/6/08") << 8 << u"1/6/08"_s << u"1/6/08"_s
                                     << u"8 caracteres pour la date ex 01/06/08"_s;
        QTest::newRow("date 01/13/08")
            << 8 << u"01/13/08"_s << u"01/13/08"_s << u"Le format de la date doit etre JJ/MM/AA"_s;
        QTest::newRow("heure 24:00") << 9 << u"24:00"_s << u"24:00"_s
                                     << u"Le format de l'heure doit etre HH:MM"_s;
        QTest::newRow("heure 1525") << 9 << u"1525"_s << u"1525"_s << u"5 caracteres l'heure ex 15:25"_s;
    }
    void refusGardeTexteEtFocus() {
        QFETCH(int, etape);
        QFETCH(QString, texte);
        QFETCH(QString, reste);
        QFETCH(QString, message);
        Scene s({}, u"Non"_s);
        const QStringList bons = {u"F6XYZ"_s, u"75"_s, u""_s, u"JEAN"_s,     u"PARIS"_s,
                                  u"F5ABC"_s, u"13"_s, u""_s, u"01/06/08"_s, u"10:00"_s};
        for (int i = 0; i < etape; ++i) {
            s.Tape(bons[i]);
        }
        auto* champ = qobject_cast<QLineEdit*>(s.Focus());
        QVERIFY(champ);
        champ->clear();
        s.Tape(texte);
        QCOMPARE(s.b.messages.textes, QStringList({message}));
        QCOMPARE(s.Focus(), champ);
        QCOMPARE(Couleur_Fond(champ), Vert);
        QCOMPARE(champ->text(), reste);
    }

    void collerUnCaractereQueLeJournalNePeutGarder() {
        Scene s({});
        s.Tape(u"F6XYZ"_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.C(u"Rem_A"_s)->setText(u"WROCłAW"_s);
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        QCOMPARE(s.b.messages.textes,
                 QStringList({u"Le texte contient «\u00A0ł\u00A0», que le journal ne peut pas enregistrer. "
                              u"Retirez ce caractère ou remplacez-le."_s}));
        QCOMPARE(s.Focus(), s.C(u"Rem_A"_s));
        QVERIFY(!s.C(u"Ind_B"_s)->isEnabled());
    }

    void departementEnMinusculesALEntree() {
        Scene s({});
        s.Tape(u"F6XYZ"_s);
        s.Tape(u"2A"_s);
        QCOMPARE(s.C(u"Dpt_A"_s)->text(), u"2a"_s);
        QCOMPARE(s.Focus(), s.C(u"RST_A"_s));
        // The preset report is replaced by what is typed.
        s.Tape(u"57"_s);
        QCOMPARE(s.C(u"RST_A"_s)->text(), u"57"_s);
        QCOMPARE(s.Focus(), s.C(u"Prenom_A"_s));
    }

    void modeTropLongPourLeJournal() {
        Scene s({});
        s.Jusqu_Au_Report_B();
        s.Tape(u""_s);
        auto* mode = s.C<QComboBox>(u"Mode_A"_s);
        mode->lineEdit()->clear();
        s.Tape(u"psk31"_s);
        QCOMPARE(mode->currentText(), u"PSK31"_s);
        QCOMPARE(s.Focus(), mode);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].contains(u"3 caractères"_s));
        QCOMPARE(mode->count(), 4);
    }

    // A spot of the cluster goes into a form waiting for a new QSO only.
    void spotDuCluster() {
        Scene s(Cinq_Lignes());
        QVERIFY(s.w->Prend_Spot(u"JA1AAA"_s, u"14 Mhz"_s));
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"JA1AAA"_s);
        QCOMPARE(s.C<QComboBox>(u"Bande_A"_s)->currentText(), u"14 Mhz"_s);
        QCOMPARE(s.Focus(), s.C(u"Ind_A"_s));
        // Another spot replaces it; a frequency outside the logbook's bands leaves the band
        // empty, to be chosen, rather than the last one.
        QVERIFY(s.w->Prend_Spot(u"VK2ABC"_s, u""_s));
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"VK2ABC"_s);
        QCOMPARE(s.C<QComboBox>(u"Bande_A"_s)->currentText(), u""_s);
        QCOMPARE(s.C<QComboBox>(u"Bande_A"_s)->currentIndex(), -1);
        // The QSO goes on from the keyboard as if typed.
        s.Tape(u""_s);
        QCOMPARE(s.Focus(), s.C(u"Dpt_A"_s));
        QVERIFY(!s.w->Prend_Spot(u"K1ABC"_s, u"7.0 Mhz"_s));
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"VK2ABC"_s);
        // Typed by hand, an entry edited: refused. A line only shown is no QSO typed: taken.
        QTest::mouseClick(s.C<QPushButton>(u"Efface_A"_s), Qt::LeftButton);
        QTest::keyClicks(s.C(u"Ind_A"_s), u"f5"_s);
        QVERIFY(!s.w->Prend_Spot(u"K1ABC"_s, u"7.0 Mhz"_s));
        QTest::mouseClick(s.C<QPushButton>(u"Efface_A"_s), Qt::LeftButton);
        s.Clique(2);
        QVERIFY(s.w->Prend_Spot(u"K1ABC"_s, u"7.0 Mhz"_s));
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"K1ABC"_s);
        QVERIFY(s.C(u"Ind_A"_s)->isEnabled());
        QCOMPARE(s.C(u"Date_A"_s)->text(), QString());
        QTest::mouseClick(s.C<QPushButton>(u"Efface_A"_s), Qt::LeftButton);
        s.Double_Clique(2);
        QVERIFY(!s.w->Prend_Spot(u"K1ABC"_s, u"7.0 Mhz"_s));
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6AA3       "_s);
    }

    void premiereInstallationAChaqueTouche() {
        Banc b;
        Main w(b.services);
        Quand_Modal([](QWidget* modal) { modal->close(); });
        w.Form_Load();
        b.messages.textes.clear();
        auto* ind = w.findChild<QLineEdit*>(u"Ind_A"_s);
        QTest::keyClicks(ind, u"a"_s);
        QTest::keyClick(ind, Qt::Key_Return);
        QCOMPARE(ind->text(), u"a"_s);
        const QString m = u"\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                          u"Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."_s;
        QCOMPARE(b.messages.textes, QStringList({m, m}));
        QVERIFY(!w.findChild<QLineEdit*>(u"Dpt_A"_s)->isEnabled());
    }

    void bandeRetenueAvantLaTouche() {
        Scene s({});
        s.Jusqu_Au_Report_B();
        s.Tape(u""_s);
        s.Tape(u""_s);
        auto* bande = s.C<QComboBox>(u"Bande_A"_s);
        QCOMPARE(s.Focus(), bande);
        bande->setCurrentIndex(9);
        bande->lineEdit()->selectAll();
        QTest::keyClicks(bande, u"1"_s);
        // The position the band had when the key arrived.
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, u""_s), u"9"_s);
        QTest::keyClicks(bande, u"44 Mhz"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, u""_s), u"-1"_s);
        QCOMPARE(bande->currentText(), u"144 MHZ"_s);
        QCOMPARE(bande->count(), 13);
    }

    void menuDate() {
        Scene s({}, u"Non"_s);
        s.C(u"Date_A"_s)->setText(u"01/06/08"_s);
        s.w->findChild<QAction*>(u"Mnu_Date_Man"_s)->trigger();
        QCOMPARE(s.C(u"Date_A"_s)->text(), u"01/06/08"_s);
        QVERIFY(s.w->findChild<QAction*>(u"Mnu_Date_Man"_s)->isChecked());
        QVERIFY(!s.w->findChild<QAction*>(u"Mnu_Date_Auto"_s)->isChecked());
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Date_Auto, u""_s), u"Non"_s);
        s.w->findChild<QAction*>(u"Mnu_Date_Auto"_s)->trigger();
        QCOMPARE(s.C(u"Date_A"_s)->text(), u""_s);
        QVERIFY(s.w->findChild<QAction*>(u"Mnu_Date_Auto"_s)->isChecked());
        QVERIFY(!s.w->findChild<QAction*>(u"Mnu_Date_Man"_s)->isChecked());
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Date_Auto, u""_s), u"Oui"_s);
    }

    void enregistrementEchoueFormulaireIntact() {
        Scene s({Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)}, u"Non"_s);
        const QByteArray avant = s.Log();
        // The ordered insertion's temporary file cannot be written.
        QDir(s.b.repertoire).mkdir(u"Temporaire6.txt"_s);
        s.Jusqu_Au_Report_B();
        s.Tape(u""_s);
        s.Tape(u"01/06/08"_s);
        s.Tape(u"09:00"_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.Tape(u""_s);
        s.b.messages.reponses = {true};
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        QCOMPARE(s.b.messages.textes.size(), 2);
        QVERIFY(s.b.messages.textes[1].contains(u"Temporaire6.txt"_s));
        QCOMPARE(s.Log(), avant);
        QCOMPARE(s.b.Lit(u"Liste_Prenom.txt"_s), QByteArray());
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6XYZ"_s);
        QCOMPARE(s.C(u"Prenom_A"_s)->text(), u"JEAN"_s);
        QCOMPARE(s.C(u"Heure_A"_s)->text(), u"09:00"_s);
        QVERIFY(s.C<QPushButton>(u"Valide_A"_s)->isEnabled());
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        // Once the folder is gone the same form saves.
        QDir(s.b.repertoire).rmdir(u"Temporaire6.txt"_s);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
        QCOMPARE(s.w->Modele().Nombre(), 2);
        QVERIFY(s.w->Modele().Ligne(0).startsWith(u"    1  F6XYZ"_s));
    }

    void caractereInterditAuMomentDEnregistrer() {
        Scene s(Cinq_Lignes());
        const QByteArray avant = s.Log();
        s.Double_Clique(0);
        s.C(u"Rem_A"_s)->setText(u"GYőR"_s);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes.size(), 2);
        QVERIFY(s.b.messages.textes[1].contains(u"«\u00A0ő\u00A0»"_s));
        QCOMPARE(s.Log(), avant);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Modification QSO"_s);
        QCOMPARE(s.C(u"Rem_A"_s)->text(), u"GYőR"_s);
    }
};

QTEST_MAIN(Tst_Saisie)
#include "tst_saisie.moc"
