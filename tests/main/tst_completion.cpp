// The callsigns known, under the entry form: shown while a callsign is typed, in order, taken
// with Alt+↓ and Enter, the field's own rules untouched.
#include "support/scene_main.h"

#include <QListView>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace swl;
using namespace swl::test;

namespace {

QListView* Liste(const Scene& s) {
    return s.w->findChild<QListView*>(u"Indicatifs_Connus"_s);
}

QStringList Rangees(const Scene& s) {
    QStringList r;
    for (int i = 0; i < Liste(s)->model()->rowCount(); ++i) {
        r << Liste(s)->model()->index(i, 0).data().toString();
    }
    return r;
}

} // namespace

class Tst_Completion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void tapeEtPrend() {
        Scene s({Ligne_Test(u"F5ABD"_s, u"01/06/08"_s, u"10:00"_s, u"29"_s),
                 Ligne_Test(u"F5ABD"_s, u"02/06/08"_s, u"10:00"_s, u"29"_s),
                 Ligne_Test(u"F5AXX"_s, u"03/06/08"_s, u"10:00"_s, u"35"_s)});
        s.b.Ecrit(u"actifs.scp"_s, "# actifs\nF5AAA\nK1F5A\n");
        s.b.reglages->Ecrire_Reglage(u"Setup "_s, u"Fichier Indicatifs"_s, s.b.Chemin(u"actifs.scp"_s));
        QLineEdit* ind_a = s.C(u"Ind_A"_s);
        QCOMPARE(s.Focus(), ind_a);
        QTest::keyClicks(ind_a, u"f5a"_s);
        QTRY_VERIFY(Liste(s)->isVisibleTo(s.w.get()));
        QCOMPARE(Rangees(s),
                 (QStringList{u"F5ABD, 2 QSO, dernier le 02/06/08, département 29"_s,
                              u"F5AXX, 1 QSO, dernier le 03/06/08, département 35"_s,
                              u"F5AAA, fichier des indicatifs"_s, u"K1F5A, fichier des indicatifs"_s}));
        QCOMPARE(Liste(s)->accessibleName(), u"Indicatifs connus\u00A0: 4"_s);
        // The list only reads the field.
        QCOMPARE(ind_a->text(), u"F5A"_s);
        QCOMPARE(s.Focus(), ind_a);
        QTest::keyClick(ind_a, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(s.Focus(), Liste(s));
        QTest::keyClick(Liste(s), Qt::Key_Down);
        QTest::keyClick(Liste(s), Qt::Key_Return);
        QCOMPARE(ind_a->text(), u"F5AXX"_s);
        QCOMPARE(s.Focus(), ind_a);
        // Enter in the field works as always: the department field next, holding the one the
        // row showed (the first-name directory has none).
        QTest::keyClick(ind_a, Qt::Key_Return);
        QCOMPARE(s.Focus(), s.C(u"Dpt_A"_s));
        QCOMPARE(s.C(u"Dpt_A"_s)->text(), u"35"_s);
        QTRY_VERIFY(!Liste(s)->isVisibleTo(s.w.get()));
    }

    // Switched off, nothing shows; a callsign of one character shows nothing either.
    void eteinteOuTropCourt() {
        Scene s({Ligne_Test(u"F5ABD"_s, u"01/06/08"_s, u"10:00"_s)});
        QLineEdit* ind_a = s.C(u"Ind_A"_s);
        QTest::keyClicks(ind_a, u"f"_s);
        QTest::qWait(100);
        QVERIFY(!Liste(s)->isVisibleTo(s.w.get()));
        s.b.reglages->Ecrire_Reglage(u"Setup "_s, u"Indicatifs Connus"_s, u"Non"_s);
        QTest::keyClicks(ind_a, u"5a"_s);
        QTest::qWait(100);
        QVERIFY(!Liste(s)->isVisibleTo(s.w.get()));
    }
};

QTEST_MAIN(Tst_Completion)
#include "tst_completion.moc"
