#pragma once

#include <QPushButton>

// The accent-filled button that Return presses. It paints itself from the
// application's palette: a per-button palette would make the style render
// and cache a fresh button image for every pop-up.
class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    explicit ProminentButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
