// A key the instrument took shows pressed on the photograph for a moment,
// and a key lost because the one-key slot was full shows as lost: a ring
// over the push button, the knob or the "+" or "-" button, whichever of a
// click, the wheel, the keyboard or a played script made it. The ring lets
// clicks through and goes by itself; the form is as before once it has.
#pragma once
#include <QWidget>
#include <cstdint>
#include <map>

class QTimer;

class PressedKeys : public QObject {
    Q_OBJECT
public:
    // Over the key table's controls, which lie in client.
    explicit PressedKeys(QWidget* client);

    void show(uint8_t key, bool taken);
    // The ring over the key's control now: "pressed", "lost" or "".
    QString shownOn(uint8_t key) const;

private:
    struct Flash {
        QWidget* ring;
        QTimer* expiry;
    };
    std::map<uint8_t, Flash> flashes_;
};
