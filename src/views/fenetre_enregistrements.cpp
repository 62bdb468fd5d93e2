// The recordings window: the list of clips, the spectrogram, playback, export, deletion.
#include "views/fenetre_enregistrements.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/colonnes_log.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/enregistreur.h"
#include "platform/fenetres.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QTableView>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

enum Colonne { C_QSO, C_Date, C_Duree, C_Taille, C_Fichier };

// "1:05" for 65 s.
QString Duree(qint64 ms) {
    if (ms < 0) {
        return u"?"_s;
    }
    const qint64 s = (ms + 500) / 1000;
    return QString::number(s / 60) + u':' + QString::number(s % 60).rightJustified(2, u'0');
}

} // namespace

QRgb Fenetre_Enregistrements::Couleur_Niveau(float db) {
    // Black, deep blue, purple, orange, pale yellow: the lightness rises all the way.
    static const std::array<QColor, 5> Paliers = {QColor(0, 0, 0), QColor(30, 20, 110), QColor(150, 40, 120),
                                                  QColor(240, 130, 40), QColor(255, 250, 200)};
    const double t = std::clamp((double(db) + 90.0) / 90.0, 0.0, 1.0) * double(Paliers.size() - 1);
    const auto i = std::min<std::size_t>(std::size_t(t), Paliers.size() - 2);
    const double f = t - double(i);
    const QColor& a = Paliers[i];
    const QColor& b = Paliers[i + 1];
    return qRgb(int(a.red() + (b.red() - a.red()) * f), int(a.green() + (b.green() - a.green()) * f),
                int(a.blue() + (b.blue() - a.blue()) * f));
}

Fenetre_Enregistrements::Fenetre_Enregistrements(const Services& services,
                                                 std::function<const Lignes_Log&()> journal,
                                                 std::function<QString()> indicatif, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), journal_(std::move(journal)),
      indicatif_(std::move(indicatif)), modele_(new QStandardItemModel(this)), minuterie_(new QTimer(this)) {
    setObjectName(u"Fenetre_Enregistrements"_s);
    setWindowTitle(u"Enregistrements"_s);
    Resume_Clips = Nomme_Controle(new QLabel(this), u"Resume_Clips"_s, QString());
    Resume_Clips->setWordWrap(true);
    Liste_Clips = Nomme_Controle(new QTableView(this), u"Liste_Clips"_s, u"Enregistrements"_s);
    Liste_Clips->setModel(modele_);
    Liste_Clips->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_Clips->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_Clips->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Clips->verticalHeader()->hide();
    Liste_Clips->horizontalHeader()->setStretchLastSection(true);
    Spectrogramme_Clip = Nomme_Controle(new QLabel(this), u"Spectrogramme_Clip"_s, u"Spectrogramme"_s);
    Spectrogramme_Clip->setMinimumSize(400, 200);
    Spectrogramme_Clip->setAlignment(Qt::AlignCenter);
    Spectrogramme_Clip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    Lecture_Clip = Nomme_Controle(new QPushButton(u"Écouter"_s, this), u"Lecture_Clip"_s, u"Écouter"_s);
    Position_Clip = Nomme_Controle(new QSlider(Qt::Horizontal, this), u"Position_Clip"_s,
                                   u"Position dans l'enregistrement"_s);
    Temps_Clip = Nomme_Controle(new QLabel(this), u"Temps_Clip"_s, QString());
    Etat_Clip = Nomme_Controle(new QLabel(this), u"Etat_Clip"_s, QString());
    Etat_Clip->setWordWrap(true);
    Exporte_Clip = Nomme_Controle(new QPushButton(u"Exporter…"_s, this), u"Exporte_Clip"_s, u"Exporter…"_s);
    Supprime_Clip =
        Nomme_Controle(new QPushButton(u"Supprimer…"_s, this), u"Supprime_Clip"_s, u"Supprimer…"_s);
    Fermer_Clips = Nomme_Controle(new QPushButton(u"Fermer"_s, this), u"Fermer_Clips"_s, u"Fermer"_s);

    auto* lecture = new QHBoxLayout;
    lecture->addWidget(Lecture_Clip);
    lecture->addWidget(Position_Clip, 1);
    lecture->addWidget(Temps_Clip);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Exporte_Clip);
    boutons->addWidget(Supprime_Clip);
    boutons->addStretch();
    boutons->addWidget(Fermer_Clips);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Resume_Clips);
    colonne->addWidget(Liste_Clips, 2);
    colonne->addWidget(Spectrogramme_Clip, 2);
    colonne->addLayout(lecture);
    colonne->addWidget(Etat_Clip);
    colonne->addLayout(boutons);

    minuterie_->setInterval(100);
    connect(minuterie_, &QTimer::timeout, this, &Fenetre_Enregistrements::Avance_Lecture);
    connect(Liste_Clips->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &Fenetre_Enregistrements::Clip_Choisi);
    connect(Lecture_Clip, &QPushButton::clicked, this, &Fenetre_Enregistrements::Lecture_Click);
    connect(Position_Clip, &QSlider::sliderReleased, this, [this] {
        if (Moteur_Audio* m = Moteur(); m && m->En_Lecture()) {
            m->Joue(son_.echantillons, son_.frequence, qint64(Position_Clip->value()) * son_.frequence / 10);
        }
        Affiche_Temps();
    });
    connect(Position_Clip, &QSlider::valueChanged, this, &Fenetre_Enregistrements::Affiche_Temps);
    connect(Exporte_Clip, &QPushButton::clicked, this, &Fenetre_Enregistrements::Exporte_Click);
    connect(Supprime_Clip, &QPushButton::clicked, this, &Fenetre_Enregistrements::Supprime_Click);
    connect(Fermer_Clips, &QPushButton::clicked, this, &QWidget::close);
    Liste();
    resize(820, 680);
    Centre_Fenetre(*this);
}

