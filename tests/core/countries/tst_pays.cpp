// The country file: every field and override of its format, broken files refused whole, and
// callsigns resolved against Debian's own file.
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "support/fichiers_test.h"

#include <QFile>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using swl::Fichier_Pays;

namespace {

// A file of the test: two entities on several lines, overrides of every kind, one entity that
// does not count for DXCC.
const QByteArray Petit_Fichier =
    "Testland:                 14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\r\n"
    "    F,TM(15)[28],TO{SA}<4.5/53.25>~-3.0~,=F/DL1ABC/LH,\r\n"
    "    =TM5ZZZ(40)[75]{AF};\r\n"
    "Autreland:                33:  36:  AF:   28.32:    15.85:     0.0:  EA8:\r\n"
    "    EA8,EC8;\r\n"
    "Ile du Test:               9:  12:  SA:    4.00:    53.00:     3.0:  *FY9:\r\n"
    "    FY9;\r\n";

// "name cont cq itu lat lon offset", or "-" when no country.
QString Resume(const Fichier_Pays& f, const QString& indicatif) {
    const auto p = f.Cherche(indicatif);
    if (!p) {
        return u"-"_s;
    }
    return f.Entite(p->entite).nom + u' ' + p->continent + u' ' + QString::number(p->zone_cq) + u' ' +
           QString::number(p->zone_itu) + u' ' + QString::number(p->latitude) + u' ' +
           QString::number(p->longitude) + u' ' + QString::number(p->decalage_utc);
}

} // namespace

