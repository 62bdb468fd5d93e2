#include "platform/imprimante.h"

#include "core/base/fichier_texte.h"
#include "platform/fenetres.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QList>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <optional>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

struct Ligne_Imprimee {
    QFont police;
    QString texte;
    std::optional<QPointF> place_mm; // a text placed on the sheet, else the next line
    std::optional<QLineF> trait_mm;  // a rule on the sheet
    bool paysage = false;            // its page A4 landscape
};
using Document = QList<Ligne_Imprimee>;

bool Paysage(const Document& d) {
    return std::any_of(d.begin(), d.end(), [](const Ligne_Imprimee& l) { return l.paysage; });
}

bool Place(const Document& d) {
    return std::any_of(d.begin(), d.end(), [](const Ligne_Imprimee& l) {
        return l.place_mm.has_value() || l.trait_mm.has_value();
    });
}

} // namespace

struct Imprimante_Qt::Etat {
    QPrinter propre{QPrinter::HighResolution};
    QPrinter* imprimante = &propre;
    QFont police{u"Arial"_s, 10};
    Document document;
    bool paysage = false;    // the documents placed from now on
    QList<Document> travail; // documents already ended in this job
    bool session = false;    // documents kept and painted once, at the end of the job

    bool Vers_Pdf() const {
        return imprimante->outputFormat() == QPrinter::PdfFormat && !imprimante->outputFileName().isEmpty();
    }

    // Each document starts on a new page. Lines go down by the font's line height; placed
    // texts stand where they are placed, from the paper's corner.
    bool Imprime(const QList<Document>& documents, const QList<QRectF>& contours_mm = {}) {
        const bool places = std::any_of(documents.begin(), documents.end(), Place);
        // A placed document's page: A4, portrait unless it asks for landscape.
        const auto oriente = [this, places](const Document& d) {
            if (places) {
                imprimante->setPageSize(QPageSize(QPageSize::A4));
                imprimante->setPageOrientation(Paysage(d) ? QPageLayout::Landscape : QPageLayout::Portrait);
            }
        };
        if (!documents.isEmpty()) {
            oriente(documents.first());
        }
        QPainter p;
        if (!p.begin(imprimante)) {
            return false;
        }
        const double resolution = imprimante->resolution();
        const double mm = resolution / 25.4;
        bool premiere_page = true;
        for (const Document& d : documents) {
            if (!premiere_page) {
                oriente(d);
                imprimante->newPage();
            }
            premiere_page = false;
            const QRectF zone = imprimante->pageLayout().paintRectPixels(imprimante->resolution());
            if (Place(d)) {
                p.save();
                // From the printable area's corner to the paper's corner.
                p.translate(-zone.topLeft());
                if (!contours_mm.isEmpty()) {
                    p.setPen(QPen(QColor(160, 160, 160), 0));
                    for (const QRectF& r : contours_mm) {
                        p.drawRoundedRect(QRectF(r.topLeft() * mm, r.size() * mm), 2 * mm, 2 * mm);
                    }
                    p.setPen(Qt::black);
                }
                for (const Ligne_Imprimee& l : d) {
                    if (l.trait_mm) {
                        p.setPen(QPen(Qt::black, 0.25 * mm));
                        p.drawLine(QLineF(l.trait_mm->p1() * mm, l.trait_mm->p2() * mm));
                    }
                    if (l.place_mm) {
                        const QFontMetricsF m(l.police, imprimante);
                        p.setFont(l.police);
                        p.drawText(QPointF(l.place_mm->x() * mm, l.place_mm->y() * mm + m.ascent()), l.texte);
                    }
                }
                p.restore();
                continue;
            }
            const double hauteur_page = zone.height();
            double y = 0;
            for (const Ligne_Imprimee& l : d) {
                const QFontMetricsF m(l.police, imprimante);
                if (y > 0 && y + m.lineSpacing() > hauteur_page) {
                    imprimante->newPage();
                    y = 0;
                }
                p.setFont(l.police);
                p.drawText(QPointF(0, y + m.ascent()), l.texte);
                y += m.lineSpacing();
            }
        }
        return p.end();
    }
};

Imprimante_Qt::Imprimante_Qt(const QString& fichier_pdf) : etat_(std::make_unique<Etat>()) {
    etat_->police.setStyleHint(QFont::SansSerif);
    etat_->propre.setPageSize(QPageSize(QPageSize::A4));
    if (!fichier_pdf.isEmpty()) {
        etat_->propre.setOutputFormat(QPrinter::PdfFormat);
        etat_->propre.setOutputFileName(fichier_pdf);
    }
}

Imprimante_Qt::Imprimante_Qt(QPrinter* imprimante) : etat_(std::make_unique<Etat>()) {
    etat_->police.setStyleHint(QFont::SansSerif);
    etat_->imprimante = imprimante;
    etat_->session = true;
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
    etat_->document.append({etat_->police, texte, std::nullopt, std::nullopt, etat_->paysage});
}

void Imprimante_Qt::Imprime_A(double x_mm, double y_mm, const QString& texte) {
    etat_->document.append({etat_->police, texte, QPointF(x_mm, y_mm), std::nullopt, etat_->paysage});
}

void Imprimante_Qt::Trace_Trait(double x1_mm, double y1_mm, double x2_mm, double y2_mm) {
    etat_->document.append(
        {etat_->police, {}, std::nullopt, QLineF(x1_mm, y1_mm, x2_mm, y2_mm), etat_->paysage});
}

void Imprimante_Qt::Fixe_Paysage(bool paysage) {
    etat_->paysage = paysage;
}

