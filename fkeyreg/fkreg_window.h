#pragma once

// The Fkreg window: says whether Trazor is on a vertical function key of the OSP-P200 and registers
// or removes it. Every way through it ends the program: a failed start-up check, Cancel, closing the
// window, or a register or remove.

#include "app/osp/osp_environment.h"
#include "fkeyreg/key_registration.h"

#include <QMessageBox>
#include <QWidget>

#include <cstddef>
#include <filesystem>
#include <string_view>

class QLabel;
class QPushButton;

namespace trazor {

class Fkreg : public QWidget {
    Q_OBJECT

public:
    // `programFolder` is where Trazor must lie (Fkreg's own folder); the key files are found through
    // `environment`.
    Fkreg(std::filesystem::path programFolder, OspEnvironment environment, QWidget* parent = nullptr);

    // Checks the installation, reads both key files and sets the button and the state line. On a
    // failed check it shows why and returns false; the program then ends without touching a file.
    bool Form_Load();

    // Registers or removes, as the button says, reports and ends.
    void Command1_Click();
    // Ends without changing anything.
    void Command2_Click();

signals:
    // The program's work is over; main() quits on it.
    void Ended();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowMessage(QMessageBox::Icon icon, std::string_view text, QWidget* parent);
    void FailStartup(std::string_view text);

    std::filesystem::path programFolder_;
    OspEnvironment environment_;
    KeyFiles files_; // both key files as read at start-up
    std::size_t registered_ = 0; // 1-based position of "Trazor" in the path file, 0 when absent
    bool done_ = false; // `Ended` has been emitted

    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* image1_;
    QPushButton* command1_;
    QPushButton* command2_;
};

} // namespace trazor
