#pragma once
#include <QLabel>
#include <functional>

namespace twinsweep {

// A label that looks and acts like a link: a left click runs onClick.
class LinkLabel : public QLabel {
public:
    explicit LinkLabel(const QString& name, QWidget* parent = nullptr);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace twinsweep
