#pragma once

#include <QWidget>

namespace brovik::app {

// A navy panel with a centred bold white caption that acts on a mouse click only: it
// takes no focus and no key reaches it, so neither Enter, Escape nor the underlined
// letter of its caption triggers it.
class ClickPanel : public QWidget {
    Q_OBJECT
public:
    explicit ClickPanel(QString caption, QWidget* parent = nullptr);
    const QString& caption() const { return caption_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    bool pressed_ = false;
};

}  // namespace brovik::app
