#include "host/pressed_keys.h"

#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "sim/simulator.h"

namespace {

constexpr int pressedMs = 250;
constexpr int lostMs = 700;

// The ring: round over the photograph's push buttons and knob, the
// button's own shape over "+" and "-".
class KeyRing : public QWidget {
public:
    KeyRing(QWidget* parent, bool round) : QWidget(parent), round_(round)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

    void showAs(bool taken)
    {
        taken_ = taken;
        setProperty("shows", taken ? "pressed" : "lost");
        show();
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // Pressed: the key sinks (darker) with a bright rim; lost: a red ring.
        const QColor rim = taken_ ? QColor(255, 236, 140) : QColor(230, 30, 30);
        const QColor fill = taken_ ? QColor(0, 0, 0, 90) : QColor(230, 30, 30, 60);
        painter.setPen(QPen(rim, 3));
        painter.setBrush(fill);
        const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
        if (round_)
            painter.drawEllipse(area);
        else
            painter.drawRoundedRect(area, 3, 3);
    }

private:
    bool round_;
    bool taken_ = true;
};

} // namespace

PressedKeys::PressedKeys(QWidget* client) : QObject(client)
{
    for (int i = 0; i < qs9KeyCount(); ++i) {
        const Qs9Key& k = *qs9KeyAt(i);
        auto* ring = new KeyRing(client, k.caption == nullptr);
        ring->setObjectName(QStringLiteral("KeyRing%1").arg(QString::fromLatin1(k.control)));
        ring->setGeometry(k.area.left, k.area.top, k.area.width, k.area.height);
        auto* expiry = new QTimer(this);
        expiry->setSingleShot(true);
        connect(expiry, &QTimer::timeout, ring, &QWidget::hide);
        flashes_[k.key] = {ring, expiry};
    }
}

void PressedKeys::show(uint8_t key, bool taken)
{
    const auto flash = flashes_.find(key);
    if (flash == flashes_.end())
        return;
    static_cast<KeyRing*>(flash->second.ring)->showAs(taken);
    flash->second.expiry->start(taken ? pressedMs : lostMs);
}

QString PressedKeys::shownOn(uint8_t key) const
{
    const auto flash = flashes_.find(key);
    if (flash == flashes_.end() || !flash->second.ring->isVisible())
        return {};
    return flash->second.ring->property("shows").toString();
}
