#include "boites_message.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget* Fenetre_Active() {
    QWidget* w = QApplication::activeModalWidget();
    return w ? w : QApplication::activeWindow();
}

} // namespace

void Boites_Message_Qt::Message(const QString& texte) {
    QMessageBox b(QMessageBox::NoIcon, u"ORBEL_SWL"_s, texte, QMessageBox::NoButton, Fenetre_Active());
    QPushButton* ok = b.addButton(u"OK"_s, QMessageBox::AcceptRole);
    b.setDefaultButton(ok);
    b.setEscapeButton(ok);
    b.exec();
}

bool Boites_Message_Qt::Question(const QString& texte) {
    QMessageBox b(QMessageBox::NoIcon, u"ORBEL_SWL"_s, texte, QMessageBox::NoButton, Fenetre_Active());
    QPushButton* oui = b.addButton(u"Oui"_s, QMessageBox::YesRole);
    QPushButton* non = b.addButton(u"Non"_s, QMessageBox::NoRole);
    b.setDefaultButton(oui);
    b.setEscapeButton(non);
    b.exec();
    return b.clickedButton() == oui;
}

} // namespace swl
