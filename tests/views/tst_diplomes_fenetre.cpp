// The awards window: the totals and the next threshold, a cell's text, a department clicked,
// the claim list as PDF (its text) and CSV, a full disk, the window following a deletion.
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
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
#include <QRegularExpression>
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
        QVERIFY(QString(lu).replace(u'\u00A0', u' ').contains(u"seuil non atteint : 49 confirmés sur 50"_s));
        QVERIFY(
            s.b.Lit(u"demande.csv"_s).contains("49;50;Manche;F5A50;01/06/08;10:00;14 Mhz;SSB;59;oui\r\n"));
        // A4 with margins: every word at least 14 mm from each edge, the headings whole.
        QProcess boites;
        boites.start(u"pdftotext"_s, {u"-bbox"_s, s.b.Chemin(u"demande.pdf"_s), u"-"_s});
        QVERIFY(boites.waitForFinished(30000));
        const QString bbox = QString::fromUtf8(boites.readAllStandardOutput());
        QVERIFY(bbox.contains(u"<page width=\"595.000000\" height=\"842.000000\">"_s));
        const QRegularExpression mot(
            u"<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"_s);
        const double marge = 14 * 72 / 25.4;
        QStringList entetes;
        for (auto m = mot.globalMatch(bbox); m.hasNext();) {
            const auto t = m.next();
            QVERIFY2(t.captured(1).toDouble() >= marge && t.captured(3).toDouble() <= 595 - marge &&
                         t.captured(2).toDouble() >= marge && t.captured(4).toDouble() <= 842 - marge,
                     qPrintable(t.captured(0)));
            entetes << t.captured(5);
        }
        for (const QString& entete :
             {u"N°"_s, u"Département"_s, u"Indicatif"_s, u"UTC"_s, u"Bande"_s, u"RST"_s}) {
            QVERIFY2(entetes.contains(entete), qPrintable(entete));
        }
    }

    // With a country file: a callsign it does not know is listed under its department with the
    // reason, never in the claim; a damaged line named; the countries grid shows the heard or
    // the missing ones; "Je réside en France" only for the DDFM.
    void ceQuiNeComptePas() {
        Scene s;
        s.b.Ecrit(u"cty.dat"_s,
                  "France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F;\n"
                  "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DL;\n");
        Base_Pays pays;
        pays.Charge(s.b.Chemin(u"cty.dat"_s));
        s.b.services.pays = &pays;
        QStringList lignes = Journal();
        lignes << Qso(u"QQ9ZZ"_s, u"70"_s, u"04/06/08"_s, u"14 Mhz"_s, u"SSB"_s, true)
               << Qso(u"DL1AA"_s, {}, u"04/06/08"_s, u"14 Mhz"_s, u"SSB"_s, true) << u"ligne abîmée"_s;
        Lignes_Log log(Octets_Lignes(lignes));
        Fenetre_Diplomes f(
            s.b.services, [&log]() -> const Lignes_Log& { return log; }, [] { return u"F1ABC"_s; });
        QCOMPARE(
            f.findChild<QLabel*>(u"Lignes_Illisibles"_s)->text(),
            u"1 ligne illisible (date, heure ou bande), jamais comptée\u00A0: QSO 54 «\u00A0ligne abîmée\u00A0»"_s);
        auto* grille = f.findChild<QTableView*>(u"Grille"_s);
        const auto rangee = [grille](const QString& debut) {
            for (int r = 0; r < grille->model()->rowCount(); ++r) {
                if (grille->model()->index(r, 0).data().toString().startsWith(debut)) {
                    return r;
                }
            }
            return -1;
        };
        grille->selectRow(rangee(u"70 "_s));
        QCOMPARE(f.findChild<QLabel*>(u"Titre_Detail"_s)->text(),
                 u"Département 70 — Haute-Saône\u00A0: 0 QSO compte, 1 ne compte pas"_s);
        QCOMPARE(f.findChild<QTableView*>(u"Detail"_s)->model()->index(0, 7).data().toString(),
                 u"ne compte pas\u00A0: indicatif dont le pays est inconnu"_s);
        f.findChild<QPushButton*>(u"Sans_Element"_s)->click();
        QCOMPARE(f.findChild<QTableView*>(u"Detail"_s)->model()->index(0, 7).data().toString(),
                 u"ne compte pas\u00A0: pas de département, station hors de France métropolitaine"_s);
        QVERIFY(f.findChild<QAbstractButton*>(u"En_France"_s)->isVisibleTo(&f));
        f.findChild<QComboBox*>(u"Choix_Diplome"_s)->setCurrentIndex(1);
        QVERIFY(!f.findChild<QAbstractButton*>(u"En_France"_s)->isVisibleTo(&f));
        auto* montres = f.findChild<QComboBox*>(u"Choix_Montres"_s);
        QCOMPARE(grille->model()->rowCount(), 2);
        montres->setCurrentText(u"Seulement les entendus"_s);
        QCOMPARE(grille->model()->rowCount(), 2);
        f.findChild<QComboBox*>(u"Choix_Bandes"_s)->setCurrentText(u"7.0 Mhz"_s);
        QCOMPARE(grille->model()->rowCount(), 1);
        QCOMPARE(grille->model()->index(0, 0).data().toString(), u"F France"_s);
        montres->setCurrentText(u"Seulement les manquants"_s);
        QCOMPARE(grille->model()->rowCount(), 1);
        QCOMPARE(grille->model()->index(0, 0).data().toString(), u"DL Allemagne"_s);
        // A row clicked shows its own country, whatever rows are hidden.
        grille->selectRow(0);
        QVERIFY(f.findChild<QLabel*>(u"Titre_Detail"_s)->text().startsWith(u"DL — Allemagne"_s));
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
