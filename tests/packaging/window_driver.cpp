// Drives the desktop program for the package check. Qt loads this plugin
// given QT_PLUGIN_PATH (above generic/) and QT_QPA_GENERIC_PLUGINS=
// morlindodriver:BUTTON: it clicks BUTTON once the window shows, prints and
// closes each message box, and after the batch's box closes the window. Any
// other modal dialog (the start-up file dialog) stays open: the check times out.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

void step(const QString& button, bool& clicked) {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::printf("%s\n", qUtf8Printable(box->text()));
        std::fflush(stdout);  // seen even when the check times out
        box->accept();
        if (clicked) QTimer::singleShot(0, qApp, &QApplication::closeAllWindows);
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* convert = window->findChild<QAbstractButton*>(button);
        if (clicked || !window->isVisible() || !convert) continue;
        clicked = true;
        // Queued: Qt does not fire a timer inside its own handler, and this
        // one must go on while the batch's message box is open.
        QTimer::singleShot(0, convert, &QAbstractButton::click);
    }
}

class WindowDriver final : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "window_driver.json")

public:
    QObject* create(const QString&, const QString& button) override {
        auto* timer = new QTimer;
        connect(timer, &QTimer::timeout, timer,
                [button, clicked = false]() mutable { step(button, clicked); });
        timer->start(50);
        return timer;
    }
};

}  // namespace

#include "window_driver.moc"
