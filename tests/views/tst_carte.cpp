#include "core/log/fiche_qso.h"
#include "core/program/reglages.h"
#include "support/doubles.h"
#include "views/carte.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Ligne(const QString& dpt_a, const QString& bande) {
    QString l = Ligne_Test(u"F6ABC"_s, u"01/06/08"_s, u"10:00"_s, dpt_a);
    l.replace(66, 7, bande.leftJustified(7));
    return l;
}

QColor Couleur(const Carte& c, int i) {
    return c.findChild<QLabel*>(u"Dep("_s + QString::number(i) + u')')->palette().color(QPalette::Window);
}

struct Scene {
    Banc b;
    std::unique_ptr<Carte> carte;
    explicit Scene(const QString& bande_carte = {}) {
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne(u"75"_s, u"50 Mhz"_s), Ligne(u"2a"_s, u"50 Mhz"_s),
                                        Ligne(u"13"_s, u"7.0 Mhz"_s), Ligne(u"75"_s, u"7.0 Mhz"_s)});
        if (!bande_carte.isNull()) {
            b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Carte, bande_carte);
        }
        carte = std::make_unique<Carte>(b.services, [] { return u"F1ABC"_s; });
    }
    QComboBox* Bande() const { return carte->findChild<QComboBox*>(u"Bande_A"_s); }
    QString Texte(const QString& nom) const { return carte->findChild<QLabel*>(nom)->text(); }
    void Afficher() const {
        QTest::mouseClick(carte->findChild<QPushButton*>(u"Afficher"_s), Qt::LeftButton);
    }
};

} // namespace

