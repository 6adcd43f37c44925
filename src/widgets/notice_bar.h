#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

// A band across the top of a window that tells the user something they must
// not miss, in words, with an optional action and a close button. Hidden
// while it has nothing to say. Its text is read by screen readers as an alert.
class NoticeBar : public QFrame {
    Q_OBJECT

public:
    enum class Kind { Information, Warning };

    explicit NoticeBar(QWidget* parent = nullptr);

    // Shows the text; an empty `action` shows no action button.
    void present(Kind kind, const QString& text, const QString& action = {}, bool closable = true);
    void clear();

    QString text() const;
    QPushButton* actionButton() const { return m_action; }
    QToolButton* closeButton() const { return m_close; }

Q_SIGNALS:
    void actionTriggered();
    void closed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void restyle();

    Kind m_kind = Kind::Information;
    bool m_restyling = false;
    QLabel* m_icon;
    QLabel* m_text;
    QPushButton* m_action = nullptr;
    QToolButton* m_close;
};
