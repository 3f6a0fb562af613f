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

    QString qText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

    constexpr int textWidth = 300; // px, width of the wrapped explanations

} // namespace

Fkreg::Fkreg(std::filesystem::path programFolder, OspEnvironment environment, QWidget* parent)
    : QWidget(parent)
    , programFolder_(std::move(programFolder))
    , environment_(std::move(environment))
    , label1_(new QLabel(qText(fkreg_texts::introduction), this))
    , label2_(new QLabel(this))
    , label3_(new QLabel(qText(fkreg_texts::keyHint), this))
    , image1_(new QLabel(this))
    , command1_(new QPushButton(qText(fkreg_texts::designCaption), this))
    , command2_(new QPushButton(qText(fkreg_texts::cancelCaption), this))
{
    setObjectName("Fkreg");
    setWindowTitle(qText(fkreg_texts::windowCaption));
    label1_->setObjectName("Label1");
    label2_->setObjectName("Label2");
    label3_->setObjectName("Label3");
    image1_->setObjectName("Image1");
    command1_->setObjectName("Command1");
    command2_->setObjectName("Command2");

    label1_->setWordWrap(true);
    label3_->setWordWrap(true);
    label3_->setFixedWidth(textWidth);
    image1_->setPixmap(drawKeyPicture());
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
    if (!isProgramPresent(programFolder_)) {
        failStartup(fkreg_texts::programMissing);
        return false;
    }
    const std::optional<std::string> pathName = findFirstKeyFile(environment_.keyFolder());
    if (!pathName) {
        failStartup(fkreg_texts::pathFileMissing);
        return false;
    }
    const std::optional<std::string> captionName = findFirstKeyFile(environment_.captionFolder());
    if (!captionName) {
        failStartup(fkreg_texts::captionFileMissing);
        return false;
    }

    files_.pathFile = { environment_.keyFolder(), *pathName, {}, std::string(pathFileLabelPrefix) + *pathName };
    files_.captionFile
        = { environment_.captionFolder(), *captionName, {}, std::string(captionFileLabelPrefix) + *captionName };
    for (KeyFile* file : { &files_.pathFile, &files_.captionFile }) {
        std::optional<std::string> text = readWholeFile(file->path());
        if (!text) {
            failStartup(fillIn(fkreg_texts::cannotRead, { file->label }));
            return false;
        }
        file->text = std::move(*text);
    }

    registered_ = registeredPosition(files_.pathFile.text);
    command1_->setText(qText(registered_ != 0 ? fkreg_texts::removeCaption : fkreg_texts::registerCaption));
    label2_->setText(qText(registered_ != 0 ? fkreg_texts::stateRegistered : fkreg_texts::stateUnregistered));
    return true;
}

void Fkreg::Command1_Click()
{
    const bool registering = command1_->text() == qText(fkreg_texts::registerCaption);
    const KeyChange change
        = registering ? registerProgram(files_, programPathIn(programFolder_)) : removeProgram(files_);

    // The form goes before the report; hiding (not closing) keeps the report from ending the program
    // while it is still on screen.
    hide();
    if (change.succeeded)
        showMessage(QMessageBox::Warning, registering ? fkreg_texts::registered : fkreg_texts::removed, nullptr);
    else
        showMessage(QMessageBox::Critical, change.message, nullptr);
    done_ = true;
    emit ended();
}

void Fkreg::Command2_Click() { close(); }

void Fkreg::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!done_) {
        done_ = true;
        emit ended();
    }
}

void Fkreg::showMessage(QMessageBox::Icon icon, std::string_view text, QWidget* parent)
{
    QMessageBox box(icon, QStringLiteral("Fkreg"), qText(text), QMessageBox::Ok, parent);
    box.exec();
}

void Fkreg::failStartup(std::string_view text)
{
    showMessage(QMessageBox::Critical, text, this);
    done_ = true;
    close();
    emit ended();
}

} // namespace trazor
