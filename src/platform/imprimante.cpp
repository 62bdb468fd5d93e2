#include "imprimante.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Ligne_Imprimee {
    QFont police;
    QString texte;
};
using Document = QList<Ligne_Imprimee>;

} // namespace

struct Imprimante_Qt::Etat {
    QPrinter imprimante{QPrinter::HighResolution};
    QFont police{u"Arial"_s, 10};
    Document document;
    QList<Document> travail; // documents already ended in this PDF job

    bool Vers_Pdf() const {
        return imprimante.outputFormat() == QPrinter::PdfFormat && !imprimante.outputFileName().isEmpty();
    }

    // Each document starts on a new page; lines go down by the font's line height.
    void Imprime(const QList<Document>& documents) {
        QPainter p;
        if (!p.begin(&imprimante)) {
            return;
        }
        const double hauteur_page = imprimante.pageLayout().paintRectPixels(imprimante.resolution()).height();
        bool premiere_page = true;
        for (const Document& d : documents) {
            if (!premiere_page) {
                imprimante.newPage();
            }
            premiere_page = false;
            double y = 0;
            for (const Ligne_Imprimee& l : d) {
                const QFontMetricsF m(l.police, &imprimante);
                if (y > 0 && y + m.lineSpacing() > hauteur_page) {
                    imprimante.newPage();
                    y = 0;
                }
                p.setFont(l.police);
                p.drawText(QPointF(0, y + m.ascent()), l.texte);
                y += m.lineSpacing();
            }
        }
        p.end();
    }
};

Imprimante_Qt::Imprimante_Qt(const QString& fichier_pdf) : etat_(std::make_unique<Etat>()) {
    etat_->police.setStyleHint(QFont::SansSerif);
    if (!fichier_pdf.isEmpty()) {
        etat_->imprimante.setOutputFormat(QPrinter::PdfFormat);
        etat_->imprimante.setOutputFileName(fichier_pdf);
    }
}

Imprimante_Qt::~Imprimante_Qt() = default;

QString Imprimante_Qt::Nom_Police() const {
    return etat_->police.family();
}
void Imprimante_Qt::Fixe_Nom_Police(const QString& nom) {
    etat_->police.setFamily(nom);
}
double Imprimante_Qt::Taille_Police() const {
    return etat_->police.pointSizeF();
}
void Imprimante_Qt::Fixe_Taille_Police(double points) {
    etat_->police.setPointSizeF(points);
}
bool Imprimante_Qt::Gras() const {
    return etat_->police.bold();
}
void Imprimante_Qt::Fixe_Gras(bool gras) {
    etat_->police.setBold(gras);
}

void Imprimante_Qt::Imprime_Ligne(const QString& texte) {
    etat_->document.append({etat_->police, texte});
}

void Imprimante_Qt::Fin_Document() {
    if (etat_->Vers_Pdf()) {
        // The file is written anew with the whole job so far.
        etat_->travail.append(etat_->document);
        etat_->Imprime(etat_->travail);
    } else {
        etat_->Imprime({etat_->document});
    }
    etat_->document.clear();
}

void Imprimante_Qt::Annule_Document() {
    etat_->document.clear();
}

bool Imprimante_Qt::Choix_Imprimante(QWidget* parent) {
    QPrintDialog dialogue(&etat_->imprimante, parent);
    const bool choisi = dialogue.exec() == QDialog::Accepted;
    etat_->travail.clear();
    return choisi;
}

} // namespace swl
