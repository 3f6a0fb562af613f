// The version box frmAbout: the program title, "Ver. " and the version's three numbers, and an
// OK button that closes it.
#pragma once

#include <QDialog>

namespace trazor {

struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
};

// The version the program was built as (the project version of the build).
ProgramVersion BuildVersion();

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    explicit frmAbout(const ProgramVersion& version, QWidget* parent = nullptr);

    void cmdOK_Click();
};

} // namespace trazor
