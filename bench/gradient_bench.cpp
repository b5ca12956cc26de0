// Times full repaints of a 3840 x 2160 window background through the real backing image, for
// every line-based gradient mode. The goal for mode -3 is one frame at 60 Hz (under 16 ms).

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/conversion.h"
#include "platform/gui/backing_canvas.h"
#include "workout/workout.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget owner;
    kelvarin::BackingCanvas canvas(owner);
    owner.resize(3840, 2160);
    canvas.followOwnerSize();
    kelvarin::workOut w;

    struct Case {
        const char* name;
        qint32 mode;
    };
    const Case cases[] = {{"-3 diagonal from top-left", -3},
                          {"-4 diagonal from bottom-left", -4},
                          {"-1 horizontal", -1},
                          {"-2 vertical", -2},
                          {"-5 rectangles", -5},
                          {"-6 three bands", -6}};
    std::printf("3840 x 2160, median of 41 repaints\n");
    for (const Case& c : cases) {
        std::vector<double> ms;
        for (int run = 0; run < 41; ++run) {
            QElapsedTimer timer;
            timer.start();
            w.DrawChange(canvas, kelvarin::rt::rgb(130, 200, 180), kelvarin::rt::rgb(130, 130, 180),
                         c.mode, 0, 0, 0, 0, 0.2f, 3);
            canvas.image();  // every figure painted into the image
            ms.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("  mode %-30s %8.2f ms (best %.2f)\n", c.name, ms[ms.size() / 2], ms.front());
    }
    return 0;
}
