// The floor for the start-up figures: a bare Qt window with one Japanese label in the
// program's face, shown and painted once, then the process ends as tavrin-startup does.
//   build-rel/bin/tavrin-bare
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class EndAfterFirstPaint final : public QObject {
public:
    explicit EndAfterFirstPaint(const QWidget& window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_ && watched == &window_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    const QWidget& window_;
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("ハイサーグラフ 東京 平年値"));
    label.setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    EndAfterFirstPaint endAfterFirstPaint(label);
    app.installEventFilter(&endAfterFirstPaint);
    label.show();
    QApplication::exec();
    return 2;
}
