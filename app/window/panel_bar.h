// A status bar of panels, as the control's two bars have them: each panel has a key (its object
// name), a text and a tip, can be shown inset (pressed) or raised, and reports clicks by key.
// Panel 1 is the message area and takes the spare width.
#pragma once

#include <QFrame>
#include <QString>

#include <vector>

class QLabel;

namespace trazor {

struct PanelRow;

class PanelBar : public QFrame {
    Q_OBJECT

public:
    PanelBar(const QString& objectName, const std::vector<PanelRow>& panels, QWidget* parent = nullptr);

    // Panels by their 1-based number.
    int Count() const { return static_cast<int>(panels_.size()); }
    QLabel* Panel(int number) const;
    QLabel* Panel(const QString& key) const;
    void SetText(int number, const QString& text);
    QString Text(int number) const;
    // Inset (pressed in) or raised.
    void SetInset(int number, bool inset);
    bool Inset(int number) const;

signals:
    void PanelClick(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QLabel*> panels_;
};

} // namespace trazor