Fenetre_Enregistrements::~Fenetre_Enregistrements() {
    if (Moteur_Audio* m = services_.enregistreur ? services_.enregistreur->Moteur_Charge() : nullptr) {
        m->Arrete_Lecture();
    }
}

Moteur_Audio* Fenetre_Enregistrements::Moteur() const {
    return services_.enregistreur ? services_.enregistreur->Moteur() : nullptr;
}

QString Fenetre_Enregistrements::Dossier() const {
    return Dossier_Clips(services_.repertoire, indicatif_());
}

QString Fenetre_Enregistrements::Fichier_Choisi() const {
    const int r = Liste_Clips->currentIndex().row();
    return r >= 0 && r < clips_.size() ? clips_[r].fichier : QString();
}

void Fenetre_Enregistrements::Journal_Change() {
    Liste();
}

void Fenetre_Enregistrements::Liste() {
    const QString choisi = Fichier_Choisi();
    const Lignes_Log& log = journal_();
    clips_ = swl::Liste_Clips(Dossier(), log);
    modele_->clear();
    modele_->setHorizontalHeaderLabels({u"QSO"_s, u"Date (UTC)"_s, u"Durée"_s, u"Taille"_s, u"Fichier"_s});
    int sans_qso = 0;
    for (const Clip_Liste& c : clips_) {
        QString qso = u"sans QSO"_s;
        if (c.ligne >= 0) {
            const QByteArrayView l = log.Octets(c.ligne);
            qso = u"QSO "_s + QString::number(c.ligne + 1) + u" — "_s + Decode_1252(Colonne_Log(l, 1, 12)) +
                  u" et "_s + Decode_1252(Colonne_Log(l, 14, 12));
        } else {
            ++sans_qso;
        }
        QList<QStandardItem*> rangee;
        for (const QString& t :
             {qso, Moment_Du_Clip(c.base), u"…"_s, Taille_Fichier_En_Texte(c.octets), c.fichier}) {
            rangee << new QStandardItem(t);
        }
        modele_->appendRow(rangee);
    }
    Liste_Clips->resizeColumnsToContents();
    Affiche_Valeur(Resume_Clips, u"Enregistrements\u00A0:"_s,
                   Nombre_Francais(clips_.size()) +
                       (clips_.size() > 1 ? u" enregistrements"_s : u" enregistrement"_s) +
                       (sans_qso ? u", dont "_s + Nombre_Francais(sans_qso) +
                                       u" sans QSO (supprimé ou modifié hors du programme)"_s
                                 : QString()) +
                       u", dans «\u00A0"_s + QDir::toNativeSeparators(Dossier()) + u"\u00A0»"_s);
    // The lengths, read from each file's header off this thread.
    Moteur_Audio* m = clips_.isEmpty() ? nullptr : Moteur();
    if (m) {
        QStringList chemins;
        for (const Clip_Liste& c : clips_) {
            chemins << QDir(Dossier()).filePath(c.fichier);
        }
        QPointer<Fenetre_Enregistrements> moi(this);
        const int demande = ++demande_durees_;
        QThreadPool::globalInstance()->start([moi, m, chemins, demande] {
            QList<qint64> durees;
            for (const QString& c : chemins) {
                durees << m->Duree_Ms(c);
            }
            QMetaObject::invokeMethod(
                moi.data(),
                [moi, durees, demande] {
                    if (moi && demande == moi->demande_durees_) {
                        for (qsizetype i = 0; i < durees.size() && i < moi->modele_->rowCount(); ++i) {
                            moi->modele_->item(int(i), C_Duree)->setText(Duree(durees[i]));
                        }
                    }
                },
                Qt::QueuedConnection);
        });
    }
    const auto i =
        std::find_if(clips_.begin(), clips_.end(), [&](const Clip_Liste& c) { return c.fichier == choisi; });
    const int rangee = i != clips_.end() ? int(i - clips_.begin()) : (clips_.isEmpty() ? -1 : 0);
    for (QPushButton* b : {Lecture_Clip, Exporte_Clip, Supprime_Clip}) {
        b->setEnabled(rangee >= 0);
    }
    if (rangee >= 0) {
        Liste_Clips->selectRow(rangee);
    } else {
        Clip_Choisi();
    }
}

