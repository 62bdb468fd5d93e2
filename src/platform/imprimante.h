#pragma once

#include "core/base/resultat.h"
#include "core/reports/mise_en_page.h"

#include <QList>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace swl {

// What a PDF that could not be written says: "<echec> dans le fichier « x ».\r\n<reason>",
// and `vide` when the job printed nothing.
struct Textes_Pdf {
    QString echec = QStringLiteral("Les étiquettes n'ont pas été enregistrées");
    QString vide = QStringLiteral("Aucune étiquette à enregistrer\u00A0: le fichier n'a pas été écrit.");
};

// The printer as the program drives it: a current font, lines printed one under the other
// from the left margin (a new page starts by itself when one is full) or texts placed on the
// sheet, documents ended or cancelled, and the printer-choice dialog.
class Imprimante {
public:
    virtual ~Imprimante() = default;
    virtual QString Nom_Police() const = 0;
    virtual void Fixe_Nom_Police(const QString& nom) = 0;
    virtual double Taille_Police() const = 0;
    virtual void Fixe_Taille_Police(double points) = 0;
    virtual bool Gras() const = 0;
    virtual void Fixe_Gras(bool gras) = 0;
    // An empty text prints an empty line of the current font's height.
    virtual void Imprime_Ligne(const QString& texte) = 0;
    // Prints `texte` in the current font at a place of the A4 sheet: its first character
    // `x_mm` from the paper's left edge, the top of its line `y_mm` from the top edge,
    // measured from the paper's corner, not from the printable area.
    virtual void Imprime_A(double x_mm, double y_mm, const QString& texte) = 0;
    // A thin rule between two points of the A4 sheet, in mm from the paper's corner.
    virtual void Trace_Trait(double x1_mm, double y1_mm, double x2_mm, double y2_mm) = 0;
    // The sheets of the documents placed from now on: A4 landscape (297 × 210 mm), or portrait.
    virtual void Fixe_Paysage(bool paysage) = 0;
    // The pages printed so far go to the printer: each document starts on a new sheet.
    virtual void Fin_Document() = 0;
    virtual void Annule_Document() = 0;
    // The printer chosen becomes the current printer; false when the user pressed "Annuler"
    // (the current printer stays).
    virtual bool Choix_Imprimante(QWidget* parent) = 0;

    // What a job prints, given the printer to print it on.
    using Travail = std::function<void(Imprimante&)>;
    // Shows the job on screen, one page per document, in the print preview, with these
    // outlines (mm from the paper's corner) drawn on the screen only. True when the user asks
    // from the preview to print it.
    virtual bool Apercu(QWidget* parent, const Travail& travail, const QList<QRectF>& contours_mm) = 0;
    // Writes the job into a PDF file, one page per document, A4 at true size.
    virtual Resultat Vers_Pdf(const QString& fichier, const Travail& travail,
                              const Textes_Pdf& textes = {}) = 0;
};

// On QPrinter, A4 unless the user chooses otherwise. When the output is a PDF file, every
// document of one job (from one printer choice to the next) goes into that one file, page
// after page: a later document never overwrites an earlier one.
class Imprimante_Qt final : public Imprimante {
public:
    // `fichier_pdf`: when not empty, print to that PDF file instead of the system printer.
    explicit Imprimante_Qt(const QString& fichier_pdf = {});
    ~Imprimante_Qt() override;
    Imprimante_Qt(const Imprimante_Qt&) = delete;
    Imprimante_Qt& operator=(const Imprimante_Qt&) = delete;

    QString Nom_Police() const override;
    void Fixe_Nom_Police(const QString& nom) override;
    double Taille_Police() const override;
    void Fixe_Taille_Police(double points) override;
    bool Gras() const override;
    void Fixe_Gras(bool gras) override;
    void Imprime_Ligne(const QString& texte) override;
    void Imprime_A(double x_mm, double y_mm, const QString& texte) override;
    void Trace_Trait(double x1_mm, double y1_mm, double x2_mm, double y2_mm) override;
    void Fixe_Paysage(bool paysage) override;
    void Fin_Document() override;
    void Annule_Document() override;
    bool Choix_Imprimante(QWidget* parent) override;
    bool Apercu(QWidget* parent, const Travail& travail, const QList<QRectF>& contours_mm) override;
    Resultat Vers_Pdf(const QString& fichier, const Travail& travail, const Textes_Pdf& textes = {}) override;

private:
    // Keeps the documents of a job and paints them all at once on `imprimante` (a preview's
    // printer, a PDF file).
    struct Session;
    explicit Imprimante_Qt(QPrinter* imprimante);
    struct Etat;
    std::unique_ptr<Etat> etat_;
};

// Pages laid out beforehand, each a document: fixed-pitch texts in "Courier New", the others
// in "Arial".
void Imprime_Pages(Imprimante& imprimante, const QList<Page_Document>& pages);

} // namespace swl
