// The label sheets as they come out: a real PDF file, read back word by word with pdftotext.
#include "core/log/fiche_qso.h"
#include "core/reports/etiquettes.h"
#include "labels/select_qso.h"
#include "platform/imprimante.h"
#include "support/doubles.h"
#include "support/fichiers_test.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Mot {
    QRectF boite; // mm from the paper's corner
    QString texte;
};
struct Page {
    QSizeF taille; // mm
    QList<Mot> mots;
};

// The words of each page, as pdftotext -bbox finds them.
QList<Page> Lit_Pdf(const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    const double mm = 25.4 / 72.0;
    QList<Page> pages;
    static const QRegularExpression balise(
        uR"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    for (const QRegularExpressionMatch& m : balise.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            pages.append({QSizeF(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm), {}});
        } else if (!pages.isEmpty()) {
            const QPointF a(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm);
            const QPointF b(m.captured(5).toDouble() * mm, m.captured(6).toDouble() * mm);
            pages.last().mots.append({QRectF(a, b), m.captured(7)});
        }
    }
    return pages;
}

QStringList Seize_Entrees() {
    QStringList l;
    for (int i = 1; i <= 16; ++i) {
        QString ligne = Ligne_Test(QString(u"F"_s + QString::number(i) + u"ABCDEFGHIJK"_s).left(12),
                                   u"14/01/06"_s, u"08:35"_s);
        ligne.replace(13, 12, QString(u"TK"_s + QString::number(i) + u"XYZXYZXYZX"_s).left(12));
        ligne.replace(66, 7, u"144 Mhz"_s);
        l << ligne;
    }
    return l;
}

// The label window of a station's 16 QSOs, all chosen, on the real printer.
struct Etiquettes_De_Seize {
    Banc b;
    Imprimante_Qt imprimante;
    Services services{b.messages, b.horloge,     *b.reglages, b.programme,
                      imprimante, b.navigateurs, b.fichiers,  b.repertoire};
    QWidget principale;
    QWidget* etiquettes = nullptr;

    explicit Etiquettes_De_Seize(const QString& station) {
        b.Station_Avec_Log(station, Seize_Entrees());
        auto* selection = new Select_QSO(
            services, Lignes_Log(b.Lit(station + u"_SWL.log"_s)), [station] { return station; }, &principale);
        auto* liste = selection->findChild<QListView*>(u"Liste_QSO"_s);
        for (int i = 0; i < 16; ++i) {
            QTest::mousePress(liste->viewport(), Qt::LeftButton, {},
                              liste->visualRect(liste->model()->index(0, 0)).center());
        }
        QTest::mouseClick(selection->findChild<QPushButton*>(u"Impression"_s), Qt::LeftButton);
        etiquettes = principale.findChild<QWidget*>(u"Etiquettes"_s);
    }
    // "Enregistrer en PDF…", the file dialog answering `chemin`.
    void Enregistre_Pdf(const QString& chemin) {
        b.fichiers.reponses = {chemin};
        QTest::mouseClick(etiquettes->findChild<QPushButton*>(u"Enregistre_Pdf"_s), Qt::LeftButton);
    }
};

} // namespace

