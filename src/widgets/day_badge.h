#pragma once

#include <QAbstractButton>

// One round weekday button of the editor: accent-filled with a white letter
// when the day is chosen, pale with a normal letter when it is not.
class DayBadge : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int diameter = 28;

    DayBadge(const QString& letter, const QString& dayName, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {diameter, diameter}; }

    // The day's state as stored; a click asks the editor to change it.
    void setOn(bool on);
    bool isOn() const { return isChecked(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
