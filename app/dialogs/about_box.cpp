#include "app/dialogs/about_box.h"

#include "app/dialogs/dialog_layout.h"
#include "app/dialogs/dialog_texts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trazor {

ProgramVersion BuildVersion() { return { TRAZOR_VERSION_MAJOR, TRAZOR_VERSION_MINOR, TRAZOR_VERSION_PATCH }; }

frmAbout::frmAbout(QWidget* parent)
    : frmAbout(BuildVersion(), parent)
{
}

frmAbout::frmAbout(const ProgramVersion& version, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle(DialogText(trazor_texts::AboutCaption));

    auto* title = new QLabel(DialogText(trazor_texts::ProgramTitle), this);
    title->setObjectName("lblTitle");
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    title->setFont(titleFont);

    auto* versionLabel = new QLabel(DialogText(trazor_texts::VersionPrefix)
            + QStringLiteral("%1.%2.%3").arg(version.Major).arg(version.Minor).arg(version.Revision),
        this);
    versionLabel->setObjectName("lblVersion");

    QPushButton* ok = MakeDialogButton(this, "cmdOK", trazor_texts::AboutOk);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(24, 18, 12, 12);
    layout->addWidget(title);
    layout->addWidget(versionLabel);
    layout->addSpacing(18);
    layout->addLayout(DialogButtonRow({ ok }));
    // Wide enough for the caption in the title bar, which the layout does not measure otherwise.
    layout->addStrut(fontMetrics().horizontalAdvance(windowTitle()) + 120);
    SetFixedDialogLayout(*this, layout);
}

void frmAbout::cmdOK_Click() { accept(); }

} // namespace trazor
