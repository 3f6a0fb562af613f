#include "app/window/readout_block.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace trazor {

ReadoutBlock::ReadoutBlock(QWidget* parent)
    : QFrame(parent)
{
    setObjectName("Readouts");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A control's screen: light figures on a dark ground, captions dimmer than values.
    setStyleSheet("trazor--ReadoutBlock { background: #14202b; }"
                  "QLabel { color: #c8d2dc; }"
                  "QLabel[readout=\"true\"] { color: #7dff9a; font-family: monospace; font-weight: bold; }");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);

    auto row = [&](int r, std::initializer_list<std::pair<QLabel*, QLabel*>> cells) {
        int c = 0;
        for (auto [caption, value] : cells) {
            grid->addWidget(caption, r, c++, Qt::AlignRight);
            grid->addWidget(value, r, c++);
        }
    };

    row(0,
        { { AddCaption(0, "O番号"), AddValue(Readout::ONumber, 0, "ONumber", 6) },
            { AddCaption(1, "N番号"), AddValue(Readout::BlockNumber, 0, "BlockNumber", 6) },
            { AddCaption(2, "ブロック"), AddValue(Readout::Block, 0, "Block", 6) } });
    row(1,
        { { AddCaption(3, "X"), AddValue(Readout::XA, 0, "XA", 10) },
            { AddCaption(4, "Z"), AddValue(Readout::ZA, 0, "ZA", 10) } });
    row(2,
        { { AddCaption(5, "C"), AddValue(Readout::CAlabel, 0, "CAlabel", 10) },
            { AddCaption(6, "F"), AddValue(Readout::FEED, 0, "FEED", 10) } });
    row(3,
        { { AddCaption(9, "T"), AddValue(Readout::ToolNumber, 0, "ToolNumber", 6) },
            { AddCaption(10, "S"), AddValue(Readout::SpindleSpeed, 0, "SpindleSpeed", 6) },
            { AddCaption(11, "V"), AddValue(Readout::Vspeed, 0, "Vspeed", 6) } });

    // Modal codes: five G groups, then the spindle and coolant M codes and the two that show
    // only while they mean something.
    auto* codes = new QHBoxLayout;
    codes->setSpacing(4);
    codes->addWidget(AddCaption(12, "G"));
    for (int i = 0; i < 5; ++i)
        codes->addWidget(AddValue(Readout::Gcode, i, "Gcode", 3));
    codes->addSpacing(6);
    codes->addWidget(AddCaption(13, "M"));
    codes->addWidget(AddValue(Readout::Mcode, 0, "Mcode", 3));
    codes->addWidget(AddValue(Readout::Mcode, 1, "Mcode", 3));
    codes->addWidget(AddCaption(7, "他M"));
    codes->addWidget(AddValue(Readout::Mcode, 2, "Mcode", 3));
    codes->addWidget(AddCaption(8, "停止"));
    codes->addWidget(AddValue(Readout::Mcode, 3, "Mcode", 3));
    codes->addStretch(1);
    grid->addLayout(codes, 4, 0, 1, 6);

    auto* time = new QHBoxLayout;
    time->setSpacing(2);
    time->addWidget(AddCaption(14, "加工時間"));
    time->addWidget(AddValue(Readout::Hour, 0, "Hour", 2));
    time->addWidget(new QLabel(":", this));
    time->addWidget(AddValue(Readout::Min, 0, "Min", 2));
    time->addWidget(new QLabel(":", this));
    time->addWidget(AddValue(Readout::Sec, 0, "Sec", 5));
    time->addStretch(1);
    grid->addLayout(time, 5, 0, 1, 6);
    grid->setColumnStretch(5, 1);

    for (auto [readout, item] : { std::pair { Readout::Mcode, 2 }, { Readout::Mcode, 3 },
             { Readout::Label2, 7 }, { Readout::Label2, 8 } })
        SetVisible(readout, item, false);
}

QLabel* ReadoutBlock::AddValue(Readout readout, int item, const char* name, int minChars)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setProperty("index", item);
    label->setProperty("readout", true);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString(minChars, '0')) + 4);
    labels_[{ readout, item }] = label;
    return label;
}

QLabel* ReadoutBlock::AddCaption(int item, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName("Label2");
    label->setProperty("index", item);
    labels_[{ Readout::Label2, item }] = label;
    return label;
}

QLabel* ReadoutBlock::Label(Readout readout, int item) const
{
    auto found = labels_.find({ readout, item });
    return found == labels_.end() ? nullptr : found->second;
}

void ReadoutBlock::SetText(Readout readout, int item, const QString& text)
{
    if (QLabel* label = Label(readout, item))
        if (label->text() != text)
            label->setText(text);
}

void ReadoutBlock::SetVisible(Readout readout, int item, bool visible)
{
    if (QLabel* label = Label(readout, item))
        label->setVisible(visible);
}

} // namespace trazor
