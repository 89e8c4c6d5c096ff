#pragma once

#include <QObject>

class QLineEdit;

namespace fw {

// Selects a field's whole text when the user enters it, so a value can be typed over at once.
class SelectOnEntry : public QObject {
    Q_OBJECT
public:
    static void install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace fw
