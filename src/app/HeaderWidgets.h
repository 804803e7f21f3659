// The header's clickable pictures and hyperlink captions.
#pragma once

#include <QLabel>

namespace tessivane::app {

/// An image drawn from an SVG resource at the button's size; clicked on a left-button release.
class PictureButton final : public QLabel {
    Q_OBJECT
public:
    PictureButton(const QString& svgResource, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString svgResource_;
};

/// A caption shown as a web link; pressed when the left mouse button goes down on it.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& caption, QWidget* parent);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tessivane::app
