// The reports window driven as a listener does: a station chosen, its run and WKD, a report
// marked incomplete, the card as PDF (its text and page size, one or four a page), the label,
// the e-mail, the eQSL file, "Marquer comme envoyé" kept after a restart, "QSL reçue" and its
// undo; then a file of confirmations imported, summed up and taken back.
#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/imprimante.h"
#include "support/doubles.h"
#include "views/rapports_ecoute.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTreeView>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Qso(const QString& a, const QString& b, const QString& heure, const QString& rst_b = u"57"_s) {
    return Ligne_QSO(a, b, u"08/12/26"_s, heure, u"14 Mhz"_s, u"SSB"_s, u"59"_s, rst_b);
}

struct Scene {
    Banc b;
    Imprimante_Qt pdf;
    std::unique_ptr<Services> avec_pdf;
    std::unique_ptr<Main> w;
    Scene() {
        b.Station_Avec_Log(u"F1ABC"_s,
                           {Qso(u"G3XYZ"_s, u"EA3AAA"_s, u"14:00"_s), Qso(u"G3XYZ"_s, u"DL1AB"_s, u"14:10"_s),
                            Qso(u"EA3AAA"_s, u"G3XYZ"_s, u"14:15"_s, u"55"_s),
                            Qso(u"F5ABC"_s, u"F6DEF"_s, u"15:00"_s)});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, u"Transceiver"_s, u"IC-R75"_s);
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
        w->findChild<QAction*>(u"Mnu_Rapports"_s)->trigger();
    }
    Rapports_Ecoute* F() const { return w->findChild<Rapports_Ecoute*>(); }
    template <class T> T* C(const QString& nom) const { return F()->findChild<T*>(nom); }
    void Choisit(const QString& station) const {
        C<QLineEdit>(u"Cherche_Station"_s)->setText(station);
        C<QTableView>(u"Liste_Stations_Entendues"_s)->selectRow(0);
    }
    // Every QSO row of the runs: "QSO 1 [x] G3XYZ…" as "1x EA3AAA 59".
    QStringList Qso_Montres() const {
        QStringList r;
        const auto* m = static_cast<QStandardItemModel*>(C<QTreeView>(u"Series_Station"_s)->model());
        for (int s = 0; s < m->rowCount(); ++s) {
            for (int i = 0; i < m->item(s)->rowCount(); ++i) {
                r << m->item(s)->child(i, 0)->text() +
                         (m->item(s)->child(i, 0)->checkState() == Qt::Checked ? u" x "_s : u" - "_s) +
                         m->item(s)->child(i, 6)->text() + u' ' + m->item(s)->child(i, 5)->text() + u' ' +
                         m->item(s)->child(i, 7)->text();
            }
        }
        return r;
    }
    QString Etat_Station(const QString& station) const {
        const QAbstractItemModel* m = C<QTableView>(u"Liste_Stations_Entendues"_s)->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->index(r, 0).data().toString() == station) {
                return m->index(r, 3).data().toString();
            }
        }
        return u"?"_s;
    }
};

QString Texte_Pdf(const QString& chemin) {
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, chemin, u"-"_s});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Taille_Pdf(const QString& chemin) {
    QProcess p;
    p.start(u"pdfinfo"_s, {chemin});
    p.waitForFinished(30000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype i = info.indexOf(u"Page size:"_s);
    return info.mid(i + 10, info.indexOf(u" pts"_s, i) - i - 10).trimmed();
}

} // namespace

