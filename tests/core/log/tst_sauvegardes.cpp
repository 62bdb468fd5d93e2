// The copies of the log kept aside: when they are made, what they hold, which ones stay.
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "core/log/sauvegardes.h"
#include "support/fichiers_test.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Indicatif = u"F1ABC"_s;

QStringList Fichiers(const Sauvegardes& s) {
    QStringList l = QDir(s.Dossier()).entryList(QDir::Files | QDir::Hidden);
    l.sort();
    return l;
}

} // namespace

class Tst_Sauvegardes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A year of use, one change a day and an import now and then: the last 14 days, the first
    // copy of each month of the last twelve and the last 10 imports stay; other files stay.
    void uneAnneeDeCopies() {
        Dossier_Test d;
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif),
                Octets_Log({Ligne_Test(u"F6A"_s, u"01/06/08"_s, u"10:00"_s)}));
        const Sauvegardes s(d.repertoire, Indicatif);
        QVERIFY(QDir().mkpath(s.Dossier()));
        const QStringList etrangers = {u"F2XYZ_SWL_2026-01-01.log"_s, u"F1ABC_SWL_2026-13-01.log"_s,
                                       u"notes.txt"_s, u"F1ABC_SWL.log"_s};
        for (const QString& nom : etrangers) {
            QFile f(QDir(s.Dossier()).filePath(nom));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        int imports = 0;
        for (QDate jour(2026, 1, 1); jour.year() == 2026; jour = jour.addDays(1)) {
            if (jour.month() == 3 && jour.day() == 1) {
                continue; // a day without use: March's first copy is then the 2nd
            }
            bool faite = false;
            QVERIFY(s.Copie_Du_Jour(jour, &faite));
            QVERIFY(faite);
            QVERIFY(s.Copie_Du_Jour(jour, &faite));
            QVERIFY(!faite);
            if (jour.day() == 15 || jour.day() == 28) {
                QVERIFY(s.Copie_Avant(Sauvegardes::Sorte::Avant_Import, QDateTime(jour, QTime(20, 0, 5))));
                ++imports;
            }
        }
        QCOMPARE(imports, 24);
        QStringList attendus = etrangers;
        for (int mois = 1; mois <= 12; ++mois) {
            attendus << u"F1ABC_SWL_2026-"_s + QString::number(mois).rightJustified(2, u'0') +
                            (mois == 3 ? u"-02.log"_s : u"-01.log"_s);
        }
        for (int jour = 18; jour <= 31; ++jour) {
            attendus << u"F1ABC_SWL_2026-12-"_s + QString::number(jour) + u".log"_s;
        }
        for (int mois = 8; mois <= 12; ++mois) {
            for (int jour : {15, 28}) {
                attendus << u"F1ABC_SWL_2026-"_s + QString::number(mois).rightJustified(2, u'0') + u'-' +
                                QString::number(jour) + u"_200005_avant_import.log"_s;
            }
        }
        attendus.sort();
        QCOMPARE(Fichiers(s), attendus);
        // Listed newest first, by kind.
        const QList<Sauvegardes::Copie> liste = s.Liste();
        QCOMPARE(liste.first().nom, u"F1ABC_SWL_2026-12-31.log"_s);
        QCOMPARE(liste[3].nom, u"F1ABC_SWL_2026-12-28_200005_avant_import.log"_s);
        QCOMPARE(liste[3].sorte, Sauvegardes::Sorte::Avant_Import);
    }

    // The same bytes as the log and its permissions; no log, no copy.
    void copieFidele() {
        Dossier_Test d;
        const Sauvegardes s(d.repertoire, Indicatif);
        bool faite = true;
        QVERIFY(s.Copie_Du_Jour(QDate(2026, 12, 7), &faite));
        QVERIFY(!faite);
        const QByteArray log = QByteArray("F6A  sans fin de ligne\xE9\r\nX", 26);
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), log);
        QFile::setPermissions(d.Chemin(Fichier_Log::Nom_Log(Indicatif)),
                              QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(s.Copie_Du_Jour(QDate(2026, 12, 7), &faite));
        QVERIFY(faite);
        const QString copie = QDir(s.Dossier()).filePath(u"F1ABC_SWL_2026-12-07.log"_s);
        QFile f(copie);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), log);
        QCOMPARE(QFile::permissions(copie),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QString nom;
        QVERIFY(s.Copie_Avant(Sauvegardes::Sorte::Avant_Restauration,
                              QDateTime(QDate(2026, 12, 7), QTime(9, 8, 7)), &nom));
        QCOMPARE(nom, u"F1ABC_SWL_2026-12-07_090807_avant_restauration.log"_s);
        QVERIFY(QFile::exists(QDir(s.Dossier()).filePath(nom)));
    }

    // A copy of more entries than the log can number is refused as the changes refuse it.
    void restaurationTropLongue() {
        Dossier_Test d;
        const QByteArray log = Octets_Log({Ligne_Test(u"F6A"_s, u"01/06/08"_s, u"10:00"_s)});
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), log);
        const Sauvegardes s(d.repertoire, Indicatif);
        QVERIFY(QDir().mkpath(s.Dossier()));
        QByteArray enorme;
        const QByteArray ligne = log;
        for (int i = 0; i <= Numero_Maximal; ++i) {
            enorme += ligne;
        }
        QFile f(QDir(s.Dossier()).filePath(u"F1ABC_SWL_2026-01-01.log"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(enorme);
        f.close();
        const Resultat r =
            s.Restaure(u"F1ABC_SWL_2026-01-01.log"_s, QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        QVERIFY(!r);
        QVERIFY(r.message.contains(u"plus de 99\u00A0999 QSO"_s));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), log);
        QCOMPARE(Fichiers(s), QStringList{u"F1ABC_SWL_2026-01-01.log"_s});
    }

    // A copy that cannot be written says why, leaves no temporary, and never the log touched.
    void copieQuiEchoue() {
        Dossier_Test d;
        const QByteArray log = Octets_Log({Ligne_Test(u"F6A"_s, u"01/06/08"_s, u"10:00"_s)});
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), log);
        const Sauvegardes s(d.repertoire, Indicatif);
        {
            Acces_Fichiers_Test disque;
            disque.limite_octets = 10;
            const Resultat r = s.Copie_Du_Jour(QDate(2026, 12, 7));
            QVERIFY(!r);
            QVERIFY2(r.message.contains(u"disque plein"_s), qPrintable(r.message));
        }
        QCOMPARE(Fichiers(s), QStringList());
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), log);
    }

    // A restore refused when the log cannot be set aside says once that nothing changed.
    void restaurationRefuseeDitUneFoisRienNAChange() {
        Dossier_Test d;
        const QByteArray log = Octets_Log({Ligne_Test(u"F6A"_s, u"01/06/08"_s, u"10:00"_s)});
        d.Ecrit(Fichier_Log::Nom_Log(Indicatif), log);
        const Sauvegardes s(d.repertoire, Indicatif);
        QVERIFY(s.Copie_Du_Jour(QDate(2026, 12, 6)));
        Acces_Fichiers_Test disque;
        disque.limite_octets = 10;
        const Resultat r =
            s.Restaure(u"F1ABC_SWL_2026-12-06.log"_s, QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        QVERIFY(!r);
        QVERIFY2(r.message.endsWith(
                     u"disque plein ou ressources insuffisantes.\r\nLe journal n'a pas été modifié."_s),
                 qPrintable(r.message));
        QVERIFY(!r.message.contains(u"Rien n'a été modifié"_s));
        QCOMPARE(d.Lit(Fichier_Log::Nom_Log(Indicatif)), log);
    }
};

QTEST_APPLESS_MAIN(Tst_Sauvegardes)
#include "tst_sauvegardes.moc"
