#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/fenetres.h"
#include "support/doubles.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// The main window at rest on F1ABC, with the station window opened from the menu.
struct Scene {
    Banc b;
    Main w{b.services};
    QDialog* station = nullptr;

    Scene() {
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, 5);
        w.Form_Load();
        w.findChild<QAction*>(u"Mnu_New_Indicatif"_s)->trigger();
        station = w.findChild<QDialog*>(u"Station"_s);
    }
    QLineEdit* Saisie() const { return station->findChild<QLineEdit*>(u"New_Indicatif"_s); }
    void Valide(const QString& texte) const {
        Saisie()->setText(texte);
        QTest::mouseClick(station->findChild<QPushButton*>(u"Validation"_s), Qt::LeftButton);
    }
};

} // namespace

class Tst_Station : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void captionsALOuverture() {
        Scene s;
        QVERIFY(s.station);
        QVERIFY(!s.station->isModal());
        QCOMPARE(s.station->windowTitle(), u"Selection Indicaif"_s);
        QCOMPARE(s.station->findChild<QLabel*>(u"Label2"_s)->text(), u"Indicatif de la Station"_s);
        QCOMPARE(s.station->findChild<QLabel*>(u"Label3"_s)->text(), u"Indicatif"_s);
        QCOMPARE(s.station->findChild<QLabel*>(u"Label5"_s)->text(),
                 u"!!! Pour la saisie la '/' est remplacée par le '_'"_s);
        QCOMPARE(s.station->findChild<QPushButton*>(u"Validation"_s)->text(), u"Validez"_s);
        QCOMPARE(Couleur_Fond(s.Saisie()), QColor(192, 255, 192));
        // Loaded once: the menu brings the same window forward.
        s.w.findChild<QAction*>(u"Mnu_New_Indicatif"_s)->trigger();
        QCOMPARE(s.w.findChildren<QDialog*>(u"Station"_s).size(), 1);
    }

    void refus_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reste");
        QTest::newRow("vide") << u""_s << u"Vous devez entrer un indicatif"_s << u""_s;
        QTest::newRow("13 caractères")
            << u"F1ABCDEFGHIJK"_s << u"12 caracteres maximum pour l'indicatif"_s << u"F1ABCDEFGHIJK"_s;
        QTest::newRow("tiret")
            << u"F1-ABC"_s << u"L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "_s
            << u""_s;
        QTest::newRow("accent")
            << u"F1ÉTÉ"_s << u"L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "_s
            << u""_s;
    }
    void refus() {
        QFETCH(QString, texte);
        QFETCH(QString, message);
        QFETCH(QString, reste);
        Scene s;
        s.Valide(texte);
        QCOMPARE(s.b.messages.textes, QStringList({message}));
        QCOMPARE(s.Saisie()->text(), reste);
        QVERIFY(s.station->isVisible());
        // The refused text never becomes the station.
        QCOMPARE(s.w.Indicatif_Station(), u"F1ABC"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, cle::Indicatif_Station, u""_s), u"F1ABC"_s);
    }

    void saisieEnCapitalesEtSlashEnSouligne() {
        Scene s;
        QTest::keyClicks(s.Saisie(), u"f1abc/p"_s);
        QCOMPARE(s.Saisie()->text(), u"F1ABC_P"_s);
        QTest::keyClick(s.Saisie(), Qt::Key_Return);
        QCOMPARE(Couleur_Fond(s.Saisie()), QColor(Qt::white));
        QCOMPARE(s.station->focusWidget(), s.station->findChild<QPushButton*>(u"Validation"_s));
        QVERIFY(s.station->isVisible());
    }

    void nouvelleStationLogVideBandeEtModeZero() {
        Scene s;
        s.Valide(u"F1ABC_P12345"_s);
        QVERIFY(s.b.messages.textes.isEmpty());
        QVERIFY(!s.station || !s.station->isVisible());
        QCOMPARE(s.b.Lit(u"F1ABC_P12345_SWL.log"_s), QByteArray());
        QVERIFY(QFile::exists(s.b.Chemin(u"F1ABC_P12345_SWL.log"_s)));
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, cle::Indicatif_Station, u""_s), u"F1ABC_P12345"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC_P12345"_s, cle::Bande_Utilisee, u""_s), u"0"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC_P12345"_s, cle::Mode_Utilise, u""_s), u"0"_s);
        QCOMPARE(s.w.Indicatif_Station(), u"F1ABC_P12345"_s);
        QCOMPARE(s.w.findChild<QLabel*>(u"I_Station"_s)->text(), u"F1ABC/P12345"_s);
        QCOMPARE(s.w.findChild<QComboBox*>(u"Bande_A"_s)->currentIndex(), 0);
        QCOMPARE(s.w.Modele().Nombre(), 0);
    }

    void stationExistanteGardeSonLogEtSesReglages() {
        Scene s;
        const QStringList lignes = {Ligne_Test(u"F6XXX"_s, u"01/06/08"_s, u"10:00"_s),
                                    Ligne_Test(u"F6YYY"_s, u"02/06/08"_s, u"10:00"_s)};
        s.b.Ecrit(u"F2XYZ_SWL.log"_s, Octets_Log(lignes));
        s.b.reglages->Ecrire_Reglage(u"Setup F2XYZ"_s, cle::Bande_Utilisee, 7);
        s.b.reglages->Ecrire_Reglage(u"Setup F2XYZ"_s, cle::Mode_Utilise, 2);
        s.Valide(u"f2xyz"_s);
        QCOMPARE(s.b.Lit(u"F2XYZ_SWL.log"_s), Octets_Log(lignes));
        QCOMPARE(s.w.findChild<QComboBox*>(u"Bande_A"_s)->currentIndex(), 7);
        QCOMPARE(s.w.findChild<QComboBox*>(u"Mode_A"_s)->currentIndex(), 2);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F2XYZ"_s, cle::Bande_Utilisee, u""_s), u"7"_s);
        QCOMPARE(s.w.Modele().Nombre(), 2);
        QVERIFY(s.w.Modele().Ligne(1).startsWith(u"    2  F6YYY"_s));
        // Back to the first station: its band comes back.
        s.w.findChild<QAction*>(u"Mnu_New_Indicatif"_s)->trigger();
        s.station = s.w.findChild<QDialog*>(u"Station"_s);
        s.Valide(u"F1ABC"_s);
        QCOMPARE(s.w.findChild<QComboBox*>(u"Bande_A"_s)->currentIndex(), 5);
        QCOMPARE(s.w.Modele().Nombre(), 1);
    }

    void cycleDeRecuperationDuLogManquant() {
        Banc b;
        b.reglages->Ecrire_Reglage(u"Setup "_s, cle::Indicatif_Station, u"F1ABC"_s);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, 4);
        {
            Main w(b.services);
            Quand_Modal([&](QWidget* modal) {
                QCOMPARE(modal->findChild<QLabel*>(u"Label2"_s)->text(), u"ERREUR 53"_s);
                QCOMPARE(modal->findChild<QLabel*>(u"Ind_Station"_s)->text(), u"F1ABC"_s);
                QTest::mouseClick(modal->findChild<QPushButton*>(u"Initialisation"_s), Qt::LeftButton);
                QVERIFY(modal->isVisible());
                QTest::mouseClick(modal->findChild<QPushButton*>(u"Quitter"_s), Qt::LeftButton);
                modal->close();
            });
            w.Form_Load();
            QCOMPARE(b.programme.fins, 1);
        }
        QCOMPARE(b.reglages->Lire_Reglage(u"Setup "_s, cle::Indicatif_Station, u""_s), u"FXXXX"_s);
        QCOMPARE(b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, u""_s), u"4"_s);
        // The next start asks for the callsign; choosing it again makes the missing log.
        Main w(b.services);
        Quand_Modal([](QWidget* modal) {
            modal->findChild<QLineEdit*>(u"New_Indicatif"_s)->setText(u"F1ABC"_s);
            QTest::mouseClick(modal->findChild<QPushButton*>(u"Validation"_s), Qt::LeftButton);
        });
        w.Form_Load();
        QCOMPARE(b.messages.textes,
                 QStringList({u"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"_s}));
        QVERIFY(QFile::exists(b.Chemin(u"F1ABC_SWL.log"_s)));
        QCOMPARE(w.Indicatif_Station(), u"F1ABC"_s);
    }
};

QTEST_MAIN(Tst_Station)
#include "tst_station.moc"
