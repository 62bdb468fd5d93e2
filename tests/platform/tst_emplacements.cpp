// Where the program finds its map and markers: beside the installed program first, then in the
// tree it was built in; a file found nowhere is named with every folder looked in.
#include "platform/emplacements.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void Cree(const QString& chemin) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

} // namespace

class Tst_Emplacements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void trouve_data() {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QString>("carte");     // where the map is found, or empty
        QTest::addColumn<QString>("marqueurs"); // where the markers are found, or empty

        QTest::newRow("installé") << u"usr/bin"_s
                                  << QStringList{u"usr/share/orbel-swl/carte_departements.png"_s,
                                                 u"usr/share/orbel-swl/marqueurs_departements.csv"_s}
                                  << u"usr/share/orbel-swl/carte_departements.png"_s
                                  << u"usr/share/orbel-swl/marqueurs_departements.csv"_s;
        QTest::newRow("arbre de construction")
            << u"source/build/ci/src"_s
            << QStringList{u"source/assets/carte_departements.png"_s,
                           u"source/assets/marqueurs_departements.csv"_s}
            << u"source/assets/carte_departements.png"_s << u"source/assets/marqueurs_departements.csv"_s;
        // An installed copy wins over the tree's, file by file.
        QTest::newRow("installé dans l'arbre")
            << u"source/build/ci/bin"_s
            << QStringList{u"source/build/ci/share/orbel-swl/carte_departements.png"_s,
                           u"source/assets/carte_departements.png"_s,
                           u"source/assets/marqueurs_departements.csv"_s}
            << u"source/build/ci/share/orbel-swl/carte_departements.png"_s
            << u"source/assets/marqueurs_departements.csv"_s;
        QTest::newRow("sans les marqueurs")
            << u"usr/bin"_s << QStringList{u"usr/share/orbel-swl/carte_departements.png"_s}
            << u"usr/share/orbel-swl/carte_departements.png"_s << QString();
        // A folder of that name is no file.
        QTest::newRow("un dossier à la place")
            << u"usr/bin"_s
            << QStringList{u"usr/share/orbel-swl/carte_departements.png/x"_s,
                           u"usr/share/orbel-swl/marqueurs_departements.csv"_s}
            << QString() << u"usr/share/orbel-swl/marqueurs_departements.csv"_s;
    }
    void trouve() {
        QFETCH(QString, programme);
        QFETCH(QStringList, presents);
        QFETCH(QString, carte);
        QFETCH(QString, marqueurs);
        QTemporaryDir d;
        QDir().mkpath(d.filePath(programme));
        for (const QString& p : presents) {
            Cree(d.filePath(p));
        }
        const QStringList dossiers = swl::Dossiers_Ressources(d.filePath(programme));
        const auto attendu = [&](const QString& relatif) {
            return relatif.isEmpty() ? QString() : d.filePath(relatif);
        };
        QCOMPARE(swl::Trouve_Ressource(swl::Fichier_Carte, dossiers).chemin, attendu(carte));
        QCOMPARE(swl::Trouve_Ressource(swl::Fichier_Marqueurs, dossiers).chemin, attendu(marqueurs));

        // Each missing file named once, with both folders looked in.
        const QStringList manquantes = swl::Ressources_Manquantes(dossiers);
        QCOMPARE(manquantes.size(), int(carte.isEmpty()) + int(marqueurs.isEmpty()));
        for (const QString& m : manquantes) {
            QVERIFY(m.startsWith(u"Le fichier « "_s));
            QVERIFY2(m.contains(u"\n  "_s + dossiers.at(0) + u'\n') &&
                         m.contains(u"\n  "_s + dossiers.at(1) + u'\n'),
                     qPrintable(m));
        }
    }

    void messageEnFrancais() {
        const swl::Ressource r =
            swl::Trouve_Ressource(swl::Fichier_Marqueurs, {u"/a/share/orbel-swl"_s, u"/b/assets"_s});
        QCOMPARE(r.chemin, QString());
        QCOMPARE(r.message, u"Le fichier « marqueurs_departements.csv » est introuvable. ORBEL_SWL "
                            "l'a cherché dans :\n  /a/share/orbel-swl\n  /b/assets\n"
                            "Réinstallez le programme pour le retrouver."_s);
    }
};

QTEST_GUILESS_MAIN(Tst_Emplacements)
#include "tst_emplacements.moc"
