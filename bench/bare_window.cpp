// bare-qt-window: the time from start to the first painted frame of an empty Qt window of the
// simulator's size, the floor that orvel-sim's start-up is compared with. Prints the same line as
// orvel-sim --screenshot and ends at once.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class FirstFrameWindow : public QWidget {
public:
    explicit FirstFrameWindow(const QElapsedTimer& sinceStart) : sinceStart_(sinceStart) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (painted_)
            return;
        painted_ = true;
        std::printf("first frame painted %lld ms after start\n", static_cast<long long>(sinceStart_.elapsed()));
        std::fflush(stdout);
        QTimer::singleShot(0, [] { QApplication::exit(0); });
    }

private:
    const QElapsedTimer& sinceStart_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    FirstFrameWindow window(sinceStart);
    window.setFixedSize(932, 572);
    window.show();
    return app.exec();
}
