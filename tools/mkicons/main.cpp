// vqn58-mkicons DIR: draws the tree and tool bar pictures of the desktop program as PNG files, each at
// 1x (NAME.png) and 2x (NAME@2x.png), into DIR. The pictures are drawn on a 32-unit grid and rendered at
// each size, so both sizes are sharp. Run it again after changing a picture and commit the files.
// vqn58-mkicons --hicolor DIR: draws the program's icon (apps/vqn58.png) and the clone-file icon
// (mimetypes/application-x-vqn58-clone.png) into DIR/<n>x<n>/ at the sizes desktops look for, the tree
// of the hicolor icon theme.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Draw = std::function<void(QPainter&)>;

const QColor kInk(0x33, 0x3b, 0x47);
const QColor kPaper(0xfb, 0xfb, 0xf7);
const QColor kSea(0x1f, 0x6f, 0xb2);
const QColor kFolder(0xe8, 0xb5, 0x3a);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kRed(0xc6, 0x28, 0x28);
const QColor kAmber(0xf2, 0xb1, 0x1b);

QPen Pen(const QColor& colour, double width = 1.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Pen(kInk));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
    p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
}

void Radio(QPainter& p, const QRectF& body) {
    p.setPen(Pen(kInk, 2));
    p.drawLine(QPointF(body.left() + 3, body.top()), QPointF(body.left() + 3, body.top() - 8));
    p.setPen(Pen(kInk));
    p.setBrush(QColor(0x4a, 0x55, 0x63));
    p.drawRoundedRect(body, 2.5, 2.5);
    p.setBrush(QColor(0xb8, 0xe0, 0xc8));
    p.drawRect(QRectF(body.left() + 2, body.top() + 3, body.width() - 4, body.height() * 0.3));
    p.setPen(Pen(QColor(0xdd, 0xdd, 0xdd), 1));
    for (int i = 0; i < 3; ++i) {
        const double y = body.top() + body.height() * 0.55 + i * 3.2;
        p.drawLine(QPointF(body.left() + 3, y), QPointF(body.right() - 3, y));
    }
}

void Folder(QPainter& p, bool open) {
    p.setPen(Pen(QColor(0x9a, 0x6b, 0x12)));
    p.setBrush(kFolder.darker(110));
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 11);
    back.lineTo(29, 11);
    back.lineTo(29, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kFolder);
    if (open) {
        QPainterPath front;
        front.moveTo(7, 15);
        front.lineTo(31, 15);
        front.lineTo(27, 26);
        front.lineTo(3, 26);
        front.closeSubpath();
        p.drawPath(front);
    } else {
        p.drawRect(QRectF(3, 14, 26, 12));
    }
}

void Digit(QPainter& p, const QString& text, const QPointF& at, const QColor& colour, double size) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size));
    QPainterPath path;
    path.addText(at, font, text);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void Mark(QPainter& p, const QColor& colour, bool triangle) {
    p.setPen(Pen(triangle ? QColor(0x8a, 0x5a, 0x00) : kRed.darker(130), 1.5));
    p.setBrush(colour);
    if (triangle) {
        QPolygonF shape({QPointF(16, 3), QPointF(30, 28), QPointF(2, 28)});
        p.drawPolygon(shape);
    } else {
        p.drawEllipse(QRectF(3, 3, 26, 26));
    }
    const QColor ink = triangle ? kInk : Qt::white;
    p.setPen(Pen(ink, 3.5));
    p.drawLine(QPointF(16, triangle ? 11 : 8.5), QPointF(16, triangle ? 19 : 18));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(16, triangle ? 24 : 23), 2, 2);
}

void Arrow(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour) {
    p.setPen(Pen(colour, 3));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Pen(colour, 1));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({to + d * 3, to - d * 4 + n * 5, to - d * 4 - n * 5}));
}

void Port(QPainter& p, const QString& digit) {
    p.setPen(Pen(kInk));
    p.setBrush(QColor(0xc9, 0xd1, 0xdb));
    QPainterPath shell;
    shell.moveTo(3, 6);
    shell.lineTo(29, 6);
    shell.lineTo(26, 18);
    shell.lineTo(6, 18);
    shell.closeSubpath();
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(7.5 + i * 4.25, 10), 1.1, 1.1);
    }
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(9.6 + i * 4.25, 14), 1.1, 1.1);
    }
    Digit(p, digit, QPointF(11, 31.5), kSea, 14);
}

