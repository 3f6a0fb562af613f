// The soft-limit dialog SoftLimit: the four limits as editable texts. OK reads each text as a
// number (its leading decimal number; 0 when it has none) without further checks; Cancel, Escape
// and closing the window keep the limits it was given.
#pragma once

#include <QDialog>

class QLineEdit;

namespace trazor {

struct SoftLimitValues {
    double LimitPlusX = 0; // mm, diameter
    double LimitPlusZ = 0; // mm
    double LimitMinusX = 0; // mm, diameter
    float LimitMinusZ = 0; // mm; single precision, as the interpreter keeps it
};

class SoftLimit : public QDialog {
    Q_OBJECT

public:
    SoftLimit(double limitPlusX, double limitPlusZ, double limitMinusX, float limitMinusZ,
        QWidget* parent = nullptr);
    explicit SoftLimit(const SoftLimitValues& limits, QWidget* parent = nullptr);

    // The limits given, or after OK the ones read from the fields.
    const SoftLimitValues& Limits() const { return limits_; }

    // OK (also Enter): reads the fields and accepts.
    void Command1_Click();
    // Cancel: rejects and keeps the limits.
    void Command2_Click();

private:
    QLineEdit* makeField(const char* objectName, const QString& text);

    SoftLimitValues limits_;
    QLineEdit* tPVLX_ = nullptr;
    QLineEdit* tPVLZ_ = nullptr;
    QLineEdit* tNVLX_ = nullptr;
    QLineEdit* tNVLZ_ = nullptr;
};

} // namespace trazor
