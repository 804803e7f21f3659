// The header's clickable pictures and hyperlink captions.
#include "app/HeaderWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace tessivane::app {
using namespace Qt::StringLiterals;
namespace {

QPixmap RenderSvg(const QString& resource, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    return QPixmap::fromImage(image);
}

}  // namespace

PictureButton::PictureButton(const QString& svgResource, QWidget* parent)
    : QLabel(parent), svgResource_(svgResource) {
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::resizeEvent(QResizeEvent* event) {
    setPixmap(RenderSvg(svgResource_, size()));
    QLabel::resizeEvent(event);
}

LinkLabel::LinkLabel(const QString& caption, QWidget* parent)
    : QLabel(u"<a href=\"#\" style=\"color:#0645ad\">%1</a>"_s.arg(caption.toHtmlEscaped()), parent) {
    setTextFormat(Qt::RichText);
    // The press is the action; the label must not open the dummy href itself.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pressed();
    }
    QLabel::mousePressEvent(event);
}

}  // namespace tessivane::app