class Tst_Rapports_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // G3XYZ heard as A then B: one run, WKD the station it worked, the report given; F5ABC's
    // lone QSO is incomplete.
    void stationEtSerie() {
        Scene s;
        QCOMPARE(s.C<QLabel>(u"Nombre_Stations"_s)->text(), u"5 sur 5"_s);
        s.Choisit(u"g3"_s);
        QCOMPARE(s.C<QLabel>(u"Nombre_Stations"_s)->text(), u"1 sur 5"_s);
        QCOMPARE(s.C<QLabel>(u"Titre_Station"_s)->text(), u"G3XYZ\u00A0: 3 QSO entendus en 1 série"_s);
        QCOMPARE(s.Qso_Montres(),
                 (QStringList{u"QSO 1 x EA3AAA 59 "_s, u"QSO 2 x DL1AB 59 "_s, u"QSO 3 x EA3AAA 55 "_s}));
        QVERIFY(!s.C<QLabel>(u"Avertissement_Serie"_s)->isVisibleTo(s.F()));
        s.Choisit(u"F5ABC"_s);
        QVERIFY(s.C<QLabel>(u"Avertissement_Serie"_s)->isVisibleTo(s.F()));
        QVERIFY(s.C<QLabel>(u"Avertissement_Serie"_s)
                    ->text()
                    .startsWith(u"Ce rapport est incomplet\u00A0: un seul correspondant."_s));
    }

    // The card: its texts through pdftotext, A4 portrait, or landscape with four.
    void cartePdf() {
        Scene s;
        Services avec_pdf{s.b.services.messages,
                          s.b.services.horloge,
                          s.b.services.reglages,
                          s.b.services.programme,
                          s.pdf,
                          s.b.services.navigateurs,
                          s.b.services.fichiers,
                          s.b.services.repertoire};
        Rapports_Ecoute f(
            avec_pdf, [&s]() -> const Lignes_Log& { return s.w->Lignes_Liste(); }, [] { return u"F1ABC"_s; },
            [](const QList<int>&) { return true; });
        f.findChild<QLineEdit*>(u"Cherche_Station"_s)->setText(u"G3XYZ"_s);
        f.findChild<QTableView*>(u"Liste_Stations_Entendues"_s)->selectRow(0);
        s.b.fichiers.reponses = {s.b.Chemin(u"carte"_s), s.b.Chemin(u"quatre"_s)};
        f.findChild<QPushButton*>(u"Carte_PDF"_s)->click();
        QCOMPARE(f.findChild<QLabel*>(u"Etat_Rapports"_s)->text(),
                 u"Carte enregistrée dans «\u00A0carte.pdf\u00A0»."_s);
        // The words in their order, whatever spaces pdftotext puts between the columns.
        const QString texte =
            QString(Texte_Pdf(s.b.Chemin(u"carte.pdf"_s))).replace(u'\u00A0', u' ').simplified();
        for (const QString& attendu :
             {u"À G3XYZ — rapport d'écoute SWL"_s, u"De F1ABC (écouteur SWL)"_s,
              u"Date UTC Bande Mode RST WKD"_s, u"2026-12-08 14:15 14 Mhz SSB 55 EA3AAA"_s,
              u"Récepteur : IC-R75"_s, u"PSE QSL TNX 73"_s}) {
            QVERIFY2(texte.contains(attendu), qPrintable(attendu + u"\n"_s + texte));
        }
        QCOMPARE(Taille_Pdf(s.b.Chemin(u"carte.pdf"_s)), u"595 x 842"_s);
        f.findChild<QCheckBox*>(u"Quatre_Cartes"_s)->setChecked(true);
        f.findChild<QPushButton*>(u"Carte_PDF"_s)->click();
        QCOMPARE(Taille_Pdf(s.b.Chemin(u"quatre.pdf"_s)), u"842 x 595"_s);
    }

    // The label on the stock chosen, the e-mail, the eQSL file; sent, and still so after a
    // restart; the QSL received ticks the log's box, and undo takes it back.
    void envoiEtReception() {
        Scene s;
        s.b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, u"Langue"_s, u"False"_s);
        s.w->findChild<QAction*>(u"Mnu_Rapports"_s)->trigger();
        s.Choisit(u"G3XYZ"_s);
        s.b.fichiers.reponses = {s.b.Chemin(u"etiquette.pdf"_s)};
        s.C<QPushButton>(u"Etiquette_PDF"_s)->click();
        QVERIFY(s.b.imprimante.appels.contains(u"a 7.67 15.02 To G3XYZ — SWL report"_s));
        s.C<QPushButton>(u"Courriel_Rapport"_s)->click();
        QVERIFY(s.b.programme.presse_papiers.startsWith(
            u"SWL report from F1ABC for G3XYZ, 2026-12-08\n\nDear OM,"_s));
        QVERIFY(s.b.programme.presse_papiers.contains(u"2026-12-08  14:10  14 Mhz   SSB   59   DL1AB\n"_s));
        QVERIFY(s.b.programme.adresses.value(0).startsWith(u"mailto:?subject=SWL%20report%20from%20F1ABC"_s));
        s.b.fichiers.reponses = {s.b.Chemin(u"eqsl"_s)};
        s.C<QPushButton>(u"ADIF_EQSL"_s)->click();
        QVERIFY(s.b.Lit(u"eqsl.adi"_s)
                    .contains("<CALL:5>G3XYZ <QSO_DATE:8>20261208 <TIME_ON:4>1415 <BAND:3>20m <MODE:3>SSB "
                              "<RST_SENT:2>55 <STATION_CALLSIGN:5>F1ABC <SWL:1>Y <QSLMSG:22>SWL report: wkd "
                              "EA3AAA <EOR>"));
        s.C<QComboBox>(u"Voie_Envoi"_s)->setCurrentText(u"eQSL"_s);
        s.C<QPushButton>(u"Marque_Envoye"_s)->click();
        QCOMPARE(s.Etat_Station(u"G3XYZ"_s), u"envoyé le 05/03/2009 (eQSL)"_s);
        // Restarted: the store says it still.
        Rapports_Ecoute relu(
            s.b.services, [&s]() -> const Lignes_Log& { return s.w->Lignes_Liste(); },
            [] { return u"F1ABC"_s; }, [](const QList<int>&) { return true; });
        QCOMPARE(relu.findChild<QLabel*>(u"Nombre_Stations"_s)->text(), u"5 sur 5"_s);
        relu.findChild<QCheckBox*>(u"A_Envoyer"_s)->setChecked(true);
        QCOMPARE(relu.findChild<QLabel*>(u"Nombre_Stations"_s)->text(), u"4 sur 5"_s);
        // The QSL received: the log's box ticked, one step undo takes back.
        s.C<QPushButton>(u"Marque_Recu"_s)->click();
        QCOMPARE(s.w->Modele().Ligne(0).right(1), u"*"_s);
        QCOMPARE(s.Etat_Station(u"G3XYZ"_s), u"QSL reçue le 05/03/2009"_s);
        QCOMPARE(s.w->findChild<QAction*>(u"Mnu_Annuler"_s)->text(), u"Annuler la confirmation de 3 QSO"_s);
        s.w->findChild<QAction*>(u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.w->Modele().Ligne(0).right(1), u" "_s);
        QCOMPARE(s.Etat_Station(u"G3XYZ"_s), u"envoyé le 05/03/2009 (eQSL)"_s);
    }

    // An eQSL inbox: the QSOs it confirms ticked in one step, the summary, the record that
    // matches nothing saved as CSV; undo takes the step back.
    void importDeConfirmations() {
        Scene s;
        s.b.Ecrit(u"inbox.adi"_s,
                  "Received eQSLs for F1ABC\r\n<PROGRAMID:4>eQSL <EOH>\r\n"
                  "<CALL:5>G3XYZ <QSO_DATE:8>20261208 <TIME_ON:4>1405 <BAND:3>20M <MODE:3>SSB "
                  "<EQSL_QSLRDATE:8>20270202 <EOR>\r\n"
                  "<CALL:5>K1ABC <QSO_DATE:8>20261208 <TIME_ON:4>1405 <BAND:3>20M <MODE:3>SSB <EOR>\r\n"
                  "<CALL:5>F6DEF <QSO_DATE:8>20261208 <TIME_ON:4>1500 <BAND:3>20M <MODE:3>SSB "
                  "<APP_EQSL_SWL:1>Y <EOR>\r\n");
        s.b.fichiers.reponses = {s.b.Chemin(u"inbox.adi"_s), s.b.Chemin(u"sans.csv"_s)};
        s.b.messages.reponses = {true};
        s.w->findChild<QAction*>(u"Mnu_Confirmations"_s)->trigger();
        QCOMPARE(
            s.b.messages.textes.value(0),
            u"Import des confirmations de «\u00A0inbox.adi\u00A0»\u00A0:\r\n1 QSO confirmé.\r\n"
            u"1 confirmation ne correspond à aucun QSO\u00A0:\r\n  n° 2 (K1ABC)\u00A0: aucun QSO de cette "
            u"station\r\n"
            u"n° 1 (G3XYZ)\u00A0: deux QSO correspondent, le plus proche à l'heure est pris (QSO 1, pas le "
            u"QSO 2).\r\n"
            u"1 enregistrement n'est pas une confirmation (écouteur, pas de QSL reçue, date ou bande illisible)."_s);
        QCOMPARE(s.w->Modele().Ligne(0).right(1), u"*"_s);
        QCOMPARE(s.w->Modele().Ligne(1).right(1), u" "_s);
        QVERIFY(s.b.Lit(u"sans.csv"_s)
                    .contains("2;K1ABC;08/12/2026;14:05;14 Mhz;aucun QSO de cette station\r\n"));
        QVERIFY(s.b.Lit(u"F1ABC_Rapports.txt"_s)
                    .contains("08/12/26;14:00;G3XYZ;EA3AAA;14 Mhz;SSB;G3XYZ;;;02/02/2027;eQSL\r\n"));
        QCOMPARE(s.Etat_Station(u"G3XYZ"_s), u"QSL reçue le 02/02/2027"_s);
        s.w->findChild<QAction*>(u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(s.w->Modele().Ligne(0).right(1), u" "_s);
        QCOMPARE(s.Etat_Station(u"G3XYZ"_s), u"à envoyer"_s);
    }
};

QTEST_MAIN(Tst_Rapports_Fenetre)
#include "tst_rapports_fenetre.moc"
