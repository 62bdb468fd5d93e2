// Every control a user reaches says what it is to a screen reader.
#include "core/countries/pays.h"
#include "core/program/reglages.h"
#include "labels/select_qso.h"
#include "main/main.h"
#include "platform/connexion_cluster.h"
#include "platform/ecoute_wsjtx.h"
#include "platform/recepteur.h"
#include "radio/fenetre_qso_entendus.h"
#include "radio/fenetre_recepteur.h"
#include "station/fenetre_enregistrement.h"
#include "station/fenetre_pays.h"
#include "support/doubles.h"
#include "views/carte.h"
#include "views/cluster.h"
#include "views/fenetre_enregistrements.h"
#include "views/fenetre_sauvegardes.h"
#include "views/fenetre_statistiques.h"
#include "views/hote_cluster.h"
#include "views/liste_qso.h"
#include "views/rapports_ecoute.h"
#include "views/recherche_indicatif.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
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

// The labels of `fenetre` whose value a screen reader would not hear: the name it reads does
// not hold the text shown.
QStringList Valeurs_Cachees(QWidget* fenetre) {
    QStringList cachees;
    for (QLabel* l : fenetre->findChildren<QLabel*>()) {
        const QString texte = QString(l->text()).remove(u'&').trimmed();
        // A label that names its control (its buddy) shows no value.
        if (texte.isEmpty() || l->window() != fenetre || Qt::mightBeRichText(texte) || l->buddy()) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
        const QString nom = a ? a->text(QAccessible::Name) : QString();
        if (!nom.contains(texte)) {
            cachees << (l->objectName().isEmpty() ? texte : l->objectName()) + u"\u00A0: «\u00A0"_s + nom +
                           u"\u00A0»"_s;
        }
    }
    // A button is heard by its caption, the one it shows now.
    for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>()) {
        const QString texte = QString(b->text()).remove(u'&').remove(u'…').trimmed();
        if (texte.isEmpty() || b->window() != fenetre) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        const QString nom = a ? a->text(QAccessible::Name) : QString();
        if (!nom.contains(texte, Qt::CaseInsensitive)) {
            cachees << (b->objectName().isEmpty() ? texte : b->objectName()) + u"\u00A0: «\u00A0"_s + nom +
                           u"\u00A0»"_s;
        }
    }
    return cachees;
}

struct Hote_Nul final : Hote_Cluster {
    bool Prend_Spot(const QString&, const QString&) override { return true; }
    bool Accorde_Recepteur(double) override { return false; }
};

} // namespace

