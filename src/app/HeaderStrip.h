// The header strip 图片框1: the logo, four picture buttons with their links, and the save link.
#pragma once

#include <QUrl>
#include <QWidget>

namespace tessivane::app {

struct HeaderItem;

class HeaderStrip final : public QWidget {
    Q_OBJECT
public:
    explicit HeaderStrip(QWidget* parent);

signals:
    void addressRequested(const QUrl& address);
    void helpRequested();
    void saveRequested();

private:
    void CreateItem(const HeaderItem& item);
    void Act(const HeaderItem& item);
};

}  // namespace tessivane::app
