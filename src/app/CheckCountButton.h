#pragma once

#include "check/PreflightCheck.h"

#include <QToolButton>

namespace fw {

// The count of the pre-flight check's findings beside the Run button, with the icon of the
// most serious one; hidden while there are none. Clicking it opens the check's list.
class CheckCountButton : public QToolButton {
    Q_OBJECT
public:
    explicit CheckCountButton(QWidget* parent = nullptr);

    void showFindings(const QList<Finding>& findings);
};

} // namespace fw
