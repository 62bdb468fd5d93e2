#include "platform/boites_message.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
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

namespace {

bool Pose_Question(const QString& texte, bool oui_par_defaut) {
    QMessageBox b(QMessageBox::NoIcon, u"ORBEL_SWL"_s, texte, QMessageBox::NoButton, Fenetre_Active());
    QPushButton* oui = b.addButton(u"Oui"_s, QMessageBox::YesRole);
    QPushButton* non = b.addButton(u"Non"_s, QMessageBox::NoRole);
    b.setDefaultButton(oui_par_defaut ? oui : non);
    b.setEscapeButton(non);
    b.exec();
    return b.clickedButton() == oui;
}

} // namespace

bool Boites_Message_Qt::Question(const QString& texte) {
    return Pose_Question(texte, true);
}

bool Boites_Message_Qt::Question_Non_Par_Defaut(const QString& texte) {
    return Pose_Question(texte, false);
}

void Boites_Message_Qt::Avec_Progression(const QString& texte,
                                         const std::function<void(const Avance&)>& travail) {
    QProgressDialog progression(texte, u"Annuler"_s, 0, 100, Fenetre_Active());
    progression.setWindowTitle(u"ORBEL_SWL"_s);
    progression.setWindowModality(Qt::WindowModal);
    progression.setMinimumDuration(300);
    progression.setAutoClose(false);
    progression.setAutoReset(false);
    travail([&progression](int pour_cent) {
        progression.setValue(pour_cent);
        QApplication::processEvents();
        return !progression.wasCanceled();
    });
}

} // namespace swl