class Tst_Etiquettes_Pdf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void feuillesEnPdf_data() {
        QTest::addColumn<int>("stock");
        QTest::addColumn<int>("depart");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        for (int stock = 1; stock <= 4; ++stock) {
            QTest::newRow(qPrintable(u"stock "_s + QString::number(stock))) << stock << 1 << 0.0 << 0.0;
        }
        QTest::newRow("stock 1 décalé") << 1 << 1 << 4.5 << -6.0;
        QTest::newRow("stock 4 depuis l'étiquette 5") << 4 << 5 << 0.0 << 0.0;
    }
    void feuillesEnPdf() {
        QFETCH(int, stock);
        QFETCH(int, depart);
        QFETCH(double, dx);
        QFETCH(double, dy);
        Etiquettes_De_Seize f(u"F1ABCDEFGH_P"_s);
        QWidget* etiquettes = f.etiquettes;
        Banc& b = f.b;
        etiquettes->findChild<QRadioButton*>(u"Type_E("_s + QString::number(stock) + u')')->click();
        etiquettes->findChild<QSpinBox*>(u"Depart"_s)->setValue(depart);
        etiquettes->findChild<QDoubleSpinBox*>(u"Decalage_X"_s)->setValue(dx);
        etiquettes->findChild<QDoubleSpinBox*>(u"Decalage_Y"_s)->setValue(dy);
        const QString pdf = b.dossier.filePath(u"etiquettes.pdf"_s);
        f.Enregistre_Pdf(pdf);
        QCOMPARE(b.messages.textes,
                 QStringList({u"Étiquettes enregistrées dans le fichier\u00A0: etiquettes.pdf"_s}));

        Parametres_Etiquettes p;
        p.stock = stock;
        p.decalage_x = dx;
        p.decalage_y = dy;
        const QList<QRectF> contours = Contours_Etiquettes(p);
        const Stock_Etiquettes& s = Stock_Etiquettes_De(stock);
        const int places = depart - 1 + 16;
        const QList<Page> pages = Lit_Pdf(pdf);
        QCOMPARE(pages.size(), (places + s.etiquettes - 1) / s.etiquettes);
        QStringList indicatifs;
        for (const Page& page : pages) {
            QVERIFY(qAbs(page.taille.width() - 210) < 0.5 && qAbs(page.taille.height() - 297) < 0.5);
            QVERIFY(!page.mots.isEmpty());
            for (const Mot& m : page.mots) {
                const bool dedans = std::any_of(contours.begin(), contours.end(), [&m](const QRectF& c) {
                    return c.adjusted(-0.2, -0.2, 0.2, 0.2).contains(m.boite);
                });
                QVERIFY2(dedans,
                         qPrintable(m.texte + u" à "_s + QString::number(m.boite.x()) + u" "_s +
                                    QString::number(m.boite.y()) + u" "_s + QString::number(m.boite.right()) +
                                    u" "_s + QString::number(m.boite.bottom())));
                if (m.texte.startsWith(u"F"_s) && m.texte.size() == 12 && m.texte != u"F1ABCDEFGH/P") {
                    indicatifs << m.texte;
                }
            }
        }
        // Every label is there once, and the listener's callsign reads with its "/".
        QCOMPARE(indicatifs.size(), 16);
        QVERIFY(pages[0].mots.end() != std::find_if(pages[0].mots.begin(), pages[0].mots.end(),
                                                    [](const Mot& m) { return m.texte == u"F1ABCDEFGH/P"; }));
    }

    // A full disk or a failing write: nothing is said saved, and an earlier PDF of that name
    // stays whole.
    void pdfQuiNePeutPasEtreEcrit_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<long long>("octets");
        QTest::newRow("disque plein après 4 096 octets") << QString() << 4096LL;
        QTest::newRow("disque plein après 12 288 octets") << QString() << 12288LL;
        QTest::newRow("écriture") << u"ecrit"_s << -1LL;
        QTest::newRow("synchronisation") << u"synchronise"_s << -1LL;
        QTest::newRow("renommage") << u"renomme"_s << -1LL;
    }
    void pdfQuiNePeutPasEtreEcrit() {
        QFETCH(QString, operation);
        QFETCH(long long, octets);
        Etiquettes_De_Seize f(u"F1ABC"_s);
        Banc& b = f.b;
        const QString pdf = b.Chemin(u"etiquettes.pdf"_s);
        f.Enregistre_Pdf(pdf);
        const QByteArray avant = b.Lit(u"etiquettes.pdf"_s);
        QVERIFY(avant.startsWith("%PDF-"));
        QVERIFY(avant.size() > 12288);
        {
            Acces_Fichiers_Test disque;
            disque.limite_octets = octets;
            if (!operation.isEmpty()) {
                disque.echecs[operation] = 1;
            }
            f.Enregistre_Pdf(pdf);
        }
        QCOMPARE(b.messages.textes.size(), 2);
        QVERIFY2(
            b.messages.textes[1].startsWith(
                u"Les étiquettes n'ont pas été enregistrées dans le fichier «\u00A0etiquettes.pdf\u00A0».\r\n"_s),
            qPrintable(b.messages.textes[1]));
        QCOMPARE(b.Lit(u"etiquettes.pdf"_s), avant);
        QCOMPARE(QDir(b.repertoire).entryList(QDir::Files | QDir::Hidden).filter(u"pdf"_s),
                 QStringList{u"etiquettes.pdf"_s});
    }
};

QTEST_MAIN(Tst_Etiquettes_Pdf)
#include "tst_etiquettes_pdf.moc"
