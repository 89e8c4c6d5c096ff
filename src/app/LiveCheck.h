#pragma once

#include "check/PreflightCheck.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace fw {

class MapCatalogue;
class ProfileModel;

// The pre-flight check of the window's profile, kept current: every announced change runs it
// again once the burst of changes it belongs to is over.
class LiveCheck : public QObject {
    Q_OBJECT
public:
    // catalogue gives the last scan, or nullptr while there is none.
    using CatalogueSource = std::function<const MapCatalogue*()>;
    LiveCheck(ProfileModel& model, CatalogueSource catalogue, QObject* parent = nullptr);

    // The findings as of the last run.
    const QList<Finding>& findings() const { return m_findings; }
    // Runs a pending check now, so what a command acts on is never a burst behind.
    const QList<Finding>& current();

signals:
    void findingsChanged();

private:
    void runCheck();

    ProfileModel& m_model;
    CatalogueSource m_catalogue;
    QTimer m_pending;
    QList<Finding> m_findings;
};

} // namespace fw
