#include "host/control_highlights.h"

#include <QPainter>
#include <QTabWidget>
#include <QWidget>

#include "sim/simulator.h"

namespace {

// An amber line with a dark edge, seen on the photograph and on the form.
class HighlightFrame : public QWidget {
public:
    HighlightFrame(QWidget* parent, const QRect& around, bool round) : QWidget(parent), round_(round)
    {
        setObjectName(QStringLiteral("LessonHighlight"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(around.adjusted(-margin, -margin, margin, margin));
        raise();
        QWidget::show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inner = QRectF(rect()).adjusted(2, 2, -2, -2);
        for (const auto& [colour, width] : {std::pair{QColor(40, 30, 0), 4.0}, {QColor(255, 176, 0), 2.0}}) {
            painter.setPen(QPen(colour, width));
            if (round_)
                painter.drawEllipse(inner);
            else
                painter.drawRoundedRect(inner, 3, 3);
        }
    }

private:
    static constexpr int margin = 3;
    bool round_;
};

const Qs9Key* keyNamed(const std::string& name)
{
    for (int i = 0; i < qs9KeyCount(); ++i)
        if (name == qs9KeyAt(i)->name)
            return qs9KeyAt(i);
    return nullptr;
}

} // namespace

ControlHighlights::ControlHighlights(QWidget& window) : QObject(&window), window_(window) {}

void ControlHighlights::show(const std::vector<std::string>& names)
{
    clear();
    for (const std::string& name : names) {
        if (const Qs9Key* key = keyNamed(name))
            frameKey(key->control, key->caption == nullptr);
        else if (const Qs9Input* input = qs9FindInput(name.c_str()))
            frameInput(input->control, input->valueLabel);
        else if (name == "on" || name == "off")
            frameKey(name == "on" ? "Button1" : "Button2", false);
    }
}

void ControlHighlights::clear()
{
    for (const QPointer<QWidget>& frame : frames_)
        delete frame.data();
    frames_.clear();
}

void ControlHighlights::frameKey(const char* control, bool round)
{
    if (auto* key = window_.findChild<QWidget*>(QString::fromLatin1(control)))
        frames_.emplace_back(new HighlightFrame(key->parentWidget(), key->geometry(), round));
}

// The row from its caption's left to the slider's right; the page comes to
// the front, so that the control is in view.
void ControlHighlights::frameInput(const char* control, const char* valueLabel)
{
    auto* widget = window_.findChild<QWidget*>(QString::fromLatin1(control));
    if (!widget)
        return;
    QRect row = widget->geometry();
    if (valueLabel != nullptr)
        row.setLeft(8);
    frames_.emplace_back(new HighlightFrame(widget->parentWidget(), row, false));
    if (auto* pages = window_.findChild<QTabWidget*>(QStringLiteral("PageControl1")))
        for (int i = 0; i < pages->count(); ++i)
            if (pages->widget(i)->isAncestorOf(widget))
                pages->setCurrentIndex(i);
}
