// "Afficher → Enregistrements": every clip of the station with its QSO (or "sans QSO"), date,
// length and size; the one chosen seen as a spectrogram (0 to 4 kHz), played with a position
// slider, exported (Opus or WAV) or deleted after a question. Follows the log.
#pragma once

#include "core/audio/clips.h"
#include "core/log/fichier_log.h"
#include "platform/moteur_audio.h"
#include "platform/services.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QSlider;
class QStandardItemModel;
class QTableView;
class QTimer;

namespace swl {

class Fenetre_Enregistrements final : public QWidget {
    Q_OBJECT
public:
    Fenetre_Enregistrements(const Services& services, std::function<const Lignes_Log&()> journal,
                            std::function<QString()> indicatif, QWidget* parent = nullptr);
    ~Fenetre_Enregistrements() override;
    Q_DISABLE_COPY_MOVE(Fenetre_Enregistrements)

    // The log or the clips changed: listed again, the clip chosen kept.
    void Journal_Change();
    // Chooses a clip by its file name (and plays it when asked): "Écouter" of the form.
    void Choisit(const QString& fichier, bool joue);
    // The clip chosen is read and its spectrogram drawn (off the interface thread).
    bool Clip_Pret() const { return pret_; }
    const QImage& Image_Spectrogramme() const { return image_; }

    // The colour of a level (0 dB the loudest, -90 the faintest): dark to light, so that the
    // spectrogram reads in grey too.
    static QRgb Couleur_Niveau(float db);

private:
    void Liste();
    void Clip_Choisi();
    void Lecture_Click();
    void Avance_Lecture();
    void Dit_Erreur_Lecture(const QString& erreur);
    void Exporte_Click();
    void Supprime_Click();
    QString Dossier() const;
    // The sound module's engine, loaded at the first call; nothing without one.
    Moteur_Audio* Moteur() const;
    QString Fichier_Choisi() const;
    void Affiche_Temps();

    const Services& services_;
    std::function<const Lignes_Log&()> journal_;
    std::function<QString()> indicatif_;
    QList<Clip_Liste> clips_;
    Son_Lu son_;
    QImage image_;
    bool pret_ = false;
    bool lecture_demandee_ = false; // "Écouter" of the form: played once read
    int demande_ = 0;               // the clip read last, so that a slow reading never shows over a later one
    int demande_durees_ = 0;        // the same for the lengths of the list

    QLabel* Resume_Clips;
    QTableView* Liste_Clips;
    QStandardItemModel* modele_;
    QLabel* Spectrogramme_Clip;
    QPushButton* Lecture_Clip;
    QSlider* Position_Clip;
    QLabel* Temps_Clip;
    QLabel* Etat_Clip;
    QPushButton* Exporte_Clip;
    QPushButton* Supprime_Clip;
    QPushButton* Fermer_Clips;
    QTimer* minuterie_;
};

} // namespace swl
