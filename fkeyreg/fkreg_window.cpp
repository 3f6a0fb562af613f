#include "fkeyreg/fkreg_window.h"

#include "fkeyreg/fkreg_texts.h"
#include "fkeyreg/key_file_io.h"
#include "fkeyreg/key_picture.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>

namespace trazor {

namespace {

    QString Text(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    constexpr int TextWidth = 300; // px, width of the wrapped explanations

} // namespace

Fkreg::Fkreg(std::filesystem::path programFolder, OspEnvironment environment, QWidget* parent)
    : QWidget(parent)
    , programFolder_(std::move(programFolder))
    , environment_(std::move(environment))
    , label1_(new QLabel(Text(fkreg_texts::Introduction), this))
    , label2_(new QLabel(this))
    , label3_(new QLabel(Text(fkreg_texts::KeyHint), this))
    , image1_(new QLabel(this))
    , command1_(new QPushButton(Text(fkreg_texts::DesignCaption), this))
    , command2_(new QPushButton(Text(fkreg_texts::CancelCaption), this))
{
    setObjectName("Fkreg");
    setWindowTitle(Text(fkreg_texts::WindowCaption));
    label1_->setObjectName("Label1");
    label2_->setObjectName("Label2");
    label3_->setObjectName("Label3");
    image1_->setObjectName("Image1");
    command1_->setObjectName("Command1");
    command2_->setObjectName("Command2");

    label1_->setWordWrap(true);
    label3_->setWordWrap(true);
    label3_->setFixedWidth(TextWidth);
    image1_->setPixmap(DrawKeyPicture());
    image1_->setFixedSize(image1_->pixmap().size());
    command1_->setDefault(true);

    auto* explanation = new QVBoxLayout;
    explanation->addWidget(label2_);
    explanation->addSpacing(12);
    explanation->addWidget(label3_);
    explanation->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(image1_);
    middle->addSpacing(12);
    middle->addLayout(explanation);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addSpacing(8);
    layout->addLayout(middle);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1_, &QPushButton::clicked, this, &Fkreg::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Fkreg::Command2_Click);
}

bool Fkreg::Form_Load()
{
    if (!IsProgramPresent(programFolder_)) {
        FailStartup(fkreg_texts::ProgramMissing);
        return false;
    }
    const std::optional<std::string> pathName = FindFirstKeyFile(environment_.KeyFolder());
    if (!pathName) {
        FailStartup(fkreg_texts::PathFileMissing);
        return false;
    }
    const std::optional<std::string> captionName = FindFirstKeyFile(environment_.CaptionFolder());
    if (!captionName) {
        FailStartup(fkreg_texts::CaptionFileMissing);
        return false;
    }

    files_.pathFile
        = { environment_.KeyFolder(), *pathName, {}, std::string(PathFileLabelPrefix) + *pathName };
    files_.captionFile = { environment_.CaptionFolder(), *captionName, {},
        std::string(CaptionFileLabelPrefix) + *captionName };
    for (KeyFile* file : { &files_.pathFile, &files_.captionFile }) {
        std::optional<std::string> text = ReadWholeFile(file->Path());
        if (!text) {
            FailStartup(FillIn(fkreg_texts::CannotRead, { file->label }));
            return false;
        }
        file->text = std::move(*text);
    }

    registered_ = RegisteredPosition(files_.pathFile.text);
    command1_->setText(Text(registered_ != 0 ? fkreg_texts::RemoveCaption : fkreg_texts::RegisterCaption));
    label2_->setText(Text(registered_ != 0 ? fkreg_texts::StateRegistered : fkreg_texts::StateUnregistered));
    return true;
}

void Fkreg::Command1_Click()
{
    const bool registering = command1_->text() == Text(fkreg_texts::RegisterCaption);
    const KeyChange change
        = registering ? RegisterProgram(files_, ProgramPathIn(programFolder_)) : RemoveProgram(files_);

    // The form goes before the report; hiding (not closing) keeps the report from ending the program
    // while it is still on screen.
    hide();
    if (change.succeeded)
        ShowMessage(
            QMessageBox::Warning, registering ? fkreg_texts::Registered : fkreg_texts::Removed, nullptr);
    else
        ShowMessage(QMessageBox::Critical, change.message, nullptr);
    done_ = true;
    emit Ended();
}

void Fkreg::Command2_Click() { close(); }

void Fkreg::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!done_) {
        done_ = true;
        emit Ended();
    }
}

void Fkreg::ShowMessage(QMessageBox::Icon icon, std::string_view text, QWidget* parent)
{
    QMessageBox box(icon, QStringLiteral("Fkreg"), Text(text), QMessageBox::Ok, parent);
    box.exec();
}

void Fkreg::FailStartup(std::string_view text)
{
    ShowMessage(QMessageBox::Critical, text, this);
    done_ = true;
    close();
    emit Ended();
}

} // namespace trazor
