// A laptop's screen, 1366 × 768: every window of the program opens whole inside it, and a main
// window remembered from a larger screen comes back inside.
#include "core/program/reglages.h"
#include "main/main.h"
#include "platform/imprimante.h"
#include "support/doubles.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// The windows shown whose frame goes past the screen's available area.
QStringList Hors_Ecran() {
    QStringList hors;
    const QRect zone = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !zone.contains(w->frameGeometry())) {
            hors << w->objectName() + u' ' +
                        u"%1,%2 %3×%4"_s.arg(w->frameGeometry().x())
                            .arg(w->frameGeometry().y())
                            .arg(w->frameGeometry().width())
                            .arg(w->frameGeometry().height());
        }
    }
    return hors;
}

} // namespace

class Tst_Ecran : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
    }

    void chaqueFenetreDansLEcran_data() {
        QTest::addColumn<QString>("geometrie");
        QTest::newRow("première fois") << QString();
        QTest::newRow("grand écran d'avant") << u"200,150,1800,1100"_s;
        QTest::newRow("à droite de l'écran") << u"1200,600,900,700"_s;
    }
    void chaqueFenetreDansLEcran() {
        QFETCH(QString, geometrie);
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        if (!geometrie.isEmpty()) {
            b.reglages->Ecrire_Reglage(Reglages::Section_Commune(), cle::Fenetre_Principale, geometrie);
        }
        Main w(b.services);
        w.Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(Hors_Ecran(), QStringList());
        for (const QString& nom :
             {u"Mnu_New_Indicatif"_s, u"Mnu_Recepteur"_s, u"Mnu_Fichier_Pays"_s, u"Mnu_Fichier_Indicatifs"_s,
              u"Mnu_Alertes"_s, u"Mnu_Liste_QSO"_s, u"Mnu_QSO_FT8"_s, u"Mnu_Statistiques"_s,
              u"Mnu_Diplomes"_s, u"Mnu_Carte_HB"_s, u"Mnu_Print_QSL"_s, u"Mnu_Sauvegardes"_s,
              u"Mnu_Guide"_s}) {
            QAction* a = w.findChild<QAction*>(nom);
            QVERIFY2(a, qPrintable(nom));
            a->trigger();
            QApplication::processEvents();
            QVERIFY2(Hors_Ecran().isEmpty(), qPrintable(nom + u" : "_s + Hors_Ecran().join(u" | "_s)));
        }
        for (const QString& bouton : {u"Rechercher"_s, u"Command1"_s}) {
            QTest::mouseClick(w.findChild<QPushButton*>(bouton), Qt::LeftButton);
            QApplication::processEvents();
            QVERIFY2(Hors_Ecran().isEmpty(), qPrintable(bouton + u" : "_s + Hors_Ecran().join(u" | "_s)));
        }
        QWidget* selection = w.findChild<QWidget*>(u"Select_QSO"_s);
        QVERIFY(selection);
        QTest::mouseClick(selection->findChild<QPushButton*>(u"Impression"_s), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY2(Hors_Ecran().isEmpty(), qPrintable(u"Etiquettes : "_s + Hors_Ecran().join(u" | "_s)));
        // The print preview of the labels, a whole A4 page where the screen allows.
        Imprimante_Qt imprimante;
        QStringList apercu;
        Quand_Modal([&apercu](QWidget* f) {
            apercu = Hors_Ecran();
            f->close();
        });
        imprimante.Apercu(&w,
                          [](Imprimante& i) {
                              i.Imprime_A(10, 10, u"F6AAA"_s);
                              i.Fin_Document();
                          },
                          {});
        QCOMPARE(apercu, QStringList());
        for (QWidget* f : QApplication::topLevelWidgets()) {
            if (f != &w) {
                f->close();
            }
        }
    }

    // Smaller windows a newcomer met: the callsign file's date and age; "Écouter" without a
    // sound says why in the window.
    void petitesFenetres() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {});
        b.Ecrit(u"actifs.scp"_s, "F5ABC\n");
        QFile actifs(b.Chemin(u"actifs.scp"_s));
        QVERIFY(actifs.open(QIODevice::ReadWrite));
        QVERIFY(actifs.setFileTime(QDateTime(QDate(2023, 5, 2), QTime(12, 0)),
                                   QFileDevice::FileModificationTime));
        actifs.close();
        b.reglages->Ecrire_Reglage(u"Setup "_s, u"Fichier Indicatifs"_s, b.Chemin(u"actifs.scp"_s));
        b.horloge.local = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
        Sons_Test sons;
        sons.erreur = u"Pas de son\u00A0: aucune sortie son n'est disponible."_s;
        b.services.sons = &sons;
        Main w(b.services);
        w.Form_Load();
        w.findChild<QAction*>(u"Mnu_Fichier_Indicatifs"_s)->trigger();
        QWidget* indicatifs = w.findChild<QWidget*>(u"Fenetre_Indicatifs"_s);
        QCOMPARE(indicatifs->findChild<QLabel*>(u"Date_Indicatifs"_s)->text(), u"02/05/2023, il y a 3 ans"_s);
        w.findChild<QAction*>(u"Mnu_Alertes"_s)->trigger();
        QWidget* alertes = w.findChild<QWidget*>(u"Fenetre_Alertes"_s);
        QVERIFY(!alertes->findChild<QLabel*>(u"Etat_Son"_s)->isVisibleTo(alertes));
        QTest::mouseClick(alertes->findChild<QPushButton*>(u"Ecoute_Pays"_s), Qt::LeftButton);
        QCOMPARE(alertes->findChild<QLabel*>(u"Etat_Son"_s)->text(), sons.erreur);
        QVERIFY(alertes->findChild<QLabel*>(u"Etat_Son"_s)->isVisibleTo(alertes));
    }
};

QTEST_MAIN(Tst_Ecran)
#include "tst_ecran.moc"