void Imprime_Pages(Imprimante& imprimante, const QList<Page_Document>& pages) {
    for (const Page_Document& page : pages) {
        imprimante.Fixe_Paysage(page.paysage);
        for (const Trait_Place& t : page.traits) {
            imprimante.Trace_Trait(t.x1_mm, t.y1_mm, t.x2_mm, t.y2_mm);
        }
        for (const Texte_Place& t : page.textes) {
            imprimante.Fixe_Nom_Police(t.fixe ? u"Courier New"_s : u"Arial"_s);
            imprimante.Fixe_Taille_Police(t.points);
            imprimante.Fixe_Gras(t.gras);
            imprimante.Imprime_A(t.x, t.y, t.texte);
        }
        imprimante.Fin_Document();
    }
    imprimante.Fixe_Paysage(false);
}

void Imprimante_Qt::Fin_Document() {
    if (etat_->session) {
        etat_->travail.append(etat_->document);
    } else if (etat_->Vers_Pdf()) {
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
    QPrintDialog dialogue(etat_->imprimante, parent);
    const bool choisi = dialogue.exec() == QDialog::Accepted;
    etat_->travail.clear();
    return choisi;
}

bool Imprimante_Qt::Apercu(QWidget* parent, const Travail& travail, const QList<QRectF>& contours_mm) {
    QDialog fenetre(parent);
    fenetre.setObjectName(u"Apercu"_s);
    fenetre.setWindowTitle(u"Aperçu avant impression"_s);
    QPrinter ecran(QPrinter::HighResolution);
    ecran.setPageSize(QPageSize(QPageSize::A4));
    auto* apercu = new QPrintPreviewWidget(&ecran, &fenetre);
    apercu->setAccessibleName(u"Pages de l'impression"_s);
    QObject::connect(apercu, &QPrintPreviewWidget::paintRequested, &fenetre, [&](QPrinter* imprimante) {
        Imprimante_Qt session(imprimante);
        travail(session);
        session.etat_->Imprime(session.etat_->travail, contours_mm);
    });
    const auto bouton = [&fenetre](const QString& texte) {
        auto* b = new QPushButton(texte, &fenetre);
        b->setAccessibleName(texte);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* precedente = bouton(u"Page précédente"_s);
    QPushButton* suivante = bouton(u"Page suivante"_s);
    QPushButton* plus = bouton(u"Zoom +"_s);
    QPushButton* moins = bouton(u"Zoom −"_s);
    QPushButton* imprimer = bouton(u"Imprimer…"_s);
    QPushButton* fermer = bouton(u"Fermer"_s);
    QObject::connect(precedente, &QPushButton::clicked, apercu,
                     [apercu] { apercu->setCurrentPage(apercu->currentPage() - 1); });
    QObject::connect(suivante, &QPushButton::clicked, apercu,
                     [apercu] { apercu->setCurrentPage(apercu->currentPage() + 1); });
    QObject::connect(plus, &QPushButton::clicked, apercu, [apercu] { apercu->zoomIn(); });
    QObject::connect(moins, &QPushButton::clicked, apercu, [apercu] { apercu->zoomOut(); });
    QObject::connect(imprimer, &QPushButton::clicked, &fenetre, &QDialog::accept);
    QObject::connect(fermer, &QPushButton::clicked, &fenetre, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {precedente, suivante, plus, moins}) {
        boutons->addWidget(b);
    }
    boutons->addStretch();
    boutons->addWidget(imprimer);
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(&fenetre);
    colonne->addLayout(boutons);
    colonne->addWidget(apercu, 1);
    apercu->setViewMode(QPrintPreviewWidget::SinglePageView);
    apercu->fitInView();
    // A whole page where the screen is tall enough, else as much as it holds.
    fenetre.resize(820, 980);
    Centre_Sur_Parent(fenetre);
    return fenetre.exec() == QDialog::Accepted;
}

Resultat Imprimante_Qt::Vers_Pdf(const QString& fichier, const Travail& travail, const Textes_Pdf& textes) {
    const QFileInfo cible(fichier);
    const QString nom = cible.fileName();
    const auto rien = [&nom, &textes](const QString& raison) {
        return Resultat::Echec(textes.echec + u" dans le fichier «\u00A0"_s + nom + u"\u00A0».\r\n"_s +
                               raison);
    };
    // The PDF is made aside, then written as every file of the program is: a temporary beside
    // the real name, flushed, renamed over it. A failure leaves an earlier file of that name whole.
    QTemporaryDir brouillon;
    if (!brouillon.isValid()) {
        return rien(u"Le dossier temporaire du système ne peut pas être utilisé."_s);
    }
    const QString fait = brouillon.filePath(u"document.pdf"_s);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fait);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    Imprimante_Qt session(&pdf);
    travail(session);
    if (session.etat_->travail.isEmpty()) {
        return Resultat::Echec(textes.vide);
    }
    const bool dessine = session.etat_->Imprime(session.etat_->travail);
    QFile lu(fait);
    const QByteArray octets = dessine && lu.open(QIODevice::ReadOnly) ? lu.readAll() : QByteArray();
    if (!octets.startsWith("%PDF-") || !octets.trimmed().endsWith("%%EOF")) {
        return rien(u"Le document PDF n'a pas pu être produit (disque plein\u00A0?)."_s);
    }
    const Resultat ecrit =
        Ecrit_Fichier_Atomique(cible.absolutePath(), u"."_s + nom + u".tmp"_s, nom, octets);
    return ecrit ? ecrit : rien(ecrit.message);
}

} // namespace swl
