// Every control a user reaches says what it is to a screen reader.
#include "core/reglages.h"
#include "labels/select_qso.h"
#include "main/main.h"
#include "support/doubles.h"
#include "views/carte.h"
#include "views/cluster.h"
#include "views/hote_cluster.h"
#include "views/liste_qso.h"
#include "views/recherche_indicatif.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// The controls of `fenetre` that a screen reader would announce without a name.
QStringList Sans_Nom(QWidget* fenetre) {
    QStringList muets;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const bool controle = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                              qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                              qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w);
        // The inner editor of a combo box or spin box, the headers of a table, speak for their owner.
        QWidget* parent = w->parentWidget();
        if (!controle || qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent) ||
            qobject_cast<QAbstractItemView*>(parent) || w->objectName().startsWith(u"qt_"_s) ||
            w->window() != fenetre) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty()) {
            muets << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                : w->objectName());
        }
    }
    return muets;
}

struct Hote_Nul final : Hote_Cluster {
    bool Prend_Spot(const QString&, const QString&) override { return true; }
};

} // namespace

class Tst_Accessibilite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void chaqueFenetre() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(Sans_Nom(&w), QStringList());
        const auto indicatif = [] { return u"F1ABC"_s; };
        Recherche_Indicatif recherche(b.services, w);
        QCOMPARE(Sans_Nom(&recherche), QStringList());
        Liste_QSO liste(b.services, indicatif);
        QCOMPARE(Sans_Nom(&liste), QStringList());
        Carte carte(b.services, indicatif);
        QCOMPARE(Sans_Nom(&carte), QStringList());
        Hote_Nul hote;
        Cluster cluster(b.services, indicatif, hote);
        QCOMPARE(Sans_Nom(&cluster), QStringList());
        QWidget principale;
        auto* selection = new Select_QSO(b.services, w.Lignes_Liste(), indicatif, &principale);
        QCOMPARE(Sans_Nom(selection), QStringList());
        QTest::mouseClick(selection->findChild<QPushButton*>(u"Impression"_s), Qt::LeftButton);
        QWidget* etiquettes = principale.findChild<QWidget*>(u"Etiquettes"_s);
        QCOMPARE(Sans_Nom(etiquettes), QStringList());
    }
};

QTEST_MAIN(Tst_Accessibilite)
#include "tst_accessibilite.moc"
