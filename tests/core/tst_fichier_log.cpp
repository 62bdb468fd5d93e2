#include "core/fiche_qso.h"
#include "core/fichier_log.h"
#include "core/texte_1252.h"
#include "support/fichiers_test.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Indicatif = u"F1ABC"_s;

QByteArray Octets(const QStringList& lignes) {
    return Octets_Log(lignes);
}

QStringList Indicatifs_Du_Log(const Dossier_Test& b) {
    QStringList r;
    const QByteArray contenu = b.Lit(Fichier_Log::Nom_Log(Indicatif));
    for (const auto& l : Decoupe_Lignes(contenu)) {
        r << Decode_1252(l).left(12).trimmed() + u' ' + Decode_1252(l).mid(47, 8);
    }
    return r;
}

bool Temporaires_Absents(const Dossier_Test& b) {
    return !QFile::exists(b.Chemin(Nom_Temporaire)) && !QFile::exists(b.Chemin(Nom_Temporaire_Insertion));
}

// A log of n identical-width lines, written fast.
void Log_De(const Dossier_Test& b, int n) {
    const QByteArray ligne = Encode_1252(Ligne_Test(u"F6ABC"_s, u"01/06/08"_s, u"15:25"_s)) + "\r\n";
    QByteArray o;
    o.reserve(ligne.size() * n);
    for (int i = 0; i < n; ++i) {
        o += ligne;
    }
    b.Ecrit(Fichier_Log::Nom_Log(Indicatif), o);
}

} // namespace

