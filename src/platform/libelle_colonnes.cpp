#include "platform/libelle_colonnes.h"

#include <QEvent>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace swl {

Libelle_Colonnes::Libelle_Colonnes(QList<Mot_Colonne> mots, QWidget* parent)
    : QLabel(parent), mots_(std::move(mots)) {
    // The words are drawn over the list's columns: the list, not the caption, sets the width.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void Libelle_Colonnes::Suit_Liste(QListView* liste) {
    liste_ = liste;
    setFont(liste->font());
    liste->installEventFilter(this);
    liste->viewport()->installEventFilter(this);
    connect(liste->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
    update();
}

bool Libelle_Colonnes::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
    case QEvent::FontChange:
        if (liste_ && objet == liste_) {
            setFont(liste_->font());
        }
        update();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::StyleChange:
        update();
        break;
    default:
        break;
    }
    return false;
}

double Libelle_Colonnes::Debut_Ligne() const {
    if (!liste_) {
        return 0;
    }
    // The item delegate draws the text this far inside the item's rectangle.
    const int marge_texte = liste_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste_) + 1;
    const int debut_item = liste_->spacing() - liste_->horizontalScrollBar()->value();
    const QPoint origine = liste_->viewport()->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
    return origine.x() + debut_item + marge_texte;
}

void Libelle_Colonnes::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFont police = liste_ ? liste_->font() : font();
    p.setFont(police);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF m(police);
    const double largeur = m.horizontalAdvance(u'0');
    const double y = (height() + m.ascent() - m.descent()) / 2.0;
    const double debut = Debut_Ligne();
    qsizetype depuis = 0;
    for (const Mot_Colonne& mc : mots_) {
        // Only words that stand in the caption are drawn, in its order.
        const qsizetype i = text().indexOf(mc.mot, depuis);
        if (i < 0) {
            continue;
        }
        depuis = i + mc.mot.size();
        p.drawText(QPointF(debut + (mc.colonne - 1) * largeur, y), mc.mot);
    }
}

} // namespace swl
