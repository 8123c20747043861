#include "platform/Schluesselbund.h"

#include <qt6keychain/keychain.h>

namespace tafomat {

namespace {

const QString Dienst = QStringLiteral("Tafomat");

// A job deletes itself once it has answered.
template <typename Job>
Job* auftrag(const QString& konto) {
    auto* job = new Job(Dienst);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(konto);
    return job;
}

class Systembund : public Schluesselbund {
  public:
    void lesen(const QString& konto, std::function<void(std::optional<QString>)> fertig) override {
        auto* job = auftrag<QKeychain::ReadPasswordJob>(konto);
        QObject::connect(job, &QKeychain::Job::finished, job, [job, fertig](QKeychain::Job*) {
            if (job->error() == QKeychain::NoError) return fertig(job->textData());
            fertig(std::nullopt);
        });
        job->start();
    }
    void speichern(const QString& konto, const QString& passwort,
                   std::function<void(bool)> fertig) override {
        auto* job = auftrag<QKeychain::WritePasswordJob>(konto);
        job->setTextData(passwort);
        QObject::connect(job, &QKeychain::Job::finished, job, [job, fertig](QKeychain::Job*) {
            fertig(job->error() == QKeychain::NoError);
        });
        job->start();
    }
    void löschen(const QString& konto) override {
        auftrag<QKeychain::DeletePasswordJob>(konto)->start();
    }
};

}  // namespace

std::unique_ptr<Schluesselbund> SystemSchluesselbund() {
    return std::make_unique<Systembund>();
}

}  // namespace tafomat
