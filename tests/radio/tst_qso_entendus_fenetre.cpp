// The QSOs heard in FT8/FT4 seen from the windows: datagrams sent to the listening port as
// WSJT-X sends them, the table forming, a QSO taken into the entry form and saved, the
// complete QSOs written to the log, a port already taken, a silent program.
#include "core/countries/pays.h"
#include "core/program/reglages.h"
#include "core/radio/wsjtx.h"
#include "core/reports/index_journal.h"
#include "main/main.h"
#include "platform/ecoute_wsjtx.h"
#include "platform/fenetres.h"
#include "radio/fenetre_qso_entendus.h"
#include "radio/modele_qso_entendus.h"
#include "support/doubles.h"
#include "support/wsjtx_factice.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QUdpSocket>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

quint16 Port_Udp_Libre() {
    QUdpSocket s;
    s.bind(QHostAddress::LocalHost, 0);
    return s.localPort();
}

// The test clock reads 05/03/2009 09:05:07 UTC.
const QList<QByteArray> Debut_QSO = {
    swl_test::Etat(14074000, "FT8"),
    swl_test::Decode(QTime(9, 4, 0), -10, "CQ F5ABC JN18"),
    swl_test::Decode(QTime(9, 4, 15), -15, "F5ABC DL1XYZ JO62"),
    swl_test::Decode(QTime(9, 4, 30), -8, "DL1XYZ F5ABC -15"),
};
const QList<QByteArray> Fin_QSO = {
    swl_test::Decode(QTime(9, 4, 45), -17, "F5ABC DL1XYZ R-08"),
    swl_test::Decode(QTime(9, 5, 0), -11, "DL1XYZ F5ABC RR73"),
};
// Another QSO of the same minutes, complete.
const QList<QByteArray> Autre_QSO = {
    swl_test::Decode(QTime(9, 4, 15), -3, "G4ABC EA3XYZ -03"),
    swl_test::Decode(QTime(9, 4, 30), -20, "EA3XYZ G4ABC R-21"),
    swl_test::Decode(QTime(9, 4, 45), -1, "G4ABC EA3XYZ RR73"),
};
const QString Ligne_F5ABC =
    u"F5ABC        DL1XYZ                            05/03/09 09:04 FT8 14 Mhz  -08 -15"_s +
    QString(33, u' ');
const QString Ligne_EA3XYZ =
    u"EA3XYZ       G4ABC                             05/03/09 09:04 FT8 14 Mhz  -01 -20"_s +
    QString(33, u' ');
const QString Avant = Ligne_Test(u"F6AAA"_s, u"05/03/09"_s, u"08:00"_s);
const QString Apres = Ligne_Test(u"F6BBB"_s, u"05/03/09"_s, u"09:30"_s);

// France, Germany and Spain: the heard QSOs' stations have a country.
const QByteArray Fichier_Pays_Test =
    "France:  14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n    F;\n"
    "Fed. Rep. of Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DL;\n"
    "Spain:  14:  37:  EU:   40.32:     3.43:    -1.0:  EA:\n    EA;\n";

struct Scene {
    Banc b;
    Ecoute_WSJTX ecoute{b.horloge};
    Base_Pays pays;
    Index_Journal index;
    Sons_Test sons;
    std::unique_ptr<Main> w;
    QUdpSocket envoi;
    quint16 port = Port_Udp_Libre();
    Fenetre_QSO_Entendus* f = nullptr;

