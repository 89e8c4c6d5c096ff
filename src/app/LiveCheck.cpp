#include "app/LiveCheck.h"

#include "app/ProfileModel.h"

namespace fw {

LiveCheck::LiveCheck(ProfileModel& model, CatalogueSource catalogue, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_catalogue(std::move(catalogue))
{
    // A load announces every part and many fields one after another; one run covers them all.
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &LiveCheck::runCheck);
    auto schedule = [this] { m_pending.start(); };
    connect(&model, &ProfileModel::changed, this, schedule);
    connect(&model, &ProfileModel::fieldChanged, this, schedule);
    connect(&model, &ProfileModel::rotationRowAppended, this, schedule);
    runCheck();
}

const QList<Finding>& LiveCheck::current()
{
    if (m_pending.isActive()) {
        m_pending.stop();
        runCheck();
    }
    return m_findings;
}

void LiveCheck::runCheck()
{
    CheckInputs inputs;
    inputs.catalogue = m_catalogue ? m_catalogue() : nullptr;
    QList<Finding> found = preflightCheck(m_model.profile(), inputs);
    if (found == m_findings)
        return;
    m_findings = std::move(found);
    emit findingsChanged();
}

} // namespace fw
