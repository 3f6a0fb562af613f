#include "app/window/measure_readout.h"

#include "app/window/window_texts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace trazor {

MeasureReadout::MeasureReadout(QWidget* parent)
    : QFrame(parent)
    , label_(new QLabel(this))
    , copy_(new QAction(QString::fromUtf8(trazor_texts::MeasureCopy.data(),
                            static_cast<qsizetype>(trazor_texts::MeasureCopy.size())),
          this))
{
    setObjectName("MeasureReadout");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    // A click on the panel gives it the focus, so that Ctrl+C copies the measurement and not the
    // editor's selection.
    setFocusPolicy(Qt::ClickFocus);
    label_->setObjectName("MeasureText");
    label_->setTextFormat(Qt::PlainText);
    label_->setTextInteractionFlags(Qt::NoTextInteraction);

    copy_->setObjectName("MeasureCopyAction");
    copy_->setShortcut(QKeySequence::Copy);
    copy_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy_, &QAction::triggered, this, [this] { Copy(); });
    addAction(copy_);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* button = new QToolButton(this);
    button->setObjectName("MeasureCopy");
    button->setDefaultAction(copy_);
    button->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 4, 4);
    layout->setSpacing(6);
    layout->addWidget(label_);
    layout->addWidget(button, 0, Qt::AlignTop);
}

void MeasureReadout::SetText(const QString& text)
{
    label_->setText(text);
    adjustSize();
}

QString MeasureReadout::Text() const { return label_->text(); }

void MeasureReadout::Copy() const { QGuiApplication::clipboard()->setText(label_->text()); }

} // namespace trazor