    explicit Scene(const QStringList& lignes = {Avant, Apres}) {
        b.Station_Avec_Log(u"F1ABC"_s, lignes);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Date_Auto, u"Oui"_s);
        b.services.ecoute_wsjtx = &ecoute;
        b.Ecrit(u"cty.dat"_s, Fichier_Pays_Test);
        pays.Charge(b.Chemin(u"cty.dat"_s));
        index.Fixe_Pays(pays.Fichier());
        b.services.pays = &pays;
        b.services.nouveautes = &index;
        b.services.sons = &sons;
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
        w->findChild<QAction*>(u"Mnu_QSO_FT8"_s)->trigger();
        f = w->findChild<Fenetre_QSO_Entendus*>(u"Fenetre_QSO_Entendus"_s);
        if (!f) {
            qFatal("window missing");
        }
    }
    template <class T = QLineEdit> T* C(const QString& nom) const {
        T* c = f->findChild<T*>(nom);
        if (!c) {
            c = w->findChild<T*>(nom);
        }
        if (!c) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return c;
    }
    void Ecoute() const {
        C(u"Adresse_FT8"_s)->setText(u"127.0.0.1"_s);
        C<QSpinBox>(u"Port_FT8"_s)->setValue(port);
        C<QCheckBox>(u"Ecoute_FT8"_s)->click();
    }
    // Sends the datagrams and waits until the listener has read them all.
    bool Envoie(const QList<QByteArray>& datagrammes) {
        const qint64 avant = ecoute.Lus() + ecoute.Rejetes();
        for (const QByteArray& d : datagrammes) {
            envoi.writeDatagram(d, QHostAddress::LocalHost, port);
        }
        return QTest::qWaitFor([&] { return ecoute.Lus() + ecoute.Rejetes() >= avant + datagrammes.size(); },
                               5000);
    }
    QTableView* Table() const { return C<QTableView>(u"Table_QSO_FT8"_s); }
    // The row as the table shows it up to its state, cells joined by " | " (what is new is
    // looked at apart).
    QString Rangee(int r) const {
        QStringList t;
        for (int c = 0; c <= Modele_QSO_Entendus::Etat; ++c) {
            t << Table()->model()->index(r, c).data().toString();
        }
        return t.join(u" | "_s);
    }
    QByteArray Log() const { return b.Lit(u"F1ABC_SWL.log"_s); }
    void Double_Clique(int r) const {
        const QRect zone = Table()->visualRect(Table()->model()->index(r, 1));
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, zone.center());
        QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, zone.center());
    }
};

} // namespace

