#include "views/fenetre_guide.h"

#include "platform/fenetres.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Texte_Guide() {
    QFile f(u":/guide.md"_s);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

Fenetre_Guide::Fenetre_Guide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(u"Fenetre_Guide"_s);
    setWindowTitle(u"Guide d'utilisation d'ORBEL_SWL"_s);
    Texte = Nomme_Controle(new QTextBrowser(this), u"Texte_Guide"_s, u"Guide d'utilisation"_s);
    Texte->setOpenExternalLinks(true);
    Texte->setMarkdown(Texte_Guide());
    Fermer_Guide =
        Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Guide"_s, u"Fermer le guide"_s);
    connect(Fermer_Guide, &QPushButton::clicked, this, &QWidget::close);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Fermer_Guide);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Texte, 1);
    colonne->addLayout(boutons);
    resize(760, 640);
    Centre_Fenetre(*this);
}

} // namespace swl
