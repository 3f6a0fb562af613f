// The unit dialog UnitSet: one option button per unit (1 = 1 mm, 2 = 0.01 mm, 3 = 0.001 mm,
// 4 = 1 inch). OK gives the number of the selected option; Cancel keeps the unit it was given.
#pragma once

#include <QDialog>

#include <array>

class QRadioButton;

namespace trazor {

class UnitSet : public QDialog {
    Q_OBJECT

public:
    // Selects the option of `unit`; a unit other than 1 to 4 selects none.
    explicit UnitSet(double unit, QWidget* parent = nullptr);

    // The unit given, or after OK the number of the selected option. OK with no option selected
    // keeps the unit given.
    double Unit() const { return unit_; }

    // OK: takes the selected option and accepts.
    void Command1_Click();
    // Cancel: rejects and keeps the unit.
    void Command2_Click();

private:
    double unit_;
    std::array<QRadioButton*, 4> options_ {}; // Option1 to Option4
};

} // namespace trazor