class Tst_Carte_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The picture and the markers found from an installed layout; a missing one named in the
    // window, with where it was looked for.
    void fichiersDeLaCarte_data() {
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QString>("message");
        QTest::newRow("tous les deux")
            << QStringList{u"carte_departements.png"_s, u"marqueurs_departements.csv"_s} << QString();
        QTest::newRow("sans l'image")
            << QStringList{u"marqueurs_departements.csv"_s}
            << u"Le fichier «\u00A0carte_departements.png\u00A0» est introuvable."_s;
        QTest::newRow("sans les marqueurs")
            << QStringList{u"carte_departements.png"_s}
            << u"Le fichier «\u00A0marqueurs_departements.csv\u00A0» est introuvable."_s;
    }
    void fichiersDeLaCarte() {
        QFETCH(QStringList, presents);
        QFETCH(QString, message);
        QTemporaryDir installe;
        const QString partage = installe.filePath(u"share/orbel-swl"_s);
        QVERIFY(QDir().mkpath(partage));
        for (const QString& nom : presents) {
            QVERIFY(QFile::copy(QFINDTESTDATA(u"../../assets/"_s + nom), QDir(partage).filePath(nom)));
        }
        Banc b;
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne(u"75"_s, u"50 Mhz"_s)});
        b.services.ressources = {partage, installe.filePath(u"ailleurs"_s)};
        Carte carte(b.services, [] { return u"F1ABC"_s; });
        auto* picture = carte.findChild<QLabel*>(u"Picture1"_s);
        if (message.isEmpty()) {
            QVERIFY(!picture->pixmap().isNull());
            QVERIFY(carte.findChild<QLabel*>(u"Dep(75)"_s)->isVisibleTo(&carte));
        } else {
            QVERIFY2(picture->text().startsWith(message), qPrintable(picture->text()));
            QVERIFY(picture->text().contains(partage));
            QVERIFY(picture->text().contains(installe.filePath(u"ailleurs"_s)));
            QVERIFY(picture->accessibleName().contains(message));
        }
    }

    void ouvreSurLaBandeRetenue() {
        Scene s(u"10"_s);
        QCOMPARE(s.carte->windowTitle(), u"Carte des départements entendus"_s);
        QCOMPARE(s.Bande()->count(), 13);
        QCOMPARE(s.Bande()->currentText(), u"50 Mhz"_s);
        QCOMPARE(s.Texte(u"NB_Dep"_s), u"2"_s);
        QCOMPARE(s.Texte(u"Label5"_s), u"départements entendus sur"_s);
        QCOMPARE(s.Texte(u"Bande_Carte"_s), u"50 Mhz"_s);
        QCOMPARE(Couleur(*s.carte, 75), QColor(128, 255, 128));
        QCOMPARE(Couleur(*s.carte, 96), QColor(128, 255, 128));
        QCOMPARE(Couleur(*s.carte, 13), QColor(255, 255, 128));
        QVERIFY(s.b.messages.textes.isEmpty());
    }

    void afficherColoreEtRetientLaBande() {
        Scene s;
        QCOMPARE(s.Bande()->currentIndex(), 0);
        QCOMPARE(s.Texte(u"NB_Dep"_s), u"0"_s);
        s.Bande()->setCurrentIndex(2);
        s.Afficher();
        QCOMPARE(s.Texte(u"NB_Dep"_s), u"2"_s);
        QCOMPARE(s.Texte(u"Bande_Carte"_s), u"7.0 Mhz"_s);
        QCOMPARE(Couleur(*s.carte, 13), QColor(128, 255, 128));
        QCOMPARE(Couleur(*s.carte, 96), QColor(255, 255, 128));
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Carte, u""_s), u"2"_s);
    }

    void bandeTapeeInconnue() {
        Scene s(u"10"_s);
        s.Bande()->setEditText(u"50 MHZ"_s);
        s.Afficher();
        QCOMPARE(s.Texte(u"NB_Dep"_s), u"0"_s);
        QCOMPARE(s.Texte(u"Bande_Carte"_s), u"50 MHZ"_s);
        QCOMPARE(Couleur(*s.carte, 75), QColor(255, 255, 128));
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Carte, u""_s), u"-1"_s);
    }

    void bandeVideRefuseeMaisRetenue() {
        Scene s(u"10"_s);
        s.Bande()->setEditText(QString());
        s.Afficher();
        QCOMPARE(s.b.messages.textes, QStringList({u"Selectionnez une bande"_s}));
        QCOMPARE(s.Texte(u"NB_Dep"_s), u"2"_s);
        QCOMPARE(Couleur(*s.carte, 75), QColor(128, 255, 128));
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup F1ABC"_s, cle::Bande_Carte, u""_s), u"-1"_s);
        // The next opening has no band: the same message.
        Scene suivante(u"-1"_s);
        QCOMPARE(suivante.b.messages.textes, QStringList({u"Selectionnez une bande"_s}));
    }

    void logIlliblePuisCarteInchangee() {
        Scene s(u"10"_s);
        QFile::remove(s.b.Chemin(u"F1ABC_SWL.log"_s));
        s.Bande()->setCurrentIndex(2);
        s.Afficher();
        QCOMPARE(s.b.messages.textes.size(), 1);
        QVERIFY(s.b.messages.textes[0].contains(u"F1ABC_SWL.log"_s));
        QCOMPARE(s.Texte(u"NB_Dep"_s), u"2"_s);
        QCOMPARE(s.Texte(u"Bande_Carte"_s), u"50 Mhz"_s);
        QCOMPARE(Couleur(*s.carte, 75), QColor(128, 255, 128));
    }

    void marqueursALeurPlace() {
        Scene s;
        auto* picture = s.carte->findChild<QLabel*>(u"Picture1"_s);
        QCOMPARE(picture->pixmap().size(), QSize(475, 510));
        const auto* d01 = s.carte->findChild<QLabel*>(u"Dep(1)"_s);
        QCOMPARE(d01->geometry(), QRect(352, 264, 25, 20));
        QCOMPARE(d01->text(), u"01"_s);
        QVERIFY(d01->font().bold());
        QCOMPARE(d01->font().pointSizeF(), 9.75);
        QCOMPARE(s.carte->findChild<QLabel*>(u"Dep(97)"_s)->geometry().topLeft(), QPoint(448, 448));
        int visibles = 0;
        for (int i = 0; i < 100; ++i) {
            auto* d = s.carte->findChild<QLabel*>(u"Dep("_s + QString::number(i) + u')');
            QVERIFY(d);
            visibles += d->isVisibleTo(s.carte.get()) ? 1 : 0;
        }
        QCOMPARE(visibles, 96);
        QVERIFY(!s.carte->findChild<QLabel*>(u"Dep(20)"_s)->isVisibleTo(s.carte.get()));
        QCOMPARE(s.carte->findChild<QLabel*>(u"Dep(99)"_s)->text(), u"X"_s);
    }
};

QTEST_MAIN(Tst_Carte_Fenetre)
#include "tst_carte.moc"
