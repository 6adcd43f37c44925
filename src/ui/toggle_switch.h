#pragma once

#include <QAbstractButton>

// A small on/off switch, as used in each row of the reminder list.
class ToggleSwitch : public QAbstractButton {
    Q_OBJECT

public:
    explicit ToggleSwitch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {30, 18}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
