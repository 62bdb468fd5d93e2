// The awards window: the totals and the next threshold, a cell's text, a department clicked,
// the claim list as PDF (its text) and CSV, a full disk, the window following a deletion.
#include "core/log/fiche_qso.h"
#include "core/reports/index_journal.h"
#include "main/main.h"
#include "platform/imprimante.h"
#include "support/doubles.h"
#include "support/fichiers_test.h"
#include "views/fenetre_diplomes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Qso(const QString& a, const QString& dpt, const QString& date, const QString& bande,
            const QString& mode, bool qsl) {
    Fiche_QSO f;
    f.Indicatif_A = a;
    f.Dpt_A = dpt;
    f.RST_A = u"59"_s;
    f.Indicatif_B = u"F5XYZ"_s;
    f.RST_B = u"57"_s;
    f.Date = date;
    f.Heure = u"10:00"_s;
    f.Mode = mode;
    f.Bande = bande;
    f.QSL = qsl;
    return Forme_Ligne_Log(f);
}

// 49 departments confirmed on 14 MHz (01 to 50 but 20), then 29 heard again: on 7 MHz in CW,
// confirmed later, and on 10 MHz in SSB (which does not count).
QStringList Journal() {
    QStringList l;
    for (int i = 1; i <= 50; ++i) {
        if (i != 20) {
            l << Qso(u"F5A"_s + QString::number(i), QString::number(i).rightJustified(2, u'0'), u"01/06/08"_s,
                     u"14 Mhz"_s, u"SSB"_s, true);
        }
    }
    l << Qso(u"F6CW"_s, u"29"_s, u"02/06/08"_s, u"7.0 Mhz"_s, u"CW"_s, true)
      << Qso(u"F6SSB"_s, u"29"_s, u"03/06/08"_s, u"10 Mhz"_s, u"SSB"_s, true);
    return l;
}

struct Scene {
    Banc b;
    std::unique_ptr<Main> w;
    Scene() {
        b.Station_Avec_Log(u"F1ABC"_s, Journal());
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
        w->findChild<QAction*>(u"Mnu_Diplomes"_s)->trigger();
    }
    Fenetre_Diplomes* F() const { return w->findChild<Fenetre_Diplomes*>(); }
    template <class T> T* C(const QString& nom) const { return F()->findChild<T*>(nom); }
    QString Texte(const QString& nom) const { return C<QLabel>(nom)->text(); }
    int Rangee(const QString& debut) const {
        const QAbstractItemModel* m = C<QTableView>(u"Grille"_s)->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->index(r, 0).data().toString().startsWith(debut)) {
                return r;
            }
        }
        return -1;
    }
};

} // namespace