class Tst_QSO_Entendus_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The QSO forms as it is decoded; hostile datagrams between its messages never show.
    void table_partielle_puis_complete() {
        Scene s;
        s.f->show();
        s.Ecoute();
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->accessibleName(),
                 u"État de l'écoute\u00A0: à l'écoute de 127.0.0.1:"_s + QString::number(s.port));
        QCOMPARE(Lit_Reglage_Ecoute(*s.b.reglages), (Reglage_Ecoute{true, u"127.0.0.1"_s, s.port}));
        QVERIFY(!s.C(u"Adresse_FT8"_s)->isEnabled());

        QVERIFY(s.Envoie(Debut_QSO));
        QCOMPARE(s.Table()->model()->rowCount(), 1);
        QCOMPARE(s.Rangee(0), u"09:04:15 | F5ABC | -08 | DL1XYZ | -15 | 14 Mhz | FT8 | partiel"_s);
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->text(), u"à l'écoute de 127.0.0.1:"_s +
                                                           QString::number(s.port) +
                                                           u"\u00A0: WSJT-X, 14\u00a0074,0\u00A0kHz FT8"_s);

        QByteArray quatre_go = swl_test::Decode(QTime(9, 4, 40), 0, "DL1XYZ F5ABC RR73");
        quatre_go.replace(quatre_go.size() - 2 - 17 - 4, 4, QByteArray("\xff\xff\xff\xf0", 4));
        QByteArray invalide = swl_test::Decode(QTime(9, 4, 40), 0, "DL1XYZ F5ABC R\xff\xfe");
        QByteArray controle = swl_test::Decode(QTime(9, 4, 40), 0,
                                               "DL1XYZ F5\x01\x1b"
                                               "ABC RR73");
        QByteArray long_texte = swl_test::Decode(QTime(9, 4, 40), 0, QByteArray(65000, 'A'));
        QVERIFY(s.Envoie({QByteArray("\x01\x02\x03"), quatre_go, invalide, controle, long_texte}));
        QCOMPARE(s.ecoute.Rejetes(), 2);
        QCOMPARE(s.Table()->model()->rowCount(), 1);
        QCOMPARE(s.Rangee(0), u"09:04:15 | F5ABC | -08 | DL1XYZ | -15 | 14 Mhz | FT8 | partiel"_s);

        QVERIFY(s.Envoie(Fin_QSO + Autre_QSO));
        QCOMPARE(s.Table()->model()->rowCount(), 2);
        QCOMPARE(s.Rangee(0), u"09:04:15 | EA3XYZ | -01 | G4ABC | -20 | 14 Mhz | FT8 | complet"_s);
        QCOMPARE(s.Rangee(1), u"09:04:15 | F5ABC | -08 | DL1XYZ | -15 | 14 Mhz | FT8 | complet"_s);
        QCOMPARE(s.C<QLabel>(u"Nombre_QSO_FT8"_s)->accessibleName(),
                 u"QSO entendus\u00A0: 2, dont 2 complets"_s);

        // Turned off: nothing more is read, and that is remembered.
        s.C<QCheckBox>(u"Ecoute_FT8"_s)->click();
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->text(), u"écoute arrêtée"_s);
        QVERIFY(!Lit_Reglage_Ecoute(*s.b.reglages).active);
        QVERIFY(s.C(u"Adresse_FT8"_s)->isEnabled());
    }

    // A double click fills the waiting form; Enter saves the QSO at its date and time.
    void double_clic_remplit_le_formulaire() {
        Scene s;
        s.f->show();
        s.Ecoute();
        QVERIFY(s.Envoie(Debut_QSO + Fin_QSO));
        // Each station's country, in French, and continent.
        const QAbstractItemModel* m = s.Table()->model();
        QCOMPARE(m->index(0, Modele_QSO_Entendus::Pays_A).data().toString(), u"France  EU"_s);
        QCOMPARE(m->index(0, Modele_QSO_Entendus::Pays_B).data().toString(), u"Allemagne  EU"_s);
        QCOMPARE(m->headerData(Modele_QSO_Entendus::Pays_B, Qt::Horizontal).toString(), u"Pays B"_s);
        // A QSO of the log only shown in the form: no mark of what is new; the double click
        // takes its place.
        s.w->Selectionne_Ligne(0);
        QVERIFY(!s.C(u"Ind_A"_s)->isEnabled());
        QVERIFY2(!s.C<QLabel>(u"Pays_A"_s)->text().contains(u" — "_s),
                 qPrintable(s.C<QLabel>(u"Pays_A"_s)->text()));
        s.Double_Clique(0);
        QCOMPARE(s.C(u"Ind_A"_s)->text(), u"F5ABC"_s);
        QCOMPARE(s.C(u"RST_A"_s)->text(), u"-08"_s);
        QCOMPARE(s.C(u"Ind_B"_s)->text(), u"DL1XYZ"_s);
        QCOMPARE(s.C(u"RST_B"_s)->text(), u"-15"_s);
        QCOMPARE(s.C(u"Date_A"_s)->text(), u"05/03/09"_s);
        QCOMPARE(s.C(u"Heure_A"_s)->text(), u"09:04"_s);
        QCOMPARE(s.C<QComboBox>(u"Mode_A"_s)->currentText(), u"FT8"_s);
        QCOMPARE(s.C<QComboBox>(u"Bande_A"_s)->currentText(), u"14 Mhz"_s);
        QCOMPARE(s.w->focusWidget(), s.C<QPushButton>(u"Valide_A"_s));
        QVERIFY(s.C<QPushButton>(u"Valide_A"_s)->isEnabled());
        // The form holds a QSO now: another double click is refused, with a message.
        s.Double_Clique(0);
        QCOMPARE(s.b.messages.textes.value(0),
                 u"Le formulaire de saisie n'attend pas de nouveau QSO\u00A0: la saisie du QSO de F5ABC est "
                 u"en cours. "
                 u"Enregistrez-le ou effacez-le, puis double-cliquez de nouveau."_s);
        // A report corrected and the chain walked with Enter: the QSO keeps its own date and time.
        s.C(u"RST_B"_s)->setFocus();
        s.C(u"RST_B"_s)->setText(u"-16"_s);
        QTest::keyClick(s.C(u"RST_B"_s), Qt::Key_Return);
        QCOMPARE(s.C(u"Heure_A"_s)->text(), u"09:04"_s);
        s.C(u"RST_B"_s)->setText(u"-15"_s);
        s.b.messages.reponses = {true};
        QTest::keyClick(s.C<QPushButton>(u"Valide_A"_s), Qt::Key_Return);
        QCOMPARE(s.Log(), Octets_Log({Avant, Ligne_F5ABC, Apres}));
        QCOMPARE(s.Rangee(0), u"09:04:15 | F5ABC | -08 | DL1XYZ | -15 | 14 Mhz | FT8 | déjà au journal"_s);
    }

    // One merge of the complete QSOs; the one the log holds is left out; one step to undo.
    void enregistrer_les_complets() {
        Scene s({Avant, Ligne_F5ABC, Apres});
        s.Ecoute();
        QVERIFY(s.Envoie(Debut_QSO + Fin_QSO + Autre_QSO));
        QCOMPARE(s.Rangee(1), u"09:04:15 | F5ABC | -08 | DL1XYZ | -15 | 14 Mhz | FT8 | déjà au journal"_s);
        s.C<QPushButton>(u"Enregistrer_QSO_FT8"_s)->click();
        // QSOs of the same minute keep the order of the merge: the new one first.
        QCOMPARE(s.Log(), Octets_Log({Avant, Ligne_EA3XYZ, Ligne_F5ABC, Apres}));
        QCOMPARE(s.b.messages.textes,
                 QStringList{u"1 QSO ajouté au journal.\r\n1 QSO déjà dans le journal, laissé de côté."_s});
        QCOMPARE(s.Rangee(0), u"09:04:15 | EA3XYZ | -01 | G4ABC | -20 | 14 Mhz | FT8 | déjà au journal"_s);
        QCOMPARE(s.w->Historique_Changements().Annuler()->text(),
                 u"Annuler l'enregistrement de 1 QSO entendus en FT8/FT4"_s);
        s.w->Historique_Changements().Annule();
        QCOMPARE(s.Log(), Octets_Log({Avant, Ligne_F5ABC, Apres}));
        QCOMPARE(s.Rangee(0), u"09:04:15 | EA3XYZ | -01 | G4ABC | -20 | 14 Mhz | FT8 | complet"_s);
        // Nothing complete and new: said, and the log is not touched.
        s.b.messages.textes.clear();
        s.C<QPushButton>(u"Enregistrer_QSO_FT8"_s)->click();
        s.C<QPushButton>(u"Enregistrer_QSO_FT8"_s)->click();
        QCOMPARE(s.b.messages.textes.value(1),
                 u"0 QSO ajouté au journal.\r\n2 QSO déjà dans le journal, laissés de côté."_s);
    }

    // Another program on the port: the status says so, the program goes on.
    // What each QSO would bring, in words and colour; only those, on demand; one sound for a
    // new country when the listener asked for it.
    void ce_qui_manque() {
        Scene s;
        Ecrit_Reglage_Alertes(*s.b.reglages, {false, true});
        s.Ecoute();
        QVERIFY(s.Envoie(Debut_QSO + Autre_QSO));
        QTRY_COMPARE(s.Table()->model()->rowCount(), 2);
        const auto* m = s.Table()->model();
        QStringList marques;
        for (int r = 0; r < m->rowCount(); ++r) {
            marques << m->index(r, Modele_QSO_Entendus::Nouveau).data().toString();
        }
        // F6AAA (France) is in the log on 7 MHz only; Germany and Spain are not.
        QCOMPARE(marques, (QStringList{u"EA3XYZ\u00A0: nouveau pays"_s, u"DL1XYZ\u00A0: nouveau pays"_s}));
        QCOMPARE(m->index(0, Modele_QSO_Entendus::Nouveau).data(Qt::BackgroundRole).value<QColor>(),
                 Couleur_Nouveaute(Nouveaute::Nouveau_Pays));
        QCOMPARE(s.sons.joues, QList<Son_Alerte>{Son_Alerte::Nouveau_Pays});
        QCOMPARE(m->headerData(Modele_QSO_Entendus::Nouveau, Qt::Horizontal).toString(), u"Nouveau"_s);
    }

    void port_occupe() {
        Scene s;
        QUdpSocket autre;
        QVERIFY(autre.bind(QHostAddress::LocalHost, s.port));
        s.Ecoute();
        QVERIFY(s.C<QLabel>(u"Statut_FT8"_s)
                    ->text()
                    .startsWith(u"port occupé\u00A0: 127.0.0.1:"_s + QString::number(s.port) +
                                u" est déjà utilisé par un autre programme."_s));
        QVERIFY(!s.ecoute.A_L_Ecoute());
        QVERIFY(s.b.messages.textes.isEmpty());
        // Freed, listening again works.
        autre.close();
        s.C<QCheckBox>(u"Ecoute_FT8"_s)->click();
        s.C<QCheckBox>(u"Ecoute_FT8"_s)->click();
        QVERIFY(s.ecoute.A_L_Ecoute());
    }

    void silence_et_fermeture() {
        Scene s;
        s.Ecoute();
        const QString ecoute = u"à l'écoute de 127.0.0.1:"_s + QString::number(s.port);
        s.b.horloge.utc = s.b.horloge.utc.addSecs(59);
        s.ecoute.Verifie_Silence();
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->text(), ecoute);
        s.b.horloge.utc = s.b.horloge.utc.addSecs(3 * 60);
        s.ecoute.Verifie_Silence();
        // Nothing ever received: where to look.
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->text(),
                 ecoute +
                     u" — aucun message reçu\u00A0: vérifiez dans WSJT-X l'adresse UDP (Settings → Reporting "
                     u"→ UDP "
                     u"Server\u00A0: 127.0.0.1, port "_s +
                     QString::number(s.port) + u')');
        QVERIFY(s.Envoie({swl_test::Battement("JTDX"), swl_test::Simple(6, "JTDX")}));
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->text(), ecoute + u"\u00A0: JTDX fermé"_s);
        s.b.horloge.utc = s.b.horloge.utc.addSecs(3 * 60);
        s.ecoute.Verifie_Silence();
        QCOMPARE(s.C<QLabel>(u"Statut_FT8"_s)->text(), ecoute + u"\u00A0: aucun message depuis 3 min"_s);
    }

    // A multicast group: bound with the port shared, the datagrams sent to the group read.
    void groupe_multicast() {
        Scene s;
        Ecoute_WSJTX autre(s.b.horloge);
        autre.Configure({true, u"239.255.0.1"_s, s.port});
        s.C(u"Adresse_FT8"_s)->setText(u"239.255.0.1"_s);
        s.C<QSpinBox>(u"Port_FT8"_s)->setValue(s.port);
        s.C<QCheckBox>(u"Ecoute_FT8"_s)->click();
        QVERIFY(s.ecoute.A_L_Ecoute());
        QVERIFY(autre.A_L_Ecoute());
        const QString statut = s.C<QLabel>(u"Statut_FT8"_s)->text();
        QVERIFY2(statut.startsWith(u"à l'écoute de 239.255.0.1:"_s + QString::number(s.port)),
                 qPrintable(statut));
        if (statut.contains(u"n'a pas pu être rejoint"_s)) {
            QSKIP("this machine has no interface for multicast");
        }
        s.envoi.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
        s.envoi.writeDatagram(swl_test::Battement(), QHostAddress(u"239.255.0.1"_s), s.port);
        if (!QTest::qWaitFor([&] { return s.ecoute.Lus() == 1 && autre.Lus() == 1; }, 3000)) {
            QSKIP("multicast datagrams are not looped back on this machine");
        }
    }

    void adresse_invalide() {
        Scene s;
        s.C(u"Adresse_FT8"_s)->setText(u"localhost;rm"_s);
        s.C<QCheckBox>(u"Ecoute_FT8"_s)->click();
        QVERIFY(!s.C<QCheckBox>(u"Ecoute_FT8"_s)->isChecked());
        QCOMPARE(s.b.messages.textes, QStringList{u"L'adresse d'écoute «\u00A0localhost;rm\u00A0» n'est pas "
                                                  u"une adresse IP (exemples\u00A0: 127.0.0.1, "
                                                  u"ou le groupe multicast 239.255.0.1)."_s});
        QVERIFY(!Lit_Reglage_Ecoute(*s.b.reglages).active);
    }
};

QTEST_MAIN(Tst_QSO_Entendus_Fenetre)
#include "tst_qso_entendus_fenetre.moc"
