#include "libelle_colonnes.h"

#include <QPainter>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Mot_Colonne {
    QString mot;
    int colonne; // 1-based column of the list line
};

// The words of the caption, in its order, and the column each one names.
const QList<Mot_Colonne>& Mots() {
    static const QList<Mot_Colonne> mots = {
        {u"N°"_s, 4},    {u"Indicatif A"_s, 8},  {u"Dpt"_s, 22},  {u"RST"_s, 26},  {u"Prenom"_s, 31},
        {u"QTH"_s, 48},  {u"Indicatif B"_s, 80}, {u"Dpt"_s, 94},  {u"RST"_s, 98},  {u"Date"_s, 103},
        {u"QTR"_s, 113}, {u"Mode"_s, 120},       {u"QRG"_s, 125}, {u"QSL"_s, 132},
    };
    return mots;
}

} // namespace

Libelle_Colonnes::Libelle_Colonnes(QWidget* parent) : QLabel(parent) {
    // The words are drawn over the list's columns: the list, not the caption, sets the width.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void Libelle_Colonnes::Fixe_Marge(int pixels) {
    marge_ = pixels;
    update();
}

void Libelle_Colonnes::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF m(font());
    const double largeur = m.horizontalAdvance(u'0');
    const double y = (height() + m.ascent() - m.descent()) / 2.0;
    qsizetype depuis = 0;
    for (const Mot_Colonne& mc : Mots()) {
        // Only words that stand in the caption are drawn, in its order.
        const qsizetype i = text().indexOf(mc.mot, depuis);
        if (i < 0) {
            continue;
        }
        depuis = i + mc.mot.size();
        p.drawText(QPointF(marge_ + (mc.colonne - 1) * largeur, y), mc.mot);
    }
}

} // namespace swl
