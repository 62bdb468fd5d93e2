#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/program/textes_programme.h"
#include "core/reports/liste_bande.h"
#include "platform/fenetres.h"
#include "platform/modele_lignes.h"
#include "support/doubles.h"
#include "views/liste_qso.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Ligne(const QString& indicatif_a, const QString& date, const QString& bande, bool qsl) {
    QString l = Ligne_Test(indicatif_a, date, u"10:00"_s);
    l.replace(66, 7, bande.leftJustified(7));
    l[113] = qsl ? u'*' : u' ';
    return l;
}

QStringList Log_Test() {
    return {Ligne(u"F6BBB"_s, u"31/01/08"_s, u"7.0 Mhz"_s, true),
            Ligne(u"F6AAA"_s, u"01/07/08"_s, u"7.0 Mhz"_s, false),
            Ligne(u"F6CCC"_s, u"01/07/08"_s, u"14 Mhz"_s, true)};
}

struct Scene {
    Banc b;
    std::unique_ptr<Liste_QSO> l;
    explicit Scene(const QStringList& log = Log_Test()) {
        b.Station_Avec_Log(u"F1ZZZ"_s, log);
        b.horloge.local = QDateTime(QDate(2026, 12, 6), QTime(23, 30));
        b.horloge.utc = QDateTime(QDate(2026, 12, 6), QTime(22, 30), Qt::UTC);
        l = std::make_unique<Liste_QSO>(b.services, [] { return u"F1ZZZ"_s; });
    }
    template <class T> T* C(const QString& nom) const {
        T* c = l->findChild<T*>(nom);
        if (!c) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return c;
    }
    QComboBox* Bande() const { return C<QComboBox>(u"Bande_D"_s); }
    void Clique(const QString& bouton) const { QTest::mouseClick(C<QPushButton>(bouton), Qt::LeftButton); }
    QStringList Lignes() const {
        QStringList r;
        const auto* m = C<QListView>(u"Liste_OM_Contacte"_s)->model();
        for (int i = 0; i < m->rowCount(); ++i) {
            r << m->index(i, 0).data().toString();
        }
        return r;
    }
};

const QString Nom_Du_6_Decembre = u"F1ZZZ_Liste_QSO_Bande_7.0 Mhz_06_12_26.txt"_s;

} // namespace

