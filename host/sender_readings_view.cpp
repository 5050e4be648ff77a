#include "host/sender_readings_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>

#include "sim/simulator.h"

namespace {

// The most rows a page has, and the heading.
constexpr int readingLines = 7;

// A sender input: one whose reading the firmware gives.
bool isSender(const Qs9Input& input)
{
    char text[48];
    return input.kind == QS9_INPUT_SLIDER && qs9SenderReading(input.name, text, sizeof text) == QS9_OK;
}

} // namespace

SenderReadingsView::SenderReadingsView(QTabWidget* pages, QWidget* parent) : QWidget(parent), pages_(pages)
{
    setObjectName(QStringLiteral("SenderReadings"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->setColumnStretch(1, 1);
    auto* heading = new QLabel(QStringLiteral("The instrument reads:"), this);
    grid->addWidget(heading, 0, 0, 1, 2);
    for (int i = 0; i < qs9InputCount(); ++i) {
        const Qs9Input& input = *qs9InputAt(i);
        if (!isSender(input))
            continue;
        auto* caption = new QLabel(QString::fromLatin1(input.caption), this);
        auto* reading = new QLabel(this);
        reading->setObjectName(QStringLiteral("Reading%1").arg(QString::fromLatin1(input.control)));
        reading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        reading->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0);
        grid->addWidget(reading, row, 1);
        rows_.push_back({input.name, QString::fromLatin1(input.page), caption, reading,
                         pages->findChild<QScrollBar*>(QString::fromLatin1(input.control))});
    }
    grid->setRowStretch(grid->rowCount(), 1);
    setMinimumHeight(heading->fontMetrics().lineSpacing() * readingLines + 4);
    connect(pages, &QTabWidget::currentChanged, this, &SenderReadingsView::showPage);
    showPage(pages->currentIndex());
}

void SenderReadingsView::showPage(int index)
{
    const QString page = pages_->tabText(index);
    for (const Row& row : rows_) {
        row.caption->setVisible(row.page == page);
        row.reading->setVisible(row.page == page);
    }
}

void SenderReadingsView::powerChanged(bool on)
{
    on_ = on;
    refresh();
}

void SenderReadingsView::refresh()
{
    char text[48];
    for (const Row& row : rows_) {
        if (qs9SenderReading(row.input, text, sizeof text) != QS9_OK)
            continue;
        const QString reading = on_ ? QString::fromLatin1(text) : QStringLiteral("off");
        if (row.reading->text() == reading)
            continue;
        row.reading->setText(reading);
        if (row.slider)
            row.slider->setAccessibleDescription(on_ ? QStringLiteral("The instrument reads %1").arg(reading)
                                                     : QStringLiteral("The instrument is off"));
    }
}
