// The readout block of the main window, laid out like a control's position screen: program and
// sequence number, block count, X, Z, C and feed, tool, spindle speed and cutting speed, the
// modal G and M codes and the machining time. Every value label carries its fixed control name
// (`XA`, `Gcode` with the property "index" for array items, ...); the captions are `Label2`
// items, of which 7 and 8 belong to `Mcode` items 2 and 3 and follow their visibility.
#pragma once

#include "interpreter/run_host.h"

#include <QFrame>

#include <map>
#include <utility>

class QLabel;

namespace trazor {

class ReadoutBlock : public QFrame {
    Q_OBJECT

public:
    explicit ReadoutBlock(QWidget* parent = nullptr);

    QLabel* Label(Readout readout, int item = 0) const;
    void SetText(Readout readout, int item, const QString& text);
    void SetVisible(Readout readout, int item, bool visible);

private:
    QLabel* AddValue(Readout readout, int item, const char* name, int minChars);
    QLabel* AddCaption(int item, const char* text);

    std::map<std::pair<Readout, int>, QLabel*> labels_;
};

} // namespace trazor
