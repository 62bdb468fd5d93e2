// The receiver seen from the windows, against Hamlib's dummy receiver: the frequency beside the
// clock, the band and mode of a new QSO following it, edits left alone, the receiver window.
#include "core/program/reglages.h"
#include "main/main.h"
#include "platform/recepteur.h"
#include "radio/fenetre_recepteur.h"
#include "support/doubles.h"
#include "support/rigctld_factice.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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

// The main window on station F1ABC, a receiver read every 200 ms from the dummy.
struct Scene {
    Rigctld_Factice rigctld{Port_Libre()};
    Banc b;
    Recepteur recepteur;
    std::unique_ptr<Main> w;

    explicit Scene(bool avec_recepteur = true) {
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F5ABC"_s, u"01/06/08"_s, u"10:00"_s)});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, 0);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Mode_Utilise, 1);
        b.services.recepteur = &recepteur;
        if (avec_recepteur) {
            recepteur.Configure(Reglage());
        }
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
    }
    Reglage_Recepteur Reglage() const {
        Reglage_Recepteur r;
        r.sorte = Reglage_Recepteur::Sorte::Rigctld;
        r.port = rigctld.port();
        r.intervalle_ms = 200;
        return r;
    }
    template <class T = QLineEdit> T* C(const QString& nom) const {
        T* c = w->findChild<T*>(nom);
        if (!c) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return c;
    }
    QString Bande() const { return C<QComboBox>(u"Bande_A"_s)->currentText(); }
    QString Mode() const { return C<QComboBox>(u"Mode_A"_s)->currentText(); }
    QLabel* Frequence() const { return C<QLabel>(u"Frequence_Recepteur"_s); }
    QString Reglage_Station(const QString& cle) const {
        return b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle, QString());
    }
    void Tape(const QString& texte) const {
        for (const QChar c : texte) {
            QTest::sendKeyEvent(QTest::Click, w->focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    }
    // Two intervals, and a margin for a busy machine.
    static constexpr int Delai_Ms = 2000;
};

} // namespace

class Tst_Recepteur_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void bandeEtModeSuiventLeRecepteur() {
        Scene s;
        QTRY_COMPARE(s.Frequence()->text(), u"145\u00A0000,0\u00A0kHz FM"_s);
        QVERIFY(s.Frequence()->isVisible());
        QCOMPARE(s.Bande(), u"144 Mhz"_s);
        QCOMPARE(s.Mode(), u"FM"_s);
        QCOMPARE(s.Frequence()->toolTip(), u"Récepteur\u00A0: connecté"_s);

        QCOMPARE(s.rigctld.Commande("F 7074000"), "RPRT 0");
        QCOMPARE(s.rigctld.Commande("M PKTUSB 3000"), "RPRT 0");
        QTRY_COMPARE_WITH_TIMEOUT(s.Bande(), u"7.0 Mhz"_s, Scene::Delai_Ms);
        QTRY_COMPARE_WITH_TIMEOUT(s.Mode(), u"DIG"_s, Scene::Delai_Ms);
        QCOMPARE(s.Frequence()->text(), u"7\u00A0074,0\u00A0kHz PKTUSB"_s);
        QCOMPARE(s.Frequence()->accessibleName(), u"Fréquence du récepteur 7\u00A0074,0\u00A0kHz PKTUSB"_s);
        // Remembered as when the user chooses them.
        QCOMPARE(s.Reglage_Station(cle::Bande_Utilisee), u"2"_s);
        QCOMPARE(s.Reglage_Station(cle::Mode_Utilise), u"3"_s);