void Fenetre_Enregistrements::Choisit(const QString& fichier, bool joue) {
    for (int r = 0; r < clips_.size(); ++r) {
        if (clips_[r].fichier == fichier) {
            Liste_Clips->selectRow(r);
            // Played now when read already, else once read.
            if (joue && pret_) {
                Lecture_Click();
            } else {
                lecture_demandee_ = joue;
            }
            return;
        }
    }
}

void Fenetre_Enregistrements::Clip_Choisi() {
    pret_ = false;
    son_ = {};
    image_ = {};
    Spectrogramme_Clip->clear();
    Position_Clip->setValue(0);
    Position_Clip->setMaximum(0);
    if (Moteur_Audio* m = Moteur()) {
        m->Arrete_Lecture();
    }
    minuterie_->stop();
    Change_Legende(Lecture_Clip, u"Écouter"_s);
    const QString fichier = Fichier_Choisi();
    Moteur_Audio* m = Moteur();
    if (fichier.isEmpty()) {
        Affiche_Valeur(Etat_Clip, u"État\u00A0:"_s, QString());
        Affiche_Temps();
        return;
    }
    if (!m) {
        Affiche_Valeur(Etat_Clip, u"État\u00A0:"_s,
                       u"Les enregistrements ne peuvent pas être lus\u00A0: "_s +
                           (services_.enregistreur ? services_.enregistreur->Erreur_Module()
                                                   : u"pas de module des sons"_s) +
                           u'.');
        return;
    }
    Affiche_Valeur(Etat_Clip, u"État\u00A0:"_s, u"lecture de «\u00A0"_s + fichier + u"\u00A0»…"_s);
    const QString chemin = QDir(Dossier()).filePath(fichier);
    QPointer<Fenetre_Enregistrements> moi(this);
    const int demande = ++demande_;
    // Read and drawn off this thread: a long clip never freezes the window.
    QThreadPool::globalInstance()->start([moi, m, chemin, demande] {
        Son_Lu son = m->Lit_Son(chemin);
        const Spectrogramme sp = m->Calcule_Spectrogramme(son.echantillons, son.frequence);
        QImage image(std::max(sp.colonnes, 1), std::max(sp.lignes, 1), QImage::Format_RGB32);
        image.fill(Qt::black);
        for (int c = 0; c < sp.colonnes; ++c) {
            for (int l = 0; l < sp.lignes; ++l) {
                image.setPixel(c, sp.lignes - 1 - l, Couleur_Niveau(sp.Valeur(c, l)));
            }
        }
        QMetaObject::invokeMethod(
            moi.data(),
            [moi, son = std::move(son), image, demande]() mutable {
                if (!moi || demande != moi->demande_) {
                    return;
                }
                moi->son_ = std::move(son);
                moi->image_ = image;
                moi->pret_ = moi->son_.erreur.isEmpty();
                const qint64 ms = moi->son_.frequence
                                      ? qint64(moi->son_.echantillons.size()) * 1000 / moi->son_.frequence
                                      : 0;
                moi->Spectrogramme_Clip->setPixmap(QPixmap::fromImage(image.scaled(
                    moi->Spectrogramme_Clip->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
                moi->Spectrogramme_Clip->setAccessibleName(u"Spectrogramme de 0 à 4\u00A0kHz, "_s +
                                                           Duree(ms));
                moi->Position_Clip->setMaximum(int(ms / 100));
                Affiche_Valeur(moi->Etat_Clip, u"État\u00A0:"_s, moi->son_.erreur);
                moi->Affiche_Temps();
                if (moi->lecture_demandee_ && moi->pret_) {
                    moi->lecture_demandee_ = false;
                    moi->Lecture_Click();
                }
            },
            Qt::QueuedConnection);
    });
}

void Fenetre_Enregistrements::Affiche_Temps() {
    const int total = Position_Clip->maximum();
    const QString t = Duree(qint64(Position_Clip->value()) * 100) + u" / "_s + Duree(qint64(total) * 100);
    Affiche_Valeur(Temps_Clip, u"Position\u00A0:"_s, t);
}

void Fenetre_Enregistrements::Lecture_Click() {
    Moteur_Audio* m = Moteur();
    if (!m || !pret_) {
        return;
    }
    if (m->En_Lecture()) {
        m->Arrete_Lecture();
        minuterie_->stop();
        Change_Legende(Lecture_Clip, u"Écouter"_s);
        return;
    }
    const qint64 debut = Position_Clip->value() >= Position_Clip->maximum()
                             ? 0
                             : qint64(Position_Clip->value()) * son_.frequence / 10;
    const Resultat r = m->Joue(son_.echantillons, son_.frequence, debut);
    if (!r) {
        Dit_Erreur_Lecture(r.message);
        return;
    }
    Change_Legende(Lecture_Clip, u"Arrêter"_s);
    minuterie_->start();
}

void Fenetre_Enregistrements::Avance_Lecture() {
    Moteur_Audio* m = Moteur();
    if (!m || son_.frequence <= 0) {
        return;
    }
    if (!Position_Clip->isSliderDown()) {
        Position_Clip->setValue(int(m->Position() * 10 / son_.frequence));
    }
    if (!m->En_Lecture()) {
        minuterie_->stop();
        Change_Legende(Lecture_Clip, u"Écouter"_s);
        Dit_Erreur_Lecture(m->Erreur_Lecture());
    }
}

void Fenetre_Enregistrements::Dit_Erreur_Lecture(const QString& erreur) {
    // No sound device, the server gone: said here, the window goes on.
    if (!erreur.isEmpty()) {
        Affiche_Valeur(Etat_Clip, u"État\u00A0:"_s, erreur.left(1).toUpper() + erreur.mid(1) + u'.');
    }
}

void Fenetre_Enregistrements::Exporte_Click() {
    const QString fichier = Fichier_Choisi();
    Moteur_Audio* m = Moteur();
    if (fichier.isEmpty() || !m) {
        return;
    }
    QString filtre;
    const QString base = QFileInfo(fichier).completeBaseName();
    QString chemin = services_.fichiers.Fichier_A_Enregistrer(
        this, u"Exporter l'enregistrement"_s,
        QDir(Dossier_Fichiers(services_.reglages)).filePath(base + u".opus"_s),
        u"Opus (*.opus);;WAV (*.wav)"_s, &filtre);
    if (chemin.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    const bool wav = filtre.startsWith(u"WAV"_s) || chemin.endsWith(u".wav"_s, Qt::CaseInsensitive);
    const QString extension = wav ? u".wav"_s : u".opus"_s;
    if (!chemin.endsWith(extension, Qt::CaseInsensitive)) {
        chemin += extension;
    }
    // The clip's own bytes as Opus (no second encoding); decoded and written as WAV. Both whole
    // or not at all.
    Resultat r;
    if (wav) {
        const Son_Lu son = m->Lit_Son(QDir(Dossier()).filePath(fichier));
        r = son.erreur.isEmpty() ? m->Ecrit_Son(chemin, son.echantillons, son.frequence, Format_Clip::Wav)
                                 : Resultat::Echec(son.erreur);
    } else {
        const Lecture_Fichier clip = Lit_Fichier(QDir(Dossier()).filePath(fichier));
        const QFileInfo cible(chemin);
        r = clip.erreur == Lecture_Reussie
                ? Ecrit_Fichier_Atomique(cible.absolutePath(), u"."_s + cible.fileName() + u".tmp"_s,
                                         cible.fileName(), clip.contenu)
                : Resultat::Echec(u"l'enregistrement ne peut pas être lu"_s);
    }
    services_.messages.Message(
        r ? QString(u"Enregistrement exporté dans «\u00A0"_s + QFileInfo(chemin).fileName() + u"\u00A0»."_s)
          : QString(u"L'enregistrement n'a pas été exporté\u00A0: "_s + r.message + u'.'));
}

void Fenetre_Enregistrements::Supprime_Click() {
    const QString fichier = Fichier_Choisi();
    if (fichier.isEmpty() ||
        !services_.messages.Question_Non_Par_Defaut(u"Supprimer l'enregistrement «\u00A0"_s + fichier +
                                                    u"\u00A0»\u00A0? Il ne pourra pas être retrouvé."_s)) {
        return;
    }
    if (Moteur_Audio* m = Moteur()) {
        m->Arrete_Lecture();
    }
    if (!QFile::remove(QDir(Dossier()).filePath(fichier))) {
        services_.messages.Message(u"L'enregistrement «\u00A0"_s + fichier +
                                   u"\u00A0» n'a pas pu être supprimé."_s);
    }
    Liste();
}

} // namespace swl