class Tst_Diplomes_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void totauxEtPalier() {
        Scene s;
        QVERIFY(s.F());
        QCOMPARE(s.Texte(u"Avancement"_s),
                 u"DDFM — 49 départements entendus, 49 confirmés sur 96\u00A0; encore 1 "
                 u"confirmé pour le diplôme (50 en HF)"_s);
        QCOMPARE(s.C<QLabel>(u"Avancement"_s)->accessibleName(),
                 u"Avancement DDFM — 49 départements entendus, 49 confirmés sur 96\u00A0; encore 1 confirmé "
                 u"pour le "
                 u"diplôme (50 en HF)"_s);
        // In CW alone, one department.
        s.C<QComboBox>(u"Choix_Mode"_s)->setCurrentText(u"CW"_s);
        QVERIFY(s.Texte(u"Avancement"_s).startsWith(u"DDFM CW — 1 département entendu, 1 confirmé sur 96"_s));
        // Applying from abroad, the award is won at 40.
        s.C<QComboBox>(u"Choix_Mode"_s)->setCurrentText(u"Tous modes"_s);
        s.C<QAbstractButton>(u"En_France"_s)->click();
        QVERIFY(
            s.Texte(u"Avancement"_s).endsWith(u"diplôme obtenu, encore 1 confirmé pour le palier de 50"_s));
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, u"Diplomes En France"_s, QString()), u"Non"_s);
    }

    // A cell says its state in letters and in words, not in colour alone.
    void caseDeLaGrille() {
        Scene s;
        const QAbstractItemModel* m = s.C<QTableView>(u"Grille"_s)->model();
        const int r = s.Rangee(u"29 "_s);
        QCOMPARE(m->index(r, 0).data().toString(), u"29 Finistère"_s);
        QCOMPARE(m->headerData(5, Qt::Horizontal).toString(), u"14 Mhz"_s);
        QCOMPARE(m->index(r, 5).data().toString(), u"C"_s);
        QCOMPARE(m->index(r, 5).data(Qt::AccessibleTextRole).toString(),
                 u"29 Finistère, 14 Mhz\u00A0: confirmé"_s);
        QCOMPARE(m->index(r, 4).data(Qt::AccessibleTextRole).toString(),
                 u"29 Finistère, 10 Mhz\u00A0: manquant"_s);
        QCOMPARE(m->index(s.Rangee(u"51 "_s), 5).data(Qt::AccessibleTextRole).toString(),
                 u"51 Marne, 14 Mhz\u00A0: manquant"_s);
        QCOMPARE(m->index(r, 5).data(Qt::BackgroundRole).value<QColor>(), Fenetre_Diplomes::Couleur_Confirme);
        // 2A and 2B come after 19.
        QCOMPARE(s.Rangee(u"2A "_s), s.Rangee(u"19 "_s) + 1);
    }

    // A department clicked: its QSOs that count, the one kept for the claim, those that do not.
    void departementClique() {
        Scene s;
        s.C<QTableView>(u"Grille"_s)->selectRow(s.Rangee(u"29 "_s));
        QCOMPARE(s.Texte(u"Titre_Detail"_s),
                 u"Département 29 — Finistère\u00A0: 2 QSO comptent, 1 ne compte pas"_s);
        const QAbstractItemModel* d = s.C<QTableView>(u"Detail"_s)->model();
        QStringList rangees;
        for (int r = 0; r < d->rowCount(); ++r) {
            rangees << d->index(r, 2).data().toString() + u' ' + d->index(r, 7).data().toString();
        }
        QCOMPARE(rangees, (QStringList{u"F5A29 retenu pour la demande"_s, u"F6CW compte"_s,
                                       u"F6SSB ne compte pas\u00A0: 10 MHz\u00A0: CW seulement"_s}));
    }

    // The claim list: a PDF holding every row, and its CSV beside it.
    void listePourLaDemande() {
        Scene s;
        Imprimante_Qt pdf;
        Services services = s.b.services;
        Services avec_pdf{
            services.messages,    services.horloge,  services.reglages,  services.programme, pdf,
            services.navigateurs, services.fichiers, services.repertoire};
        Fenetre_Diplomes f(
            avec_pdf, [&s]() -> const Lignes_Log& { return s.w->Lignes_Liste(); }, [] { return u"F1ABC"_s; });
        s.b.fichiers.reponses = {s.b.Chemin(u"demande"_s)};
        f.findChild<QPushButton*>(u"Demande"_s)->click();
        QCOMPARE(s.b.messages.textes.value(0),
                 u"Liste pour la demande enregistrée\u00A0: 49 QSO dans «\u00A0demande.pdf"
                 u"\u00A0» et «\u00A0demande.csv\u00A0»."_s);
        QProcess texte;
        texte.start(u"pdftotext"_s, {u"-layout"_s, s.b.Chemin(u"demande.pdf"_s), u"-"_s});
        QVERIFY(texte.waitForFinished(30000));
        const QString lu = QString::fromUtf8(texte.readAllStandardOutput());
        QVERIFY2(lu.contains(u"DDFM — Diplôme des Départements Français Métropolitains"_s), qPrintable(lu));
        for (int i = 1; i <= 50; ++i) {
            if (i != 20) {
                QVERIFY2(lu.contains(u"F5A"_s + QString::number(i) + u' '), qPrintable(QString::number(i)));
            }
        }
        QVERIFY(lu.contains(u"49 départements confirmés sur 96"_s));
        QVERIFY(
            s.b.Lit(u"demande.csv"_s).contains("49;50;Manche;F5A50;01/06/08;10:00;14 Mhz;SSB;59;oui\r\n"));
    }

    // A full disk: no file, and the reason said.
    void disquePlein() {
        Scene s;
        s.b.fichiers.reponses = {s.b.Chemin(u"demande.pdf"_s)};
        {
            Acces_Fichiers_Test disque;
            disque.limite_octets = 100;
            s.C<QPushButton>(u"Demande"_s)->click();
        }
        const QString message = s.b.messages.textes.value(0);
        QVERIFY2(message.startsWith(u"La liste pour la demande n'a pas été enregistrée.\r\n"_s) &&
                     message.contains(u"disque plein"_s),
                 qPrintable(message));
        QVERIFY(!QFile::exists(s.b.Chemin(u"demande.csv"_s)));
        QVERIFY(!QFile::exists(s.b.Chemin(u"demande.pdf"_s)));
        QVERIFY(s.b.imprimante.appels.isEmpty());
    }

    // Beside "Pays A :", what the callsign typed would bring on the form's band and mode.
    void ligneSousLeFormulaire() {
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, Journal());
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, u"bande Utilisee"_s, 2); // 7.0 Mhz
        Index_Journal index;
        index.Fixe_Annuaire("F4DIR        77 JEAN\r\n");
        b.services.nouveautes = &index;
        Main w(b.services);
        w.Form_Load();
        QApplication::setActiveWindow(&w);
        auto* ind_a = w.findChild<QLineEdit*>(u"Ind_A"_s);
        QTest::keyClicks(ind_a, u"f4dir"_s);
        QCOMPARE(w.findChild<QLabel*>(u"Pays_A"_s)->text(), u"pays inconnu — nouveau département (77)"_s);
        ind_a->clear();
        QTest::keyClicks(ind_a, u"f5a30"_s);
        QCOMPARE(w.findChild<QLabel*>(u"Pays_A"_s)->accessibleName(),
                 u"Pays de la station A pays inconnu — nouveau département sur 7.0 Mhz"_s);
        // 29 was heard on 7 MHz in CW only; the form is in SSB.
        ind_a->clear();
        QTest::keyClicks(ind_a, u"f5a29"_s);
        QCOMPARE(w.findChild<QLabel*>(u"Pays_A"_s)->text(), u"pays inconnu — nouveau sur ce mode"_s);
        // The field's own rules are untouched: capitals as typed.
        QCOMPARE(ind_a->text(), u"F5A29"_s);
    }

    // The window follows the log: a deletion makes a department missing again.
    void suitUneSuppression() {
        Scene s;
        s.w->Selectionne_Ligne(0); // department 01
        s.b.messages.reponses = {true};
        s.w->findChild<QPushButton*>(u"Annule_Saisie"_s)->click();
        QVERIFY(s.Texte(u"Avancement"_s).startsWith(u"DDFM — 48 départements entendus, 48 confirmés"_s));
        QCOMPARE(s.C<QTableView>(u"Grille"_s)->model()->index(s.Rangee(u"01 "_s), 5).data().toString(),
                 u"–"_s);
    }
};

QTEST_MAIN(Tst_Diplomes_Fenetre)
#include "tst_diplomes_fenetre.moc"