class Tst_Fichier_Log : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ajouteEnFinEnCRLF() {
        Dossier_Test b;
        const Fichier_Log log(b.repertoire, Indicatif);
        const QString l1 = Ligne_Test(u"F6ABC"_s, u"01/06/08"_s, u"15:25"_s);
        const QString l2 = Ligne_Test(u"F6DEF"_s, u"01/06/08"_s, u"15:20"_s);
        QVERIFY(log.Ajoute_QSO_Log(l1));
        QVERIFY(log.Ajoute_QSO_Log(l2));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), Octets({l1, l2}));
    }

    void ajouteApresUneDerniereLigneSansFin() {
        Dossier_Test b;
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), "F6ABC");
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Ajoute_QSO_Log(u"F6DEF"_s));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), QByteArray("F6ABC\r\nF6DEF\r\n"));
    }

    void insertionDansLOrdre_data() {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("log vide") << QStringList() << u"01/06/08"_s << u"15:25"_s
                                  << QStringList({u"NEW 01/06/08"_s});
        QTest::newRow("siècle élargi")
            << QStringList({u"A|10/05/99|10:00"_s, u"B|03/01/00|10:00"_s}) << u"31/12/99"_s << u"23:59"_s
            << QStringList({u"A 10/05/99"_s, u"NEW 31/12/99"_s, u"B 03/01/00"_s});
        QTest::newRow("même moment : avant")
            << QStringList({u"A|01/06/08|15:25"_s, u"B|01/06/08|15:25"_s}) << u"01/06/08"_s << u"15:25"_s
            << QStringList({u"NEW 01/06/08"_s, u"A 01/06/08"_s, u"B 01/06/08"_s});
        QTest::newRow("plus tard que tout")
            << QStringList({u"A|01/06/08|15:25"_s, u"B|02/06/08|08:00"_s}) << u"02/06/08"_s << u"08:01"_s
            << QStringList({u"A 01/06/08"_s, u"B 02/06/08"_s, u"NEW 02/06/08"_s});
        QTest::newRow("plus tôt que tout") << QStringList({u"A|01/06/08|15:25"_s}) << u"31/05/08"_s
                                           << u"23:59"_s << QStringList({u"NEW 31/05/08"_s, u"A 01/06/08"_s});
        QTest::newRow("heure départage")
            << QStringList({u"A|01/06/08|09:00"_s, u"B|01/06/08|18:00"_s}) << u"01/06/08"_s << u"12:00"_s
            << QStringList({u"A 01/06/08"_s, u"NEW 01/06/08"_s, u"B 01/06/08"_s});
        QTest::newRow("année 49 après 50")
            << QStringList({u"A|01/01/50|00:00"_s, u"B|01/01/49|00:00"_s}) << u"31/12/48"_s << u"00:00"_s
            << QStringList({u"A 01/01/50"_s, u"NEW 31/12/48"_s, u"B 01/01/49"_s});
    }
    void insertionDansLOrdre() {
        QFETCH(QStringList, log);
        QFETCH(QString, date);
        QFETCH(QString, heure);
        QFETCH(QStringList, attendu);
        Dossier_Test b;
        QStringList lignes;
        for (const QString& l : log) {
            const QStringList p = l.split(u'|');
            lignes << Ligne_Test(p[0], p[1], p[2]);
        }
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets(lignes));
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Insere_QSO_Log(Ligne_Test(u"NEW"_s, date, heure)));
        QCOMPARE(Indicatifs_Du_Log(b), attendu);
        QVERIFY(Temporaires_Absents(b));
    }

    void ligneEndommageeLaisseLeLogIntact() {
        Dossier_Test b;
        const QByteArray avant = Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s),
                                         Ligne_Test(u"B"_s, u"xx/06/08"_s, u"10:00"_s),
                                         Ligne_Test(u"C"_s, u"03/06/08"_s, u"10:00"_s)});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        const Resultat r = Fichier_Log(b.repertoire, Indicatif)
                               .Insere_QSO_Log(Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s));
        QVERIFY(!r);
        QVERIFY2(r.message.contains(u"La ligne 2 du journal"_s), qPrintable(r.message));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
        QVERIFY(Temporaires_Absents(b));
    }

    void ligneCourteAvantLInsertionEstEndommagee() {
        Dossier_Test b;
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), "F6ABC        F5XYZ\r\n");
        const Resultat r = Fichier_Log(b.repertoire, Indicatif)
                               .Insere_QSO_Log(Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s));
        QVERIFY(!r);
        QVERIFY(r.message.contains(u"La ligne 1 du journal"_s));
    }

    void remplaceLaLigneDeCeNumeroSeulement() {
        Dossier_Test b;
        const QString double_ = Ligne_Test(u"DUP"_s, u"01/06/08"_s, u"10:00"_s);
        const QString autre = Ligne_Test(u"X"_s, u"01/06/08"_s, u"11:00"_s);
        const QString nouvelle = Ligne_Test(u"NEW"_s, u"05/06/08"_s, u"23:00"_s);
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets({double_, autre, double_}));
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Remplace_QSO_Log(nouvelle, double_, 3));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), Octets({double_, autre, nouvelle}));
        QVERIFY(Temporaires_Absents(b));
    }

    void remplaceParLeTexteQuandLeNumeroNeCorrespondPlus() {
        Dossier_Test b;
        const QString cible = Ligne_Test(u"C"_s, u"01/06/08"_s, u"10:00"_s);
        const QString autre = Ligne_Test(u"X"_s, u"01/06/08"_s, u"11:00"_s);
        const QString nouvelle = Ligne_Test(u"NEW"_s, u"01/06/08"_s, u"10:00"_s);
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets({autre, cible, cible}));
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Remplace_QSO_Log(nouvelle, cible, 1));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), Octets({autre, nouvelle, cible}));
    }

    void remplacementIntrouvableAjouteEnFin() {
        Dossier_Test b;
        const QString a = Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s);
        const QString nouvelle = Ligne_Test(u"NEW"_s, u"01/06/08"_s, u"10:00"_s);
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets({a}));
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Remplace_QSO_Log(nouvelle, u"absente"_s, 1));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), Octets({a, nouvelle}));
    }

    void supprimeUnSeulDeDeuxDoubles() {
        Dossier_Test b;
        const QString double_ = Ligne_Test(u"DUP"_s, u"01/06/08"_s, u"10:00"_s);
        const QString autre = Ligne_Test(u"X"_s, u"01/06/08"_s, u"11:00"_s);
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets({double_, autre, double_}));
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Supprime_QSO_Log(double_, 1));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), Octets({autre, double_}));
        QVERIFY(Temporaires_Absents(b));
    }

    void suppressionIntrouvableNeChangeRien() {
        Dossier_Test b;
        const QByteArray avant = Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s)});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Supprime_QSO_Log(u"absente"_s, 1));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
    }

    void caractereHorsDuJournalRefuse() {
        Dossier_Test b;
        QString l = Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s);
        l.replace(82, 7, u"WROCłAW"_s);
        const Resultat r = Fichier_Log(b.repertoire, Indicatif).Ajoute_QSO_Log(l);
        QVERIFY(!r);
        QVERIFY(r.message.contains(u"« ł »"_s));
        QVERIFY(!QFile::exists(b.Chemin(Fichier_Log::Nom_Log(Indicatif))));
    }

    void echecDEcritureLaisseLeLogIntact() {
        Dossier_Test b;
        const QByteArray avant = Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s)});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        // The temporary name is taken by a folder: it cannot be written.
        QVERIFY(QDir(b.repertoire).mkdir(Nom_Temporaire_Insertion));
        const Resultat r = Fichier_Log(b.repertoire, Indicatif)
                               .Insere_QSO_Log(Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s));
        QVERIFY(!r);
        QVERIFY2(r.message.contains(u"« Temporaire6.txt »"_s), qPrintable(r.message));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
    }

    void disquePleinLaisseLeLogIntactSansTemporaire() {
        Dossier_Test b;
        Log_De(b, 100);
        const QByteArray avant = b.Lit(Fichier_Log::Nom_Log(Indicatif));
        const QString nouvelle = Ligne_Test(u"NEW"_s, u"01/06/08"_s, u"15:25"_s);
        // Files may not grow past 4 kB: every write of the whole log fails as on a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit ancienne{};
        getrlimit(RLIMIT_FSIZE, &ancienne);
        rlimit limite = ancienne;
        limite.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limite);
        const Fichier_Log log(b.repertoire, Indicatif);
        const Resultat insere = log.Insere_QSO_Log(nouvelle);
        const Resultat remplace = log.Remplace_QSO_Log(nouvelle, nouvelle, 1);
        const Resultat ajoute = log.Ajoute_QSO_Log(nouvelle);
        setrlimit(RLIMIT_FSIZE, &ancienne);
        QVERIFY(!insere);
        QVERIFY(!remplace);
        QVERIFY(!ajoute);
        QVERIFY(ajoute.message.contains(Fichier_Log::Nom_Log(Indicatif)));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
        QVERIFY(Temporaires_Absents(b));
    }

    void creeLogDepuisLeModele() {
        Dossier_Test b;
        b.Ecrit(u"FXXXX.txt"_s, "modele\r\n");
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), "ancien\r\n");
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Cree_Log());
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), QByteArray("modele\r\n"));
        QVERIFY(Temporaires_Absents(b));
    }

    void modeleManquantRecreeEtLogVide() {
        Dossier_Test b;
        QFile::remove(b.Chemin(u"FXXXX.txt"_s));
        QVERIFY(Fichier_Log(b.repertoire, Indicatif).Cree_Log());
        QVERIFY(QFile::exists(b.Chemin(u"FXXXX.txt"_s)));
        QVERIFY(QFile::exists(b.Chemin(Fichier_Log::Nom_Log(Indicatif))));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), QByteArray());
    }

    void lectureFichierWindowsEtLF() {
        Dossier_Test b;
        const QString l1 = Ligne_Test(u"F6ÉTÉ"_s, u"01/06/08"_s, u"10:00"_s);
        const QString l2 = Ligne_Test(u"F6ABC"_s, u"02/06/08"_s, u"10:00"_s);
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Encode_1252(l1) + "\r\n" + Encode_1252(l2) + "\n");
        const auto lecture = Fichier_Log(b.repertoire, Indicatif).Lit_Log();
        QCOMPARE(lecture.erreur, 0);
        QCOMPARE(lecture.lignes.Nombre(), 2);
        QCOMPARE(lecture.lignes.Ligne_Log(0), l1);
        QCOMPARE(lecture.lignes.Ligne_Liste(0), Forme_Ligne_Liste(l1, 1));
        QCOMPARE(lecture.lignes.Ligne_Liste(1), Forme_Ligne_Liste(l2, 2));
        QCOMPARE(lecture.lignes.Ligne_Liste(2), QString());
    }

    void erreursDeLecture() {
        Dossier_Test b;
        QCOMPARE(Fichier_Log(b.repertoire, Indicatif).Lit_Log().erreur, 53);
        QVERIFY(QDir(b.repertoire).mkdir(Fichier_Log::Nom_Log(Indicatif)));
        QCOMPARE(Fichier_Log(b.repertoire, Indicatif).Lit_Log().erreur, 75);
    }

    void logDe99999LignesSeLitMaisNeGranditPlus() {
        Dossier_Test b;
        Log_De(b, Numero_Maximal);
        const Fichier_Log log(b.repertoire, Indicatif);
        const auto lecture = log.Lit_Log();
        QCOMPARE(lecture.lignes.Nombre(), 99999);
        QVERIFY(lecture.lignes.Ligne_Liste(99998).startsWith(u"99999  F6ABC"_s));
        QVERIFY(lecture.lignes.Ligne_Liste(9998).startsWith(u" 9999  F6ABC"_s));
        QVERIFY(lecture.lignes.Ligne_Liste(9999).startsWith(u"10000  F6ABC"_s));
        const Resultat r = log.Ajoute_QSO_Log(Ligne_Test(u"NEW"_s, u"01/06/08"_s, u"15:25"_s));
        QVERIFY(!r);
        QVERIFY(r.message.contains(u"99 999"_s));
        QCOMPARE(log.Lit_Log().lignes.Nombre(), 99999);
    }

    void logTropLongDonneUnMessageSansToucherLeFichier() {
        Dossier_Test b;
        Log_De(b, Numero_Maximal + 1);
        const QByteArray avant = b.Lit(Fichier_Log::Nom_Log(Indicatif));
        const auto lecture = Fichier_Log(b.repertoire, Indicatif).Lit_Log();
        QCOMPARE(lecture.lignes.Nombre(), 0);
        QVERIFY(lecture.message.contains(u"plus de 99 999 QSO"_s));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
    }

    void repertoirePrepareAvecModeleEtPrenoms() {
        QTemporaryDir d;
        const QString rep = d.filePath(u"a/ORBEL_SWL"_s);
        QVERIFY(Prepare_Repertoire_Programme(rep));
        QVERIFY(QFile::exists(rep + u"/FXXXX.txt"_s));
        QVERIFY(QFile::exists(rep + u"/Liste_Prenom.txt"_s));
        QFile f(rep + u"/Liste_Prenom.txt"_s);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("F6ABC        75 JEAN\r\n");
        f.close();
        QVERIFY(Prepare_Repertoire_Programme(rep));
        QCOMPARE(QFileInfo(rep + u"/Liste_Prenom.txt"_s).size(), 22);
    }
};

QTEST_GUILESS_MAIN(Tst_Fichier_Log)
#include "tst_fichier_log.moc"
