#include "app/window/panel_bar.h"

#include "app/window/command_table.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace trazor {

namespace {
    QString Utf8(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
}

PanelBar::PanelBar(const QString& objectName, const std::vector<PanelRow>& panels, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    int number = 1;
    for (const PanelRow& row : panels) {
        auto* panel = new QLabel(Utf8(row.text), this);
        panel->setObjectName(QString::fromLatin1(row.key));
        panel->setProperty("index", number);
        panel->setToolTip(Utf8(row.tip));
        panel->setAccessibleDescription(Utf8(row.tip));
        panel->setMargin(2);
        panel->setMinimumHeight(panel->fontMetrics().height() + 8);
        panel->installEventFilter(this);
        // The message area stretches; the other panels keep the width of their text.
        layout->addWidget(panel, number == 1 ? 1 : 0);
        if (number > 1)
            panel->setAlignment(Qt::AlignCenter);
        panels_.push_back(panel);
        SetInset(number, true);
        ++number;
    }
}

QLabel* PanelBar::Panel(int number) const
{
    return number >= 1 && number <= Count() ? panels_[static_cast<std::size_t>(number - 1)] : nullptr;
}

QLabel* PanelBar::Panel(const QString& key) const
{
    for (QLabel* panel : panels_)
        if (panel->objectName() == key)
            return panel;
    return nullptr;
}

void PanelBar::SetText(int number, const QString& text)
{
    if (QLabel* panel = Panel(number))
        panel->setText(text);
}

QString PanelBar::Text(int number) const
{
    QLabel* panel = Panel(number);
    return panel ? panel->text() : QString();
}

void PanelBar::SetInset(int number, bool inset)
{
    QLabel* panel = Panel(number);
    if (!panel)
        return;
    panel->setFrameStyle(QFrame::Panel | (inset ? QFrame::Sunken : QFrame::Raised));
    panel->setProperty("inset", inset);
}

bool PanelBar::Inset(int number) const
{
    QLabel* panel = Panel(number);
    return panel && panel->property("inset").toBool();
}

bool PanelBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* panel = qobject_cast<QLabel*>(watched);
        if (panel && mouse->button() == Qt::LeftButton
            && panel->rect().contains(mouse->position().toPoint())) {
            emit PanelClick(panel->objectName());
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace trazor
