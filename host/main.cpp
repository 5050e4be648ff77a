// Program entry: the application, its main window and the message loop.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <exception>
#include <memory>
#include <string_view>

#include "host/main_window.h"
#include "host/missing_display.h"
#include "host/window_lessons.h"

namespace {

void showStartFailure(const QString& text)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), text);
}

} // namespace

int main(int argc, char* argv[])
{
    // The window's "Save as Lesson Draft..." asks this of the program itself.
    if (argc == 3 && std::string_view(argv[1]) == "--lesson-draft")
        return WindowLessons::writeDraft(argv[2]);
    auto displayReport = std::make_unique<MissingDisplayReport>(argc > 0 ? argv[0] : "qs9-simulator");
    QApplication application(argc, argv);
    displayReport.reset();
    try {
        QApplication::setApplicationName(QStringLiteral("Ombrix"));
        // The installed desktop entry and its icon, for the task bar.
        QApplication::setDesktopFileName(QStringLiteral("qs9-simulator"));
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("qs9-simulator")));
        // The classic style draws group-box captions on the frame and suits
        // the form's fixed pixel layout.
        QApplication::setStyle(QStringLiteral("Windows"));
        TfrmMain frmMain;
        frmMain.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        showStartFailure(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showStartFailure(QStringLiteral("Unknown error."));
    }
    return 0;
}
