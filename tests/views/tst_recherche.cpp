#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/fenetres.h"
#include "platform/modele_lignes.h"
#include "support/doubles.h"
#include "views/recherche_indicatif.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Ligne(const QString& indicatif_a, const QString& date, const QString& dpt_a) {
    return Ligne_Test(indicatif_a, date, u"10:00"_s, dpt_a);
}

QStringList Log_De_Cinq() {
    return {Ligne(u"F6ABC"_s, u"01/06/08"_s, u"75"_s), Ligne(u"TK5F5A"_s, u"02/06/08"_s, u"2a"_s),
            Ligne(u"F1XYZ"_s, u"02/06/08"_s, u"13"_s), Ligne(u"F5ZZZ"_s, u"03/06/08"_s, u"75"_s),
            Ligne(u"ON4F5"_s, u"04/06/08"_s, u"5"_s)};
}

// The main window on a log, and its search window opened by its button.
struct Scene {
    Banc b;
    std::unique_ptr<Main> w;
    QPointer<QWidget> r;

    explicit Scene(const QStringList& log = Log_De_Cinq()) {
        b.Station_Avec_Log(u"F1ABC"_s, log);
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QTest::mouseClick(w->findChild<QPushButton*>(u"Rechercher"_s), Qt::LeftButton);
        r = w->findChild<QWidget*>(u"Recherche_Indicatif"_s);
        QApplication::setActiveWindow(r);
    }
    template <class T = QLineEdit> T* C(const QString& nom) const {
        T* c = r->findChild<T*>(nom);
        if (!c) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return c;
    }
    void Tape(const QString& boite, const QString& texte) const {
        QTest::keyClicks(C(boite), texte);
        QTest::keyClick(C(boite), Qt::Key_Return);
    }
    QStringList Resultats() const {
        QStringList l;
        const auto* m = r->findChild<QListView*>(u"QSO_Effectues"_s)->model();
        for (int i = 0; i < m->rowCount(); ++i) {
            l << m->index(i, 0).data().toString().left(19).trimmed();
        }
        return l;
    }
    void Double_Clique_Resultat(int i) const {
        auto* liste = C<QListView>(u"QSO_Effectues"_s);
        const QRect rect = liste->visualRect(liste->model()->index(i, 0));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

} // namespace

class Tst_Recherche_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void ouvertureSansModalite() {
        Scene s;
        QVERIFY(s.r);
        QCOMPARE(s.r->windowTitle(), u"Rechercher un QSO"_s);
        QVERIFY(!s.r->isModal());
        QVERIFY(s.C<QRadioButton>(u"Option1(1)"_s)->isChecked());
        QCOMPARE(s.C<QRadioButton>(u"Option1(2)"_s)->text(), u"Date"_s);
        QCOMPARE(s.C<QRadioButton>(u"Option1(3)"_s)->text(), u"Dpt"_s);
        QCOMPARE(s.C<QLabel>(u"Label3"_s)->text(), u"Rechercher un QSO par ..."_s);
        QVERIFY(s.C<QLabel>(u"Label3"_s)->font().bold());
        QCOMPARE(
            s.C<QLabel>(u"Label13"_s)->text(),
            u"   N°   Indicatif A      Dpt RST      Indicatif B      Dpt RST     Date     Heure Mode  Bande  QSL"_s);
        QCOMPARE(s.C<QListView>(u"QSO_Effectues"_s)->toolTip(),
                 u"Double clique sur le QSO pour retour au log"_s);
        QCOMPARE(s.r->focusWidget(), s.C(u"Indica"_s));
        for (const QString& nom : {u"Indica"_s, u"Data"_s, u"Depa"_s}) {
            QVERIFY(s.C(nom)->font().bold());
            QCOMPARE(s.C(nom)->font().pointSizeF(), 8.25);
            QCOMPARE(Couleur_Fond(s.C(nom)), QColor(255, 255, 192));
            QVERIFY(!s.C(nom)->accessibleName().isEmpty());
        }
        // The main window stays usable; a second press brings the same window forward.
        QVERIFY(s.w->findChild<QPushButton*>(u"Rechercher"_s)->isEnabled());
        s.Tape(u"Indica"_s, u"zz"_s);
        QTest::mouseClick(s.w->findChild<QPushButton*>(u"Rechercher"_s), Qt::LeftButton);
        QCOMPARE(s.w->findChildren<Recherche_Indicatif*>().size(), 1);
    }