class Tst_Accessibilite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // After their values change, labels and buttons are heard as they now read.
    void valeursApresChangement() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        Main w(b.services);
        w.Form_Load();
        b.horloge.utc = QDateTime(QDate(2026, 12, 7), QTime(13, 2), Qt::UTC);
        QTest::mouseClick(w.findChild<QPushButton*>(u"Ajout_QSO"_s), Qt::LeftButton);
        // The clock's next tick.
        QTRY_COMPARE(w.findChild<QLabel*>(u"Label37"_s)->accessibleName(), u"Heure UTC 13:02 Utc"_s);
        QCOMPARE(w.findChild<QLabel*>(u"Mode_Aff"_s)->accessibleName(), u"Mode de saisie Insertion QSO"_s);
        QCOMPARE(w.findChild<QLabel*>(u"I_Station"_s)->accessibleName(),
                 u"Indicatif de la station SWL F1ABC"_s);
        QVERIFY2(Valeurs_Cachees(&w).isEmpty(), qPrintable(Valeurs_Cachees(&w).join(u" | "_s)));
        const auto indicatif = [] { return u"F1ABC"_s; };
        Liste_QSO liste(b.services, indicatif);
        liste.findChild<QComboBox*>(u"Bande_D"_s)->setCurrentText(u"7.0 Mhz"_s);
        QTest::mouseClick(liste.findChild<QPushButton*>(u"Afficher"_s), Qt::LeftButton);
        QCOMPARE(liste.findChild<QLabel*>(u"Compt_C"_s)->accessibleName(), u"Nombre de QSO entendus 1"_s);
        QVERIFY2(Valeurs_Cachees(&liste).isEmpty(), qPrintable(Valeurs_Cachees(&liste).join(u" | "_s)));
        Carte carte(b.services, indicatif);
        QVERIFY2(Valeurs_Cachees(&carte).isEmpty(), qPrintable(Valeurs_Cachees(&carte).join(u" | "_s)));
        // The connect button follows its caption while a node is tried.
        Hote_Nul hote;
        Cluster cluster(b.services, indicatif, hote);
        cluster.Connexion().delai_initial_ms = 60000;
        cluster.findChild<QLineEdit*>(u"Noeud"_s)->setText(u"127.0.0.1"_s);
        cluster.findChild<QLineEdit*>(u"Port"_s)->setText(u"1"_s);
        QTest::mouseClick(cluster.findChild<QPushButton*>(u"Connecte"_s), Qt::LeftButton);
        QTRY_VERIFY(cluster.findChild<QLabel*>(u"Etat_Cluster"_s)->text().startsWith(u"Erreur"_s));
        QCOMPARE(cluster.findChild<QPushButton*>(u"Connecte"_s)->accessibleName(), u"Déconnecter"_s);
        QVERIFY2(Valeurs_Cachees(&cluster).isEmpty(), qPrintable(Valeurs_Cachees(&cluster).join(u" | "_s)));
        QTest::mouseClick(cluster.findChild<QPushButton*>(u"Connecte"_s), Qt::LeftButton);
        QCOMPARE(cluster.findChild<QPushButton*>(u"Connecte"_s)->accessibleName(), u"Connecter"_s);
        QCOMPARE(cluster.findChild<QLabel*>(u"Etat_Cluster"_s)->accessibleName(),
                 u"État de la connexion\u00A0: Déconnecté"_s);
    }

    void chaqueFenetre() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        Main w(b.services);
        w.Form_Load();
        QCOMPARE(Sans_Nom(&w), QStringList());
        QVERIFY2(Valeurs_Cachees(&w).isEmpty(), qPrintable(Valeurs_Cachees(&w).join(u" | "_s)));
        const auto indicatif = [] { return u"F1ABC"_s; };
        Recherche_Indicatif recherche(b.services, w);
        QCOMPARE(Sans_Nom(&recherche), QStringList());
        QVERIFY2(Valeurs_Cachees(&recherche).isEmpty(),
                 qPrintable(Valeurs_Cachees(&recherche).join(u" | "_s)));
        Liste_QSO liste(b.services, indicatif);
        QCOMPARE(Sans_Nom(&liste), QStringList());
        QVERIFY2(Valeurs_Cachees(&liste).isEmpty(), qPrintable(Valeurs_Cachees(&liste).join(u" | "_s)));
        Carte carte(b.services, indicatif);
        QCOMPARE(Sans_Nom(&carte), QStringList());
        QVERIFY2(Valeurs_Cachees(&carte).isEmpty(), qPrintable(Valeurs_Cachees(&carte).join(u" | "_s)));
        Hote_Nul hote;
        Cluster cluster(b.services, indicatif, hote);
        QCOMPARE(Sans_Nom(&cluster), QStringList());
        QVERIFY2(Valeurs_Cachees(&cluster).isEmpty(), qPrintable(Valeurs_Cachees(&cluster).join(u" | "_s)));
        Fenetre_Sauvegardes sauvegardes(
            b.services, u"F1ABC"_s, [](const QString&, Trace_Journal) {}, [] { return false; });
        QCOMPARE(Sans_Nom(&sauvegardes), QStringList());
        QVERIFY2(Valeurs_Cachees(&sauvegardes).isEmpty(),
                 qPrintable(Valeurs_Cachees(&sauvegardes).join(u" | "_s)));
        Recepteur recepteur;
        recepteur.programme = u"rigctld-absent"_s;
        Fenetre_Recepteur fenetre_recepteur(b.services, recepteur);
        QVERIFY2(Sans_Nom(&fenetre_recepteur).isEmpty(),
                 qPrintable(Sans_Nom(&fenetre_recepteur).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&fenetre_recepteur).isEmpty(),
                 qPrintable(Valeurs_Cachees(&fenetre_recepteur).join(u" | "_s)));
        Ecoute_WSJTX ecoute(b.horloge);
        Fenetre_QSO_Entendus qso_entendus(b.services, ecoute, w);
        QVERIFY2(Sans_Nom(&qso_entendus).isEmpty(), qPrintable(Sans_Nom(&qso_entendus).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&qso_entendus).isEmpty(),
                 qPrintable(Valeurs_Cachees(&qso_entendus).join(u" | "_s)));
        Fenetre_Statistiques statistiques(b.services,
                                          [&w]() -> const Lignes_Log& { return w.Lignes_Liste(); });
        QVERIFY2(Sans_Nom(&statistiques).isEmpty(), qPrintable(Sans_Nom(&statistiques).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&statistiques).isEmpty(),
                 qPrintable(Valeurs_Cachees(&statistiques).join(u" | "_s)));
        Base_Pays pays;
        pays.Charge(b.Chemin(u"absent.dat"_s));
        Fenetre_Pays fenetre_pays(b.services, pays, [] {});
        QVERIFY2(Sans_Nom(&fenetre_pays).isEmpty(), qPrintable(Sans_Nom(&fenetre_pays).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&fenetre_pays).isEmpty(),
                 qPrintable(Valeurs_Cachees(&fenetre_pays).join(u" | "_s)));
        Fenetre_Enregistrement enregistrement(b.services);
        QVERIFY2(Sans_Nom(&enregistrement).isEmpty(), qPrintable(Sans_Nom(&enregistrement).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&enregistrement).isEmpty(),
                 qPrintable(Valeurs_Cachees(&enregistrement).join(u" | "_s)));
        Fenetre_Enregistrements enregistrements(
            b.services, [&w]() -> const Lignes_Log& { return w.Lignes_Liste(); }, indicatif);
        QVERIFY2(Sans_Nom(&enregistrements).isEmpty(), qPrintable(Sans_Nom(&enregistrements).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&enregistrements).isEmpty(),
                 qPrintable(Valeurs_Cachees(&enregistrements).join(u" | "_s)));
        Rapports_Ecoute rapports(
            b.services, [&w]() -> const Lignes_Log& { return w.Lignes_Liste(); }, indicatif,
            [](const QList<int>&) { return true; });
        rapports.findChild<QTableView*>(u"Liste_Stations_Entendues"_s)->selectRow(0);
        QVERIFY2(Sans_Nom(&rapports).isEmpty(), qPrintable(Sans_Nom(&rapports).join(u" "_s)));
        QVERIFY2(Valeurs_Cachees(&rapports).isEmpty(), qPrintable(Valeurs_Cachees(&rapports).join(u" | "_s)));
        QWidget principale;
        auto* selection = new Select_QSO(b.services, w.Lignes_Liste(), indicatif, &principale);
        QCOMPARE(Sans_Nom(selection), QStringList());
        QVERIFY2(Valeurs_Cachees(selection).isEmpty(), qPrintable(Valeurs_Cachees(selection).join(u" | "_s)));
        QTest::mouseClick(selection->findChild<QPushButton*>(u"Impression"_s), Qt::LeftButton);
        QWidget* etiquettes = principale.findChild<QWidget*>(u"Etiquettes"_s);
        etiquettes->findChild<QAbstractButton*>(u"Langue(2)"_s)->click();
        QCOMPARE(Sans_Nom(etiquettes), QStringList());
        QVERIFY2(Valeurs_Cachees(etiquettes).isEmpty(),
                 qPrintable(Valeurs_Cachees(etiquettes).join(u" | "_s)));
    }
};

QTEST_MAIN(Tst_Accessibilite)
#include "tst_accessibilite.moc"