class Tst_Pays : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void petit_fichier_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("préfixe") << u"F5ABC"_s << u"Testland EU 14 27 46 -2 -1"_s;
        QTest::newRow("minuscules") << u"f5abc"_s << u"Testland EU 14 27 46 -2 -1"_s;
        QTest::newRow("zones") << u"TM1A"_s << u"Testland EU 15 28 46 -2 -1"_s;
        QTest::newRow("continent, position, décalage") << u"TO7X"_s << u"Testland SA 14 27 4.5 53.25 -3"_s;
        QTest::newRow("indicatif exact") << u"TM5ZZZ"_s << u"Testland AF 40 75 46 -2 -1"_s;
        QTest::newRow("exact composé") << u"F/DL1ABC/LH"_s << u"Testland EU 14 27 46 -2 -1"_s;
        QTest::newRow("exact plus long") << u"TM5ZZZA"_s << u"Testland EU 15 28 46 -2 -1"_s;
        QTest::newRow("autre entité") << u"EC8AAA"_s << u"Autreland AF 33 36 28.32 15.85 0"_s;
        QTest::newRow("préfixe d'abord") << u"EA8/F5ABC"_s << u"Autreland AF 33 36 28.32 15.85 0"_s;
        QTest::newRow("préfixe après") << u"F5ABC/EA8"_s << u"Autreland AF 33 36 28.32 15.85 0"_s;
        QTest::newRow("/P") << u"EA8AA/P"_s << u"Autreland AF 33 36 28.32 15.85 0"_s;
        QTest::newRow("/QRP puis /P") << u"EA8AA/QRP/P"_s << u"Autreland AF 33 36 28.32 15.85 0"_s;
        QTest::newRow("chiffre") << u"EA8AA/5"_s << u"Autreland AF 33 36 28.32 15.85 0"_s;
        QTest::newRow("/MM") << u"F5ABC/MM"_s << u"-"_s;
        QTest::newRow("/AM") << u"F5ABC/AM"_s << u"-"_s;
        QTest::newRow("inconnu") << u"K1ABC"_s << u"-"_s;
        QTest::newRow("vide") << QString() << u"-"_s;
        QTest::newRow("caractères étrangers") << u"F5É#"_s << u"Testland EU 14 27 46 -2 -1"_s;
        QTest::newRow("hors DXCC") << u"FY9AA"_s << u"Ile du Test SA 9 12 4 53 3"_s;
    }
    void petit_fichier() {
        QFETCH(QString, indicatif);
        QFETCH(QString, attendu);
        QString erreur;
        const auto f = Fichier_Pays::Lit(Petit_Fichier, &erreur);
        QVERIFY2(f, qPrintable(erreur));
        QCOMPARE(f->Nombre_Entites(), 3);
        QCOMPARE(Resume(*f, indicatif), attendu);
    }

    void entites() {
        const auto f = Fichier_Pays::Lit(Petit_Fichier);
        QCOMPARE(f->Entite(2).prefixe, u"FY9"_s);
        QVERIFY(f->Entite(2).hors_dxcc);
        QVERIFY(!f->Entite(0).hors_dxcc);
        QCOMPARE(f->Entite(1).dxcc, 29); // EA8, Canary Islands
    }

    void fichiers_casses_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("tronqué")
            << Petit_Fichier.left(Petit_Fichier.size() - 10)
            << u"l'entité «\u00A0Ile du Test\u00A0» de la ligne 6 n'est pas terminée par «\u00A0;\u00A0» (fichier tronqué\u00A0?)"_s;
        QTest::newRow("ligne de 1 Mo") << Petit_Fichier + QByteArray(1 << 20, 'F')
                                       << u"la ligne 8 est trop longue (1048576 caractères)"_s;
        QTest::newRow("octets binaires")
            << QByteArray("Testland: 14: 27: EU: 46: -2: -1: F:\n  F\x00\x01;\n", 44)
            << u"la ligne 2 contient des octets qui ne sont pas du texte"_s;
        QTest::newRow("ligne d'entité illisible")
            << QByteArray("Testland: XX: 27: EU: 46: -2: -1: F:\n  F;\n")
            << u"la ligne 1 n'est pas une ligne d'entité lisible"_s;
        QTest::newRow("vide") << QByteArray("\r\n\r\n") << u"le fichier ne contient aucune entité"_s;
    }
    void fichiers_casses() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, erreur);
        QString lue;
        QVERIFY(!Fichier_Pays::Lit(contenu, &lue));
        QCOMPARE(lue, erreur);
    }

    void lecture_du_fichier() {
        swl::test::Dossier_Test d;
        const auto absent = swl::Lit_Fichier_Pays(d.Chemin(u"cty.dat"_s));
        QVERIFY(!absent.fichier);
        QCOMPARE(absent.erreur,
                 u"Le fichier des pays «\u00A0"_s + d.Chemin(u"cty.dat"_s) +
                     u"\u00A0» n'existe pas (paquet hamradio-files installé\u00A0?)\u00A0: les pays des "
                     u"indicatifs ne sont pas connus."_s);
        d.Ecrit(u"cty.dat"_s, Petit_Fichier.left(40));
        QVERIFY(swl::Lit_Fichier_Pays(d.Chemin(u"cty.dat"_s))
                    .erreur.startsWith(u"Le fichier des pays «\u00A0"_s + d.Chemin(u"cty.dat"_s) +
                                       u"\u00A0» est illisible\u00A0: "_s));
        d.Ecrit(u"cty.dat"_s, Petit_Fichier);
        QCOMPARE(swl::Lit_Fichier_Pays(d.Chemin(u"cty.dat"_s)).fichier->Nombre_Entites(), 3);
    }

    // Debian's file, as hamradio-files installs it.
    void fichier_debian_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("pays");
        QTest::addColumn<QString>("francais");
        QTest::addColumn<QString>("continent");
        QTest::addColumn<int>("dxcc");
        QTest::newRow("F5ABC") << u"F5ABC"_s << u"France"_s << u"France"_s << u"EU"_s << 227;
        QTest::newRow("TK5XN") << u"TK5XN"_s << u"Corsica"_s << u"Corse"_s << u"EU"_s << 214;
        QTest::newRow("FY5KE") << u"FY5KE"_s << u"French Guiana"_s << u"Guyane française"_s << u"SA"_s << 63;
        QTest::newRow("EA8/F5ABC") << u"EA8/F5ABC"_s << u"Canary Islands"_s << u"Canaries"_s << u"AF"_s << 29;
        QTest::newRow("KH6/W1AW") << u"KH6/W1AW"_s << u"Hawaii"_s << u"Hawaï"_s << u"OC"_s << 110;
        QTest::newRow("F5ABC/P") << u"F5ABC/P"_s << u"France"_s << u"France"_s << u"EU"_s << 227;
        QTest::newRow("DL1ABC/F") << u"DL1ABC/F"_s << u"France"_s << u"France"_s << u"EU"_s << 227;
        QTest::newRow("F/DL1ABC") << u"F/DL1ABC"_s << u"France"_s << u"France"_s << u"EU"_s << 227;
        QTest::newRow("DL1ABC") << u"DL1ABC"_s << u"Fed. Rep. of Germany"_s << u"Allemagne"_s << u"EU"_s
                                << 230;
        QTest::newRow("VP8LP") << u"VP8LP"_s << u"Falkland Islands"_s << u"Îles Malouines"_s << u"SA"_s
                               << 141;
        QTest::newRow("VP0G") << u"VP0GAA"_s << u"South Georgia Island"_s << u"Géorgie du Sud"_s << u"SA"_s
                              << 235;
        QTest::newRow("=VP8SGI") << u"VP8SGI"_s << u"South Georgia Island"_s << u"Géorgie du Sud"_s << u"SA"_s
                                 << 235;
        QTest::newRow("=3A/4Z5KJ/LH") << u"3A/4Z5KJ/LH"_s << u"Monaco"_s << u"Monaco"_s << u"EU"_s << 260;
        QTest::newRow("R1FJ") << u"R1FJ"_s << u"Franz Josef Land"_s << u"Terre François-Joseph"_s << u"EU"_s
                              << 61;
        QTest::newRow("W1AW/6") << u"W1AW/6"_s << u"United States of America"_s << u"États-Unis"_s << u"NA"_s
                                << 291;
        QTest::newRow("/MM") << u"F5ABC/MM"_s << QString() << QString() << QString() << 0;
    }
    void fichier_debian() {
        QFETCH(QString, indicatif);
        QFETCH(QString, pays);
        QFETCH(QString, francais);
        QFETCH(QString, continent);
        QFETCH(int, dxcc);
        static const swl::Lecture_Pays l = swl::Lit_Fichier_Pays(swl::Chemin_Pays_Debian);
        QVERIFY2(l.fichier, qPrintable(l.erreur));
        QVERIFY(l.fichier->Nombre_Entites() >= 340);
        const auto p = l.fichier->Cherche(indicatif);
        QCOMPARE(p ? l.fichier->Entite(p->entite).nom : QString(), pays);
        QCOMPARE(p ? l.fichier->Entite(p->entite).nom_francais : QString(), francais);
        QCOMPARE(p ? p->continent : QString(), continent);
        QCOMPARE(p ? l.fichier->Entite(p->entite).dxcc : 0, dxcc);
    }

    // Every entity of Debian's file has a French name of its own, and the names sort the
    // French way (accents and case aside).
    void noms_francais() {
        static const swl::Lecture_Pays l = swl::Lit_Fichier_Pays(swl::Chemin_Pays_Debian);
        QVERIFY2(l.fichier, qPrintable(l.erreur));
        QStringList sans_nom;
        for (qsizetype i = 0; i < l.fichier->Nombre_Entites(); ++i) {
            const swl::Entite_Pays& e = l.fichier->Entite(i);
            if (swl::Nom_Francais_Pays(QString((e.hors_dxcc ? u"*"_s : QString()) + e.prefixe)).isEmpty()) {
                sans_nom << e.prefixe + u' ' + e.nom;
            }
        }
        QVERIFY2(sans_nom.isEmpty(), qPrintable(sans_nom.join(u", "_s)));
        QStringList noms{u"Îles Malouines"_s, u"Égypte"_s,  u"Allemagne"_s,
                         u"États-Unis"_s,     u"estonie"_s, u"Italie"_s};
        std::sort(noms.begin(), noms.end(), swl::Avant_En_Francais);
        QCOMPARE(noms, (QStringList{u"Allemagne"_s, u"Égypte"_s, u"estonie"_s, u"États-Unis"_s,
                                    u"Îles Malouines"_s, u"Italie"_s}));
    }
};

QTEST_APPLESS_MAIN(Tst_Pays)
#include "tst_pays.moc"
