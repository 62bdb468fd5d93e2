#include "core/log/controles_saisie.h"
#include "core/program/horloge.h"

#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

namespace {

class Horloge_Fixe final : public Horloge {
public:
    QDateTime utc, local;
    QDateTime Maintenant_Utc() const override { return utc; }
    QDateTime Maintenant_Local() const override { return local; }
};

} // namespace

class Tst_Controles_Saisie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controleDate_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("resultat");
        QTest::newRow("31/12/08") << u"31/12/08"_s << 0;
        QTest::newRow("32/12/08") << u"32/12/08"_s << 1;
        QTest::newRow("01/13/08") << u"01/13/08"_s << 1;
        QTest::newRow("01-06-08") << u"01-06-08"_s << 1;
        QTest::newRow("00/00/00 passe") << u"00/00/00"_s << 0;
        QTest::newRow("31/02/09 passe") << u"31/02/09"_s << 0;
        QTest::newRow("lettre") << u"0a/06/08"_s << 1;
        QTest::newRow("année en lettres") << u"01/06/ab"_s << 1;
    }
    void controleDate() {
        QFETCH(QString, texte);
        QFETCH(int, resultat);
        QCOMPARE(Controle_Date(texte), resultat);
    }

    void controleHeure_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("resultat");
        QTest::newRow("23:59") << u"23:59"_s << 0;
        QTest::newRow("00:00") << u"00:00"_s << 0;
        QTest::newRow("24:00") << u"24:00"_s << 1;
        QTest::newRow("12:60") << u"12:60"_s << 1;
        QTest::newRow("12.30") << u"12.30"_s << 1;
        QTest::newRow("1a:30") << u"1a:30"_s << 1;
    }
    void controleHeure() {
        QFETCH(QString, texte);
        QFETCH(int, resultat);
        QCOMPARE(Controle_Heure(texte), resultat);
    }

    void messagesDEntree_data() {
        QTest::addColumn<Champ_Saisie>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("message");
        const auto R = Champ_Saisie::Report;
        QTest::newRow("indicatif vide") << Champ_Saisie::Indicatif << u""_s << u"Entrez un indicatif"_s;
        QTest::newRow("indicatif 12") << Champ_Saisie::Indicatif << u"F1ABCDEFGHIJ"_s << u""_s;
        QTest::newRow("indicatif 13")
            << Champ_Saisie::Indicatif << u"F1ABCDEFGHIJK"_s << u"12 caracteres maxi pour l'indicatif"_s;
        QTest::newRow("dpt vide") << Champ_Saisie::Departement << u""_s << u""_s;
        QTest::newRow("dpt 3") << Champ_Saisie::Departement << u"2a1"_s
                               << u"2 caracteres maxi pour le Departement"_s;
        QTest::newRow("rst 59") << R << u"59"_s << u""_s;
        QTest::newRow("rst 0") << R << u"0"_s << u""_s;
        QTest::newRow("rst vide") << R << u""_s << u"Entrez un Report"_s;
        QTest::newRow("rst 69") << R << u"69"_s << u"R (de RST)doit etre compris entre 0 et 5"_s;
        QTest::newRow("rst 5999") << R << u"5999"_s << u"3 caracteres maxi pour le Report"_s;
        QTest::newRow("rst lettre") << R << u"S9"_s << u"R (de RST)doit etre compris entre 0 et 5"_s;
        QTest::newRow("rst signe") << R << u"-5"_s << u"R (de RST)doit etre compris entre 0 et 5"_s;
        QTest::newRow("prénom 16") << Champ_Saisie::Prenom << QString(16, u'A')
                                   << u"15 caracteres maxi pour le Prenom"_s;
        QTest::newRow("qth 31") << Champ_Saisie::QTH << QString(31, u'A')
                                << u"30 caracteres maxi pour le QTH"_s;
        QTest::newRow("date vide") << Champ_Saisie::Date << u""_s << u"Entrez une date"_s;
        QTest::newRow("date 1/6/08") << Champ_Saisie::Date << u"1/6/08"_s
                                     << u"8 caracteres pour la date ex 01/06/08"_s;
        QTest::newRow("date 32/12/08")
            << Champ_Saisie::Date << u"32/12/08"_s << u"Le format de la date doit etre JJ/MM/AA"_s;
        QTest::newRow("date 01-06-08")
            << Champ_Saisie::Date << u"01-06-08"_s << u"Le format de la date doit etre JJ/MM/AA"_s;
        QTest::newRow("heure vide") << Champ_Saisie::Heure << u""_s << u"Entrez une Heure"_s;
        QTest::newRow("heure 1525") << Champ_Saisie::Heure << u"1525"_s << u"5 caracteres l'heure ex 15:25"_s;
        QTest::newRow("heure 24:00") << Champ_Saisie::Heure << u"24:00"_s
                                     << u"Le format de l'heure doit etre HH:MM"_s;
        QTest::newRow("mode vide") << Champ_Saisie::Mode << u""_s << u"Entrez un Mode"_s;
        QTest::newRow("mode 7") << Champ_Saisie::Mode << u"OLIVIA8"_s << u"6 caracteres maxi pour le Mode"_s;
        QTest::newRow("mode DIG") << Champ_Saisie::Mode << u"DIG"_s << u""_s;
        QTest::newRow("bande vide") << Champ_Saisie::Bande << u""_s << u"Entrez une QRG"_s;
        QTest::newRow("bande 8") << Champ_Saisie::Bande << u"1296 Mhz"_s
                                 << u"7 caracteres maxi pour la QRG"_s;
        QTest::newRow("bande 432") << Champ_Saisie::Bande << u"432 Mhz"_s << u""_s;
    }
    void messagesDEntree() {
        QFETCH(Champ_Saisie, champ);
        QFETCH(QString, texte);
        QFETCH(QString, message);
        QCOMPARE(Controle_Saisie(champ, texte), message);
    }

    void modeDeQuatreASixCaracteresRefuse() {
        for (const QString& mode : {u"PSK31"_s, u"RTTY"_s, u"OLIVIA"_s}) {
            const QString m = Controle_Saisie(Champ_Saisie::Mode, mode);
            QVERIFY2(m.contains(u"3 caractères"_s) && m.contains(u"«\u00A0"_s + mode + u"\u00A0»"_s),
                     qPrintable(m));
        }
    }

    void caracteresQueLeJournalNePeutGarder_data() {
        QTest::addColumn<Champ_Saisie>("champ");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("nomme");
        QTest::newRow("ł dans le QTH") << Champ_Saisie::QTH << u"WROCłAW"_s << u"«\u00A0ł\u00A0»"_s;
        QTest::newRow("ő dans le prénom") << Champ_Saisie::Prenom << u"ZSőFI"_s << u"«\u00A0ő\u00A0»"_s;
        QTest::newRow("émoji dans l'indicatif")
            << Champ_Saisie::Indicatif << u"F6😀"_s << u"«\u00A0😀\u00A0»"_s;
        QTest::newRow("tabulation") << Champ_Saisie::QTH << u"A\tB"_s << u"une tabulation"_s;
        QTest::newRow("saut de ligne collé") << Champ_Saisie::QTH << u"A\nB"_s << u"un retour à la ligne"_s;
    }
    void caracteresQueLeJournalNePeutGarder() {
        QFETCH(Champ_Saisie, champ);
        QFETCH(QString, texte);
        QFETCH(QString, nomme);
        QVERIFY(Controle_Saisie(champ, texte).contains(nomme));
        QCOMPARE(Controle_Saisie(champ, u"É°€œ"_s), QString());
        // Their capitals are not in the code page: they are kept as typed, so they pass.
        QCOMPARE(Controle_Saisie(champ, u"µƒ"_s), QString());
    }

    void ficheIncompleteRefusee_data() {
        QTest::addColumn<QString>("indicatif");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("heure");
        QTest::addColumn<QString>("manque");
        QTest::newRow("complète") << u"F6ABC"_s << u"01/06/08"_s << u"10:00"_s << u""_s;
        QTest::newRow("indicatif en espaces")
            << u"            "_s << u"01/06/08"_s << u"10:00"_s << u"l'indicatif de la station A"_s;
        QTest::newRow("date") << u"F6ABC"_s << u""_s << u"10:00"_s << u"la date"_s;
        QTest::newRow("heure") << u"F6ABC"_s << u"01/06/08"_s << u"     "_s << u"l'heure"_s;
        QTest::newRow("formulaire vide")
            << u""_s << u""_s << u""_s << u"l'indicatif de la station A, la date et l'heure"_s;
    }
    void ficheIncompleteRefusee() {
        QFETCH(QString, indicatif);
        QFETCH(QString, date);
        QFETCH(QString, heure);
        QFETCH(QString, manque);
        Fiche_QSO f;
        f.Indicatif_A = indicatif;
        f.Date = date;
        f.Heure = heure;
        const QString message = Controle_Fiche_Complete(f);
        if (manque.isEmpty()) {
            QCOMPARE(message, QString());
        } else {
            QVERIFY2(message.startsWith(u"Ce QSO ne peut pas être enregistré\u00A0: il manque "_s + manque +
                                        u".\r\n"_s),
                     qPrintable(message));
        }
    }

    void horlogeFormatee() {
        Horloge_Fixe h;
        h.utc = QDateTime(QDate(2009, 3, 5), QTime(9, 5, 7), Qt::UTC);
        h.local = QDateTime(QDate(2009, 3, 5), QTime(23, 0, 1));
        QCOMPARE(Heure_Utc(h), u"09:05:07"_s);
        QCOMPARE(Heure_Locale(h), u"23:00:01"_s);
        QCOMPARE(Date_Utc(h), u"05/03/09"_s);
        h.utc = QDateTime(QDate(2000, 12, 31), QTime(0, 0, 0), Qt::UTC);
        QCOMPARE(Date_Utc(h), u"31/12/00"_s);
    }
};

QTEST_APPLESS_MAIN(Tst_Controles_Saisie)
#include "tst_controles_saisie.moc"
