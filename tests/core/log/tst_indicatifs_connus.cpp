// The callsigns known before they are typed: what holds the text typed, at its start, middle
// or end, compound ones; one character away; the order and the limit; a log that changed; files
// of callsigns good and bad.
#include "core/log/fiche_qso.h"
#include "core/log/indicatifs_connus.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace swl;

namespace {

QString Ligne(const QString& a, const QString& dpt, const QString& date, const QString& b = u"F5ZZZ"_s) {
    Fiche_QSO f;
    f.Indicatif_A = a;
    f.Dpt_A = dpt;
    f.Indicatif_B = b;
    f.Date = date;
    f.Heure = u"10:00"_s;
    f.Mode = u"SSB"_s;
    f.Bande = u"7.0 Mhz"_s;
    return Forme_Ligne_Log(f);
}

Lignes_Log Journal(const QStringList& lignes) {
    QByteArray o;
    for (const QString& l : lignes) {
        o += l.toLatin1() + "\r\n";
    }
    return Lignes_Log(o);
}

const QStringList Base = {
    Ligne(u"F5ABC"_s, u"29"_s, u"01/06/08"_s),
    Ligne(u"F5ABC"_s, u"29"_s, u"03/05/25"_s),
    Ligne(u"F5ABD"_s, u"35"_s, u"02/06/08"_s),
    Ligne(u"EA8/F5ABX"_s, {}, u"02/06/08"_s),
    Ligne(u"F6XYZ/P"_s, u"2a"_s, u"04/06/08"_s, u"F5ABE"_s),
};
const QByteArray Repertoire = "F5ABF        13 JEAN\r\nF5ABC        12 PAUL\r\n";

QStringList Resume(const Index_Indicatifs& index, const QString& texte, int limite = 10) {
    QStringList r;
    for (const auto& p : index.Cherche(texte, limite)) {
        r << Texte_Proposition(p);
    }
    return r;
}

} // namespace

