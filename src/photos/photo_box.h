#pragma once

#include <QLabel>

namespace photos {

// The record's picture box: draws its picture from the top-left corner in full colour,
// also while disabled (a disabled box only stops taking clicks), and reports a click,
// whether made with the mouse or through a screen reader's "press" action.
class PhotoBox : public QLabel {
    Q_OBJECT

public:
    explicit PhotoBox(QWidget* parent = nullptr);

    // Reports a click, as a click with the left button on the box does.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace photos
