// The readout of a measurement on the picture: a small panel over the path pane with the two
// points and what lies between them. One copy action puts its text on the clipboard: the panel's
// button, "コピー" in its context menu and Ctrl+C while the panel has the focus.
#pragma once

#include <QFrame>

class QLabel;
class QAction;

namespace trazor {

class MeasureReadout final : public QFrame {
public:
    explicit MeasureReadout(QWidget* parent);

    void SetText(const QString& text);
    QString Text() const;
    void Copy() const;

private:
    QLabel* label_;
    QAction* copy_;
};

} // namespace trazor