void AppIcon(QPainter& p) {
    Radio(p, QRectF(9, 10, 14, 20));
    p.setPen(Pen(kSea, 1.8));
    p.setBrush(Qt::NoBrush);
    // The waves stay inside the grid, pen included, so no size cuts them at the top edge.
    p.drawArc(QRectF(15, 4, 10, 10), 0 * 16, 90 * 16);
    p.drawArc(QRectF(12, 1, 16, 16), 0 * 16, 90 * 16);
}

std::vector<std::pair<const char*, Draw>> Pictures() {
    return {
        {"imgIcon_Tree_Rig", [](QPainter& p) { Radio(p, QRectF(9, 9, 14, 21)); }},
        {"imgIcon_Tree_Folder01", [](QPainter& p) { Folder(p, false); }},
        {"imgIcon_Tree_Note01",
         [](QPainter& p) {
             Page(p, QRectF(5, 3, 22, 26));
             p.setPen(Pen(kSea, 2));
             for (int i = 0; i < 5; ++i) {
                 p.drawLine(QPointF(9, 10 + i * 4), QPointF(23, 10 + i * 4));
             }
         }},
        {"imgIcon_Tree_Note02",
         [](QPainter& p) {
             Page(p, QRectF(5, 3, 22, 26));
             for (int i = 0; i < 3; ++i) {
                 const double y = 11 + i * 6;
                 p.setPen(Pen(kInk, 1.5));
                 p.drawLine(QPointF(9, y), QPointF(23, y));
                 p.setPen(Pen(kGreen, 1));
                 p.setBrush(kGreen);
                 p.drawEllipse(QPointF(i == 1 ? 19 : 13, y), 2.4, 2.4);
             }
         }},
        {"imgIcon_Tree_WarnW_RB", [](QPainter& p) { Mark(p, kAmber, true); }},
        {"imgIcon_Tree_WarnE_RB", [](QPainter& p) { Mark(p, kRed, false); }},
        {"imgIcon_Bar_File_New",
         [](QPainter& p) {
             Page(p, QRectF(6, 3, 20, 26));
             p.setPen(Pen(kGreen, 3));
             p.drawLine(QPointF(16, 12), QPointF(16, 22));
             p.drawLine(QPointF(11, 17), QPointF(21, 17));
         }},
        {"imgIcon_Bar_File_Open",
         [](QPainter& p) {
             Folder(p, true);
             Arrow(p, QPointF(20, 12), QPointF(20, 3.5), kSea);
         }},
        {"imgIcon_Bar_File_Save",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kSea);
             QPainterPath disk;
             disk.moveTo(4, 4);
             disk.lineTo(25, 4);
             disk.lineTo(28, 7);
             disk.lineTo(28, 28);
             disk.lineTo(4, 28);
             disk.closeSubpath();
             p.drawPath(disk);
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 4, 14, 9));
             p.setBrush(QColor(0xdd, 0xe6, 0xef));
             p.drawRect(QRectF(8, 17, 16, 11));
             p.setBrush(kInk);
             p.drawRect(QRectF(18, 6, 3, 5));
         }},
        {"imgIcon_Bar_Com1", [](QPainter& p) { Port(p, QStringLiteral("1")); }},
        {"imgIcon_Bar_Com2", [](QPainter& p) { Port(p, QStringLiteral("2")); }},
        {"imgIcon_Bar_Com3", [](QPainter& p) { Port(p, QStringLiteral("3")); }},
        {"imgIcon_Bar_Com4", [](QPainter& p) { Port(p, QStringLiteral("4")); }},
        {"imgIcon_Bar_Clone_Read",
         [](QPainter& p) {
             Radio(p, QRectF(3, 11, 11, 18));
             Page(p, QRectF(19, 13, 11, 16));
             Arrow(p, QPointF(11, 6), QPointF(23, 6), kGreen);
         }},
        {"imgIcon_Bar_Clone_Write",
         [](QPainter& p) {
             Radio(p, QRectF(3, 11, 11, 18));
             Page(p, QRectF(19, 13, 11, 16));
             Arrow(p, QPointF(25, 6), QPointF(12, 6), kRed);
         }},
        {"imgIcon_Bar_Clone_Info",
         [](QPainter& p) {
             p.setPen(Pen(kSea.darker(130)));
             p.setBrush(kSea);
             p.drawEllipse(QRectF(3, 3, 26, 26));
             p.setPen(Pen(Qt::white, 3.5));
             p.drawLine(QPointF(16, 14), QPointF(16, 23));
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(16, 9), 2.1, 2.1);
         }},
        {"imgIcon_Bar_Pcg_Pen",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(kAmber);
             p.drawPolygon(QPolygonF({QPointF(22, 4), QPointF(28, 10), QPointF(11, 27), QPointF(5, 21)}));
             p.setBrush(kPaper);
             p.drawPolygon(QPolygonF({QPointF(5, 21), QPointF(11, 27), QPointF(3, 29)}));
         }},
        {"imgIcon_Bar_Pcg_Fill",
         [](QPainter& p) {
             p.setPen(Pen(kInk));
             p.setBrush(QColor(0xc9, 0xd1, 0xdb));
             p.drawPolygon(QPolygonF({QPointF(5, 13), QPointF(15, 3), QPointF(26, 14), QPointF(16, 24)}));
             p.setBrush(kSea);
             p.setPen(Pen(kSea.darker(130)));
             QPainterPath drop;
             drop.moveTo(26, 18);
             drop.cubicTo(22, 24, 23, 28, 26, 28);
             drop.cubicTo(29, 28, 30, 24, 26, 18);
             p.drawPath(drop);
         }},
        {"imgIcon_Bar_Pcg_Slider",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 2));
             p.drawLine(QPointF(4, 16), QPointF(28, 16));
             p.setPen(Pen(kInk));
             p.setBrush(kSea);
             p.drawRoundedRect(QRectF(14, 8, 6, 16), 1.5, 1.5);
         }},
        {"imgIcon_App", AppIcon},
    };
}