class Tst_Indicatifs_Connus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cherche_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("début, ordre") << u"f5ab"_s
                                      << QStringList{u"F5ABC, 2 QSO, dernier le 03/05/25, département 29"_s,
                                                     u"EA8/F5ABX, 1 QSO, dernier le 02/06/08"_s,
                                                     u"F5ABD, 1 QSO, dernier le 02/06/08, département 35"_s,
                                                     u"F5ABE, 1 QSO, dernier le 04/06/08"_s,
                                                     u"F5ABF, répertoire des prénoms, département 13"_s,
                                                     u"F5ABG, fichier des indicatifs"_s,
                                                     u"F5ABH, fichier des indicatifs"_s};
        // Station B's callsigns count too; the file's come last.
        QTest::newRow("milieu") << u"XYZ"_s
                                << QStringList{u"F6XYZ/P, 1 QSO, dernier le 04/06/08, département 2A"_s,
                                               u"F8XYZ, fichier des indicatifs"_s};
        QTest::newRow("fin et /P") << u"Z/P"_s
                                   << QStringList{u"F6XYZ/P, 1 QSO, dernier le 04/06/08, département 2A"_s};
        QTest::newRow("indicatif composé")
            << u"8/F5"_s << QStringList{u"EA8/F5ABX, 1 QSO, dernier le 02/06/08"_s};
        QTest::newRow("une lettre changée")
            << u"F5ZZY"_s << QStringList{u"F5ZZZ, 4 QSO, dernier le 03/05/25, à un caractère près"_s};
        QTest::newRow("une lettre en trop")
            << u"F5ABCC"_s
            << QStringList{u"F5ABC, 2 QSO, dernier le 03/05/25, département 29, à un caractère près"_s};
        QTest::newRow("une lettre manquante")
            << u"F8XZ"_s << QStringList{u"F8XYZ, fichier des indicatifs, à un caractère près"_s};
        QTest::newRow("rien") << u"QQQQQQ"_s << QStringList{};
    }
    void cherche() {
        QFETCH(QString, texte);
        QFETCH(QStringList, attendu);
        auto fichier = std::make_shared<const Fichier_Indicatifs>(
            Lit_Indicatifs("# comment\nF5ABG\nf5abh\nF5ABC\nF8XYZ\nF5ZZZ\n"));
        const Index_Indicatifs index = Index_Indicatifs::Construit(Journal(Base), Repertoire, fichier);
        QCOMPARE(Resume(index, texte), attendu);
    }

    // At most the limit, the log's most heard first.
    void limite() {
        QStringList lignes;
        for (int i = 0; i < 30; ++i) {
            for (int k = 0; k <= i % 4; ++k) {
                lignes << Ligne(u"F4A"_s + QString::number(10 + i), {}, u"01/06/08"_s);
            }
        }
        const Index_Indicatifs index = Index_Indicatifs::Construit(Journal(lignes), {}, nullptr);
        const QStringList r = Resume(index, u"F4A"_s);
        QCOMPARE(r.size(), 10);
        QCOMPARE(r.first(), u"F4A13, 4 QSO, dernier le 01/06/08"_s);
        QCOMPARE(r.last(), u"F4A20, 3 QSO, dernier le 01/06/08"_s); // after F4A12 and F4A16
    }

    // A QSO saved and one deleted: the index built again says so.
    void apresSauvegardeEtSuppression() {
        QStringList lignes = Base;
        lignes << Ligne(u"F5ABD"_s, u"44"_s, u"05/06/08"_s);
        QCOMPARE(Resume(Index_Indicatifs::Construit(Journal(lignes), {}, nullptr), u"F5ABD"_s),
                 QStringList{u"F5ABD, 2 QSO, dernier le 05/06/08, département 44"_s});
        lignes.removeAt(2);
        lignes.removeLast();
        QCOMPARE(Resume(Index_Indicatifs::Construit(Journal(lignes), {}, nullptr), u"F5ABD"_s),
                 (QStringList{u"F5ABC, 2 QSO, dernier le 03/05/25, département 29, à un caractère près"_s,
                              u"F5ABE, 1 QSO, dernier le 04/06/08, à un caractère près"_s}));
    }

    void fichiers_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<int>("indicatifs");
        QTest::addColumn<int>("ignorees");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("MASTER.SCP") << QByteArray("#\n# Release\nK1ABC\r\nf5abc\n\nK1ABC\n") << 2 << 0
                                    << QString();
        QTest::newRow("lignes trop longues")
            << QByteArray("K1ABC\nABCDEFGHIJKLM\nDL1-ABC\nF\x01X\n") << 1 << 3 << QString();
        QTest::newRow("binaire") << QByteArray("K1ABC\n\x00\x01\x02", 9) << 0 << 0
                                 << u"ce n'est pas un fichier de texte (il contient des octets nuls)"_s;
        QTest::newRow("vide") << QByteArray("# rien\n") << 0 << 0
                              << u"le fichier ne contient aucun indicatif"_s;
    }
    void fichiers() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, indicatifs);
        QFETCH(int, ignorees);
        QFETCH(QString, erreur);
        const Fichier_Indicatifs f = Lit_Indicatifs(contenu);
        QCOMPARE(int(f.indicatifs.size()), indicatifs);
        QCOMPARE(int(f.ignorees), ignorees);
        QCOMPARE(f.erreur, erreur);
    }

    // A file of some gigabytes is refused before it is read; a missing one is named.
    void fichierEnorme() {
        QTemporaryDir d;
        QFile f(d.filePath(u"MASTER.SCP"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(1) << 30));
        f.close();
        const Fichier_Indicatifs lu = Lit_Fichier_Indicatifs(f.fileName());
        QVERIFY(lu.indicatifs.empty());
        QVERIFY2(lu.erreur.endsWith(
                     u" fait 1\u00A0024\u00A0Mo, bien plus qu'un fichier d'indicatifs (8\u00A0Mo au plus)"_s),
                 qPrintable(lu.erreur));
        QCOMPARE(Lit_Fichier_Indicatifs(d.filePath(u"absent"_s)).erreur,
                 u"le fichier «\u00A0"_s + d.filePath(u"absent"_s) +
                     u"\u00A0» est introuvable ou illisible"_s);
    }
};

QTEST_APPLESS_MAIN(Tst_Indicatifs_Connus)
#include "tst_indicatifs_connus.moc"
