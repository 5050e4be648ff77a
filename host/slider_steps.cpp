#include "host/slider_steps.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

// Page Up and Page Down; the scroll bar does the rest itself.
class PageKeys : public QObject {
public:
    explicit PageKeys(QScrollBar* slider) : QObject(slider), slider_(slider) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            return false;
        const int step = pageStepOf(slider_->maximum());
        if (key->key() == Qt::Key_PageUp)
            slider_->setValue(std::min(slider_->maximum(), slider_->value() + step));
        else if (key->key() == Qt::Key_PageDown)
            slider_->setValue(std::max(slider_->minimum(), slider_->value() - step));
        else
            return false;
        return true;
    }

private:
    QScrollBar* slider_;
};

} // namespace

int pageStepOf(int maximum) { return std::max(1, (maximum + 10) / 20); }

void stepByTwentieths(QScrollBar* slider) { slider->installEventFilter(new PageKeys(slider)); }
