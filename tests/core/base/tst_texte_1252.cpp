#include "core/base/texte_1252.h"

#include <QTest>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

class Tst_Texte_1252 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void octetsDesCaracteresFrancais_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("octet");
        QTest::newRow("é") << u"é"_s << 0xE9;
        QTest::newRow("è") << u"è"_s << 0xE8;
        QTest::newRow("à") << u"à"_s << 0xE0;
        QTest::newRow("ç") << u"ç"_s << 0xE7;
        QTest::newRow("°") << u"°"_s << 0xB0;
        QTest::newRow("€") << u"€"_s << 0x80;
        QTest::newRow("œ") << u"œ"_s << 0x9C;
        QTest::newRow("Œ") << u"Œ"_s << 0x8C;
    }
    void octetsDesCaracteresFrancais() {
        QFETCH(QString, texte);
        QFETCH(int, octet);
        QCOMPARE(Premier_Caractere_Interdit(texte), -1);
        const QByteArray o = Encode_1252(texte);
        QCOMPARE(o.size(), 1);
        QCOMPARE(static_cast<unsigned char>(o[0]), octet);
        QCOMPARE(Decode_1252(o), texte);
    }

    void tousLesOctetsFontLAllerRetour() {
        QByteArray tous;
        for (int i = 0; i < 256; ++i) {
            tous.append(static_cast<char>(i));
        }
        QCOMPARE(Encode_1252(Decode_1252(tous)), tous);
    }

    void caracteresRefuses_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("nomme");
        QTest::newRow("ł") << u"Wrocław"_s << 4 << u"«\u00A0ł\u00A0»"_s;
        QTest::newRow("ő") << u"Győr"_s << 2 << u"«\u00A0ő\u00A0»"_s;
        QTest::newRow("émoji") << u"ab😀"_s << 2 << u"«\u00A0😀\u00A0»"_s;
        QTest::newRow("tabulation") << u"a\tb"_s << 1 << u"une tabulation"_s;
        QTest::newRow("retour à la ligne") << u"a\r\nb"_s << 1 << u"un retour à la ligne"_s;
    }
    void caracteresRefuses() {
        QFETCH(QString, texte);
        QFETCH(int, position);
        QFETCH(QString, nomme);
        QCOMPARE(Premier_Caractere_Interdit(texte), position);
        QVERIFY(Message_Caractere_Interdit(texte, position).contains(nomme));
    }

    // Capitals as the log stores them: a capital outside the code page leaves the character
    // as typed, and the text keeps its length.
    void majusculesDuJournal_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("accents") << u"rené, hélène à l'œuvre"_s << u"RENÉ, HÉLÈNE À L'ŒUVRE"_s;
        QTest::newRow("micro et florin") << u"µ ƒ"_s << u"µ ƒ"_s;
        QTest::newRow("y tréma vers 9F") << u"ÿ š ž"_s << u"Ÿ Š Ž"_s;
        QTest::newRow("eszett garde sa longueur") << u"straße"_s << u"STRAßE"_s;
    }
    void majusculesDuJournal() {
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QCOMPARE(Majuscules_1252(texte), attendu);
        QCOMPARE(Premier_Caractere_Interdit(Majuscules_1252(texte)), -1);
    }

    void decoupeDesLignes_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("vide") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nbb\r\n") << QStringList({u"a"_s, u"bb"_s});
        QTest::newRow("LF seul") << QByteArray("a\nbb\n") << QStringList({u"a"_s, u"bb"_s});
        QTest::newRow("sans fin de ligne") << QByteArray("a\r\nbb") << QStringList({u"a"_s, u"bb"_s});
        QTest::newRow("ligne vide gardée")
            << QByteArray("a\r\n\r\nb\r\n") << QStringList({u"a"_s, u""_s, u"b"_s});
        QTest::newRow("espaces de fin gardés") << QByteArray("a  \r\n") << QStringList({u"a  "_s});
    }
    void decoupeDesLignes() {
        QFETCH(QByteArray, contenu);
        QFETCH(QStringList, lignes);
        QStringList lues;
        for (const auto& l : Decoupe_Lignes(contenu)) {
            lues << Decode_1252(l);
        }
        QCOMPARE(lues, lignes);
    }

    // What a message quotes of a text from outside: short, every character visible.
    void extraitVisible_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("extrait");
        QTest::newRow("court") << u"F5ABC"_s << u"F5ABC"_s;
        QTest::newRow("retour à la ligne") << u"RUE 1\r\nRUE 2"_s << u"RUE 1\\x0D\\x0ARUE 2"_s;
        QTest::newRow("NUL et tabulation") << QString(u"A\0B\tC"_s) << u"A\\x00B\\x09C"_s;
        QTest::newRow("BEL, FF, DEL, C1") << u"\a\f\x7F\x85"_s << u"\\x07\\x0C\\x7F\\x85"_s;
        QTest::newRow("sens du texte inversé") << u"AB\u202EC"_s << u"AB\\u202EC"_s;
        QTest::newRow("séparateur de ligne") << u"A\u2028B"_s << u"A\\u2028B"_s;
        QTest::newRow("accents gardés") << u"Hélène Œ €"_s << u"Hélène Œ €"_s;
        QTest::newRow("40 caractères") << QString(40, u'X') << QString(40, u'X');
        QTest::newRow("41 caractères") << QString(41, u'X') << QString(40, u'X') + u"… (41 caractères)"_s;
        QTest::newRow("un million") << QString(1000000, u'A')
                                    << QString(40, u'A') + u"… (1\u00A0000\u00A0000 caractères)"_s;
        QTest::newRow("hors du plan de base compté un")
            << QString(41, u'X').replace(0, 1, u"😀"_s) << u"😀"_s + QString(39, u'X') + u"… (41 caractères)"_s;
        QTest::newRow("surrogat seul") << QString(QChar(0xD800)) << u"\\uD800"_s;
    }
    void extraitVisible() {
        QFETCH(QString, texte);
        QFETCH(QString, extrait);
        QCOMPARE(Extrait_Visible(texte), extrait);
    }

    void nombresEnFrancais_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("texte");
        QTest::newRow("0") << qint64(0) << u"0"_s;
        QTest::newRow("999") << qint64(999) << u"999"_s;
        QTest::newRow("1000") << qint64(1000) << u"1\u00A0000"_s;
        QTest::newRow("100000") << qint64(100000) << u"100\u00A0000"_s;
        QTest::newRow("52428800") << qint64(52428800) << u"52\u00A0428\u00A0800"_s;
        QTest::newRow("-1234") << qint64(-1234) << u"-1\u00A0234"_s;
    }
    void nombresEnFrancais() {
        QFETCH(qint64, n);
        QFETCH(QString, texte);
        QCOMPARE(Nombre_Francais(n), texte);
        QCOMPARE(Premier_Caractere_Interdit(texte), -1);
    }

    // A sentence after a colon starts in lower case, a word in capitals stays.
    void apresDeuxPoints_data() {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("phrase") << u"Le journal contiendrait plus"_s << u"le journal contiendrait plus"_s;
        QTest::newRow("accent") << u"État inconnu"_s << u"état inconnu"_s;
        QTest::newRow("sigle") << u"ORBEL_SWL ne peut pas"_s << u"ORBEL_SWL ne peut pas"_s;
        QTest::newRow("QSO") << u"QSO refusé"_s << u"QSO refusé"_s;
        QTest::newRow("une lettre") << u"A"_s << u"A"_s;
    }
    void apresDeuxPoints() {
        QFETCH(QString, phrase);
        QFETCH(QString, attendu);
        QCOMPARE(Apres_Deux_Points(phrase), attendu);
    }

    // A file's age, as a calendar counts it.
    void anciennete_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("texte");
        QTest::newRow("futur") << QDate(2026, 12, 9) << u"dans le futur"_s;
        QTest::newRow("jour") << QDate(2026, 12, 8) << u"aujourd'hui"_s;
        QTest::newRow("hier") << QDate(2026, 12, 7) << u"hier"_s;
        QTest::newRow("jours") << QDate(2026, 11, 9) << u"il y a 29 jours"_s;
        QTest::newRow("1 mois") << QDate(2026, 11, 8) << u"il y a 1 mois"_s;
        QTest::newRow("11 mois") << QDate(2025, 12, 9) << u"il y a 11 mois"_s;
        QTest::newRow("1 an") << QDate(2025, 12, 8) << u"il y a 1 an"_s;
        QTest::newRow("3 ans") << QDate(2023, 5, 2) << u"il y a 3 ans"_s;
    }
    void anciennete() {
        QFETCH(QDate, date);
        QFETCH(QString, texte);
        QCOMPARE(Texte_Anciennete(date, QDate(2026, 12, 8)), texte);
    }

    void marquesHors1252() {
        QCOMPARE(Marque_Hors_1252(u"Łukasz é€"_s), u"\\u0141ukasz é€"_s);
        QCOMPARE(Encode_1252(Marque_Hors_1252(u"Ł"_s)), QByteArray("\\u0141"));
    }

    void jointureEnCRLF() {
        const QByteArray a("x"), b("y ");
        QCOMPARE(Joint_Lignes({a, b}), QByteArray("x\r\ny \r\n"));
    }
};

QTEST_APPLESS_MAIN(Tst_Texte_1252)
#include "tst_texte_1252.moc"