class Tst_Liste_QSO : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void etatALOuverture() {
        Scene s;
        QCOMPARE(s.l->windowTitle(), u"Liste alphanumerique des QSO entendus"_s);
        QCOMPARE(s.Bande()->count(), 13);
        QCOMPARE(s.Bande()->currentIndex(), 2);
        QCOMPARE(s.Bande()->currentText(), u"7.0 Mhz"_s);
        QVERIFY(!s.C<QPushButton>(u"Enregistrer"_s)->isEnabled());
        QVERIFY(!s.C<QPushButton>(u"Imprimer"_s)->isEnabled());
        QCOMPARE(s.C<QLabel>(u"Compt_C"_s)->text(), QString());
        QCOMPARE(s.C<QLabel>(u"Compt_V"_s)->text(), QString());
        QCOMPARE(s.C<QLabel>(u"Label2"_s)->text(), QString());
        QCOMPARE(s.C<QLabel>(u"Label3"_s)->text(), u"QSO entendus bande"_s);
        QCOMPARE(s.C<QLabel>(u"Label4"_s)->text(), u"QSO confirmés bande"_s);
        QCOMPARE(s.C<QPushButton>(u"Command1"_s)->text(), u"Quitter"_s);
        QCOMPARE(Couleur_Fond(s.C<QListView>(u"Liste_OM_Contacte"_s)), QColor(255, 255, 192));
    }

    void afficherTrieEtCompte() {
        Scene s;
        s.Clique(u"Afficher"_s);
        QAbstractItemModelTester testeur(s.C<QListView>(u"Liste_OM_Contacte"_s)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(s.Lignes(), QStringList({Ligne_Bande(Log_Test()[1]), Ligne_Bande(Log_Test()[0])}));
        QCOMPARE(s.C<QLabel>(u"Compt_C"_s)->text(), u"2"_s);
        QCOMPARE(s.C<QLabel>(u"Compt_V"_s)->text(), u"1"_s);
        QCOMPARE(s.C<QLabel>(u"Label2"_s)->text(),
                 u"      Date     Heure  Indicatif A       Dpt    RST Indicatif B      "
                 u"Dpt    RST    Mode     Bande    QSL"_s);
        QVERIFY(s.C<QPushButton>(u"Enregistrer"_s)->isEnabled());
        QVERIFY(s.C<QPushButton>(u"Imprimer"_s)->isEnabled());
        // A band with no QSO: empty list, both counts 0, the buttons stay enabled.
        s.Bande()->setCurrentIndex(10);
        s.Clique(u"Afficher"_s);
        QCOMPARE(s.Lignes(), QStringList());
        QCOMPARE(s.C<QLabel>(u"Compt_C"_s)->text(), u"0"_s);
        QCOMPARE(s.C<QLabel>(u"Compt_V"_s)->text(), u"0"_s);
        QVERIFY(s.C<QPushButton>(u"Enregistrer"_s)->isEnabled());
        QVERIFY(s.b.messages.textes.isEmpty());
    }

    void enregistrerEcritLeFichier() {
        Scene s;
        s.Clique(u"Afficher"_s);
        s.Clique(u"Enregistrer"_s);
        QCOMPARE(s.b.messages.textes,
                 QStringList({u"Fichier enregistré sous le nom : "_s + Nom_Du_6_Decembre}));
        QByteArray attendu =
            "       F1ZZZ Liste alphanumerique des QSO entendus bande 7.0 Mhz au 06/12/2026\r\n\r\n"
            "   N\xB0    Date    Heure  Indicatif A  Dpt   RST  Indicatif B  Dpt   RST     Mode    "
            "Bande   QSL\r\n\r\n";
        attendu += "    1 " + Encode_1252(Ligne_Bande(Log_Test()[1])) + "\r\n";
        attendu += "    2 " + Encode_1252(Ligne_Bande(Log_Test()[0])) + "\r\n";
        attendu += "\r\n" + QByteArray(24, ' ') + Encode_1252(Notice_Programme()) + "\r\n";
        QCOMPARE(s.b.Lit(Nom_Du_6_Decembre), attendu);
        QVERIFY(!QFile::exists(s.b.Chemin(u"Temporaire.txt"_s)));
    }

    // The rows are those of the last display, the title and the name those of the band shown.
    void bandeChangeeApresLAffichage() {
        Scene s;
        s.Clique(u"Afficher"_s);
        s.Bande()->setCurrentIndex(4);
        s.Clique(u"Enregistrer"_s);
        const QString nom = u"F1ZZZ_Liste_QSO_Bande_14 Mhz_06_12_26.txt"_s;
        QCOMPARE(s.b.messages.textes, QStringList({u"Fichier enregistré sous le nom : "_s + nom}));
        const QByteArray fichier = s.b.Lit(nom);
        const QList<QByteArrayView> lignes = Decoupe_Lignes(fichier);
        QCOMPARE(lignes[0], "       F1ZZZ Liste alphanumerique des QSO entendus bande 14 Mhz au 06/12/2026");
        QCOMPARE(Decode_1252(lignes[4]), u"    1 "_s + Ligne_Bande(Log_Test()[1]));
        QCOMPARE(lignes.size(), 8);
    }

    void bandeRefuseeDansLeNom() {
        Scene s;
        s.Clique(u"Afficher"_s);
        s.Bande()->setEditText(u"../7.0"_s);
        s.Clique(u"Enregistrer"_s);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].contains(u"«\u00A0/\u00A0»"_s));
        QCOMPARE(QDir(s.b.dossier.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(s.b.repertoire).entryList(QDir::Files),
                 QStringList({u"F1ZZZ_SWL.log"_s, u"FXXXX.txt"_s, u"Liste_Prenom.txt"_s}));
    }

    // A save that fails says so, and an older list of the same name stays whole.
    void enregistrementQuiEchoue() {
        Scene s;
        s.Clique(u"Afficher"_s);
        s.b.Ecrit(Nom_Du_6_Decembre, "ancienne liste\r\n");
        QDir(s.b.repertoire).mkdir(u"Temporaire.txt"_s);
        s.Clique(u"Enregistrer"_s);
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY2(s.b.messages.textes[0].startsWith(u"La liste n'a pas été enregistrée sous le nom «\u00A0"_s +
                                                   Nom_Du_6_Decembre + u"\u00A0».\r\nImpossible d'écrire"_s),
                 qPrintable(s.b.messages.textes[0]));
        QCOMPARE(s.b.Lit(Nom_Du_6_Decembre), QByteArray("ancienne liste\r\n"));
    }

    void logIlisibleLaisseLaListe() {
        Scene s;
        s.Clique(u"Afficher"_s);
        QFile::remove(s.b.Chemin(u"F1ZZZ_SWL.log"_s));
        s.Bande()->setCurrentIndex(4);
        s.Clique(u"Afficher"_s);
        QCOMPARE(s.b.messages.textes,
                 QStringList({u"Le journal «\u00A0F1ZZZ_SWL.log\u00A0» ne peut pas être lu (Erreur N° "
                              u"53)\u00A0: la liste n'a pas été mise à jour."_s}));
        QCOMPARE(s.Lignes().size(), 2);
        QCOMPARE(s.C<QLabel>(u"Compt_C"_s)->text(), u"2"_s);
    }

    void travailDImpression() {
        Scene s;
        s.Clique(u"Afficher"_s);
        s.Clique(u"Imprimer"_s);
        const QStringList attendu = QStringList(
            {u"police Courier New"_s, u"gras 1"_s, u"taille 9"_s, u"choix"_s,
             u"ligne            F1ZZZ Liste alphanumerique des QSO entendus bande 7.0 Mhz au 06/12/2026"_s,
             u"ligne "_s,
             u"ligne        N°    Date    Heure  Indicatif A  Dpt   RST  Indicatif B  Dpt   RST     Mode    "
             u"Bande   QSL"_s,
             u"ligne "_s, u"ligne         1 "_s + Ligne_Bande(Log_Test()[1]),
             u"ligne         2 "_s + Ligne_Bande(Log_Test()[0]), u"ligne "_s, u"ligne "_s,
             u"ligne "_s + QString(21, u' ') + Notice_Programme(), u"fin"_s, u"gras 0"_s, u"police Arial"_s,
             u"taille 10"_s});
        QCOMPARE(s.b.imprimante.appels, attendu);
        QCOMPARE(s.b.imprimante.police, u"Arial"_s);
        QVERIFY(!s.b.imprimante.gras);
    }

    void annulerLeChoixDImprimanteNImprimeRien() {
        Scene s;
        s.Clique(u"Afficher"_s);
        s.b.imprimante.choix = false;
        s.Clique(u"Imprimer"_s);
        QCOMPARE(s.b.imprimante.appels,
                 QStringList({u"police Courier New"_s, u"gras 1"_s, u"taille 9"_s, u"choix"_s, u"gras 0"_s,
                              u"police Arial"_s, u"taille 10"_s}));
    }
};

QTEST_MAIN(Tst_Liste_QSO)
#include "tst_liste_qso.moc"
