// Frames that point the learner at the controls a lesson step uses: a ring
// around a push button or the knob on the photograph, a frame around "+" or
// "-", and around a slider's whole row (caption, value and slider) or a
// check box on its page, whose tab comes to the front. The frames lie over
// the form and take no input; nothing of the form moves.
#pragma once
#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

class QWidget;

class ControlHighlights : public QObject {
    Q_OBJECT
public:
    explicit ControlHighlights(QWidget& window);

    // Frames the controls named as a lesson names them: a key ("press",
    // "plus"), a slider or a check box ("level1", "vrax"), or "on" and
    // "off"; another name is passed over. The frames shown before go.
    void show(const std::vector<std::string>& names);
    void clear();

private:
    void frameKey(const char* control, bool round);
    void frameInput(const char* control, const char* valueLabel);

    QWidget& window_;
    std::vector<QPointer<QWidget>> frames_;
};
