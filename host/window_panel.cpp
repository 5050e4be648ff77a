#include "host/window_panel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int messageMs = 10000;

} // namespace

WindowPanel::WindowPanel(QWidget* window) : QFrame(window), window_(window)
{
    setObjectName(QStringLiteral("WindowPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("MessageLine"));
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setWordWrap(true);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("ScriptState"));
    state_->hide();
    expiry_ = new QTimer(this);
    expiry_->setObjectName(QStringLiteral("MessageExpiry"));
    expiry_->setSingleShot(true);
    expiry_->setInterval(messageMs);
    connect(expiry_, &QTimer::timeout, this, &WindowPanel::clearMessage);

    auto* lines = new QVBoxLayout(this);
    lines->setContentsMargins(6, 2, 6, 2);
    auto* messageRow = new QHBoxLayout;
    messageRow->addWidget(message_, 1);
    messageRow->addWidget(state_);
    lines->addLayout(messageRow);
    room_ = new QVBoxLayout;
    lines->addLayout(room_);
    // The line keeps its height when empty, so the window does not jump.
    message_->setMinimumHeight(message_->fontMetrics().height() + 4);
    qApp->installEventFilter(this);
}

void WindowPanel::say(const QString& message) { show(message, false); }

void WindowPanel::sayError(const QString& message) { show(message, true); }

void WindowPanel::show(const QString& message, bool error)
{
    error_ = error;
    message_->setText(message);
    message_->setStyleSheet(error ? QStringLiteral("color: #b00000") : QString());
    if (error)
        expiry_->stop();
    else
        expiry_->start();
}

void WindowPanel::clearMessage()
{
    error_ = false;
    expiry_->stop();
    message_->clear();
}

void WindowPanel::showState(const QString& state)
{
    state_->setText(state);
    state_->setVisible(!state.isEmpty());
}

// The user's next click, key, shortcut or wheel turn in the window (or a
// dialog of it) takes an error away.
bool WindowPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!error_ || (type != QEvent::MouseButtonPress && type != QEvent::KeyPress && type != QEvent::Shortcut &&
                    type != QEvent::Wheel))
        return false;
    for (const QObject* in = watched; in != nullptr; in = in->parent())
        if (in == window_) {
            clearMessage();
            break;
        }
    return false;
}
