#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"
#include "support/fichiers_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

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

int Mode(const QByteArray& chemin) {
    struct stat etat {};
    ::stat(chemin.constData(), &etat);
    return static_cast<int>(etat.st_mode & 07777);
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
        QTest::newRow("même moment\u00A0: avant")
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

    void suppressionIntrouvableLeDitSansRienChanger() {
        Dossier_Test b;
        const QByteArray avant = Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s)});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        const Resultat r = Fichier_Log(b.repertoire, Indicatif).Supprime_QSO_Log(u"absente"_s, 1);
        QVERIFY(!r);
        QCOMPARE(r.message,
                 u"Ce QSO n'a pas été trouvé dans le journal «\u00A0F1ABC_SWL.log\u00A0»\u00A0: rien n'a été "
                 u"supprimé."_s);
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
    }

    // Lines that do not come back the same from their list line: bytes of no column, NULs.
    void ligneEndommageeSupprimeeParSaLigneDeListe_data() {
        QTest::addColumn<QByteArray>("endommagee");
        QTest::newRow("octets au hasard") << QByteArray("\x81\xfe#\x01garbage\xff\x9d", 14);
        QTest::newRow("NUL") << QByteArray(114, '\0');
        QTest::newRow("courte") << QByteArray("F6ABC   F5XYZ");
        QTest::newRow("trop longue") << QByteArray(200, 'Z');
    }
    void ligneEndommageeSupprimeeParSaLigneDeListe() {
        QFETCH(QByteArray, endommagee);
        Dossier_Test b;
        const QByteArray a = Encode_1252(Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s));
        const QByteArray c = Encode_1252(Ligne_Test(u"C"_s, u"01/06/08"_s, u"11:00"_s));
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), a + "\r\n" + endommagee + "\r\n" + c + "\r\n");
        const Fichier_Log log(b.repertoire, Indicatif);
        const QString liste = log.Lit_Log().lignes.Ligne_Liste(1);
        QVERIFY(log.Supprime_QSO_Log(Ligne_Log_De_Liste(liste), 2, liste));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), a + "\r\n" + c + "\r\n");
        // Modified through its list line, it is replaced where it stands.
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), a + "\r\n" + endommagee + "\r\n" + c + "\r\n");
        QVERIFY(log.Remplace_QSO_Log(Decode_1252(c), Ligne_Log_De_Liste(liste), 2, liste));
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), a + "\r\n" + c + "\r\n" + c + "\r\n");
    }

    void caractereHorsDuJournalRefuse() {
        Dossier_Test b;
        QString l = Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s);
        l.replace(82, 7, u"WROCłAW"_s);
        const Resultat r = Fichier_Log(b.repertoire, Indicatif).Ajoute_QSO_Log(l);
        QVERIFY(!r);
        QVERIFY(r.message.contains(u"«\u00A0ł\u00A0»"_s));
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
        QVERIFY2(r.message.contains(u"«\u00A0Temporaire6.txt\u00A0»"_s), qPrintable(r.message));
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

    // A full disk during an append: the write stops after n bytes, whatever n.
    void ajoutEchoueLaisseLeLogIdentique_data() {
        QTest::addColumn<int>("octets");
        for (int n = 0; n < Largeur_Ligne_Log + 2; n += (n < 4 || n > 110) ? 1 : 7) {
            QTest::newRow(qPrintable(QString::number(n))) << n;
        }
    }
    void ajoutEchoueLaisseLeLogIdentique() {
        QFETCH(int, octets);
        Dossier_Test b;
        const QByteArray avant = Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s)});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        Resultat r;
        {
            Acces_Fichiers_Test disque;
            disque.limite_octets = octets;
            r = Fichier_Log(b.repertoire, Indicatif)
                    .Ajoute_QSO_Log(Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s));
            QCOMPARE(disque.appels.filter(u"tronque"_s),
                     QStringList({u"tronque "_s + QString::number(avant.size())}));
        }
        QVERIFY(!r);
        QCOMPARE(
            r.message,
            u"Impossible d'écrire le fichier «\u00A0F1ABC_SWL.log\u00A0»\u00A0: disque plein ou ressources "
            u"insuffisantes.\r\nRien n'a été modifié."_s);
        QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
    }

    void ajoutQuiNePeutEtreDefaitLeDit() {
        Dossier_Test b;
        const QByteArray avant = Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s)});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        Acces_Fichiers_Test disque;
        disque.limite_octets = 48;
        disque.echecs[u"tronque"_s] = 1;
        const Resultat r = Fichier_Log(b.repertoire, Indicatif)
                               .Ajoute_QSO_Log(Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s));
        QVERIFY(!r);
        QVERIFY2(r.message.contains(u"n'a pas pu être remis dans son état précédent"_s),
                 qPrintable(r.message));
        QVERIFY(!r.message.contains(u"Rien n'a été modifié"_s));
    }

    // Every step of a rewrite in its order; the folder is flushed after the rename, so that a
    // power cut cannot bring the old log back.
    void reecritureDansLOrdreJusquAuDossier() {
        Dossier_Test b;
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), Octets({Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s)}));
        ::chmod(QFile::encodeName(b.Chemin(Fichier_Log::Nom_Log(Indicatif))).constData(), 0600);
        Acces_Fichiers_Test disque;
        QVERIFY(Fichier_Log(b.repertoire, Indicatif)
                    .Insere_QSO_Log(Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s)));
        QCOMPARE(disque.appels,
                 QStringList({u"ouvre Temporaire6.txt"_s, u"mode 600"_s, u"ecrit 232"_s, u"synchronise"_s,
                              u"ferme"_s, u"renomme Temporaire6.txt F1ABC_SWL.log"_s, u"ouvre ORBEL_SWL"_s,
                              u"synchronise"_s, u"ferme"_s}));
    }

    void reecritureQuiEchoueLaisseLeLogIntact_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("octets");
        QTest::newRow("ecriture courte") << u""_s << 100;
        QTest::newRow("synchronisation") << u"synchronise"_s << -1;
        QTest::newRow("fermeture") << u"ferme"_s << -1;
        QTest::newRow("renommage") << u"renomme"_s << -1;
        QTest::newRow("permissions") << u"mode"_s << -1;
    }
    void reecritureQuiEchoueLaisseLeLogIntact() {
        QFETCH(QString, operation);
        QFETCH(int, octets);
        Dossier_Test b;
        const QString a = Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s);
        const QByteArray avant = Octets({a, a});
        b.Ecrit(Fichier_Log::Nom_Log(Indicatif), avant);
        const Fichier_Log log(b.repertoire, Indicatif);
        const QString nouvelle = Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s);
        for (int essai = 0; essai < 3; ++essai) {
            Acces_Fichiers_Test disque;
            disque.limite_octets = octets;
            if (!operation.isEmpty()) {
                disque.echecs[operation] = 1;
            }
            const Resultat r = essai == 0   ? log.Insere_QSO_Log(nouvelle)
                               : essai == 1 ? log.Remplace_QSO_Log(nouvelle, a, 1)
                                            : log.Supprime_QSO_Log(a, 1);
            QVERIFY(!r);
            QVERIFY2(r.message.endsWith(u"Rien n'a été modifié."_s), qPrintable(r.message));
            QCOMPARE(b.Lit(Fichier_Log::Nom_Log(Indicatif)), avant);
            QVERIFY(Temporaires_Absents(b));
        }
    }

    // Each rewrite keeps the log's permissions; a log the user made read-only is not changed.
    void permissionsGardees_data() {
        QTest::addColumn<int>("operation");
        QTest::newRow("insertion") << 0;
        QTest::newRow("remplacement") << 1;
        QTest::newRow("suppression") << 2;
        QTest::newRow("ajout") << 3;
    }
    void permissionsGardees() {
        QFETCH(int, operation);
        Dossier_Test b;
        const QString a = Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s);
        const QString nom = Fichier_Log::Nom_Log(Indicatif);
        const Fichier_Log log(b.repertoire, Indicatif);
        const auto change = [&] {
            const QString nouvelle = Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s);
            switch (operation) {
            case 0:
                return log.Insere_QSO_Log(nouvelle);
            case 1:
                return log.Remplace_QSO_Log(nouvelle, a, 1);
            case 2:
                return log.Supprime_QSO_Log(a, 1);
            default:
                return log.Ajoute_QSO_Log(nouvelle);
            }
        };
        b.Ecrit(nom, Octets({a}));
        const QByteArray chemin = QFile::encodeName(b.Chemin(nom));
        ::chmod(chemin.constData(), 0600);
        QVERIFY(change());
        QCOMPARE(Mode(chemin), 0600);

        b.Ecrit(nom, Octets({a}));
        ::chmod(chemin.constData(), 0444);
        const Resultat r = change();
        QVERIFY(!r);
        QCOMPARE(
            r.message,
            u"Impossible d'écrire le fichier «\u00A0F1ABC_SWL.log\u00A0»\u00A0: accès refusé.\r\nRien n'a "
            u"été modifié."_s);
        QCOMPARE(b.Lit(nom), Octets({a}));
        QCOMPARE(Mode(chemin), 0444);
        QVERIFY(Temporaires_Absents(b));
    }

    // A log linked into a synchronised folder: the file it points to is rewritten, the link
    // stays a link.
    void lienSymboliqueSuivi_data() { permissionsGardees_data(); }
    void lienSymboliqueSuivi() {
        QFETCH(int, operation);
        Dossier_Test b;
        QTemporaryDir ailleurs;
        const QString reel = ailleurs.filePath(u"journal.log"_s);
        const QString a = Ligne_Test(u"A"_s, u"01/06/08"_s, u"10:00"_s);
        const QString nouvelle = Ligne_Test(u"NEW"_s, u"02/06/08"_s, u"12:00"_s);
        QFile f(reel);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Octets({a}));
        f.close();
        const QString lien = b.Chemin(Fichier_Log::Nom_Log(Indicatif));
        QVERIFY(QFile::link(reel, lien));
        const Fichier_Log log(b.repertoire, Indicatif);
        const Resultat r = operation == 0   ? log.Insere_QSO_Log(nouvelle)
                           : operation == 1 ? log.Remplace_QSO_Log(nouvelle, a, 1)
                           : operation == 2 ? log.Supprime_QSO_Log(a, 1)
                                            : log.Ajoute_QSO_Log(nouvelle);
        QVERIFY2(r, qPrintable(r.message));
        QVERIFY(QFileInfo(lien).isSymLink());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray attendu = operation == 1   ? Octets({nouvelle})
                                   : operation == 2 ? QByteArray()
                                                    : Octets({a, nouvelle});
        QCOMPARE(f.readAll(), attendu);
        QVERIFY(Temporaires_Absents(b));
        QCOMPARE(QDir(ailleurs.path()).entryList(QDir::Files), QStringList({u"journal.log"_s}));
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
        QVERIFY(r.message.contains(u"99\u00A0999"_s));
        QCOMPARE(log.Lit_Log().lignes.Nombre(), 99999);
    }

    void logTropLongDonneUnMessageSansToucherLeFichier() {
        Dossier_Test b;
        Log_De(b, Numero_Maximal + 1);
        const QByteArray avant = b.Lit(Fichier_Log::Nom_Log(Indicatif));
        const auto lecture = Fichier_Log(b.repertoire, Indicatif).Lit_Log();
        QCOMPARE(lecture.lignes.Nombre(), 0);
        QVERIFY(lecture.message.contains(u"plus de 99\u00A0999 QSO"_s));
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
