// What the instrument makes of each sender slider under the current
// settings, in the pilot's units ("900.0 L/hr", "13 L", "FAIL", "not
// read"), in the window's panel below the page control: one row for each
// slider of the page shown, in the page's order; "off" while the
// instrument is off, which reads nothing. The slider's own count stays
// beside it on the form; its reading is its accessible description.
#pragma once
#include <QWidget>
#include <vector>

class QLabel;
class QScrollBar;
class QTabWidget;

class SenderReadingsView : public QWidget {
    Q_OBJECT
public:
    // Follows the page control's pages, which hold the sliders.
    SenderReadingsView(QTabWidget* pages, QWidget* parent);

    // After passes: the readings of the last one.
    void refresh();
    void powerChanged(bool on);

private:
    void showPage(int index);

    struct Row {
        const char* input;
        QString page;
        QLabel* caption;
        QLabel* reading;
        QScrollBar* slider;
    };
    QTabWidget* pages_;
    std::vector<Row> rows_;
    bool on_ = false;
};
