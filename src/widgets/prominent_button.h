#pragma once

#include <QPushButton>

// The accent-filled button that Return presses. It paints itself from the
// application's palette: a per-button palette would make the style render
// and cache a fresh button image for every pop-up.
class ProminentButton : public QPushButton {
    Q_OBJECT

public:
    // Room each side of a button's text, the same in pop-ups and the manager.
    static constexpr int horizontalPadding = 18;

    explicit ProminentButton(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The least width that gives a push button's text that room.
    static int paddedWidth(const QPushButton& button);

protected:
    void paintEvent(QPaintEvent* event) override;
};
