// The floor for start-up measurements: a Qt Widgets program that shows one
// window with one line of text and quits as soon as it has been painted.
#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>

namespace {

class OnePaintWindow final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool painted_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    OnePaintWindow window(QStringLiteral("Quenza"));
    window.resize(440, 280);
    window.show();
    return QApplication::exec();
}