void CloneFileIcon(QPainter& p) {
    Page(p, QRectF(4, 2, 24, 28));
    p.setPen(Pen(kSea, 1.5));
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(8, 8 + i * 3.5), QPointF(i < 2 ? 23 : 14, 8 + i * 3.5));
    }
    Radio(p, QRectF(17, 17, 8, 11));
}

bool WriteFile(const QString& path, const Draw& draw, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    painter.end();
    return image.save(path);
}

bool Write(const QString& dir, const char* name, const Draw& draw, int size, const QString& suffix) {
    return WriteFile(dir + QLatin1Char('/') + QString::fromLatin1(name) + suffix + QStringLiteral(".png"), draw, size);
}

// The program's and the clone file's icons in the hicolor theme's folders, one PNG a size.
int WriteHicolor(const QString& dir) {
    const std::vector<std::pair<const char*, Draw>> icons = {
        {"apps/vqn58.png", AppIcon},
        {"mimetypes/application-x-vqn58-clone.png", CloneFileIcon},
    };
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = dir + QStringLiteral("/%1x%1/").arg(size);
        for (const auto& [name, draw] : icons) {
            const QString path = folder + QString::fromLatin1(name);
            if (!QDir().mkpath(QFileInfo(path).path()) || !WriteFile(path, draw, size)) {
                std::fprintf(stderr, "vqn58-mkicons: cannot write %s\n", qPrintable(path));
                return 3;
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hicolor") {
        return WriteHicolor(QString::fromLocal8Bit(argv[2]));
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: vqn58-mkicons DIR | --hicolor DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    for (const auto& [name, draw] : Pictures()) {
        // Tree pictures are shown at 16 pixels, tool bar pictures and the program's at 32.
        const int size = QByteArray(name).startsWith("imgIcon_Tree") ? 16 : 32;
        if (!Write(dir, name, draw, size, QString()) || !Write(dir, name, draw, 2 * size, QStringLiteral("@2x"))) {
            std::fprintf(stderr, "vqn58-mkicons: cannot write %s\n", name);
            return 3;
        }
    }
    return 0;
}
