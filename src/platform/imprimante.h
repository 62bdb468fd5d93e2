#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace swl {

// The printer as the program drives it: a current font, lines printed one under the other
// from the left margin (a new page starts by itself when one is full), documents ended or
// cancelled, and the printer-choice dialog.
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
    // The pages printed so far go to the printer.
    virtual void Fin_Document() = 0;
    virtual void Annule_Document() = 0;
    // The printer chosen becomes the current printer; false when the user pressed "Annuler"
    // (the current printer stays).
    virtual bool Choix_Imprimante(QWidget* parent) = 0;
};

// On QPrinter. When the output is a PDF file, every document of one job (from one printer
// choice to the next) goes into that one file, page after page: a later document never
// overwrites an earlier one.
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
    void Fin_Document() override;
    void Annule_Document() override;
    bool Choix_Imprimante(QWidget* parent) override;

private:
    struct Etat;
    std::unique_ptr<Etat> etat_;
};

} // namespace swl
