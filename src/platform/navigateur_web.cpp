#include "navigateur_web.h"

#include "core/cluster.h"

#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace swl {

namespace {

Domaine_Erreur Domaine(QWebEngineLoadingInfo::ErrorDomain domaine) {
    switch (domaine) {
    case QWebEngineLoadingInfo::HttpStatusCodeDomain:
        return Domaine_Erreur::Statut_Http;
    case QWebEngineLoadingInfo::DnsErrorDomain:
        return Domaine_Erreur::Nom;
    case QWebEngineLoadingInfo::CertificateErrorDomain:
        return Domaine_Erreur::Certificat;
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
        return Domaine_Erreur::Connexion;
    case QWebEngineLoadingInfo::HttpErrorDomain:
        return Domaine_Erreur::Http;
    default:
        return Domaine_Erreur::Autre;
    }
}

class Navigateur_Web final : public QWebEngineView, public Navigateur {
public:
    explicit Navigateur_Web(QWidget* parent) : QWebEngineView(parent) {
        setObjectName(QStringLiteral("WebBrowser1"));
        setAccessibleName(QStringLiteral("Page des statistiques du cluster"));
        settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        connect(page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
                info.url().toString() == adresse_) {
                setHtml(Page_Hors_Ligne(adresse_,
                                        Raison_Echec_Page(Domaine(info.errorDomain()), info.errorCode())));
            }
        });
    }
    QWidget* Vue() override { return this; }
    void Navigue(const QString& adresse) override {
        adresse_ = QUrl(adresse).toString();
        load(QUrl(adresse));
    }

private:
    QString adresse_; // the page asked for, as the engine writes it
};

} // namespace

Navigateur* Fabrique_Navigateur_Web::Nouveau(QWidget* parent) {
    return new Navigateur_Web(parent);
}

} // namespace swl
