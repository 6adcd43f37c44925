#pragma once

#include <QLabel>

// A label that wraps its text over at most maxLines lines and ends the last
// one with "…" when the text is longer, so long reminder texts never push the
// rest of a fixed-size window out of view. Each paragraph is drawn in its own
// direction, as QLabel does, and the text is never read as markup.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    // How line and paragraph breaks in the text are shown.
    enum class Breaks { AsSpaces, AsLines };

    explicit ElidedLabel(const QString& text, int maxLines = 1, QWidget* parent = nullptr,
                         Breaks breaks = Breaks::AsSpaces);

    void setMaxLines(int maxLines);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // Whether the text was cut at the current width.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Line {
        QString text;
        bool rightToLeft = false;
    };
    // The lines shown at this width, the last one elided when needed.
    QList<Line> visibleLines(int width, bool* elided = nullptr) const;

    int m_maxLines;
    Breaks m_breaks;
};