    // Each box's Enter rule and its messages, in their order.
    void reglesDEntree_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("resultats");
        QTest::newRow("indicatif\u00A0: f5 partout")
            << 1 << u"Indica"_s << u"f5"_s << QStringList()
            << QStringList({u"2  TK5F5A"_s, u"4  F5ZZZ"_s, u"5  ON4F5"_s});
        QTest::newRow("indicatif de 13\u00A0: message puis recherche")
            << 1 << u"Indica"_s << u"F6ABCDEFGHIJK"_s
            << QStringList({u"12 caracteres maxi pour l'indicatif"_s, u"Pas de QSO trouvé"_s})
            << QStringList();
        QTest::newRow("indicatif vide")
            << 1 << u"Indica"_s << u""_s << QStringList({u"Entrez un indicatif"_s}) << QStringList();
        QTest::newRow("date exacte") << 2 << u"Data"_s << u"02/06/08"_s << QStringList()
                                     << QStringList({u"2  TK5F5A"_s, u"3  F1XYZ"_s});
        QTest::newRow("date de 6") << 2 << u"Data"_s << u"2/6/08"_s
                                   << QStringList({u"8 caracteres maxi pour la référence ex: 12/06/08"_s})
                                   << QStringList();
        QTest::newRow("date de 10") << 2 << u"Data"_s << u"02/06/2008"_s
                                    << QStringList({u"8 caracteres maxi pour la référence ex: 12/06/08"_s})
                                    << QStringList();
        QTest::newRow("date vide") << 2 << u"Data"_s << u""_s
                                   << QStringList({u"8 caracteres maxi pour la référence ex: 12/06/08"_s})
                                   << QStringList();
        QTest::newRow("département 2A baissé")
            << 3 << u"Depa"_s << u"2A"_s << QStringList() << QStringList({u"2  TK5F5A"_s});
        QTest::newRow("département B jamais")
            << 3 << u"Depa"_s << u"13"_s << QStringList() << QStringList({u"3  F1XYZ"_s});
        QTest::newRow("un caractère")
            << 3 << u"Depa"_s << u"5"_s << QStringList({u"Pas de QSO trouvé"_s}) << QStringList();
        QTest::newRow("département de 3")
            << 3 << u"Depa"_s << u"750"_s << QStringList({u"2 caracteres maxi pour le département"_s})
            << QStringList();
        QTest::newRow("département vide")
            << 3 << u"Depa"_s << u""_s << QStringList({u"Entrez un Canton"_s}) << QStringList();
    }
    void reglesDEntree() {
        QFETCH(int, option);
        QFETCH(QString, boite);
        QFETCH(QString, texte);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, resultats);
        Scene s;
        QTest::mouseClick(s.C<QRadioButton>(u"Option1("_s + QString::number(option) + u')'), Qt::LeftButton);
        QCOMPARE(s.r->focusWidget(), s.C(boite));
        QTest::keyClicks(s.C(boite), texte);
        if (boite == u"Indica") {
            QCOMPARE(s.C(boite)->text(), texte.toUpper());
        }
        QTest::keyClick(s.C(boite), Qt::Key_Return);
        QCOMPARE(s.b.messages.textes, messages);
        QCOMPARE(s.Resultats(), resultats);
        const bool complete = messages.isEmpty() || messages.last() == u"Pas de QSO trouvé";
        if (complete) {
            for (const QString& nom : {u"Indica"_s, u"Data"_s, u"Depa"_s}) {
                QCOMPARE(s.C(nom)->text(), QString());
            }
        }
    }

    // Enter in a box searches with the criterion chosen, which need not be its own.
    void entreeDansIndicaAvecLaDateChoisie() {
        Scene s;
        s.C(u"Data"_s)->setText(u"01/06/08"_s);
        s.C<QRadioButton>(u"Option1(2)"_s)->setChecked(true);
        s.Tape(u"Indica"_s, u"zz"_s);
        QCOMPARE(s.Resultats(), QStringList({u"1  F6ABC"_s}));
        QVERIFY(s.b.messages.textes.isEmpty());
        // With the date box empty, the search asks for it and the boxes keep their text.
        s.C<QRadioButton>(u"Option1(2)"_s)->setChecked(true);
        s.Tape(u"Indica"_s, u"F6"_s);
        QCOMPARE(s.b.messages.textes, QStringList({u"Entrez une date"_s}));
        QCOMPARE(s.C(u"Indica"_s)->text(), u"F6"_s);
        QCOMPARE(s.Resultats(), QStringList());
        s.C<QRadioButton>(u"Option1(3)"_s)->setChecked(true);
        s.Tape(u"Indica"_s, u""_s);
        QCOMPARE(s.b.messages.textes.last(), u"Entrez un departement"_s);
    }

    void clicDansUneBoiteChoisitSonCritere() {
        Scene s;
        QTest::mouseClick(s.C(u"Depa"_s), Qt::LeftButton);
        QVERIFY(s.C<QRadioButton>(u"Option1(3)"_s)->isChecked());
        QTest::mouseClick(s.C(u"Data"_s), Qt::LeftButton);
        QVERIFY(s.C<QRadioButton>(u"Option1(2)"_s)->isChecked());
        // Tabbing into a box leaves the criterion as it is.
        s.C(u"Indica"_s)->setFocus();
        QVERIFY(s.C<QRadioButton>(u"Option1(2)"_s)->isChecked());
    }

    void listeVideRienTrouve() {
        Scene s(QStringList{});
        s.C(u"Data"_s)->setText(u"01/06/08"_s);
        s.Tape(u"Indica"_s, u"F5"_s);
        QCOMPARE(s.b.messages.textes, QStringList({u"Pas de QSO trouvé"_s}));
        QCOMPARE(s.C(u"Data"_s)->text(), QString());
    }

    void resultatsComplets() {
        Scene s;
        s.Tape(u"Indica"_s, u"F"_s);
        auto* liste = s.C<QListView>(u"QSO_Effectues"_s);
        QAbstractItemModelTester testeur(liste->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(liste->model()->rowCount(), 5);
        const QString r = liste->model()->index(1, 0).data().toString();
        QCOMPARE(r, Ligne_Resultat(Forme_Ligne_Liste(Log_De_Cinq()[1], 2)));
        QCOMPARE(r.size(), 87);
    }

    // The way back: the entry is selected in the main list and shown in the form.
    void retourAuLog() {
        Scene s;
        s.Tape(u"Indica"_s, u"F5"_s);
        s.Double_Clique_Resultat(1);
        auto* principale = s.w->findChild<QListView*>(u"Liste_SWL"_s);
        QCOMPARE(principale->currentIndex().row(), 3);
        QCOMPARE(s.w->findChild<QLineEdit*>(u"Ind_A"_s)->text(), u"F5ZZZ"_s);
        QCOMPARE(s.w->findChild<QLineEdit*>(u"Date_A"_s)->text(), u"03/06/08"_s);
        QVERIFY(s.w->findChild<QPushButton*>(u"Annule_Saisie"_s)->isEnabled());
        QTRY_VERIFY(!s.r);
        QVERIFY(s.b.messages.textes.isEmpty());
    }

    // An entry deleted in the main window since the search renumbers the list: the result no
    // longer leads to its entry, and nothing is selected.
    void retourRefuseApresUneSuppression() {
        Scene s;
        s.Tape(u"Indica"_s, u"F5"_s);
        auto* principale = s.w->findChild<QListView*>(u"Liste_SWL"_s);
        s.w->Selectionne_Ligne(0);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.w->findChild<QPushButton*>(u"Annule_Saisie"_s), Qt::LeftButton);
        QCOMPARE(s.w->Modele().Nombre(), 4);
        const int avant = principale->currentIndex().row();
        s.Double_Clique_Resultat(1);
        QCOMPARE(s.b.messages.textes.last(),
                 u"Le journal a changé depuis cette recherche\u00A0: ce QSO n'est plus à la "
                 u"même place dans la liste.\r\nRelancez la recherche."_s);
        QCOMPARE(principale->currentIndex().row(), avant);
        QCOMPARE(s.w->findChild<QLineEdit*>(u"Ind_A"_s)->text(), QString());
        QVERIFY(s.r);
        QVERIFY(s.r->isVisible());
    }

    void quitterFermeEtOublie() {
        Scene s;
        s.Tape(u"Indica"_s, u"F5"_s);
        QTest::mouseClick(s.C<QPushButton>(u"Command1"_s), Qt::LeftButton);
        QTRY_VERIFY(!s.r);
        QTest::mouseClick(s.w->findChild<QPushButton*>(u"Rechercher"_s), Qt::LeftButton);
        auto* nouvelle = s.w->findChild<QWidget*>(u"Recherche_Indicatif"_s);
        QCOMPARE(nouvelle->findChild<QListView*>(u"QSO_Effectues"_s)->model()->rowCount(), 0);
        QVERIFY(nouvelle->findChild<QRadioButton*>(u"Option1(1)"_s)->isChecked());
    }
};

QTEST_MAIN(Tst_Recherche_Fenetre)
#include "tst_recherche.moc"
