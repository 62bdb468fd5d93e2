#include "platform/imprimante.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

namespace {

int Pages(const QString& pdf) {
    QProcess p;
    p.start(u"pdfinfo"_s, {pdf});
    p.waitForFinished();
    for (const QString& ligne : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (ligne.startsWith(u"Pages:"_s)) {
            return ligne.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

} // namespace

class Tst_Imprimante : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void documentsDUnTravailDansUnSeulPdf() {
        QTemporaryDir d;
        const QString pdf = d.filePath(u"etiquettes.pdf"_s);
        Imprimante_Qt imprimante(pdf);
        imprimante.Fixe_Nom_Police(u"Courier New"_s);
        imprimante.Fixe_Taille_Police(12);
        imprimante.Fixe_Gras(true);
        QCOMPARE(imprimante.Nom_Police(), u"Courier New"_s);
        QCOMPARE(imprimante.Taille_Police(), 12.0);
        QVERIFY(imprimante.Gras());
        imprimante.Imprime_Ligne(u"Première feuille"_s);
        imprimante.Fin_Document();
        QCOMPARE(Pages(pdf), 1);
        imprimante.Imprime_Ligne(u"Deuxième feuille"_s);
        imprimante.Imprime_Ligne(QString());
        imprimante.Fin_Document();
        imprimante.Imprime_Ligne(u"annulée"_s);
        imprimante.Annule_Document();
        QCOMPARE(Pages(pdf), 2);
    }

    void nouvellePageQuandLaPageEstPleine() {
        QTemporaryDir d;
        const QString pdf = d.filePath(u"liste.pdf"_s);
        Imprimante_Qt imprimante(pdf);
        imprimante.Fixe_Taille_Police(10);
        for (int i = 0; i < 150; ++i) {
            imprimante.Imprime_Ligne(u"ligne "_s + QString::number(i));
        }
        imprimante.Fin_Document();
        QVERIFY(Pages(pdf) >= 2);
    }
};

QTEST_MAIN(Tst_Imprimante)
#include "tst_imprimante.moc"
