#include "platform/moteur_audio_pulse.h"

#include "platform/registres_vectoriels.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fftw3.h>
#include <pulse/pulseaudio.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <future>
#include <mutex>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr char Nom_Client[] = "ORBEL_SWL";

QString Sans_Serveur(int erreur) {
    return u"pas de serveur de son («\u00A0"_s + QString::fromUtf8(pa_strerror(erreur)) +
           u"\u00A0»)\u00A0: démarrez PulseAudio ou PipeWire"_s;
}

// A context of the sound server on a main loop of its own, connected or not within 3 s.
struct Connexion {
    pa_mainloop* boucle = pa_mainloop_new();
    pa_context* contexte = nullptr;
    QString erreur;

    // `abandon`, when set from another thread, gives up the wait at once.
    explicit Connexion(const std::atomic_bool* abandon = nullptr) {
        contexte = pa_context_new(pa_mainloop_get_api(boucle), Nom_Client);
        if (pa_context_connect(contexte, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            erreur = Sans_Serveur(pa_context_errno(contexte));
            return;
        }
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (true) {
            const pa_context_state_t etat = pa_context_get_state(contexte);
            if (etat == PA_CONTEXT_READY) {
                return;
            }
            if (!PA_CONTEXT_IS_GOOD(etat) || std::chrono::steady_clock::now() > limite ||
                (abandon && abandon->load())) {
                erreur = Sans_Serveur(pa_context_errno(contexte));
                return;
            }
            pa_mainloop_iterate(boucle, 0, nullptr);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~Connexion() {
        pa_context_disconnect(contexte);
        pa_context_unref(contexte);
        pa_mainloop_free(boucle);
    }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    // Runs the loop until the operation is done (3 s at most).
    void Attend(pa_operation* o) const {
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (o && pa_operation_get_state(o) == PA_OPERATION_RUNNING &&
               std::chrono::steady_clock::now() < limite) {
            pa_mainloop_iterate(boucle, 0, nullptr);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (o) {
            pa_operation_unref(o);
        }
    }
};

qint64 Maintenant_Ms() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

// The capture on its thread: a record stream that is never moved to another source (a device
// gone stops it, and says so), each fragment written to the ring as it comes.
struct Moteur_Audio_Pulse::Capture {
    std::thread fil;
    std::atomic_bool arret = false;
    std::atomic<pa_mainloop*> boucle = nullptr;

    ~Capture() { Arrete(); }
    void Arrete() {
        arret = true;
        if (pa_mainloop* b = boucle.load()) {
            pa_mainloop_wakeup(b);
        }
        if (fil.joinable()) {
            fil.join();
        }
    }
};

Moteur_Audio_Pulse::Moteur_Audio_Pulse() = default;

Moteur_Audio_Pulse::~Moteur_Audio_Pulse() {
    Arrete_Capture();
    Arrete_Lecture();
}

Sources_Son Moteur_Audio_Pulse::Sources() {
    Sources_Son r;
    Connexion c;
    if (!c.erreur.isEmpty()) {
        r.erreur = c.erreur;
        return r;
    }
    const auto recoit = [](pa_context*, const pa_source_info* i, int fin, void* donnees) {
        if (fin == 0 && i) {
            static_cast<QList<Source_Son>*>(donnees)->append({QString::fromUtf8(i->name),
                                                              QString::fromUtf8(i->description),
                                                              i->monitor_of_sink != PA_INVALID_INDEX});
        }
    };
    c.Attend(pa_context_get_source_info_list(c.contexte, recoit, &r.sources));
    return r;
}

Resultat Moteur_Audio_Pulse::Demarre_Capture(const QString& source, Tampon_Audio* tampon,
                                             std::function<void(const QString&)> arret) {
    Arrete_Capture();
    capture_ = std::make_unique<Capture>();
    Capture* c = capture_.get();
    std::promise<QString> depart;
    std::future<QString> resultat = depart.get_future();
    c->fil = std::thread([c, source, tampon, arret = std::move(arret), depart = std::move(depart)]() mutable {
        Connexion connexion(&c->arret);
        if (!connexion.erreur.isEmpty()) {
            depart.set_value(connexion.erreur);
            return;
        }
        const pa_sample_spec format{PA_SAMPLE_S16LE, Tampon_Audio::Frequence, 1};
        pa_stream* flux = pa_stream_new(connexion.contexte, "Enregistrement du récepteur", &format, nullptr);
        pa_buffer_attr attributs{};
        attributs.maxlength = uint32_t(-1);
        attributs.fragsize = Tampon_Audio::Frequence / 10 * 2; // 100 ms
        const auto lit = [](pa_stream* s, size_t, void* t) {
            const void* donnees = nullptr;
            size_t n = 0;
            while (pa_stream_peek(s, &donnees, &n) == 0 && n > 0) {
                if (donnees) {
                    static_cast<Tampon_Audio*>(t)->Ecrit(static_cast<const qint16*>(donnees),
                                                         qsizetype(n / 2), Maintenant_Ms());
                }
                pa_stream_drop(s);
            }
        };
        pa_stream_set_read_callback(flux, lit, tampon);
        const QByteArray nom = source.toUtf8();
        if (pa_stream_connect_record(flux, nom.isEmpty() ? nullptr : nom.constData(), &attributs,
                                     pa_stream_flags_t(PA_STREAM_DONT_MOVE | PA_STREAM_ADJUST_LATENCY)) < 0) {
            depart.set_value(u"la source «\u00A0"_s + source + u"\u00A0» ne peut pas être ouverte"_s);
            pa_stream_unref(flux);
            return;
        }
        bool pret = false;
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        QString raison;
        c->boucle = connexion.boucle;
        while (!c->arret) {
            const pa_stream_state_t etat = pa_stream_get_state(flux);
            if (!pret && etat == PA_STREAM_READY) {
                pret = true;
                depart.set_value({});
            }
            if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(connexion.contexte))) {
                raison = u"le serveur de son s'est arrêté"_s;
                break;
            }
            if (!PA_STREAM_IS_GOOD(etat)) {
                raison = u"la source «\u00A0"_s + source + u"\u00A0» a disparu (appareil débranché\u00A0?)"_s;
                break;
            }
            if (!pret && std::chrono::steady_clock::now() > limite) {
                raison = u"la source «\u00A0"_s + source + u"\u00A0» ne répond pas"_s;
                break;
            }
            pa_mainloop_iterate(connexion.boucle, 1, nullptr);
        }
        c->boucle = nullptr;
        pa_stream_disconnect(flux);
        pa_stream_unref(flux);
        if (!pret) {
            depart.set_value(raison.isEmpty() ? u"la capture a été arrêtée"_s : raison);
        } else if (!c->arret && arret) {
            arret(raison);
        }
    });
    if (resultat.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        Arrete_Capture();
        return Resultat::Echec(u"le serveur de son ne répond pas"_s);
    }
    const QString erreur = resultat.get();
    if (!erreur.isEmpty()) {
        Arrete_Capture();
        return Resultat::Echec(erreur);
    }
    return Resultat::Succes();
}

void Moteur_Audio_Pulse::Arrete_Capture() {
    if (capture_) {
        capture_->Arrete();
        capture_.reset();
    }
}

Resultat Moteur_Audio_Pulse::Ecrit_Son(const QString& chemin, const QList<qint16>& echantillons,
                                       int frequence, Format_Clip format) {
    Libere_Registres_AVX();
    const QFileInfo cible(chemin);
    const QString temporaire = cible.dir().filePath(u"."_s + cible.fileName() + u".tmp"_s);
    SF_INFO info{};
    info.samplerate = frequence;
    info.channels = 1;
    info.format =
        format == Format_Clip::Opus ? (SF_FORMAT_OGG | SF_FORMAT_OPUS) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* f = sf_open(QFile::encodeName(temporaire).constData(), SFM_WRITE, &info);
    if (!f) {
        return Resultat::Echec(u"le fichier «\u00A0"_s + QDir::toNativeSeparators(temporaire) +
                               u"\u00A0» ne peut pas être écrit ("_s +
                               QString::fromUtf8(sf_strerror(nullptr)) + u')');
    }
    if (format == Format_Clip::Opus) {
        // About 23 kbit/s: a voice or a CW note stays clear, a minute takes some 175 KB (libsndfile
        // maps 0 to Opus's highest bitrate, 1 to its lowest).
        double niveau = 0.93;
        sf_command(f, SFC_SET_COMPRESSION_LEVEL, &niveau, sizeof niveau);
    }
    const sf_count_t ecrits = sf_write_short(f, echantillons.constData(), echantillons.size());
    const int erreur = sf_error(f);
    const bool ferme = sf_close(f) == 0;
    if (ecrits != echantillons.size() || erreur != SF_ERR_NO_ERROR || !ferme) {
        QFile::remove(temporaire);
        return Resultat::Echec(u"le son n'a pas pu être écrit entier (disque plein\u00A0?)"_s);
    }
    // Renamed over the name only once whole.
    if (std::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(chemin).constData()) != 0) {
        QFile::remove(temporaire);
        return Resultat::Echec(u"le fichier «\u00A0"_s + QDir::toNativeSeparators(chemin) +
                               u"\u00A0» ne peut pas être écrit"_s);
    }
    return Resultat::Succes();
}

Son_Lu Moteur_Audio_Pulse::Lit_Son(const QString& chemin) {
    Libere_Registres_AVX();
    Son_Lu s;
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!f) {
        s.erreur = u"le son «\u00A0"_s + QFileInfo(chemin).fileName() + u"\u00A0» est illisible"_s;
        return s;
    }
    // At most an hour: a clip is minutes long, a larger file is no clip of ours.
    const sf_count_t trames =
        std::min<sf_count_t>(info.frames > 0 ? info.frames : 0, sf_count_t(info.samplerate) * 3600);
    QList<qint16> entrelaces(qsizetype(trames * info.channels));
    const sf_count_t lues = sf_readf_short(f, entrelaces.data(), trames);
    sf_close(f);
    s.frequence = info.samplerate;
    s.echantillons.resize(qsizetype(lues));
    for (sf_count_t i = 0; i < lues; ++i) {
        int somme = 0;
        for (int c = 0; c < info.channels; ++c) {
            somme += entrelaces[qsizetype(i * info.channels + c)];
        }
        s.echantillons[qsizetype(i)] = qint16(somme / std::max(info.channels, 1));
    }
    return s;
}

