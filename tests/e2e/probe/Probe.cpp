// keyvane_probe: a small X client that reports, one line each on standard output, what it
// receives. The end-to-end tests and the typing benchmark read it.
//
//   ready <window id>          mapped and shown
//   focus in | focus out
//   char <code point>          each character a key typed (Enter gives 13)
//   key down|up <keysym name>  every key event
//   button down|up <left|middle|right> <x> <y>   screen position
//   wheel <+n|-n>              notches, forward positive
//   motion <x> <y>             screen position
//   paste <hex of UTF-8>       Ctrl+V: the clipboard's text
//
// Options: --title TEXT, --place X,Y,W,H (not -geometry, which Qt takes for itself)

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRasterWindow>

#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Report(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string KeysymName(quint32 sym) {
    char name[64];
    if (xkb_keysym_get_name(sym, name, sizeof name) <= 0)
        return "0x" + QString::number(sym, 16).toStdString();
    return name;
}

const char* ButtonName(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return "left";
    case Qt::MiddleButton:
        return "middle";
    case Qt::RightButton:
        return "right";
    default:
        return "other";
    }
}

class ProbeWindow : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(QRect(QPoint(), size()), QColor(240, 240, 220));
        if (!announced_) {
            announced_ = true;
            Report("ready " + std::to_string(winId()));
        }
    }
    void focusInEvent(QFocusEvent*) override { Report("focus in"); }
    void focusOutEvent(QFocusEvent*) override { Report("focus out"); }
    void keyPressEvent(QKeyEvent* e) override {
        Report("key down " + KeysymName(e->nativeVirtualKey()));
        if (e->key() == Qt::Key_V && (e->modifiers() & Qt::ControlModifier)) {
            Report("paste " + QGuiApplication::clipboard()->text().toUtf8().toHex().toStdString());
            return;
        }
        for (char32_t c : e->text().toUcs4())
            Report("char " + std::to_string(static_cast<unsigned>(c)));
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        Report("key up " + KeysymName(e->nativeVirtualKey()));
    }
    void mousePressEvent(QMouseEvent* e) override { Button("down", e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Button("up", e); }
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void mouseMoveEvent(QMouseEvent* e) override {
        QPoint g = e->globalPosition().toPoint();
        Report("motion " + std::to_string(g.x()) + " " + std::to_string(g.y()));
    }
    void wheelEvent(QWheelEvent* e) override {
        int notches = e->angleDelta().y() / 120;
        if (notches != 0)
            Report(std::string("wheel ") + (notches > 0 ? "+" : "") + std::to_string(notches));
    }

private:
    void Button(const char* what, QMouseEvent* e) {
        QPoint g = e->globalPosition().toPoint();
        Report(std::string("button ") + what + " " + ButtonName(e->button()) + " " +
               std::to_string(g.x()) + " " + std::to_string(g.y()));
    }
    bool announced_ = false;
};

} // namespace

int main(int argc, char** argv) {
    // Every motion counts: Qt would merge a burst of moves into the last one.
    QGuiApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    QGuiApplication app(argc, argv);
    QString title = "Keyvane probe";
    QRect geometry(100, 100, 400, 300);
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--title") == 0) {
            title = QString::fromUtf8(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--place") == 0) {
            int x = 0, y = 0, w = 0, h = 0;
            if (std::sscanf(argv[i + 1], "%d,%d,%d,%d", &x, &y, &w, &h) == 4)
                geometry = QRect(x, y, w, h);
        }
    }
    ProbeWindow window;
    window.setTitle(title);
    window.setGeometry(geometry);
    window.show();
    return app.exec();
}
