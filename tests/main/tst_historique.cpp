// Taking changes of the log back from the main window, from the keyboard and the menu.
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "main/modele_liste_swl.h"
#include "support/fichiers_test.h"
#include "support/scene_main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList Trois_Lignes() {
    return {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s),
            Ligne_Test(u"F6BBB"_s, u"02/06/08"_s, u"10:00"_s),
            Ligne_Test(u"F6CCC"_s, u"03/06/08"_s, u"10:00"_s)};
}

QAction* Action(const Scene& s, const QString& nom) {
    return s.w->findChild<QAction*>(nom);
}

// "Supprimer un QSO" on the entry at `ligne`, answered "Oui".
void Supprime(Scene& s, int ligne) {
    s.Clique(ligne);
    s.b.messages.reponses = {true};
    QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
}

int Selectionnee(const Scene& s) {
    return s.Liste()->currentIndex().row();
}

} // namespace

class Tst_Historique : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A deletion by mistake: Ctrl+Z, with the focus on the empty first field, brings the
    // entry back at its place, selected; Ctrl+Y and Ctrl+Maj+Z make it again.
    void suppressionAnnuleeAuClavier() {
        Scene s(Trois_Lignes());
        const QByteArray avant = s.Log();
        Supprime(s, 1);
        const QByteArray apres = s.Log();
        QCOMPARE(s.w->Modele().Nombre(), 2);
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(), u"Annuler la suppression du QSO 2 (F6BBB)"_s);
        QVERIFY(!Action(s, u"Mnu_Retablir"_s)->isEnabled());
        QCOMPARE(s.Focus(), s.C(u"Ind_A"_s));
        QTest::keyClick(s.Focus(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Log(), avant);
        QCOMPARE(s.w->Modele().Nombre(), 3);
        QCOMPARE(Selectionnee(s), 1);
        QCOMPARE(s.C(u"Ind_A"_s)->text().trimmed(), u"F6BBB"_s);
        QVERIFY(!Action(s, u"Mnu_Annuler"_s)->isEnabled());
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(), u"Annuler"_s);
        QCOMPARE(Action(s, u"Mnu_Retablir"_s)->text(), u"Rétablir la suppression du QSO 2 (F6BBB)"_s);
        QTest::keyClick(s.Focus(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(s.Log(), apres);
        QTest::keyClick(s.Focus(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Log(), avant);
        QTest::keyClick(s.Focus(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.Log(), apres);
        QVERIFY(s.b.messages.textes.size() == 1); // the deletion's question only
    }

    // Each kind of change names itself in the menu, and is undone step by step.
    void etapesNommees() {
        Scene s(Trois_Lignes());
        const QByteArray depart = s.Log();
        Tape_Jusqu_A(s, u"jean"_s, u"paris"_s);
        s.b.messages.reponses = {true};
        QTest::keyClick(s.Focus(), Qt::Key_Return);
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(), u"Annuler l'enregistrement du QSO 4 (F6XYZ)"_s);
        const QByteArray sauve = s.Log();
        s.Double_Clique(0);
        s.C(u"Prenom_A"_s)->setText(u"PAUL"_s);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(), u"Annuler la modification du QSO 1 (F6AAA)"_s);
        QVERIFY(s.Log() != sauve);
        Action(s, u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.Log(), sauve);
        QCOMPARE(Selectionnee(s), 0);
        Action(s, u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.Log(), depart);
        QCOMPARE(Action(s, u"Mnu_Retablir"_s)->text(), u"Rétablir l'enregistrement du QSO 4 (F6XYZ)"_s);
        // The menu "Edition" holds both.
        QMenu* edition = s.w->findChild<QMenu*>(u"Mnu_Edition"_s);
        QCOMPARE(edition->actions(),
                 QList<QAction*>({Action(s, u"Mnu_Annuler"_s), Action(s, u"Mnu_Retablir"_s)}));
    }

    // While a QSO is typed, Ctrl+Z undoes the typing, and the menu item is refused.
    void refuseePendantUneSaisie() {
        Scene s(Trois_Lignes());
        Supprime(s, 0);
        const QByteArray apres = s.Log();
        s.b.messages.textes.clear();
        QTest::keyClicks(s.C(u"Ind_A"_s), u"f5"_s);
        QTest::keyClick(s.C(u"Ind_A"_s), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.Log(), apres);
        QVERIFY(s.C(u"Ind_A"_s)->text() != u"f5"_s);
        QCOMPARE(s.b.messages.textes, QStringList());
        QTest::keyClicks(s.C(u"Ind_A"_s), u"f6"_s);
        Action(s, u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.Log(), apres);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].startsWith(u"Un QSO est en cours de saisie"_s));
        QVERIFY(Action(s, u"Mnu_Annuler"_s)->isEnabled());
    }

    // A failing disk: the log and the history stay as they were, and the user is told.
    void annulationQuiEchoue() {
        Scene s(Trois_Lignes());
        Supprime(s, 2);
        const QByteArray apres = s.Log();
        s.b.messages.textes.clear();
        {
            Acces_Fichiers_Test disque;
            disque.echecs[u"renomme"_s] = 1;
            Action(s, u"Mnu_Annuler"_s)->trigger();
        }
        QCOMPARE(s.Log(), apres);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].contains(u"Rien n'a été modifié."_s));
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(), u"Annuler la suppression du QSO 3 (F6CCC)"_s);
        Action(s, u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.w->Modele().Nombre(), 3);
    }

    // A log changed behind the program: refused, and the history cleared.
    void journalChangeAilleurs() {
        Scene s(Trois_Lignes());
        Supprime(s, 0);
        s.b.messages.textes.clear();
        const QByteArray change =
            s.Log() + Encode_1252(Ligne_Test(u"F6DDD"_s, u"09/06/08"_s, u"10:00"_s)) + "\r\n";
        s.b.Ecrit(u"F1ABC_SWL.log"_s, change);
        Action(s, u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.Log(), change);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].contains(u"a été modifié en dehors de ORBEL_SWL"_s));
        QVERIFY(s.b.messages.textes[0].contains(u"L'historique des changements est effacé"_s));
        QVERIFY(!Action(s, u"Mnu_Annuler"_s)->isEnabled());
        QVERIFY(!Action(s, u"Mnu_Retablir"_s)->isEnabled());
    }

    // The day's copy is made before the first change of the day, the log as it was.
    void copieDuJourAvantLePremierChangement() {
        Scene s(Trois_Lignes());
        const QByteArray avant = s.Log();
        Supprime(s, 0);
        const QString copie = s.b.Chemin(u"Sauvegardes/F1ABC_SWL_2009-03-05.log"_s);
        QFile f(copie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), avant);
        // Undone the same day: no second copy, the first one kept.
        QTest::keyClick(s.Focus(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QDir(s.b.Chemin(u"Sauvegardes"_s)).entryList(QDir::Files),
                 QStringList{u"F1ABC_SWL_2009-03-05.log"_s});
    }

    // A backup that cannot be made never stops the change: one message a run says why.
    void sauvegardeImpossible() {
        Scene s(Trois_Lignes());
        s.b.Ecrit(u"Sauvegardes"_s, "un fichier, pas un dossier");
        Supprime(s, 0);
        QCOMPARE(s.w->Modele().Nombre(), 2);
        QCOMPARE(s.b.messages.textes.size(), 2);
        QVERIFY2(
            s.b.messages.textes[1].startsWith(u"Aucune sauvegarde du journal n'a pu être faite\u00A0: "_s),
            qPrintable(s.b.messages.textes[1]));
        Supprime(s, 0);
        QCOMPARE(s.w->Modele().Nombre(), 1);
        QCOMPARE(s.b.messages.textes.size(), 3); // the second deletion's question only
    }

    // "Fichier → Sauvegardes…": a copy put back in place of the log, asked first, the log
    // set aside, and the restore itself undone.
    void restauration() {
        Scene s(Trois_Lignes());
        const QByteArray trois = s.Log();
        Supprime(s, 0);
        Supprime(s, 0);
        const QByteArray un = s.Log();
        Action(s, u"Mnu_Sauvegardes"_s)->trigger();
        QWidget* f = s.w->findChild<QWidget*>(u"Fenetre_Sauvegardes"_s);
        QVERIFY(f);
        auto* liste = f->findChild<QTableWidget*>(u"Liste_Sauvegardes"_s);
        QCOMPARE(liste->rowCount(), 1);
        QCOMPARE(liste->item(0, 0)->text(), u"05/03/2009"_s);
        QCOMPARE(liste->item(0, 1)->text(), u"copie du jour"_s);
        QCOMPARE(liste->item(0, 2)->text(), u"3"_s);
        // Not while a QSO is typed: it would be lost.
        QTest::keyClicks(s.C(u"Ind_A"_s), u"f5"_s);
        s.b.messages.textes.clear();
        QTest::mouseClick(f->findChild<QPushButton*>(u"Restaurer"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].startsWith(u"Un QSO est en cours de saisie"_s));
        QCOMPARE(s.Log(), un);
        s.C(u"Ind_A"_s)->clear();
        s.b.messages.textes.clear();
        s.b.messages.reponses = {true};
        QTest::mouseClick(f->findChild<QPushButton*>(u"Restaurer"_s), Qt::LeftButton);
        QCOMPARE(
            s.b.messages.textes,
            QStringList(
                {u"(Non par défaut) Remplacer le journal actuel (1 QSO) par la sauvegarde du 05/03/2009 "
                 u"(copie du jour, 3 "
                 u"QSO)\u00A0?\r\nLe journal actuel sera d'abord mis de côté dans les sauvegardes, et la "
                 u"restauration pourra être annulée (Edition, Annuler)."_s,
                 u"Journal restauré\u00A0: 3 QSO, copie du 05/03/2009."_s}));
        QCOMPARE(s.Log(), trois);
        QCOMPARE(s.w->Modele().Nombre(), 3);
        QFile mise_de_cote(s.b.Chemin(u"Sauvegardes/F1ABC_SWL_2009-03-05_100507_avant_restauration.log"_s));
        QVERIFY(mise_de_cote.open(QIODevice::ReadOnly));
        QCOMPARE(mise_de_cote.readAll(), un);
        QCOMPARE(liste->rowCount(), 2);
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(),
                 u"Annuler la restauration de la sauvegarde du 05/03/2009"_s);
        Action(s, u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.Log(), un);
        // "Non" changes nothing; the folder opens in the file manager.
        s.b.messages.reponses = {false};
        QTest::mouseClick(f->findChild<QPushButton*>(u"Restaurer"_s), Qt::LeftButton);
        QCOMPARE(s.Log(), un);
        QTest::mouseClick(f->findChild<QPushButton*>(u"Ouvrir_Dossier"_s), Qt::LeftButton);
        QCOMPARE(s.b.programme.dossiers_ouverts, QStringList{s.b.Chemin(u"Sauvegardes"_s)});
        QCOMPARE(f->findChild<QLabel*>(u"Dossier_Sauvegardes"_s)->text(),
                 u"Dossier\u00A0: "_s + QDir::toNativeSeparators(s.b.Chemin(u"Sauvegardes"_s)));
    }

    // Another station's log starts without a history.
    void changementDeStation() {
        Scene s(Trois_Lignes());
        Supprime(s, 0);
        QVERIFY(Action(s, u"Mnu_Annuler"_s)->isEnabled());
        s.b.Ecrit(u"F2XYZ_SWL.log"_s, {});
        s.w->Fixe_Indicatif_Station(u"F2XYZ"_s);
        QVERIFY(!Action(s, u"Mnu_Annuler"_s)->isEnabled());
        QCOMPARE(Action(s, u"Mnu_Annuler"_s)->text(), u"Annuler"_s);
    }
};

QTEST_MAIN(Tst_Historique)
#include "tst_historique.moc"