qint64 Moteur_Audio_Pulse::Duree_Ms(const QString& chemin) {
    SF_INFO info{};
    SNDFILE* f = sf_open(QFile::encodeName(chemin).constData(), SFM_READ, &info);
    if (!f) {
        return -1;
    }
    sf_close(f);
    return info.samplerate > 0 ? qint64(info.frames) * 1000 / info.samplerate : -1;
}

Spectrogramme Moteur_Audio_Pulse::Calcule_Spectrogramme(const QList<qint16>& echantillons, int frequence) {
    Libere_Registres_AVX();
    Spectrogramme sp;
    if (frequence <= 0) {
        return sp;
    }
    // Bins of about 31 Hz, a column every half window, 0 to 4 kHz.
    const int n = std::max(64, int(std::lround(frequence / 31.25)));
    const int pas = n / 2;
    sp.hz_par_ligne = double(frequence) / n;
    sp.lignes = std::min(n / 2, int(4000.0 / sp.hz_par_ligne));
    sp.pas_ms = 1000.0 * pas / frequence;
    sp.colonnes = echantillons.size() < n ? 0 : int((echantillons.size() - n) / pas + 1);
    sp.db.resize(qsizetype(sp.colonnes) * sp.lignes);
    static std::mutex plans; // FFTW's planner is not thread-safe
    double* entree = fftw_alloc_real(std::size_t(n));
    fftw_complex* sortie = fftw_alloc_complex(std::size_t(n / 2 + 1));
    fftw_plan plan;
    {
        const std::lock_guard verrou(plans);
        plan = fftw_plan_dft_r2c_1d(n, entree, sortie, FFTW_ESTIMATE);
    }
    std::vector<double> fenetre(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        fenetre[std::size_t(i)] = 0.5 - 0.5 * std::cos(2 * M_PI * i / (n - 1)); // Hann
    }
    float maximum = -1000;
    for (int c = 0; c < sp.colonnes; ++c) {
        const qint16* e = echantillons.constData() + qsizetype(c) * pas;
        for (int i = 0; i < n; ++i) {
            entree[i] = e[i] / 32768.0 * fenetre[std::size_t(i)];
        }
        fftw_execute(plan);
        for (int l = 0; l < sp.lignes; ++l) {
            const double p = sortie[l][0] * sortie[l][0] + sortie[l][1] * sortie[l][1];
            const float db = float(10.0 * std::log10(p + 1e-12));
            sp.db[qsizetype(c) * sp.lignes + l] = db;
            maximum = std::max(maximum, db);
        }
    }
    for (float& v : sp.db) {
        v = std::max(v - maximum, -90.0f);
    }
    {
        const std::lock_guard verrou(plans);
        fftw_destroy_plan(plan);
    }
    fftw_free(entree);
    fftw_free(sortie);
    return sp;
}