        // Out of every band: the band stays, the frequency is shown.
        QCOMPARE(s.rigctld.Commande("F 5000000"), "RPRT 0");
        QTRY_COMPARE(s.Frequence()->text(), u"5\u00A0000,0\u00A0kHz PKTUSB"_s);
        QCOMPARE(s.Bande(), u"7.0 Mhz"_s);
        // AM is typed in the mode field, and not remembered (the list has no AM).
        QCOMPARE(s.rigctld.Commande("M AM 6000"), "RPRT 0");
        QTRY_COMPARE(s.Mode(), u"AM"_s);
        QCOMPARE(s.Reglage_Station(cle::Mode_Utilise), u"3"_s);
        // The 27 MHz band.
        QCOMPARE(s.rigctld.Commande("F 27555000"), "RPRT 0");
        QTRY_COMPARE(s.Bande(), u"27 Mhz"_s);
    }

    // While a QSO is typed the user may choose another band: kept until the receiver moves.
    void choixDeLUtilisateurGardeJusquAuChangement() {
        Scene s;
        QTRY_COMPARE(s.Bande(), u"144 Mhz"_s);
        auto* bande = s.C<QComboBox>(u"Bande_A"_s);
        for (const QString& t : {u"f6xyz"_s, u"75"_s, u""_s, u""_s, u""_s, u"f5abc"_s, u"13"_s}) {
            s.Tape(t);
        }
        for (int i = 0; i < 6 && s.w->focusWidget() != bande; ++i) {
            s.Tape(QString());
        }
        QCOMPARE(s.w->focusWidget(), bande);
        bande->setCurrentIndex(6);
        QTest::qWait(3 * 200);
        QCOMPARE(s.Bande(), u"21 Mhz"_s);
        QCOMPARE(s.rigctld.Commande("F 14074000"), "RPRT 0");
        QTRY_COMPARE_WITH_TIMEOUT(s.Bande(), u"14 Mhz"_s, Scene::Delai_Ms);
        // The QSO typed is still there.
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F6XYZ"_s);
    }

    // An entry edited, or shown after a click, never takes the receiver's band or mode; the
    // next new QSO does.
    void rienNeChangePendantUneModification() {
        Scene s;
        QTRY_COMPARE(s.Bande(), u"144 Mhz"_s);
        auto* liste = s.C<QListView>(u"Liste_SWL"_s);
        const QRect r = liste->visualRect(liste->model()->index(0, 0));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(s.Bande(), u"7.0 Mhz"_s);
        QCOMPARE(s.rigctld.Commande("F 21074000"), "RPRT 0");
        QTRY_COMPARE(s.Frequence()->text(), u"21\u00A0074,0\u00A0kHz FM"_s);
        QCOMPARE(s.Bande(), u"7.0 Mhz"_s);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Modification QSO"_s);
        QCOMPARE(s.rigctld.Commande("F 14074000"), "RPRT 0");
        QCOMPARE(s.rigctld.Commande("M CW 500"), "RPRT 0");
        QTRY_COMPARE(s.Frequence()->text(), u"14\u00A0074,0\u00A0kHz CW"_s);
        QCOMPARE(s.Bande(), u"7.0 Mhz"_s);
        QCOMPARE(s.Mode(), u"SSB"_s);
        QTest::mouseClick(s.C<QPushButton>(u"Efface_A"_s), Qt::LeftButton);
        QCOMPARE(s.C<QLabel>(u"Mode_Aff"_s)->text(), u"Saisie QSO"_s);
        QCOMPARE(s.Bande(), u"14 Mhz"_s);
        QCOMPARE(s.Mode(), u"CW"_s);
    }

    void spotAccordeLeRecepteur() {
        Scene s;
        QTRY_VERIFY(s.recepteur.Connecte());
        Hote_Cluster& hote = *s.w;
        QVERIFY(hote.Prend_Spot(u"JA1AAA"_s, u"14 Mhz"_s));
        QVERIFY(hote.Accorde_Recepteur(14025.5));
        QTRY_COMPARE(s.rigctld.Commande("f"), "14025500");
        QTRY_COMPARE(s.Bande(), u"14 Mhz"_s);
    }

    // The dummy stopped: the status says so, the frequency is unknown, the band stays; it
    // comes back and the program reads it again.
    void recepteurArreteEtRevenu() {
        Scene s;
        s.recepteur.delai_initial_ms = 300;
        QTRY_COMPARE(s.Bande(), u"144 Mhz"_s);
        s.rigctld.Arrete();
        QTRY_COMPARE(s.Frequence()->text(), u"fréquence inconnue"_s);
        QVERIFY(s.Frequence()->toolTip().startsWith(
                    u"Récepteur\u00A0: rigctld s'est arrêté, nouvel essai dans"_s) ||
                s.Frequence()->toolTip().startsWith(u"Récepteur\u00A0: rigctld ne répond pas"_s));
        QCOMPARE(s.Bande(), u"144 Mhz"_s);
        s.rigctld.Demarre();
        QTRY_COMPARE_WITH_TIMEOUT(s.Frequence()->text(), u"145\u00A0000,0\u00A0kHz FM"_s, 30000);
    }

    void sansRecepteurRienNeChange() {
        Scene s(false);
        QVERIFY(!s.Frequence()->isVisible());
        QCOMPARE(s.Bande(), u"1.8 Mhz"_s);
        QCOMPARE(s.Mode(), u"CW"_s);
        QVERIFY(!static_cast<Hote_Cluster&>(*s.w).Accorde_Recepteur(7074.0));
        QCOMPARE(s.rigctld.Commande("f"), "145000000");
    }

    void fenetreDuRecepteur() {
        Scene s(false);
        QAction* action = s.w->findChild<QAction*>(u"Mnu_Recepteur"_s);
        QVERIFY(action);
        QCOMPARE(action->text(), u"Récepteur…"_s);
        action->trigger();
        auto* f = s.w->findChild<Fenetre_Recepteur*>();
        QVERIFY(f);
        QVERIFY(f->findChild<QRadioButton*>(u"Sorte_Aucun"_s)->isChecked());
        QVERIFY(!f->findChild<QPushButton*>(u"Tester"_s)->isEnabled());
        // Hamlib's list, searchable.
        auto* modeles = f->findChild<QListView*>(u"Liste_Modeles"_s);
        QTRY_VERIFY_WITH_TIMEOUT(modeles->model()->rowCount() > 100, 10000);
        QVERIFY(f->findChild<QLabel*>(u"Etat_Liste"_s)->text().endsWith(u" modèles"_s));
        f->findChild<QLineEdit*>(u"Recherche_Modele"_s)->setText(u"dummy"_s);
        QCOMPARE(modeles->model()->index(0, 0).data().toString(), u"Hamlib Dummy (1)"_s);

        // A rigctld already running, tested: the frequency read is shown.
        f->findChild<QRadioButton*>(u"Sorte_Rigctld"_s)->click();
        QVERIFY(f->findChild<QPushButton*>(u"Tester"_s)->isEnabled());
        f->findChild<QLineEdit*>(u"Hote"_s)->setText(u"127.0.0.1"_s);
        f->findChild<QSpinBox*>(u"Port"_s)->setValue(s.rigctld.port());
        QTest::mouseClick(f->findChild<QPushButton*>(u"Tester"_s), Qt::LeftButton);
        auto* resultat = f->findChild<QLabel*>(u"Resultat_Test"_s);
        QTRY_COMPARE(resultat->text(), u"fréquence lue\u00A0: 145\u00A0000,0\u00A0kHz FM"_s);
        QCOMPARE(resultat->accessibleName(),
                 u"Test\u00A0: fréquence lue\u00A0: 145\u00A0000,0\u00A0kHz FM"_s);
        QTRY_VERIFY(s.Frequence()->isVisible());
        // Closed without saving: back to no receiver.
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(s.recepteur.Reglage().sorte, Reglage_Recepteur::Sorte::Aucun);
        QVERIFY(!s.Frequence()->isVisible());

        // Saved: remembered in the common section, and at work.
        action->trigger();
        f = s.w->findChild<Fenetre_Recepteur*>();
        f->findChild<QRadioButton*>(u"Sorte_Rigctld"_s)->click();
        f->findChild<QSpinBox*>(u"Port"_s)->setValue(s.rigctld.port());
        QTest::mouseClick(f->findChild<QPushButton*>(u"Enregistrer"_s), Qt::LeftButton);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, cle::Recepteur_Sorte, QString()), u"rigctld"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, cle::Recepteur_Port, QString()),
                 QString::number(s.rigctld.port()));
        QTRY_COMPARE(s.Frequence()->text(), u"145\u00A0000,0\u00A0kHz FM"_s);

        // A host the program cannot use is refused in French.
        action->trigger();
        f = s.w->findChild<Fenetre_Recepteur*>();
        f->findChild<QLineEdit*>(u"Hote"_s)->setText(u"a b"_s);
        QTest::mouseClick(f->findChild<QPushButton*>(u"Tester"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes.value(0),
                 u"L'adresse «\u00A0a b\u00A0» n'est pas une adresse de machine (par exemple 127.0.0.1)."_s);
    }
};

QTEST_MAIN(Tst_Recepteur_Fenetre)
#include "tst_recepteur_fenetre.moc"
