#pragma once

// The main window driven as a person does, for the tests of the entry form and of the
// history of changes.
#include "core/program/reglages.h"
#include "main/main.h"
#include "support/doubles.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <memory>

namespace swl::test {

using namespace Qt::Literals::StringLiterals;

// The main window on station F1ABC with a log of these lines, started and active.
struct Scene {
    Banc b;
    std::unique_ptr<Main> w;

    explicit Scene(const QStringList& lignes, const QString& date_auto = QStringLiteral("Oui")) {
        b.Station_Avec_Log(u"F1ABC"_s, lignes);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Date_Auto, date_auto);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, 2);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Mode_Utilise, 1);
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
    }
    template <class T = QLineEdit> T* C(const QString& nom) const {
        T* c = w->findChild<T*>(nom);
        if (!c) {
            qFatal("control %s missing", qPrintable(nom));
        }
        return c;
    }
    QWidget* Focus() const { return w->focusWidget(); }
    // Types into the field that has the focus, as the user does, then Enter.
    void Tape(const QString& texte) const {
        for (const QChar c : texte) {
            QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(Focus(), Qt::Key_Return);
    }
    QByteArray Log() const { return b.Lit(u"F1ABC_SWL.log"_s); }
    QListView* Liste() const { return C<QListView>(u"Liste_SWL"_s); }
    void Clique(int ligne) const {
        const QRect r = Liste()->visualRect(Liste()->model()->index(ligne, 0));
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void Double_Clique(int ligne) const {
        Clique(ligne);
        const QRect r = Liste()->visualRect(Liste()->model()->index(ligne, 0));
        QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Station A typed through to the second report, as the chain asks.
    void Jusqu_Au_Report_B() const {
        Tape(u"f6xyz"_s);
        Tape(u"75"_s);
        Tape(u""_s);
        Tape(u"jean"_s);
        Tape(u"paris"_s);
        Tape(u"f5abc"_s);
        Tape(u"13"_s);
    }
};

// A new QSO typed from the keyboard up to the QSL box, with this first name and QTH.
inline void Tape_Jusqu_A(const Scene& s, const QString& prenom, const QString& qth) {
    s.Tape(u"f6xyz"_s);
    s.Tape(u"75"_s);
    s.Tape(u""_s);
    s.Tape(prenom);
    s.Tape(qth);
    s.Tape(u"f5abc"_s);
    s.Tape(u"13"_s);
    s.Tape(u""_s);
    s.Tape(u""_s);
    s.Tape(u""_s);
    s.Tape(u""_s);
}

} // namespace swl::test
