#pragma once

#include <QWidget>

namespace fw {

// The "&Information" tab: what Fortwright is and how it is used, with links.
class InformationPage : public QWidget {
    Q_OBJECT
public:
    explicit InformationPage(QWidget* parent = nullptr);
};

} // namespace fw
