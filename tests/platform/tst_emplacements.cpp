// Where the program finds its map and markers: ../share/orbel-swl beside the program, installed
// or built; a file missing there is named with the folder looked in.
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
        // Any build folder, inside the source tree or not, has the installed layout.
        QTest::newRow("arbre de construction")
            << u"ailleurs/bin"_s
            << QStringList{u"ailleurs/share/orbel-swl/carte_departements.png"_s,
                           u"ailleurs/share/orbel-swl/marqueurs_departements.csv"_s}
            << u"ailleurs/share/orbel-swl/carte_departements.png"_s
            << u"ailleurs/share/orbel-swl/marqueurs_departements.csv"_s;
        // No guess up the tree: the sources' own assets are never read.
        QTest::newRow("sources trois dossiers plus haut")
            << u"source/build/ci/src"_s
            << QStringList{u"source/assets/carte_departements.png"_s,
                           u"source/assets/marqueurs_departements.csv"_s}
            << QString() << QString();
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

        // Each missing file named once, with the folder looked in.
        QCOMPARE(dossiers, QStringList{QDir::cleanPath(d.filePath(programme) + u"/../share/orbel-swl"_s)});
        const QStringList manquantes = swl::Ressources_Manquantes(dossiers);
        QCOMPARE(manquantes.size(), int(carte.isEmpty()) + int(marqueurs.isEmpty()));
        for (const QString& m : manquantes) {
            QVERIFY(m.startsWith(u"Le fichier «\u00A0"_s));
            QVERIFY2(m.contains(u"\n  "_s + dossiers.at(0) + u'\n'), qPrintable(m));
        }
    }

    // The program of this very build finds both files beside itself, wherever the build lies.
    void trouveDansCetteConstruction() {
        const QStringList dossiers = swl::Dossiers_Ressources(QStringLiteral(SWL_DOSSIER_PROGRAMME));
        QVERIFY(swl::Ressources_Manquantes(dossiers).isEmpty());
        QVERIFY(!swl::Trouve_Ressource(swl::Fichier_Carte, dossiers).chemin.isEmpty());
    }

    void messageEnFrancais() {
        const swl::Ressource r =
            swl::Trouve_Ressource(swl::Fichier_Marqueurs, {u"/a/share/orbel-swl"_s, u"/b/assets"_s});
        QCOMPARE(r.chemin, QString());
        QCOMPARE(r.message, u"Le fichier «\u00A0marqueurs_departements.csv\u00A0» est introuvable. ORBEL_SWL "
                            "l'a cherché dans\u00A0:\n  /a/share/orbel-swl\n  /b/assets\n"
                            "Réinstallez le programme pour le retrouver."_s);
    }
};

QTEST_GUILESS_MAIN(Tst_Emplacements)
#include "tst_emplacements.moc"