Resultat Moteur_Audio_Pulse::Joue(const QList<qint16>& echantillons, int frequence, qint64 debut) {
    Arrete_Lecture();
    {
        const std::lock_guard verrou(erreur_mutex_);
        erreur_lecture_.clear();
    }
    arret_lecture_ = false;
    en_lecture_ = true;
    position_ = debut;
    lecture_ = std::thread([this, echantillons, frequence, debut] {
        const QString erreur = [&]() -> QString {
            Connexion c(&arret_lecture_);
            if (arret_lecture_) {
                return {};
            }
            if (!c.erreur.isEmpty()) {
                return c.erreur;
            }
            const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(frequence), 1};
            pa_stream* flux = pa_stream_new(c.contexte, "Écoute d'un enregistrement", &format, nullptr);
            if (!flux || pa_stream_connect_playback(
                             flux, nullptr, nullptr,
                             pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE),
                             nullptr, nullptr) < 0) {
                if (flux) {
                    pa_stream_unref(flux);
                }
                return u"pas de son\u00A0: "_s + QString::fromUtf8(pa_strerror(pa_context_errno(c.contexte)));
            }
            // Written as the server asks, polled so that a stop is seen within a few ms even
            // when the server says nothing.
            qint64 i = std::clamp<qint64>(debut, 0, echantillons.size());
            pa_operation* vidage = nullptr;
            const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            QString raison;
            while (!arret_lecture_) {
                const pa_stream_state_t etat = pa_stream_get_state(flux);
                if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(c.contexte)) || !PA_STREAM_IS_GOOD(etat)) {
                    raison = u"le serveur de son s'est arrêté"_s;
                    break;
                }
                if (etat != PA_STREAM_READY) {
                    if (std::chrono::steady_clock::now() > limite) {
                        raison = u"le serveur de son ne répond pas"_s;
                        break;
                    }
                } else if (i < echantillons.size()) {
                    const qint64 n =
                        std::min<qint64>(qint64(pa_stream_writable_size(flux) / 2), echantillons.size() - i);
                    if (n > 0) {
                        pa_stream_write(flux, echantillons.constData() + i, size_t(n) * 2, nullptr, 0,
                                        PA_SEEK_RELATIVE);
                        i += n;
                    }
                } else if (!vidage) {
                    vidage = pa_stream_drain(flux, nullptr, nullptr);
                } else if (pa_operation_get_state(vidage) != PA_OPERATION_RUNNING) {
                    position_ = i;
                    break;
                }
                pa_usec_t retard = 0;
                int negatif = 0;
                if (etat == PA_STREAM_READY && pa_stream_get_latency(flux, &retard, &negatif) == 0) {
                    position_ = std::max<qint64>(debut, i - qint64(retard) * frequence / 1000000);
                }
                if (pa_mainloop_iterate(c.boucle, 0, nullptr) <= 0) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            }
            if (vidage) {
                pa_operation_unref(vidage);
            }
            pa_stream_disconnect(flux);
            pa_stream_unref(flux);
            return raison.isEmpty() ? QString() : u"la lecture s'est arrêtée\u00A0: "_s + raison;
        }();
        {
            const std::lock_guard verrou(erreur_mutex_);
            erreur_lecture_ = erreur;
        }
        en_lecture_ = false;
    });
    return Resultat::Succes();
}

void Moteur_Audio_Pulse::Arrete_Lecture() {
    arret_lecture_ = true;
    if (lecture_.joinable()) {
        lecture_.join();
    }
    en_lecture_ = false;
}

QString Moteur_Audio_Pulse::Erreur_Lecture() const {
    const std::lock_guard verrou(erreur_mutex_);
    return erreur_lecture_;
}

} // namespace swl
